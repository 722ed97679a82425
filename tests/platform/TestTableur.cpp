// Spreadsheet text and ZIP archives: what a spreadsheet, a text editor or libzip hands the
// program, read back as it was meant.

#include "Archive.h"
#include "Enregistrements.h"
#include "Tableur.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QString Noms = QStringLiteral("Léa Œuvrard;François Garçon;Maël");
} // namespace

TEST(Tableur, ChaqueCodageDonneLesMemesLettres)
{
    QByteArray utf16(QByteArrayLiteral("\xFF\xFE"));
    for (QChar c : Noms)
        utf16 += QByteArray(1, char(c.unicode() & 0xFF)) + QByteArray(1, char(c.unicode() >> 8));
    QByteArray latin9 = QByteArrayLiteral("L\xE9" "a \xBC" "uvrard;Fran\xE7ois Gar\xE7on;Ma\xEBl");
    const struct {
        const char* cas;
        QByteArray octets;
        const char* codage;
    } cas[] = {
        {"UTF-8 avec sa marque", "\xEF\xBB\xBF" + Noms.toUtf8(), "UTF-8"},
        {"UTF-8 sans marque", Noms.toUtf8(), "UTF-8"},
        {"Windows-1252 (Œ en 0x8C)", versWindows1252(Noms), "Windows-1252"},
        {"ISO-8859-15 (Œ en 0xBC)", latin9, "ISO-8859-15"},
        {"UTF-16 avec sa marque", utf16, "UTF-16"},
    };
    for (const auto& c : cas) {
        const TexteDecode lu = DecoderTexte(c.octets);
        EXPECT_EQ(lu.texte, Noms) << c.cas;
        EXPECT_EQ(lu.codage, QString::fromUtf8(c.codage)) << c.cas;
    }
    // ISO-8859-1 is Windows-1252 for letters, and "´" stays an accent, not "Ž".
    EXPECT_EQ(DecoderTexte("Fran\xE7ois N\xB4" "Diaye").texte, QStringLiteral("François N´Diaye"));
}

TEST(Tableur, EnregistrementsChampsEtLignes)
{
    const QString texte = QStringLiteral("Nom;Adresse\r\n"
                                         "Léa;\"12 rue; bât. \"\"B\"\"\"\r\n"
                                         "\r\n"
                                         ";;\n"
                                         "Paul;\"deux\r\nlignes\"\r"
                                         "Zoé;fin\n"
                                         "\"Ugo;sans fin");
    const QList<EnregistrementCsv> lus = LireCsv(texte, u';');
    ASSERT_EQ(lus.size(), 5);
    const struct {
        int ligne;
        QStringList champs;
        bool ouvert;
    } attendus[] = {
        {1, {QStringLiteral("Nom"), QStringLiteral("Adresse")}, false},
        {2, {QStringLiteral("Léa"), QStringLiteral("12 rue; bât. \"B\"")}, false},
        {5, {QStringLiteral("Paul"), QStringLiteral("deux\r\nlignes")}, false},
        {7, {QStringLiteral("Zoé"), QStringLiteral("fin")}, false},
        {8, {QStringLiteral("\"Ugo"), QStringLiteral("sans fin")}, true},
    };
    for (int i = 0; i < lus.size(); ++i) {
        EXPECT_EQ(lus[i].ligne, attendus[i].ligne) << i;
        EXPECT_EQ(lus[i].champs, attendus[i].champs) << i;
        EXPECT_EQ(lus[i].guillemetOuvert, attendus[i].ouvert) << i;
    }
}

TEST(Tableur, SeparateurDevine)
{
    const struct {
        const char* texte;
        QChar separateur;
    } cas[] = {
        {"Nom;Prénom;Adresse\nMartin;Léa;\"1, rue A\"\nDurand;Paul;\"2, rue B\"\n", u';'},
        {"Nom\tPrénom\nMartin\tLéa\n", u'\t'},
        {"Nom;Prénom\nMartin;Léa\nDurand;Paul\nun, deux, trois\n", u';'},
    };
    for (const auto& c : cas)
        EXPECT_EQ(DevinerSeparateur(QString::fromUtf8(c.texte)), c.separateur) << c.texte;
}

TEST(Archive, LaDateRevientEtUneArchiveAbimeeEstRefusee)
{
    QTemporaryDir dossier;
    const QDateTime date(QDate(2026, 7, 3), QTime(16, 30, 0));
    const QList<FichierArchive> fichiers = {
        {QStringLiteral("bilans/Bilan Orvane CM1 Léa.reu"), QByteArray("{\\rtf1 S\xE9rie 1\\\\Ex05}"), date},
        {QStringLiteral("listes/CM1.elv"), QByteArray(512, '\0'), date},
    };
    const std::optional<QByteArray> octets = ContenuArchive(fichiers);
    ASSERT_TRUE(octets);
    const QString chemin = dossier.filePath(QStringLiteral("annee.zip"));
    ASSERT_TRUE(ecrireFichier(chemin, *octets));
    // Names and bytes come back as the year's end test shows; the date is checked here.
    const std::optional<QList<FichierArchive>> relus = LireArchive(chemin, 1 << 20);
    ASSERT_TRUE(relus && relus->size() == fichiers.size());
    EXPECT_EQ(relus->constLast().modification, date);

    // A damaged byte in the compressed data, a file that is no archive, and one that
    // would unfold beyond the limit.
    // The first entry's data follow its 30-byte header, its name and its extra field.
    QByteArray abimee = *octets;
    const auto mot = [&](int at) { return static_cast<uchar>(abimee[at]) | static_cast<uchar>(abimee[at + 1]) << 8; };
    abimee[30 + mot(26) + mot(28) + 2] ^= 0x55;
    const struct {
        const char* cas;
        QByteArray octets;
        qint64 limite;
    } refus[] = {{"abîmée", abimee, 1 << 20}, {"texte", "Nom;Prénom\n", 1 << 20}, {"trop grande", *octets, 100}};
    for (const auto& r : refus) {
        ASSERT_TRUE(ecrireFichier(chemin, r.octets));
        QString erreur;
        EXPECT_FALSE(LireArchive(chemin, r.limite, &erreur)) << r.cas;
        EXPECT_TRUE(erreur.contains(QStringLiteral("annee.zip"))) << r.cas << " " << erreur.toStdString();
    }
}
