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
