#!/usr/bin/env bash
# Load figures for pelbixsolo-server on loopback, measured with wrk:
# requests a second and 99th-percentile latency for the list page and the
# version file, then score posts (no post limit) on SQLite with a check that
# every accepted post was stored.
#   bench/server/run_wrk.sh [SERVER_BINARY]
# Environment: DURATION (default 10s), CONNECTIONS (8), WRK_THREADS (2),
# SERVER_THREADS (8).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
server=${1:-$here/../../build/server/pelbixsolo-server}
duration=${DURATION:-10s}
connections=${CONNECTIONS:-8}
wrk_threads=${WRK_THREADS:-2}
server_threads=${SERVER_THREADS:-8}

[ -x "$server" ] || { echo "no server program at $server; build first" >&2; exit 1; }
work=$(mktemp -d /tmp/pelbix-bench-XXXXXX)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill -TERM "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
base=http://127.0.0.1:$port
"$server" --listen "127.0.0.1:$port" --data "$work" --version-text 1.0.2 --post-limit 0 \
    --threads "$server_threads" 2>"$work/server.log" &
pid=$!
for _ in $(seq 100); do
    curl -s -o /dev/null --max-time 1 "$base/pelbixsolo/pelbixsoloversion.txt" && break
    sleep 0.1
done

# A full list page: more than a hundred scores.
for i in $(seq 120); do
    curl -s -o /dev/null --max-time 5 "$base/cgi-bin/pelbixsolo.cgi?name=Seed%20$i&date=3/7/26&score=$((i * 97))"
done

summary() { # label, wrk output
    local rps p99
    rps=$(awk '/^Requests\/sec:/ {print $2}' <<<"$2")
    p99=$(awk '$1 == "99%" {print $2}' <<<"$2")
    printf '%-14s %10s requests/s   p99 %s\n' "$1" "$rps" "$p99"
    grep -E 'Socket errors|Non-2xx' <<<"$2" || true
}

echo "wrk: $wrk_threads threads, $connections connections, $duration; server: $server_threads threads; $(nproc) cores"
out=$(wrk -t "$wrk_threads" -c "$connections" -d "$duration" --latency "$base/counter/pelbixsolo.shtml")
summary "list page" "$out"
out=$(wrk -t "$wrk_threads" -c "$connections" -d "$duration" --latency "$base/pelbixsolo/pelbixsoloversion.txt")
summary "version file" "$out"

before=$(python3 -c "import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute('select count(*) from pelbixsolo_scores').fetchone()[0])" "$work/pelbixsolo-scores.sqlite3")
out=$(wrk -t "$wrk_threads" -c "$connections" -d "$duration" --latency -s "$here/post.lua" "$base/")
summary "score posts" "$out"
accepted=$(awk '/^accepted/ {print $2}' <<<"$out")
kill -TERM "$pid"
wait "$pid" || true
pid=
after=$(python3 -c "import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute('select count(*) from pelbixsolo_scores').fetchone()[0])" "$work/pelbixsolo-scores.sqlite3")
stored=$((after - before))
echo "posts accepted (200 seen by wrk): $accepted; rows stored: $stored"
# Posts still in flight when wrk stops are stored without wrk seeing the
# answer, so stored may exceed accepted by up to one per connection.
if [ "$stored" -lt "$accepted" ]; then
    echo "LOST $((accepted - stored)) accepted posts" >&2
    exit 1
fi
