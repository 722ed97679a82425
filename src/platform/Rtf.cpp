#include "Rtf.h"

#include "Enregistrements.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The Windows-1252 character of every byte, and back.
struct PageCode {
    std::array<QChar, 256> caracteres;
    QHash<char16_t, uchar> octets;

    PageCode()
    {
        for (int b = 0; b < 256; ++b) {
            const QString c = depuisWindows1252(QByteArray(1, static_cast<char>(b)));
            caracteres[b] = c.size() == 1 ? c.at(0) : QChar(QChar::ReplacementCharacter);
            if (c.size() == 1 && c.at(0) != QChar(QChar::ReplacementCharacter))
                octets.insert(c.at(0).unicode(), static_cast<uchar>(b));
        }
    }
};

const PageCode& pageCode()
{
    static const PageCode page;
    return page;
}

bool estDocumentRtf(const QByteArray& octets)
{
    return octets.startsWith("{\\rtf");
}

// ---- writing ----

QByteArray echapper(const QString& ligne)
{
    QByteArray sortie;
    for (const QChar c : ligne) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            sortie += '\\';
            sortie += static_cast<char>(u);
        } else if (u == u'\t') {
            sortie += "\\tab ";
        } else if (u >= 0x20 && u < 0x7F) {
            sortie += static_cast<char>(u);
        } else if (const auto octet = pageCode().octets.constFind(u);
                   octet != pageCode().octets.constEnd()) {
            sortie += "\\'" + QByteArray::number(*octet, 16).rightJustified(2, '0');
        } else {
            // \u takes a signed 16-bit value; the '?' is what older readers show instead.
            sortie += "\\u" + QByteArray::number(static_cast<qint16>(u)) + '?';
        }
    }
    return sortie;
}

// ---- reading ----

// Destinations whose text is not part of the document's lines.
const QSet<QByteArray>& destinationsIgnorees()
{
    static const QSet<QByteArray> noms = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "headerl", "headerr",
        "headerf", "footer", "footerl", "footerr", "footerf", "generator", "listtable",
        "listoverridetable", "rsidtbl", "xmlnsdecl", "themedata", "colorschememapping",
        "datastore", "latentstyles", "pgdsctbl", "object", "objdata", "fldinst", "filetbl",
        "revtbl", "footnote", "annotation", "userprops", "template", "docvar", "bkmkstart",
        "bkmkend", "xe", "tc", "nonshppict", "mmathPr", "wgrffmtfilter"};
    return noms;
}

char16_t caractereNomme(const QByteArray& mot)
{
    static const QHash<QByteArray, char16_t> noms = {
        {"tab", u'\t'},      {"lquote", 0x2018},    {"rquote", 0x2019}, {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"bullet", 0x2022},  {"endash", 0x2013}, {"emdash", 0x2014}};
    return noms.value(mot, 0);
}

