# SPDX-License-Identifier: MIT
# Counts the AT-SPI events one application sends, by type, until SIGTERM;
# then prints the counts, most frequent first.
import collections
import signal
import sys

import pyatspi
from gi.repository import GLib

app_name = sys.argv[1]
counts = collections.Counter()


def on_event(event):
    try:
        app = event.host_application
        if app is None or app.name != app_name:
            return
    except Exception:
        return
    counts[event.type] += 1


def stop(*_):
    total = sum(counts.values())
    print(f"AT-SPI events from {app_name}: {total}")
    for kind, n in counts.most_common():
        print(f"{n:7d}  {kind}")
    sys.stdout.flush()
    pyatspi.Registry.stop()
    return False


pyatspi.Registry.registerEventListener(on_event, "object", "window", "focus")
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, stop)
print("listening", flush=True)
pyatspi.Registry.start()
