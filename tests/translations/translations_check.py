#!/usr/bin/env python3
"""Every text the player reads has its translation: every Japanese literal in the sources is
marked PlayerText::ja (but one its line, or the line above, says is "never translated"), and
lupdate, run into a copy of each .ts file, leaves each text translated with the same %1, %2 ...

usage: translations_check.py LUPDATE TS_FILE... -- LUPDATE_OPTION... -- SOURCE...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

JAPANESE = re.compile("[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]")
PLACEHOLDER = re.compile(r"%\d")
# Comments, character literals and string literals, in the order they begin.
TOKEN = re.compile(r"//[^\n]*|/\*.*?\*/|'(?:\\.|[^'\\\n])*'|\"((?:\\.|[^\"\\\n])*)\"", re.S)


def unmarked(path):
    text = open(path, encoding="utf-8").read()
    marked_until = -1  # a literal that continues a marked one is marked too
    for token in TOKEN.finditer(text):
        contents, start = token.group(1), token.start()
        if contents is None:
            continue
        before = text[:start].rstrip()
        if re.search(r"PlayerText::ja\(\s*$", before) or marked_until == len(before):
            marked_until = token.end()
        elif JAPANESE.search(contents) and "never translated" not in \
                text[text.rfind("\n", 0, text.rfind("\n", 0, start)) + 1:text.find("\n", start)]:
            yield f'{path}:{text.count(chr(10), 0, start) + 1}: "{contents}" is not marked PlayerText::ja'


def untranslated(lupdate, ts, options, sources, work):
    name, copy = os.path.basename(ts), os.path.join(work, os.path.basename(ts))
    shutil.copy(ts, copy)
    subprocess.run([lupdate, *options, *sources, "-ts", copy], check=True, capture_output=True)
    for message in ET.parse(copy).getroot().iter("message"):
        source, translation = message.findtext("source", ""), message.find("translation")
        if translation.get("type") == "unfinished" or not translation.text:
            yield f'{name}: no translation for "{source}"'
        elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation.text)):
            yield f'{name}: "{translation.text}" does not keep the %n of "{source}"'


def main(argv):
    first = argv.index("--")
    second = argv.index("--", first + 1)
    options, sources = argv[first + 1:second], argv[second + 1:]
    problems = [p for source in sources for p in unmarked(source)]
    with tempfile.TemporaryDirectory() as work:
        for ts in argv[2:first]:
            problems += untranslated(argv[1], ts, options, sources, work)
    print(*problems, f"{len(sources)} sources: {len(problems)} problems", sep="\n")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
