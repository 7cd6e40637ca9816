#!/usr/bin/env python3
"""Every text the player reads has its translation: every Japanese literal in the sources is
marked PlayerText::ja (but one its line, or the line above, says is "never translated"), and
lupdate, run into a copy of each .ts file, leaves each text translated with the same %1, %2 ...

usage: translations_check.py LUPDATE LRELEASE TS_FILE... -- LUPDATE_OPTION... -- SOURCE...
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
        marked = re.search(r"PlayerText::ja\(\s*$", before) or (
            before.endswith('"') and marked_until == len(before))
        if marked:
            marked_until = token.end()
        above = text.rfind("\n", 0, text.rfind("\n", 0, start)) + 1
        if JAPANESE.search(contents) and not marked and \
                "never translated" not in text[above:text.find("\n", start)]:
            line = text.count("\n", 0, start) + 1
            yield f'{path}:{line}: "{contents}" is not marked PlayerText::ja'


def untranslated(lupdate, lrelease, ts, options, sources, work):
    name, copy = os.path.basename(ts), os.path.join(work, os.path.basename(ts))
    shutil.copy(ts, copy)
    subprocess.run([lupdate, *options, *sources, "-ts", copy], check=True, capture_output=True)
    report = subprocess.run([lrelease, copy, "-qm", copy + ".qm"], check=True,
                            capture_output=True, text=True).stdout
    print(f"{name}: {' '.join(report.split()[-8:])}")
    for message in ET.parse(copy).getroot().iter("message"):
        source, translation = message.findtext("source", ""), message.find("translation")
        said = translation.text or ""
        if translation.get("type") == "unfinished" or not said:
            yield f'{name}: no translation for "{source}"'
        elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(said)):
            yield f'{name}: "{said}" does not keep the %n of "{source}"'
    if not re.search(r"\(\d+ finished and 0 unfinished\)", report) or re.search(r"Ignored [1-9]", report):
        yield f"{name}: lrelease reports texts without translation"


def main(argv):
    first = argv.index("--")
    second = argv.index("--", first + 1)
    lupdate, lrelease, catalogues = argv[1], argv[2], argv[3:first]
    options, sources = argv[first + 1:second], argv[second + 1:]
    problems = [p for source in sources for p in unmarked(source)]
    with tempfile.TemporaryDirectory() as work:
        for ts in catalogues:
            problems += untranslated(lupdate, lrelease, ts, options, sources, work)
    for problem in problems:
        print(problem)
    print(f"{len(sources)} sources, {len(catalogues)} catalogues: {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
