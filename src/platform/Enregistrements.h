#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Fixed-size records and the short texts stored in them (one length byte, then the
// characters as Windows-1252 bytes, in a slot of fixed capacity).

// Windows-1252 conversions; characters it cannot hold become '?'.
QByteArray versWindows1252(const QString& texte);
QString depuisWindows1252(const QByteArray& octets);
// One character of that code page, and back: -1 for a character the code page lacks.
QChar caractereWindows1252(uchar octet);
int octetWindows1252(char16_t caractere);

// The first record of a file, when the file exists and holds at least one whole record.
std::optional<QByteArray> lirePremierEnregistrement(const QString& fichier, qsizetype taille);
// The same from the bytes of a file.
std::optional<QByteArray> premierEnregistrement(const QByteArray& contenu, qsizetype taille);

// The whole file, when it exists and can be read.
std::optional<QByteArray> lireFichier(const QString& fichier);

// Writes the file whole or not at all. On failure returns false and, when asked,
// the reason in French.
bool ecrireFichier(const QString& fichier, const QByteArray& contenu, QString* erreur = nullptr);

// The short text at offset in a record, or nothing when the slot lies outside the
// record or its length byte exceeds the capacity (a damaged record).
std::optional<QString> lireTexteCourt(const QByteArray& enregistrement, qsizetype offset,
                                      int capacite);

// Writes the length byte and the characters (cut to the capacity); the bytes after the
// text keep whatever they held.
void ecrireTexteCourt(QByteArray& enregistrement, qsizetype offset, int capacite,
                      const QString& texte);

// The message shown when a file cannot be read or written.
QString messageErreurFichier(const QString& fichier, const QString& cause);
