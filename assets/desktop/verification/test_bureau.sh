#!/usr/bin/env bash
# Checks the launcher and the installed menu entry.
# Arguments: the desktop sources folder, the build folder (for cmake --install).
set -uo pipefail

sources=$1
construction=$2
lanceur_source="$sources/orvane-lanceur"
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT

source "$(dirname -- "${BASH_SOURCE[0]}")/verifications.sh"

# An installed program folder with a program that notes the folder it was started in.
installe="$tmp/installé ici"
mkdir -p "$installe/bin" "$installe/aide_orvane" "$installe/Série 1 - débutant" \
    "$installe/Série 2/Niveau B" "$installe/lib" "$installe/share/applications" \
    "$installe/Dossier vide"
cp "$lanceur_source" "$installe/bin/orvane-lanceur"
cat > "$installe/orvane" <<'PROGRAMME'
#!/usr/bin/env bash
pwd > "$ORVANE_TRACE"
echo "$#" >> "$ORVANE_TRACE"
echo "${ORVANE_AIDE:-}" >> "$ORVANE_TRACE"
echo "$*" >> "$ORVANE_TRACE"
umask >> "$ORVANE_TRACE"
PROGRAMME
chmod +x "$installe/orvane" "$installe/bin/orvane-lanceur"
echo "sommaire 1" > "$installe/aide_orvane/sommaire.htm"
echo "titre" > "$installe/Orvane_Titre.bmp"
echo "fond" > "$installe/FOND21.BMP"
echo "ex" > "$installe/Série 1 - débutant/Ex01.ex2"
echo "ex" > "$installe/Série 2/Niveau B/Ex01.EX4"
echo "classe" > "$installe/CM1.elv"
echo "autre logiciel" > "$installe/lib/autre.so"
echo "[Desktop Entry]" > "$installe/share/applications/orvane.desktop"
echo "notes" > "$installe/LISEZMOI.txt"
mkdir -p "$tmp/liens"
ln -s "$installe/bin/orvane-lanceur" "$tmp/liens/orvane"

export ORVANE_TRACE="$tmp/trace"
export HOME="$tmp/maison"
unset XDG_DATA_HOME ORVANE_DOSSIER_COMMUN DISPLAY WAYLAND_DISPLAY
export ORVANE_REGLAGE_COMMUN="$tmp/etc/dossier-commun"
utilisateur="$HOME/.local/share/orvane"

# First start, through a symbolic link as a menu or PATH would give it.
"$tmp/liens/orvane" argument-ignore
verifier "premier démarrage : code de retour" test $? -eq 0
verifier "le programme démarre dans le dossier de l'utilisateur" \
    test "$(head -n1 "$ORVANE_TRACE")" = "$utilisateur"
verifier "le programme ne reçoit aucun argument" test "$(sed -n 2p "$ORVANE_TRACE")" = 0
"$tmp/liens/orvane" autre --tableau --avertissement x
verifier "seul --tableau est transmis" test "$(sed -n 2,4p "$ORVANE_TRACE" | sed -n '1p;3p' | tr '\n' ' ')" = "1 --tableau "
for f in aide_orvane/sommaire.htm Orvane_Titre.bmp FOND21.BMP CM1.elv \
    "Série 1 - débutant/Ex01.ex2" "Série 2/Niveau B/Ex01.EX4"; do
    verifier "copie de $f" test -f "$utilisateur/$f"
done
for f in orvane bin lib share LISEZMOI.txt "Dossier vide"; do
    verifier "$f ne doit pas être copié" test ! -e "$utilisateur/$f"
done

# A later start keeps what the user changed, brings what a newer install added, and
# always shows the help of the install.
echo "fond choisi" > "$utilisateur/Orvane_Titre.bmp"
echo "réglages" > "$utilisateur/Orvane.pfr"
echo "modifié" > "$utilisateur/Série 1 - débutant/Ex01.ex2"
echo "sommaire 2" > "$installe/aide_orvane/sommaire.htm"
echo "ex" > "$installe/Série 1 - débutant/Ex02.ex2"
mkdir -p "$installe/Série 3" && echo "ex" > "$installe/Série 3/Ex01.ex5"
rm -f "$installe/aide_orvane/sommaire.htm.old"
echo "page" > "$installe/aide_orvane/pedagogie.htm"
echo "ancienne" > "$utilisateur/aide_orvane/retiree.htm"
"$installe/bin/orvane-lanceur"
verifier "second démarrage : code de retour" test $? -eq 0
verifier "une image changée par l'utilisateur est gardée" \
    test "$(cat "$utilisateur/Orvane_Titre.bmp")" = "fond choisi"
