#!/usr/bin/env bash
# Installs what is needed, builds Orvane with its tests and benchmarks, and runs every
# test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dependances.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_BENCH=ON -DORVANE_CAPTURES=ON
cmake --build build
ctest --test-dir build --output-on-failure -j2

# The same suite again built by clang with AddressSanitizer and UndefinedBehaviorSanitizer
# (any report fails its test), plus the fuzz targets of the file readers: their seed
# corpora are replayed, then each target fuzzes for a few seconds.
cmake -S . -B build-robust -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DORVANE_SANITIZE=ON -DORVANE_FUZZ=ON
cmake --build build-robust
ctest --test-dir build-robust --output-on-failure -j2
