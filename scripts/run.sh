#!/usr/bin/env bash
# Builds the program and starts it. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUDOKU_BENCH=OFF
cmake --build build --target sudoku-atelier
exec build/bin/sudoku-atelier "$@"
