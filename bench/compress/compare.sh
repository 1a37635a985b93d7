#!/bin/bash
# SPDX-License-Identifier: MIT
# One interleaved run of two builds of bench_compress on the same corpus:
# each round runs the older build, then the newer, so that load on the
# machine falls on both alike. Prints the median MB/s of every benchmark
# over the rounds, then the ratios the compressor is judged by.
#
#   compare.sh OLD_BENCH NEW_BENCH CORPUS [ROUNDS]     (ROUNDS defaults to 5)
set -euo pipefail

old=$1
new=$2
corpus=$3
rounds=${4:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
filter='Fast|Lz4|Good'

for round in $(seq "$rounds"); do
    for side in old new; do
        PELBIX_COMPRESS_CORPUS=$corpus "${!side}" --benchmark_filter="$filter" --benchmark_min_time=0.2 \
            --benchmark_format=json > "$work/$side.$round.json" 2> /dev/null
    done
    echo "round $round done ($(cut -d' ' -f1-3 /proc/loadavg) load)" >&2
done

python3 - "$work" "$rounds" <<'PY'
import json, statistics, sys
work, rounds = sys.argv[1], int(sys.argv[2])
speeds = {}
for side in ("old", "new"):
    for r in range(1, rounds + 1):
        for b in json.load(open(f"{work}/{side}.{r}.json"))["benchmarks"]:
            name = b["name"].replace("/real_time", "")
            speeds.setdefault((side, name), []).append(b["bytes_per_second"] / 1e6)
median = {k: statistics.median(v) for k, v in speeds.items()}
for (side, name), mbs in sorted(median.items()):
    print(f"{side:4} {name:28} {mbs:9.1f} MB/s")
def ratio(label, a, b):
    if a in median and b in median:
        print(f"{label:46} {median[a] / median[b]:.2f}x")
print()
ratio("Fast compress, all cores / LZ4", ("new", "BM_FastCompress/0"), ("new", "BM_Lz4Compress"))
ratio("Fast compress, one thread / LZ4", ("new", "BM_FastCompress/1"), ("new", "BM_Lz4Compress"))
ratio("Fast decompress, one thread / LZ4", ("new", "BM_FastDecompress/1"), ("new", "BM_Lz4Decompress"))
ratio("Fast decompress, all cores / LZ4", ("new", "BM_FastDecompress/0"), ("new", "BM_Lz4Decompress"))
ratio("Good compress / old build", ("new", "BM_GoodCompress"), ("old", "BM_GoodCompress"))
ratio("Good decompress / old build", ("new", "BM_GoodDecompress"), ("old", "BM_GoodDecompress"))
ratio("old: Fast compress / LZ4 (its own runs)", ("old", "BM_FastCompress"), ("old", "BM_Lz4Compress"))
ratio("old: Fast decompress / LZ4 (its own runs)", ("old", "BM_FastDecompress"), ("old", "BM_Lz4Decompress"))
PY