verifier "les préférences de l'utilisateur sont gardées" test -f "$utilisateur/Orvane.pfr"
verifier "un exercice changé par l'utilisateur est gardé" \
    test "$(cat "$utilisateur/Série 1 - débutant/Ex01.ex2")" = "modifié"
verifier "un nouvel exercice est ajouté" test -f "$utilisateur/Série 1 - débutant/Ex02.ex2"
verifier "une nouvelle série est ajoutée" test -f "$utilisateur/Série 3/Ex01.ex5"
verifier "l'aide est celle de l'installation" \
    test "$(cat "$utilisateur/aide_orvane/sommaire.htm")" = "sommaire 2"
verifier "une nouvelle page d'aide est ajoutée" test -f "$utilisateur/aide_orvane/pedagogie.htm"
verifier "une page retirée de l'installation disparaît" \
    test ! -e "$utilisateur/aide_orvane/retiree.htm"

# A read-only install still gives the user files that the program can replace.
chmod -R a-w "$installe"
export XDG_DATA_HOME="$tmp/données"
"$installe/bin/orvane-lanceur"
verifier "XDG_DATA_HOME : code de retour" test $? -eq 0
verifier "XDG_DATA_HOME est respecté" test "$(head -n1 "$ORVANE_TRACE")" = "$XDG_DATA_HOME/orvane"
verifier "les copies sont modifiables" test -w "$XDG_DATA_HOME/orvane/CM1.elv"
verifier "les dossiers copiés sont modifiables" test -w "$XDG_DATA_HOME/orvane/Série 3"
chmod -R u+w "$installe"

# A school's shared folder, named by the administrator's file: every start works in it,
# brings only the pictures and series it lacks, and reads the help of the install.
commun="$tmp/partage école/orvane"
mkdir -p "$commun/Série 1 - débutant" "$tmp/etc"
printf '# Dossier commun de l école\n\n%s\n' "$commun" > "$ORVANE_REGLAGE_COMMUN"
echo "fond de l'école" > "$commun/Orvane_Titre.bmp"
echo "exercice de l'école" > "$commun/Série 1 - débutant/Ex01.ex2"
"$installe/bin/orvane-lanceur"
verifier "dossier commun : code de retour" test $? -eq 0
verifier "dossier commun : le programme y démarre" test "$(head -n1 "$ORVANE_TRACE")" = "$commun"
verifier "dossier commun : l'aide est celle de l'installation" \
    test "$(sed -n 3p "$ORVANE_TRACE")" = "$installe/aide_orvane"
verifier "dossier commun : l'aide n'y est pas copiée" test ! -e "$commun/aide_orvane"
for f in FOND21.BMP CM1.elv "Série 1 - débutant/Ex02.ex2" "Série 2/Niveau B/Ex01.EX4" \
    "Série 3/Ex01.ex5"; do
    verifier "dossier commun : copie de $f" cmp -s "$installe/$f" "$commun/$f"
done
verifier "dossier commun : une image de l'école est gardée" \
    test "$(cat "$commun/Orvane_Titre.bmp")" = "fond de l'école"
verifier "dossier commun : un exercice de l'école est gardé" \
    test "$(cat "$commun/Série 1 - débutant/Ex01.ex2")" = "exercice de l'école"
verifier "dossier commun : aucune copie provisoire ne reste" \
    test -z "$(find "$commun" -name '.*.copie')"
for f in bin lib share LISEZMOI.txt; do
    verifier "dossier commun : $f ne doit pas être copié" test ! -e "$commun/$f"
done

verifier "dossier commun d'une version antérieure : le repère y est écrit" test -f "$commun/.orvane-commun"

