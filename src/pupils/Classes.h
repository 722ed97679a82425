#pragma once

// Class lists: one ".elv" file per class in the program folder, one 256-byte record per
// pupil (a length byte, then the name in Windows-1252), no header. Every record passes
// through the class buffer TableEleves, so a class holds at most 50 pupils.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <array>

constexpr int TailleEnregistrementEleve = 256;
constexpr int NbMaxEleves = 50;
constexpr int LongueurMaxNom = 255;

inline const QString ExtensionClasse = QStringLiteral(".elv");

// Entries 1 to 50 (entry 0 unused), one record each.
extern std::array<QByteArray, NbMaxEleves + 1> TableEleves;

struct LectureClasse {
    QStringList noms;      // in file order, at most NbMaxEleves
    bool complete = true;  // false when the file held more pupils than the buffer
    QString erreur;        // French cause when the file could not be read
};

// Reads the whole records of a class file (a trailing partial record is ignored).
LectureClasse LireClasse(const QString& fichier);
// The same from an open device, which is read from its current position.
LectureClasse LireClasse(QIODevice& source);

// Writes one record per name (cut to 255 characters), in the given order, whole or not at
// all. Refuses more names than the buffer holds.
bool EcrireClasse(const QString& fichier, const QStringList& noms, QString* erreur = nullptr);
// The records EcrireClasse writes, for the first 50 names.
QByteArray ContenuClasse(const QStringList& noms);

// The class of a file: its name after the last separator, without its last four
// characters ("CM2 2009.elv" gives "CM2 2009").
QString NomDeClasse(const QString& fichier);
