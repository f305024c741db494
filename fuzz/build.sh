#!/usr/bin/env bash
# Builds the libFuzzer targets into fuzz/out with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer. Needs clang and libclang-rt-14-dev (scripts/deps.sh installs
# them when given as extra packages).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh clang libclang-rt-14-dev
mkdir -p fuzz/out
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
    -Isrc/design)
design_sources=(src/design/CaseDesign.cpp src/design/ColorText.cpp src/design/DesignFile.cpp
    src/design/ProfileFile.cpp src/design/TextEncoding.cpp)
for target in fuzz_profile_file fuzz_design_file fuzz_string_to_integer; do
    clang++ "${flags[@]}" "fuzz/$target.cpp" "${design_sources[@]}" -o "fuzz/out/$target"
done
# The bitmap reader links Qt (uninstrumented: its own decoders are covered for crashes only).
read -r -a qt_flags <<< "$(pkg-config --cflags --libs Qt6Gui)"
clang++ "${flags[@]}" -fPIC -Isrc/report fuzz/fuzz_bitmap.cpp src/report/BitmapReader.cpp \
    src/report/ImagePicture.cpp "${qt_flags[@]}" -o fuzz/out/fuzz_bitmap
echo "Built: $(ls fuzz/out)"
