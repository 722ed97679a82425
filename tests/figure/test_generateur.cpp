// The exercises the program makes, level by level: for thousands of codes of every level,
// each at one of the player's cell sizes, the exercise read back from its file lies in the
// grid, its exact image drawn through the player's own gestures (press on a crossing, release on another, circles squared, a click
// to paint) answers "Juste" whichever end each stroke starts from, and the figure copied
// without reflection, or the image with one element one crossing off, answers "Faux". The
// same code always gives the same bytes, pinned for a few codes so that a change of the
// algorithm is noticed.

#include "Dessin.h"
#include "Generateur.h"
#include "Niveaux.h"
#include "PlancheDessin.h"
#include "Symetrie.h"

#include <QBuffer>
#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <sstream>
#include <tuple>

namespace {

// The player's cells for a 24-column grid: 20 pixels at its design width (500 div 24), 26
// on a 1024 x 768 screen, down to 12 on the smallest. Each code is played at one of them.
constexpr int TaillesCase[] = {20, 12, 16, 26};
constexpr int GrainesParNiveau = 2000;

struct Geste
{
    Outil outil;
    QPoint depart, arrivee; // pixels where the button goes down and up (one click to paint)
    quint32 couleur = CouleurParDefaut;
};

Outil OutilDe(Genre genre)
{
    return static_cast<Outil>(Code(genre));
}

// A pupil's strokes for a figure, shifted by `decalage` cells: every outline first, from
// its first point or from its second (a quarter circle always starts at its centre), then
// every painted area, with its colour picked first.
std::vector<Geste> Gestes(const Figure& figure, int t, bool depuisLaFin, QPoint decalage = {})
{
    std::vector<Geste> gestes;
    const QPoint d = decalage * t;
    for (bool peinture : {false, true})
        for (int i = 1; i <= figure.NbElements; ++i) {
            const ElementFigure& e = figure[i];
            if (EstColoriage(e.GenreElement) != peinture)
                continue;
            Geste g{OutilDe(e.GenreElement), QPoint(e.X1, e.Y1) + d, QPoint(e.X2, e.Y2) + d, e.Couleur};
            if (depuisLaFin && !peinture && e.GenreElement != GenreQuartDeCercle)
                std::swap(g.depart, g.arrivee);
            gestes.push_back(g);
        }
    return gestes;
}

Figure Image(const Quadrillage& grille, const Figure& figure)
{
    Figure image;
    for (int i = 1; i <= figure.NbElements; ++i)
        image.Ajouter(ElementMiroir(grille, figure[i]));
    return image;
}

// The player's picture of one grid: drawn once, then each exercise and each answer drawn
// over it, and only the boxes they may have changed put back.
class Plateau
{
public:
    Plateau(const Quadrillage& grille, int type)
        : grille_(grille)
        , cote_(ColonnesHasard * grille.TailleCase + 4)
        , vierge_(NouvelleImage(cote_, cote_))
        , masque_(cote_, cote_)
        , planche_(grille_, 100)
    {
        DessinerQuadrillage(vierge_, grille_, type, Rendu::Joueur);
        modele_ = vierge_.copy();
        image_ = vierge_.copy();
    }

    void montrer(const Figure& reference)
    {
        QRect changee = saleModele_;
        remettre(modele_, vierge_, saleModele_);
        reference_ = reference;
        masque_.effacer();
        for (int i = 1; i <= reference.NbElements; ++i) {
            dessiner(modele_, reference[i], saleModele_, {&reference});
            MarquerElement(masque_, reference[i]);
        }
        axeInitial_ = CompterPointsAxeCouverts(grille_, modele_);
        changee |= saleModele_;
        remettre(image_, modele_, changee);
    }

    bool juste(const std::vector<Geste>& gestes)
    {
        planche_.vider();
        for (const Geste& g : gestes) {
            planche_.choisirOutil(g.outil);
            planche_.choisirCouleur(g.couleur);
            std::optional<ElementFigure> e =
                planche_.appuyer(g.depart, CouleurPixel(image_, g.depart.x(), g.depart.y()));
            if (g.outil != Outil::Peinture) {
                planche_.deplacer(g.arrivee);
                e = planche_.relacher(g.arrivee);
            }
            if (e && planche_.ajouter(*e))
                dessiner(image_, *e, sale_, {&reference_, &planche_.figure()});
        }
        const bool juste =
            VerifierSymetrie(grille_, image_, masque_, reference_, planche_.figure(), axeInitial_);
        remettre(image_, modele_, sale_);
        return juste;
    }

private:
    // The outlines already on the picture come from these figures.
    void dessiner(QImage& image, const ElementFigure& e, QRect& sale,
                  std::initializer_list<const Figure*> dessinees) const
    {
        DessinerElement(image, e, Rendu::Joueur);
        if (EstColoriage(e.GenreElement)) {
            sale |= Enclos(QPoint(e.X1, e.Y1), dessinees);
            return;
        }
        // A quarter circle's box spans its radius on both sides of its centre; outlines are
        // three pixels wide, circles plotted on three radii.
        const int r = (e.GenreElement == GenreQuartDeCercle ? std::abs(e.X2 - e.X1) : 0) + 2;
        sale |= QRect(QPoint(std::min(e.X1, e.X2), std::min(e.Y1, e.Y2)),
                      QPoint(std::max(e.X1, e.X2), std::max(e.Y1, e.Y2)))
                    .adjusted(-r, -r, r, r);
    }

