#pragma once

// The end of a school year: the year's results files, attempts files and class lists put
// into one ZIP archive, then erased. The archive holds "bilans/<results file>",
// "bilans/<attempts file>" and "listes/<class>.elv", each file's bytes and date unchanged;
// the class overview opens it again to read the year it keeps.

#include <QDate>
#include <QString>
#include <QStringList>

inline const QString DossierBilansArchive = QStringLiteral("bilans");
inline const QString DossierListesArchive = QStringLiteral("listes");

struct FichiersAnnee {
    QStringList bilans;  // full paths
    QStringList essais;
    QStringList classes;
    qsizetype nombre() const { return bilans.size() + essais.size() + classes.size(); }
};

// The results and attempts files of the results folder and the class lists of the program
// folder.
FichiersAnnee FichiersDeLAnnee(const QString& dossierBilans, const QString& dossierProgramme);

// "Orvane fin d'année 2026-07-03.zip"
QString NomArchiveAnnee(const QDate& jour);

struct BilanFinAnnee {
    QString erreur;     // French: nothing was erased, and why
    int effaces = 0;
    QStringList gardes; // French, one per file left where it was, and why
};

// Writes the archive whole, reads it back and compares every file with what was read,
// and only then erases each file, under its lock, if it has not changed since (a success
// recorded on another computer meanwhile keeps its file).
BilanFinAnnee ArchiverEtEffacer(const FichiersAnnee& fichiers, const QString& archive);

// Lays an archive's results files and class lists out in dossier/bilans and
// dossier/listes, as the class overview reads a year. Entries of any other name are left
// out. The French cause when the archive cannot be read or holds no year of Orvane.
QString DeplierArchiveAnnee(const QString& archive, const QString& dossier);
