#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up, memory and idle CPU of the game beside a bare Qt window, in one
# run under a private Xvfb display. Build first (scripts/build).
#   bench/startup/run.sh [RUNS]
# Needs Xvfb and python3-xlib (scripts/setup installs both).
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-10}
command -v Xvfb >/dev/null || { echo "needs Xvfb (apt-get install xvfb)" >&2; exit 1; }
/usr/bin/python3 -c "import Xlib" 2>/dev/null || { echo "needs python3-xlib (apt-get install python3-xlib)" >&2; exit 1; }

work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
# A free display of its own: Xvfb picks the number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work"
# A copy in a writable folder of its own keeps its files there.
mkdir -p "$work/game"
cp build/src/app/pelbixsolo "$work/game/"
printf '[pelbixsolo]\r\nUpdate=false\r\n' > "$work/game/pelbixsolo.ini"
# Interleaved, round by round: the bare window first, the game beside it.
/usr/bin/python3 bench/startup/mapwatch.py "$runs" "$PWD/build/bench/startup/bareqt" "$work/game/pelbixsolo"
