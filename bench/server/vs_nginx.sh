#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The list page against nginx serving the same bytes as a static file: same
# machine, same wrk connections and threads, the server's per-address limit
# off, runs interleaved (server, nginx, server, nginx, ...). Prints each
# run's requests a second and the ratio of the medians (server / nginx).
# nginx (Debian's nginx-light) runs as a benchmark peer on 127.0.0.1 only,
# with as many worker processes as the server has event threads.
#   bench/server/vs_nginx.sh [SERVER_BINARY]
# Environment: DURATION (default 5s), CONNECTIONS (8), WRK_THREADS (2),
# ROUNDS (5).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
server=${1:-$here/../../build/server/pelbixsolo-server}
duration=${DURATION:-5s}
connections=${CONNECTIONS:-8}
wrk_threads=${WRK_THREADS:-2}
rounds=${ROUNDS:-5}
command -v nginx >/dev/null || { echo "nginx is not installed (apt-get install nginx-light)" >&2; exit 1; }

work=$(mktemp -d /tmp/pelbix-nginx-XXXXXX)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -TERM "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

port=$(free_port)
threads=$(nproc)
"$server" --listen "127.0.0.1:$port" --data "$work" --post-limit 0 --per-address-limit 0 --threads "$threads" \
    2>"$work/server.log" &
pids+=($!)
for _ in $(seq 100); do curl -s -o /dev/null --max-time 1 "http://127.0.0.1:$port/counter/pelbixsolo.shtml" && break; sleep 0.1; done
for n in $(seq 120); do
    curl -s -o /dev/null --max-time 5 "http://127.0.0.1:$port/cgi-bin/pelbixsolo.cgi?name=Seed%20$n&date=3/7/26&score=$((n * 50))"
done
mkdir -p "$work/root/counter" "$work/nginx"
chmod 755 "$work" "$work/root" "$work/root/counter" # nginx workers run as an unprivileged user
sleep 1.2 # the list page's cache age, so the copy is the page being served
curl -s -o "$work/root/counter/pelbixsolo.shtml" "http://127.0.0.1:$port/counter/pelbixsolo.shtml"

nginx_port=$(free_port)
cat >"$work/nginx/nginx.conf" <<CONF
worker_processes $threads;
pid $work/nginx/nginx.pid;
error_log $work/nginx/error.log;
daemon off;
events { worker_connections 1024; }
http {
    access_log off;
    client_body_temp_path $work/nginx/body;
    types { text/html shtml; }
    server {
        listen 127.0.0.1:$nginx_port;
        root $work/root;
    }
}
CONF
nginx -c "$work/nginx/nginx.conf" -p "$work/nginx" &
pids+=($!)
for _ in $(seq 100); do curl -s -o /dev/null --max-time 1 "http://127.0.0.1:$nginx_port/counter/pelbixsolo.shtml" && break; sleep 0.1; done
cmp <(curl -s "http://127.0.0.1:$port/counter/pelbixsolo.shtml") \
    <(curl -s "http://127.0.0.1:$nginx_port/counter/pelbixsolo.shtml") || { echo "not the same bytes" >&2; exit 1; }
echo "list page: $(stat -c %s "$work/root/counter/pelbixsolo.shtml") bytes; wrk $wrk_threads threads," \
    "$connections connections, $duration a run, $rounds rounds; $(nproc) cores; server threads and nginx workers: $threads"

rate() { wrk -t "$wrk_threads" -c "$connections" -d "$duration" "$1" | awk '/^Requests\/sec:/ {print $2}'; }
ours=()
theirs=()
for r in $(seq "$rounds"); do
    ours+=("$(rate "http://127.0.0.1:$port/counter/pelbixsolo.shtml")")
    theirs+=("$(rate "http://127.0.0.1:$nginx_port/counter/pelbixsolo.shtml")")
    echo "  round $r: server ${ours[-1]}/s, nginx ${theirs[-1]}/s"
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
m_ours=$(median "${ours[@]}")
m_theirs=$(median "${theirs[@]}")
echo "median: server $m_ours/s, nginx $m_theirs/s, ratio $(awk -v a="$m_ours" -v b="$m_theirs" 'BEGIN {printf "%.2f", a / b}')x"
