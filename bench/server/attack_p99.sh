#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A served client's latency while 2,000 slow connections press on the
# server with its default limits (16 per client, 1024 in all): first from
# 200 IPv4 addresses, then from one IPv6 /64 (inside a network namespace
# made with unshare -rn; skipped with the reason where that is not
# allowed). wrk asks for the list page from another address, 4
# connections, and reports its latency percentiles.
#   bench/server/attack_p99.sh [SERVER_BINARY]
# Environment: DURATION (default 10s), SLOW (2000).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
server=$(realpath "${1:-$here/../../build/server/pelbixsolo-server}")
duration=${DURATION:-10s}
slow=${SLOW:-2000}

if [ "${PELBIX_ATTACK_INSIDE:-}" != 1 ]; then
    work=$(mktemp -d /tmp/pelbix-attack-XXXXXX)
    trap 'rm -rf "$work"' EXIT
    cc -shared -fPIC -O2 -o "$work/fromaddress.so" "$here/fromaddress.c" -ldl
    PELBIX_ATTACK_INSIDE=1 PELBIX_ATTACK_MODE=ipv4 WORK=$work "$0" "$server"
    if unshare -rn true 2>/dev/null; then
        unshare -rn sh -c 'ip link set lo up && ip -6 route add local 2001:db8:77::/64 dev lo &&
            PELBIX_ATTACK_INSIDE=1 PELBIX_ATTACK_MODE=ipv6 WORK='"$work"' exec "$0" "$1"' "$0" "$server"
    else
        echo "one /64: skipped, cannot make a network namespace here (unshare -rn failed)"
    fi
    exit 0
fi

ulimit -n 65536 2>/dev/null || true
data=$(mktemp -d "$WORK/data-XXXXXX")
if [ "$PELBIX_ATTACK_MODE" = ipv6 ]; then
    ip link set lo up
    listen="[::1]"; host="[::1]"; attackers="2001:db8:77::/64"; label="one IPv6 /64"
else
    listen="127.0.0.1"; host="127.0.0.1"; attackers="127.0.1.1+200"; label="200 IPv4 addresses"
fi
port=$(python3 -c 'import socket,sys; f=socket.AF_INET6 if sys.argv[1]=="ipv6" else socket.AF_INET; s=socket.socket(f); s.bind(("::1" if f==socket.AF_INET6 else "127.0.0.1", 0)); print(s.getsockname()[1])' "$PELBIX_ATTACK_MODE")
"$server" --listen "$listen:$port" --data "$data" --admin-listen "$listen:0" 2>"$data/server.log" &
server_pid=$!
trap 'kill $attacker $server_pid 2>/dev/null || true' EXIT
for _ in $(seq 100); do curl -s -o /dev/null --max-time 1 "http://$host:$port/counter/pelbixsolo.shtml" && break; sleep 0.1; done
python3 "$here/slowclients.py" "$port" "$slow" "$attackers" >"$data/attack.log" 2>&1 &
attacker=$!
sleep 4 # the crowd in place
if [ "$PELBIX_ATTACK_MODE" = ipv6 ]; then
    out=$(wrk -t 1 -c 4 -d "$duration" --timeout 5s --latency "http://$host:$port/counter/pelbixsolo.shtml")
else
    out=$(LD_PRELOAD="$WORK/fromaddress.so" PELBIX_FROM_ADDRESS=127.0.0.2 \
        wrk -t 1 -c 4 -d "$duration" --timeout 5s --latency "http://$host:$port/counter/pelbixsolo.shtml")
fi
kill -TERM "$attacker"; wait "$attacker" || true
echo "$slow slow connections from $label; list page from another client:"
grep -E '^ +(50|90|99)%|Requests/sec|Socket errors|Non-2xx' <<<"$out" | sed 's/^/  /'
echo "  $(cat "$data/attack.log")"
echo "  server log: $(grep -c 'connections in the last second' "$data/server.log") summary lines, e.g.:"
grep -m1 'connections in the last second' "$data/server.log" | sed 's/^/    /' || true
kill -TERM "$server_pid"; wait "$server_pid" || true