# Each sample is copied once per shared folder: one the teacher deleted stays deleted, one
# a newer install brings is copied in, and one that cannot be copied is said once without
# stopping the start.
rm "$commun/Série 3/Ex01.ex5"
echo "ex" > "$installe/Série 3/Ex02.ex5"
mkdir -p "$installe/Série 4" && echo "ex" > "$installe/Série 4/Ex01.ex2"
echo "pas un dossier" > "$commun/Série 4"
message=$("$installe/bin/orvane-lanceur" 2>&1 >/dev/null)
verifier "exemple impossible à copier : le programme démarre" test "$(head -n1 "$ORVANE_TRACE")" = "$commun"
verifier "exemple impossible à copier : c'est dit" grep -qF "n'a pas pu copier 1 exemple(s)" <<<"$message"
verifier "un exemple effacé par l'enseignant ne revient pas" test ! -e "$commun/Série 3/Ex01.ex5"
verifier "un nouvel exemple de l'installation est copié" test -f "$commun/Série 3/Ex02.ex5"
message=$("$installe/bin/orvane-lanceur" 2>&1 >/dev/null)
verifier "exemple impossible à copier : dit une seule fois" test -z "$message"
rm "$commun/Série 4"

# Links planted in the share: neither a folder nor a copy is written through them, under
# any name the launcher uses.
victime="$tmp/maison de l'enseignant"
mkdir -p "$victime" && echo "document" > "$victime/document.txt"
ln -s "$victime" "$commun/Série 5"
mkdir -p "$installe/Série 5" && echo "ex" > "$installe/Série 5/Ex01.ex3"
echo "ex" > "$installe/Série 1 - débutant/Ex03.ex2"
dernier=$(cat /proc/sys/kernel/ns_last_pid 2>/dev/null || echo 1)
for ((p = dernier; p < dernier + 400; p++)); do
    ln -s "$victime/document.txt" "$commun/Série 1 - débutant/.Ex03.ex2.$p.copie"
done
"$installe/bin/orvane-lanceur" 2>/dev/null
verifier "liens plantés : le programme démarre" test "$(head -n1 "$ORVANE_TRACE")" = "$commun"
verifier "liens plantés : rien n'est écrit au bout d'un lien" \
    test "$(ls "$victime")" = document.txt -a "$(cat "$victime/document.txt")" = document
verifier "liens plantés : l'exemple est copié à côté" test -f "$commun/Série 1 - débutant/Ex03.ex2"
rm -f "$commun/Série 5" "$commun/Série 1 - débutant"/.*.copie

# What the launcher makes in a shared folder that its group may write is the group's to
# change too, whatever the umask, and so is what the program makes there.
groupe="$tmp/partage du groupe"
mkdir -p "$groupe" && chmod 2775 "$groupe"
(umask 022 && ORVANE_DOSSIER_COMMUN="$groupe" "$installe/bin/orvane-lanceur")
verifier "dossier du groupe : le programme démarre avec un umask qui laisse écrire le groupe" \
    test "$(sed -n 5p "$ORVANE_TRACE")" = 0002
verifier "dossier du groupe : série modifiable par le groupe" \
    test -n "$(find "$groupe/Série 2/Niveau B" -maxdepth 0 -perm -2070)"
verifier "dossier du groupe : exemple modifiable par le groupe" \
    test -n "$(find "$groupe/Série 2/Niveau B/Ex01.EX4" -perm -060)"
verifier "dossier du groupe : repère modifiable par le groupe" test -n "$(find "$groupe/.orvane-commun" -perm -060)"

# The marker: written at the first use of an empty folder; a folder where it was seen and
# that has lost it (the share is not mounted: its mount point is empty) stops the start,
# as does a folder without it that holds other files; one the administrator marked is used.
monte="$tmp/montage"
mkdir -p "$monte"
ORVANE_DOSSIER_COMMUN="$monte" "$installe/bin/orvane-lanceur" 2>/dev/null
verifier "premier usage d'un dossier vide : le programme y démarre" test "$(head -n1 "$ORVANE_TRACE")" = "$monte"
verifier "premier usage d'un dossier vide : le repère y est écrit" test -f "$monte/.orvane-commun"
mv "$monte" "$monte.partage" && mkdir "$monte"
rm -f "$ORVANE_TRACE"
message=$(ORVANE_DOSSIER_COMMUN="$monte" "$installe/bin/orvane-lanceur" 2>&1 >/dev/null)
verifier "partage non monté (point de montage vide) : code de retour 2" test $? -eq 2
verifier "partage non monté : le programme ne démarre pas" test ! -e "$ORVANE_TRACE"
verifier "partage non monté : rien n'est écrit au point de montage" test -z "$(ls -A "$monte")"
verifier "partage non monté : le message parle du repère" grep -qF "ne porte plus son repère" <<<"$message"
etranger="$tmp/autres fichiers"
mkdir -p "$etranger" && echo "notes" > "$etranger/notes.txt"
message=$(ORVANE_DOSSIER_COMMUN="$etranger" "$installe/bin/orvane-lanceur" 2>&1 >/dev/null)
verifier "dossier d'autres fichiers sans repère : code de retour 2" test $? -eq 2
verifier "dossier d'autres fichiers sans repère : message" grep -qF "ne porte pas le repère" <<<"$message"
touch "$etranger/.orvane-commun"
ORVANE_DOSSIER_COMMUN="$etranger" "$installe/bin/orvane-lanceur" 2>/dev/null
verifier "repère posé par l'administrateur : le programme démarre" test "$(head -n1 "$ORVANE_TRACE")" = "$etranger"

