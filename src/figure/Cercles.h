#pragma once

#include "Bornes.h"

#include <QtGlobal>

#include <array>
#include <cmath>
#include <cstdlib>

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

inline const SinusCosinus& TableAngles()
{
    static const SinusCosinus table = [] {
        SinusCosinus t{};
        for (int i = 0; i <= DixiemesParTour; ++i) {
            const double angle = i * 2.0 * M_PI / double(DixiemesParTour);
            t.sinus[std::size_t(i)] = std::sin(angle);
            t.cosinus[std::size_t(i)] = std::cos(angle);
        }
        return t;
    }();
    return table;
}

// Round to the nearest integer, halves to the even neighbour (the default rounding mode).
inline qint64 Arrondir(double v)
{
    return qint64(std::nearbyint(v));
}

// Circles this large only come from damaged files: all their points are off any picture,
// and their products would leave the exact range of a double.
constexpr qint64 LimiteCercle = qint64(1) << 24;

// Calls f(x, y) for every step from `premier` to `dernier` (tenths of a degree) on the
// radii r - 1, r and r + 1 around (cx, cy).
template <class Fonction>
void PourChaquePixelArc(qint64 cx, qint64 cy, qint64 r, int premier, int dernier, Fonction&& f)
{
    if (std::llabs(r) > LimiteCercle || std::llabs(cx) > LimiteCercle
        || std::llabs(cy) > LimiteCercle)
        return;
    const SinusCosinus& table = TableAngles();
    for (int i = premier; i <= dernier; ++i) {
        const double s = table.sinus[std::size_t(i)];
        const double c = table.cosinus[std::size_t(i)];
        for (qint64 rho = r - 1; rho <= r + 1; ++rho)
            f(cx + Arrondir(double(rho) * s), cy - Arrondir(double(rho) * c));
    }
}

// The quarter holding (x2, y2) as seen from the centre (x1, y1), in tenths of a degree:
// right-above 1..900, right-below 901..1800, left-below 1801..2700, left-above
// 2701..3600. False when the two points share a row or a column: no quarter.
inline bool QuartEnDixiemes(qint64 x1, qint64 y1, qint64 x2, qint64 y2, int& premier,
                            int& dernier)
{
    if (x1 == x2 || y1 == y2)
        return false;
    const bool droite = x2 > x1;
    const bool dessus = y2 < y1;
    const int quart = droite ? (dessus ? 0 : 1) : (dessus ? 3 : 2);
    premier = quart * 900 + 1;
    dernier = quart * 900 + 900;
    return true;
}

// Centre and radius of the player's circle: the width of its box alone sets the radius.
struct CercleJoueur
{
    qint64 cx, cy, r;
};

inline CercleJoueur CercleDe(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    const qint64 r = std::llabs(x2 - x1) / 2;
    return {std::min(x1, x2) + r, std::min(y1, y2) + r, r};
}
