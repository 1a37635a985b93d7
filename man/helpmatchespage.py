#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""helpmatchespage.py TOOL PAGE: the commands and long options that TOOL's
--help names must be the ones its manual page names in its SYNOPSIS,
COMMANDS and OPTIONS sections. Prints what only one side has; exit 1 then."""
import os
import re
import subprocess
import sys

LONG_OPTION = re.compile(r"(?<![\w-])--[a-z][a-z0-9-]*")
PAGE_SECTIONS = {"SYNOPSIS", "COMMANDS", "OPTIONS"}
# Macros whose arguments alternate fonts and are written without spaces.
JOINED = {"BR", "RB", "IR", "RI", "BI", "IB"}


def page_text(path):
    """The sections of a man page that name its interface, as plain text."""
    section, lines = None, []
    for raw in open(path, encoding="utf-8"):
        line = raw.rstrip("\n")
        if line.startswith(".") or line.startswith("'"):
            parts = line[1:].split(None, 1)
            macro = parts[0] if parts else ""
            args = parts[1] if len(parts) > 1 else ""
            if macro == "SH":
                section = args.strip('"').upper()
                continue
            words = re.findall(r'"[^"]*"|\S+', args)
            words = [w.strip('"') for w in words]
            line = ("" if macro in JOINED else " ").join(words) if macro in {"B", "I", "SM"} | JOINED else ""
        if section in PAGE_SECTIONS:
            line = re.sub(r"\\f[BIRP]|\\f\(..|\\&|\\c", "", line)
            lines.append(line.replace("\\-", "-").replace("\\e", "\\"))
    return "\n".join(lines)


def commands(text, tool):
    """Words that directly follow the tool's name at the start of a line,
    or a " | " that separates one command line from the next."""
    start = re.compile(r"^\s*(?:usage:|or:)?\s*" + re.escape(tool) + r"\s+(.*)$", re.I | re.M)
    found = set()
    for rest in start.findall(text):
        for alternative in re.split(r"\s\|\s", rest):
            word = re.match(r"\s*([a-z][a-z0-9-]*)\b", alternative)
            if word:
                found.add(word.group(1))
    return found


def interface(text, tool):
    # --help is how the text was asked for; a page names it, a usage text need not.
    options = set(LONG_OPTION.findall(text)) - {"--help"}
    return {("option", o) for o in options} | {("command", c) for c in commands(text, tool)}


def main():
    tool_path, page = sys.argv[1], sys.argv[2]
    tool = os.path.basename(tool_path)
    run = subprocess.run([tool_path, "--help"], capture_output=True, text=True, timeout=30)
    from_help = interface(run.stdout + run.stderr, tool)
    from_page = interface(page_text(page), tool)
    if not from_help:
        print(f"{tool} --help names no commands or options:\n{run.stdout}{run.stderr}")
        return 1
    if from_help == from_page:
        return 0
    for kind, name in sorted(from_help - from_page):
        print(f"{tool} --help has the {kind} {name}; {os.path.basename(page)} does not")
    for kind, name in sorted(from_page - from_help):
        print(f"{os.path.basename(page)} has the {kind} {name}; {tool} --help does not")
    return 1


if __name__ == "__main__":
    sys.exit(main())