# The environment wins over the file; set but empty, it asks for the user's own copy.
autre="$tmp/autre partage"
mkdir -p "$autre"
ORVANE_DOSSIER_COMMUN="$autre" "$installe/bin/orvane-lanceur"
verifier "variable : le programme démarre dans le dossier qu'elle nomme" \
    test "$(head -n1 "$ORVANE_TRACE")" = "$autre"
ORVANE_DOSSIER_COMMUN="" "$installe/bin/orvane-lanceur"
verifier "variable vide : le dossier de l'utilisateur" \
    test "$(head -n1 "$ORVANE_TRACE")" = "$XDG_DATA_HOME/orvane"

# A shared folder that cannot be reached (share not mounted, or not writable) is said,
# on the screen when there is one, and no private copy is started instead.
inaccessibles=("$tmp/partage non monté/orvane")
# root may write anywhere: a folder without write permission only refuses other users.
[[ $(id -u) -ne 0 ]] && inaccessibles+=("$tmp/lecture seule")
mkdir -p "$tmp/lecture seule" && chmod a-w "$tmp/lecture seule"
for absent in "${inaccessibles[@]}"; do
    rm -f "$ORVANE_TRACE"
    message=$(ORVANE_DOSSIER_COMMUN="$absent" "$installe/bin/orvane-lanceur" 2>&1 >/dev/null)
    verifier "dossier commun inaccessible ($absent) : code de retour 2" test $? -eq 2
    verifier "dossier commun inaccessible : le programme ne démarre pas" test ! -e "$ORVANE_TRACE"
    verifier "dossier commun inaccessible : le message nomme le dossier" grep -qF "$absent" <<<"$message"
done
rm -f "$ORVANE_TRACE"
ORVANE_DOSSIER_COMMUN="$tmp/absent" DISPLAY=:99 "$installe/bin/orvane-lanceur" 2>/dev/null
verifier "avec un écran : code de retour 2" test $? -eq 2
verifier "avec un écran : le programme affiche l'avertissement" \
    grep -q "^--avertissement Le dossier commun d'Orvane « $tmp/absent » est introuvable" "$ORVANE_TRACE"
rm "$ORVANE_REGLAGE_COMMUN"

# A working folder that cannot be created stops before the program runs, with a message.
rm -f "$ORVANE_TRACE"
echo "un fichier" > "$tmp/fichier"
export XDG_DATA_HOME="$tmp/fichier/dessous"
message=$("$installe/bin/orvane-lanceur" 2>&1 >/dev/null)
verifier "dossier impossible : code de retour non nul" test $? -ne 0
verifier "dossier impossible : le programme ne démarre pas" test ! -e "$ORVANE_TRACE"
verifier "dossier impossible : le message nomme le dossier" \
    grep -q "$tmp/fichier/dessous/orvane" <<<"$message"

# --menu puts the installed entry in the user's menu folder and starts nothing.
rm -f "$ORVANE_TRACE"
export XDG_DATA_HOME="$tmp/menus"
"$installe/bin/orvane-lanceur" --menu
verifier "--menu : code de retour" test $? -eq 0
verifier "--menu : entrée copiée dans le menu de l'utilisateur" \
    cmp -s "$installe/share/applications/orvane.desktop" "$XDG_DATA_HOME/applications/orvane.desktop"
verifier "--menu : le programme ne démarre pas" test ! -e "$ORVANE_TRACE"

