#include "MondeJeu.h"

#include "Couleurs.h"
#include "Dessin.h"
#include "Contexte.h"
#include "Quadrillage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

// A reference segment left of the vertical axis of a 24 x 24 grid.
QByteArray exerciceSimple(int numero = 2)
{
    return ContenuFichier(numero, AxeVertical, 24, 20, { { GenreTrait, 3, 2, 9, 8 } });
}

void cliquerMarqueur(QWidget* marqueur)
{
    QMouseEvent clic(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(marqueur, &clic);
}

class DessinEleve : public ::testing::Test {
protected:
    void chargerAvec(int numero)
    {
        monde.reset();
        monde = std::make_unique<MondeJeu>(numero);
        monde->charger(exerciceSimple(numero));
        ASSERT_EQ(monde->jeu().figureReference().NbElements, 1);
        ASSERT_EQ(monde->tailleCase(), 20);
    }
    void SetUp() override { chargerAvec(2); }

    const Figure& eleve() { return monde->jeu().figureEleve(); }
    QWidget* controle(const QString& nom) { return monde->jeu().findChild<QWidget*>(nom); }

    std::unique_ptr<MondeJeu> monde;
};

TEST_F(DessinEleve, PointsSnapToTheNearestNodeHalfACellRoundingDown)
{
    monde->tracer({ 29, 45 }, { 131, 45 });
    monde->tracer({ 31, 100 }, { 30, 300 });
    monde->tracer({ 470, 100 }, { 900, 100 }); // beyond the last node
    ASSERT_EQ(eleve().NbElements, 3);
    EXPECT_EQ(QRect(QPoint(eleve()[1].X1, eleve()[1].Y1), QPoint(eleve()[1].X2, eleve()[1].Y2)),
              QRect(QPoint(20, 40), QPoint(140, 40)));
    EXPECT_EQ(QPoint(eleve()[2].X1, eleve()[2].X2), QPoint(40, 20));
    EXPECT_EQ(QPoint(eleve()[3].X1, eleve()[3].X2), QPoint(460, 480));
}

TEST_F(DessinEleve, DegenerateStrokesAreRefusedAndCirclesMadeSquare)
{
    monde->cliquer(QStringLiteral("ModeRect"));
    monde->tracerNoeuds({ 2, 2 }, { 5, 2 }); // same row
    EXPECT_EQ(eleve().NbElements, 0);
    monde->cliquer(QStringLiteral("ModeTrait"));
    monde->tracerNoeuds({ 2, 2 }, { 5, 2 });
    monde->tracerNoeuds({ 2, 2 }, { 2, 2 }); // a point
    EXPECT_EQ(eleve().NbElements, 1);

    monde->cliquer(QStringLiteral("ModeEllipse"));
    monde->tracer({ 40, 40 }, { 120, 80 });
    monde->tracer({ 40, 40 }, { 0, 100 });
    monde->cliquer(QStringLiteral("ModeArc"));
    monde->tracer({ 200, 200 }, { 260, 120 });
    ASSERT_EQ(eleve().NbElements, 4);
    const auto boite = [&](int i) {
        return QRect(QPoint(eleve()[i].X1, eleve()[i].Y1), QPoint(eleve()[i].X2, eleve()[i].Y2));
    };
    EXPECT_EQ(eleve()[2].GenreElement, GenreCercle);
    EXPECT_EQ(boite(2), QRect(QPoint(40, 40), QPoint(80, 80)));
    EXPECT_EQ(boite(3), QRect(QPoint(40, 40), QPoint(0, 80)));
    EXPECT_EQ(eleve()[4].GenreElement, GenreQuartDeCercle);
    EXPECT_EQ(boite(4), QRect(QPoint(200, 200), QPoint(260, 140)));
}

TEST_F(DessinEleve, RubberBandIsAnOverlayThatNeverTouchesThePicture)
{
    const QImage avant = monde->jeu().image();
    QWidget* elastique = controle(QStringLiteral("PaintBox4"));
    monde->appuyer({ 40, 40 });
    monde->deplacer({ 130, 95 });
    EXPECT_TRUE(elastique->isVisible());
    EXPECT_EQ(elastique->geometry(), QRect(40, 40, 90, 55));
    monde->deplacer({ 10, 10 });
    EXPECT_EQ(elastique->geometry(), QRect(10, 10, 30, 30));
    EXPECT_EQ(monde->jeu().image(), avant);
    monde->relacher({ 10, 10 });
    EXPECT_FALSE(elastique->isVisible());
    EXPECT_EQ(eleve().NbElements, 1);
    EXPECT_NE(monde->jeu().image(), avant);
}

TEST_F(DessinEleve, TheHundredAndFirstElementIsNotAdded)
{
    for (int i = 0; i < 101; ++i)
        monde->tracerNoeuds({ i % 24, 0 }, { i % 24, 1 + i / 24 });
    EXPECT_EQ(eleve().NbElements, 100);
}

TEST_F(DessinEleve, UndoAndEraseAllRedrawFromScratch)
{
    const QImage vide = monde->jeu().image();
    monde->tracerNoeuds({ 15, 2 }, { 21, 8 });
    const QImage unTrait = monde->jeu().image();
    monde->tracerNoeuds({ 15, 12 }, { 21, 12 });
    monde->cliquer(QStringLiteral("BoutonEffacer1L"));
    EXPECT_EQ(eleve().NbElements, 1);
    EXPECT_EQ(monde->jeu().image(), unTrait);
    monde->tracerNoeuds({ 15, 12 }, { 21, 12 });
    monde->cliquer(QStringLiteral("BoutonEffacer"));
    EXPECT_EQ(eleve().NbElements, 0);
    EXPECT_EQ(monde->jeu().image(), vide);
    monde->cliquer(QStringLiteral("BoutonEffacer1L"));
    EXPECT_EQ(eleve().NbElements, 0) << "nothing to undo leaves the count at 0";
}

TEST_F(DessinEleve, EraserShowsOneMarkerPerElementAndOneClickRemovesIt)
{
    monde->cliquer(QStringLiteral("ModeRect"));
    monde->tracerNoeuds({ 14, 2 }, { 18, 6 });
    monde->cliquer(QStringLiteral("ModeTrait"));
    monde->tracerNoeuds({ 15, 10 }, { 21, 16 });
    monde->cliquer(QStringLiteral("ModeRect"));
    monde->cliquer(QStringLiteral("SpeedButton2"));
    EXPECT_TRUE(monde->jeu().modeGomme());
    EXPECT_FALSE(monde->active(QStringLiteral("Image1")));

    auto* m1 = monde->jeu().findChild<QLabel*>(QStringLiteral("Marqueur1"));
    auto* m2 = monde->jeu().findChild<QLabel*>(QStringLiteral("Marqueur2"));
    auto* m3 = monde->jeu().findChild<QLabel*>(QStringLiteral("Marqueur3"));
    const QPoint origine = controle(QStringLiteral("Image1"))->pos();
    EXPECT_TRUE(m1->isVisible());
    EXPECT_EQ(m1->text(), QStringLiteral("r"));
    EXPECT_EQ(m1->geometry(), QRect(origine + QPoint(280, 40), QSize(10, 10)));
    EXPECT_EQ(m2->text(), QStringLiteral("l"));
    EXPECT_EQ(m2->pos(), origine + QPoint(360, 260));
    EXPECT_FALSE(m3 && m3->isVisible());

    // The hidden template panel shares the markers' click but names no element.
    cliquerMarqueur(monde->jeu().findChild<QLabel*>(QStringLiteral("PanelRef")));
    EXPECT_EQ(eleve().NbElements, 2);
    EXPECT_TRUE(monde->jeu().modeGomme());

    cliquerMarqueur(m1);
    ASSERT_EQ(eleve().NbElements, 1);
    EXPECT_EQ(eleve()[1].GenreElement, GenreTrait);
    EXPECT_FALSE(monde->jeu().modeGomme());
    EXPECT_FALSE(m1->isVisible());
    EXPECT_FALSE(m2->isVisible());
    EXPECT_TRUE(monde->bouton(QStringLiteral("ModeRect"))->isChecked());
    EXPECT_TRUE(monde->active(QStringLiteral("Image1")));
}

TEST_F(DessinEleve, UndoInEraserModeLeavesItAndDrawingGoesOn)
{
    monde->tracerNoeuds({ 15, 2 }, { 21, 8 });
    monde->tracerNoeuds({ 15, 12 }, { 21, 12 });
    monde->cliquer(QStringLiteral("SpeedButton2"));
    monde->cliquer(QStringLiteral("BoutonEffacer1L"));
    EXPECT_EQ(eleve().NbElements, 1);
    EXPECT_FALSE(monde->jeu().modeGomme());
    EXPECT_FALSE(monde->jeu().findChild<QLabel*>(QStringLiteral("Marqueur1"))->isVisible());
    EXPECT_TRUE(monde->bouton(QStringLiteral("ModeTrait"))->isChecked());
    monde->tracerNoeuds({ 15, 12 }, { 21, 12 });
    EXPECT_EQ(eleve().NbElements, 2);
}

TEST_F(DessinEleve, EraserTwiceComesBackToTheTool)
{
    monde->cliquer(QStringLiteral("ModeEllipse"));
    monde->cliquer(QStringLiteral("SpeedButton2"));
    monde->cliquer(QStringLiteral("SpeedButton2"));
    EXPECT_FALSE(monde->jeu().modeGomme());
    EXPECT_TRUE(monde->bouton(QStringLiteral("ModeEllipse"))->isChecked());
    EXPECT_EQ(monde->jeu().outilCourant(), GenreCercle);
    EXPECT_TRUE(monde->active(QStringLiteral("Image1")));
}

TEST_F(DessinEleve, ThePaintToolIsOnlyOfferedInExerciseThree)
{
    EXPECT_TRUE(controle(QStringLiteral("ModePeinture"))->isHidden());
    chargerAvec(3);
    EXPECT_FALSE(controle(QStringLiteral("ModePeinture"))->isHidden());
    EXPECT_TRUE(controle(QStringLiteral("PanelCouleurs"))->isHidden());
    monde->cliquer(QStringLiteral("ModePeinture"));
    EXPECT_FALSE(controle(QStringLiteral("PanelCouleurs"))->isHidden());
    monde->cliquer(QStringLiteral("BoutonRouge"));
    EXPECT_EQ(monde->jeu().couleurCourante(), CouleurRouge);
    monde->cliquer(QStringLiteral("ModeTrait"));
    EXPECT_TRUE(controle(QStringLiteral("PanelCouleurs"))->isHidden());
    EXPECT_EQ(monde->jeu().couleurCourante(), CouleurRouge) << "a tool does not change the colour";
}

TEST_F(DessinEleve, PaintingFillsUpToBlackAndUndoRedrawsWithoutIt)
{
    chargerAvec(3);
    const QImage avant = monde->jeu().image();
    monde->cliquer(QStringLiteral("ModeRect"));
    monde->tracerNoeuds({ 15, 2 }, { 20, 6 });
    const QImage cadre = monde->jeu().image();
    monde->cliquer(QStringLiteral("ModePeinture"));
    monde->cliquer(QStringLiteral("BoutonJaune"));

    monde->appuyer({ 340, 80 }); // inside the rectangle, on a grid line
    ASSERT_EQ(eleve().NbElements, 2);
    EXPECT_EQ(eleve()[2].GenreElement, GenreColoriage);
    EXPECT_EQ(QPoint(eleve()[2].X1, eleve()[2].Y1), QPoint(340, 80));
    EXPECT_EQ(eleve()[2].Couleur, CouleurJaune);
    EXPECT_EQ(CouleurPixel(monde->jeu().image(), 390, 110), CouleurJaune);
    EXPECT_EQ(CouleurPixel(monde->jeu().image(), 390, 130), CouleurBlanc) << "outside the frame";

    monde->appuyer({ 350, 90 }); // already yellow
    monde->appuyer({ 300, 70 }); // on the black outline
    EXPECT_EQ(eleve().NbElements, 2);

    monde->cliquer(QStringLiteral("BoutonEffacer1L"));
    EXPECT_EQ(monde->jeu().image(), cadre);
    monde->cliquer(QStringLiteral("BoutonEffacer"));
    EXPECT_EQ(monde->jeu().image(), avant);
}

} // namespace
