#include "Sons.h"
#include "SortieSon.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<qint16> echantillons(Son son)
{
    const QByteArray octets = EchantillonsSon(son);
    std::vector<qint16> e(std::size_t(octets.size()) / sizeof(qint16));
    std::memcpy(e.data(), octets.constData(), e.size() * sizeof(qint16));
    return e;
}

// The pitch heard between two instants, from the sign changes of the wave.
double hauteur(const std::vector<qint16>& e, double de, double a)
{
    const auto debut = std::size_t(de * FrequenceEchantillonnage);
    const auto fin = std::min(e.size(), std::size_t(a * FrequenceEchantillonnage));
    int changements = 0;
    for (std::size_t i = debut + 1; i < fin; ++i)
        changements += (e[i - 1] < 0) != (e[i] < 0);
    return changements / 2.0 / (a - de);
}

} // namespace

// Each sound is short, starts and ends in silence (no click), is clearly heard and stays far
// from full scale; "Juste" rises, "Faux" lies below it.
TEST(Sons, DeuxSonsCourtsEtDoux)
{
    for (Son son : {Son::Juste, Son::Faux}) {
        const std::vector<qint16> e = echantillons(son);
        const double duree = double(e.size()) / FrequenceEchantillonnage;
        EXPECT_GT(duree, 0.2);
        EXPECT_LT(duree, 0.6);
        EXPECT_LT(std::abs(e.front()), 100);
        EXPECT_LT(std::abs(e.back()), 100);
        int crete = 0;
        for (qint16 v : e)
            crete = std::max(crete, std::abs(int(v)));
        EXPECT_GT(crete, 32767 / 10);
        EXPECT_LT(crete, 32767 / 2);
    }
    const std::vector<qint16> juste = echantillons(Son::Juste);
    const std::vector<qint16> faux = echantillons(Son::Faux);
    EXPECT_NEAR(hauteur(juste, 0.0, 0.1), 784, 40);
    EXPECT_NEAR(hauteur(juste, 0.26, 0.45), 1046, 40);
    EXPECT_LT(hauteur(faux, 0.0, 0.3), 400);
}

// Where no sound output exists (the tests' machines) a sound is skipped at once; where one
// does, it plays without holding the program. A program whose sound module is missing
// plays nothing either.
TEST(Sons, LaSortieDuSystemeNeFaitJamaisAttendre)
{
    EXPECT_NE(QLibrary(QStringLiteral(ORVANE_MODULE_SON)).resolve(NomFabriqueSortieSon), nullptr);
    EXPECT_EQ(QFileInfo(ModuleSonDuProgramme()).fileName(), QFileInfo(QStringLiteral(ORVANE_MODULE_SON)).fileName());
    for (const QString& module : {QStringLiteral(ORVANE_MODULE_SON), QStringLiteral("/introuvable/orvane_son.so")}) {
        SonsSysteme sons(module);
        QElapsedTimer montre;
        montre.start();
        sons.jouer(Son::Juste);
        sons.jouer(Son::Faux);
        sons.jouer(Son::Juste);
        EXPECT_LT(montre.elapsed(), 2000);
        QTest::qWait(100);
    }
}