int valeurHexa(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool estLettre(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool estChiffre(char c)
{
    return c >= '0' && c <= '9';
}

class LecteurRtf {
public:
    explicit LecteurRtf(const QByteArray& octets)
        : octets_(octets.constData())
        , taille_(octets.size())
    {
    }

    QStringList lire()
    {
        while (!fini_ && pos_ < taille_) {
            const char c = octets_[pos_++];
            switch (c) {
            case '{':
                ouvrirGroupe();
                break;
            case '}':
                fermerGroupe();
                break;
            case '\\':
                lireControle();
                break;
            case '\r':
            case '\n':
                break;
            default:
                octetTexte(static_cast<uchar>(c));
            }
        }
        lignes_.append(ligne_);
        return lignes_;
    }

private:
    struct Etat {
        bool ignore = false;
        int octetsRemplacement = 1; // \ucN: characters that follow each \uN for older readers
    };

    // Deeper groups are only counted, so a damaged file cannot make the stack grow
    // without bound.
    static constexpr std::size_t ProfondeurMax = 256;
    static constexpr int LongueurMotMax = 32;
    static constexpr int ChiffresMax = 10;

    // Read byte by byte: plain indexing, every index checked against taille_ first.
    const char* const octets_;
    const qsizetype taille_;
    qsizetype pos_ = 0;
    bool fini_ = false;
    std::vector<Etat> pile_;
    int groupesExcedentaires_ = 0;
    Etat etat_;
    int aSauter_ = 0;
    QString ligne_;
    QStringList lignes_;

    void ouvrirGroupe()
    {
        aSauter_ = 0;
        if (pile_.size() >= ProfondeurMax) {
            ++groupesExcedentaires_;
            return;
        }
        pile_.push_back(etat_);
    }

    void fermerGroupe()
    {
        aSauter_ = 0;
        if (groupesExcedentaires_ > 0) {
            --groupesExcedentaires_;
            return;
        }
        if (pile_.empty()) {
            fini_ = true;
            return;
        }
        etat_ = pile_.back();
        pile_.pop_back();
        fini_ = pile_.empty();
    }

    bool texteIgnore() const { return etat_.ignore || groupesExcedentaires_ > 0; }

    // True when the character stands in for the \uN just read and must be dropped.
    bool consommerRemplacement()
    {
        if (aSauter_ == 0)
            return false;
        --aSauter_;
        return true;
    }

    void caractere(QChar c)
    {
        if (consommerRemplacement() || texteIgnore())
            return;
        ligne_ += c;
    }

    void octetTexte(uchar octet) { caractere(pageCode().caracteres[octet]); }

    void finirLigne()
    {
        if (texteIgnore())
            return;
        lignes_.append(ligne_);
        ligne_.clear();
    }

    void lireControle()
    {
        if (pos_ >= taille_)
            return;
        const char c = octets_[pos_];
        if (estLettre(c))
            lireMotControle();
        else {
            ++pos_;
            lireSymbole(c);
        }
    }

    void lireSymbole(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            octetTexte(static_cast<uchar>(c));
            break;
        case '\'':
            lireOctetHexa();
            break;
        case '*':
            etat_.ignore = true;
            break;
        case '~':
            caractere(QChar(0x00A0));
            break;
        case '_':
            caractere(QLatin1Char('-'));
            break;
        case '\r':
        case '\n':
            if (!consommerRemplacement())
                finirLigne();
            break;
        default:
            consommerRemplacement();
        }
    }

    void lireOctetHexa()
    {
        const int fort = pos_ < taille_ ? valeurHexa(octets_[pos_]) : -1;
        const int faible = pos_ + 1 < taille_ ? valeurHexa(octets_[pos_ + 1]) : -1;
        if (fort < 0 || faible < 0)
            return;
        pos_ += 2;
        octetTexte(static_cast<uchar>(fort * 16 + faible));
    }

    void lireMotControle()
    {
        QByteArray mot;
        while (pos_ < taille_ && estLettre(octets_[pos_])) {
            if (mot.size() < LongueurMotMax)
                mot += octets_[pos_];
            ++pos_;
        }
        bool negatif = false;
        if (pos_ < taille_ && octets_[pos_] == '-') {
            negatif = true;
            ++pos_;
        }
        qint64 valeur = 0;
        bool aValeur = false;
        int chiffres = 0;
        while (pos_ < taille_ && estChiffre(octets_[pos_])) {
            if (chiffres++ < ChiffresMax)
                valeur = valeur * 10 + (octets_[pos_] - '0');
            aValeur = true;
            ++pos_;
        }
        if (pos_ < taille_ && octets_[pos_] == ' ')
            ++pos_;
        motControle(mot, negatif ? -valeur : valeur, aValeur);
    }

    void motControle(const QByteArray& mot, qint64 valeur, bool aValeur)
    {
        if (mot == "u" && aValeur) {
            unicode(valeur);
            return;
        }
        if (consommerRemplacement())
            return;
        if (mot == "par" || mot == "line")
            finirLigne();
        else if (mot == "uc" && aValeur)
            etat_.octetsRemplacement = static_cast<int>(std::clamp<qint64>(valeur, 0, 8));
        else if (destinationsIgnorees().contains(mot))
            etat_.ignore = true;
        else if (const char16_t c = caractereNomme(mot))
            caractere(QChar(c));
    }

    void unicode(qint64 valeur)
    {
        if (consommerRemplacement())
            return;
        // Values above 32767 are written as negative numbers.
        const qint64 code = valeur < 0 ? valeur + 65536 : valeur;
        if (code > 0 && code <= 0xFFFF)
            caractere(QChar(static_cast<char16_t>(code)));
        aSauter_ = etat_.octetsRemplacement;
    }
};

QStringList lignesTexteSimple(const QByteArray& octets)
{
    QString texte = depuisWindows1252(octets);
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return texte.split(QLatin1Char('\n'));
}

} // namespace

QByteArray documentRtf(const QStringList& lignes)
{
    QByteArray document = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036"
                          "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
                          "\\viewkind4\\uc1\\pard\\f0\\fs16 ";
    for (const QString& ligne : lignes)
        document += echapper(ligne) + "\\par\r\n";
    document += "}\r\n";
    return document;
}

QStringList lignesDocument(const QByteArray& octets)
{
    if (estDocumentRtf(octets))
        return LecteurRtf(octets).lire();
    return lignesTexteSimple(octets);
}
