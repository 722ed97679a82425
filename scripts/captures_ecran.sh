#!/usr/bin/env bash
# Pictures the real windows for the help pages, under Xvfb: builds the program and the
# capture tool, lays out a fresh program folder (with its sample series) with cmake --install,
# drives the windows there and writes the pictures into assets/aide_orvane/images (the
# board's on a 1920 x 1080 screen).
set -euo pipefail
cd "$(dirname "$0")/.."
construction=${ORVANE_CONSTRUCTION:-build-captures}
cmake -S . -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF \
    -DORVANE_CAPTURES=ON
cmake --build "$construction"
programme=$(mktemp -d)
trap 'rm -rf "$programme"' EXIT
cmake --install "$construction" --prefix "$programme" >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" \
    "$construction/assets/orvane_captures" "$programme" assets/aide_orvane/images
# The classroom's board: board mode, a finger, the whole of a 1920 x 1080 screen.
xvfb-run -a -s "-screen 0 1920x1080x24" \
    "$construction/assets/orvane_captures" "$programme" assets/aide_orvane/images tableau
echo "Images écrites dans assets/aide_orvane/images"
