#include "ClavierDessin.h"
#include "Couleurs.h"
#include "Dessin.h"
#include "GesteDessin.h"
#include "PlancheDessin.h"
#include "SurfaceDessin.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// The keyboard on a surface of its own, over a grid of the given cells of 20 pixels.
struct Clavier {
    explicit Clavier(QSize cases)
    {
        grille.NbColonnes = cases.width();
        grille.NbLignes = cases.height();
        grille.TailleCase = 20;
        surface.prevoirImage(QSize(grille.NbColonnes * 20 + 4, grille.NbLignes * 20 + 4));
        clavier.recentrer(); // as a new exercise does
        // What the windows do with a finished gesture.
        QObject::connect(&geste, &GesteDessin::elementDessine, [this](const ElementFigure& e) {
            planche.ajouter(e);
            DessinerElement(surface.image(), e, Rendu::Joueur);
        });
    }
    void taper(Qt::Key touche, int fois = 1)
    {
        for (int i = 0; i < fois; ++i)
            QTest::keyClick(&surface, touche);
    }
    QString dit() const { return surface.accessibleDescription(); }

    Quadrillage grille;
    PlancheDessin planche{grille, 100};
    SurfaceDessin surface{nullptr};
    GesteDessin geste{&surface, planche};
    ClavierDessin clavier{&surface, &geste, planche, grille};
};

} // namespace

// The cursor starts in the middle and stops at the grid's edges, each way at its own
// count of cells.
TEST(ClavierDessin, LeCurseurResteDansLaGrilleQuelleQueSoitSaForme)
{
    for (QSize cases : {QSize(24, 24), QSize(24, 12), QSize(10, 18)}) {
        SCOPED_TRACE(testing::Message() << cases.width() << " x " << cases.height());
        Clavier c(cases);
        EXPECT_EQ(c.clavier.noeud(), QPoint(cases.width() / 2, cases.height() / 2));
        c.taper(Qt::Key_Right, 40);
        c.taper(Qt::Key_Down, 40);
        EXPECT_EQ(c.clavier.noeud(), QPoint(cases.width(), cases.height()));
        EXPECT_EQ(c.dit(), QStringLiteral("colonne %1, ligne %2").arg(cases.width()).arg(cases.height()));
        c.taper(Qt::Key_Left, 40);
        c.taper(Qt::Key_Up, 40);
        EXPECT_EQ(c.clavier.noeud(), QPoint(0, 0));
    }
}

// With the pot, the ring goes into the biggest area of the cell below and to the right of
// the crossing; Z goes round the others and says which one it is; Espace paints the one
// the ring is in. Areas are told apart as the fill tells them: pieces of a cell joined
// around a stroke's end are one area. At the grid's far corner the pot stays in the grid.
TEST(ClavierDessin, LePotVaDansLaZoneChoisieDeSaCase)
{
    Clavier c(QSize(12, 12));
    const auto trait = [&](int x1, int y1, int x2, int y2) {
        DessinerElement(c.surface.image(), ElementDepuisPixels(GenreTrait, x1, y1, x2, y2, 0, 20), Rendu::Joueur);
    };
    // A closed triangle in the upper right half of cell (6, 6); an open stroke across
    // cell (4, 6).
    trait(120, 120, 140, 140);
    trait(140, 140, 140, 120);
    trait(140, 120, 120, 120);
    trait(84, 100, 84, 160);
    c.planche.choisirOutil(Outil::Peinture);
    c.clavier.actualiser();
    const QWidget* anneau = c.surface.findChild<QWidget*>(QStringLiteral("CurseurClavier"));
    const auto pot = [&] { return anneau->pos() + QPoint(anneau->width() / 2, anneau->height() / 2); };
    const auto auDessusDeLaDiagonale = [&] { return pot().x() - pot().y() >= 3; };

    EXPECT_EQ(c.dit(), QStringLiteral("colonne 6, ligne 6, zone 1 sur 2"));
    EXPECT_TRUE(QRect(120, 120, 20, 20).contains(pot()));
    EXPECT_FALSE(auDessusDeLaDiagonale()) << "outside the triangle: more of the cell";
    c.taper(Qt::Key_Z);
    EXPECT_EQ(c.dit(), QStringLiteral("colonne 6, ligne 6, zone 2 sur 2"));
    EXPECT_TRUE(auDessusDeLaDiagonale());
    c.taper(Qt::Key_Space);
    ASSERT_EQ(c.planche.figure().NbElements, 1);
    EXPECT_EQ(QPoint(c.planche.figure()[1].X1, c.planche.figure()[1].Y1), pot());
    EXPECT_EQ(CouleurPixel(c.surface.image(), 136, 124), CouleurBleu) << "inside the triangle";
    EXPECT_EQ(CouleurPixel(c.surface.image(), 124, 136), CouleurBlanc);
    c.taper(Qt::Key_Z);
    EXPECT_FALSE(auDessusDeLaDiagonale()) << "round to the first area";

    c.taper(Qt::Key_Left, 2);
    EXPECT_EQ(c.dit(), QStringLiteral("colonne 4, ligne 6")) << "one area on both sides of the stroke";
    EXPECT_GT(pot().x(), 86) << "in the wider piece";

    c.taper(Qt::Key_Right, 20);
    c.taper(Qt::Key_Down, 20);
    EXPECT_EQ(pot(), QPoint(230, 230)) << "the last cell";
}
