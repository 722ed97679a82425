#include "Dessin.h"

#include "Couleurs.h"

#include <vector>

// Scan-line border fill. Pixels already of the fill colour belong to the region too (the
// fill only stops at black), so the pixels done are remembered apart from their colour.
namespace {

class Remplissage
{
public:
    Remplissage(QImage& image, quint32 couleur)
        : m_image(image)
        , m_largeur(image.width())
        , m_hauteur(image.height())
        , m_couleur(VersQRgb(couleur))
        , m_fait(std::size_t(m_largeur) * std::size_t(m_hauteur), 0)
    {
    }

    void depuis(int x, int y)
    {
        if (!aRemplir(x, y))
            return;
        m_pile.push_back({x, y});
        while (!m_pile.empty()) {
            const Graine g = m_pile.back();
            m_pile.pop_back();
            if (aRemplir(g.x, g.y))
                remplirSegment(g.x, g.y);
        }
    }

private:
    struct Graine
    {
        int x, y;
    };

    QRgb* ligne(int y) { return reinterpret_cast<QRgb*>(m_image.scanLine(y)); }
    quint8* faits(int y) { return m_fait.data() + std::size_t(y) * std::size_t(m_largeur); }

    static bool estNoir(QRgb pixel) { return (pixel & 0x00FFFFFFu) == 0; }

    bool aRemplir(int x, int y)
    {
        if (x < 0 || y < 0 || x >= m_largeur || y >= m_hauteur)
            return false;
        return !faits(y)[x] && !estNoir(ligne(y)[x]);
    }

    // Fills the run through (x, y) as far as black or done pixels, then queues the runs
    // it touches on the rows above and below.
    void remplirSegment(int x, int y)
    {
        QRgb* pixels = ligne(y);
        quint8* fait = faits(y);
        int gauche = x;
        while (gauche > 0 && !fait[gauche - 1] && !estNoir(pixels[gauche - 1]))
            --gauche;
        int droite = x;
        while (droite + 1 < m_largeur && !fait[droite + 1] && !estNoir(pixels[droite + 1]))
            ++droite;
        for (int i = gauche; i <= droite; ++i) {
            pixels[i] = m_couleur;
            fait[i] = 1;
        }
        if (y > 0)
            chercherSegments(gauche, droite, y - 1);
        if (y + 1 < m_hauteur)
            chercherSegments(gauche, droite, y + 1);
    }

    void chercherSegments(int gauche, int droite, int y)
    {
        const QRgb* pixels = ligne(y);
        const quint8* fait = faits(y);
        bool dansSegment = false;
        for (int i = gauche; i <= droite; ++i) {
            const bool libre = !fait[i] && !estNoir(pixels[i]);
            if (libre && !dansSegment)
                m_pile.push_back({i, y});
            dansSegment = libre;
        }
    }

    QImage& m_image;
    const int m_largeur;
    const int m_hauteur;
    const QRgb m_couleur;
    std::vector<quint8> m_fait;
    std::vector<Graine> m_pile;
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
