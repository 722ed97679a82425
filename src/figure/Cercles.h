#pragma once

#include "Bornes.h"
#include "Figure.h"

#include <QtGlobal>

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

// The player plots circles and quarter circles in tenths of a degree, clockwise from
// straight up, on three radii. The check marks and walks the very same pixels, so every
// user of these points goes through the functions below, which compute each angle once
// and in one way.

constexpr int DixiemesParTour = 3600;

struct SinusCosinus
{
    std::array<double, DixiemesParTour + 1> sinus;
    std::array<double, DixiemesParTour + 1> cosinus;
};

// Sine and cosine of every tenth of a degree, 0 to 3600.
const SinusCosinus& TableAngles();

// Round to the nearest integer, halves to the even neighbour (the default rounding mode).
inline qint64 Arrondir(double v)
{
    return qint64(std::nearbyint(v));
}

// Circles this large only come from damaged files: all their points are off any picture,
// and their products would leave the exact range of a double.
constexpr qint64 LimiteCercle = qint64(1) << 24;

constexpr int DixiemesParQuart = DixiemesParTour / 4;

struct Decalage
{
    int dx, dy;
};

// The distinct pixels one quarter (0: right-above, 1: right-below, 2: left-below,
// 3: left-above) sets around its centre: steps 900·quart to 900·quart + 900 on the radii
// r - 1, r and r + 1. Many steps land on the same pixel, so the set is far smaller than
// the steps. A quarter holds both of its end steps: a reflection turns a quarter's first
// step into its image's last, so with one end left out a quarter and the image of its
// image would differ by the end pixels, which part from their neighbours on radii of
// 287 pixels and more (0.1° is then half a pixel).
std::vector<Decalage> CalculerDecalagesQuart(qint64 r, int quart);

// The same, kept per radius (the user-interface thread alone draws and checks).
const std::vector<Decalage>& DecalagesQuart(qint64 r, int quart);

// Calls f(x, y) for every pixel of quarters premierQuart..dernierQuart of the player's
// circle of radius r around (cx, cy).
template <class Fonction>
void PourChaquePixelArc(qint64 cx, qint64 cy, qint64 r, int premierQuart, int dernierQuart,
                        Fonction&& f)
{
    if (std::llabs(r) > LimiteCercle || std::llabs(cx) > LimiteCercle
        || std::llabs(cy) > LimiteCercle)
        return;
    for (int quart = premierQuart; quart <= dernierQuart; ++quart)
        for (const Decalage& d : DecalagesQuart(r, quart))
            f(cx + d.dx, cy + d.dy);
}

// The player's circle or quarter circle of an element: centre, radius (the width of a
// circle's box alone sets it) and quarters. False for the other kinds, and for a quarter
// circle whose two points share a row or a column, which has no quarter to draw.
struct ArcJoueur
{
    qint64 cx, cy, r;
    int premierQuart, dernierQuart;
};

bool ArcDe(const ElementFigure& e, ArcJoueur& arc);
