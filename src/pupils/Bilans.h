#pragma once

// The pupils' results files: one per pupil in the results folder, one record per
// exercise succeeded ("Série 1\Ex05"), each record once, in the order first recorded.

#include <QByteArray>
#include <QString>
#include <QStringList>

class TamponLignes;

// Name of a pupil's results file (no folder), from the pupil's and the class's names.
QString NomFichierBilan(const QString& eleve, const QString& classe);

// The results file of that name in the folder. A file whose name differs only by the
// case of its letters is that pupil's file too, as it was where the program began.
QString CheminBilan(const QString& dossier, const QString& eleve, const QString& classe);

// Whether what a pupil does is kept: somebody identified, not in training.
bool EleveEnregistre(const QString& eleve);

// Appends the record of a solved exercise (series + "\" + name) to a pupil's results file
// in the folder unless it is already there. Nothing happens in training or when nobody is
// identified. An empty folder is one that cannot be reached: the pupil is told, and
// nothing is written anywhere else.
void EnregistrerReussite(const QString& dossier, const QString& eleve, const QString& classe,
                         const QString& ligneBilan);

// What a pupil is told when the results folder cannot be reached.
QString MessageDossierBilansIntrouvable();

// Erases a results file, under its lock so that a success being recorded on another
// computer is not merged into it. False after telling the user.
bool EffacerBilan(const QString& chemin);

// The first 1001 records of a results file (each cut to 255 characters), as the chooser
// compares them. A missing file has none; an unreadable one has none, after telling
// the user.
QStringList LireBilan(const QString& chemin);
// The same from the bytes of a results file.
QStringList LireBilan(const QByteArray& octets);
// The same from a line buffer already read.
QStringList LignesComparees(const TamponLignes& tampon);

// True when one of the records read is exactly ligne.
bool ExerciceReussi(const QStringList& bilan, const QString& ligne);

// A success at an exercise the program made, at its type and level: "Au hasard 4\Niveau 3".
// Like every record it is written once, at the first success at that level, so the lines
// of a pupil's results file say the levels where the pupil has succeeded. The chooser of
// every version of the program takes it for the record of an exercise "Niveau 3" of a
// series "Au hasard 4", a series nobody makes (the program names the teacher's series
// "Au hasard 4 - niveau 3"), so it marks no exercise done.
QString LigneHasard(int type, int niveau);
// The level such a record names for that type, or 0 for any other record (another type,
// a level the type does not have, another spelling).
int NiveauDeLigne(const QString& ligne, int type);
// True for the record of a success at a level of any type.
bool EstLigneHasard(const QString& ligne);
// The highest level of a type among the records (0 when the pupil never succeeded at one).
int NiveauAtteint(const QStringList& lignes, int type);
// The same from a pupil's whole results file, every line read (the chooser's limit of 1001
// records is for exercises: a level first reached late in a long file still counts). A
// missing file gives 0; an unreadable one gives 0 after telling the user.
int NiveauAtteint(const QString& chemin, int type);
