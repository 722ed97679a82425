#include "Tableur.h"

#include "Enregistrements.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringView>

#include <algorithm>
#include <array>

namespace {
const QString CodageUtf8 = QStringLiteral("UTF-8");
const QString CodageWindows = QStringLiteral("Windows-1252");
const QString CodageLatin9 = QStringLiteral("ISO-8859-15");

// The bytes where ISO-8859-15 differs from ISO-8859-1, and its letters there. Windows-1252
// has fraction signs and accents alone at these places, which no name holds.
struct DifferenceLatin9 {
    uchar octet;
    char16_t lettre;
};
constexpr std::array<DifferenceLatin9, 8> Latin9 = {{{0xA4, u'€'}, {0xA6, u'Š'}, {0xA8, u'š'}, {0xB4, u'Ž'},
                                                     {0xB8, u'ž'}, {0xBC, u'Œ'}, {0xBD, u'œ'}, {0xBE, u'Ÿ'}}};

// ISO-8859-15 is told from Windows-1252 by what it lacks, the bytes 0x80 to 0x9F, and by
// what only it gives a letter (0xB4 aside: "´" stands for an apostrophe in names typed on
// some keyboards, in either code page).
bool estLatin9(const QByteArray& octets)
{
    static const std::array<bool, 256> lettreLatin9 = [] {
        std::array<bool, 256> lettres{};
        for (const DifferenceLatin9& d : Latin9)
            lettres[d.octet] = d.octet != 0xB4;
        return lettres;
    }();
    bool trouvee = false;
    for (const char c : octets) {
        const auto octet = static_cast<uchar>(c);
        if (octet >= 0x80 && octet <= 0x9F)
            return false;
        trouvee = trouvee || lettreLatin9[octet];
    }
    return trouvee;
}

QString depuisLatin9(const QByteArray& octets)
{
    QString texte = QString::fromLatin1(octets);
    for (const DifferenceLatin9& d : Latin9)
        texte.replace(QChar(char16_t(d.octet)), QChar(d.lettre));
    return texte;
}

struct Guillemets {
    QString texte;
    qsizetype fin = 0; // the index after the closing quote
    int lignes = 0;    // line ends inside
    bool ferme = false;
};

// A text read unit by unit: files of thousands of lines are cut here.
class LecteurCsv {
public:
    LecteurCsv(const QString& texte, QChar separateur)
        : t_(reinterpret_cast<const char16_t*>(texte.utf16()))
        , n_(texte.size())
        , separateur_(separateur.unicode())
        , separe_(!separateur.isNull())
    {
    }

    QList<EnregistrementCsv> lire()
    {
        QList<EnregistrementCsv> enregistrements;
        qsizetype i = 0;
        int ligne = 1;
        while (i < n_) {
            EnregistrementCsv e;
            e.ligne = ligne;
            for (bool suite = true; suite;) {
                QString champ;
                if (t_[i] == u'"') {
                    Guillemets g = entreGuillemets(i + 1);
                    if (g.ferme) {
                        champ = std::move(g.texte);
                        i = g.fin;
                        ligne += g.lignes;
                    } else {
                        e.guillemetOuvert = true;
                    }
                }
                qsizetype fin = i;
                while (fin < n_ && !finDeChamp(fin))
                    ++fin;
                champ += morceau(i, fin);
                e.champs.append(champ);
                i = fin;
                suite = i < n_ && separe_ && t_[i] == separateur_;
                if (suite) {
                    ++i;
                } else if (i < n_) {
                    i = apresFinDeLigne(i);
                    ++ligne;
                }
            }
            if (!estVide(e))
                enregistrements.append(std::move(e));
        }
        return enregistrements;
    }

private:
    const char16_t* t_;
    qsizetype n_;
    char16_t separateur_;
    bool separe_;

    bool finDeLigne(qsizetype i) const { return t_[i] == u'\n' || t_[i] == u'\r'; }
    bool finDeChamp(qsizetype i) const { return (separe_ && t_[i] == separateur_) || finDeLigne(i); }
    // The index after the line end at i; CR LF is one line end.
    qsizetype apresFinDeLigne(qsizetype i) const { return t_[i] == u'\r' && i + 1 < n_ && t_[i + 1] == u'\n' ? i + 2 : i + 1; }
    QString morceau(qsizetype debut, qsizetype fin) const
    {
        return QString(reinterpret_cast<const QChar*>(t_ + debut), fin - debut);
    }

