// The pupil who draws exactly the image of the model, through the player's own gesture
// (press on a node, release on another, circles squared), must always read "Juste";
// the same drawing one node away must always read "Faux". Random figures, seeded, under
// every axis kind and shift.

#include "Dessin.h"
#include "Symetrie.h"
#include "TraceSouris.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <random>
#include <sstream>

namespace {

constexpr int Cases = 24;
constexpr int T = 20;
constexpr int CasParAxe = 10000;

// The player's picture cut to the grid's frame: nothing the check reads lies beyond it.
constexpr int Cote = Cases * T + 4;

struct Geste
{
    Genre genre;
    QPoint depart, arrivee; // pixels where the button went down and up
};

// What the player makes of a gesture: both ends snapped to nodes, refused when the nodes
// do not make a shape, a circle's end made square.
std::optional<ElementFigure> ElementDuGeste(const Geste& g)
{
    const auto noeud = [](QPoint p) {
        return QPoint(AccrocherAuNoeud(p.x(), Cases, T), AccrocherAuNoeud(p.y(), Cases, T));
    };
    const QPoint a = noeud(g.depart);
    const QPoint b = noeud(g.arrivee);
    const bool autreColonne = a.x() != b.x();
    const bool autreLigne = a.y() != b.y();
    if (g.genre == GenreTrait ? !(autreColonne || autreLigne) : !(autreColonne && autreLigne))
        return std::nullopt;
    QPoint arrivee = b * T;
    if (g.genre == GenreCercle || g.genre == GenreQuartDeCercle)
        arrivee = ArriveeCarree(a * T, arrivee);
    return ElementDepuisPixels(g.genre, a.x() * T, a.y() * T, arrivee.x(), arrivee.y(), 0, T);
}

std::string Nom(const Quadrillage& grille, const ElementFigure& e)
{
    std::ostringstream nom;
    nom << "axis " << Code(grille.TypeAxe) << " shift " << grille.DecalageAxe << ", kind "
        << Code(e.GenreElement) << " from (" << e.X1 / T << ", " << e.Y1 / T << ") to ("
        << e.X2 / T << ", " << e.Y2 / T << ")";
    return nom.str();
}

// The grid of one axis drawn once; each exercise and answer draws over it and puts back
// only the pixels it may have changed, which keeps ten thousand checks fast.
class Plateau
{
public:
    explicit Plateau(const Quadrillage& grille)
        : m_grille(grille)
        , m_vierge(NouvelleImage(Cote, Cote))
        , m_masque(Cote, Cote)
    {
        DessinerQuadrillage(m_vierge, grille, 2, Rendu::Joueur);
        m_image = m_vierge.copy();
    }

    void montrer(const ElementFigure& modele)
    {
        m_modele.NbElements = 0;
        m_modele.Ajouter(modele);
        m_masque.effacer();
        MarquerElement(m_masque, modele);
        DessinerElement(m_image, modele, Rendu::Joueur);
        m_axeInitial = CompterPointsAxeCouverts(m_grille, m_image);
        remettre(modele);
    }

    bool juste(const ElementFigure& reponse)
    {
        m_eleve.NbElements = 0;
        m_eleve.Ajouter(reponse);
        DessinerElement(m_image, m_modele[1], Rendu::Joueur);
        DessinerElement(m_image, reponse, Rendu::Joueur);
        const bool juste =
            VerifierSymetrie(m_grille, m_image, m_masque, m_modele, m_eleve, m_axeInitial);
        remettre(m_modele[1]);
        remettre(reponse);
        return juste;
    }

private:
    // The box an element's outline may have reached (a quarter circle's box spans its
    // radius on both sides of its centre).
    void remettre(const ElementFigure& e)
    {
        const int marge = 2;
        const int rx = std::abs(e.X2 - e.X1) + marge;
        const int ry = std::abs(e.Y2 - e.Y1) + marge;
        const int gauche = std::max(0, std::min(e.X1, e.X2) - rx);
        const int droite = std::min(Cote - 1, std::max(e.X1, e.X2) + rx);
        const int octets = (droite - gauche + 1) * 4;
        for (int y = std::max(0, std::min(e.Y1, e.Y2) - ry);
             y <= std::min(Cote - 1, std::max(e.Y1, e.Y2) + ry); ++y)
            std::memcpy(m_image.scanLine(y) + 4 * gauche, m_vierge.constScanLine(y) + 4 * gauche,
                        octets);
    }

    const Quadrillage& m_grille;
    QImage m_vierge;
    QImage m_image;
    MasqueReference m_masque;
    Figure m_modele; // figures are large arrays: kept, not made anew for each check
    Figure m_eleve;
    int m_axeInitial = 0;
};

class Tirage
{
public:
    explicit Tirage(unsigned graine)
        : m_generateur(graine)
    {
    }

