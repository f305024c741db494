#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every source of the program, the CLI, the
# tests and the benchmarks, with the compile commands of build/ (as scripts/test.sh makes it).
# Any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh clang-tidy
if [ ! -f build/compile_commands.json ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCDV_WERROR=ON
fi
# The sources include headers that moc and rcc generate during the build.
cmake --build build -j"$(nproc)"
log=$(mktemp)
# The compile commands are GCC's: clang is told not to stop at GCC-only warning options.
status=0
run-clang-tidy -p build -j"$(nproc)" -quiet -extra-arg=-Wno-unknown-warning-option "^$(pwd)/(src|tools|tests|bench)/.*\.cpp$" \
    > "$log" 2>&1 || status=$?
# Only the findings: not the per-file counts of suppressed warnings in library headers.
grep -v -E '^[0-9]+ warnings?( and [0-9]+ errors?)? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^$' \
    "$log" || true
rm -f "$log"
if [ "$status" -ne 0 ]; then
    echo "clang-tidy: findings above" >&2
    exit 1
fi
echo "clang-tidy: no findings"
