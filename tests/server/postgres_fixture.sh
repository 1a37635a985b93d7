#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A throw-away PostgreSQL cluster for the server's storage tests.
#   postgres_fixture.sh start STATE   initdb + start on a free loopback port
#   postgres_fixture.sh run STATE -- COMMAND...
#                                     runs COMMAND with PELBIX_TEST_POSTGRES
#                                     set to the cluster's connection URI and
#                                     PELBIX_TEST_POSTGRES_RESTART to the
#                                     command that restarts it
#   postgres_fixture.sh restart STATE stops the cluster and starts it again
#                                     on the same port
#   postgres_fixture.sh stop STATE    stops the cluster and deletes it
# PostgreSQL refuses to run as root, so as root the cluster belongs to the
# postgres user. The cluster names a synchronous standby that never comes,
# with commits waiting for it switched off (synchronous_commit=local) except
# for a role that turns them on: its COMMITs hang as they do when the
# standby of a real deployment is gone.
set -euo pipefail

action=${1:?start, run or stop}
state=${2:?state folder}
shift 2
pgbin=${PELBIX_PG_BIN:-$(pg_config --bindir 2>/dev/null || echo /usr/lib/postgresql/15/bin)}

as_postgres() {
    if [ "$(id -u)" -eq 0 ]; then
        (cd /tmp && runuser -u postgres -- "$@")
    else
        "$@"
    fi
}

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

case "$action" in
start)
    "$0" stop "$state" >/dev/null 2>&1 || true # left over from an interrupted run
    mkdir -p "$state"
    cluster=$(mktemp -d /tmp/pelbix-postgres-XXXXXX)
    echo "$cluster" >"$state/cluster"
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres: "$cluster"
    fi
    as_postgres "$pgbin/initdb" -D "$cluster/data" -U pelbix --auth=trust -E UTF8 --no-locale \
        >"$cluster/initdb.log" 2>&1 || { cat "$cluster/initdb.log"; exit 1; }
    # A port found free may be taken before the server binds it: try again.
    for attempt in 1 2 3 4 5; do
        port=$(free_port)
        if as_postgres "$pgbin/pg_ctl" -D "$cluster/data" -l "$cluster/server.log" -w -t 60 \
            -o "-h 127.0.0.1 -p $port -k $cluster -c fsync=off -c synchronous_standby_names=pelbix_gone -c synchronous_commit=local" start >/dev/null; then
            echo "postgresql://pelbix@127.0.0.1:$port/postgres" >"$state/uri"
            echo "PostgreSQL test cluster on 127.0.0.1:$port in $cluster"
            exit 0
        fi
        echo "start attempt $attempt on port $port failed"
    done
    cat "$cluster/server.log" || true
    exit 1
    ;;
run)
    [ "${1:-}" = "--" ] && shift
    [ -f "$state/uri" ] || { echo "no PostgreSQL test cluster running (fixture not started)"; exit 1; }
    PELBIX_TEST_POSTGRES=$(cat "$state/uri")
    PELBIX_TEST_POSTGRES_RESTART="bash $(cd "$(dirname "$0")" && pwd)/$(basename "$0") restart $(cd "$state" && pwd)"
    export PELBIX_TEST_POSTGRES PELBIX_TEST_POSTGRES_RESTART
    exec "$@"
    ;;
restart)
    cluster=$(cat "$state/cluster")
    as_postgres "$pgbin/pg_ctl" -D "$cluster/data" -l "$cluster/server.log" -m fast -w -t 60 restart >/dev/null
    ;;
stop)
    [ -f "$state/cluster" ] || exit 0
    cluster=$(cat "$state/cluster")
    if [ -d "$cluster/data" ]; then
        as_postgres "$pgbin/pg_ctl" -D "$cluster/data" -m immediate -w -t 60 stop >/dev/null 2>&1 || true
    fi
    rm -rf "$cluster" "$state"
    ;;
*)
    echo "unknown action $action" >&2
    exit 2
    ;;
esac
