#include "Rtf.h"

#include "Enregistrements.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace {

bool estDocumentRtf(const QByteArray& octets)
{
    return octets.startsWith("{\\rtf");
}

// ---- writing ----

void echapper(const QString& ligne, QByteArray& sortie)
{
    for (const QChar c : ligne) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            sortie += '\\';
            sortie += static_cast<char>(u);
        } else if (u == u'\t') {
            sortie += "\\tab ";
        } else if (u >= 0x20 && u < 0x7F) {
            sortie += static_cast<char>(u);
        } else if (const int octet = octetWindows1252(u); octet >= 0) {
            sortie += "\\'";
            sortie += "0123456789abcdef"[octet / 16];
            sortie += "0123456789abcdef"[octet % 16];
        } else {
            // \u takes a signed 16-bit value; the '?' is what older readers show instead.
            sortie += "\\u" + QByteArray::number(static_cast<qint16>(u)) + '?';
        }
    }
}

// ---- reading ----

// Destinations whose text is not part of the document's lines, in alphabetical order.
constexpr std::array<std::string_view, 40> DestinationsIgnorees = {
    "annotation", "bkmkend", "bkmkstart", "colorschememapping", "colortbl", "datastore",
    "docvar", "filetbl", "fldinst", "fonttbl", "footer", "footerf", "footerl", "footerr",
    "footnote", "generator", "header", "headerf", "headerl", "headerr", "info",
    "latentstyles", "listoverridetable", "listtable", "mmathPr", "nonshppict", "objdata",
    "object", "pgdsctbl", "pict", "revtbl", "rsidtbl", "stylesheet", "tc", "template",
    "themedata", "userprops", "wgrffmtfilter", "xe", "xmlnsdecl"};
static_assert(std::is_sorted(DestinationsIgnorees.begin(), DestinationsIgnorees.end()));

bool destinationIgnoree(std::string_view mot)
{
    return std::binary_search(DestinationsIgnorees.begin(), DestinationsIgnorees.end(), mot);
}

char16_t caractereNomme(std::string_view mot)
{
    struct Nom {
        std::string_view mot;
        char16_t caractere;
    };
    static constexpr std::array<Nom, 8> noms = {{{"tab", u'\t'},
                                                 {"lquote", 0x2018},
                                                 {"rquote", 0x2019},
                                                 {"ldblquote", 0x201C},
                                                 {"rdblquote", 0x201D},
                                                 {"bullet", 0x2022},
                                                 {"endash", 0x2013},
                                                 {"emdash", 0x2014}}};
    const auto trouve = std::find_if(noms.begin(), noms.end(), [&](const Nom& n) { return n.mot == mot; });
    return trouve == noms.end() ? 0 : trouve->caractere;
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
                lireTexte();
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

    void octetTexte(uchar octet) { caractere(caractereWindows1252(octet)); }

    static bool estTexte(char c) { return c != '{' && c != '}' && c != '\\' && c != '\r' && c != '\n'; }

    // Plain text, from the byte just read up to the next brace, control word or line end,
    // taken in one piece: the characters standing in for a \uN first, then the rest.
    void lireTexte()
    {
        qsizetype debut = pos_ - 1;
        while (pos_ < taille_ && estTexte(octets_[pos_]))
            ++pos_;
        while (debut < pos_ && consommerRemplacement())
            ++debut;
        if (debut == pos_ || texteIgnore())
            return;
        const qsizetype avant = ligne_.size();
        ligne_.resize(avant + (pos_ - debut));
        QChar* sortie = ligne_.data() + avant;
        for (qsizetype i = debut; i < pos_; ++i)
            *sortie++ = caractereWindows1252(static_cast<uchar>(octets_[i]));
    }

    void finirLigne()
    {
        if (texteIgnore())
            return;
        // The line is copied at its exact size and the buffer kept for the next one: one
        // allocation per line however many pieces it was read in.
        lignes_.append(QString(ligne_.constData(), ligne_.size()));
        ligne_.resize(0);
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
        const qsizetype debut = pos_;
        while (pos_ < taille_ && estLettre(octets_[pos_]))
            ++pos_;
        // Longer words are no word the reader knows: only their beginning is compared.
        const auto longueur = std::min<qsizetype>(pos_ - debut, LongueurMotMax);
        const std::string_view mot(octets_ + debut, std::size_t(longueur));
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

    void motControle(std::string_view mot, qint64 valeur, bool aValeur)
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
        else if (destinationIgnoree(mot))
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

// The decoder gives a control character, or the replacement character, for every byte
// a text never holds.
std::array<bool, 256> octetsEtrangers()
{
    std::array<bool, 256> etrangers{};
    for (int octet = 0; octet < 256; ++octet) {
        const QChar c = caractereWindows1252(static_cast<uchar>(octet));
        const bool blanc = c == u'\t' || c == u'\r' || c == u'\n';
        etrangers[std::size_t(octet)] =
            (c.category() == QChar::Other_Control && !blanc) || c == QChar::ReplacementCharacter;
    }
    return etrangers;
}

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
    for (const QString& ligne : lignes) {
        echapper(ligne, document);
        document += "\\par\r\n";
    }
    document += "}\r\n";
    return document;
}

QStringList lignesDocument(const QByteArray& octets)
{
    if (estDocumentRtf(octets))
        return LecteurRtf(octets).lire();
    return lignesTexteSimple(octets);
}

bool documentLisible(const QByteArray& octets)
{
    static const std::array<bool, 256> etrangers = octetsEtrangers();
    const auto* debut = reinterpret_cast<const uchar*>(octets.constData());
    const auto* fin = debut + octets.size();
    while (fin != debut && fin[-1] == 0)
        --fin;
    return std::none_of(debut, fin, [](uchar octet) { return etrangers[octet]; });
}
