#pragma once

// Class lists made from a file the school already has: the administration's export of its
// pupils (";" between fields, a row of titles among which "Nom élève", "Nom d'usage
// élève", "Prénom élève", "Niveau" and "Libellé classe", and many other columns), or any
// spreadsheet's list of names, with or without titles. Only the names and the class are
// ever taken from it: birth dates, addresses, national numbers and every other column are
// read past and never kept.
//
// The teacher first sees what the import will write (the classes, each pupil as the class
// list will show it, every line that could not be taken and why); nothing is written
// before the teacher confirms.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Which name comes first where the file does not say: a guess from the names in capitals,
// which the teacher may turn.
enum class OrdreNoms { Devine, PrenomPuisNom, NomPuisPrenom };
// How a pupil appears in the class list: the first name, with the surname's initial
// where two first names are alike (the full surname where initials are alike too), or
// the first name and the surname.
enum class PresentationNoms { Prenom, PrenomEtNom };
// What becomes of a class that has a list already: the pupils it lacks are added after
// its own, or the list is replaced.
enum class ModeExistantes { Ajouter, Remplacer };

// A file larger than this is no class list.
constexpr qint64 TailleMaxImport = 10 * 1024 * 1024;
// An imported name or class name longer than this is shortened: a pupil's results file is
// named after both, and a file name has at most 255 bytes.
constexpr int LongueurMaxNomImporte = 60;
constexpr int LongueurMaxClasseImportee = 40;

struct EleveImporte {
    QString prenom;
    QString nom; // the usual name where the file gives one; may be empty
    int ligne = 0;
};

struct ClasseImportee {
    QString nom; // empty when the file names no class
    QList<EleveImporte> eleves;
};

// Something the teacher is told before confirming, at a line of the file (0: about the
// file or a class).
struct Remarque {
    int ligne = 0;
    QString texte;
};

struct LectureImport {
    QString erreur; // French, when nothing can be taken from the file
    QString codage;
    bool entete = false;
    bool colonneClasse = false;   // the classes come from the file
    bool ordreModifiable = false; // the order of names is a guess
    OrdreNoms ordre = OrdreNoms::PrenomPuisNom;
    QString classeProposee; // the class of a file without classes: its own name
    QList<ClasseImportee> classes; // in alphabetical order
    QList<Remarque> remarques;     // by line
    int nbEleves = 0;
};

// Reads a file chosen by the teacher (never more than TailleMaxImport bytes).
LectureImport LireFichierImport(const QString& chemin, OrdreNoms ordre = OrdreNoms::Devine);
// The same from its bytes; nomFichier tells a spreadsheet's own format by its extension
// and gives a class to a file without classes.
LectureImport LireImport(const QByteArray& octets, const QString& nomFichier, OrdreNoms ordre = OrdreNoms::Devine);

struct ClasseApercu {
    QString nom;           // the class list's name
    QStringList importes;  // the pupils of the file as they will appear, alphabetically
    QStringList eleves;    // the class list after the import, in its order
    int nbNouveaux = 0;    // pupils the import adds to it
    int nbExistants = 0;   // pupils its list holds already
    bool existe = false;
    QString refus;         // why it will not be written, or empty
};

struct ApercuImport {
    QList<ClasseApercu> classes;
    QList<Remarque> remarques; // the reading's, then those about names and classes
    bool existantes() const;   // a class of the file has a list already
    int nbEcrites() const;     // classes the import will write
};

// The names a class has already (nothing when it has no list).
using ClassesExistantes = std::function<std::optional<QStringList>(const QString& classe)>;
// The class lists of the program folder, found whatever the case of their letters.
ClassesExistantes ClassesDuDossierProgramme(const QString& dossierProgramme);

// What the import will write. classeUnique names the class of a file without classes.
ApercuImport ConstruireApercu(const LectureImport& lecture, PresentationNoms presentation, ModeExistantes mode,
                              const QString& classeUnique, const ClassesExistantes& existantes);

// A class list after the import: the imported names alone, or the names it held, in their
// order, then the imported ones it lacked (compared without regard to case).
QStringList ListeApresImport(const QStringList& existants, const QStringList& importes, ModeExistantes mode);

struct ResultatImport {
    QStringList ecrites; // "CM1 A (25 élèves)"
    QStringList echecs;  // French, one per class not written
};

// Writes the class lists of the preview in the program folder, each under its lock and
// merged with the list as it is at that moment, whole or not at all.
ResultatImport EcrireImport(const ApercuImport& apercu, ModeExistantes mode, const QString& dossierProgramme);

// A class list as a spreadsheet file: a "Classe" and an "Élève" column, UTF-8 with its
// mark, ";" between fields.
QByteArray ContenuExportClasse(const QString& classe, const QStringList& eleves);
