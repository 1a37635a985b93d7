# SPDX-License-Identifier: MIT
# Drives the game by keyboard while Orca listens, and prints what Orca said
# after each step (from its debug log).
#   python3 drive.py ORCA_LOG SCENARIO      SCENARIO: play, dice, help, statistics
# play: a whole game by a simple player who hears only Orca: after each
# roll it keeps every one and five (or the first triple), and banks at 350
# in the round, or with two dice left once on the board.
import re
import subprocess
import sys
import time

log_path, scenario = sys.argv[1], sys.argv[2]
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{")
ROLLED = re.compile(r"Rolled ([\d, ]+): (?:(\d+) in scoring dice|No scoring dice rolled)")


def spoken():
    with open(log_path, errors="replace") as log:
        return [m.group(1) for m in SPOKEN.finditer(log.read())]


def settle(before, patience):
    """Waits for Orca to say something new, then for it to fall silent."""
    deadline = time.monotonic() + patience
    while len(spoken()) <= before and time.monotonic() < deadline:
        time.sleep(0.05)
    quiet, count = time.monotonic(), len(spoken())
    while time.monotonic() - quiet < 0.6 and time.monotonic() < deadline + 2:
        time.sleep(0.05)
        if len(spoken()) != count:
            quiet, count = time.monotonic(), len(spoken())
    return [line for line in spoken()[before:] if line.strip()]


def press(*keys, patience=4.0, show=True):
    before = len(spoken())
    subprocess.run(["xdotool", "key", "--delay", "120", *keys], check=True)
    said = settle(before, patience)
    if show:
        print(f"--- keys: {' '.join(keys)}")
        for line in said:
            if not re.fullmatch(r"[\w ]{1,12} ", line):  # key echo ("tab ", "left control ")
                print(f"    said: {line}")
    return said


def play():
    press("ctrl+a", "A", "n", "n", "Return", show=False)  # the name panel that greets a first game
    press("ctrl+s", patience=6)
    in_play = [True] * 6
    rolls = silent = round_total = 0
    on_board = False
    while rolls < 120 and silent < 5 and not any("Final score" in s for s in spoken()):
        said = press("space", patience=6)
        if rolls == 0:
            said += press("h")  # the coach's hint, once
        rolls += 1
        silent = 0 if said else silent + 1
        news = next((ROLLED.search(s) for s in said if ROLLED.search(s)), None)
        if news is None:
            continue  # nothing rolled: a new round or game is being laid out
        faces = [int(f) for f in news.group(1).split(",")]
        thrown = [i for i in range(6) if in_play[i]]
        if news.group(2) is None or len(faces) != len(thrown):
            in_play, round_total = [True] * 6, 0  # a lost round: the next starts with six dice
            time.sleep(2.5)  # the game's own pause before the next round
            continue
        keep = [i for i, f in zip(thrown, faces) if f in (1, 5)]
        if not keep:
            triple = next(f for f in range(1, 7) if faces.count(f) >= 3)
            keep = [i for i, f in zip(thrown, faces) if f == triple]
        selection = 0
        for i in keep:
            for line in press(str(i + 1)):
                chosen = re.search(r"selection (\d+)", line)
                selection = int(chosen.group(1)) if chosen else selection
            in_play[i] = False
        round_total += selection
        if not any(in_play):
            in_play = [True] * 6  # hot dice: all six roll again
        if round_total >= 350 or (on_board and sum(in_play) <= 2):
            press("b", patience=6)
            in_play, round_total, on_board = [True] * 6, 0, True
            time.sleep(2.5)
    time.sleep(3)  # the game's end is spoken after its pause
    print("--- the game's end")
    for line in spoken():
        if "Final score" in line:
            print(f"    said: {line}")


def dice():
    press("ctrl+a", "A", "n", "n", "Return", show=False)
    press("ctrl+s", patience=6)
    press("space", patience=6)
    for key in ["1", "1", "Tab", "2", "Tab"]:
        press(key)


def help_pages():
    press("F1", patience=6)
    for key in ["Tab"] * 7:  # past the page buttons, About and Done to the page
        press(key)
    for key in ["Down", "Down", "Down", "ctrl+Down", "ctrl+End", "Up"]:
        press(key)


def statistics():
    press("ctrl+t", patience=15)
    for key in ["Tab", "Tab", "Tab", "Tab", "Down", "Right", "Right", "Down", "ctrl+Tab", "Tab", "Tab", "Down"]:
        press(key)


{"play": play, "dice": dice, "help": help_pages, "statistics": statistics}[scenario]()
