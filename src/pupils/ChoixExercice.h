#pragma once

// What the exercise chooser tells its callers (the player and the editor), and the
// series rule they share with it.

#include <QString>
#include <QStringList>

// Series folder of the chosen exercise, relative to the exercises folder.
extern QString SerieExercice;
// Chosen file name with its extension, without folder; empty when the choice was cancelled.
extern QString FichierChoisi;
// Record stored in the pupil's results file on success: series + "\" + exercise name.
extern QString LigneBilan;
// Name without extension of the exercise picked in the plain list (read by the editor).
extern QString NomExerciceChoisi;
// Extension, dot included, of the last exercise file listed (at most four characters).
extern QString ExtensionExercice;
// Lists files of every exercise type; the player clears it before showing the chooser.
extern bool TousLesFichiers;

// Puts the chooser's results back to their start values (tests start from here).
void ReinitialiserChoixExercice();

// "*.ex*" when every type is listed, otherwise "*.ex" + NumeroExercice.
QString MasqueExercices();

// The series of a folder: visible sub-folders holding at least one file that matches the
// mask, in the order the file system gives them.
QStringList SeriesDuDossier(const QString& dossier, const QString& masque);

// True when the current folder holds at least one series for MasqueExercices().
bool CompterSeries();
