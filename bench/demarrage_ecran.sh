#!/usr/bin/env bash
# Start-up on a real X display: from exec until the main window is mapped, for the
# installed program and for an empty Qt Widgets window, taken in turn, then both medians
# and their ratio. Xvfb (1024 x 768) with openbox as the window manager.
#
#   bash bench/demarrage_ecran.sh BUILD [RUNS]
#
# BUILD must have been configured with -DORVANE_BENCH=ON (a Release or RelWithDebInfo
# build for figures worth quoting). RUNS defaults to 9. Exits 77 when Xvfb or openbox is
# missing (scripts/dependances.sh installs them).
set -euo pipefail
build=$(cd "${1:?usage: demarrage_ecran.sh BUILD [RUNS]}" && pwd)
runs=${2:-9}
command -v Xvfb >/dev/null && command -v openbox >/dev/null || { echo "Xvfb or openbox missing"; exit 77; }

attente="$build/bench/orvane_attente_fenetre"
vide="$build/bench/orvane_fenetre_vide"
# The program folder needs every picture and sample. Run as a test, the tree is already
# built, and a second build of it beside the package test's would break both.
[ -n "${ORVANE_ARBRE_CONSTRUIT:-}" ] || cmake --build "$build" >/dev/null

travail=$(mktemp -d)
serveur=""
gestionnaire=""
finir() {
  [ -n "$gestionnaire" ] && kill "$gestionnaire" 2>/dev/null || true
  [ -n "$serveur" ] && kill "$serveur" 2>/dev/null || true
  rm -rf "$travail"
}
trap finir EXIT
cmake --install "$build" --prefix "$travail/programme" >/dev/null

# The server picks a display number nobody holds and writes it once it listens, so that
# two runs at the same moment never share a server.
export QT_QPA_PLATFORM=xcb # the test command sets offscreen for everything else
export XDG_RUNTIME_DIR="$travail/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$travail/affichage" >/dev/null 2>&1 &
serveur=$!
for _ in $(seq 100); do [ -s "$travail/affichage" ] && break; sleep 0.1; done
[ -s "$travail/affichage" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' <"$travail/affichage")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# openbox names itself on the root window early in its start, but a window mapped before it
# has finished starting may never be managed (seen under load: the window stays unmapped).
# It runs its --startup command once it is ready.
openbox --startup "touch $travail/gestionnaire-pret" >/dev/null 2>&1 &
gestionnaire=$!
for _ in $(seq 300); do [ -e "$travail/gestionnaire-pret" ] && break; sleep 0.1; done
[ -e "$travail/gestionnaire-pret" ] || { echo "openbox did not start"; exit 1; }

mediane() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One unmeasured start of each first, so that both find the libraries in the page cache.
"$attente" "$travail/programme" "$travail/programme/orvane" >/dev/null
"$attente" "$travail" "$vide" >/dev/null
: >"$travail/orvane.ms"
: >"$travail/vide.ms"
for i in $(seq "$runs"); do
  "$attente" "$travail/programme" "$travail/programme/orvane" >>"$travail/orvane.ms"
  "$attente" "$travail" "$vide" >>"$travail/vide.ms"
done
orvane=$(mediane <"$travail/orvane.ms")
plancher=$(mediane <"$travail/vide.ms")
echo "runs: $runs each, exec to main window mapped (Xvfb 1024x768, openbox)"
echo "orvane:       $(tr '\n' ' ' <"$travail/orvane.ms")"
echo "empty window: $(tr '\n' ' ' <"$travail/vide.ms")"
awk -v o="$orvane" -v p="$plancher" 'BEGIN { printf "median orvane %.1f ms, empty window %.1f ms, ratio %.2f\n", o, p, o / p }'
