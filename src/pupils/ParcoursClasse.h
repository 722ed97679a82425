#pragma once

// The path a teacher sets for a class: the steps the pupils go through in order, each a
// series of one exercise type or a level of the exercises the program makes, and whether
// the pupils may still open exercises outside it. One text file per class beside the class
// lists, "Parcours CM1.txt", in UTF-8, that a teacher may read and even edit by hand:
//
//   # comment lines, as the program writes them to explain the file
//   Parcours Orvane 1
//   autres exercices;non
//   série;2;0;Série 1 - débutant
//   niveau;4;2;3
//
// The line "Parcours Orvane 1" comes first (after blank and "#" lines). "autres
// exercices" is "oui" or "non" ("oui" when the line is missing). Each step is one line,
// its fields separated by ";":
//   série;<type 2 to 5>;<successes that end the step, 0 for every exercise>;<series folder>
//   niveau;<type 2 to 5>;<level of that type>;<successes that end the step, at least 1>
// The series folder comes last and is taken whole, ";" included. A step line that cannot
// be understood is kept as a step that is missing, so that the steps after it stay where
// the teacher put them; the teacher sees it in the path window, the pupil skips it.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

enum class GenreEtape { Serie, Niveau };

struct EtapeParcours {
    GenreEtape genre = GenreEtape::Serie;
    int type = 2;
    QString serie;     // a series step: the folder under the exercises folder
    int niveau = 0;    // a level step
    int reussites = 0; // successes that end the step; for a series, 0 is every exercise
    QString illisible; // the line as written, for a line that is no step

    bool lisible() const { return illisible.isEmpty(); }
    // "Série 1 - débutant" or "niveau 2 au hasard", without its type.
    QString titre() const;
    friend bool operator==(const EtapeParcours&, const EtapeParcours&) = default;
};

struct ParcoursClasse {
    static constexpr int EtapesMax = 100;
    static constexpr int ReussitesMax = 999;
    static constexpr int ReussitesNiveauParDefaut = 3;

    QList<EtapeParcours> etapes;
    bool autresExercices = true;
    friend bool operator==(const ParcoursClasse&, const ParcoursClasse&) = default;
};

struct LectureParcours {
    std::optional<ParcoursClasse> parcours; // nothing for a class without a path, or a file refused
    QString erreur;       // French: why the file is no path at all
    QStringList remarques; // French: the lines that could not be understood, one each
    QByteArray octets;    // the file as read, to tell later whether it changed since
};

// "Parcours CM1.txt" (no folder).
QString NomFichierParcours(const QString& classe);
// That file in the folder of the class lists, whatever the case of its letters.
QString CheminParcours(const QString& dossierClasses, const QString& classe);

// The text of the file, with the lines that explain it to a reader.
QByteArray ContenuParcours(const ParcoursClasse& parcours, const QString& classe);
// A path from the bytes of a file.
LectureParcours LireParcours(const QByteArray& octets);
// The class's path file; a missing one is a class without a path, with no message.
LectureParcours LireParcoursClasse(const QString& dossierClasses, const QString& classe);
