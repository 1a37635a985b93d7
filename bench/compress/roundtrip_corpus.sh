#!/bin/bash
# SPDX-License-Identifier: MIT
# Compresses every file of a corpus folder with the pelbixsolo-lzrw1 tool in both
# methods, decompresses it again and compares it with the original.
#
#   roundtrip_corpus.sh build/tools/pelbixsolo-lzrw1/pelbixsolo-lzrw1 DIR     (DIR as made by make_corpus.sh)
set -uo pipefail

tool=$1
dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

files=0
failures=0
for path in "$dir"/files/*; do
    files=$((files + 1))
    for method in fast good; do
        if ! "$tool" c "$method" "$path" "$work/packed" ||
           ! "$tool" d "$work/packed" "$work/plain" ||
           ! cmp -s "$path" "$work/plain"; then
            echo "FAILED ($method): $path"
            failures=$((failures + 1))
        fi
    done
done
echo "$files files, $((files * 2)) round trips, $failures failed"
[ "$failures" -eq 0 ]
