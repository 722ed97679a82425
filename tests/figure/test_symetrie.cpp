#include "ImpressionFigure.h"
#include "Dessin.h"
#include "Symetrie.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Quadrillage Grille(Axe typeAxe, int decalage = 0, int colonnes = 24, int taille = 20)
{
    Quadrillage g;
    g.TypeAxe = typeAxe;
    g.DecalageAxe = decalage;
    g.NbColonnes = colonnes;
    g.NbLignes = colonnes;
    g.TailleCase = taille;
    return g;
}

ElementFigure Element(Genre genre, int x1, int y1, int x2, int y2)
{
    return ElementDepuisPixels(genre, x1, y1, x2, y2, CouleurRouge, 20);
}

std::vector<QPoint> Points(const ElementFigure& e, QRect zone = QRect(-5000, -5000, 10000, 10000))
{
    std::vector<QPoint> points;
    ParcourirElement(e, zone, [&points](QPoint p) { points.push_back(p); });
    return points;
}

} // namespace

TEST(Symetrie, ImagesDesNoeudsEtDesPixels)
{
    EXPECT_EQ(ImageNoeud(Grille(AxeVertical), {3, 5}), QPoint(21, 5));
    EXPECT_EQ(ImageMiroir(Grille(AxeVertical), {70, 33}), QPoint(410, 33));
    EXPECT_EQ(ImageNoeud(Grille(AxeVertical, 2), {3, 5}), QPoint(25, 5));
    EXPECT_EQ(ImageNoeud(Grille(AxeObliqueHB), {2, 7}), QPoint(7, 2));
    EXPECT_EQ(ImageNoeud(Grille(AxeObliqueBH), {2, 7}), QPoint(17, 22));
    EXPECT_EQ(ImageNoeud(Grille(AxePoint), {2, 7}), QPoint(22, 17));
    EXPECT_EQ(ImageNoeud(Grille(AxeHorizontal, -1), {2, 7}), QPoint(2, 15));

    // The pixel rule agrees with the node rule on every node, for every axis and shift.
    for (Axe axe : {AxeVertical, AxeHorizontal, AxeObliqueHB, AxeObliqueBH, AxePoint})
        for (int d : {-5, -2, 0, 3})
            for (QPoint n : {QPoint(0, 0), QPoint(3, 17), QPoint(24, 9)}) {
                const Quadrillage g = Grille(axe, d);
                EXPECT_EQ(ImageMiroir(g, n * 20), ImageNoeud(g, n) * 20) << Code(axe) << " " << d;
                EXPECT_EQ(ImageMiroir(g, ImageMiroir(g, n * 20 + QPoint(3, 7))),
                          n * 20 + QPoint(3, 7));
            }

    Quadrillage inconnu = Grille(static_cast<Axe>(9));
    EXPECT_EQ(ImageMiroir(inconnu, {7, 8}), QPoint(7, 8));
    Quadrillage loin = Grille(AxeVertical, 2000000000);
    EXPECT_EQ(ImageMiroir(loin, {0, 0}).x(), 1 << 30) << "held, not wrapped";
}