    // The field that starts after an opening quote at debut - 1.
    Guillemets entreGuillemets(qsizetype debut) const
    {
        Guillemets g;
        for (qsizetype i = debut; i < n_;) {
            qsizetype guillemet = i;
            while (guillemet < n_ && t_[guillemet] != u'"') {
                if (finDeLigne(guillemet) && apresFinDeLigne(guillemet) == guillemet + 1)
                    ++g.lignes;
                ++guillemet;
            }
            g.texte += morceau(i, guillemet);
            if (guillemet == n_)
                break;
            if (guillemet + 1 < n_ && t_[guillemet + 1] == u'"') {
                g.texte += u'"';
                i = guillemet + 2;
                continue;
            }
            g.fin = guillemet + 1;
            g.ferme = true;
            break;
        }
        return g;
    }

    static bool estVide(const EnregistrementCsv& e)
    {
        return std::all_of(e.champs.begin(), e.champs.end(), [](const QString& c) { return c.trimmed().isEmpty(); });
    }
};

// How many times the character stands outside quotes in a line.
int compterHorsGuillemets(QStringView ligne, QChar c)
{
    int n = 0;
    bool dedans = false;
    for (QChar x : ligne) {
        if (x == u'"')
            dedans = !dedans;
        else if (x == c && !dedans)
            ++n;
    }
    return n;
}

constexpr int LignesObservees = 30;
} // namespace

TexteDecode DecoderTexte(const QByteArray& octets)
{
    if (octets.startsWith("\xEF\xBB\xBF"))
        return {QString::fromUtf8(octets.mid(3)), CodageUtf8};
    if (octets.startsWith("\xFF\xFE") || octets.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(octets.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return {utf16.decode(octets.mid(2)), QStringLiteral("UTF-16")};
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    QString texte = utf8.decode(octets);
    if (!utf8.hasError())
        return {texte, CodageUtf8};
    if (estLatin9(octets))
        return {depuisLatin9(octets), CodageLatin9};
    return {depuisWindows1252(octets), CodageWindows};
}

QList<EnregistrementCsv> LireCsv(const QString& texte, QChar separateur)
{
    return LecteurCsv(texte, separateur).lire();
}

QChar DevinerSeparateur(const QString& texte)
{
    QList<QStringView> lignes;
    for (QStringView ligne : QStringView(texte).split(u'\n')) {
        if (!ligne.trimmed().isEmpty())
            lignes.append(ligne);
        if (lignes.size() == LignesObservees)
            break;
    }
    QChar choisi;
    qsizetype meilleur = 0;
    for (QChar candidat : {QChar(u';'), QChar(u'\t'), QChar(u',')}) {
        QHash<int, qsizetype> frequences;
        for (QStringView ligne : lignes)
            ++frequences[compterHorsGuillemets(ligne, candidat)];
        frequences.remove(0);
        for (auto it = frequences.cbegin(); it != frequences.cend(); ++it) {
            // Found the same number of times on at least half of the lines.
            if (it.value() > meilleur && 2 * it.value() >= lignes.size()) {
                meilleur = it.value();
                choisi = candidat;
            }
        }
    }
    return choisi;
}

QString ChampCsv(const QString& texte)
{
    static const QString speciaux = QStringLiteral(";\"\r\n");
    static const QString debutsFormule = QStringLiteral("=+-@\t\r");
    const bool formule = !texte.isEmpty() && debutsFormule.contains(texte.front());
    if (!formule && std::none_of(texte.begin(), texte.end(), [](QChar c) { return speciaux.contains(c); }))
        return texte;
    const QString champ = formule ? QLatin1Char('\'') + texte : texte;
    return QLatin1Char('"') + QString(champ).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString LigneCsv(const QStringList& champs)
{
    QStringList sortie;
    sortie.reserve(champs.size());
    for (const QString& champ : champs)
        sortie.append(ChampCsv(champ));
    return sortie.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

QByteArray DocumentCsv(const QString& texte)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + texte.toUtf8();
}
