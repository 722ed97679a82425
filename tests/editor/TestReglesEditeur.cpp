#include "ReglesEditeur.h"
#include "TraceSouris.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(AccrochageEditeur, LaSourisHorsDuQuadrillageResteJusteAuBord)
{
    EXPECT_EQ(BornerPointeur({-3, -3}, 24, 24, 20), QPoint(1, 1));
    EXPECT_EQ(BornerPointeur({0, 0}, 24, 24, 20), QPoint(0, 0));
    EXPECT_EQ(BornerPointeur({480, 480}, 24, 24, 20), QPoint(480, 480));
    EXPECT_EQ(BornerPointeur({600, 600}, 24, 24, 20), QPoint(481, 481));
}

TEST(FormesEditeur, LeCercleDevientCarreDuCotePlusCourtVersLaSouris)
{
    // (2,2) to (7,4) in cells of 20: the circle of the square (2,2)-(4,4).
    EXPECT_EQ(ArriveeCarree({40, 40}, {140, 80}), QPoint(80, 80));
    EXPECT_EQ(ArriveeCarree({140, 140}, {40, 100}), QPoint(100, 100));
    EXPECT_EQ(ArriveeCarree({100, 100}, {120, 20}), QPoint(120, 80));
    EXPECT_EQ(ArriveeCarree({100, 100}, {60, 0}), QPoint(60, 60));
}

TEST(FormesEditeur, SeulUnSegmentPeutEtrePlat)
{
    const QPoint depart(3, 3);
    EXPECT_TRUE(FormeAcceptable(Outil::Trait, depart, {8, 3}));
    EXPECT_FALSE(FormeAcceptable(Outil::Trait, depart, depart));
    for (int outil : {Outil::Rectangle, Outil::Cercle, Outil::QuartDeCercle}) {
        EXPECT_FALSE(FormeAcceptable(outil, depart, {8, 3})) << outil;
        EXPECT_FALSE(FormeAcceptable(outil, depart, {3, 9})) << outil;
        EXPECT_TRUE(FormeAcceptable(outil, depart, {1, 9})) << outil;
    }
}

TEST(ApercuEditeur, LaBoiteSuitLaSourisDansChaqueQuadrant)
{
    const QPoint depart(100, 100);
    EXPECT_EQ(QuadrantDe(depart, {130, 150}), 1);
    EXPECT_EQ(QuadrantDe(depart, {70, 150}), 2);
    EXPECT_EQ(QuadrantDe(depart, {70, 50}), 3);
    EXPECT_EQ(QuadrantDe(depart, {130, 50}), 4);

    EXPECT_EQ(BoiteApercu(Outil::Trait, depart, {130, 150}), QRect(100, 100, 30, 50));
    EXPECT_EQ(BoiteApercu(Outil::Rectangle, depart, {70, 50}), QRect(70, 50, 30, 50));
    // Circles: a square on the smaller distance, from the start towards the mouse.
    EXPECT_EQ(BoiteApercu(Outil::Cercle, depart, {70, 150}), QRect(70, 100, 30, 30));
    EXPECT_EQ(BoiteApercu(Outil::QuartDeCercle, depart, {180, 60}), QRect(100, 60, 40, 40));
    // Never smaller than 2 by 2.
    EXPECT_EQ(BoiteApercu(Outil::Trait, depart, {100, 160}), QRect(100, 100, 2, 60));
    EXPECT_EQ(BoiteApercu(Outil::Cercle, depart, {99, 40}), QRect(98, 98, 2, 2));
}

TEST(ApercuEditeur, LeQuartDeCercleEstCentreSurLeCoinDeDepart)
{
    // In quadrant 2 (left and below) the start is the top-right corner: the arc runs
    // from the box's top-left to its bottom-right, and the opposite corner stays empty.
    QImage image(41, 41, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PeindreApercu(p, Outil::QuartDeCercle, 2, image.size());
    p.end();
    EXPECT_NE(image.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu) << "arc starts at the left";
    EXPECT_EQ(image.pixel(40, 0) & 0xFFFFFF, 0xFFFFFFu) << "centre is not drawn";
    EXPECT_EQ(image.pixel(2, 38) & 0xFFFFFF, 0xFFFFFFu) << "far corner stays empty";
}

TEST(MarqueursEditeur, ChaqueGenreASonRepere)
{
    EXPECT_EQ(PositionMarqueur(1, {40, 40}, {100, 61}), QPoint(70, 50));
    EXPECT_EQ(PositionMarqueur(2, {40, 40}, {100, 60}), QPoint(40, 40));
    EXPECT_EQ(PositionMarqueur(3, {100, 40}, {40, 100}), QPoint(70, 40));
    EXPECT_EQ(PositionMarqueur(6, {45, 47}, {45, 47}), QPoint(45, 47));
    // Quarter circles: the end of the arc.
    EXPECT_EQ(PositionMarqueur(4, {100, 100}, {140, 140}), QPoint(140, 100));
    EXPECT_EQ(PositionMarqueur(4, {100, 100}, {60, 140}), QPoint(100, 140));
    EXPECT_EQ(PositionMarqueur(4, {100, 100}, {60, 60}), QPoint(60, 100));
    EXPECT_EQ(PositionMarqueur(4, {100, 100}, {140, 60}), QPoint(100, 60));
    // A flat arc, only found in damaged files, keeps its marker on its centre.
    EXPECT_EQ(PositionMarqueur(4, {100, 100}, {100, 140}), QPoint(100, 100));
    EXPECT_EQ(CoteMarqueur(20), 10);
    EXPECT_EQ(CoteMarqueur(12), 8);
}

TEST(VerificationEditeur, LeMessageSuitLeNombreDEchecs)
{
    EXPECT_EQ(TexteVerification(0), QStringLiteral("La figure symétrique peut être dessinée."));
    EXPECT_EQ(TexteVerification(1), QStringLiteral("1 élément n'aura pas de symétrique."));
    EXPECT_EQ(TexteVerification(2), QStringLiteral("2 éléments n'auront pas de symétriques."));
    EXPECT_EQ(TexteVerification(13), QStringLiteral("13 éléments n'auront pas de symétriques."));
}
