#include "ClavierDessin.h"
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
// count of cells; there the paint pot goes into the grid's last cell.
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
        c.planche.choisirOutil(Outil::Peinture);
        c.clavier.actualiser();
        const QWidget* anneau = c.surface.findChild<QWidget*>(QStringLiteral("CurseurClavier"));
        EXPECT_EQ(anneau->geometry().center() + QPoint(1, 1), QPoint(cases.width() * 20 - 10, cases.height() * 20 - 10));
        c.planche.choisirOutil(Outil::Trait);
        c.taper(Qt::Key_Left, 40);
        c.taper(Qt::Key_Up, 40);
        EXPECT_EQ(c.clavier.noeud(), QPoint(0, 0));
    }
}
