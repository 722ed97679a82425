// The help after "Faux" outlines each element on the pixels the player set for it, and
// outlines nothing where the player drew nothing.

#include "CalqueCorrection.h"
#include "Dessin.h"
#include "ImpressionFigure.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr int Cote = 160;

bool Marque(const QImage& image, int x, int y, bool calque)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return false;
    // The layer is red on white: a pixel more than half covered has lost its green.
    return calque ? qGreen(image.pixel(x, y)) < 128 : CouleurPixel(image, x, y) == CouleurNoir;
}

// Pixels marked in `a` with no pixel marked in `b` at most one pixel away.
int Isoles(const QImage& a, bool aCalque, const QImage& b, bool bCalque)
{
    int isoles = 0;
    for (int y = 0; y < Cote; ++y)
        for (int x = 0; x < Cote; ++x) {
            bool voisin = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    voisin = voisin || Marque(b, x + dx, y + dy, bCalque);
            isoles += Marque(a, x, y, aCalque) && !voisin;
        }
    return isoles;
}

} // namespace

TEST(CalqueCorrection, ChaqueContourSurLesPixelsDuJoueur)
{
    const struct {
        const char* cas;
        Genre genre;
        QPoint p1, p2;
    } cas[] = {
        {"segment", GenreTrait, {20, 30}, {150, 90}},
        {"rectangle", GenreRectangle, {40, 120}, {140, 40}},
        {"circle", GenreCercle, {40, 40}, {120, 120}},
        {"circle whose box is not square, as a file may hold it", GenreCercle, {40, 40}, {120, 100}},
        {"quarter right and above", GenreQuartDeCercle, {80, 80}, {140, 20}},
        {"quarter right and below", GenreQuartDeCercle, {80, 80}, {140, 140}},
        {"quarter left and below", GenreQuartDeCercle, {80, 80}, {20, 140}},
        {"quarter left and above", GenreQuartDeCercle, {80, 80}, {20, 20}},
        {"quarter on one row, which the player does not draw", GenreQuartDeCercle, {80, 80}, {140, 80}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.cas);
        const ElementFigure e = ElementDepuisPixels(c.genre, c.p1.x(), c.p1.y(), c.p2.x(), c.p2.y(), CouleurBlanc, 20);
        QImage joueur = NouvelleImage(Cote, Cote);
        DessinerElement(joueur, e, Rendu::Joueur);

        QWidget surface;
        surface.resize(Cote, Cote);
        CalqueCorrection calque(&surface, 60000);
        calque.montrer({{e, Qt::red}}, 20);
        QImage vue(Cote, Cote, QImage::Format_RGB32);
        vue.fill(Qt::white);
        calque.render(&vue);

        EXPECT_EQ(Isoles(vue, true, joueur, false), 0) << "outlined where the player drew nothing";
        EXPECT_EQ(Isoles(joueur, false, vue, true), 0) << "drawn by the player, not outlined";
    }
}
