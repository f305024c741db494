#!/usr/bin/env bash
# Runs every fuzz target for SECONDS seconds (default 60) in one process on one core, starting from the seed
# corpus (the test fixtures and examples) and a working corpus kept in fuzz/corpus-work.
# Crashes are written to fuzz/out/crash-*; keep each as a regression test case.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
for target in fuzz_profile_file fuzz_design_file fuzz_string_to_integer; do
    work="fuzz/corpus-work/$target"
    mkdir -p "$work"
    seeds=(fuzz/seeds/$target)
    if [ "$target" != fuzz_string_to_integer ]; then seeds+=(tests/data examples); fi
    echo "== $target for ${seconds}s"
    "fuzz/out/$target" -max_total_time="$seconds" -max_len=65536 \
        -artifact_prefix=fuzz/out/ -print_final_stats=1 "$work" "${seeds[@]}" 2>&1 \
        | grep -E '^(#|stat::|==|SUMMARY|artifact)' | tail -n 12
done
