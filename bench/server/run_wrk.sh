#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Load figures for pelbixsolo-server on loopback, for one or more server
# programs side by side (this build and, say, the previous one); each
# measurement is taken for every server in turn before the next begins:
#   list page, version file   requests a second and 99th-percentile latency
#   score posts (SQLite)      requests a second from POSTERS connections on
#                             16 addresses, and a check that every post wrk
#                             saw accepted was stored
#   under attack              SLOW slow connections from 127.0.0.1
#                             (slowclients.py) while wrk asks for the list
#                             page from 127.0.0.2: p99, errors, and the
#                             server's peak resident size
# wrk connects from 127.0.0.2 on (fromaddress.c, preloaded).
#   bench/server/run_wrk.sh [SERVER_BINARY...]
# Environment: DURATION (default 10s), CONNECTIONS (8), POSTERS (64),
# WRK_THREADS (2), SLOW (1000).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -gt 0 ] || set -- "$here/../../build/server/pelbixsolo-server"
duration=${DURATION:-10s}
connections=${CONNECTIONS:-8}
posters=${POSTERS:-64}
wrk_threads=${WRK_THREADS:-2}
slow=${SLOW:-1000}
client_address=127.0.0.2

work=$(mktemp -d /tmp/pelbix-bench-XXXXXX)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -TERM "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
cc -shared -fPIC -O2 -o "$work/fromaddress.so" "$here/fromaddress.c" -ldl

free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
count_rows() {
    python3 -c "import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute('select count(*) from pelbixsolo_scores').fetchone()[0])" "$1"
}
bench() { # wrk arguments...
    ulimit -n 65536 2>/dev/null || true
    LD_PRELOAD="$work/fromaddress.so" PELBIX_FROM_ADDRESS=$client_address PELBIX_FROM_SPREAD=${SPREAD:-1} \
        wrk --timeout 5s --latency "$@"
}
summary() { # label, wrk output
    local rps p99 errors
    rps=$(awk '/^Requests\/sec:/ {print $2}' <<<"$2")
    p99=$(awk '$1 == "99%" {print $2}' <<<"$2")
    errors=$(grep -E 'Socket errors|Non-2xx' <<<"$2" | tr -s ' ' | tr '\n' ';' || true)
    printf '  %-34s %10s requests/s   p99 %-9s %s\n' "$1" "$rps" "$p99" "$errors"
}

# One server per binary, each on its own port and data folder.
servers=("$@")
ports=()
for i in "${!servers[@]}"; do
    binary=${servers[$i]}
    [ -x "$binary" ] || { echo "no server program at $binary; build first" >&2; exit 1; }
    mkdir -p "$work/$i"
    port=$(free_port)
    "$binary" --listen "127.0.0.1:$port" --data "$work/$i" --version-text 1.0.2 --post-limit 0 2>"$work/$i/server.log" &
    pids+=($!)
    ports+=("$port")
    for _ in $(seq 100); do
        curl -s -o /dev/null --max-time 1 "http://127.0.0.1:$port/pelbixsolo/pelbixsoloversion.txt" && break
        sleep 0.1
    done
    # A full list page: more than a hundred scores.
    for n in $(seq 120); do
        curl -s -o /dev/null --max-time 5 "http://127.0.0.1:$port/cgi-bin/pelbixsolo.cgi?name=Seed%20$n&date=3/7/26&score=$((n * 50 % 25050))"
    done
done
for i in "${!servers[@]}"; do echo "server $i: ${servers[$i]}"; done
echo "wrk: $wrk_threads threads, $connections connections ($posters for posts), $duration; $(nproc) cores;" \
    "attack: $slow slow connections"

for i in "${!ports[@]}"; do
    echo "server $i"
    out=$(bench -t "$wrk_threads" -c "$connections" -d "$duration" "http://127.0.0.1:${ports[$i]}/counter/pelbixsolo.shtml")
    summary "list page" "$out"
done
for i in "${!ports[@]}"; do
    echo "server $i"
    out=$(bench -t "$wrk_threads" -c "$connections" -d "$duration" "http://127.0.0.1:${ports[$i]}/pelbixsolo/pelbixsoloversion.txt")
    summary "version file" "$out"
done
status=0
for i in "${!ports[@]}"; do
    echo "server $i"
    db="$work/$i/pelbixsolo-scores.sqlite3"
    before=$(count_rows "$db")
    out=$(SPREAD=16 bench -t "$wrk_threads" -c "$posters" -d "$duration" -s "$here/post.lua" "http://127.0.0.1:${ports[$i]}/")
    summary "score posts" "$out"
    accepted=$(awk '/^accepted/ {print $2}' <<<"$out")
    sleep 1 # posts in flight when wrk stopped
    stored=$(($(count_rows "$db") - before))
    # Posts still in flight when wrk stops are stored without wrk seeing the
    # answer, so stored may exceed accepted by up to one per connection.
    echo "  posts accepted (200 seen by wrk): $accepted; rows stored: $stored"
    if [ "$stored" -lt "$accepted" ]; then
        echo "  LOST $((accepted - stored)) accepted posts" >&2
        status=1
    fi
done
for i in "${!ports[@]}"; do
    echo "server $i"
    python3 "$here/slowclients.py" "${ports[$i]}" "$slow" 127.0.0.1 >"$work/attack.log" 2>&1 &
    attacker=$!
    sleep 3 # the attack in place
    (
        while kill -0 "${pids[$i]}" 2>/dev/null; do
            awk '/^VmRSS:/ {print $2}' "/proc/${pids[$i]}/status"
            sleep 0.2
        done
    ) >"$work/rss.log" &
    sampler=$!
    out=$(bench -t 1 -c 4 -d "$duration" "http://127.0.0.1:${ports[$i]}/counter/pelbixsolo.shtml")
    kill "$sampler" 2>/dev/null || true
    wait "$sampler" 2>/dev/null || true
    kill -TERM "$attacker"
    wait "$attacker" || true
    peak=$(sort -n "$work/rss.log" | tail -1)
    summary "list page from $client_address, attacked" "$out"
    echo "  peak resident size under attack: $((peak / 1024)) MB; $(cat "$work/attack.log")"
done
exit $status
