#include "Dessin.h"

#include "Couleurs.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Scan-line border fill. Pixels already of the fill colour belong to the region too (the
// fill only stops at black), so the pixels done are told apart from their colour by one
// bit each on the side: a picture of 1000 x 1000 needs 125 kB of bits, which costs far
// less than a second pass over its 4 MB of pixels.
//
// A run is painted whole the moment it is found, in the same pass that finds its end, and
// only then put aside to have its rows above and below searched. Every pixel is thus read
// once and written once, and the searches skip the runs done 64 pixels at a time.
namespace {

class Remplissage
{
public:
    Remplissage(QImage& image, quint32 couleur)
        : image_(image)
        , largeur_(image.width())
        , hauteur_(image.height())
        , mots_((largeur_ + 63) / 64)
        , couleur_(VersQRgb(couleur) | 0xFF000000u)
        , faits_(std::size_t(mots_) * std::size_t(hauteur_), 0)
    {
    }

    void depuis(int x, int y)
    {
        if (!libre(ligne(y)[x]))
            return;
        decouvrir(y, x);
        while (!pile_.empty()) {
            const Segment s = pile_.back();
            pile_.pop_back();
            if (s.y > 0)
                chercher(s.y - 1, s.gauche, s.droite);
            if (s.y + 1 < hauteur_)
                chercher(s.y + 1, s.gauche, s.droite);
        }
    }

private:
    struct Segment
    {
        int gauche, droite, y;
    };

    // Not black. Written as a comparison so that the vector tests below read the same.
    static bool libre(QRgb pixel) { return pixel > 0xFF000000u; }

    QRgb* ligne(int y) { return reinterpret_cast<QRgb*>(image_.scanLine(y)); }
    quint64* bits(int y) { return faits_.data() + std::size_t(y) * std::size_t(mots_); }

    // Paints from i on while the pixels are free and returns the last one painted. Where
    // the processor has vector units, eight pixels are tested and painted at once.
    int peindre(QRgb* pixels, int i)
    {
#if defined(__SSE2__)
        const __m128i signe = _mm_set1_epi32(int(0x80000000u));
        const __m128i seuil = _mm_set1_epi32(0x7F000000);
        const __m128i couleur = _mm_set1_epi32(int(couleur_));
        const auto libres = [&](int k) {
            const __m128i quatre = _mm_xor_si128(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + k)), signe);
            return _mm_cmpgt_epi32(quatre, seuil);
        };
        while (i + 16 <= largeur_
               && _mm_movemask_epi8(_mm_and_si128(_mm_and_si128(libres(i), libres(i + 4)),
                                                  _mm_and_si128(libres(i + 8), libres(i + 12))))
                   == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i), couleur);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i + 4), couleur);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i + 8), couleur);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i + 12), couleur);
            i += 16;
        }
#endif
        while (i < largeur_ && libre(pixels[i]))
            pixels[i++] = couleur_;
        return i - 1;
    }

    // A free pixel not done yet belongs to a run nobody has touched, since runs are
    // painted whole: paint it all, mark it done and keep it for its neighbours.
    int decouvrir(int y, int x)
    {
        QRgb* pixels = ligne(y);
        int gauche = x;
        while (gauche > 0 && libre(pixels[gauche - 1]))
            pixels[--gauche] = couleur_;
        const int droite = peindre(pixels, x);
        marquer(bits(y), gauche, droite);
        pile_.push_back({gauche, droite, y});
        return droite;
    }

    static void marquer(quint64* mots, int debut, int fin)
    {
        const int premier = debut / 64;
        const int dernier = fin / 64;
        const quint64 depuisDebut = ~quint64(0) << (debut % 64);
        const quint64 jusquAFin = ~quint64(0) >> (63 - fin % 64);
        if (premier == dernier) {
            mots[premier] |= depuisDebut & jusquAFin;
            return;
        }
        mots[premier] |= depuisDebut;
        for (int m = premier + 1; m < dernier; ++m)
            mots[m] = ~quint64(0);
        mots[dernier] |= jusquAFin;
    }

    // The first pixel from i on not done yet (past `fin` when there is none).
    static int premierAFaire(const quint64* mots, int i, int fin)
    {
        while (i <= fin) {
            const quint64 restants = ~mots[i / 64] >> (i % 64);
            if (restants != 0)
                return i + std::countr_zero(restants);
            i = (i | 63) + 1;
        }
        return i;
    }

    // Finds and paints the runs of row y that touch [debut, fin] of a run painted beside.
    void chercher(int y, int debut, int fin)
    {
        const QRgb* pixels = ligne(y);
        const quint64* mots = bits(y);
        int i = premierAFaire(mots, debut, fin);
        while (i <= fin) {
            if (libre(pixels[i]))
                i = decouvrir(y, i) + 2; // the pixel after a run is black or outside
            else
                ++i;
            i = premierAFaire(mots, i, fin);
        }
    }

    QImage& image_;
    const int largeur_;
    const int hauteur_;
    const int mots_;
    const QRgb couleur_;
    std::vector<quint64> faits_; // one bit per pixel, rows of mots_ words
    std::vector<Segment> pile_;
};

} // namespace

