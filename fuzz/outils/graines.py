#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: valid files of every form the program
reads, including the worked examples, and a few damaged ones next to them."""
import os
import struct

ICI = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(ICI, "..", "corpus")


def poser(dossier, nom, octets):
    os.makedirs(os.path.join(CORPUS, dossier), exist_ok=True)
    with open(os.path.join(CORPUS, dossier, nom), "wb") as f:
        f.write(octets)


def mots(*valeurs):
    return b"".join(struct.pack("<i", v) for v in valeurs)


def exercice(numero, axe, cote, c, n, decalage, elements, lignes=None):
    entete = mots(200 + numero, axe, cote, c, n, n if lignes is None else lignes, decalage, *[0] * 8)
    return entete + b"".join(mots(*e) for e in elements)


BLEU, ROUGE, BLANC = 0xFF0000, 0x0000FF, 0xFFFFFF

# The worked example: a segment and a blue painted area, 24 x 24 cells of 20 pixels.
poser("exercice", "exemple_202.ex2",
      exercice(2, 1, 1, 20, 24, 0, [(1, 4, 3, 4, 10, BLANC), (6, 4, 3, 5, 7, BLEU)]))
# The older form: no EnteteExercice, no axis words.
poser("exercice", "ancienne.ex2", mots(1, 1, 20, 24, 24) + mots(1, 4, 3, 4, 10, BLANC))
tous = [(1, 2, 2, 5, 9, 0), (2, 1, 1, 4, 4, 0), (6, 2, 2, 6, 6, ROUGE), (3, 3, 6, 5, 8, 0),
        (4, 2, 10, 4, 12, 0), (6, 3, 11, 1, 1, 0x00FF00)]
for numero, axe in ((3, 1), (4, 2), (4, 3), (4, 4), (5, 5)):
    poser("exercice", f"genres_{numero}_axe{axe}.ex{numero}",
          exercice(numero, axe, 1, 20, 16, 1 if axe < 5 else 0, tous))
poser("exercice", "decalage_negatif.ex4", exercice(4, 3, 2, 40, 12, -5, tous[:3]))
poser("exercice", "rectangulaire.ex4", exercice(4, 2, 2, 26, 18, 2, tous, lignes=30))
poser("exercice", "grand_36.ex2", exercice(2, 1, 1, 12, 36, 0, [(1, 0, 0, 36, 36, 0)] * 60))
poser("exercice", "trop_d_elements.ex2", exercice(2, 1, 1, 20, 24, 0, [(1, 1, 1, 2, 2, 0)] * 256))
poser("exercice", "entete_seule.ex5", exercice(5, 5, 2, 20, 24, 0, []))
poser("exercice", "taille_nulle.ex3", exercice(3, 1, 1, 0, 24, 0, [(6, 1, 1, 3, 3, BLEU)]))
poser("exercice", "enregistrement_coupe.ex2",
      exercice(2, 1, 1, 20, 24, 0, [(1, 4, 3, 4, 10, 0)]) + mots(3, 1, 1))
poser("exercice", "courte.ex2", mots(202, 1, 1))

# Preferences: the first byte picks the file (0 settings, 1 pictures, 2 and 3 folders).
def texte_court(texte, capacite):
    octets = texte.encode("cp1252")[:capacite]
    return bytes([len(octets)]) + octets + b"\0" * (capacite - len(octets))


poser("preferences", "reglages_defaut", b"\0" + bytes([3, 2, 1, 0]))
poser("preferences", "reglages_suivi", b"\0" + bytes([4, 4, 0, 1]))
poser("preferences", "reglages_hors_valeurs", b"\0" + bytes([9, 0, 7, 3]))
images = b"".join(texte_court(t, 255) for t in ("Orvane_Titre.bmp", "fond21.bmp", "vide", ""))
poser("preferences", "images", b"\1" + images)
poser("preferences", "images_longueur_excessive", b"\1" + b"\xff" * 1024)
dossier = texte_court("/home/école/Bilans/", 250) + texte_court("", 50) + texte_court("", 50)
poser("preferences", "dossier_bilans", b"\2" + dossier)
poser("preferences", "dossier_exercices", b"\3" + dossier.replace(b"Bilans", b"Exos  "))
poser("preferences", "dossier_court", b"\3" + dossier[:100])

# Class lists: 256-byte records, a length byte then the name in Windows-1252.
def eleve(nom):
    return texte_court(nom, 255)


poser("classes", "cm2", b"".join(eleve(n) for n in ("Léa", "Noël Dupré", "Zoé")))
poser("classes", "vide", b"")
poser("classes", "enregistrement_coupe", eleve("Léa") + b"\x03Tom")
poser("classes", "cinquante_et_un", b"".join(eleve(f"Élève {i}") for i in range(51)))
poser("classes", "nom_maximal", eleve("x" * 255) + b"\xff" + b"y" * 255)

# Results files: the program's own rich text, plain text, and a word processor's.
def rtf(lignes):
    corps = b"".join(l.encode("ascii") + b"\\par\r\n" for l in lignes)
    return (b"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"
            b"\r\n\\viewkind4\\uc1\\pard\\f0\\fs16 " + corps + b"}\r\n")


poser("bilans", "programme.reu", rtf(["S\\'e9rie 1\\\\Ex01", "S\\'e9rie 1\\\\Ex05", "Nos exercices 2\\\\tri"]))
poser("bilans", "vide.reu", rtf([]))
poser("bilans", "texte_simple.Reu", "Série 1\\Ex01\r\nSérie 2\\Ex02\nSérie 1\\Ex05".encode("cp1252"))
poser("bilans", "traitement_de_texte.reu",
      b"{\\rtf1\\ansi\\ansicpg1252{\\*\\generator Riched20}{\\fonttbl{\\f0 Arial;}}"
      b"{\\colortbl ;\\red255\\green0\\blue0;}\\uc2 S\\u233?\\'e9rie 1\\\\Ex01\\line "
      b"{\\b gras}\\tab\\~\\_\\emdash\\par\r\n\\u-10179?\\u-8704?fin\\par}")
poser("bilans", "groupes_profonds.reu", b"{\\rtf1" + b"{" * 300 + b"x" + b"}" * 300 + b"}")
poser("bilans", "inacheve.reu", b"{\\rtf1 S\\'e")

# Attempts files: a day of a class, quoted fields, a line being written, broken lines.
BOM = b"\xef\xbb\xbf"
ENTETE = BOM + "Date;Heure;Type;Série;Exercice;Verdict\r\n".encode()
poser("essais", "jour_de_classe", ENTETE + (
    "2026-03-14;10:02:31;2;Série 1 - débutant;Ex05;Faux\r\n2026-03-14;10:03:02;2;Série 1 - débutant;Ex05;Juste\r\n"
    "2026-03-14;10:04:10;4;;4-3-8271;Juste\r\n").encode())
poser("essais", "guillemets_et_formule", ENTETE + '2026-03-14;10:02:31;2;"a;b ""c""";"\'=SOMME(A1)";Juste\r\n'.encode())
poser("essais", "ligne_en_cours", ENTETE + b"2026-03-14;10:02:31;2;S;Ex01;Faux\r\n2026-03-14;10:02")
poser("essais", "lignes_abimees", ENTETE + b"2026-02-30;10:02:31;2;S;Ex01;Juste\n2026-03-14;10:02:31;7;S;Ex01;Juste\n"
      b"2026-03-14;10:02:31;2;;4-3-8271;Juste\n\x00\xff;;;;;\n2019-01-01;08:00:00;5;;5-1-0;Faux\n")
poser("essais", "sans_entete_lf", b"2026-03-14;10:02:31;3;S;E;Faux\n2026-03-14;10:02:32;3;S;E;Faux\n")

# Class paths: as the program writes them, as a teacher edits them, and broken.
poser("parcours", "deux_etapes", ("# Parcours de la classe « CM1 », écrit par Orvane.\nParcours Orvane 1\n"
                                  "autres exercices;non\nsérie;2;0;Série 1 - débutant\nniveau;4;2;3\n").encode())
poser("parcours", "a_la_main", BOM + "\r\n# mot\r\nParcours Orvane 1\r\nAutres exercices ; OUI\r\nserie;3;2;a;b\r\n".encode())
poser("parcours", "etapes_abimees", ("Parcours Orvane 1\nsérie;9;0;S\nniveau;4;7;3\nniveau;4;2;0\nsérie;2;0;.cachée\n"
                                     "série;2;0;a/b\nbonjour\nautres exercices;peut-être\nParcours Orvane 1\n").encode())
poser("parcours", "version_suivante", b"Parcours Orvane 2\nniveau;2;1;3\n")
poser("parcours", "rien_a_voir", b"\x00\xff\xfeParcours\n")
