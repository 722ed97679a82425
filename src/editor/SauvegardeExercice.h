#pragma once

// Saving the editor's exercise as an exercise file: the save dialogs, the questions that
// keep a file consistent with the type it is saved as, and the writing itself.

#include "Figure.h"
#include "Quadrillage.h"

#include <QString>

// A folder inside the exercises folder, created when missing if the exercises folder is
// there (a failure shows later, when the file is written, naming the folder).
QString SousDossierExercices(const QString& dossierExercices, const QString& nom);

// The exercise type of a chosen path: its extension (".ex2" to ".ex5", in lower case), or
// parDefaut when the name carries none of them.
QString TypeFichierChoisi(const QString& chemin, const QString& parDefaut);

// What the editor knows of the exercise it shows and of where it goes, for its save
// dialogs.
struct NomsExercice {
    QString dossierExercices; // the save dialogs open in a folder of this one
    QString nomPropose;       // the name a save dialog proposes, without extension
    QString extensionOuverte; // extension of the file opened, dot included, or empty
};

// The saver of the editors for exercises 2, 4 and 5, and that of exercise 3. Each asks
// for a path, asks its questions, and returns true only when a file was written. The
// first one proposes the name it saved under next time.
bool EnregistrerExercice245(int numero, const Quadrillage& grille, const Figure& figure,
                            NomsExercice& noms);
bool EnregistrerExercice3(const Quadrillage& grille, const Figure& figure,
                          const NomsExercice& noms);
