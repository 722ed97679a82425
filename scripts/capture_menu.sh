#!/usr/bin/env bash
# Pictures the main menu for the README: builds the program, lays out a fresh program
# folder with cmake --install, starts it on a virtual 1024 x 768 screen (Xvfb) and saves
# the main window. Needs Xvfb (xvfb-run, xwininfo) and ImageMagick (import).
# Usage: scripts/capture_menu.sh [picture]   (default docs/menu_principal.png)
set -euo pipefail
cd "$(dirname "$0")/.."
construction=${ORVANE_CONSTRUCTION:-build-release}
sortie=$(realpath -m "${1:-docs/menu_principal.png}")
mkdir -p "$(dirname "$sortie")"
cmake -S . -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF >/dev/null
cmake --build "$construction"
programme=$(mktemp -d)
trap 'rm -rf "$programme"' EXIT
cmake --install "$construction" --prefix "$programme" >/dev/null
cd "$programme"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    ./orvane & programme=$!
    sleep "${ORVANE_ATTENTE:-4}"
    fenetre=$(xwininfo -root -tree | awk "/Talvero/ { print \$1; exit }")
    import -window "${fenetre:-root}" "$0"
    kill "$programme"' "$sortie"
echo "Capture écrite dans $sortie"
