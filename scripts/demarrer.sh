#!/usr/bin/env bash
# Installs what is needed, builds Orvane, lays out the program folder ./programme and
# starts the program from it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dependances.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF
cmake --build build-release
cmake --install build-release --prefix programme
cd programme
exec ./orvane
