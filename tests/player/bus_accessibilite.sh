#!/usr/bin/env bash
# Runs a test program as a screen reader would meet it: on a virtual X display, with a
# session bus and an accessibility bus of its own, Qt's bridge to that bus switched on.
#
#   bash bus_accessibilite.sh PROGRAM CLIENT
#
# CLIENT is handed to PROGRAM (ORVANE_CLIENT_ACCESSIBLE) to ask the bus. Exits 77
# (skipped) when the display or the buses cannot start; scripts/dependances.sh installs
# what they need. Everything is stopped after 45 s at the latest.
set -uo pipefail
programme=${1:?usage: bus_accessibilite.sh PROGRAM CLIENT}
client=${2:?usage: bus_accessibilite.sh PROGRAM CLIENT}
for outil in Xvfb dbus-run-session timeout; do
  command -v "$outil" >/dev/null || { echo "$outil missing"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core missing"; exit 77; }

travail=$(mktemp -d)
serveur=""
finir() {
  if [ -n "$serveur" ]; then
    kill "$serveur" 2>/dev/null
    wait "$serveur" 2>/dev/null
  fi
  rm -rf "$travail"
}
trap finir EXIT

# The server picks a free display and writes its number once it listens.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$travail/affichage" >/dev/null 2>&1 &
serveur=$!
for _ in $(seq 100); do [ -s "$travail/affichage" ] && break; sleep 0.1; done
[ -s "$travail/affichage" ] || { echo "Xvfb did not start"; exit 77; }

export DISPLAY=":$(tr -d '[:space:]' <"$travail/affichage")"
export XDG_RUNTIME_DIR="$travail/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The buses of a desktop this runs in are not ours to use.
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export ORVANE_CLIENT_ACCESSIBLE="$client"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
timeout 10 dbus-run-session -- true >/dev/null 2>&1 || { echo "no session bus"; exit 77; }
timeout -k 5 45 dbus-run-session -- "$programme"
