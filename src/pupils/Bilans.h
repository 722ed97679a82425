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
