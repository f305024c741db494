#!/usr/bin/env bash
# Usage: fuzz/run.sh [SECONDS [TARGET...]]
# Runs the fuzz targets (default: all) for SECONDS seconds each (default 60), one after the
# other on one core, starting from the seed corpus (the test fixtures and examples) and a
# working corpus kept in fuzz/corpus-work.
# Crashes are written to fuzz/out/crash-*; keep each as a regression test case.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
targets=("${@:2}")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_profile_file fuzz_design_file fuzz_string_to_integer fuzz_bitmap)
for target in "${targets[@]}"; do
    work="fuzz/corpus-work/$target"
    mkdir -p "$work"
    seeds=(fuzz/seeds/$target)
    case "$target" in
    fuzz_profile_file | fuzz_design_file) seeds+=(tests/data examples) ;;
    fuzz_bitmap) seeds+=(tests/data packaging/icons) ;;
    esac
    echo "== $target for ${seconds}s"
    "fuzz/out/$target" -max_total_time="$seconds" -max_len=65536 \
        -artifact_prefix=fuzz/out/ -print_final_stats=1 "$work" "${seeds[@]}" 2>&1 \
        | grep -E '^(#|stat::|==|SUMMARY|artifact)' | tail -n 12
done