TEST(Symetrie, SymetriqueDansQuadrillage)
{
    EXPECT_TRUE(SymetriqueDansQuadrillage(Grille(AxeVertical), 0, 3));
    EXPECT_TRUE(SymetriqueDansQuadrillage(Grille(AxeVertical), 5, 3));
    EXPECT_TRUE(SymetriqueDansQuadrillage(Grille(AxeVertical, -1), 0, 3));
    EXPECT_FALSE(SymetriqueDansQuadrillage(Grille(AxeVertical, 1), 0, 3));
    EXPECT_TRUE(SymetriqueDansQuadrillage(Grille(AxeVertical, 1), 2, 3));
    EXPECT_FALSE(SymetriqueDansQuadrillage(Grille(AxeHorizontal, -3), 4, 23));
    EXPECT_FALSE(SymetriqueDansQuadrillage(Grille(AxeObliqueHB, 2), 1, 5));
    EXPECT_TRUE(SymetriqueDansQuadrillage(Grille(AxeObliqueHB, 2), 3, 5));
    EXPECT_FALSE(SymetriqueDansQuadrillage(Grille(AxeObliqueHB, 2), 3, 23));
    EXPECT_TRUE(SymetriqueDansQuadrillage(Grille(AxeObliqueBH), 0, 24));
    EXPECT_FALSE(SymetriqueDansQuadrillage(Grille(AxeObliqueBH, 1), 0, 5));
    EXPECT_FALSE(SymetriqueDansQuadrillage(Grille(AxeObliqueBH, -1), 5, 24));
    for (int x : {-50, 0, 12, 80})
        EXPECT_TRUE(SymetriqueDansQuadrillage(Grille(AxePoint, 5), x, -x));

    // Element check: a painted area is judged by its seed's cell alone.
    const Quadrillage g = Grille(AxeVertical, 1);
    EXPECT_FALSE(ElementASymetrique(g, Element(GenreTrait, 40, 0, 0, 60)));
    EXPECT_TRUE(ElementASymetrique(g, Element(GenreTrait, 40, 0, 60, 60)));
    EXPECT_TRUE(ElementASymetrique(g, Element(GenreColoriage, 45, 5, 0, 0)));
    EXPECT_FALSE(ElementASymetrique(g, Element(GenreColoriage, 5, 5, 45, 5)));
}

TEST(Symetrie, PointsParcourusLeLongDesElements)
{
    // P1 is not walked, P2 is; the minor coordinate follows a truncating division.
    EXPECT_EQ(Points(Element(GenreTrait, 0, 0, 3, 2)),
              (std::vector<QPoint>{{1, 0}, {2, 1}, {3, 2}}));
    EXPECT_EQ(Points(Element(GenreTrait, 0, 0, -2, -3)),
              (std::vector<QPoint>{{0, -1}, {-1, -2}, {-2, -3}}));
    EXPECT_TRUE(Points(Element(GenreTrait, 40, 40, 40, 40)).empty());

    const std::vector<QPoint> rectangle = Points(Element(GenreRectangle, 20, 40, 0, 0));
    EXPECT_EQ(rectangle.size(), 2u * 20 + 2u * 40);
    EXPECT_EQ(rectangle.front(), QPoint(19, 40));
    EXPECT_EQ(rectangle[1], QPoint(19, 0));

    const std::vector<QPoint> cercle = Points(Element(GenreCercle, 0, 0, 40, 40));
    ASSERT_EQ(cercle.size(), 360u);
    EXPECT_EQ(cercle[89], QPoint(40, 20)) << "90 degrees: three o'clock";
    EXPECT_EQ(cercle.back(), QPoint(20, 0)) << "360 degrees: straight up";

    // Quarter circles: one point per degree over the quadrant of the second point.
    struct Cas
    {
        int x2, y2;
        QPoint premier, dernier;
    } quarts[] = {{140, 60, {100, 60}, {140, 100}},
                  {140, 140, {140, 100}, {100, 140}},
                  {60, 140, {100, 140}, {60, 100}},
                  {60, 60, {60, 100}, {100, 60}}};
    for (const Cas& c : quarts) {
        const std::vector<QPoint> arc = Points(Element(GenreQuartDeCercle, 100, 100, c.x2, c.y2));
        ASSERT_EQ(arc.size(), 90u);
        EXPECT_LE((arc.front() - c.premier).manhattanLength(), 1) << c.x2 << "," << c.y2;
        EXPECT_EQ(arc.back(), c.dernier);
    }
    EXPECT_TRUE(Points(Element(GenreQuartDeCercle, 100, 100, 100, 60)).empty());
    EXPECT_TRUE(Points(Element(GenreQuartDeCercle, 100, 100, 60, 100)).empty());

    EXPECT_EQ(Points(Element(GenreColoriage, 45, 67, 0, 0)), (std::vector<QPoint>{{45, 67}}));
}

