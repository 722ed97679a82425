#pragma once

#include "Figure.h"
#include "Quadrillage.h"

#include <QString>

#include <optional>

class QIODevice;

// Exercise files: little-endian 32-bit words. A header of 15 words (EnteteExercice,
// TypeAxe, CoteFigure, TailleCaseFichier, NbColonnes, NbLignes, DecalageAxe, eight
// reserved words), or 5 in the older form (no EnteteExercice, no axis words), then one
// record of 6 words per element: kind, column, row, then the second point's column and
// row (or, for a painted area, the seed's pixel offset inside its cell), colour.

// Everything one file holds, as stored. The figure carries the stored words in the cell
// fields (CaseX1, CaseY1, CaseX2, CaseY2) and in Couleur; its pixel points stay 0 until
// the caller converts them for its own cell size (ConvertirPourTailleCase).
struct ExerciceLu
{
    qint32 EnteteExercice = 0; // 0 for the older form
    qint32 CoteFigure = 0;
    qint32 TailleCaseFichier = 0;
    Quadrillage Grille;        // TypeAxe, NbColonnes, NbLignes, DecalageAxe, Reserve
    Figure Elements;           // the first Figure::Capacite records
    qint32 NbEnregistrements = 0; // every whole record of the file, even beyond the room

    bool FormeAncienne() const { return EnteteExercice == 0; }
};

struct ResultatLecture
{
    bool Reussi = false;
    QString Erreur; // French, when not Reussi: the file could not be read or is too short
    ExerciceLu Exercice;
};

// Reads the whole device. A trailing partial record is ignored. A file shorter than its
// header is refused. The values themselves are not judged here (see MotifRefus).
ResultatLecture LireExercice(QIODevice* appareil);
ResultatLecture LireExercice(const QString& chemin);

// Why a reader with room for `place` elements and drawing areas `largeurEtalon` pixels
// wide must not use this exercise: empty when it can be used. Refused: more records than
// the room, a grid whose cell size would be 0 (no column, or too many to fit), and a
// painted area with a stored cell size of 0 (its seed would divide by it).
QString MotifRefus(const ExerciceLu& exercice, int place, int largeurEtalon);

// Pixel points of every element for the reader's cell size: shapes at their nodes, seeds
// at the same place inside their cell (products first, then the truncating division);
// the offsets become pixels of that cell size.
void ConvertirPourTailleCase(ExerciceLu& exercice, int tailleCase);

struct ParametresEcriture
{
    int NumeroExercice = 2;     // EnteteExercice is 200 + this number
    std::optional<Axe> TypeAxeEcrit; // none: the grid's own axis; AxePoint when a point replaces it
    bool SansColoriages = false; // leave painted areas out
};

// The file's bytes for a figure drawn with the grid's TailleCase (cell words are pixel
// points div that size; a painted area stores its seed's offset, mod that size).
// CoteFigure is computed from the grid's axis.
QByteArray ContenuExercice(const Quadrillage& grille, const Figure& figure,
                           const ParametresEcriture& parametres);

// Writes whole or not at all. On failure returns false and the French reason.
bool EcrireExercice(QIODevice* appareil, const Quadrillage& grille, const Figure& figure,
                    const ParametresEcriture& parametres, QString* erreur = nullptr);
bool EcrireExercice(const QString& chemin, const Quadrillage& grille, const Figure& figure,
                    const ParametresEcriture& parametres, QString* erreur = nullptr);
