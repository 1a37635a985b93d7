#!/bin/bash
# SPDX-License-Identifier: MIT
# Builds the compressor's benchmark corpus from files every Debian system of
# this project has: about a third each from /usr/share/doc, /usr/include and
# /usr/lib (text, headers, libraries and other binaries), taken in sorted
# path order so the same installation gives the same corpus.
#
#   make_corpus.sh [DIR]     DIR defaults to a new temporary folder
#
# Leaves DIR/files/ (the chosen files, numbered in order) and DIR/corpus.bin
# (their concatenation cut to exactly 100 MiB); prints DIR.
set -euo pipefail

total=$((100 * 1024 * 1024))
per_root=$((total / 3 + 1))
max_file=$((8 * 1024 * 1024))
dir=${1:-$(mktemp -d /tmp/lzrw1-corpus.XXXXXX)}
mkdir -p "$dir/files"
rm -f "$dir/files/"* "$dir/corpus.bin"

n=0
for root in /usr/share/doc /usr/include /usr/lib; do
    taken=0
    while IFS= read -r -d '' path; do
        size=$(stat -c %s "$path")
        [ "$size" -gt 0 ] && [ "$size" -le "$max_file" ] || continue
        n=$((n + 1))
        cp "$path" "$dir/files/$(printf '%06d' "$n")_$(basename "$path")"
        taken=$((taken + size))
        [ "$taken" -lt "$per_root" ] || break
    done < <(find "$root" -type f -readable -print0 2>/dev/null | LC_ALL=C sort -z)
done

# head stops reading once it has enough; cat's broken pipe is expected.
(find "$dir/files" -type f -print0 | LC_ALL=C sort -z | xargs -0 cat 2>/dev/null || true) |
    head -c "$total" > "$dir/corpus.bin"
[ "$(stat -c %s "$dir/corpus.bin")" -eq "$total" ] || { echo "corpus short of $total bytes" >&2; exit 1; }
echo "$dir"
