#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test, package and run Orvane (as root,
# or through sudo). Does nothing when they are all there already.
set -euo pipefail

paquets=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 libfontconfig-dev libzip-dev
  desktop-file-utils appstream file dpkg-dev
  clang clang-14 libclang-rt-14-dev
  xvfb openbox x11-utils libx11-dev imagemagick
  poppler-utils
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher espeak-ng
  qt6-multimedia-dev libqt6multimedia6
  dbus-daemon at-spi2-core python3-pyatspi
  faketime
)

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${manquants[@]}"
