#pragma once

// The teacher's table of a class: for each pupil of a class list (or each pupil who typed
// a name), which exercises of the exercises folder the results file marks as succeeded,
// by the same rule as the exercise chooser, and the highest level of each type the pupil
// succeeded at among the exercises made by the program. Reading only: no results file is ever written.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct LectureClasse;

// "Sans classe": the pupils who typed their name instead of picking it from a list.
inline const QString SansClasse = QStringLiteral("Sans classe");

// What the table is built from. numeroExercice 2 to 5, or 0 for every type; an empty
// serie means every series.
struct DemandeSuivi {
    QString dossierProgramme;
    QString dossierBilans;
    QString dossierExercices;
    QString classe; // a class list's name, or SansClasse
    int numeroExercice = 0;
    QString serie;
};

struct ColonneSuivi {
    QString serie;
    QString exercice;  // the file name without its extension
    QString extension; // dot included

    QString ligneBilan() const { return serie + QLatin1Char('\\') + exercice; }
};

enum class EtatEleve { Bilan, SansBilan, Illisible };

struct LigneSuivi {
    QString eleve;
    EtatEleve etat = EtatEleve::SansBilan;
    QList<bool> reussis; // one per column
    int total = 0;       // records of exercises shown, each once however many columns it ticks
    QStringList autres;  // records naming no exercise of the folder
    QList<int> niveaux;  // per type of TableauSuivi::typesHasard: the highest level succeeded, 0 for none
};

struct TableauSuivi {
    QString classe;
    bool tousLesTypes = false;
    QString erreur; // French, when the table could not be built
    QString avertissement; // French, about a table shown all the same
    QList<ColonneSuivi> colonnes;
    QList<int> typesHasard; // the types whose level au hasard is shown, after the totals
    QList<LigneSuivi> lignes;
    QList<int> totauxColonnes;
    int totalReussites = 0; // the pupils' totals added up
    int totalAutres = 0;
    // Once counted for the copies: per pupil, the attempts ("Juste" or "Faux") at each
    // column (empty for a pupil without an attempts file), and per column their total.
    bool essaisComptes = false;
    QList<QList<int>> essais;
    QList<int> totauxEssais;
};

inline const QString TexteIllisible = QStringLiteral("fichier illisible");
// Over the columns of the levels reached au hasard, each named by its type ("Au hasard 4").
inline const QString TitreNiveaux = QStringLiteral("Niveau");
QString NomColonneNiveau(int type);
// A level as its cell shows it: empty for none.
QString TexteNiveau(int niveau);

// The name a column is shown under: with every type, files of one name differ by their
// extension only (a record names them all, as in the chooser).
QString NomColonne(const TableauSuivi& tableau, const ColonneSuivi& colonne);

// The class lists of the program folder, by name, then "Sans classe".
QStringList ClassesDuDossier(const QString& dossierProgramme);

// The pupils of the table, in the class list's order (or the results files' order), with
// the French cause when the class list cannot be read.
LectureClasse ElevesDeClasse(const DemandeSuivi& demande);

// The series the table can show for that type, in the chooser's order.
QStringList SeriesDuSuivi(const QString& dossierExercices, int numeroExercice);

TableauSuivi ConstruireSuivi(const DemandeSuivi& demande);
// Counts each pupil's attempts at each exercise of the table, from the attempts files, for
// its copies. A file that cannot be read is said in the table's warning.
void CompterEssais(TableauSuivi& tableau, const DemandeSuivi& demande);

// A pupil as initials, for a table the whole class sees: "Léa Martin" and "Léa M." give
// "L. M.", "Jean-Luc" gives "J.-L.".
QString Initiales(const QString& eleve);
// The pupils as initials, those alike numbered ("L. M. (2)"), in the same order.
QStringList NomsMasques(const QStringList& eleves);
// The table with every pupil as initials.
TableauSuivi MasquerNoms(TableauSuivi tableau);

// The table as a spreadsheet file: UTF-8 with a byte-order mark, ";" between fields, a
// header row, one row per pupil and a row of totals (none for the levels). Once the attempts
// are counted, each exercise's column is followed by its attempts'. No field is ever read
// as a formula.
QByteArray ContenuCsv(const TableauSuivi& tableau);
