#!/usr/bin/env python3
"""Every text the player reads has its translation.

1. Every Japanese string in the sources is marked PlayerText::ja, so the translation tools see it
   (a literal whose line, or the line above, says it is "never translated", such as a name,
   is left alone).
2. lupdate, run from the sources into a copy of each .ts file, finds nothing new, and lrelease
   reports every text finished, with the same %1, %2 ... as its Japanese.

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
MARKER = re.compile(r"PlayerText::ja\(\s*$")
PLACEHOLDER = re.compile(r"%\d")


CHARACTER = re.compile(r"'(\\.|[^'\\\n])*'")
STRING = re.compile(r'"(\\.|[^"\\\n])*"')


def literals(text):
    """(start, contents) of each string literal outside comments."""
    i = 0
    while i < len(text):
        if text.startswith("//", i):
            end = text.find("\n", i)
            i = len(text) if end < 0 else end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            i = len(text) if end < 0 else end + 2
        elif text[i] in "'\"" and (match := (CHARACTER if text[i] == "'" else STRING).match(text, i)):
            if text[i] == '"':
                yield i, text[i + 1:match.end() - 1]
            i = match.end()
        else:
            i += 1


def unmarked(path):
    text = open(path, encoding="utf-8").read()
    marked_until = -1  # a literal that continues a marked one is marked too
    for start, contents in literals(text):
        before = text[:start].rstrip()
        marked = MARKER.search(before) is not None or (before.endswith('"') and marked_until == len(before))
        if marked:
            marked_until = start + len(contents) + 2
        # The line of the literal, and the one above it, may say it is never translated.
        above = text.rfind("\n", 0, text.rfind("\n", 0, start)) + 1
        lines = text[above:text.find("\n", start)]
        if JAPANESE.search(contents) and not marked and "never translated" not in lines:
            yield f"{path}:{text.count(chr(10), 0, start) + 1}: \"{contents}\" is not marked PlayerText::ja"


def check_catalogue(lupdate, lrelease, ts, options, sources, work):
    copy = os.path.join(work, os.path.basename(ts))
    shutil.copy(ts, copy)
    subprocess.run([lupdate, *options, *sources, "-ts", copy], check=True, capture_output=True)
    report = subprocess.run([lrelease, copy, "-qm", copy + ".qm"], check=True,
                            capture_output=True, text=True).stdout
    print(f"{os.path.basename(ts)}: {' '.join(report.split()[-8:])}")
    problems = []
    for message in ET.parse(copy).getroot().iter("message"):
        source = message.findtext("source", "")
        translation = message.find("translation")
        said = translation.text or ""
        if translation.get("type") == "unfinished" or not said:
            problems.append(f"{os.path.basename(ts)}: no translation for \"{source}\"")
        elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(said)):
            problems.append(f"{os.path.basename(ts)}: \"{said}\" does not keep the %n of \"{source}\"")
    found = re.search(r"\((\d+) finished and (\d+) unfinished\)", report)
    ignored = re.search(r"Ignored (\d+) untranslated", report)
    if not found or int(found.group(2)) or (ignored and int(ignored.group(1))):
        problems.append(f"{os.path.basename(ts)}: lrelease reports texts without translation")
    return problems


def main(argv):
    try:
        first = argv.index("--")
        second = argv.index("--", first + 1)
    except ValueError:
        sys.exit(__doc__.strip().splitlines()[-1])
    lupdate, lrelease, catalogues = argv[1], argv[2], argv[3:first]
    options, sources = argv[first + 1:second], argv[second + 1:]
    problems = [p for source in sources for p in unmarked(source)]
    with tempfile.TemporaryDirectory() as work:
        for ts in catalogues:
            problems += check_catalogue(lupdate, lrelease, ts, options, sources, work)
    for problem in problems:
        print(problem)
    print(f"{len(sources)} sources, {len(catalogues)} catalogues: {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
