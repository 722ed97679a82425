#include "DossierTemporaire.h"
#include "Enregistrements.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

TEST(Windows1252, LesLettresFrancaisesFontLAllerRetourSurUnOctetChacune)
{
    const QString texte = QStringLiteral("Élève à l'école : œuvre, « déjà » 5 €");
    const QByteArray octets = versWindows1252(texte);
    EXPECT_EQ(octets.size(), texte.size());
    EXPECT_EQ(static_cast<unsigned char>(octets.at(0)), 0xC9);  // É
    EXPECT_EQ(static_cast<unsigned char>(octets.back()), 0x80); // € sits in the 0x80 row
    EXPECT_EQ(depuisWindows1252(octets), texte);
}

TEST(Windows1252, UnCaractereHorsDuJeuDevientUnPointDInterrogation)
{
    EXPECT_EQ(versWindows1252(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
    EXPECT_EQ(versWindows1252(QStringLiteral("x\U0001F600y")), QByteArray("x?y"));
    EXPECT_EQ(versWindows1252(QStringLiteral("\x1A")), QByteArray("\x1A"));
}

// The conversions keep the code page in tables; they must answer exactly as the
// converter does, for every byte and every letter of the basic plane.
TEST(Windows1252, LesTablesRepondentCommeLeConvertisseur)
{
    QStringDecoder decodeur("windows-1252");
    QByteArray tous;
    for (int b = 0; b < 256; ++b)
        tous += static_cast<char>(b);
    EXPECT_EQ(depuisWindows1252(tous), decodeur.decode(tous));

    // One converter per letter, as the program converted before it kept tables.
    const auto parLeConvertisseur = [](const QString& texte) {
        QStringEncoder encodeur("windows-1252");
        QByteArray octets;
        for (char32_t point : texte.toUcs4()) {
            const QByteArray lettre = encodeur.encode(QString::fromUcs4(&point, 1));
            octets += lettre.size() == 1 && (lettre[0] != '\x1A' || point == 0x1A) ? lettre
                                                                                 : QByteArray("?");
        }
        return octets;
    };
    int differences = 0;
    for (char32_t point = 0; point < 0x10000; ++point) {
        if (point >= 0xD800 && point < 0xE000)
            continue;
        const QString lettre = QString::fromUcs4(&point, 1);
        differences += versWindows1252(lettre) != parLeConvertisseur(lettre);
    }
    EXPECT_EQ(differences, 0);
}

TEST(TexteCourt, SeLitDansSaCaseEtIgnoreLesOctetsQuiSuivent)
{
    QByteArray enregistrement(20, 'x');
    enregistrement[4] = 3;
    enregistrement.replace(5, 3, "abc");
    EXPECT_EQ(lireTexteCourt(enregistrement, 4, 10), QStringLiteral("abc"));
}

TEST(TexteCourt, UnOctetDeLongueurAuDelaDeLaCapaciteEstRefuse)
{
    QByteArray enregistrement(60, '\0');
    enregistrement[0] = 51;
    EXPECT_FALSE(lireTexteCourt(enregistrement, 0, 50).has_value());
    enregistrement[0] = 50;
    EXPECT_EQ(lireTexteCourt(enregistrement, 0, 50)->size(), 50);
}

TEST(TexteCourt, UneCaseQuiDepasseLEnregistrementEstRefusee)
{
    const QByteArray court(10, '\0');
    EXPECT_FALSE(lireTexteCourt(court, 0, 10).has_value());
    EXPECT_FALSE(lireTexteCourt(court, 6, 4).has_value());
    EXPECT_FALSE(lireTexteCourt(court, -1, 4).has_value());
}

TEST(TexteCourt, LEcritureCoupeALaCapaciteEtGardeLesOctetsDeLaFin)
{
    QByteArray enregistrement(12, '#');
    ecrireTexteCourt(enregistrement, 2, 5, QStringLiteral("répertoire"));
    EXPECT_EQ(enregistrement, QByteArray("##\x05r\xE9per####"));

    ecrireTexteCourt(enregistrement, 2, 5, QStringLiteral("ab"));
    EXPECT_EQ(enregistrement, QByteArray("##\x02" "abper####"));
}

TEST(TexteCourt, UneEcritureHorsDeLEnregistrementNeChangeRien)
{
    QByteArray enregistrement(8, '#');
    ecrireTexteCourt(enregistrement, 4, 5, QStringLiteral("abc"));
    EXPECT_EQ(enregistrement, QByteArray(8, '#'));
}

TEST(Enregistrement, SeulLePremierEnregistrementEntierEstLu)
{
    DossierTemporaire dossier;
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("long.dat"), QByteArray("abcdefgh")));
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("court.dat"), QByteArray("abc")));
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("vide.dat"), QByteArray()));

    EXPECT_EQ(lirePremierEnregistrement(QStringLiteral("long.dat"), 4), QByteArray("abcd"));
    EXPECT_FALSE(lirePremierEnregistrement(QStringLiteral("court.dat"), 4).has_value());
    EXPECT_FALSE(lirePremierEnregistrement(QStringLiteral("vide.dat"), 4).has_value());
    EXPECT_FALSE(lirePremierEnregistrement(QStringLiteral("absent.dat"), 4).has_value());
    EXPECT_EQ(lireFichier(QStringLiteral("court.dat")), QByteArray("abc"));
}

TEST(Enregistrement, UneEcritureImpossibleLaisseLAncienFichierIntact)
{
    DossierTemporaire dossier;
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("garde.dat"), QByteArray("ancien")));
    ASSERT_TRUE(ecrireFichier(QStringLiteral("garde.dat"), QByteArray("nouveau")));
    EXPECT_EQ(lireFichier(QStringLiteral("garde.dat")), QByteArray("nouveau"));

    QString erreur;
    EXPECT_FALSE(ecrireFichier(QStringLiteral("sans/dossier.dat"), QByteArray("x"), &erreur));
    EXPECT_FALSE(erreur.isEmpty());
    EXPECT_EQ(lireFichier(QStringLiteral("garde.dat")), QByteArray("nouveau"));
}
