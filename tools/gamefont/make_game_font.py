#!/usr/bin/env python3
"""Cuts the game's own small Gothic face out of IPA P Gothic.

The full IPA P Gothic is a 6 MB file whose glyphs lie in JIS order, so the few dozen characters
a window shows, and the ones FreeType's auto-hinter measures every CJK face by, fall on as many
different stretches of the file; the kernel maps each stretch into the game whole, about 2 MB in
all. The cut-down face holds the same outlines, metrics and hinting for what the game writes
itself (its sources and its help), kana, ASCII and the common symbols, in a file of about
250 KB. Anything else the player types is drawn from IPA P Gothic itself, so every character
looks as it always did.

usage: make_game_font.py SOURCE_TTF OUTPUT_TTF TEXT_FILE...
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Zupel PGothic"  # a face made from IPA P Gothic must not carry its name
POSTSCRIPT_NAME = "ZupelPGothic"

# Whole blocks a player's words or the game's texts use most: ASCII and Latin-1, the CJK
# punctuation, both kana, and the full- and half-width forms.
BLOCKS = [(0x20, 0x7E), (0xA0, 0xFF), (0x3000, 0x30FF), (0xFF01, 0xFF9F)]

# The characters FreeType's auto-hinter reads to size the stems and blue zones of a CJK face
# (its CJK top and bottom strings and the standard characters). Without them the hinter would
# measure the cut-down face differently and every glyph would shift by a pixel here and there.
HINTER_REFERENCE = (
    "他们你來們到和地对對就席我时時會来為能舰說说这這齊"
    "军同已愿既星是景民照现現理用置要軍那配里開雷露面顾"
    "个为人他以们你來個們到和大对對就我时時有来為要說说"
    "主些因它想意理生當看着置者自著裡过还进進過道還里面"
    "田囗"
)


def characters(text_files):
    wanted = set()
    for first, last in BLOCKS:
        wanted.update(range(first, last + 1))
    wanted.update(ord(c) for c in HINTER_REFERENCE)
    for path in text_files:
        with open(path, encoding="utf-8", errors="ignore") as f:
            wanted.update(ord(c) for c in f.read() if ord(c) > 0x7F)
    return wanted


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    source, output, text_files = argv[1], argv[2], argv[3:]
    font = TTFont(source)

    options = subset.Options()
    options.layout_features = ["*"]  # vertical forms and the rest, as the full face has them
    options.name_IDs = ["*"]  # the copyright and licence records travel with the face
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = True
    options.legacy_kern = True
    # Keep the face's own figures, which set line height and average width, as they are.
    options.recalc_bounds = False
    options.recalc_average_width = False
    options.recalc_max_context = False
    options.recalc_timestamp = False
    options.prune_unicode_ranges = False
    cutter = subset.Subsetter(options)
    cutter.populate(unicodes=characters(text_files))
    cutter.subset(font)

    names = {1: FAMILY, 3: FAMILY, 4: FAMILY, 6: POSTSCRIPT_NAME, 16: FAMILY, 17: "Regular"}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    font.save(output)


if __name__ == "__main__":
    main(sys.argv)
