// A finger and a pen on the player, through the real widgets: they draw what the mouse
// draws, one stroke per touch, and the board mode shows it thicker without changing what
// the check reads.

#include "MondeJeu.h"
#include "Saisies.h"

#include "Couleurs.h"
#include "ModeTableau.h"
#include "Dessin.h"

#include <QApplication>
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

void dessinerImage(MondeJeu& monde, Saisie saisie)
{
    for (const Trait& t : Image) {
        monde.cliquer(QString::fromLatin1(t.outil));
        const int c = qstrcmp(t.outil, "ModePeinture") == 0 ? 1 : monde.tailleCase();
        Tracer(surface(monde), saisie, t.de * c, t.a * c, {(t.de + t.a) * c / 2});
    }
}

// What the pupil drew, the verdict, the picture the check reads and the screen.
struct Partie {
    Figure elements;
    QString verdict;
    QImage image, ecran;
    bool grandVerdict = false;
};

Partie jouer(Saisie saisie, bool tableau)
{
    MondeJeu monde(3);
    ModeTableau mode(monde.contexte());
    monde.contexte().tableauDemande = tableau;
    mode.appliquer(&monde.jeu());
    monde.charger(exerciceOutils());
    dessinerImage(monde, saisie);
    Partie partie{monde.jeu().figureEleve(), {}, monde.jeu().image(), {}};
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    partie.verdict = monde.resultat();
    partie.ecran = surface(monde)->grab().toImage();
    const auto grand = [&] { return monde.jeu().findChild<QWidget*>(QStringLiteral("LabelResultat_Grand")); };
    partie.grandVerdict = QTest::qWaitFor([&] { return grand() && grand()->isVisible(); }, tableau ? 2000 : 200);
    return partie;
}

// Board mode draws thick outlines on the screen only: the checked picture and the verdict
// stay those of the mouse.
TEST(ToucherJoueur, FingerPenMouseAndBoardGiveTheSameElementsPictureAndVerdict)
{
    const struct {
        Saisie saisie;
        bool tableau;
    } cas[] = {{Saisie::Souris, false}, {Saisie::Doigt, false}, {Saisie::Stylet, false}, {Saisie::Doigt, true}};
    const Partie souris = jouer(Saisie::Souris, false);
    ASSERT_EQ(souris.elements.NbElements, 5);
    EXPECT_EQ(souris.verdict, QStringLiteral("Juste"));
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << NomSaisie(c.saisie) << (c.tableau ? ", board mode" : ""));
        const Partie partie = c.saisie == Saisie::Souris ? souris : jouer(c.saisie, c.tableau);
        EXPECT_EQ(partie.elements, souris.elements);
        EXPECT_EQ(partie.verdict, souris.verdict);
        EXPECT_EQ(partie.image, souris.image);
        EXPECT_EQ(partie.grandVerdict, c.tableau);
        // Beside the pupil's segment and the model's, off the grid's lines: 3.3 pixels from
        // their middle lines, outside the picture's 3-pixel outlines, inside the board's 9.
        for (QPoint cote : {QPoint(383, 242), QPoint(103, 246)}) {
            EXPECT_EQ(CouleurPixel(partie.image, cote.x(), cote.y()), CouleurBlanc);
            EXPECT_EQ(partie.ecran.pixel(cote) == qRgb(0, 0, 0), c.tableau) << "beside " << cote.x();
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

TEST_F(ToucherUnTrait, TheButtonsAndTheMarkersAnswerATap)
{
    Tracer(zone, Saisie::Doigt, noeud(21, 2), noeud(15, 8));
    Tracer(zone, Saisie::Doigt, noeud(14, 18), noeud(20, 18));
    QWidget* gomme = monde.jeu().findChild<QWidget*>(QStringLiteral("SpeedButton2"));
    Toucher(gomme, Saisie::Doigt, gomme->rect().center());
    ASSERT_TRUE(monde.jeu().modeGomme());
    QWidget* marqueur = monde.jeu().findChild<QWidget*>(QStringLiteral("Marqueur1"));
    ASSERT_TRUE(marqueur && marqueur->isVisible());
    Toucher(marqueur, Saisie::Doigt, marqueur->rect().center());
    EXPECT_FALSE(monde.jeu().modeGomme());
    EXPECT_EQ(eleve().NbElements, 1);
}

} // namespace
