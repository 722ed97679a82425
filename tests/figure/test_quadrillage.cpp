#include "Figure.h"
#include "Quadrillage.h"

#include <QPoint>
#include <QRect>

#include <gtest/gtest.h>

TEST(Quadrillage, TailleDesCasesToujoursPaire)
{
    EXPECT_EQ(CalculerTailleCase(500, 24), 20);
    EXPECT_EQ(CalculerTailleCase(500, 26), 18) << "19 made even";
    EXPECT_EQ(CalculerTailleCase(500, 18), 26) << "27 made even";
    const int attendues[] = {50, 40, 34, 30, 26, 24, 22, 20, 18, 16, 16, 14, 14, 12};
    for (int n = 10, i = 0; n <= 36; n += 2, ++i)
        EXPECT_EQ(CalculerTailleCase(500, n), attendues[i]) << n << " columns";
    EXPECT_EQ(CalculerTailleCase(250, 26), 8);
    EXPECT_EQ(CalculerTailleCase(320, 20), 16);
    // Grids that cannot be shown give 0, which readers refuse.
    EXPECT_EQ(CalculerTailleCase(500, 0), 0);
    EXPECT_EQ(CalculerTailleCase(500, -3), 0);
    EXPECT_EQ(CalculerTailleCase(500, 300), 0);
    EXPECT_EQ(CalculerTailleCase(500, 501), 0);
}

TEST(Quadrillage, AccrochageAuNoeudLePlusProche)
{
    struct Cas
    {
        int v, attendu;
    } cas[] = {{29, 1}, {31, 2}, {30, 1}, {0, 0}, {10, 0}, {11, 1}, {-7, 0}, {-25, 0},
               {480, 24}, {489, 24}, {700, 24}, {471, 24}};
    for (const Cas& c : cas)
        EXPECT_EQ(AccrocherAuNoeud(c.v, 24, 20), c.attendu) << "v = " << c.v;
    EXPECT_EQ(AccrocherAuNoeud(55, 24, 0), 0) << "no cell size, no division";
}

TEST(Figure, GraineGardeSaPlaceDansSaCase)
{
    // Saved with 20-pixel cells at offset (10, 6) in cell (3, 4), shown with 26-pixel cells.
    Figure f;
    ElementFigure zone;
    zone.GenreElement = GenreColoriage;
    zone.CaseX1 = 3;
    zone.CaseY1 = 4;
    zone.CaseX2 = 10;
    zone.CaseY2 = 6;
    f.Ajouter(zone);
    AdapterTailleCase(f, 26, 20);
    EXPECT_EQ(QPoint(f[1].X1, f[1].Y1), QPoint(91, 111));
    EXPECT_EQ(QPoint(f[1].X2, f[1].Y2), QPoint(91, 111));
    EXPECT_EQ(QPoint(f[1].CaseX2, f[1].CaseY2), QPoint(13, 7));

    // Back to 20 pixels: products first, then the truncating division.
    AdapterTailleCase(f, 20, 26);
    EXPECT_EQ(QPoint(f[1].X1, f[1].Y1), QPoint(70, 85));

    // Any kind above 4 is placed as a seed; a previous size of 0 divides nothing.
    f[1].GenreElement = static_cast<Genre>(5);
    AdapterTailleCase(f, 20, 0);
    EXPECT_EQ(QPoint(f[1].X1, f[1].Y1), QPoint(60, 80));
}

TEST(Figure, FormesSurLesNoeudsApresChangementDeTaille)
{
    Figure f;
    f.Ajouter(ElementDepuisPixels(GenreQuartDeCercle, 80, 60, 40, 100, 0, 20));
    EXPECT_EQ(QPoint(f[1].CaseX2, f[1].CaseY2), QPoint(2, 5));
    AdapterTailleCase(f, 30, 20);
    EXPECT_EQ(QRect(QPoint(f[1].X1, f[1].Y1), QPoint(f[1].X2, f[1].Y2)),
              QRect(QPoint(120, 90), QPoint(60, 150)));
}

TEST(Figure, AjoutRetraitEtNettoyage)
{
    Figure f;
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(f.Ajouter(ElementDepuisPixels(GenreTrait, i, 0, 0, 0, 0, 20), 3));
    EXPECT_FALSE(f.Ajouter(ElementFigure{}, 3)) << "a limit of 3 holds 3";
    EXPECT_EQ(f.NbElements, 3);

    f.Retirer(1);
    ASSERT_EQ(f.NbElements, 2);
    EXPECT_EQ(f[1].X1, 2);
    EXPECT_EQ(f[2].X1, 3);
    f.Retirer(7);
    EXPECT_EQ(f.NbElements, 2);

    // The slot left behind keeps its values until the figure is cleared above its count.
    EXPECT_EQ(f[3].X1, 3);
    f.ViderAuDela(200);
    EXPECT_EQ(f[3].X1, 0);
    EXPECT_EQ(f[3].Couleur, CouleurBlanc);
    EXPECT_EQ(f[2].X1, 3);

    Figure pleine;
    for (int i = 0; i < Figure::Capacite; ++i)
        ASSERT_TRUE(pleine.Ajouter(ElementFigure{}));
    EXPECT_FALSE(pleine.Ajouter(ElementFigure{}, 100000));
}
