# SPDX-License-Identifier: MIT
"""Walks the running game's accessibility tree over AT-SPI (see atspi-walk)."""
import collections
import sys
import time

import pyatspi


def find_app(name="Pelbix Solo", wait=30.0):
    deadline = time.time() + wait
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name in (name, "pelbixsolo"):
                if app.childCount > 0:
                    return app
        time.sleep(0.5)
    sys.exit("the game did not appear on the accessibility bus")


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def report(app, title):
    nodes = [n for n in walk(app) if showing(n) or n is app]
    focusable = [n for n in nodes if n.getState().contains(pyatspi.STATE_FOCUSABLE)]
    named_focusable = [n for n in focusable if n.name.strip()]
    nameless_filler = [n for n in nodes if n.getRoleName() == "filler" and not n.name.strip()]
    roles = collections.Counter(n.getRoleName() for n in focusable)
    print(f"== {title}")
    print(f"   showing items {len(nodes)}, focusable {len(focusable)}, "
          f"focusable and named {len(named_focusable)}, nameless filler {len(nameless_filler)}")
    print("   focusable by role: " + ", ".join(f"{r} {c}" for r, c in sorted(roles.items())))
    for n in focusable:
        print(f"     {n.getRoleName():12} {n.name!r}")
    return nodes


def press(app, name, role=None):
    for n in walk(app):
        if n.name == name and (showing(n) or role is not None) and role in (None, n.getRoleName()):
            action = n.queryAction()
            for i in range(action.nActions):
                if action.getName(i).lower() == "press":
                    action.doAction(i)
                    time.sleep(1.0)
                    return
    sys.exit(f"no pressable {name!r}")


def names(app, prefix):
    return [n.name for n in walk(app) if n.name.startswith(prefix) and showing(n)]


WINDOWS = ["Tally List", "View High Score List", "Help", "About", "Keyboard Shortcuts",
           "Check out Multiplayer Pelbix!", "Game Review"]


def report_windows(app):
    """Every window open at once: focusable and named items per window."""
    total = named = 0
    print("== every window open")
    for i in range(app.childCount):
        frame = app.getChildAtIndex(i)
        if frame is None or not showing(frame):
            continue
        items = [n for n in walk(frame) if showing(n) and n.getState().contains(pyatspi.STATE_FOCUSABLE)]
        good = [n for n in items if n.name.strip()]
        total += len(items)
        named += len(good)
        print(f"   {frame.name!r}: focusable {len(items)}, named {len(good)}")
    menu_items = [n for n in walk(app) if n.getRoleName() == "menu item" and n.name.strip()]
    print(f"   all windows: focusable {total}, focusable and named {named}; "
          f"named menu items besides {len(menu_items)}")


app = find_app()
time.sleep(2.0)
report(app, "start: the name panel is open")
press(app, "DONE")
press(app, "START GAME")
report(app, "a game started")
press(app, "ROLL DICE")
print("== after a roll")
for line in names(app, "Die ") + names(app, "Round 1") + names(app, "Game total"):
    print("   " + line)
for item in WINDOWS:
    press(app, item, role="menu item")
time.sleep(2.0)
report_windows(app)
