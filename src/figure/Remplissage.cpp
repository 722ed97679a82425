#include "Dessin.h"

#include "Couleurs.h"

#include <vector>

// Scan-line border fill. Pixels already of the fill colour belong to the region too (the
// fill only stops at black), so the pixels done must be told apart from their colour: an
// RGB32 picture holds 0xFF in every alpha byte, and the fill clears that byte on the
// pixels it paints, then sets it back over the rows it touched.
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
        m_hautTouche = m_basTouche = y;
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

    QRgb* ligne(int y) { return reinterpret_cast<QRgb*>(m_image.scanLine(y)); }

    void traiter(const Segment& s)
    {
        QRgb* pixels = ligne(s.y);
        for (int i = s.gauche; i <= s.droite; ++i) {
            if (!libre(pixels[i]))
                continue;
            int gauche = i;
            while (gauche > 0 && libre(pixels[gauche - 1]))
                --gauche;
            int droite = i;
            while (droite + 1 < m_largeur && libre(pixels[droite + 1]))
                ++droite;
            std::fill(pixels + gauche, pixels + droite + 1, m_couleur);
            m_hautTouche = std::min(m_hautTouche, s.y);
            m_basTouche = std::max(m_basTouche, s.y);
            voisins(s, gauche, droite);
            i = droite;
        }
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
            while (i <= fin && libre(pixels[i]))
                ++i;
            m_pile.push_back({depart, i - 1, y, sens, gauche, droite});
        }
    }

    void rendreOpaque()
    {
        for (int y = m_hautTouche; y <= m_basTouche; ++y) {
            QRgb* pixels = ligne(y);
            for (int x = 0; x < m_largeur; ++x)
                pixels[x] |= 0xFF000000u;
        }
    }

    QImage& m_image;
    const int m_largeur;
    const int m_hauteur;
    const QRgb m_couleur;
    int m_hautTouche = 0;
    int m_basTouche = -1;
    std::vector<Segment> m_pile;
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
