#include "Rtf.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QStringList lignes(std::initializer_list<const char*> textes)
{
    QStringList resultat;
    for (const char* t : textes)
        resultat.append(QString::fromUtf8(t));
    return resultat;
}

QStringList lire(const char* document)
{
    return lignesDocument(QByteArray(document));
}

TEST(Rtf, LeDocumentEcritGardeChaqueLigneEtSonOrdre)
{
    const QStringList records = lignes({"Série 1\\Ex05", "Série 2\\Ex07", "", "  espaces  ",
                                        "{accolades}", "tab\tulé", "œuvre à 5 €", "Ω grec",
                                        "\\par pas un paragraphe"});
    const QByteArray document = documentRtf(records);
    EXPECT_TRUE(document.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    for (char octet : document)
        EXPECT_LT(static_cast<uchar>(octet), 0x80) << "the document is pure ASCII";
    // The final paragraph mark leaves one empty line after the records.
    EXPECT_EQ(lignesDocument(document), records + QStringList{QString()});
}

TEST(Rtf, LesCaracteresSontEchappesCommeUnControleRicheLesEcrit)
{
    const QByteArray document = documentRtf(lignes({"Série 1\\Ex05", "{x}", "Ω"}));
    EXPECT_TRUE(document.contains("S\\'e9rie 1\\\\Ex05\\par\r\n"));
    EXPECT_TRUE(document.contains("\\{x\\}\\par\r\n"));
    EXPECT_TRUE(document.contains("\\u937?\\par\r\n"));
    EXPECT_TRUE(document.endsWith("}\r\n"));
    EXPECT_EQ(lignesDocument(documentRtf({})), QStringList{QString()});
}

TEST(Rtf, LeDocumentDUnControleRicheWindowsSeLit)
{
    const char* document =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans "
        "Serif;}}\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs16 S\\'e9rie 1\\\\Ex05\\par\n"
        "S\\'e9rie 2\\\\Ex07\\par\n"
        "}\n";
    EXPECT_EQ(lire(document), lignes({"Série 1\\Ex05", "Série 2\\Ex07", ""}));
}

TEST(Rtf, LesDestinationsIgnorablesNeDonnentAucunTexte)
{
    const char* document =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Times;}}{\\colortbl ;\\red255\\green0\\blue0;}"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Titre}{\\author Moi}}"
        "{\\*\\generator Msftedit 5.41;}{\\*\\inconnu {texte cach\\'e9}}"
        "\\pard un{\\b  gras} mot\\line deux\\par}\r\n\0";
    EXPECT_EQ(lire(document), lignes({"un gras mot", "deux", ""}));
}

TEST(Rtf, UnicodeEtSonRemplacement)
{
    // \ucN says how many characters follow each \uN for readers that do not know it.
    EXPECT_EQ(lire("{\\rtf1\\uc1 caf\\u233?\\par}"), lignes({"café", ""}));
    EXPECT_EQ(lire("{\\rtf1\\uc2 \\u8364\\'80\\'80 euro}"), lignes({"€ euro"}));
    EXPECT_EQ(lire("{\\rtf1\\uc0 \\u937 x}"), lignes({"Ωx"}));
    EXPECT_EQ(lire("{\\rtf1 \\u-3913?}"), QStringList{QString(QChar(0xF0B7))});
    // The count is restored at the end of the group that set it.
    EXPECT_EQ(lire("{\\rtf1{\\uc3 a}\\u233?b}"), lignes({"aéb"}));
}

TEST(Rtf, SymbolesDeControle)
{
    EXPECT_EQ(lire("{\\rtf1 a\\~b\\_c\\-d\\{e\\}\\\\\\tab f\\lquote g\\rquote}"),
              QStringList{QStringLiteral("a\u00A0b-cd{e}\\\tf\u2018g\u2019")});
    // A backslash before a line end is a paragraph mark.
    EXPECT_EQ(lire("{\\rtf1 un\\\r\ndeux}"), lignes({"un", "deux"}));
}

TEST(Rtf, CeQuiNEstPasDuRtfSeLitCommeDuTexte)
{
    EXPECT_EQ(lire("S\xe9rie 1\\Ex05\r\nS\xe9rie 2\\Ex07\r\n"),
              lignes({"Série 1\\Ex05", "Série 2\\Ex07", ""}));
    EXPECT_EQ(lire("un\ndeux"), lignes({"un", "deux"}));
    EXPECT_EQ(lire(" {\\rtf1 pas au d\xe9" "but}"), QStringList{QStringLiteral(" {\\rtf1 pas au début}")});
    EXPECT_EQ(lignesDocument(QByteArray()), QStringList{QString()});
}

TEST(Rtf, UnDocumentAbimeSeLitJusquOuIlPeut)
{
    EXPECT_EQ(lire("{\\rtf1 fin\\'"), lignes({"fin"}));
    EXPECT_EQ(lire("{\\rtf1 a\\'zzb}"), lignes({"azzb"}));
    EXPECT_EQ(lire("{\\rtf1 a\\'4"), lignes({"a4"}));
    EXPECT_EQ(lire("{\\rtf1 a}b\\par c}"), lignes({"a"}));
    EXPECT_EQ(lire("{\\rtf1 \\u99999999999999999999? x\\uc99999999999 \\u65?yz}"), lignes({" xA"}))
        << "numbers are cut, never overflowed; the fallback count is bounded";
    EXPECT_EQ(lire("{\\rtf1 \\"), QStringList{QString()});
    EXPECT_EQ(lire("{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz1 ok}"),
              lignes({"ok"}));
}

TEST(Rtf, DesGroupesTresProfondsNeFontPasCroitreLaPile)
{
    QByteArray document = "{\\rtf1 a";
    document += QByteArray(1'000'000, '{');
    document += "cach\\'e9";
    document += QByteArray(1'000'000, '}');
    document += "b\\par}";
    const QStringList resultat = lignesDocument(document);
    ASSERT_EQ(resultat.size(), 2);
    EXPECT_TRUE(resultat.at(0).startsWith(QLatin1Char('a')));
    EXPECT_TRUE(resultat.at(0).endsWith(QLatin1Char('b')));
}

TEST(Rtf, DesOctetsAuHasardSeLisentEtSeReecrivent)
{
    QRandomGenerator hasard(1234);
    static const char brut[] = "{}\\'*uc0123456789-abpar \r\n\xe9\x81\x00\t~";
    const QByteArray alphabet(brut, sizeof brut - 1);
    for (int essai = 0; essai < 2000; ++essai) {
        // Every other document is plain text.
        QByteArray document = essai % 2 ? QByteArray("{\\rtf1") : QByteArray();
        const int longueur = hasard.bounded(200);
        for (int i = 0; i < longueur; ++i)
            document += alphabet.at(hasard.bounded(alphabet.size()));
        const QStringList resultat = lignesDocument(document);
        ASSERT_FALSE(resultat.isEmpty());
        // Whatever was read is written back so that it reads the same.
        ASSERT_EQ(lignesDocument(documentRtf(resultat)), resultat + QStringList{QString()})
            << document.toStdString();
    }
}

} // namespace
