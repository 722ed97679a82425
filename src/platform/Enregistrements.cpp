#include "Enregistrements.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace {
const char* const nomCodage = "windows-1252";

// The converter writes 0x1A for a letter the code page lacks; the program has always
// written '?' there. Letters are taken whole, so a surrogate pair gives one '?'.
constexpr char substitution = '\x1A';

QByteArray encoderLettre(QStringEncoder& encodeur, char32_t point)
{
    const QByteArray lettre = encodeur.encode(QString::fromUcs4(&point, 1));
    const bool connue = lettre.size() == 1 && (lettre[0] != substitution || point == 0x1A);
    return connue ? lettre : QByteArray("?");
}

// Opening a converter costs far more than converting a short text, and the class lists
// and preference files convert one short text at a time: the code page is asked once for
// its 256 characters and both directions are kept. A letter outside them is asked of the
// converter, which answers '?' for any letter it cannot hold.
struct PageWindows1252 {
    // Its letters all lie below U+2200 (the last is the trade mark sign, U+2122).
    static constexpr char32_t Etendue = 0x2200;
    std::array<char16_t, 256> caracteres{};
    std::array<qint16, Etendue> octets; // the byte of a letter, or -1
    bool simple = true; // every byte is one UTF-16 unit

    PageWindows1252()
    {
        QStringDecoder decodeur(nomCodage);
        QStringEncoder encodeur(nomCodage);
        octets.fill(-1);
        for (int b = 0; b < 256; ++b) {
            const QString c = decodeur.decode(QByteArray(1, static_cast<char>(b)));
            if (c.size() != 1) {
                simple = false;
                continue;
            }
            caracteres[std::size_t(b)] = c.at(0).unicode();
            const char32_t point = c.at(0).unicode();
            const QByteArray lettre = encoderLettre(encodeur, point);
            if (point < Etendue && lettre.size() == 1)
                octets[point] = static_cast<uchar>(lettre[0]);
        }
    }
};

const PageWindows1252& page()
{
    static const PageWindows1252 p;
    return p;
}
} // namespace

QByteArray versWindows1252(const QString& texte)
{
    const PageWindows1252& p = page();
    QByteArray octets;
    octets.reserve(texte.size());
    std::optional<QStringEncoder> encodeur;
    for (char32_t point : texte.toUcs4()) {
        if (point < PageWindows1252::Etendue && p.octets[point] >= 0) {
            octets += static_cast<char>(p.octets[point]);
            continue;
        }
        if (!encodeur)
            encodeur.emplace(nomCodage);
        octets += encoderLettre(*encodeur, point);
    }
    return octets;
}

QString depuisWindows1252(const QByteArray& octets)
{
    const PageWindows1252& p = page();
    if (!p.simple) {
        QStringDecoder decodeur(nomCodage);
        return decodeur.decode(octets);
    }
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* sortie = texte.data();
    const auto* entree = reinterpret_cast<const uchar*>(octets.constData());
    for (qsizetype i = 0; i < octets.size(); ++i)
        sortie[i] = QChar(p.caracteres[entree[i]]);
    return texte;
}

QChar caractereWindows1252(uchar octet)
{
    const PageWindows1252& p = page();
    return p.simple ? QChar(p.caracteres[octet]) : depuisWindows1252(QByteArray(1, char(octet))).front();
}

int octetWindows1252(char16_t caractere)
{
    return caractere < PageWindows1252::Etendue ? page().octets[caractere] : -1;
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
    return premierEnregistrement(f.read(taille), taille);
}

std::optional<QByteArray> premierEnregistrement(const QByteArray& contenu, qsizetype taille)
{
    if (contenu.size() < taille)
        return std::nullopt;
    return contenu.left(taille);
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
