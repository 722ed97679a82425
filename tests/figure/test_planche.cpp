#include "Couleurs.h"
#include "PlancheDessin.h"

#include <QRect>

#include <gtest/gtest.h>

namespace {

constexpr int T = 20;

class Planche : public ::testing::Test {
protected:
    Quadrillage grille; // 24 x 24 cells of 20 pixels
    PlancheDessin planche{grille, 3};

    std::optional<ElementFigure> tracer(QPoint de, QPoint a)
    {
        planche.appuyer(de, CouleurBlanc);
        planche.deplacer(a);
        return planche.relacher(a);
    }
};

QRect Boite(const ElementFigure& e)
{
    return QRect(QPoint(e.X1, e.Y1), QPoint(e.X2, e.Y2));
}

} // namespace

TEST_F(Planche, UnTraceVaDeNoeudEnNoeud)
{
    // Exactly half-way goes to the lower line; beyond the grid, its edge.
    const auto trait = tracer({30, 45}, {900, 31});
    ASSERT_TRUE(trait);
    EXPECT_EQ(trait->GenreElement, GenreTrait);
    EXPECT_EQ(Boite(*trait), QRect(QPoint(20, 40), QPoint(480, 40)));
    EXPECT_EQ(trait->Couleur, CouleurBlanc) << "the colour word of an empty slot";
    EXPECT_FALSE(planche.traceEnCours());
    EXPECT_EQ(planche.figure().NbElements, 0) << "the window decides whether to add it";

    planche.appuyer({100, 100}, CouleurBlanc);
    planche.deplacer({-50, 900});
    EXPECT_EQ(planche.pointeur(), QPoint(1, 481)) << "held just outside the grid";
    EXPECT_FALSE(planche.relacher({105, 95})) << "a click without a drag makes nothing";
    EXPECT_FALSE(planche.relacher({300, 300})) << "no stroke in progress";
}

TEST_F(Planche, SeulUnSegmentPeutEtrePlatEtLesCerclesSontCarres)
{
    const QPoint depart(3, 3);
    EXPECT_TRUE(FormeAcceptable(Outil::Trait, depart, {8, 3}));
    EXPECT_FALSE(FormeAcceptable(Outil::Trait, depart, depart));
    for (Outil outil : {Outil::Rectangle, Outil::Cercle, Outil::QuartDeCercle}) {
        EXPECT_FALSE(FormeAcceptable(outil, depart, {8, 3}));
        EXPECT_FALSE(FormeAcceptable(outil, depart, {3, 9}));
        EXPECT_TRUE(FormeAcceptable(outil, depart, {1, 9}));
    }

    planche.choisirOutil(Outil::Cercle);
    const auto cercle = tracer({2 * T, 2 * T}, {7 * T, 4 * T});
    ASSERT_TRUE(cercle);
    EXPECT_EQ(Boite(*cercle), QRect(QPoint(40, 40), QPoint(80, 80))) << "the shorter side";
    planche.choisirOutil(Outil::QuartDeCercle);
    const auto quart = tracer({10 * T, 10 * T}, {4 * T, 8 * T});
    ASSERT_TRUE(quart);
    EXPECT_EQ(QPoint(quart->X2, quart->Y2), QPoint(8 * T, 8 * T)) << "towards the mouse";
}

TEST_F(Planche, LaPeintureNePartNiDuNoirNiDeSaCouleur)
{
    planche.choisirOutil(Outil::Peinture);
    planche.choisirCouleur(CouleurRouge);
    EXPECT_FALSE(planche.appuyer({85, 67}, CouleurNoir));
    EXPECT_FALSE(planche.appuyer({85, 67}, CouleurRouge));
    const auto zone = planche.appuyer({85, 67}, CouleurGrisQuadrillage);
    ASSERT_TRUE(zone);
    EXPECT_EQ(zone->GenreElement, GenreColoriage);
    EXPECT_EQ(zone->Couleur, CouleurRouge);
    EXPECT_EQ(QPoint(zone->CaseX1, zone->CaseY1), QPoint(4, 3));
    EXPECT_FALSE(planche.traceEnCours()) << "painting draws no stroke";
}

TEST_F(Planche, AjoutAnnulationEtGomme)
{
    EXPECT_FALSE(planche.annulerDernier());
    EXPECT_FALSE(planche.effacerTout());
    for (int ligne = 1; ligne <= 4; ++ligne)
        EXPECT_EQ(planche.ajouter(*tracer({0, ligne * T}, {5 * T, ligne * T})), ligne <= 3);
    ASSERT_EQ(planche.figure().NbElements, 3) << "a board keeps its maximum";

    planche.basculerGomme();
    EXPECT_FALSE(planche.retirer(4));
    EXPECT_TRUE(planche.modeGomme());
    EXPECT_TRUE(planche.retirer(1));
    EXPECT_FALSE(planche.modeGomme()) << "one marker removes one element";
    EXPECT_EQ(planche.figure()[1].Y1, 2 * T) << "the next elements move down";

    planche.basculerGomme();
    planche.choisirOutil(Outil::Rectangle);
    EXPECT_FALSE(planche.modeGomme()) << "a tool ends the eraser";
    planche.basculerGomme();
    EXPECT_TRUE(planche.annulerDernier());
    EXPECT_FALSE(planche.modeGomme());
    EXPECT_EQ(planche.figure().NbElements, 1);
    EXPECT_TRUE(planche.effacerTout());
    EXPECT_EQ(planche.figure().NbElements, 0);

    planche.choisirCouleur(CouleurVert);
    planche.vider();
    EXPECT_EQ(planche.outil(), Outil::Trait);
    EXPECT_EQ(planche.couleur(), CouleurParDefaut);
}
