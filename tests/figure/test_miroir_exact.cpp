// The pupil who draws exactly the image of the model, through the player's own gesture
// (press near a node, release near another, circles squared), must always read "Juste";
// the same drawing one node away must always read "Faux". Random figures under every axis
// kind and shift, on the cell sizes real screens give the grid (every even size from 12
// to 60 pixels) and on grids of 12 to 36 cells. Every case follows from its own seed,
// which a failure names with the case.

#include "Dessin.h"
#include "Symetrie.h"
#include "TraceSouris.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <sstream>
#include <vector>

namespace {

constexpr int CasParTaille = 40;

// splitmix64: the same case from the same seed on every computer.
class Tirage
{
public:
    explicit Tirage(quint64 graine)
        : m_etat(graine)
    {
    }

    int entre(int bas, int haut) { return bas + int(suivant() % quint64(haut - bas + 1)); }
    bool pile() { return entre(0, 1) == 1; }

private:
    quint64 suivant()
    {
        quint64 z = (m_etat += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    quint64 m_etat;
};

struct Geste
{
    Genre genre;
    QPoint depart, arrivee; // pixels where the button went down and up
};

// One format of the player's picture: its grid, with the axis, and the exercise drawn.
struct Format
{
    Quadrillage grille;
    int exercice = 2;

    int t() const { return grille.TailleCase; }
    int cases() const { return grille.NbColonnes; }
    // The picture cut to the grid's frame: nothing the check reads lies beyond it.
    int cote() const { return cases() * t() + 4; }
    bool dansLaGrille(QPoint pixel) const
    {
        const int bord = cases() * t();
        return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() <= bord && pixel.y() <= bord;
    }
};

// What the player makes of a gesture: both ends snapped to nodes, refused when the nodes
// do not make a shape, a circle's end made square. A painted area keeps its pixel.
std::optional<ElementFigure> ElementDuGeste(const Format& f, const Geste& g, quint32 couleur)
{
    if (g.genre == GenreColoriage)
        return ElementDepuisPixels(g.genre, g.depart.x(), g.depart.y(), 0, 0, couleur, f.t());
    const auto noeud = [&f](QPoint p) {
        return QPoint(AccrocherAuNoeud(p.x(), f.cases(), f.t()),
                      AccrocherAuNoeud(p.y(), f.cases(), f.t()));
    };
    const QPoint a = noeud(g.depart);
    const QPoint b = noeud(g.arrivee);
    const bool autreColonne = a.x() != b.x();
    const bool autreLigne = a.y() != b.y();
    if (g.genre == GenreTrait ? !(autreColonne || autreLigne) : !(autreColonne && autreLigne))
        return std::nullopt;
    QPoint arrivee = b * f.t();
    if (g.genre == GenreCercle || g.genre == GenreQuartDeCercle)
        arrivee = ArriveeCarree(a * f.t(), arrivee);
    return ElementDepuisPixels(g.genre, a.x() * f.t(), a.y() * f.t(), arrivee.x(), arrivee.y(),
                               couleur, f.t());
}

std::string Nom(const Format& f, quint64 graine, const Figure& modele)
{
    std::ostringstream nom;
    nom << "seed " << graine << ", cell " << f.t() << " px, " << f.cases() << " cells, exercise "
        << f.exercice << ", axis " << Code(f.grille.TypeAxe) << " shift " << f.grille.DecalageAxe;
    for (int i = 1; i <= modele.NbElements; ++i) {
        const ElementFigure& e = modele[i];
        nom << "; kind " << Code(e.GenreElement) << " (" << e.X1 << ", " << e.Y1 << ") to ("
            << e.X2 << ", " << e.Y2 << ") px";
    }
    return nom.str();
}

// The grid of one format drawn once; each exercise and answer draws over it and puts
// back only the pixels it may have changed, which keeps thousands of checks fast.
class Plateau
{
public:
    explicit Plateau(const Format& format)
        : m_format(format)
        , m_vierge(NouvelleImage(format.cote(), format.cote()))
        , m_masque(format.cote(), format.cote())
    {
        DessinerQuadrillage(m_vierge, format.grille, format.exercice, Rendu::Joueur);
        m_image = m_vierge.copy();
    }

    void montrer(const Figure& modele)
    {
        m_modele = modele;
        m_masque.effacer();
        for (int i = 1; i <= modele.NbElements; ++i)
            MarquerElement(m_masque, modele[i]);
        DessinerFigure(m_image, modele, Rendu::Joueur);
        m_axeInitial = CompterPointsAxeCouverts(m_format.grille, m_image);
        remettre(modele);
    }

    bool juste(const Figure& reponse)
    {
        DessinerFigure(m_image, m_modele, Rendu::Joueur);
        DessinerFigure(m_image, reponse, Rendu::Joueur);
        const bool juste = VerifierSymetrie(m_format.grille, m_image, m_masque, m_modele,
                                            reponse, m_axeInitial);
        remettre(m_modele);
        remettre(reponse);
        return juste;
    }

private:
    // The box an element's outline may have reached (a quarter circle's box spans its
    // radius on both sides of its centre); a painted area stays within the shape it fills.
    void remettre(const Figure& figure)
    {
        for (int i = 1; i <= figure.NbElements; ++i) {
            const ElementFigure& e = figure[i];
            const int marge = 2;
            const int rx = std::abs(e.X2 - e.X1) + marge;
            const int ry = std::abs(e.Y2 - e.Y1) + marge;
            const int cote = m_format.cote();
            const int gauche = std::max(0, std::min(e.X1, e.X2) - rx);
            const int droite = std::min(cote - 1, std::max(e.X1, e.X2) + rx);
            const int octets = (droite - gauche + 1) * 4;
            for (int y = std::max(0, std::min(e.Y1, e.Y2) - ry);
                 y <= std::min(cote - 1, std::max(e.Y1, e.Y2) + ry); ++y)
                std::memcpy(m_image.scanLine(y) + 4 * gauche,
                            m_vierge.constScanLine(y) + 4 * gauche, octets);
        }
    }

    const Format& m_format;
    QImage m_vierge;
    QImage m_image;
    MasqueReference m_masque;
    Figure m_modele; // figures are large arrays: kept, not made anew for each check
    int m_axeInitial = 0;
};

// One random case: a model whose image lies in the grid, and the gestures of its exact
// image, pressed and released anywhere a node snaps to.
class Cas
{
public:
    Cas(const Format& format, quint64 graine)
        : m_f(format)
        , m_tirage(graine)
    {
    }

    // Segments and rectangles between two nodes, circles and quarter circles in a square
    // box; in exercise 3 a rectangle or a circle painted inside, wholly on one side of the
    // axis, as a pupil paints it.
    Figure modele()
    {
        const bool peinture = m_f.exercice == 3 && m_tirage.pile();
        for (;;) {
            const Genre genre = peinture ? (m_tirage.pile() ? GenreRectangle : GenreCercle)
                                         : static_cast<Genre>(m_tirage.entre(
                                               Code(GenreTrait), Code(GenreQuartDeCercle)));
            const QPoint a = noeud();
            QPoint b = noeud();
            if (genre == GenreCercle || genre == GenreQuartDeCercle) {
                const int cote = m_tirage.entre(1, m_f.cases());
                b = a + QPoint(m_tirage.pile() ? cote : -cote, m_tirage.pile() ? cote : -cote);
            }
            if (!dedans(b) || !SymetriqueDansQuadrillage(m_f.grille, a.x(), a.y())
                || !SymetriqueDansQuadrillage(m_f.grille, b.x(), b.y()))
                continue;
            if (peinture && !dUnCote(a, b))
                continue;
            const auto forme = ElementDuGeste(m_f, {genre, a * m_f.t(), b * m_f.t()}, 0);
            if (!forme)
                continue;
            Figure figure;
            figure.Ajouter(*forme);
            if (peinture)
                figure.Ajouter(*ElementDuGeste(m_f, {GenreColoriage, dansLaForme(*forme), {}},
                                               couleur()));
            return figure;
        }
    }

    // The pupil's gestures for the image of each element of the model.
    std::vector<Geste> gestesDuMiroir(const Figure& modele)
    {
        std::vector<Geste> gestes;
        for (int i = 1; i <= modele.NbElements; ++i) {
            const ElementFigure image = ElementMiroir(m_f.grille, modele[i]);
            if (image.GenreElement == GenreColoriage) {
                gestes.push_back({GenreColoriage, dansLaForme(gestes.back()), {}});
                continue;
            }
            // A quarter circle is drawn from its centre; the other shapes from either end.
            Geste geste{image.GenreElement, {image.X1, image.Y1}, {image.X2, image.Y2}};
            if (image.GenreElement != GenreQuartDeCercle && m_tirage.pile())
                std::swap(geste.depart, geste.arrivee);
            geste.depart = aPeuPres(geste.depart);
            geste.arrivee = aPeuPres(geste.arrivee);
            gestes.push_back(geste);
        }
        return gestes;
    }

    QPoint voisin()
    {
        static const QPoint pas[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1},
                                     {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
        return pas[m_tirage.entre(0, 7)] * m_f.t();
    }

    std::optional<Figure> reponse(const std::vector<Geste>& gestes, const Figure& modele)
    {
        Figure figure;
        for (std::size_t i = 0; i < gestes.size(); ++i) {
            const auto element = ElementDuGeste(m_f, gestes[i], modele[int(i) + 1].Couleur);
            if (!element)
                return std::nullopt;
            figure.Ajouter(*element);
        }
        return figure;
    }

private:
    QPoint noeud() { return {m_tirage.entre(0, m_f.cases()), m_tirage.entre(0, m_f.cases())}; }

    bool dedans(QPoint p) const
    {
        return p.x() >= 0 && p.y() >= 0 && p.x() <= m_f.cases() && p.y() <= m_f.cases();
    }

    // Exercise 3's axis is vertical: a box beside it, not touching it.
    bool dUnCote(QPoint a, QPoint b) const
    {
        const int axe = m_f.cases() / 2 + m_f.grille.DecalageAxe;
        return std::max(a.x(), b.x()) < axe || std::min(a.x(), b.x()) > axe;
    }

    // A pixel the mouse may press on for a node: anywhere that snaps to it.
    QPoint aPeuPres(QPoint pixel)
    {
        const int t = m_f.t();
        const int bord = m_f.cases() * t;
        const auto bouger = [&](int v) {
            return std::clamp(v + m_tirage.entre(-(t / 2 - 1), t / 2), 0, bord);
        };
        return {bouger(pixel.x()), bouger(pixel.y())};
    }

    // A pixel inside a rectangle or a circle, clear of its 3-pixel outline.
    QPoint dansLaForme(const Geste& g) { return dansLaForme(*ElementDuGeste(m_f, g, 0)); }
    QPoint dansLaForme(const ElementFigure& e)
    {
        const QRect boite = QRect(QPoint(e.X1, e.Y1), QPoint(e.X2, e.Y2)).normalized();
        const int retrait = e.GenreElement == GenreCercle ? boite.width() / 4 + 2 : 3;
        const QRect dedans = boite.adjusted(retrait, retrait, -retrait, -retrait);
        return {m_tirage.entre(dedans.left(), dedans.right()),
                m_tirage.entre(dedans.top(), dedans.bottom())};
    }

    quint32 couleur() { return quint32(m_tirage.entre(1, 0xFFFFFE)); }

    const Format& m_f;
    Tirage m_tirage;
};

struct Bilan
{
    int refus = 0;        // exact images judged "Faux"
    int acceptations = 0; // drawings one node away judged "Juste"
    std::string premier;  // the first of either
};

void Noter(Bilan& bilan, int& compte, const std::string& cas)
{
    ++compte;
    if (bilan.premier.empty())
        bilan.premier = cas;
}

void Essayer(const Format& format, quint64 premiereGraine, int nombre, Bilan& bilan)
{
    Plateau plateau(format);
    for (quint64 graine = premiereGraine; graine < premiereGraine + quint64(nombre); ++graine) {
        Cas cas(format, graine);
        const Figure modele = cas.modele();
        plateau.montrer(modele);

        std::vector<Geste> gestes = cas.gestesDuMiroir(modele);
        const auto exact = cas.reponse(gestes, modele);
        if (!exact || !plateau.juste(*exact))
            Noter(bilan, bilan.refus, "exact image refused: " + Nom(format, graine, modele));

        const QPoint pas = cas.voisin();
        bool dansLaGrille = true;
        for (Geste& g : gestes) {
            g.depart += pas;
            g.arrivee += pas;
            dansLaGrille = dansLaGrille && format.dansLaGrille(g.depart)
                           && (g.genre == GenreColoriage || format.dansLaGrille(g.arrivee));
        }
        const auto faux = dansLaGrille ? cas.reponse(gestes, modele) : std::nullopt;
        if (faux && plateau.juste(*faux))
            Noter(bilan, bilan.acceptations,
                  "drawing one node away accepted: " + Nom(format, graine, modele));
    }
}

// Every even cell size from 12 to 60 pixels, each on a grid of 12 to 36 cells and an axis
// shift drawn from the axis kind's seed.
void Verifier(Axe typeAxe, int exercice, quint64 graine)
{
    Tirage tirage(graine);
    Bilan bilan;
    for (int taille = 12; taille <= 60; taille += 2) {
        Format format;
        format.exercice = exercice;
        format.grille.TailleCase = taille;
        format.grille.NbColonnes = format.grille.NbLignes = 2 * tirage.entre(6, 18);
        format.grille.TypeAxe = typeAxe;
        format.grille.DecalageAxe = typeAxe == AxePoint ? 0 : tirage.entre(-3, 3);
        Essayer(format, graine * 1000000 + quint64(taille) * 1000, CasParTaille, bilan);
    }
    EXPECT_EQ(bilan.refus, 0) << "first: " << bilan.premier;
    EXPECT_EQ(bilan.acceptations, 0) << "first: " << bilan.premier;
}

} // namespace

TEST(MiroirExact, AxeVertical) { Verifier(AxeVertical, 2, 1); }
TEST(MiroirExact, AxeVerticalEtCouleurs) { Verifier(AxeVertical, 3, 6); }
TEST(MiroirExact, AxeHorizontal) { Verifier(AxeHorizontal, 2, 2); }
TEST(MiroirExact, AxeObliqueHB) { Verifier(AxeObliqueHB, 2, 3); }
TEST(MiroirExact, AxeObliqueBH) { Verifier(AxeObliqueBH, 2, 4); }
TEST(MiroirExact, Point) { Verifier(AxePoint, 2, 5); }

// Quarter circles a pupil drew exactly and was told "Faux" on a 1280 x 800 screen.
TEST(MiroirExact, QuartsDeCercleSignales)
{
    Format format;
    format.exercice = 4;
    format.grille.TailleCase = 26;
    const struct
    {
        QPoint centre, bout, centreImage, boutImage; // nodes
    } signales[] = {
        {{19, 5}, {7, 17}, {5, 5}, {17, 17}},
        {{21, 3}, {9, 15}, {3, 3}, {15, 15}},
        {{16, 9}, {4, 21}, {8, 9}, {20, 21}},
    };
    Plateau plateau(format);
    for (const auto& s : signales) {
        const auto quart = [&format](QPoint centre, QPoint bout) {
            return *ElementDuGeste(format, {GenreQuartDeCercle, centre * 26, bout * 26}, 0);
        };
        Figure modele;
        modele.Ajouter(quart(s.centre, s.bout));
        Figure reponse;
        reponse.Ajouter(quart(s.centreImage, s.boutImage));
        plateau.montrer(modele);
        EXPECT_TRUE(plateau.juste(reponse)) << Nom(format, 0, modele);
    }
}
