#include "ReglesEditeur.h"
#include "TraceSouris.h"

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

TEST(MarqueursEditeur, ChaqueGenreASonRepere)
{
    EXPECT_EQ(PositionMarqueur(GenreTrait, {40, 40}, {100, 61}), QPoint(70, 50));
    EXPECT_EQ(PositionMarqueur(GenreRectangle, {40, 40}, {100, 60}), QPoint(40, 40));
    EXPECT_EQ(PositionMarqueur(GenreCercle, {100, 40}, {40, 100}), QPoint(70, 40));
    EXPECT_EQ(PositionMarqueur(GenreColoriage, {45, 47}, {45, 47}), QPoint(45, 47));
    // Quarter circles: the end of the arc.
    EXPECT_EQ(PositionMarqueur(GenreQuartDeCercle, {100, 100}, {140, 140}), QPoint(140, 100));
    EXPECT_EQ(PositionMarqueur(GenreQuartDeCercle, {100, 100}, {60, 140}), QPoint(100, 140));
    EXPECT_EQ(PositionMarqueur(GenreQuartDeCercle, {100, 100}, {60, 60}), QPoint(60, 100));
    EXPECT_EQ(PositionMarqueur(GenreQuartDeCercle, {100, 100}, {140, 60}), QPoint(100, 60));
    // A flat arc, only found in damaged files, keeps its marker on its centre.
    EXPECT_EQ(PositionMarqueur(GenreQuartDeCercle, {100, 100}, {100, 140}), QPoint(100, 100));
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
