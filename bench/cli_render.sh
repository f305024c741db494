#!/usr/bin/env bash
# Times `cdvennix-cli render DESIGN OUT.pdf` end to end over several runs and reports the
# median wall time and the largest peak memory (maximum resident set size).
# Usage: bench/cli_render.sh [CLI] [DESIGN.vnx] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/tools/cdvennix-cli/cdvennix-cli}
design=${2:-examples/ok-computer.vnx}
runs=${3:-21}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$cli" render "$design" "$out/warm.pdf" # fills the file and font caches
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$out/rss" "$cli" render "$design" "$out/page.pdf"
    end=$(date +%s%N)
    echo "$(((end - start) / 1000)) $(tail -n 1 "$out/rss")" >>"$out/times"
done
peak=$(awk '$2 > p { p = $2 } END { print p }' "$out/times")
sort -n "$out/times" | awk -v runs="$runs" -v peak="$peak" '
    { t[NR] = $1 / 1000 }
    END {
        median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
        printf "cdvennix-cli render, %d runs: median %.1f ms, min %.1f ms, max %.1f ms, peak RSS %.1f MB\n",
            runs, median, t[1], t[NR], peak / 1024
    }'
