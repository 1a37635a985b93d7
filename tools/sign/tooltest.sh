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
expect 0 sign "$work/keys/update.key" "$work/qztsetup.exe" 1.0.3
expect 0 verify "$work/keys/update.pub" "$work/qztsetup.exe"
grep -qx 'version 1.0.3' "$work/out" && grep -qx 'file qztsetup.exe' "$work/out" && grep -qx 'size 300000' "$work/out" ||
    { echo "FAIL: verify does not print the statement"; failures=$((failures + 1)); }
expect 1 verify "$work/other/update.pub" "$work/qztsetup.exe"   # another key
cp "$work/qztsetup.exe" "$work/copy.exe"; cp "$work/qztsetup.exe.sig" "$work/copy.exe.sig"
expect 1 verify "$work/keys/update.pub" "$work/copy.exe"        # a statement for another file name
cp "$work/qztsetup.exe" "$work/good.exe"
printf 'x' >>"$work/qztsetup.exe"
expect 1 verify "$work/keys/update.pub" "$work/qztsetup.exe"    # other size
cp "$work/good.exe" "$work/qztsetup.exe"; printf 'x' | dd of="$work/qztsetup.exe" bs=1 seek=7 conv=notrunc 2>/dev/null
expect 1 verify "$work/keys/update.pub" "$work/qztsetup.exe"    # same size, other bytes
cp "$work/good.exe" "$work/qztsetup.exe"
sed 's/^version 1.0.3$/version 9.9.9/' "$work/qztsetup.exe.sig" >"$work/copy.exe.sig"; cp "$work/copy.exe.sig" "$work/qztsetup.exe.sig"
expect 1 verify "$work/keys/update.pub" "$work/qztsetup.exe"    # a statement changed after signing
printf 'not a signature\n' >"$work/qztsetup.exe.sig"
expect 1 verify "$work/keys/update.pub" "$work/qztsetup.exe"    # malformed
rm "$work/qztsetup.exe.sig"
expect 1 verify "$work/keys/update.pub" "$work/qztsetup.exe"    # missing
expect 1 sign "$work/keys/update.pub" "$work/qztsetup.exe" 1.0.3 # a public key cannot sign
for version in 1.0.3-beta v2 1..2 '' -1; do
    expect 1 sign "$work/keys/update.key" "$work/qztsetup.exe" "$version"
done
expect 1 sign "$work/keys/update.key" "$work/qztsetup.exe" 1.0.3 'Bad Product'
[ ! -e "$work/qztsetup.exe.sig" ] || { echo "FAIL: a refused sign wrote a .sig"; failures=$((failures + 1)); }

expect 2
expect 2 sign "$work/keys/update.key" "$work/qztsetup.exe"
expect 2 frobnicate a b
expect 0 --help
grep -q keygen "$work/out" || { echo "FAIL: --help does not name keygen"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "all pelbixsolo-sign checks passed"
exit $((failures > 0))
