#pragma once

// A pupil's attempts: every verdict, "Juste" or "Faux", on every exercise, where the
// results file keeps only the first success at each. One file per pupil beside the results
// file, named like it: "Essais Orvane CM1 Léa M.csv" beside "Bilan Orvane CM1 Léa M.reu",
// "Essais Orvane individuel Paul.csv" beside "Bilan Orvane individuel Paul.Reu".
//
// The file is a spreadsheet's text (UTF-8 with its byte-order mark, CR LF line ends, ";"
// between fields, quoted as spreadsheets quote them; a name a spreadsheet would run as a
// formula, or that starts with an apostrophe, is written after an apostrophe) that only
// ever grows, one line per verdict, after a header line written with the file:
//
//   Date;Heure;Type;Série;Exercice;Verdict
//   2026-03-14;10:02:31;2;Série 1 - débutant;Ex05;Faux
//   2026-03-14;10:04:10;4;;4-3-8271;Juste
//
// Date and time are those of the pupil's computer; Type is the exercise (2 to 5); Série
// and Exercice name an exercise of a series (its folder, its file name less the
// extension), or an empty Série and the code of an exercise the program made. A verdict
// is added in one write under the file's lock; a reader takes only whole lines (ending in
// a line end), so a line being written is never read half, and skips the lines that are
// no attempt (a line broken by hand, a header) as it goes.

#include "CodeExercice.h"
#include "Enregistrements.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>

struct Essai {
    QDate jour;
    QTime heure;
    int type = 0;
    QString serie;    // empty for an exercise the program made
    QString exercice; // the file name less its extension, or the code
    bool juste = false;

    // How the exercise is named to the pupil and the teacher: "Série 1\Ex05" (the record
    // its success writes in the results file) or "4-3-8271".
    QString nom() const;
    // The code of an exercise the program made.
    std::optional<CodeExercice> code() const;
    // The same exercise: same type, series and name.
    bool memeExercice(const Essai& autre) const;
};

// The pupil's attempts file (no folder), as NomFichierBilan names the results file.
QString NomFichierEssais(const QString& eleve, const QString& classe);
// That file in the folder, whatever the case of its letters (as CheminBilan).
QString CheminEssais(const QString& dossier, const QString& eleve, const QString& classe);
// The attempts file beside a results file of the folder, from the results file's own name
// ("Bilan Orvane CE2 Léo.reu" or ".Reu"), whatever the case of its letters.
QString CheminEssaisDuBilan(const QString& dossier, const QString& nomBilan);

// The first bytes of a new file: the byte-order mark and the header line.
QByteArray DebutFichierEssais();
// One attempt as its line, line end included.
QByteArray LigneEssai(const Essai& essai);

// The attempts in bytes of an attempts file, read from its start or from the start of a
// line: whole lines only. lus is where the next reading starts (after the last line end);
// what follows it is a line still being written, read once it is whole.
struct LectureEssais {
    QList<Essai> essais;
    qint64 lus = 0;
    int illisibles = 0; // whole lines that are no attempt (the header is not counted)
};
LectureEssais LireEssais(QByteArrayView octets);

// The end of an attempts file that is read: a year of a pupil's attempts is a tenth of it,
// a day's a hundredth of that. A file grown past it (by hand, or over many years) is read
// from there on, and nobody waits for it.
constexpr qint64 FinEssaisLue = 1024 * 1024;

// The attempts added to a pupil's file since depuis, the start of a line (0, or where
// the last reading stopped: its lus). At most the last FinEssaisLue bytes are read, from
// their first whole line; passe says that lines before them were passed over. lus counts
// from the start of the file. Nothing for a missing file, or for one refused (with the
// reason in French).
struct SuiteEssais {
    LectureEssais lecture;
    EtatFichier etat; // the file's as it was read
    bool passe = false;
};
std::optional<SuiteEssais> LireSuiteEssais(const QString& chemin, qint64 depuis, QString* erreur = nullptr);

// Adds a verdict to the pupil's attempts file in the folder, under its lock. Nothing in
// training or when nobody is identified. Gives the French reason when it could not be
// written (an empty folder is one that cannot be reached), empty otherwise: the caller
// decides whether a pupil in the middle of an exercise is told.
QString AjouterEssai(const QString& dossier, const QString& eleve, const QString& classe, const Essai& essai);
