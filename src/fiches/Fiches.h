#pragma once

// Worksheets on paper: each exercise of a series as a title, an instruction, the grid, the
// axis or centre point and the model, drawn as vectors; the answer sheet adds the expected
// mirror image in a second colour. Painted areas cover exactly the pixels the player's
// flood fill covers at the grid's own resolution.

#include "CodeExercice.h"
#include "Figure.h"
#include "Quadrillage.h"

#include <QPainterPath>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;
class QPainter;

// One exercise ready for paper, its points in pixels of the player's cell size at design
// width (Grille.TailleCase).
struct ExerciceFiche {
    QString Nom;            // file name without extension
    int NumeroExercice = 2; // from the extension, ".ex2" to ".ex5"
    Quadrillage Grille;
    Figure Reference;
};

// The readable exercises of a list of files, in order, and the names of those that could
// not be read or could never be drawn.
struct SerieFiches {
    std::vector<ExerciceFiche> Exercices;
    QStringList Illisibles;
};

SerieFiches LireSerieFiches(const QStringList& chemins);

// An exercise made by the program, named by its code, which the sheet shows.
ExerciceFiche FicheDepuisCode(const CodeExercice& code);

// The cell sizes offered on paper, in millimetres.
inline constexpr double TaillesCasePapier[] = {5.0, 7.0, 10.0};

enum class Corriges { Aucun, MemePdf, SecondFichier };

struct OptionsFiches {
    double MillimetresParCase = 7.0;
    int ExercicesParPage = 1; // 1 or 2
    Corriges AvecCorriges = Corriges::Aucun;
};

// Colour of the expected mirror image on the answer sheets (0x00BBGGRR).
inline constexpr quint32 CouleurCorrige = 0x00C05A00;

// The instruction printed under the title.
QString ConsigneExercice(const ExerciceFiche& exercice);

// One painted area as the player fills it, in pixels of the grid.
struct ZoneColoriee {
    QPainterPath Chemin;
    quint32 Couleur = 0;
};

// The areas of the reference figure followed by those of `ajout`, in drawing order: each
// covers the pixels the player's fill would reach at that point of the drawing.
std::vector<ZoneColoriee> ZonesColoriees(const ExerciceFiche& exercice, const Figure& ajout);

// Grid, axis, painted areas and outlines in the grid's pixel coordinates (one cell is
// Grille.TailleCase units), with the expected mirror image when `corrige`.
void DessinerGrilleFiche(QPainter& p, const ExerciceFiche& exercice, bool corrige);

// What a set of pages needs to know beyond the exercises.
enum class Pages { Fiches, Corriges, Tout };

// Paints the pages on a PDF writer or a printer (A4 portrait is set here). Returns the
// names of the exercises whose grid needed smaller cells, each with the size it got.
QStringList PeindreFiches(QPagedPaintDevice& support, const SerieFiches& serie,
                          const OptionsFiches& options, Pages pages);

// The message shown after writing or printing: unreadable files and reduced cells. Empty
// when there is nothing to say.
QString MessageFiches(const SerieFiches& serie, const OptionsFiches& options,
                      const QStringList& reduits);

// The second file of the answers, beside the worksheets.
QString CheminCorriges(const QString& cheminFiches);

// The files a save writes, the worksheets first.
QStringList FichiersFiches(const OptionsFiches& options, const QString& cheminPdf);

struct BilanFiches {
    bool Ecrit = false;
    QStringList Fichiers; // the files written
    QString Message;      // what to tell the teacher; the French I/O message on failure
};

// Writes the worksheets (and their answers, as the options say) as PDF: every file whole,
// or none of them and the older ones as they were.
BilanFiches EnregistrerFiches(const SerieFiches& serie, const OptionsFiches& options,
                              const QString& cheminPdf);