    // Where a fill from this seed can go: inside a rectangle or a circle drawn around it,
    // or else, in exercise 3 (the only one with painted areas), the half of the grid held
    // by the black lines beside its vertical axis.
    QRect Enclos(QPoint graine, std::initializer_list<const Figure*> dessinees) const
    {
        for (const Figure* figure : dessinees)
            for (int i = 1; i <= figure->NbElements; ++i) {
                const ElementFigure& e = (*figure)[i];
                const QRect boite = QRect(QPoint(e.X1, e.Y1), QPoint(e.X2, e.Y2)).normalized();
                const QPoint ecart = graine - boite.center();
                const int r = boite.width() / 2 - 2;
                if ((e.GenreElement == GenreRectangle && boite.adjusted(1, 1, -1, -1).contains(graine))
                    || (e.GenreElement == GenreCercle && ecart.x() * ecart.x() + ecart.y() * ecart.y() < r * r))
                    return boite.adjusted(-2, -2, 2, 2);
            }
        const int axe = (grille_.NbColonnes / 2 + grille_.DecalageAxe) * grille_.TailleCase;
        return graine.x() < axe ? QRect(0, 0, axe, cote_) : QRect(axe, 0, cote_ - axe, cote_);
    }

    // Puts back the box from the source, and forgets it.
    static void remettre(QImage& image, const QImage& source, QRect& sale)
    {
        const QRect boite = sale & image.rect();
        for (int y = boite.top(); y <= boite.bottom(); ++y)
            std::memcpy(image.scanLine(y) + 4 * boite.left(), source.constScanLine(y) + 4 * boite.left(),
                        std::size_t(4 * boite.width()));
        sale = QRect();
    }

    Quadrillage grille_;
    int cote_;
    QImage vierge_;
    QImage modele_;
    QImage image_;
    MasqueReference masque_;
    PlancheDessin planche_;
    Figure reference_;
    int axeInitial_ = 0;
    QRect saleModele_;
    QRect sale_;
};

// The shift that lays the figure's box on its image's box, held so that the copy stays in
// the grid.
QPoint DecalageDeCopie(const Figure& figure, const Figure& image, int t)
{
    const auto boite = [t](const Figure& f) {
        QRect b;
        for (int i = 1; i <= f.NbElements; ++i)
            if (!EstColoriage(f[i].GenreElement))
                b |= QRect(QPoint(std::min(f[i].X1, f[i].X2), std::min(f[i].Y1, f[i].Y2)) / t,
                           QPoint(std::max(f[i].X1, f[i].X2), std::max(f[i].Y1, f[i].Y2)) / t);
        return b;
    };
    const QRect de = boite(figure);
    const QRect vers = boite(image);
    const QPoint v = vers.topLeft() - de.topLeft();
    return {std::clamp(v.x(), -de.left(), ColonnesHasard - de.right()),
            std::clamp(v.y(), -de.top(), ColonnesHasard - de.bottom())};
}

// The image with its k-th outline one crossing off, towards one of the eight neighbours.
std::vector<Geste> ImageAvecUnDecale(const Figure& image, int t, int k, int direction)
{
    static const QPoint voisins[] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    std::vector<Geste> gestes = Gestes(image, t, false);
    int contours = 0;
    for (const Geste& g : gestes)
        contours += g.outil != Outil::Peinture;
    Geste& decale = gestes[std::size_t(k % contours)];
    decale.depart += voisins[direction % 8] * t;
    decale.arrivee += voisins[direction % 8] * t;
    return gestes;
}

bool DansLaGrille(const ElementFigure& e)
{
    const auto dedans = [](int v) { return v >= 0 && v <= ColonnesHasard; };
    return dedans(e.CaseX1) && dedans(e.CaseY1)
        && (EstColoriage(e.GenreElement) || (dedans(e.CaseX2) && dedans(e.CaseY2)));
}

// The axis, the number of outlines and of painted areas, and the kinds the level names.
bool SelonLeNiveau(const NiveauExercice& niveau, const Quadrillage& grille, const Figure& figure)
{
    const int decalage = std::abs(grille.DecalageAxe);
    int contours = 0;
    int zones = 0;
    int genres = 0;
    for (int i = 1; i <= figure.NbElements; ++i) {
        if (EstColoriage(figure[i].GenreElement)) {
            ++zones;
            continue;
        }
        ++contours;
        genres |= 1 << (Code(figure[i].GenreElement) - 1);
    }
    return (niveau.Axes & Axes::Bit(grille.TypeAxe)) && decalage <= niveau.DecalageMax
        && (decalage >= niveau.DecalageMin || grille.TypeAxe == AxePoint)
        && contours >= niveau.ElementsMin && contours <= niveau.ElementsMax && zones >= niveau.ZonesMin
        && zones <= niveau.ZonesMax && (genres & niveau.Requises) == niveau.Requises
        && (genres & ~(niveau.Premier | niveau.Autres)) == 0;
}

struct Bilan
{
    int essaisMax = 0;
    std::map<std::string, int> echecs;
    std::map<std::string, std::string> premiers;