    int entre(int bas, int haut) { return std::uniform_int_distribution(bas, haut)(m_generateur); }
    QPoint noeud() { return {entre(0, Cases), entre(0, Cases)}; }

    // A model whose image lies in the grid: segments and rectangles between two nodes,
    // circles and quarter circles in a square box.
    ElementFigure modele(const Quadrillage& grille)
    {
        for (;;) {
            const Genre genre = static_cast<Genre>(entre(Code(GenreTrait), Code(GenreQuartDeCercle)));
            const QPoint a = noeud();
            QPoint b = noeud();
            if (genre == GenreCercle || genre == GenreQuartDeCercle) {
                const int cote = entre(1, Cases / 2);
                b = a + QPoint(entre(0, 1) ? cote : -cote, entre(0, 1) ? cote : -cote);
            }
            const auto dedans = [](QPoint p) {
                return p.x() >= 0 && p.y() >= 0 && p.x() <= Cases && p.y() <= Cases;
            };
            if (!dedans(b) || !SymetriqueDansQuadrillage(grille, a.x(), a.y())
                || !SymetriqueDansQuadrillage(grille, b.x(), b.y()))
                continue;
            const auto element = ElementDuGeste({genre, a * T, b * T});
            if (element)
                return *element;
        }
    }

    QPoint voisin()
    {
        static const QPoint pas[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1},
                                     {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
        return pas[entre(0, 7)] * T;
    }

private:
    std::mt19937 m_generateur;
};

bool DansLaGrille(QPoint pixel)
{
    return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() <= Cases * T && pixel.y() <= Cases * T;
}

struct Bilan
{
    int refus = 0;         // exact images judged "Faux"
    int acceptations = 0;  // drawings one node away judged "Juste"
    std::string premier;   // the first of either
};

void Noter(Bilan& bilan, int& compte, const std::string& cas)
{
    if (compte++ == 0 && bilan.premier.empty())
        bilan.premier = cas;
}

Bilan Essayer(const Quadrillage& grille, Tirage& tirage, int nombre)
{
    Bilan bilan;
    Plateau plateau(grille);
    for (int n = 0; n < nombre; ++n) {
        const ElementFigure modele = tirage.modele(grille);
        const ElementFigure image = ElementMiroir(grille, modele);
        plateau.montrer(modele);

        // A quarter circle is drawn from its centre; the other shapes from either end.
        Geste geste{image.GenreElement, {image.X1, image.Y1}, {image.X2, image.Y2}};
        if (image.GenreElement != GenreQuartDeCercle && tirage.entre(0, 1))
            std::swap(geste.depart, geste.arrivee);
        const auto exact = ElementDuGeste(geste);
        if (!exact || !plateau.juste(*exact))
            Noter(bilan, bilan.refus, "exact image refused: " + Nom(grille, modele));

        const QPoint pas = tirage.voisin();
        const Geste decale{geste.genre, geste.depart + pas, geste.arrivee + pas};
        if (!DansLaGrille(decale.depart) || !DansLaGrille(decale.arrivee))
            continue;
        const auto faux = ElementDuGeste(decale);
        if (faux && plateau.juste(*faux))
            Noter(bilan, bilan.acceptations,
                  "drawing one node away accepted: " + Nom(grille, modele));
    }
    return bilan;
}

void Verifier(Axe typeAxe, const std::vector<int>& decalages, unsigned graine)
{
    Tirage tirage(graine);
    Bilan total;
    for (int d : decalages) {
        Quadrillage grille;
        grille.TypeAxe = typeAxe;
        grille.DecalageAxe = d;
        const int parDecalage = (CasParAxe + int(decalages.size()) - 1) / int(decalages.size());
        const Bilan bilan = Essayer(grille, tirage, parDecalage);
        total.refus += bilan.refus;
        total.acceptations += bilan.acceptations;
        if (total.premier.empty())
            total.premier = bilan.premier;
    }
    EXPECT_EQ(total.refus, 0) << "first: " << total.premier;
    EXPECT_EQ(total.acceptations, 0) << "first: " << total.premier;
}

const std::vector<int> Decalages = {-3, -2, -1, 0, 1, 2, 3};

} // namespace

TEST(MiroirExact, AxeVertical) { Verifier(AxeVertical, Decalages, 1); }
TEST(MiroirExact, AxeHorizontal) { Verifier(AxeHorizontal, Decalages, 2); }
TEST(MiroirExact, AxeObliqueHB) { Verifier(AxeObliqueHB, Decalages, 3); }
TEST(MiroirExact, AxeObliqueBH) { Verifier(AxeObliqueBH, Decalages, 4); }
TEST(MiroirExact, Point) { Verifier(AxePoint, {0}, 5); }
