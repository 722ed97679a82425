#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what it holds, what it asks
# for, and that its launcher, unpacked into a scratch root, starts the program.
# Arguments: the build folder, the cpack command.
set -uo pipefail

construction=$1
cpack=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

source "$(dirname -- "${BASH_SOURCE[0]}")/verifications.sh"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$construction/CMakeCache.txt")
paquet="$tmp/orvane_${version}_$(dpkg --print-architecture).deb"
if ! (cd "$construction" && "$cpack" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1); then
    cat "$tmp/cpack.log" >&2
    echo "ÉCHEC : cpack -G DEB" >&2
    exit 1
fi
[[ -f $paquet ]] || { echo "ÉCHEC : paquet $paquet absent" >&2; ls "$tmp" >&2; exit 1; }

contenu=$(dpkg --contents "$paquet")
contient() { grep -qE "^$1 .* \./$2\$" <<<"$contenu"; }
verifier "lanceur /usr/bin/orvane exécutable" contient '-rwxr-xr-x' 'usr/bin/orvane'
verifier "programme sous /usr/lib/orvane" contient '-rwxr-xr-x' 'usr/lib/orvane/orvane'
verifier "module des sons à côté du programme" contient '-rw[-x]r-[-x]r-[-x]' 'usr/lib/orvane/orvane_son\.so'
for f in Orvane_Titre.bmp fond21.bmp fond12.bmp Orvane.bmp fond27.bmp aide_orvane/sommaire.htm \
    "Série 1 - débutant/Exercice 01.ex2" "Série 2 - confirmé/Exercice 01.ex5"; do
    verifier "fichier usr/share/orvane/$f" contient '-rw-r--r--' "usr/share/orvane/$f"
done
verifier "entrée de menu" contient '-rw-r--r--' 'usr/share/applications/orvane.desktop'
verifier "icône" contient '-rw-r--r--' 'usr/share/icons/hicolor/scalable/apps/orvane.svg'
verifier "fichier AppStream" contient '-rw-r--r--' 'usr/share/metainfo/[a-zA-Z.]+\.metainfo\.xml'
verifier "rien hors de /usr" test -z "$(awk '{ print $6 }' <<<"$contenu" | grep -v '^\./usr/' | grep -vx '\./')"
verifier "aucun programme de test ni de vérification" \
    test -z "$(grep -iE 'test|verification|bench|captures' <<<"$contenu")"
verifier "tout appartient à root" test -z "$(awk '$2 != "root/root"' <<<"$contenu")"

depend=$(dpkg-deb -f "$paquet" Depends)
for d in libqt6widgets6 libqt6gui6 libqt6multimedia6 libzip4 qt6-qpa-plugins fonts-liberation2; do
    verifier "dépendance $d" grep -qE "(^|, )$d( |,|$)" <<<"$depend"
done
verifier "section education" test "$(dpkg-deb -f "$paquet" Section)" = education

racine="$tmp/racine"
dpkg -x "$paquet" "$racine"
entree="$racine/usr/share/applications/orvane.desktop"
verifier "Exec désigne le lanceur" grep -qxF 'Exec="/usr/bin/orvane"' "$entree"
verifier "Icon désigne l'icône du thème" grep -qxF 'Icon=orvane' "$entree"
if command -v desktop-file-validate >/dev/null; then
    verifier "entrée de menu valide" desktop-file-validate "$entree"
fi
if command -v appstreamcli >/dev/null; then
    verifier "fichier AppStream valide" appstreamcli validate --no-net \
        "$racine"/usr/share/metainfo/*.metainfo.xml
fi

# The unpacked launcher finds its program and files in the system layout and starts the
# program in the user's folder (headless: still running after a few seconds).
export HOME="$tmp/maison" XDG_DATA_HOME="$tmp/maison/données" QT_QPA_PLATFORM=offscreen
unset ORVANE_DOSSIER_COMMUN
export ORVANE_REGLAGE_COMMUN="$tmp/aucun-reglage"
timeout 4 "$racine/usr/bin/orvane" >/dev/null 2>&1
verifier "le programme installé démarre (code $?)" test $? -eq 124
for f in Orvane_Titre.bmp "Série 1 - débutant/Exercice 01.ex2" aide_orvane/sommaire.htm; do
    verifier "dossier de l'utilisateur : $f" test -f "$XDG_DATA_HOME/orvane/$f"
done

# A shared folder that is not mounted stops the start with a French message.
message=$(ORVANE_DOSSIER_COMMUN="$tmp/partage absent" "$racine/usr/bin/orvane" 2>&1 >/dev/null)
verifier "dossier commun absent : code de retour 2" test $? -eq 2
verifier "dossier commun absent : message" grep -q "est introuvable" <<<"$message"

conclure "du paquet"
