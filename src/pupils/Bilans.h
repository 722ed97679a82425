#pragma once

// The pupils' results files: one per pupil in the results folder, one record per
// exercise succeeded ("Série 1\Ex05"), each record once, in the order first recorded.

#include <QByteArray>
#include <QString>

// Index of the last entry of TableBilan filled by LireBilan (0 to 1000).
extern int NbLignesBilan;

// Name of the current pupil's results file (no folder), from NomEleve and NomClasse.
QString NomFichierBilan();

// Makes the results folder current, or the program folder when that fails.
void AllerDossierBilans();

// Appends the record of a solved exercise (series + "\" + name) to the current pupil's
// results file unless it is already there. Nothing happens in training or when nobody is
// identified. The program folder is current again afterwards.
void EnregistrerReussite(const QString& ligneBilan);

// Erases a results file of the current folder, under its lock so that a success being
// recorded on another computer is not merged into it. False after telling the user.
bool EffacerBilan(const QString& fichier);

// Fills TableBilan (entries 0 to NbLignesBilan) from the current pupil's results file.
// The results folder stays current.
void LireBilan();
// The same from the bytes of a results file, with no folder made current.
void LireBilan(const QByteArray& octets);

// True when one of TableBilan's entries 0 to NbLignesBilan is exactly ligne.
bool ExerciceReussi(const QString& ligne);
