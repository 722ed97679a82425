#!/usr/bin/env bash
# Installs what is needed, builds Orvane with its tests and benchmarks, and runs every
# test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dependances.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_BENCH=ON
cmake --build build
ctest --test-dir build --output-on-failure
