#include "Preferences.h"
#include "ReglesJeu1.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::array<QSize, 2> TaillesCases = {QSize(40, 40), QSize(51, 49)};

TEST(ReglesJeu1, LesChoixDeCouleursSuiventLaTaille)
{
    EXPECT_EQ(LegendeTailleJeu1(1), QStringLiteral("Taille 1 (3 x 5)"));
    EXPECT_EQ(LegendeTailleJeu1(4), QStringLiteral("Taille 4 (6 x 8)"));
    const std::array<QStringList, 4> attendus = {
        QStringList{QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("7"), QStringLiteral("10")},
        QStringList{QStringLiteral("5"), QStringLiteral("7"), QStringLiteral("10"), QStringLiteral("12")},
        QStringList{QStringLiteral("7"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20")},
        QStringList{QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20"), QStringLiteral("24")},
    };
    for (int taille = 1; taille <= 4; ++taille) {
        EXPECT_EQ(TextesCasesColorees(taille), attendus[taille - 1]) << "taille " << taille;
        for (int choix = 1; choix <= 4; ++choix) {
            const DimensionsJeu1 dim = DimensionsPour(taille, choix);
            EXPECT_EQ(QString::number(dim.NbCasesColorees), attendus[taille - 1][choix - 1]);
            // A game always leaves some cells of the model side empty, so the draws end.
            EXPECT_LT(dim.NbCasesColorees, dim.NbCasesCote);
        }
    }
}

TEST(ReglesJeu1, UnReglageAbimeRevientAuxValeursParDefaut)
{
    for (int mauvais : {0, 5, 255}) {
        EnregistrementReglages r;
        r.TailleJeu1 = static_cast<quint8>(mauvais);
        r.NbColoreesJeu1 = static_cast<quint8>(mauvais);
        r.ModifChoixJeu1 = 7;
        CorrigerReglagesJeu1(r);
        EXPECT_EQ(r.TailleJeu1, 3) << mauvais;
        EXPECT_EQ(r.NbColoreesJeu1, 2) << mauvais;
        EXPECT_EQ(r.ModifChoixJeu1, 7) << "only the exercise's own bytes are mended";
    }
    EnregistrementReglages bon;
    bon.TailleJeu1 = 4;
    bon.NbColoreesJeu1 = 1;
    CorrigerReglagesJeu1(bon);
    EXPECT_EQ(bon.TailleJeu1, 4);
    EXPECT_EQ(bon.NbColoreesJeu1, 1);
}

TEST(ReglesJeu1, AxeVerticalTaille1AuxDimensionsDeConception)
{
    const DispositionJeu1 d = Disposer(DimensionsPour(1, 1), true, QSize(40, 40), 4, 497);
    EXPECT_EQ(d.panneau, QRect(100, 144, 248, 208));
    EXPECT_EQ(d.G[1], QPoint(84, 4));
    EXPECT_EQ(d.D[1], QPoint(124, 4));
    EXPECT_EQ(d.G[3], QPoint(4, 4));   // end of the first row, away from the axis
    EXPECT_EQ(d.D[4], QPoint(124, 44)); // second row starts at the axis again
    EXPECT_EQ(d.axe, QRect(122, 0, 4, 208));
}

TEST(ReglesJeu1, AxeHorizontalTaille4AuxDimensionsDeConception)
{
    const DispositionJeu1 d = Disposer(DimensionsPour(4, 2), false, QSize(40, 40), 4, 497);
    EXPECT_EQ(d.panneau, QRect(100, 4, 328, 488));
    EXPECT_EQ(d.G[1], QPoint(4, 204));
    EXPECT_EQ(d.D[1], QPoint(4, 244));
    EXPECT_EQ(d.G[6], QPoint(4, 4));
    EXPECT_EQ(d.D[48], QPoint(284, 444));
    EXPECT_EQ(d.axe, QRect(0, 242, 328, 4));
}

TEST(ReglesJeu1, ChaqueCaseALeMiroirDeSaJumelleEtAucuneNeSeChevauche)
{
    for (const QSize cellule : TaillesCases) {
        for (int taille = 1; taille <= 4; ++taille) {
            for (bool vertical : {true, false}) {
                const DimensionsJeu1 dim = DimensionsPour(taille, 1);
                // The middle panel grows with the cells (497 high at 40 x 40).
                const int milieu = 497 * cellule.height() / 40;
                const DispositionJeu1 d = Disposer(dim, vertical, cellule, 4, milieu);
                const QRect dedans(QPoint(0, 0), d.panneau.size());
                std::set<std::pair<int, int>> places;
                for (int k = 1; k <= dim.NbCasesCote; ++k) {
                    const QRect g(d.G[k], cellule);
                    const QRect dr(d.D[k], cellule);
                    const std::string ligne = "taille " + std::to_string(taille)
                        + (vertical ? " verticale" : " horizontale") + " case " + std::to_string(k);
                    EXPECT_TRUE(dedans.contains(g) && dedans.contains(dr)) << ligne;
                    // Mirror across the line between the two blocks.
                    if (vertical) {
                        EXPECT_EQ(g.y(), dr.y()) << ligne;
                        EXPECT_EQ(g.x() + dr.x() + cellule.width(),
                                  2 * (cellule.width() / 10 + dim.ProfondeurJeu1 * cellule.width()))
                            << ligne;
                    } else {
                        EXPECT_EQ(g.x(), dr.x()) << ligne;
                        EXPECT_EQ(g.y() + dr.y() + cellule.height(),
                                  2 * (cellule.height() / 10 + dim.ProfondeurJeu1 * cellule.height()))
                            << ligne;
                    }
                    EXPECT_TRUE(places.insert({g.x(), g.y()}).second) << ligne;
                    EXPECT_TRUE(places.insert({dr.x(), dr.y()}).second) << ligne;
                }
                EXPECT_LT(d.panneau.bottom(), milieu);
                EXPECT_GE(d.panneau.top(), 0);
                // Clear of the buttons, which start at 557 at design.
                EXPECT_LT(d.panneau.right(), 557 * cellule.width() / 40);
            }
        }
    }
}

TEST(ReglesJeu1, UnePartieTireeALesBonnesCouleursEtLeBonNombreDeCases)
{
    std::set<std::pair<bool, bool>> orientations;
    for (quint32 graine = 1; graine <= 60; ++graine) {
        const int taille = 1 + static_cast<int>(graine % 4);
        const int choix = 1 + static_cast<int>((graine / 4) % 4);
        const DimensionsJeu1 dim = DimensionsPour(taille, choix);
        QRandomGenerator hasard(graine);
        const PartieJeu1 partie = TirerPartie(dim, hasard);
        orientations.insert({partie.axeVertical, partie.modeleCoteG});

        std::set<int> couleurs;
        for (int i = 1; i <= NbCouleursPartie; ++i) {
            const int n = partie.couleurs[i];
            EXPECT_TRUE(n >= 1 && n <= 15 && !CouleurSansCrayon(n)) << "graine " << graine << ": " << n;
            couleurs.insert(n);
        }
        EXPECT_EQ(couleurs.size(), 5u) << "graine " << graine;

        ASSERT_EQ(partie.nbModele, dim.NbCasesColorees);
        std::set<int> cases;
        for (int i = 1; i <= partie.nbModele; ++i) {
            const CaseModele& c = partie.modele[i];
            EXPECT_TRUE(c.numero >= 1 && c.numero <= dim.NbCasesCote) << "graine " << graine;
            EXPECT_TRUE(couleurs.count(c.couleur)) << "graine " << graine;
            cases.insert(c.numero);
        }
        EXPECT_EQ(static_cast<int>(cases.size()), dim.NbCasesColorees) << "graine " << graine;
    }
    EXPECT_EQ(orientations.size(), 4u) << "every axis and model side comes up";
}

TEST(ReglesJeu1, LaMemeGraineDonneLaMemePartie)
{
    const DimensionsJeu1 dim = DimensionsPour(4, 4);
    QRandomGenerator hasardA(1234);
    const PartieJeu1 a = TirerPartie(dim, hasardA);
    QRandomGenerator hasardB(1234);
    const PartieJeu1 b = TirerPartie(dim, hasardB);
    EXPECT_EQ(a.axeVertical, b.axeVertical);
    EXPECT_EQ(a.modeleCoteG, b.modeleCoteG);
    EXPECT_EQ(a.couleurs, b.couleurs);
    for (int i = 1; i <= a.nbModele; ++i) {
        EXPECT_EQ(a.modele[i].numero, b.modele[i].numero);
        EXPECT_EQ(a.modele[i].couleur, b.modele[i].couleur);
    }
}

} // namespace