TEST(Symetrie, ParcoursBorneALaZone)
{
    // A damaged file's segment a billion pixels long costs no more than the zone.
    ElementFigure immense = Element(GenreTrait, -1000000000, 5, 1000000000, 5);
    std::vector<QPoint> dedans;
    const bool toutDedans =
        ParcourirElement(immense, QRect(0, 0, 100, 100), [&](QPoint p) { dedans.push_back(p); });
    EXPECT_FALSE(toutDedans);
    ASSERT_EQ(dedans.size(), 100u);
    EXPECT_EQ(dedans.front(), QPoint(0, 5));

    ElementFigure court = Element(GenreTrait, 10, 10, 20, 20);
    EXPECT_TRUE(ParcourirElement(court, QRect(0, 0, 100, 100), [](QPoint) {}));
}

TEST(Symetrie, MarquageDuMasque)
{
    MasqueReference masque(100, 100);
    MarquerElement(masque, Element(GenreTrait, 10, 50, 30, 50));
    for (int x = 10; x <= 32; ++x)
        for (int y = 47; y <= 53; ++y)
            EXPECT_TRUE(masque.estMarque(x, y)) << x << "," << y;
    EXPECT_FALSE(masque.estMarque(9, 50));
    EXPECT_FALSE(masque.estMarque(33, 50)) << "two pixels past the far end, no more";
    EXPECT_FALSE(masque.estMarque(20, 46));
    EXPECT_FALSE(masque.estMarque(20, 54));

    // A steep segment's band lies across it too: three pixels left and right of each row.
    MasqueReference raide(100, 100);
    MarquerElement(raide, Element(GenreTrait, 50, 10, 56, 40));
    for (int y = 10; y <= 42; ++y) {
        const int x = 50 + (6 * (y - 10)) / 30;
        EXPECT_TRUE(raide.estMarque(x - 3, y) && raide.estMarque(x + 3, y)) << "row " << y;
        EXPECT_FALSE(raide.estMarque(x - 4, y) || raide.estMarque(x + 4, y)) << "row " << y;
    }
    EXPECT_FALSE(raide.estMarque(50, 9)) << "nothing before the first point";
    EXPECT_FALSE(raide.estMarque(56, 43)) << "two pixels past the far end, no more";

    // A segment whose two points are equal marks its point alone.
    MasqueReference point(100, 100);
    MarquerElement(point, Element(GenreTrait, 40, 60, 40, 60));
    int marques = 0;
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y)
            marques += point.estMarque(x, y);
    EXPECT_EQ(marques, 1);
    EXPECT_TRUE(point.estMarque(40, 60));

    MasqueReference rect(100, 100);
    MarquerElement(rect, Element(GenreRectangle, 60, 60, 20, 20));
    EXPECT_TRUE(rect.estMarque(19, 40));
    EXPECT_TRUE(rect.estMarque(61, 40));
    EXPECT_TRUE(rect.estMarque(40, 59));
    EXPECT_FALSE(rect.estMarque(40, 40));
    EXPECT_FALSE(rect.estMarque(62, 40));

    // Circles mark exactly the pixels the player draws.
    for (ElementFigure e : {Element(GenreCercle, 20, 20, 80, 80),
                            Element(GenreQuartDeCercle, 50, 50, 10, 90)}) {
        MasqueReference m(100, 100);
        MarquerElement(m, e);
        QImage image = NouvelleImage(100, 100);
        DessinerElement(image, e, Rendu::Joueur);
        for (int x = 0; x < 100; ++x)
            for (int y = 0; y < 100; ++y)
                ASSERT_EQ(m.estMarque(x, y), CouleurPixel(image, x, y) == CouleurNoir)
                    << e.GenreElement << " at " << x << "," << y;
    }

    // Marks and looks outside the mask are dropped and read as unmarked.
    MasqueReference bord(50, 50);
    MarquerElement(bord, Element(GenreTrait, -10, 0, 60, 0));
    MarquerElement(bord, Element(GenreRectangle, -1000000000, -5, 1000000000, 49));
    EXPECT_TRUE(bord.estMarque(0, 0));
    EXPECT_TRUE(bord.estMarque(49, 49));
    EXPECT_FALSE(bord.estMarque(-1, 0));
    EXPECT_FALSE(bord.estMarque(50, 0));
    EXPECT_FALSE(MasqueReference().estMarque(0, 0));

    // Sized to the grid in use: a large screen's picture is marked to its far corner.
    MasqueReference grand(2000, 2000);
    MarquerElement(grand, Element(GenreTrait, 1990, 1990, 1998, 1998));
    EXPECT_TRUE(grand.estMarque(1998, 1998));
    grand.effacer();
    EXPECT_FALSE(grand.estMarque(1998, 1998));
}

