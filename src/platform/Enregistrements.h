#pragma once

#include <QByteArray>
#include <QList>
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

// A stored file is read only when it is a regular file (not a link, a pipe or a device
// planted in a shared folder, which would hang or flood the reader) of at most this size.
constexpr qint64 TailleMaxFichierLu = 16 * 1024 * 1024;

// The first record of a file, when the file exists and holds at least one whole record.
// When the file exists but is refused or cannot be read, the French reason naming it.
std::optional<QByteArray> lirePremierEnregistrement(const QString& fichier, qsizetype taille,
                                                    QString* erreur = nullptr);
// The same from the bytes of a file.
std::optional<QByteArray> premierEnregistrement(const QByteArray& contenu, qsizetype taille);

// The whole file, when it exists, is a regular file of at most TailleMaxFichierLu bytes
// and can be read; otherwise, for a file that exists, the French reason naming it.
std::optional<QByteArray> lireFichier(const QString& fichier, QString* erreur = nullptr);

// What tells a stored file's next state from the last one without reading it: its size,
// its last change (dated by the file server's clock) and, where the system gives it, the
// file's identity on its disk (a file replaced by another one has another).
struct EtatFichier {
    qint64 taille = 0;
    qint64 modifieNs = 0; // nanoseconds since 1970
    quint64 peripherique = 0;
    quint64 noeud = 0;
    friend bool operator==(const EtatFichier&, const EtatFichier&) = default;
};
// The state of a regular file, or nothing when it is missing or is anything else.
std::optional<EtatFichier> etatFichier(const QString& fichier);

// Part of a stored file, for a file that only grows and is read as it grows: at most
// maximum bytes from depuis, and the state of the file they were read from. Refused as
// lireFichier refuses, but never for its size, as only the part asked for is read.
struct MorceauFichier {
    QByteArray octets;
    EtatFichier etat;
};
std::optional<MorceauFichier> lireMorceau(const QString& fichier, qint64 depuis, qint64 maximum,
                                          QString* erreur = nullptr);

// Adds bytes at the end of a file, in one write, on the disk before it returns; a missing
// file is made (opened to the folder's group) and begins with debut. A write cut short (a
// full disk) is taken back: the file ends as it was or with all the bytes, never with a
// part. Refused, like ecrireFichier, for anything but a regular file, and when another
// computer has taken over the lock this process held on the file. The caller holds the
// file's lock, so that nobody else adds to it meanwhile.
bool ajouterAuFichier(const QString& fichier, const QByteArray& octets, const QByteArray& debut,
                      QString* erreur = nullptr);

// Writes the file whole or not at all, through a new file renamed over the old one, so
// that a link planted in its place is replaced rather than followed. Refuses to replace
// anything but a regular file, and refuses the write when another computer has taken
// over the lock this process held on the file. A new file is writable by the folder's
// group when the folder is (a school's shared folder), whatever the umask; a replaced
// file keeps its permissions. On failure returns false and, when asked, the reason.
bool ecrireFichier(const QString& fichier, const QByteArray& contenu, QString* erreur = nullptr);

// Several files that go together (worksheets and their answers), each written as
// ecrireFichier writes one: all of them are written beside the old ones first, and the
// old files are replaced only once every one is written. On failure every old file is as
// it was (one that did not exist is still absent); returns false with the file that
// failed and, when asked, the reason.
struct FichierAEcrire {
    QString chemin;
    QByteArray contenu;
};
bool ecrireFichiers(const QList<FichierAEcrire>& fichiers, QString* fichierEnEchec = nullptr,
                    QString* erreur = nullptr);

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
