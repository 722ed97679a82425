#include "Enregistrements.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
const char* const nomCodage = "windows-1252";
}

QByteArray versWindows1252(const QString& texte)
{
    // The converter writes 0x1A for a letter the code page lacks; the program has always
    // written '?' there. Letters are taken whole, so a surrogate pair gives one '?'.
    constexpr char substitution = '\x1A';
    QStringEncoder encodeur(nomCodage);
    QByteArray octets;
    octets.reserve(texte.size());
    for (char32_t point : texte.toUcs4()) {
        const QByteArray lettre = encodeur.encode(QString::fromUcs4(&point, 1));
        const bool connue = lettre.size() == 1 && (lettre[0] != substitution || point == 0x1A);
        octets += connue ? lettre : QByteArray("?");
    }
    return octets;
}

QString depuisWindows1252(const QByteArray& octets)
{
    QStringDecoder decodeur(nomCodage);
    return decodeur.decode(octets);
}

std::optional<QByteArray> lireFichier(const QString& fichier)
{
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

std::optional<QByteArray> lirePremierEnregistrement(const QString& fichier, qsizetype taille)
{
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray enregistrement = f.read(taille);
    if (enregistrement.size() != taille)
        return std::nullopt;
    return enregistrement;
}

bool ecrireFichier(const QString& fichier, const QByteArray& contenu, QString* erreur)
{
    QSaveFile f(fichier);
    // The explicit flush reports a write the file system refused (a full disk): commit()
    // alone would rename the partly written file over the previous one.
    const bool reussi = f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size()
        && f.flush() && f.commit();
    if (!reussi && erreur)
        *erreur = f.errorString();
    return reussi;
}

std::optional<QString> lireTexteCourt(const QByteArray& enregistrement, qsizetype offset,
                                      int capacite)
{
    if (offset < 0 || offset + 1 + capacite > enregistrement.size())
        return std::nullopt;
    const int longueur = static_cast<unsigned char>(enregistrement.at(offset));
    if (longueur > capacite)
        return std::nullopt;
    return depuisWindows1252(enregistrement.mid(offset + 1, longueur));
}

void ecrireTexteCourt(QByteArray& enregistrement, qsizetype offset, int capacite,
                      const QString& texte)
{
    if (offset < 0 || offset + 1 + capacite > enregistrement.size())
        return;
    const QByteArray octets = versWindows1252(texte).left(capacite);
    enregistrement[offset] = static_cast<char>(octets.size());
    enregistrement.replace(offset + 1, octets.size(), octets);
}

QString messageErreurFichier(const QString& fichier, const QString& cause)
{
    return QStringLiteral("Erreur d'entrée/sortie sur le fichier « %1 » : %2").arg(fichier, cause);
}