TEST(Symetrie, PointsDeLAxeCouverts)
{
    // Only the samples on the black frame read as covered on a fresh grid: both ends of a
    // vertical axis, the far end of the others.
    const int surLeCadre[] = {0, 2, 1, 1, 1};
    for (Axe axe : {AxeVertical, AxeHorizontal, AxeObliqueHB, AxeObliqueBH}) {
        const Quadrillage g = Grille(axe);
        QImage image = NouvelleImage(500, 500);
        DessinerQuadrillage(image, g, 2, Rendu::Joueur);
        EXPECT_EQ(CompterPointsAxeCouverts(g, image), surLeCadre[Code(axe)]) << "axis " << Code(axe);

        // A black segment through the middle of the picture crosses every axis kind.
        DessinerElement(image, Element(GenreTrait, 0, 240, 480, 240), Rendu::Joueur);
        DessinerElement(image, Element(GenreTrait, 240, 0, 240, 480), Rendu::Joueur);
        EXPECT_GT(CompterPointsAxeCouverts(g, image), surLeCadre[Code(axe)]) << "axis " << Code(axe);
    }

    // A shifted axis is not where the samples are: they all read grey, all covered.
    const Quadrillage decale = Grille(AxeVertical, 2);
    QImage image = NouvelleImage(500, 500);
    DessinerQuadrillage(image, decale, 2, Rendu::Joueur);
    EXPECT_EQ(CompterPointsAxeCouverts(decale, image), 25 + 24);

    EXPECT_EQ(CompterPointsAxeCouverts(Grille(AxePoint), image), 0);

    // A damaged grid with countless rows: samples off the picture are counted, not visited.
    Quadrillage immense = Grille(AxeVertical);
    immense.NbLignes = 2000000000;
    EXPECT_EQ(CompterPointsAxeCouverts(immense, image), 2147483647);
    immense.TailleCase = 0;
    EXPECT_EQ(CompterPointsAxeCouverts(immense, image), 2147483647);
}

TEST(Symetrie, LesCerclesDuJoueurSontSymetriquesAuPixelPres)
{
    // The check compares the picture with its mirror point by point: a circle and its
    // image must round to mirrored pixels, for every radius and every axis.
    for (Axe axe : {AxeVertical, AxeHorizontal, AxeObliqueHB, AxeObliqueBH, AxePoint}) {
        const Quadrillage g = Grille(axe, 0, 10, 20);
        for (int r = 1; r <= 40; ++r)
            for (Genre genre : {GenreCercle, GenreQuartDeCercle}) {
                const ElementFigure e = genre == GenreCercle
                                            ? Element(genre, 50 - r, 60 - r, 50 + r, 60 + r)
                                            : Element(genre, 50, 60, 50 - r, 60 + r);
                QImage image = NouvelleImage(201, 201);
                QImage miroir = NouvelleImage(201, 201);
                DessinerElement(image, e, Rendu::Joueur);
                DessinerElement(miroir, ElementMiroir(g, e), Rendu::Joueur);
                QImage attendu = NouvelleImage(201, 201);
                int noirs = 0;
                for (int y = 0; y <= 110; ++y) // the element's box, with its outer ring
                    for (int x = 0; x <= 100; ++x)
                        if (CouleurPixel(image, x, y) == CouleurNoir) {
                            const QPoint q = ImageMiroir(g, {x, y});
                            PoserPixel(attendu, q.x(), q.y(), CouleurNoir);
                            ++noirs;
                        }
                ASSERT_EQ(miroir, attendu)
                    << "axis " << Code(axe) << ", kind " << genre << ", radius " << r;
                ASSERT_GT(noirs, 0);
            }
    }
}