void RemplirJusquAuNoir(QImage& image, int x, int y, quint32 couleur)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    Remplissage(image, couleur).depuis(x, y);
}

namespace {

constexpr int Loin = 1 << 28;

// Chamfer distance (3 for a step, 4 for a diagonal) from each pixel of the zone to the
// nearest pixel that is not in it, the cell's outside included.
std::vector<int> DistancesAuBord(const std::vector<int>& zones, int zone, int largeur, int hauteur)
{
    std::vector<int> d(zones.size());
    for (std::size_t i = 0; i < zones.size(); ++i)
        d[i] = zones[i] == zone ? Loin : 0;
    const auto lire = [&](int x, int y) {
        return x < 0 || y < 0 || x >= largeur || y >= hauteur ? 0 : d[std::size_t(y * largeur + x)];
    };
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) {
            int& v = d[std::size_t(y * largeur + x)];
            v = std::min({v, lire(x - 1, y) + 3, lire(x, y - 1) + 3, lire(x - 1, y - 1) + 4,
                          lire(x + 1, y - 1) + 4});
        }
    for (int y = hauteur - 1; y >= 0; --y)
        for (int x = largeur - 1; x >= 0; --x) {
            int& v = d[std::size_t(y * largeur + x)];
            v = std::min({v, lire(x + 1, y) + 3, lire(x, y + 1) + 3, lire(x + 1, y + 1) + 4,
                          lire(x - 1, y + 1) + 4});
        }
    return d;
}

} // namespace

std::vector<QPoint> ZonesDansCase(const QImage& image, const QRect& cellule)
{
    const QRect c = cellule & image.rect();
    if (c.isEmpty())
        return {};
    const int largeur = c.width();
    const int hauteur = c.height();
    const auto point = [&](std::size_t i) { return c.topLeft() + QPoint(int(i) % largeur, int(i) / largeur); };

    // Each zone is filled black in a copy, so that the next free pixel of the cell is
    // another zone's; the pixels that turned black are the zone's part of the cell.
    QImage marquee = image.convertToFormat(QImage::Format_RGB32);
    std::vector<int> zones(std::size_t(largeur) * std::size_t(hauteur), -1);
    std::vector<int> tailles;
    for (std::size_t i = 0; i < zones.size(); ++i) {
        const QPoint p = point(i);
        if (zones[i] >= 0 || CouleurPixel(marquee, p.x(), p.y()) == CouleurNoir)
            continue;
        RemplirJusquAuNoir(marquee, p.x(), p.y(), CouleurNoir);
        const int zone = int(tailles.size());
        tailles.push_back(0);
        for (std::size_t j = i; j < zones.size(); ++j) {
            const QPoint q = point(j);
            if (zones[j] < 0 && CouleurPixel(image, q.x(), q.y()) != CouleurNoir
                && CouleurPixel(marquee, q.x(), q.y()) == CouleurNoir) {
                zones[j] = zone;
                ++tailles.back();
            }
        }
    }

    const QPoint centre = cellule.topLeft() + QPoint(cellule.width() / 2, cellule.height() / 2);
    std::vector<QPoint> points;
    for (int zone = 0; zone < int(tailles.size()); ++zone) {
        const std::vector<int> d = DistancesAuBord(zones, zone, largeur, hauteur);
        std::size_t meilleur = 0;
        const auto ecart = [&](std::size_t i) {
            const QPoint v = point(i) - centre;
            return v.x() * v.x() + v.y() * v.y();
        };
        for (std::size_t i = 1; i < d.size(); ++i)
            if (d[i] > d[meilleur] || (d[i] == d[meilleur] && ecart(i) < ecart(meilleur)))
                meilleur = i;
        points.push_back(point(meilleur));
    }
    std::vector<int> ordre(tailles.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) { return tailles[std::size_t(a)] > tailles[std::size_t(b)]; });
    std::vector<QPoint> tries;
    for (int zone : ordre)
        tries.push_back(points[std::size_t(zone)]);
    return tries;
}
