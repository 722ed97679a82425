#include "Voix.h"

#include <QTest>

#include <gtest/gtest.h>

// The system's voice, where a French one is installed: a sentence is accepted by the
// engine without error; elsewhere the program stays silent.
TEST(Voix, UnePhraseParLaVoixDuSysteme)
{
    VoixSysteme voix;
    if (!voix.disponible())
        GTEST_SKIP() << "no French voice here";
    voix.dire(QStringLiteral("Bravo, c'est juste."));
    QTest::qWait(200);
    EXPECT_TRUE(voix.disponible());
}

// An engine cuts off what it is saying when it is handed a new sentence: "Faux" and its
// explanation are said one after the other, each once.
TEST(Voix, ChaquePhraseAttendQueLaPrecedenteSoitDite)
{
    QStringList dites;
    FileDePhrases file([&dites](const QString& phrase) { dites << phrase; });
    const QString explication = QStringLiteral("Ta figure est décalée d'un carreau vers la droite.");
    file.ajouter(QStringLiteral("Faux"));
    file.ajouter(explication);
    file.ajouter(explication);
    EXPECT_EQ(dites, QStringList{QStringLiteral("Faux")}) << "the explanation waits";
    file.phraseFinie();
    EXPECT_EQ(dites, (QStringList{QStringLiteral("Faux"), explication}));
    file.phraseFinie();
    EXPECT_FALSE(file.occupee());
    file.ajouter(QStringLiteral("Juste"));
    EXPECT_EQ(dites.last(), QStringLiteral("Juste")) << "said at once when nothing is being said";
    EXPECT_EQ(dites.size(), 3);
}
