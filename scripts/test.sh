#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test through CTest (build-test); then
# builds the tests again with AddressSanitizer and UBSan (Debug, build-sanitize, without the
# benchmarks and picture painters) and runs every test there. Any sanitizer report, a leak
# included, ends its program with an error and so fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUDOKU_WERROR=ON
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs" --timeout 600

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSUDOKU_WERROR=ON \
    -DSUDOKU_SANITIZE=ON -DSUDOKU_BENCH=OFF -DSUDOKU_PAINTERS=OFF
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs" --timeout 600
