#include "Generateur.h"

#include "Couleurs.h"
#include "Niveaux.h"
#include "Symetrie.h"

#include <QBuffer>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <map>
#include <numeric>
#include <optional>
#include <vector>

namespace {

constexpr int N = ColonnesHasard;
constexpr int Milieu = N / 2;
constexpr int Marge = 1; // cells kept free along the grid's edge

// splitmix64, and a reduction to a range by rejection so that every value of the range is
// equally likely: both fixed here, so that a code gives the same figure everywhere.
class Tirage
{
public:
    explicit Tirage(quint64 graine)
        : etat_(graine)
    {
    }

    quint64 suivant()
    {
        quint64 z = (etat_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    int entre(int bas, int haut)
    {
        const quint64 n = quint64(qint64(haut) - bas) + 1;
        const quint64 limite = (~quint64(0) / n) * n;
        quint64 x = suivant();
        while (x >= limite)
            x = suivant();
        return bas + int(x % n);
    }

    bool pile() { return entre(0, 1) == 1; }
    int signe() { return pile() ? 1 : -1; }

    // One of the bits set in a non-empty set.
    int parmiBits(int ensemble)
    {
        std::vector<int> bits;
        for (int b = 1; b <= ensemble; b <<= 1)
            if (ensemble & b)
                bits.push_back(b);
        return bits[std::size_t(entre(0, int(bits.size()) - 1))];
    }

private:
    quint64 etat_;
};

quint64 Melange(const CodeExercice& code)
{
    return quint64(code.Graine) | (quint64(code.Niveau) << 32) | (quint64(code.Type) << 40);
}

// ---- shapes in cells ----------------------------------------------------------------------

struct Forme
{
    Genre genre;
    QPoint a; // first point: a segment's end, a box corner, a quarter circle's centre
    QPoint b;
};

int BitDe(Genre genre)
{
    switch (genre) {
    case GenreRectangle:
        return Formes::Rectangle;
    case GenreCercle:
        return Formes::Cercle;
    case GenreQuartDeCercle:
        return Formes::Quart;
    default:
        return Formes::Trait;
    }
}

struct Boite
{
    int x1, y1, x2, y2;
};

Boite BoiteDe(const Forme& f)
{
    return {std::min(f.a.x(), f.b.x()), std::min(f.a.y(), f.b.y()), std::max(f.a.x(), f.b.x()),
            std::max(f.a.y(), f.b.y())};
}

bool DansLaGrille(const Boite& b)
{
    return b.x1 >= Marge && b.y1 >= Marge && b.x2 <= N - Marge && b.y2 <= N - Marge;
}

// Whether a closed box reaches into the open inside of another.
bool EntreDans(const Boite& b, const Boite& interieur)
{
    return b.x1 < interieur.x2 && b.x2 > interieur.x1 && b.y1 < interieur.y2 && b.y2 > interieur.y1;
}

QPoint CentreCercle(const Forme& f)
{
    return (f.a + f.b) / 2;
}

int Rayon(const Forme& f)
{
    return f.genre == GenreCercle ? std::abs(f.b.x() - f.a.x()) / 2 : std::abs(f.b.x() - f.a.x());
}

// The grid crossings that the drawn outline goes through and that the next element may
// start from: a segment's ends, a rectangle's corners, a circle's four extreme points, a
// quarter circle's two ends.
std::vector<QPoint> NoeudsDessines(const Forme& f)
{
    switch (f.genre) {
    case GenreRectangle:
        return {f.a, f.b, {f.a.x(), f.b.y()}, {f.b.x(), f.a.y()}};
    case GenreCercle: {
        const QPoint m = CentreCercle(f);
        const int r = Rayon(f);
        return {m + QPoint(r, 0), m - QPoint(r, 0), m + QPoint(0, r), m - QPoint(0, r)};
    }
    case GenreQuartDeCercle:
        return {{f.a.x(), f.b.y()}, {f.b.x(), f.a.y()}};
    default:
        return {f.a, f.b};
    }
}

// ---- pieces: what a drawing is made of, whatever its elements --------------------------------

// A straight piece joins two neighbouring crossings of a line (sorte 0, ends in order); an
// arc piece is one quarter of a circle (sorte 1: centre, radius, quadrant). Two drawings
// with the same pieces look the same, however they were cut into elements.
using Piece = std::array<int, 5>;

void PiecesDroites(QPoint de, QPoint a, std::vector<Piece>& pieces)
{
    const QPoint d = a - de;
    const int g = std::gcd(std::abs(d.x()), std::abs(d.y()));
    if (g == 0)
        return;
    const QPoint pas = d / g;
    for (int k = 0; k < g; ++k) {
        QPoint p = de + pas * k;
        QPoint q = p + pas;
        if (std::pair(q.x(), q.y()) < std::pair(p.x(), p.y()))
            std::swap(p, q);
        pieces.push_back({0, p.x(), p.y(), q.x(), q.y()});
    }
}

Piece Arc(QPoint centre, int rayon, int sx, int sy)
{
    return {1, centre.x(), centre.y(), rayon, (sx > 0 ? 1 : 0) + (sy > 0 ? 2 : 0)};
}

std::vector<Piece> Pieces(const Forme& f)
{
    std::vector<Piece> pieces;
    switch (f.genre) {
    case GenreTrait:
        PiecesDroites(f.a, f.b, pieces);
        break;
    case GenreRectangle: {
        const QPoint c1(f.a.x(), f.b.y());
        const QPoint c2(f.b.x(), f.a.y());
        PiecesDroites(f.a, c1, pieces);
        PiecesDroites(c1, f.b, pieces);
        PiecesDroites(f.b, c2, pieces);
        PiecesDroites(c2, f.a, pieces);
        break;
    }
    case GenreCercle:
        for (int sx : {-1, 1})
            for (int sy : {-1, 1})
                pieces.push_back(Arc(CentreCercle(f), Rayon(f), sx, sy));
        break;
    default:
        pieces.push_back(Arc(f.a, Rayon(f), f.b.x() > f.a.x() ? 1 : -1, f.b.y() > f.a.y() ? 1 : -1));
        break;
    }
    std::sort(pieces.begin(), pieces.end());
    return pieces;
}

// The straight lines that leave a crossing of an outline: a segment's two ends, each corner
// of a rectangle twice.
struct Branche
{
    QPoint depuis;
    QPoint vers; // direction
};

std::vector<Branche> Branches(const Forme& f)
{
    if (f.genre == GenreTrait)
        return {{f.a, f.b - f.a}, {f.b, f.a - f.b}};
    if (f.genre != GenreRectangle)
        return {};
    std::vector<Branche> branches;
    const QPoint coins[] = {f.a, {f.b.x(), f.a.y()}, f.b, {f.a.x(), f.b.y()}};
    for (int i = 0; i < 4; ++i) {
        branches.push_back({coins[i], coins[(i + 1) % 4] - coins[i]});
        branches.push_back({coins[i], coins[(i + 3) % 4] - coins[i]});
    }
    return branches;
}

// The tangents of a circle at its four extreme points, and of a quarter circle at its two
// ends, both ways.
std::vector<Branche> Tangentes(const Forme& f)
{
    std::vector<Branche> tangentes;
    const auto toucher = [&tangentes](QPoint point, QPoint direction) {
        tangentes.push_back({point, direction});
        tangentes.push_back({point, -direction});
    };
    if (f.genre == GenreCercle) {
        const QPoint m = CentreCercle(f);
        const int r = Rayon(f);
        for (int sens : {-1, 1}) {
            toucher(m + QPoint(sens * r, 0), {0, 1});
            toucher(m + QPoint(0, sens * r), {1, 0});
        }
    } else if (f.genre == GenreQuartDeCercle) {
        toucher({f.a.x(), f.b.y()}, {1, 0});
        toucher({f.b.x(), f.a.y()}, {0, 1});
    }
    return tangentes;
}

// Less than about 25 degrees apart: sin² of the angle below 0.18, on integers.
bool Serrees(const std::vector<Branche>& f, const std::vector<Branche>& g)
{
    for (const Branche& r : f)
        for (const Branche& s : g) {
            if (r.depuis != s.depuis)
                continue;
            const qint64 produit = qint64(r.vers.x()) * s.vers.x() + qint64(r.vers.y()) * s.vers.y();
            const qint64 croise = qint64(r.vers.x()) * s.vers.y() - qint64(r.vers.y()) * s.vers.x();
            const qint64 normes = (qint64(r.vers.x()) * r.vers.x() + qint64(r.vers.y()) * r.vers.y())
                * (qint64(s.vers.x()) * s.vers.x() + qint64(s.vers.y()) * s.vers.y());
            if (produit > 0 && 100 * croise * croise < 18 * normes)
                return true;
        }
    return false;
}

// Two lines leaving one crossing nearly together read as one line with a splinter, and a
// segment that leaves an arc along its tangent melts into it (on small cells, the pixels of
// the arc then cover the segment's).
bool AngleAigu(const Forme& f, const Forme& g)
{
    return Serrees(Branches(f), Branches(g))
        || (f.genre == GenreTrait && Serrees(Branches(f), Tangentes(g)))
        || (g.genre == GenreTrait && Serrees(Tangentes(f), Branches(g)));
}

bool SeCroisent(const std::vector<Piece>& p, const std::vector<Piece>& q)
{
    for (const Piece& x : p)
        if (std::binary_search(q.begin(), q.end(), x))
            return true;
    return false;
}

// The pieces moved so that their lowest crossings (segment ends, arc centres) start at 0:
// two drawings that are shifts of each other become equal.
std::vector<Piece> Normalisees(std::vector<Piece> pieces)
{
    int mx = INT_MAX;
    int my = INT_MAX;
    for (const Piece& p : pieces) {
        mx = std::min(mx, p[1]);
        my = std::min(my, p[2]);
        if (p[0] == 0) {
            mx = std::min(mx, p[3]);
            my = std::min(my, p[4]);
        }
    }
    for (Piece& p : pieces) {
        p[1] -= mx;
        p[2] -= my;
        if (p[0] == 0) {
            p[3] -= mx;
            p[4] -= my;
        }
    }
    std::sort(pieces.begin(), pieces.end());
    pieces.erase(std::unique(pieces.begin(), pieces.end()), pieces.end());
    return pieces;
}

// ---- painted areas ----------------------------------------------------------------------------

// Cells whose centre may seed one painted area: [x1, x2] by [y1, y2].
struct Partie
{
    int x1, y1, x2, y2;
};

// A closed shape to be painted, and its parts (two when a segment splits it).
struct Zone
{
    std::size_t forme;
    std::vector<Partie> parties;
};

// Colours of the painted areas: every drawing colour but the red of the axis and the grey
// of the grid.
constexpr std::array<quint32, 8> CouleursZones = {CouleurBleu, CouleurBleuClair, CouleurRose,
                                                  CouleurMarron, CouleurJaune, CouleurVert,
                                                  CouleurVertFonce, CouleurGris};

struct Peinture
{
    QPoint cellule;
    quint32 couleur;
};

// ---- one try at a figure ----------------------------------------------------------------------

enum class Position { Modele, Touche, Traverse, Ailleurs };

class Atelier
{
public:
    Atelier(const NiveauExercice& niveau, Tirage& tirage)
        : niveau_(niveau)
        , t_(tirage)
    {
        grille_.NbColonnes = grille_.NbLignes = N;
        grille_.TailleCase = TailleCaseHasard;
        grille_.TypeAxe = choisirAxe();
        if (grille_.TypeAxe != AxePoint && niveau.DecalageMax > 0) {
            const int sens = t_.signe();
            grille_.DecalageAxe = sens * t_.entre(niveau.DecalageMin, niveau.DecalageMax);
        }
        sigma_ = t_.signe();
        demiPlanVertical_ = t_.pile();
    }

    // The figure, or nothing when this try came to a dead end.
    std::optional<ExerciceGenere> essayer();

private:
    Axe choisirAxe();
    bool point() const { return grille_.TypeAxe == AxePoint; }
    bool oblique() const
    {
        return grille_.TypeAxe == AxeObliqueHB || grille_.TypeAxe == AxeObliqueBH;
    }
    bool couleurs() const { return niveau_.ZonesMax > 0; }

    int cote(QPoint p) const;
    Position position(const Forme& f) const;
    Forme miroir(const Forme& f) const;
    bool placee(const Forme& f) const;
    bool surSonImage(const Forme& f) const;
    QPoint noeudTel(int coteMin, int coteMax);

    QPoint pas(int minimum, int longueur);
    Forme formeDepuis(int bit, QPoint depart);
    std::optional<Forme> premiere();
    std::optional<Forme> premiereSurLeCentre();
    Forme rectangleACheval();
    bool accepter(const Forme& f) const;
    bool ajouterAutre(int bit, bool zone);
    void ajouter(const Forme& f)
    {
        formes_.push_back(f);
        pieces_.push_back(Pieces(f));
    }
    void fermerZone(std::size_t index);
    bool couper();

    std::vector<int> plan(int autres, int zonesAFaire);
    bool tresor() const;
    std::vector<Peinture> peindre();
    ExerciceGenere resultat(const std::vector<Peinture>& peintures) const;

    const NiveauExercice& niveau_;
    Tirage& t_;
    Quadrillage grille_;
    int sigma_ = 1;                 // the model side is where sigma·side < 0
    bool demiPlanVertical_ = false; // about a point: the figure's half of the grid
    std::vector<Forme> formes_;
    std::vector<std::vector<Piece>> pieces_; // of each element, in order
    std::vector<Zone> zones_;
};

Axe Atelier::choisirAxe()
{
    const int bit = t_.parmiBits(niveau_.Axes);
    for (qint32 code = Code(AxeVertical); code < Code(AxePoint); ++code)
        if (bit == Axes::Bit(static_cast<Axe>(code)))
            return static_cast<Axe>(code);
    return AxePoint;
}

// Which side of the axis a crossing lies on, times sigma: negative on the model's side, 0
// on the axis. About a point, the side of a line through the centre.
int Atelier::cote(QPoint p) const
{
    const int d = grille_.DecalageAxe;
    int s = 0;
    switch (grille_.TypeAxe) {
    case AxeVertical:
        s = p.x() - (Milieu + d);
        break;
    case AxeHorizontal:
        s = p.y() - (Milieu + d);
        break;
    case AxeObliqueHB:
        s = p.x() - p.y() - d;
        break;
    case AxeObliqueBH:
        s = p.x() + p.y() - N - d;
        break;
    default:
        s = (demiPlanVertical_ ? p.x() : p.y()) - Milieu;
        break;
    }
    return sigma_ * s;
}

// Exact for outlines along the grid and for every shape beside a straight axis, whose
// extent on the axis' normal is that of its box. A circle or a quarter circle beside an
// oblique axis is judged by its whole circle, whose points lie up to r·√2 off its centre
// in side units: compared on squares, on integers.
Position Atelier::position(const Forme& f) const
{
    if (oblique() && f.genre != GenreTrait && f.genre != GenreRectangle) {
        const QPoint centre = f.genre == GenreCercle ? CentreCercle(f) : f.a;
        const qint64 s = cote(centre);
        const qint64 r = Rayon(f);
        if (s * s > 2 * r * r)
            return s < 0 ? Position::Modele : Position::Ailleurs;
        return Position::Traverse;
    }
    std::vector<QPoint> points = {f.a, f.b};
    if (f.genre != GenreTrait) {
        points.emplace_back(f.a.x(), f.b.y());
        points.emplace_back(f.b.x(), f.a.y());
    }
    int bas = INT_MAX;
    int haut = INT_MIN;
    for (QPoint p : points) {
        bas = std::min(bas, cote(p));
        haut = std::max(haut, cote(p));
    }
    if (haut < 0)
        return Position::Modele;
    if (haut == 0 && bas < 0)
        return Position::Touche;
    if (bas < 0 && haut > 0)
        return Position::Traverse;
    return Position::Ailleurs;
}

Forme Atelier::miroir(const Forme& f) const
{
    return {f.genre, ImageNoeud(grille_, f.a), ImageNoeud(grille_, f.b)};
}

// Both the shape and its image keep off the grid's edge.
bool Atelier::placee(const Forme& f) const
{
    return DansLaGrille(BoiteDe(f)) && DansLaGrille(BoiteDe(miroir(f)));
}

QPoint Atelier::noeudTel(int coteMin, int coteMax)
{
    for (;;) {
        const int x = t_.entre(Marge, N - Marge);
        const QPoint p(x, t_.entre(Marge, N - Marge));
        if (cote(p) >= coteMin && cote(p) <= coteMax)
            return p;
    }
}

// A shift of one to `longueur` cells (or of zero to it, with `nul`) in each direction, the
// direction of each drawn apart: the order of the draws is the figure's.
QPoint Atelier::pas(int minimum, int longueur)
{
    const int sx = t_.signe();
    const int x = sx * t_.entre(minimum, longueur);
    const int sy = t_.signe();
    return {x, sy * t_.entre(minimum, longueur)};
}

// A shape of the kind that goes through the crossing `depart`.
Forme Atelier::formeDepuis(int bit, QPoint depart)
{
    switch (bit) {
    case Formes::Rectangle:
        return {GenreRectangle, depart, depart + pas(2, 5)};
    case Formes::Cercle: {
        const int r = t_.entre(1, 2);
        static const QPoint directions[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        const QPoint centre = depart + directions[t_.entre(0, 3)] * r;
        return {GenreCercle, centre - QPoint(r, r), centre + QPoint(r, r)};
    }
    case Formes::Quart: {
        const int r = t_.entre(2, 3);
        const QPoint vers = pas(r, r);
        // `depart` is either end of the arc: below or above the centre, or beside it.
        const QPoint centre = t_.pile() ? depart - QPoint(0, vers.y()) : depart - QPoint(vers.x(), 0);
        return {GenreQuartDeCercle, centre, centre + vers};
    }
    default: {
        // A lone segment must lean: along the grid, its image would be a shift of it. None
        // is shorter than two cells one way, or it reads as a dot.
        const bool penche = niveau_.ElementsMax == 1;
        QPoint vers;
        do
            vers = pas(penche ? 1 : 0, 5);
        while (std::max(std::abs(vers.x()), std::abs(vers.y())) < 2);
        return t_.pile() ? Forme{GenreTrait, depart, depart + vers} : Forme{GenreTrait, depart + vers, depart};
    }
    }
}

// The element that stands as the level says: beside the axis, touching it or across it.
std::optional<Forme> Atelier::premiere()
{
    if (point() && niveau_.Place == Placement::Traverse)
        return premiereSurLeCentre();
    if (couleurs() && niveau_.Place == Placement::Traverse)
        return rectangleACheval();
    for (int essai = 0; essai < 60; ++essai) {
        const int bit = t_.parmiBits(niveau_.Premier);
        Forme f;
        Position voulue = Position::Modele;
        switch (niveau_.Place) {
        case Placement::ACote:
            f = formeDepuis(bit, noeudTel(-4, -1));
            break;
        case Placement::Touche:
            f = formeDepuis(bit, point() ? QPoint(Milieu, Milieu) : noeudTel(0, 0));
            voulue = Position::Touche;
            break;
        case Placement::Traverse:
            f = formeDepuis(bit, noeudTel(-3, -1));
            voulue = Position::Traverse;
            break;
        }
        if (placee(f) && position(f) == voulue && !surSonImage(f))
            return f;
    }
    return std::nullopt;
}

// About a point, a rectangle or a circle over the centre, not centred on it.
std::optional<Forme> Atelier::premiereSurLeCentre()
{
    const QPoint c(Milieu, Milieu);
    for (int essai = 0; essai < 60; ++essai) {
        Forme f;
        if (t_.parmiBits(niveau_.Premier) == Formes::Rectangle) {
            const int gauche = t_.entre(1, 4);
            const int haut = t_.entre(1, 4);
            const int droite = t_.entre(1, 4);
            const int bas = t_.entre(1, 4);
            f = {GenreRectangle, c - QPoint(gauche, haut), c + QPoint(droite, bas)};
        } else {
            const int r = t_.entre(2, 3);
            const int x = t_.entre(1 - r, r - 1);
            const QPoint m = c + QPoint(x, t_.entre(1 - r, r - 1));
            f = {GenreCercle, m - QPoint(r, r), m + QPoint(r, r)};
            const QPoint ecart = m - c;
            if (ecart.x() * ecart.x() + ecart.y() * ecart.y() >= r * r)
                continue;
        }
        if (f.a + f.b != 2 * c)
            return f;
    }
    return std::nullopt;
}

// Lines and colours: a rectangle centred on the axis, whose model half is to be painted;
// the pupil paints the other half.
Forme Atelier::rectangleACheval()
{
    const int axe = Milieu + grille_.DecalageAxe;
    const int demi = t_.entre(2, 3);
    const int haut = t_.entre(Marge, N - Marge - 4);
    const int hauteur = t_.entre(2, 4);
    return {GenreRectangle, {axe - demi, haut}, {axe + demi, haut + hauteur}};
}

// An element across the axis that its image would hide, or that would lie along it.
bool Atelier::surSonImage(const Forme& f) const
{
    const std::vector<Piece> p = Pieces(f);
    const std::vector<Piece> m = Pieces(miroir(f));
    return p == m || (f.genre == GenreTrait && SeCroisent(p, m));
}

// What every element after the first must respect: the grid's margin, its side of the
// axis, no piece of an earlier element, no sharp angle with a line it starts from, and the
// inside of every rectangle, circle and quarter circle, which stays clear (where a painted
// area goes, and where a child reads a shape).
bool Atelier::accepter(const Forme& f) const
{
    if (!placee(f))
        return false;
    const Position p = position(f);
    if (p != Position::Modele && !(p == Position::Touche && niveau_.Place != Placement::ACote))
        return false;
    const std::vector<Piece> pieces = Pieces(f);
    for (const std::vector<Piece>& autres : pieces_)
        if (SeCroisent(pieces, autres))
            return false;
    const Boite boite = BoiteDe(f);
    for (const Forme& autre : formes_) {
        if ((autre.genre != GenreTrait && EntreDans(boite, BoiteDe(autre)))
            || (f.genre != GenreTrait && EntreDans(BoiteDe(autre), boite)) || AngleAigu(f, autre))
            return false;
    }
    return true;
}

// Another element, starting from a crossing the figure already goes through.
bool Atelier::ajouterAutre(int bit, bool zone)
{
    for (int essai = 0; essai < 40; ++essai) {
        const Forme& depuis = formes_[std::size_t(t_.entre(0, int(formes_.size()) - 1))];
        const std::vector<QPoint> noeuds = NoeudsDessines(depuis);
        const Forme f = formeDepuis(bit, noeuds[std::size_t(t_.entre(0, int(noeuds.size()) - 1))]);
        if (accepter(f)) {
            ajouter(f);
            if (zone)
                fermerZone(formes_.size() - 1);
            return true;
        }
    }
    return false;
}

// A closed shape becomes a zone of one part; a rectangle across the axis is painted on
// the model's side only.
void Atelier::fermerZone(std::size_t index)
{
    const Forme& f = formes_[index];
    const Boite b = BoiteDe(f);
    Partie partie{b.x1, b.y1, b.x2 - 1, b.y2 - 1};
    if (f.genre == GenreCercle) {
        // The four cells around the centre lie inside the circle at every cell size the
        // player uses.
        const QPoint m = CentreCercle(f);
        partie = {m.x() - 1, m.y() - 1, m.x(), m.y()};
    } else if (position(f) == Position::Traverse) {
        const int axe = Milieu + grille_.DecalageAxe;
        if (sigma_ > 0)
            partie.x2 = axe - 1;
        else
            partie.x1 = axe;
    }
    zones_.push_back({index, {partie}});
}

// A segment across the zone's first part, from edge to edge (or to the axis), makes it two
// parts to paint in two colours.
bool Atelier::couper()
{
    Zone& z = zones_.back();
    const Forme forme = formes_[z.forme];
    if (forme.genre != GenreRectangle)
        return false;
    const Partie p = z.parties.front();
    const Boite b = BoiteDe(forme);
    const bool enTravers = position(forme) == Position::Traverse;
    const bool horizontale = enTravers || (p.y2 > p.y1 && (p.x2 == p.x1 || t_.pile()));
    Forme coupe;
    if (horizontale) {
        if (p.y2 == p.y1)
            return false;
        const int y = t_.entre(p.y1 + 1, p.y2);
        const int x1 = enTravers ? p.x1 : b.x1;
        const int x2 = enTravers ? p.x2 + 1 : b.x2;
        coupe = {GenreTrait, {x1, y}, {x2, y}};
        z.parties = {{p.x1, p.y1, p.x2, y - 1}, {p.x1, y, p.x2, p.y2}};
    } else {
        const int x = t_.entre(p.x1 + 1, p.x2);
        coupe = {GenreTrait, {x, b.y1}, {x, b.y2}};
        z.parties = {{p.x1, p.y1, x - 1, p.y2}, {x, p.y1, p.x2, p.y2}};
    }
    ajouter(coupe);
    return true;
}

// The kinds of the elements after the first: first the closed shapes still needed for the
// painted areas, then the kinds the level requires and the figure lacks, then any.
std::vector<int> Atelier::plan(int autres, int zonesAFaire)
{
    std::vector<int> bits;
    for (int i = 0; i < zonesAFaire; ++i)
        bits.push_back(t_.parmiBits(niveau_.Autres & Formes::Fermees));
    int presentes = BitDe(formes_.front().genre);
    for (int b : bits)
        presentes |= b;
    for (int b = 1; b <= niveau_.Requises; b <<= 1)
        if ((niveau_.Requises & b) && !(presentes & b))
            bits.push_back(b);
    while (int(bits.size()) < autres)
        bits.push_back(t_.parmiBits(niveau_.Autres));
    return bits;
}

// The rules that make an exercise worth solving, checked on the whole figure: the kinds
// the level asks for; no element hidden by the others or by the image (an element that is
// its own image counts once, and only the rectangle astride the axis may be one); no
// segment lying along its own image; and an image that is no shift of the figure.
bool Atelier::tresor() const
{
    int presentes = 0;
    std::vector<std::vector<Piece>> dessins;
    std::vector<Piece> figure;
    std::vector<Piece> image;
    for (std::size_t i = 0; i < formes_.size(); ++i) {
        presentes |= BitDe(formes_[i].genre);
        const std::vector<Piece>& p = pieces_[i];
        const std::vector<Piece> m = Pieces(miroir(formes_[i]));
        figure.insert(figure.end(), p.begin(), p.end());
        image.insert(image.end(), m.begin(), m.end());
        dessins.push_back(p);
        if (p == m) {
            if (!(i == 0 && couleurs() && niveau_.Place == Placement::Traverse))
                return false;
            continue;
        }
        if (formes_[i].genre == GenreTrait && SeCroisent(p, m))
            return false;
        dessins.push_back(m);
    }
    if ((presentes & niveau_.Requises) != niveau_.Requises)
        return false;
    std::map<Piece, int> comptes;
    for (const auto& d : dessins)
        for (const Piece& p : d)
            ++comptes[p];
    for (const auto& d : dessins)
        if (std::all_of(d.begin(), d.end(), [&](const Piece& p) { return comptes[p] > 1; }))
            return false;
    return Normalisees(figure) != Normalisees(image);
}

// One seed per part, each in its own colour.
std::vector<Peinture> Atelier::peindre()
{
    std::array<quint32, CouleursZones.size()> couleurs = CouleursZones;
    for (std::size_t i = couleurs.size() - 1; i > 0; --i)
        std::swap(couleurs[i], couleurs[std::size_t(t_.entre(0, int(i)))]);
    std::vector<Peinture> peintures;
    for (const Zone& z : zones_)
        for (const Partie& p : z.parties) {
            const int x = t_.entre(p.x1, p.x2);
            const QPoint cellule(x, t_.entre(p.y1, p.y2));
            peintures.push_back({cellule, couleurs[peintures.size()]});
        }
    return peintures;
}

std::optional<ExerciceGenere> Atelier::essayer()
{
    const std::optional<Forme> premier = premiere();
    if (!premier)
        return std::nullopt;
    ajouter(*premier);
    int elements = t_.entre(niveau_.ElementsMin, niveau_.ElementsMax) - 1;
    int zonesAFaire = 0;
    if (couleurs()) {
        int zones = t_.entre(niveau_.ZonesMin, niveau_.ZonesMax);
        fermerZone(0);
        if (zones >= 2 && elements >= 1 && t_.pile() && couper())
            --elements;
        zones -= int(zones_.front().parties.size());
        zonesAFaire = std::min(zones, elements);
        if (int(zones_.front().parties.size()) + zonesAFaire < niveau_.ZonesMin)
            return std::nullopt;
    }
    const std::vector<int> bits = plan(elements, zonesAFaire);
    for (std::size_t i = 0; i < bits.size(); ++i)
        if (!ajouterAutre(bits[i], int(i) < zonesAFaire))
            return std::nullopt;
    if (!tresor())
        return std::nullopt;
    return resultat(peindre());
}

ExerciceGenere Atelier::resultat(const std::vector<Peinture>& peintures) const
{
    ExerciceGenere g;
    g.Grille = grille_;
    const int c = TailleCaseHasard;
    // Outlines keep the white an empty slot holds, as the editor writes them.
    for (const Forme& f : formes_)
        g.Reference.Ajouter(ElementDepuisPixels(f.genre, f.a.x() * c, f.a.y() * c, f.b.x() * c,
                                                f.b.y() * c, CouleurBlanc, c));
    for (const Peinture& p : peintures)
        g.Reference.Ajouter(ElementDepuisPixels(GenreColoriage, p.cellule.x() * c + c / 2,
                                                p.cellule.y() * c + c / 2, 0, 0, p.couleur, c));
    return g;
}

} // namespace

ExerciceGenere Generer(const CodeExercice& code)
{
    const NiveauExercice* niveau = NiveauDe(code.Type, code.Niveau);
    if (!niveau || code.Graine > CodeExercice::GraineMax)
        return {};
    Tirage tirage(Melange(code));
    for (int essais = 0;; ++essais) {
        Atelier atelier(*niveau, tirage);
        if (std::optional<ExerciceGenere> g = atelier.essayer()) {
            g->Essais = essais;
            return *g;
        }
    }
}

QByteArray ContenuExerciceGenere(const CodeExercice& code)
{
    const ExerciceGenere g = Generer(code);
    if (g.Reference.NbElements == 0)
        return {};
    ParametresEcriture parametres;
    parametres.NumeroExercice = code.Type;
    return ContenuExercice(g.Grille, g.Reference, parametres);
}

ExerciceLu GenererExercice(const CodeExercice& code)
{
    QByteArray octets = ContenuExerciceGenere(code);
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    return LireExercice(&tampon).Exercice;
}

// An affine map of the numbers whose multiplier is 1 modulo 20 and whose increment is
// prime to 10 goes through every one of them before coming back: a pupil meets every
// exercise of a level once before any comes again. The generator mixes the numbers, so
// exercises that follow each other look nothing alike.
CodeExercice CodeSuivant(const CodeExercice& code)
{
    constexpr quint64 Multiplicateur = 36261;
    constexpr quint64 Increment = 7919;
    CodeExercice suivant = code;
    suivant.Graine = quint32((Multiplicateur * code.Graine + Increment) % (quint64(CodeExercice::GraineMax) + 1));
    return suivant;
}
