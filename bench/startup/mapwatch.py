#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Starts a program under the current X display and measures it the way a
player feels it: milliseconds from process start until its first top-level
window is mapped, resident memory 2 s after start, and CPU time used over
10 idle seconds after that.

usage: mapwatch.py RUNS PROGRAM [PROGRAM...]
Several programs are started in turn, round by round, so a change in the
machine's load falls on all of them alike. Prints one line per run, then
each program's medians and, for every program after the first, its ratio
to the first.
"""
import os
import statistics
import subprocess
import sys
import time

from Xlib import X, display


def ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0.0


def one_run(argv, idle_seconds):
    d = display.Display()
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    start = time.monotonic()
    proc = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = None
    deadline = start + 10
    while mapped is None and time.monotonic() < deadline:
        if d.pending_events() == 0:
            time.sleep(0.0005)
            continue
        ev = d.next_event()
        if ev.type == X.MapNotify:
            mapped = (time.monotonic() - start) * 1000
    time.sleep(max(0.0, start + 2 - time.monotonic()))
    rss = rss_mb(proc.pid)
    hz = os.sysconf("SC_CLK_TCK")
    before = ticks(proc.pid)
    time.sleep(idle_seconds)
    idle_ms = (ticks(proc.pid) - before) * 1000 / hz
    proc.terminate()
    proc.wait(timeout=10)
    d.close()
    return mapped, rss, idle_ms


def main():
    runs = int(sys.argv[1])
    programs = sys.argv[2:]
    results = {p: [] for p in programs}
    for i in range(runs):
        idle = 10 if i == 0 else 0  # idle CPU is measured once, on the first round
        for p in programs:
            mapped, rss, idle_ms = one_run([p], idle)
            results[p].append((mapped, rss))
            extra = f" idle_cpu_ms_10s={idle_ms:.0f}" if idle else ""
            print(f"round {i + 1} {os.path.basename(p)}: mapped_ms={mapped:.1f} rss_mb={rss:.1f}{extra}", flush=True)
    medians = {p: (statistics.median(r[0] for r in results[p]), statistics.median(r[1] for r in results[p]))
               for p in programs}
    first = programs[0]
    for p in programs:
        mapped, rss = medians[p]
        line = f"median {os.path.basename(p)}: mapped_ms={mapped:.1f} rss_mb={rss:.1f}"
        if p != first:
            line += f"  ratio to {os.path.basename(first)}: mapped {mapped / medians[first][0]:.2f}x" \
                    f" rss {rss / medians[first][1]:.2f}x"
        print(line)


if __name__ == "__main__":
    main()
