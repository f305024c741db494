#!/usr/bin/env bash
# Builds the program in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target cdvennix
exec build/src/cdvennix
