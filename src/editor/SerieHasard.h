#pragma once

// A series of exercises made by the program, for the teacher: ordinary exercise files in a
// new series folder of the exercises folder, so that the chooser, the results, the class
// overview and the worksheets take them as any other series. Each file is named with its
// short code, which opens the same exercise again in the editor.

#include "CodeExercice.h"

#include <QList>
#include <QString>
#include <QStringList>

constexpr int ExercicesParSerieMax = 50;

struct DemandeSerie
{
    int Type = 4;
    int PremierNiveau = 1;
    int DernierNiveau = 1;
    int Nombre = 10;
    quint32 Graine = 0; // the first exercise's number; the others follow from it
    QString Nom;        // of the series folder
};

// The codes of the series, from the first level to the last in equal shares (the lower
// levels take what does not divide evenly, and a series shorter than its range of levels
// stops before the last), each number following the one before as in an endless run: no
// number comes twice.
QList<CodeExercice> CodesDeLaSerie(const DemandeSerie& demande);

// "Exercice 01 (4-3-8271).ex4": in the order of the series, with the code that makes it.
QString NomFichierHasard(int rang, const CodeExercice& code);

// "Au hasard 4 - niveau 3", or "Au hasard 4 - niveaux 1 à 3".
QString NomSerieProposee(int type, int premierNiveau, int dernierNiveau);

// Why the series cannot be made as asked (its name, its levels, its number of exercises,
// a folder of that name already there, whatever the case of its letters), or nothing.
QString MotifRefusSerie(const QString& dossierExercices, const DemandeSerie& demande);

struct BilanSerie
{
    bool Ecrite = false;
    QString Dossier;      // the series folder, once written
    QStringList Fichiers; // the file names, in order
    QString Message;      // in French, why nothing was written
};

// Holds the series' name under the lock the editor's saver takes, writes each file whole
// into a hidden folder beside the series, then gives that folder the series' name: the
// series appears whole, or not at all, and nothing already there is replaced.
BilanSerie CreerSerieHasard(const QString& dossierExercices, const DemandeSerie& demande);
