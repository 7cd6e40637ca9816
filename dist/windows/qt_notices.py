#!/usr/bin/env python3
"""Writes the notices of Qt and of the third-party code it carries, as Qt's own source gives
them (each part's qt_attribution.json and the licence files it names), one text per part.

usage: qt_notices.py QT_SOURCE_ARCHIVE OUTPUT_FOLDER ID...
  QT_SOURCE_ARCHIVE  the qtbase source archive the program's Qt was built from (.tar.xz)
  ID                 the parts the program links, by their attribution Id
"""
import json
import pathlib
import posixpath
import re
import sys
import tarfile

# The files a notice may come from: attributions, licences, copyright statements.
NOTICE_FILE = re.compile(r"^LICENSES/|(licen[sc]e|copying|copyright|qt_attribution\.json)[^/]*$",
                         re.IGNORECASE)


def notice_files(archive):
    """Every notice file of the archive, by its path in the source tree, read in one pass."""
    files = {}
    with tarfile.open(archive, "r|*") as source:
        for member in source:
            path = posixpath.join(*member.name.split("/")[1:] or ["."])
            if member.isfile() and NOTICE_FILE.search(path):
                files[path] = source.extractfile(member).read().decode("utf-8", "replace")
    return files


def attributions(files, wanted):
    """The attribution entry of each wanted part, with the folder its files lie in."""
    found = {}
    for path in sorted(p for p in files if p.startswith("src/") and p.endswith("qt_attribution.json")):
        entries = json.loads(files[path], strict=False)  # some hold line breaks inside strings
        for entry in entries if isinstance(entries, list) else [entries]:
            if entry.get("Id") in wanted:
                found[entry["Id"]] = (posixpath.dirname(path), entry)
    missing = [ident for ident in wanted if ident not in found]
    if missing:
        sys.exit(f"qt_notices.py: the source has no attribution for {', '.join(missing)}")
    return [found[ident] for ident in wanted]


def notice(folder, entry, read):
    lines = [f"{entry['Name']} {entry.get('Version', '')}".rstrip(),
             f"Part of Qt ({folder}): {entry.get('QtUsage', '').strip()}",
             f"License: {entry.get('License', '')}", ""]
    if "Copyright" in entry:
        lines += [entry["Copyright"].strip(), ""]
    if "CopyrightFile" in entry:
        lines += [read(posixpath.join(folder, entry["CopyrightFile"])).strip(), ""]
    licence_files = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if "LicenseFile" in entry else [])
    for name in licence_files:
        lines += ["-" * 72, read(posixpath.join(folder, name)).strip(), ""]
    return "\n".join(lines)


def main(archive, output, wanted):
    files = notice_files(archive)

    def read(path):
        text = files.get(posixpath.normpath(path))
        if text is None:
            sys.exit(f"qt_notices.py: {path} is not in {archive}")
        return text

    output = pathlib.Path(output)
    output.mkdir(parents=True, exist_ok=True)
    # Qt itself: the LGPL it is used under, and the GPL that licence builds on.
    (output / "LGPL-3.0.txt").write_text(read("LICENSES/LGPL-3.0-only.txt"))
    (output / "GPL-3.0.txt").write_text(read("LICENSES/GPL-3.0-only.txt"))
    for folder, entry in attributions(files, wanted):
        name = re.sub(r"[^A-Za-z0-9.+]+", "-", entry["Name"]).strip("-")
        (output / f"{name}.txt").write_text(notice(folder, entry, read))


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
