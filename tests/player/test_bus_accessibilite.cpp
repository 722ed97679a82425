#include "MondeJeu.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

// The player's tool buttons as a screen reader finds them, through the real accessibility
// bus. bus_accessibilite.sh gives this program a virtual display and buses of its own and
// names the client that asks the bus; started any other way, the test skips itself.
TEST(BusAccessibilite, LesOutilsDuJoueurSontTrouvesParLeurNom)
{
    const QString client = qEnvironmentVariable("ORVANE_CLIENT_ACCESSIBLE");
    if (client.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs the display and buses that bus_accessibilite.sh starts";
    MondeJeu monde(2);
    monde.charger(ContenuFichier(2, AxeVertical, 24, 20, { { GenreTrait, 3, 2, 9, 8 } }));

    QProcess lecteur;
    lecteur.start(client, { QString::number(QCoreApplication::applicationPid()) });
    // The client's questions are answered by this program's event loop: wait inside it.
    const QDeadlineTimer limite(30000);
    while (lecteur.state() != QProcess::NotRunning && !limite.hasExpired())
        QTest::qWait(50);
    if (lecteur.state() != QProcess::NotRunning) {
        lecteur.kill();
        lecteur.waitForFinished(2000);
        FAIL() << "the client did not finish in 30 s";
    }
    const QString erreurs = QString::fromUtf8(lecteur.readAllStandardError());
    if (lecteur.exitCode() == 77)
        GTEST_SKIP() << erreurs.toStdString();
    ASSERT_EQ(lecteur.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(lecteur.exitCode(), 0) << erreurs.toStdString();
    const QStringList noms = QString::fromUtf8(lecteur.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const char* outil : { "Trait", "Carré ou rectangle", "Cercle", "Quart de cercle", "Gomme" })
        EXPECT_TRUE(noms.contains(QString::fromUtf8(outil))) << outil << " is not among: "
                                                             << noms.join(QStringLiteral(", ")).toStdString();
}
