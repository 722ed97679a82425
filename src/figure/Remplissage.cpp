#include "Dessin.h"

#include "Couleurs.h"

#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Scan-line border fill. Pixels already of the fill colour belong to the region too (the
// fill only stops at black), so the pixels done must be told apart from their colour: an
// RGB32 picture holds 0xFF in every alpha byte, and the fill clears that byte on the
// pixels it paints, then paints its runs again with the byte set.
namespace {

class Remplissage
{
public:
    Remplissage(QImage& image, quint32 couleur)
        : m_image(image)
        , m_largeur(image.width())
        , m_hauteur(image.height())
        , m_couleur(VersQRgb(couleur) & 0x00FFFFFFu)
    {
    }

    void depuis(int x, int y)
    {
        if (!libre(ligne(y)[x]))
            return;
        m_pile.push_back({x, x, y, 0, x, x});
        while (!m_pile.empty()) {
            const Segment s = m_pile.back();
            m_pile.pop_back();
            traiter(s);
        }
        rendreOpaque();
    }

private:
    // A run found free on row y while scanning from the run [parentGauche, parentDroite]
    // of row y - sens (sens 0 for the seed).
    struct Segment
    {
        int gauche, droite, y, sens, parentGauche, parentDroite;
    };

    // Not yet done (alpha still set) and not black.
    static bool libre(QRgb pixel) { return pixel > 0xFF000000u; }

    // The first index from i on, up to fin + 1, that is not free. Runs are long in a
    // picture, so where the processor has vector units eight pixels are tested at once,
    // with libre() written as a signed comparison.
    static int finDuLibre(const QRgb* pixels, int i, int fin)
    {
#if defined(__SSE2__)
        const __m128i signe = _mm_set1_epi32(int(0x80000000u));
        const __m128i seuil = _mm_set1_epi32(0x7F000000);
        const auto libres = [&](int k) {
            const __m128i quatre = _mm_xor_si128(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + k)), signe);
            return _mm_cmpgt_epi32(quatre, seuil);
        };
        while (i + 8 <= fin + 1
               && _mm_movemask_epi8(_mm_and_si128(libres(i), libres(i + 4))) == 0xFFFF)
            i += 8;
#endif
        while (i <= fin && libre(pixels[i]))
            ++i;
        return i;
    }

    QRgb* ligne(int y) { return reinterpret_cast<QRgb*>(m_image.scanLine(y)); }

    // The run was free when it was found: unless part of it has been filled since, it
    // only needs growing past its ends. Otherwise its free stretches are taken one by one.
    void traiter(const Segment& s)
    {
        QRgb* pixels = ligne(s.y);
        if (libre(pixels[s.gauche]) && libre(pixels[s.droite])) {
            remplir(s, pixels, s.gauche, s.droite);
            return;
        }
        for (int i = s.gauche; i <= s.droite; ++i)
            if (libre(pixels[i]))
                i = remplir(s, pixels, i, i);
    }

    // Fills from `debut` to `fin` and on as far as the run goes both ways; returns its
    // right end.
    int remplir(const Segment& s, QRgb* pixels, int debut, int fin)
    {
        int gauche = debut;
        while (gauche > 0 && libre(pixels[gauche - 1]))
            --gauche;
        const int droite = finDuLibre(pixels, fin + 1, m_largeur - 1) - 1;
        std::fill(pixels + gauche, pixels + droite + 1, m_couleur);
        m_remplis.push_back({gauche, droite, s.y});
        voisins(s, gauche, droite);
        return droite;
    }

    // Runs to grow on the rows above and below. Towards the parent row, the part facing
    // the parent run was filled already and is skipped.
    void voisins(const Segment& s, int gauche, int droite)
    {
        for (int sens : {-1, 1}) {
            const int y = s.y + sens;
            if (y < 0 || y >= m_hauteur)
                continue;
            if (sens == -s.sens) {
                chercher(y, sens, gauche, std::min(droite, s.parentGauche - 1), gauche, droite);
                chercher(y, sens, std::max(gauche, s.parentDroite + 1), droite, gauche, droite);
            } else {
                chercher(y, sens, gauche, droite, gauche, droite);
            }
        }
    }

    void chercher(int y, int sens, int debut, int fin, int gauche, int droite)
    {
        const QRgb* pixels = ligne(y);
        int i = debut;
        while (i <= fin) {
            while (i <= fin && !libre(pixels[i]))
                ++i;
            if (i > fin)
                break;
            const int depart = i;
            i = finDuLibre(pixels, i, fin);
            m_pile.push_back({depart, i - 1, y, sens, gauche, droite});
        }
    }

    void rendreOpaque()
    {
        for (const Rempli& r : m_remplis) {
            QRgb* pixels = ligne(r.y);
            std::fill(pixels + r.gauche, pixels + r.droite + 1, m_couleur | 0xFF000000u);
        }
    }

    QImage& m_image;
    const int m_largeur;
    const int m_hauteur;
    const QRgb m_couleur;
    struct Rempli
    {
        int gauche, droite, y;
    };
    std::vector<Segment> m_pile;
    std::vector<Rempli> m_remplis;
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
