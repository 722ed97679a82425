#include "Cercles.h"

#include <algorithm>
#include <map>

std::vector<Decalage> CalculerDecalagesQuart(qint64 r, int quart)
{
    const SinusCosinus& table = TableAngles();
    std::vector<Decalage> decalages;
    for (int i = quart * DixiemesParQuart + 1; i <= (quart + 1) * DixiemesParQuart; ++i) {
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
    // Radii come from the figures shown; a damaged file could bring many, so the memory
    // is let go once it holds more than a screenful of them.
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