# A missing program is reported the same way.
export XDG_DATA_HOME="$tmp/données"
rm "$installe/orvane"
message=$("$installe/bin/orvane-lanceur" 2>&1 >/dev/null)
verifier "programme absent : code de retour non nul" test $? -ne 0
verifier "programme absent : message" grep -q "programme introuvable" <<<"$message"

# A system install: the launcher on the path, the program under lib/orvane, its files
# under share/orvane.
systeme="$tmp/usr"
mkdir -p "$systeme/bin" "$systeme/lib/orvane" "$systeme/share/orvane/aide_orvane" \
    "$systeme/share/orvane/Série 1"
cp "$lanceur_source" "$systeme/bin/orvane"
printf '#!/usr/bin/env bash\npwd > "$ORVANE_TRACE"\n' > "$systeme/lib/orvane/orvane"
chmod +x "$systeme/bin/orvane" "$systeme/lib/orvane/orvane"
echo "fond" > "$systeme/share/orvane/fond21.bmp"
echo "ex" > "$systeme/share/orvane/Série 1/Ex01.ex3"
echo "sommaire" > "$systeme/share/orvane/aide_orvane/sommaire.htm"
export XDG_DATA_HOME="$tmp/système"
"$systeme/bin/orvane"
verifier "installation système : code de retour" test $? -eq 0
verifier "installation système : le programme démarre dans le dossier de l'utilisateur" \
    test "$(head -n1 "$ORVANE_TRACE")" = "$XDG_DATA_HOME/orvane"
for f in fond21.bmp "Série 1/Ex01.ex3" aide_orvane/sommaire.htm; do
    verifier "installation système : copie de $f" test -f "$XDG_DATA_HOME/orvane/$f"
done

# cmake --install writes the menu entry for the prefix given at install time; the prefix
# here needs every escape of the Exec key.
prefixe="$tmp/pré fixe \$HOME \"50%\""
if cmake --install "$construction" --component bureau --prefix "$prefixe" >/dev/null; then
    entree="$prefixe/share/applications/orvane.desktop"
    verifier "lanceur installé et exécutable" test -x "$prefixe/bin/orvane-lanceur"
    verifier "icône installée" test -f "$prefixe/share/icons/hicolor/scalable/apps/orvane.svg"
    verifier "entrée de menu installée" test -f "$entree"
    attendu="Exec=\"$tmp/pré fixe \\\\\$HOME \\\\\"50%%\\\\\"/bin/orvane-lanceur\""
    verifier "Exec désigne le lanceur installé ($attendu)" grep -qxF "$attendu" "$entree"
    verifier "Icon désigne l'icône installée" grep -qxF \
        "Icon=$prefixe/share/icons/hicolor/scalable/apps/orvane.svg" "$entree"
    verifier "catégorie Éducation" grep -qx "Categories=Education;.*" "$entree"
    verifier "nom français" grep -qx "Name=Orvane" "$entree"
    verifier "commentaire français" grep -qx "Comment=.*symétrie.*" "$entree"
    if command -v desktop-file-validate >/dev/null; then
        verifier "entrée valide" desktop-file-validate "$entree"
    fi
else
    echouer "cmake --install --component bureau"
fi

# A staged install (DESTDIR, as packages are built) lays the files under the stage but
# names the final place in the entry.
if DESTDIR="$tmp/etape" cmake --install "$construction" --component bureau \
    --prefix /opt/orvane >/dev/null; then
    entree="$tmp/etape/opt/orvane/share/applications/orvane.desktop"
    verifier "DESTDIR : entrée sous l'étape" test -f "$entree"
    verifier "DESTDIR : Exec sans l'étape" grep -qxF 'Exec="/opt/orvane/bin/orvane-lanceur"' "$entree"
else
    echouer "cmake --install avec DESTDIR"
fi

if cmake --install "$construction" --component aide --prefix "$tmp/aide" >/dev/null; then
    verifier "pages d'aide installées" test -f "$tmp/aide/aide_orvane/sommaire.htm"
    verifier "les vérifications ne sont pas installées" test ! -e "$tmp/aide/aide_orvane/verification"
else
    echouer "cmake --install --component aide"
fi

if command -v xmllint >/dev/null; then
    verifier "icône SVG bien formée" xmllint --noout "$sources/orvane.svg"
fi

conclure "du lanceur et de l'entrée de menu"
