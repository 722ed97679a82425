// A finger and a pen on the player, through the real widgets: they draw what the mouse
// draws, one stroke per touch, and the board mode shows it thicker without changing what
// the check reads.

#include "MondeJeu.h"
#include "Saisies.h"

#include "Couleurs.h"
#include "ModeTableau.h"
#include "Dessin.h"
#include "Tableau.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Exercise 3 on 24 x 24 cells of 20 pixels, vertical axis: one element of each kind.
QByteArray exerciceOutils()
{
    return ContenuFichier(3, AxeVertical, 24, 20,
                          {{GenreRectangle, 2, 2, 6, 6},
                           {GenreColoriage, 3, 3, 10, 10, CouleurBleu},
                           {GenreTrait, 2, 10, 8, 14},
                           {GenreCercle, 2, 16, 6, 20},
                           {GenreQuartDeCercle, 8, 18, 10, 20}});
}

struct Trait {
    const char* outil;
    QPoint de, a; // grid crossings; a painted area's pixel in `de`
};

// Its image, tool by tool, the painted area last (it needs the outlines around it).
const Trait Image[] = {
    {"ModeRect", {22, 2}, {18, 6}},
    {"ModeTrait", {22, 10}, {16, 14}},
    {"ModeEllipse", {22, 16}, {18, 20}},
    {"ModeArc", {16, 18}, {14, 20}},
    {"ModePeinture", {410, 70}, {410, 70}},
};

QWidget* surface(MondeJeu& monde)
{
    return monde.jeu().findChild<QWidget*>(QStringLiteral("Image1"));
}

// Draws the image with one input on the loaded exercise, the segment one crossing off
// when asked.
void dessinerImage(MondeJeu& monde, Saisie saisie, bool decale = false)
{
    for (const Trait& t : Image) {
        monde.cliquer(QString::fromLatin1(t.outil));
        const bool peinture = qstrcmp(t.outil, "ModePeinture") == 0;
        const int c = peinture ? 1 : monde.tailleCase();
        const QPoint de = decale && qstrcmp(t.outil, "ModeTrait") == 0 ? t.de - QPoint(1, 0) : t.de;
        Tracer(surface(monde), saisie, de * c, t.a * c, {(de * c + t.a * c) / 2});
    }
}

// The elements and the verdict.
std::pair<Figure, QString> jouer(Saisie saisie, bool decale)
{
    MondeJeu monde(3);
    monde.charger(exerciceOutils());
    dessinerImage(monde, saisie, decale);
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    return {monde.jeu().figureEleve(), monde.resultat()};
}

TEST(ToucherJoueur, FingerPenAndMouseDrawTheSameElementsWithEveryTool)
{
    for (bool decale : {false, true}) {
        const auto [parSouris, verdictSouris] = jouer(Saisie::Souris, decale);
        ASSERT_EQ(parSouris.NbElements, 5);
        EXPECT_EQ(verdictSouris, decale ? QStringLiteral("Faux") : QStringLiteral("Juste"));
        for (Saisie saisie : {Saisie::Doigt, Saisie::Stylet}) {
            const auto [elements, verdict] = jouer(saisie, decale);
            EXPECT_EQ(elements, parSouris) << NomSaisie(saisie) << (decale ? ", one crossing off" : "");
            EXPECT_EQ(verdict, verdictSouris) << NomSaisie(saisie) << (decale ? ", one crossing off" : "");
        }
    }
}

class ToucherUnTrait : public ::testing::Test {
protected:
    void SetUp() override
    {
        monde.charger(ContenuFichier(2, AxeVertical, 24, 20, {{GenreTrait, 3, 2, 9, 8}}));
        zone = surface(monde);
    }
    const Figure& eleve() { return monde.jeu().figureEleve(); }
    QPoint noeud(int c, int r) { return QPoint(c, r) * monde.tailleCase(); }

    MondeJeu monde{2};
    QWidget* zone = nullptr;
};

// What a system sends on top of a touch: the same stroke as mouse events, flagged as made
// from the touch (or coming from the touch screen as a pointing device).
TEST_F(ToucherUnTrait, TheMouseEventsMadeFromATouchDrawNothingMore)
{
    Tracer(zone, Saisie::Doigt, noeud(21, 2), noeud(15, 8));
    SourisDuSysteme(zone, noeud(21, 2), noeud(15, 8));
    SourisDuSysteme(zone, noeud(2, 20), noeud(6, 20));
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, QPointF(noeud(4, 4)), zone->mapToGlobal(QPointF(noeud(4, 4))), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier,
                      EcranTactile());
        QApplication::sendEvent(zone, &e);
    }
    ASSERT_EQ(eleve().NbElements, 1);
    EXPECT_EQ(QPoint(eleve()[1].X1, eleve()[1].Y1), noeud(21, 2));
    // The instruction under the grid spoke of the finger from the first touch on, whatever
    // mouse events the system made from it.
    EXPECT_EQ(monde.etiquette(QStringLiteral("Panel1"))->text(),
              QStringLiteral("Utilise ton doigt ou le stylet pour dessiner le symétrique"));
    QTest::mouseClick(monde.bouton(QStringLiteral("BoutonCorrection")), Qt::LeftButton);
    EXPECT_EQ(monde.resultat(), QStringLiteral("Juste"));
    EXPECT_EQ(monde.etiquette(QStringLiteral("Panel1"))->text(),
              QStringLiteral("Utilise la souris pour dessiner le symétrique"));
}

