#pragma once

// What the exercise chooser hands its callers (the player and the editor), and the
// series rule they share with it.

#include "CodeExercice.h"

#include <QString>
#include <QStringList>

#include <optional>

struct Contexte;
struct EntreeDossier;

// The exercise a chooser hands back: a file of a series, or an exercise the program makes
// from its code; every field is empty when the choice was cancelled.
struct ExerciceChoisi {
    QString Serie;      // series folder, relative to the exercises folder
    QString Fichier;    // file name with its extension, without folder
    QString Extension;  // the file's extension, dot included, at most four characters
    QString LigneBilan; // recorded in the pupil's results file on success: series + "\" + name
    std::optional<CodeExercice> Code; // instead of a file
    // Chosen as a step of the class's path: the exercises made by the program stay at the
    // step's level.
    bool DuParcours = false;

    bool estVide() const { return Fichier.isEmpty() && !Code; }
};

// The exercise a code makes, recorded on success as a success at its type and level.
ExerciceChoisi ExerciceDuCode(const CodeExercice& code);

// How the player and the editor ask for an exercise among the series of a folder. From
// the editor the chooser also offers the files of every exercise type.
class ChoisirExercice {
public:
    virtual ~ChoisirExercice() = default;
    virtual ExerciceChoisi choisir(const QString& dossierExercices, bool depuisEditeur) = 0;
};

// The exercises folder when it can be reached, otherwise the program folder, as the
// windows have always fallen back; a program folder that has vanished too is reported.
QString DossierExercicesAccessible(const Contexte& contexte);

// "*.ex*" when every type is listed, otherwise "*.ex" + the exercise number.
QString MasqueExercices(int numeroExercice, bool tousLesTypes = false);

// True for a folder entry that may be a series: a visible sub-folder.
bool EstSerie(const EntreeDossier& entree);

// The series of a folder: visible sub-folders holding at least one file that matches the
// mask, in the order the file system gives them.
QStringList SeriesDuDossier(const QString& dossier, const QString& masque);

// True when the folder holds at least one series of the exercise's type.
bool CompterSeries(const QString& dossier, int numeroExercice);