    void noter(const std::string& quoi, const CodeExercice& code)
    {
        if (echecs[quoi]++ == 0)
            premiers[quoi] = TexteCode(code).toStdString();
    }

    std::string texte() const
    {
        std::ostringstream s;
        for (const auto& [quoi, n] : echecs)
            s << quoi << ": " << n << " (first " << premiers.at(quoi) << ")\n";
        return s.str();
    }
};

void Essayer(const CodeExercice& code, std::map<std::tuple<int, int, int>, std::unique_ptr<Plateau>>& plateaux,
             Bilan& bilan)
{
    QByteArray octets = ContenuExerciceGenere(code);
    const ExerciceGenere genere = Generer(code);
    if (octets != ContenuExercice(genere.Grille, genere.Reference, {code.Type, std::nullopt, false}))
        bilan.noter("other bytes the second time", code);
    bilan.essaisMax = std::max(bilan.essaisMax, genere.Essais);

    QBuffer fichier(&octets);
    fichier.open(QIODevice::ReadOnly);
    ExerciceLu lu = LireExercice(&fichier).Exercice;
    const int t = TaillesCase[code.Graine / 11 % std::size(TaillesCase)];
    if (!MotifRefus(lu, 100, ColonnesHasard * t).isEmpty() || lu.EnteteExercice != 200 + code.Type)
        bilan.noter("refused by the player", code);
    ConvertirPourTailleCase(lu, t);
    const Quadrillage& grille = lu.Grille;
    const Figure& reference = lu.Elements;
    for (int i = 1; i <= reference.NbElements; ++i)
        if (!DansLaGrille(reference[i]) || !ElementASymetrique(grille, reference[i]))
            bilan.noter("out of the grid", code);

    if (!SelonLeNiveau(*NiveauDe(code.Type, code.Niveau), grille, reference))
        bilan.noter("not as the level says", code);

    auto& plateau = plateaux[{Code(grille.TypeAxe), grille.DecalageAxe, t}];
    if (!plateau)
        plateau = std::make_unique<Plateau>(grille, code.Type);
    plateau->montrer(reference);
    const Figure image = Image(grille, reference);
    if (!plateau->juste(Gestes(image, t, false)))
        bilan.noter("exact image from the first ends answers Faux", code);
    if (!plateau->juste(Gestes(image, t, true)))
        bilan.noter("exact image from the second ends answers Faux", code);
    if (plateau->juste(Gestes(reference, t, false, DecalageDeCopie(reference, image, t))))
        bilan.noter("the figure copied without reflection answers Juste", code);
    if (plateau->juste(ImageAvecUnDecale(image, t, int(code.Graine), int(code.Graine / 7))))
        bilan.noter("the image with one element moved answers Juste", code);
}

void VerifierType(int type)
{
    for (int niveau = 1; niveau <= NombreNiveaux(type); ++niveau) {
        std::map<std::tuple<int, int, int>, std::unique_ptr<Plateau>> plateaux;
        Bilan bilan;
        for (quint32 graine = 0; graine < GrainesParNiveau; ++graine)
            Essayer({type, niveau, graine}, plateaux, bilan);
        EXPECT_TRUE(bilan.echecs.empty()) << "level " << type << "-" << niveau << "\n" << bilan.texte();
        EXPECT_LT(bilan.essaisMax, 200) << "level " << type << "-" << niveau;
    }
}

} // namespace

TEST(ExercicesAuHasard, Lignes) { VerifierType(2); }
TEST(ExercicesAuHasard, LignesEtCouleurs) { VerifierType(3); }
TEST(ExercicesAuHasard, AutourDUnAxe) { VerifierType(4); }
TEST(ExercicesAuHasard, ParRapportAUnPoint) { VerifierType(5); }
