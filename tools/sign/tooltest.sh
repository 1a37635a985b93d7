#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# pelbixsolo-sign from the maker's side: a key pair, a signature that holds,
# and every way one does not, each with its exit status and one line.
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() { # expect STATUS ARGS...
    local want=$1; shift
    "$tool" "$@" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: $* -> $got, expected $want: $(cat "$work/err")"; failures=$((failures + 1))
    elif [ "$want" -ne 0 ] && [ "$(wc -l <"$work/err")" -ne 1 ]; then
        echo "FAIL: $* -> not one line on stderr"; failures=$((failures + 1))
    fi
}

expect 0 keygen "$work/keys"
[ "$(stat -c %a "$work/keys/update.key")" = 600 ] || { echo "FAIL: update.key is not 0600"; failures=$((failures + 1)); }
grep -Eqx '[0-9a-f]{64}' "$work/keys/update.pub" || { echo "FAIL: update.pub is not 64 hex digits"; failures=$((failures + 1)); }
expect 1 keygen "$work/keys"                      # never over an old key
expect 0 keygen "$work/other"

head -c 300000 /dev/urandom >"$work/qztsetup.exe"
expect 0 sign "$work/keys/update.key" "$work/qztsetup.exe"
expect 0 verify "$work/keys/update.pub" "$work/qztsetup.exe"
expect 1 verify "$work/other/update.pub" "$work/qztsetup.exe"   # another key
cp "$work/qztsetup.exe" "$work/copy.exe"; printf 'x' >>"$work/copy.exe"
cp "$work/qztsetup.exe.sig" "$work/copy.exe.sig"
expect 1 verify "$work/keys/update.pub" "$work/copy.exe"        # another file
printf 'not a signature\n' >"$work/copy.exe.sig"
expect 1 verify "$work/keys/update.pub" "$work/copy.exe"        # malformed
rm "$work/copy.exe.sig"
expect 1 verify "$work/keys/update.pub" "$work/copy.exe"        # missing
expect 1 sign "$work/keys/update.pub" "$work/qztsetup.exe"      # a public key cannot sign

expect 2
expect 2 sign "$work/keys/update.key"
expect 2 frobnicate a b
expect 0 --help
grep -q keygen "$work/out" || { echo "FAIL: --help does not name keygen"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "all pelbixsolo-sign checks passed"
exit $((failures > 0))
