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
