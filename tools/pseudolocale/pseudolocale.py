#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the pseudo-locale en_XA from a .ts catalogue: every source text
in accented letters, lengthened by 40 % and put in brackets, so a window
that clips or overflows a longer language shows it in English-speaking
eyes. Placeholders (%1, %n, %L1), mnemonics (&F), entities and HTML tags
stay as they are, so the program still fills in and parses what it must.

    pseudolocale.py SOURCE.ts OUTPUT.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans(
    "abcdeghiklnorstuyzABCDEGHIKLNORSTUYZ",
    "áƀçđéĝĥíķĺñöŕšţüýžÅƁÇĐÉĜĤÍĶĹÑÖŔŠŢÜÝŽ",
)
# What must survive untouched: placeholders, mnemonics (and a literal &&),
# entities, tags.
KEPT = re.compile(r"%L?\d+|%L?n|%%|&&|&#?\w+;|&.|<[^>]*>")
FILLER = "ŀöŕéɱ íƥšüɱ đöŀöŕ šíţ åɱéţ "
GROWTH = 0.4


def pseudo(text: str) -> str:
    if not text:
        return text
    pieces = []
    visible = 0
    last = 0
    for kept in KEPT.finditer(text):
        plain = text[last:kept.start()]
        pieces.append(plain.translate(ACCENTED))
        visible += len(plain)
        pieces.append(kept.group())
        if not kept.group().startswith("<"):
            visible += 1
        last = kept.end()
    plain = text[last:]
    pieces.append(plain.translate(ACCENTED))
    visible += len(plain)
    # The brackets and the space count toward the 40 %.
    extra = max(math.ceil(visible * GROWTH) - 3, 0)
    padding = (FILLER * (extra // len(FILLER) + 1))[:extra]
    return "[" + "".join(pieces) + " " + padding + "]"


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    tree = ET.parse(argv[1])
    root = tree.getroot()
    root.set("language", "en_XA")
    root.attrib.pop("sourcelanguage", None)
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.clear()
        forms = translation.findall("numerusform")
        if message.get("numerus") == "yes":
            for form in forms:
                translation.remove(form)
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    with open(argv[2], "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
