#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when a translation catalogue is not finished: an entry without a
translation, one the code no longer has, a text the code has that the
catalogue lacks (found by running lupdate over a copy), a placeholder lost
or added, or a .ts file the build does not list.

    catalogue_test.py LUPDATE SOURCE_DIR TS_FOLDER LISTED.ts...
"""
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?\d+|%L?n")


def faults_of(path):
    faults = []
    root = ET.parse(path).getroot()
    expected = os.path.basename(path)[len("pelbixsolo_"):-len(".ts")]
    # lupdate names a new file's language with its country ("it_IT" for
    # pelbixsolo_it.ts); the plural rules are the language's all the same.
    language = root.get("language") or ""
    if language != expected and not language.startswith(expected + "_"):
        faults.append(f"language is {root.get('language')!r}, the file name says {expected!r}")
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{name}: {source!r}"
            translation = message.find("translation")
            if translation is None:
                faults.append(f"{where}: no translation")
                continue
            kind = translation.get("type")
            if kind:
                faults.append(f"{where}: {kind}")
                continue
            forms = [f.text or "" for f in translation.findall("numerusform")] or [translation.text or ""]
            wanted = collections.Counter(PLACEHOLDER.findall(source))
            for form in forms:
                if not form.strip():
                    faults.append(f"{where}: empty translation")
                elif collections.Counter(PLACEHOLDER.findall(form)) != wanted and message.get("numerus") != "yes":
                    faults.append(f"{where}: placeholders differ in {form!r}")
    return faults


def main(argv):
    lupdate, source_dir, folder, listed = argv[1], argv[2], argv[3], argv[4:]
    failed = False
    present = sorted(f for f in os.listdir(folder) if f.endswith(".ts"))
    if sorted(os.path.basename(f) for f in listed) != present:
        print(f"the build lists {sorted(listed)} but the folder has {present}")
        failed = True
    with tempfile.TemporaryDirectory() as scratch:
        for name in present:
            faults = faults_of(os.path.join(folder, name))
            # What lupdate would make of it: texts new in the code come out
            # unfinished, texts gone from it vanished.
            copy = os.path.join(scratch, name)
            shutil.copy(os.path.join(folder, name), copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h", source_dir,
                            "-ts", copy], check=True)
            faults += [f"after lupdate: {fault}" for fault in faults_of(copy) if fault not in faults]
            for fault in faults:
                print(f"{name}: {fault}")
            failed = failed or bool(faults)
            print(f"{name}: {len(ET.parse(copy).getroot().findall('.//message'))} texts checked")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
