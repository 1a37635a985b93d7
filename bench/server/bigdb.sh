#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whether a big score table slows the server: score posts a second (wrk,
# POSTERS connections from 16 addresses, with a check that every accepted
# post was stored) and the list page's rebuild time, on a database of a
# few scores and on one of ROWS scores, interleaved: small, big, small, big.
#   bench/server/bigdb.sh [BUILD_FOLDER]
# Environment: ROWS (default 10000000), DURATION (10s), POSTERS (64).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
server=$build/server/pelbixsolo-server
rebuild=$build/bench/server/pelbix_listrebuild_bench
rows=${ROWS:-10000000}
duration=${DURATION:-10s}
posters=${POSTERS:-64}
work=$(mktemp -d /tmp/pelbix-bigdb-XXXXXX)
pid=
cleanup() {
    [ -n "$pid" ] && { kill -TERM "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
    rm -rf "$work"
}
trap cleanup EXIT
cc -shared -fPIC -O2 -o "$work/fromaddress.so" "$here/fromaddress.c" -ldl
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
rows_in() { sqlite3 "$1/pelbixsolo-scores.sqlite3" 'SELECT count(*) FROM pelbixsolo_scores'; }

start() { # data folder
    port=$(free_port)
    "$server" --listen "127.0.0.1:$port" --data "$1" --post-limit 0 2>>"$1/server.log" &
    pid=$!
    for _ in $(seq 600); do
        curl -s -o /dev/null --max-time 1 "http://127.0.0.1:$port/counter/pelbixsolo.shtml" && return
        sleep 0.1
    done
    echo "server did not start" >&2
    exit 1
}
stop() { kill -TERM "$pid"; wait "$pid" || true; pid=; }

# Both tables made by the server itself, then filled outside it.
for size in small big; do
    mkdir -p "$work/$size"
    start "$work/$size"
    stop
done
fill() { # folder, rows
    sqlite3 "$1/pelbixsolo-scores.sqlite3" "PRAGMA synchronous=OFF;
        WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < $2)
        INSERT INTO pelbixsolo_scores (name, date, score) SELECT 'Seed ' || x, '3/7/26', (x * 7919 % 502) * 50 FROM n;
        PRAGMA wal_checkpoint(TRUNCATE);" >/dev/null
}
fill "$work/small" 120
time_fill_start=$(date +%s)
fill "$work/big" "$rows"
echo "filled $(rows_in "$work/big") rows in $(($(date +%s) - time_fill_start)) s"

for round in 1 2; do
    for size in small big; do
        before=$(rows_in "$work/$size")
        rebuild_us=$(PELBIX_BENCH_DB="$work/$size/pelbixsolo-scores.sqlite3" "$rebuild" --benchmark_min_time=1 \
            --benchmark_format=csv 2>/dev/null | awk -F, '/BM_ListPageRebuild/ {print $3}')
        start "$work/$size"
        out=$(LD_PRELOAD="$work/fromaddress.so" PELBIX_FROM_ADDRESS=127.0.0.2 PELBIX_FROM_SPREAD=16 \
            wrk --timeout 5s -t 2 -c "$posters" -d "$duration" -s "$here/post.lua" "http://127.0.0.1:$port/")
        stop
        rps=$(awk '/^Requests\/sec:/ {print $2}' <<<"$out")
        accepted=$(awk '/^accepted/ {print $2}' <<<"$out")
        refused=$(awk '/^refused/ {print $2}' <<<"$out")
        stored=$(($(rows_in "$work/$size") - before))
        printf 'round %d %-5s %9d rows: list rebuild %8.1f us; posts %9s/s, accepted %d, refused %d, stored %d%s\n' \
            "$round" "$size" "$before" "$rebuild_us" "$rps" "$accepted" "$refused" "$stored" \
            "$([ "$stored" -ge "$accepted" ] || echo "  LOST $((accepted - stored))")"
    done
done
