#pragma once

// Class lists: one ".elv" file per class in the program folder, one 256-byte record per
// pupil (a length byte, then the name in Windows-1252), no header. A class holds at most
// 50 pupils. The bytes after a name are kept as read when the class is written again.

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

constexpr int TailleEnregistrementEleve = 256;
constexpr int NbMaxEleves = 50;
constexpr int LongueurMaxNom = 255;

inline const QString ExtensionClasse = QStringLiteral(".elv");

struct LectureClasse {
    QStringList noms;      // in file order, at most NbMaxEleves
    QList<QByteArray> enregistrements; // the whole record of each name
    bool complete = true;  // false when the file held more pupils than the buffer
    QString erreur;        // French cause when the file could not be read
    QByteArray octets;     // the file as read, to tell later whether it changed since
};

// What the teacher is told when a class file held more than NbMaxEleves pupils.
QString MessageClasseIncomplete();

// Reads the whole records of a class file (a trailing partial record is ignored).
LectureClasse LireClasse(const QString& fichier);
// The same from an open device, which is read from its current position.
LectureClasse LireClasse(QIODevice& source);

// Writes one record per name (cut to 255 characters), in the given order, whole or not at
// all; the n-th record keeps the bytes after the name of the n-th record read before, if
// any. Refuses more than NbMaxEleves names.
bool EcrireClasse(const QString& fichier, const QStringList& noms,
                  const QList<QByteArray>& enregistrementsLus = {}, QString* erreur = nullptr);
// The records EcrireClasse writes, for the first 50 names.
QByteArray ContenuClasse(const QStringList& noms, const QList<QByteArray>& enregistrementsLus = {});

// The class of a file: its name after the last separator, without its last four
// characters ("CM2 2009.elv" gives "CM2 2009").
QString NomDeClasse(const QString& fichier);
