#include "Cercles.h"

#include <algorithm>
#include <map>
#include <numbers>

namespace {

// The table is built from the first eighth of the turn and completed by symmetry, so
// that a circle and its mirror image under any axis round to mirrored pixels: computed
// directly, sin(330°) and -sin(30°) may differ in their last bit and round apart.
SinusCosinus ConstruireTableAngles()
{
    constexpr int Huitieme = DixiemesParTour / 8;
    constexpr int Quart = DixiemesParTour / 4;
    std::array<double, Huitieme + 1> s{};
    std::array<double, Huitieme + 1> c{};
    for (int i = 0; i <= Huitieme; ++i) {
        const double angle = i * 2.0 * std::numbers::pi / double(DixiemesParTour);
        s[std::size_t(i)] = std::sin(angle);
        c[std::size_t(i)] = std::cos(angle);
    }
    s[std::size_t(DixiemesParTour / 12)] = 0.5; // 30°: an exact half, rounded to even
    c[std::size_t(Huitieme)] = s[std::size_t(Huitieme)];
    const auto sinusQuart = [&](int i) {
        return i <= Huitieme ? s[std::size_t(i)] : c[std::size_t(Quart - i)];
    };
    const auto cosinusQuart = [&](int i) {
        return i <= Huitieme ? c[std::size_t(i)] : s[std::size_t(Quart - i)];
    };
    SinusCosinus t{};
    for (int i = 0; i <= DixiemesParTour; ++i) {
        const int quart = (i / Quart) % 4;
        const int reste = i % Quart;
        const double sq = sinusQuart(reste);
        const double cq = cosinusQuart(reste);
        const double sinus[4] = {sq, cq, -sq, -cq};
        const double cosinus[4] = {cq, -sq, -cq, sq};
        t.sinus[std::size_t(i)] = sinus[quart];
        t.cosinus[std::size_t(i)] = cosinus[quart];
    }
    return t;
}

} // namespace

const SinusCosinus& TableAngles()
{
    static const SinusCosinus table = ConstruireTableAngles();
    return table;
}

std::vector<Decalage> CalculerDecalagesQuart(qint64 r, int quart)
{
    const SinusCosinus& table = TableAngles();
    std::vector<Decalage> decalages;
    for (int i = quart * DixiemesParQuart; i <= (quart + 1) * DixiemesParQuart; ++i) {
        const double s = table.sinus[std::size_t(i)];
        const double c = table.cosinus[std::size_t(i)];
        for (qint64 rho = r - 1; rho <= r + 1; ++rho)
            decalages.push_back({int(Arrondir(double(rho) * s)), int(-Arrondir(double(rho) * c))});
    }
    const auto avant = [](Decalage a, Decalage b) {
        return a.dy != b.dy ? a.dy < b.dy : a.dx < b.dx;
    };
    const auto egal = [](Decalage a, Decalage b) { return a.dx == b.dx && a.dy == b.dy; };
    std::sort(decalages.begin(), decalages.end(), avant);
    decalages.erase(std::unique(decalages.begin(), decalages.end(), egal), decalages.end());
    return decalages;
}

const std::vector<Decalage>& DecalagesQuart(qint64 r, int quart)
{
    struct Rayon
    {
        std::array<std::vector<Decalage>, 4> quarts;
        std::array<bool, 4> calcule{};
    };
    // A cache, the core's one mutable global: a radius's offsets depend on the radius
    // alone, and every window draws the same few radii again and again. Radii come from
    // the figures shown; a damaged file could bring many, so the memory is let go once it
    // holds more than a screenful of them.
    static std::map<qint64, Rayon> memoire;
    if (memoire.size() > 512)
        memoire.clear();
    Rayon& rayon = memoire[r];
    const std::size_t q = std::size_t(quart);
    if (!rayon.calcule[q]) {
        rayon.quarts[q] = CalculerDecalagesQuart(r, quart);
        rayon.calcule[q] = true;
    }
    return rayon.quarts[q];
}

namespace {

// The quarter holding (x2, y2) as seen from the centre (x1, y1).
int QuartDe(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    const bool droite = x2 > x1;
    const bool dessus = y2 < y1;
    return droite ? (dessus ? 0 : 1) : (dessus ? 3 : 2);
}

} // namespace

bool ArcDe(const ElementFigure& e, ArcJoueur& arc)
{
    const qint64 x1 = e.X1, y1 = e.Y1, x2 = e.X2, y2 = e.Y2;
    if (e.GenreElement == GenreCercle) {
        const qint64 r = std::llabs(x2 - x1) / 2;
        arc = {std::min(x1, x2) + r, std::min(y1, y2) + r, r, 0, 3};
        return true;
    }
    if (e.GenreElement != GenreQuartDeCercle || x1 == x2 || y1 == y2)
        return false;
    const int quart = QuartDe(x1, y1, x2, y2);
    arc = {x1, y1, std::llabs(x2 - x1), quart, quart};
    return true;
}