TEST_F(ToucherUnTrait, ASecondFingerNeitherDrawsNorEndsTheStroke)
{
    auto doigts = QTest::touchEvent(zone, EcranTactile(), false);
    doigts.press(0, noeud(21, 2), zone).commit();
    doigts.move(0, noeud(18, 5), zone).press(1, noeud(3, 20), zone).commit();
    doigts.stationary(0).move(1, noeud(9, 22), zone).commit();
    doigts.move(0, noeud(15, 8), zone).release(1, noeud(9, 22), zone).commit();
    doigts.press(1, noeud(2, 12), zone).commit(); // down again while the first still draws
    doigts.release(0, noeud(15, 8), zone).commit();
    doigts.move(1, noeud(8, 16), zone).commit(); // left alone: draws nothing
    doigts.release(1, noeud(8, 16), zone).commit();
    ASSERT_EQ(eleve().NbElements, 1);
    EXPECT_EQ(QRect(QPoint(eleve()[1].X1, eleve()[1].Y1), QPoint(eleve()[1].X2, eleve()[1].Y2)),
              QRect(noeud(21, 2), noeud(15, 8)));
    EXPECT_FALSE(monde.jeu().findChild<QWidget*>(QStringLiteral("PaintBox4"))->isVisible());

    Tracer(zone, Saisie::Doigt, noeud(2, 20), noeud(6, 20));
    EXPECT_EQ(eleve().NbElements, 2) << "the next touch draws again";
}

// The pen's eraser end erases where the eraser's markers would stand; the buttons and the
// markers answer a tap.
TEST_F(ToucherUnTrait, ThePensEraserEndAndTapsOnButtonsAndMarkers)
{
    Tracer(zone, Saisie::Doigt, noeud(21, 2), noeud(15, 8));
    Tracer(zone, Saisie::Stylet, noeud(14, 14), noeud(20, 14));
    Tracer(zone, Saisie::Souris, noeud(14, 18), noeud(20, 18));
    ASSERT_EQ(eleve().NbElements, 3);

    Gommer(zone, noeud(3, 3)); // no marker there
    EXPECT_EQ(eleve().NbElements, 3);
    Gommer(zone, noeud(17, 14) + QPoint(2, 2)); // the middle of the second segment
    ASSERT_EQ(eleve().NbElements, 2);
    EXPECT_EQ(eleve()[2].Y1, noeud(0, 18).y());

    QWidget* gomme = monde.jeu().findChild<QWidget*>(QStringLiteral("SpeedButton2"));
    Toucher(gomme, Saisie::Doigt, gomme->rect().center());
    ASSERT_TRUE(monde.jeu().modeGomme());
    QWidget* marqueur = monde.jeu().findChild<QWidget*>(QStringLiteral("Marqueur1"));
    ASSERT_TRUE(marqueur && marqueur->isVisible());
    Toucher(marqueur, Saisie::Doigt, marqueur->rect().center());
    EXPECT_FALSE(monde.jeu().modeGomme());
    ASSERT_EQ(eleve().NbElements, 1);

    QWidget* verifier = monde.jeu().findChild<QWidget*>(QStringLiteral("BoutonCorrection"));
    Toucher(verifier, Saisie::Doigt, verifier->rect().center());
    EXPECT_EQ(monde.resultat(), QStringLiteral("Faux"));
}

// Board mode: the screen shows the outlines thick, the picture the check reads is the
// same pixel for pixel, and so is every verdict.
TEST(Tableau, ThickOutlinesOnScreenTheSamePictureAndVerdictsForTheCheck)
{
    std::vector<QImage> images;
    std::vector<QString> verdicts;
    for (bool tableau : {false, true}) {
        MondeJeu monde(3);
        ModeTableau mode(monde.contexte());
        monde.contexte().tableauDemande = tableau;
        mode.appliquer(&monde.jeu());
        ASSERT_EQ(EnModeTableau(surface(monde)), tableau);
        monde.charger(exerciceOutils());
        dessinerImage(monde, Saisie::Doigt);
        const QImage image = monde.jeu().image();
        monde.cliquer(QStringLiteral("BoutonCorrection"));
        images.push_back(image);
        verdicts.push_back(monde.resultat());

        // Pixels 4 below points of the pupil's segment, from (440, 200) to (320, 280), and
        // of the model's, from (40, 200) to (160, 280), off the grid's lines: 3.3 pixels from
        // the segments' middle lines, outside the 3 pixels of the picture's outlines and
        // inside the 9 of the board's.
        const QImage ecran = surface(monde)->grab().toImage();
        for (QPoint milieu : {QPoint(383, 238), QPoint(103, 242)}) {
            const QPoint cote = milieu + QPoint(0, 4);
            EXPECT_EQ(CouleurPixel(image, cote.x(), cote.y()), CouleurBlanc);
            EXPECT_EQ(ecran.pixel(cote) == qRgb(0, 0, 0), tableau) << "beside " << milieu.x();
        }
        const auto grandVerdict = [&] {
            auto* grand = monde.jeu().findChild<QWidget*>(QStringLiteral("LabelResultat_Grand"));
            return grand && grand->isVisible();
        };
        EXPECT_EQ(QTest::qWaitFor(grandVerdict, tableau ? 2000 : 200), tableau) << "the verdict shown large";
    }
    EXPECT_EQ(images[0], images[1]);
    EXPECT_EQ(verdicts[0], QStringLiteral("Juste"));
    EXPECT_EQ(verdicts[1], verdicts[0]);
}

} // namespace
