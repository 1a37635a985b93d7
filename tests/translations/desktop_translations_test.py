#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when a language of the desktop entry or the AppStream entry is
only half there: every language either file speaks must have every
translatable key of the desktop entry and a version of every summary,
paragraph, list item and caption of the AppStream entry.

    desktop_translations_test.py ENTRY.desktop ENTRY.metainfo.xml
"""
import re
import sys
import xml.etree.ElementTree as ET

TRANSLATABLE = ("Name", "GenericName", "Comment", "Keywords")
LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def main(argv):
    desktop, metainfo = argv[1], argv[2]
    keys = {}
    for line in open(desktop, encoding="utf-8"):
        found = re.match(r"^([A-Za-z]+)(?:\[([^]]+)\])?=(.*)$", line.rstrip("\n"))
        if found and found.group(1) in TRANSLATABLE:
            keys.setdefault(found.group(1), {})[found.group(2)] = found.group(3)

    root = ET.parse(metainfo).getroot()
    groups = []  # (what, {lang: text}) for each English text and its translations
    for parent in [root, root.find("description")] + root.findall(".//screenshot") + root.findall("description/ul"):
        english = None
        for child in parent if parent is not None else []:
            if child.tag not in ("summary", "p", "li", "caption"):
                continue
            if child.get(LANG) is None:
                english = {None: "".join(child.itertext()).strip()}
                groups.append((child.tag, english))
            elif english is not None:
                english[child.get(LANG)] = "".join(child.itertext()).strip()

    languages = {lang for versions in keys.values() for lang in versions}
    languages |= {lang for _, versions in groups for lang in versions}
    languages.discard(None)
    faults = []
    for lang in sorted(languages):
        for key in TRANSLATABLE:
            if not keys.get(key, {}).get(lang):
                faults.append(f"{desktop}: no {key}[{lang}]")
        for tag, versions in groups:
            if not versions.get(lang):
                faults.append(f"{metainfo}: no <{tag} xml:lang=\"{lang}\"> for {versions[None][:50]!r}")
    for fault in faults:
        print(fault)
    print(f"languages {sorted(languages)}: {len(TRANSLATABLE)} keys and {len(groups)} texts each")
    return 1 if faults or not languages else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
