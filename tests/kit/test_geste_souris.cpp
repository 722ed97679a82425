#include "GesteSouris.h"
#include "TraceSouris.h"

#include <gtest/gtest.h>

namespace {

struct CasCadre {
    Genre outil;
    QPoint pointeur;
    QuadrantTrace quadrant;
    QRect boite;
};

// Start of every stroke below: node (2, 2) of a 20-pixel grid.
const QPoint Depart(40, 40);

TEST(CadrerApercu, BoxFollowsThePointerInEachQuadrant)
{
    const CasCadre cas[] = {
        { GenreTrait, { 100, 70 }, DroiteBas, QRect(40, 40, 60, 30) },
        { GenreTrait, { 10, 70 }, GaucheBas, QRect(10, 40, 30, 30) },
        { GenreRectangle, { 10, 5 }, GaucheHaut, QRect(10, 5, 30, 35) },
        { GenreRectangle, { 90, 5 }, DroiteHaut, QRect(40, 5, 50, 35) },
        // Circles keep the square of the shorter side, anchored at the start.
        { GenreCercle, { 100, 70 }, DroiteBas, QRect(40, 40, 30, 30) },
        { GenreCercle, { 0, 10 }, GaucheHaut, QRect(10, 10, 30, 30) },
        { GenreQuartDeCercle, { 90, 0 }, DroiteHaut, QRect(40, 0, 40, 40) },
        { GenreQuartDeCercle, { 35, 140 }, GaucheBas, QRect(35, 40, 5, 5) },
        // A pointer on the start's row or column still gives a box at least 2 wide.
        { GenreTrait, { 40, 90 }, DroiteBas, QRect(40, 40, 2, 50) },
        { GenreRectangle, { 90, 40 }, DroiteBas, QRect(40, 40, 50, 2) },
        { GenreCercle, { 90, 40 }, DroiteBas, QRect(40, 40, 2, 2) },
    };
    for (const CasCadre& c : cas) {
        const auto cadre = CadrerApercu(c.outil, Depart, c.pointeur);
        ASSERT_TRUE(cadre.has_value()) << "tool " << Code(c.outil) << " to " << c.pointeur.x() << ","
                                       << c.pointeur.y();
        EXPECT_EQ(cadre->quadrant, c.quadrant) << "tool " << Code(c.outil) << " to " << c.pointeur.x()
                                               << "," << c.pointeur.y();
        EXPECT_EQ(cadre->boite, c.boite) << "tool " << Code(c.outil) << " to " << c.pointeur.x() << ","
                                         << c.pointeur.y();
    }
}

TEST(CadrerApercu, PointerStraightAboveOrLeftKeepsThePreviousBox)
{
    EXPECT_FALSE(CadrerApercu(GenreTrait, Depart, { 40, 10 }).has_value());
    EXPECT_FALSE(CadrerApercu(GenreTrait, Depart, { 10, 40 }).has_value());
}

TEST(ArriveeCarree, TheShorterSideWins)
{
    EXPECT_EQ(ArriveeCarree({ 40, 40 }, { 120, 80 }), QPoint(80, 80));
    EXPECT_EQ(ArriveeCarree({ 40, 40 }, { 0, 100 }), QPoint(0, 80));
    EXPECT_EQ(ArriveeCarree({ 40, 40 }, { 0, 0 }), QPoint(0, 0));
    EXPECT_EQ(ArriveeCarree({ 100, 100 }, { 40, 80 }), QPoint(80, 80));
    EXPECT_EQ(ArriveeCarree({ 100, 100 }, { 80, 20 }), QPoint(80, 80));
}

TEST(BornerPointeur, LeavingTheGridStopsJustOutsideIt)
{
    // 24 columns and 24 rows of 20 pixels: the grid ends at 480.
    EXPECT_EQ(BornerPointeur({ -5, 700 }, 24, 24, 20), QPoint(1, 481));
    EXPECT_EQ(BornerPointeur({ 480, 0 }, 24, 24, 20), QPoint(480, 0));
    EXPECT_EQ(BornerPointeur({ 481, 30 }, 24, 24, 20), QPoint(481, 30));
}

TEST(Marqueurs, SitOnAPointOfTheirElement)
{
    EXPECT_EQ(PositionMarqueur(GenreTrait, { 40, 40 }, { 100, 61 }), QPoint(70, 50));
    EXPECT_EQ(PositionMarqueur(GenreRectangle, { 100, 40 }, { 40, 80 }), QPoint(100, 40));
    EXPECT_EQ(PositionMarqueur(GenreCercle, { 80, 40 }, { 40, 80 }), QPoint(60, 40));
    EXPECT_EQ(PositionMarqueur(GenreColoriage, { 13, 17 }, { 13, 17 }), QPoint(13, 17));
    // A quarter circle's marker sits on one end of its arc.
    EXPECT_EQ(PositionMarqueur(GenreQuartDeCercle, { 40, 40 }, { 80, 80 }), QPoint(80, 40));
    EXPECT_EQ(PositionMarqueur(GenreQuartDeCercle, { 40, 40 }, { 0, 80 }), QPoint(40, 80));
    EXPECT_EQ(PositionMarqueur(GenreQuartDeCercle, { 40, 40 }, { 0, 0 }), QPoint(0, 40));
    EXPECT_EQ(PositionMarqueur(GenreQuartDeCercle, { 40, 40 }, { 80, 0 }), QPoint(40, 0));

    EXPECT_EQ(LegendeMarqueur(GenreTrait), QStringLiteral("l"));
    EXPECT_EQ(LegendeMarqueur(GenreRectangle), QStringLiteral("r"));
    EXPECT_EQ(LegendeMarqueur(GenreCercle), QStringLiteral("o"));
    EXPECT_EQ(LegendeMarqueur(GenreQuartDeCercle), QStringLiteral("("));
    EXPECT_EQ(LegendeMarqueur(GenreColoriage), QStringLiteral("c"));
}

} // namespace
