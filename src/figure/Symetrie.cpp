#include "Symetrie.h"

#include "Bornes.h"
#include "Cercles.h"
#include "Couleurs.h"
#include "Dessin.h"

#include <algorithm>
#include <climits>

namespace {

QPoint PointBorne(qint64 x, qint64 y)
{
    return QPoint(BornerPixel(x), BornerPixel(y));
}

bool AxeConnu(Axe typeAxe)
{
    return typeAxe >= AxeVertical && typeAxe <= AxePoint;
}

} // namespace

QPoint ImageNoeud(const Quadrillage& g, QPoint noeud)
{
    const qint64 c = noeud.x();
    const qint64 r = noeud.y();
    const qint64 n = g.NbColonnes;
    const qint64 l = g.NbLignes;
    const qint64 d = g.DecalageAxe;
    switch (g.TypeAxe) {
    case AxeVertical:
        return PointBorne(n + 2 * d - c, r);
    case AxeHorizontal:
        return PointBorne(c, l + 2 * d - r);
    case AxeObliqueHB:
        return PointBorne(r + d, c - d);
    case AxeObliqueBH:
        return PointBorne(n + d - r, n + d - c);
    case AxePoint:
        return PointBorne(n - c, l - r);
    default:
        return noeud;
    }
}

QPoint ImageMiroir(const Quadrillage& g, QPoint point)
{
    const qint64 x = point.x();
    const qint64 y = point.y();
    const qint64 n = g.NbColonnes;
    const qint64 l = g.NbLignes;
    const qint64 t = g.TailleCase;
    const qint64 d = g.DecalageAxe;
    switch (g.TypeAxe) {
    case AxeVertical:
        return PointBorne((n + 2 * d) * t - x, y);
    case AxeHorizontal:
        return PointBorne(x, (l + 2 * d) * t - y);
    case AxeObliqueHB:
        return PointBorne(y + d * t, x - d * t);
    case AxeObliqueBH:
        return PointBorne((n + d) * t - y, (n + d) * t - x);
    case AxePoint:
        return PointBorne(2 * ((n * t) / 2) - x, 2 * ((l * t) / 2) - y);
    default:
        return point;
    }
}

ElementFigure ElementMiroir(const Quadrillage& grille, const ElementFigure& element)
{
    ElementFigure image = element;
    const QPoint p1 = ImageMiroir(grille, {element.X1, element.Y1});
    const QPoint p2 = ImageMiroir(grille, {element.X2, element.Y2});
    image.X1 = p1.x();
    image.Y1 = p1.y();
    image.X2 = p2.x();
    image.Y2 = p2.y();
    return image;
}

Figure FigureMiroir(const Quadrillage& grille, const Figure& figure)
{
    Figure image;
    for (int i = 1; i <= std::min(figure.NbElements, Figure::Capacite); ++i)
        image.Ajouter(ElementMiroir(grille, figure[i]));
    return image;
}

bool SymetriqueDansQuadrillage(const Quadrillage& g, int x, int y)
{
    const qint64 n = g.NbColonnes;
    const qint64 m = g.NbLignes;
    const qint64 d = g.DecalageAxe;
    const auto entre = [](qint64 v, qint64 haut) { return v >= 0 && v <= haut; };
    switch (g.TypeAxe) {
    case AxeVertical:
        return entre(2 * d + n - x, n);
    case AxeHorizontal:
        return entre(2 * d + m - y, m);
    case AxeObliqueHB:
        return entre(y + d, m) && entre(x - d, n);
    case AxeObliqueBH:
        return entre(m + d - y, m) && entre(m + d - x, n);
    case AxePoint:
        return true;
    default:
        return false; // no axis, no image
    }
}

bool ElementASymetrique(const Quadrillage& grille, const ElementFigure& e)
{
    if (!SymetriqueDansQuadrillage(grille, e.CaseX1, e.CaseY1))
        return false;
    return EstColoriage(e.GenreElement)
           || SymetriqueDansQuadrillage(grille, e.CaseX2, e.CaseY2);
}

// ---- walks ------------------------------------------------------------------------------

namespace {

struct Intervalle
{
    qint64 premier, dernier;
};

// The steps i of [premier, dernier] for which depart + sens·i lies in [bas, haut].
Intervalle PasDans(qint64 depart, int sens, Intervalle pas, qint64 bas, qint64 haut)
{
    const qint64 debut = sens > 0 ? bas - depart : depart - haut;
    const qint64 fin = sens > 0 ? haut - depart : depart - bas;
    return {std::max(pas.premier, debut), std::min(pas.dernier, fin)};
}

qint64 Longueur(Intervalle i)
{
    return std::max<qint64>(0, i.dernier - i.premier + 1);
}

int Sens(qint64 delta)
{
    return delta > 0 ? 1 : -1;
}

// Hands the points of a walk that lie in the zone to f and remembers whether any fell
// outside. Steps are first cut to the zone along the walk's main direction, so that a
// damaged file's huge element costs no more than the zone's width.
template <class Fonction>
class Parcours
{
public:
    Parcours(const QRect& zone, Fonction& f)
        : zone_(zone)
        , f_(f)
    {
    }

    void point(qint64 x, qint64 y)
    {
        if (x >= zone_.left() && x <= zone_.right() && y >= zone_.top()
            && y <= zone_.bottom())
            f_(QPoint(int(x), int(y)));
        else
            dehors_ = true;
    }

    // The steps of `pas` whose coordinate depart + sens·i stays in the zone's [bas, haut].
    Intervalle couper(qint64 depart, int sens, Intervalle pas, qint64 bas, qint64 haut)
    {
        const Intervalle garde = PasDans(depart, sens, pas, bas, haut);
        if (Longueur(garde) < Longueur(pas))
            dehors_ = true;
        return garde;
    }

    const QRect& zone() const { return zone_; }
    bool toutDedans() const { return !dehors_; }

private:
    QRect zone_;
    Fonction& f_;
    bool dehors_ = false;
};

template <class P>
void ParcourirTrait(const ElementFigure& e, P& parcours)
{
    const qint64 x1 = e.X1, y1 = e.Y1;
    const qint64 dx = qint64(e.X2) - x1;
    const qint64 dy = qint64(e.Y2) - y1;
    const QRect& z = parcours.zone();
    if (std::llabs(dx) >= std::llabs(dy)) {
        const qint64 n = std::llabs(dx);
        const Intervalle pas = parcours.couper(x1, Sens(dx), {1, n}, z.left(), z.right());
        for (qint64 i = pas.premier; i <= pas.dernier; ++i)
            parcours.point(x1 + Sens(dx) * i, y1 + (dy * i) / n);
    } else {
        const qint64 n = std::llabs(dy);
        const Intervalle pas = parcours.couper(y1, Sens(dy), {1, n}, z.top(), z.bottom());
        for (qint64 i = pas.premier; i <= pas.dernier; ++i)
            parcours.point(x1 + (dx * i) / n, y1 + Sens(dy) * i);
    }
}

template <class P>
void ParcourirRectangle(const ElementFigure& e, P& parcours)
{
    const qint64 x1 = e.X1, y1 = e.Y1, x2 = e.X2, y2 = e.Y2;
    const QRect& z = parcours.zone();
    const int sx = Sens(x2 - x1);
    const Intervalle pasX =
        parcours.couper(x1, sx, {1, std::llabs(x2 - x1)}, z.left(), z.right());
    for (qint64 i = pasX.premier; i <= pasX.dernier; ++i) {
        parcours.point(x1 + sx * i, y1);
        parcours.point(x1 + sx * i, y2);
    }
    const int sy = Sens(y2 - y1);
    const Intervalle pasY =
        parcours.couper(y1, sy, {1, std::llabs(y2 - y1)}, z.top(), z.bottom());
    for (qint64 j = pasY.premier; j <= pasY.dernier; ++j) {
        parcours.point(x1, y1 + sy * j);
        parcours.point(x2, y1 + sy * j);
    }
}

// One point per whole degree on the radius alone: every tenth step of the drawn circle.
template <class P>
void ParcourirDegres(P& parcours, qint64 cx, qint64 cy, qint64 r, int premierDegre,
                     int dernierDegre)
{
    if (std::llabs(r) > LimiteCercle || std::llabs(cx) > LimiteCercle
        || std::llabs(cy) > LimiteCercle) {
        parcours.point(LimitePixel, LimitePixel); // wholly off any picture
        return;
    }
    const SinusCosinus& table = TableAngles();
    for (int degre = premierDegre; degre <= dernierDegre; ++degre) {
        const std::size_t i = std::size_t(degre) * 10;
        parcours.point(cx + Arrondir(double(r) * table.sinus[i]),
                       cy - Arrondir(double(r) * table.cosinus[i]));
    }
}

template <class P>
void ParcourirPoints(const ElementFigure& e, P& parcours)
{
    ArcJoueur arc{};
    if (ArcDe(e, arc)) {
        ParcourirDegres(parcours, arc.cx, arc.cy, arc.r, arc.premierQuart * 90 + 1,
                        arc.dernierQuart * 90 + 90);
        return;
    }
    switch (e.GenreElement) {
    case GenreTrait:
        ParcourirTrait(e, parcours);
        break;
    case GenreRectangle:
        ParcourirRectangle(e, parcours);
        break;
    case GenreColoriage:
        parcours.point(e.X1, e.Y1);
        break;
    default:
        break;
    }
}

template <class Fonction>
bool Parcourir(const ElementFigure& e, const QRect& zone, Fonction&& f)
{
    Parcours<std::remove_reference_t<Fonction>> parcours(zone, f);
    ParcourirPoints(e, parcours);
    return parcours.toutDedans();
}

} // namespace

bool ParcourirElement(const ElementFigure& element, const QRect& zone,
                      const VisiteurPoint& visiter)
{
    return Parcourir(element, zone, visiter);
}

// ---- mask -------------------------------------------------------------------------------

namespace {

constexpr int TailleMaxMasque = 1 << 14;

} // namespace

MasqueReference::MasqueReference(int largeur, int hauteur)
    : largeur_(std::clamp(largeur, 0, TailleMaxMasque))
    , hauteur_(std::clamp(hauteur, 0, TailleMaxMasque))
    , octets_(std::size_t(largeur_) * std::size_t(hauteur_), 0)
{
}

bool MasqueReference::estMarque(int x, int y) const
{
    if (x < 0 || y < 0 || x >= largeur_ || y >= hauteur_)
        return false;
    return octets_[std::size_t(y) * std::size_t(largeur_) + std::size_t(x)] != 0;
}

void MasqueReference::marquer(int x, int y)
{
    if (x >= 0 && y >= 0 && x < largeur_ && y < hauteur_)
        octets_[std::size_t(y) * std::size_t(largeur_) + std::size_t(x)] = 1;
}

void MasqueReference::effacer()
{
    std::fill(octets_.begin(), octets_.end(), quint8(0));
}

namespace {

void Marquer(MasqueReference& masque, qint64 x, qint64 y)
{
    if (x >= 0 && y >= 0 && x < masque.largeur() && y < masque.hauteur())
        masque.marquer(int(x), int(y));
}

// A band 7 pixels across the line, from its first point to 2 pixels past its last.
void MarquerTrait(MasqueReference& masque, const ElementFigure& e)
{
    const qint64 x1 = e.X1, y1 = e.Y1;
    const qint64 dx = qint64(e.X2) - x1;
    const qint64 dy = qint64(e.Y2) - y1;
    if (dx == 0 && dy == 0) {
        // No direction to lay a band across: the point alone.
        Marquer(masque, x1, y1);
        return;
    }
    if (std::llabs(dx) >= std::llabs(dy)) {
        const qint64 n = std::llabs(dx);
        const Intervalle pas = PasDans(x1, Sens(dx), {0, n + 2}, 0, masque.largeur() - 1);
        for (qint64 e2 = pas.premier; e2 <= pas.dernier; ++e2) {
            const qint64 x = x1 + Sens(dx) * e2;
            const qint64 y = y1 + (dy * e2) / n;
            for (qint64 k = -3; k <= 3; ++k)
                Marquer(masque, x, y + k);
        }
    } else {
        const qint64 n = std::llabs(dy);
        const Intervalle pas = PasDans(y1, Sens(dy), {0, n + 2}, 0, masque.hauteur() - 1);
        for (qint64 e2 = pas.premier; e2 <= pas.dernier; ++e2) {
            const qint64 y = y1 + Sens(dy) * e2;
            const qint64 x = x1 + (dx * e2) / n;
            for (qint64 k = -3; k <= 3; ++k)
                Marquer(masque, x + k, y);
        }
    }
}

// Edges 3 pixels wide.
void MarquerRectangle(MasqueReference& masque, const ElementFigure& e)
{
    const qint64 x1 = e.X1, y1 = e.Y1, x2 = e.X2, y2 = e.Y2;
    const int sx = Sens(x2 - x1);
    const Intervalle pasX = PasDans(x1, sx, {0, std::llabs(x2 - x1)}, 0, masque.largeur() - 1);
    for (qint64 i = pasX.premier; i <= pasX.dernier; ++i)
        for (qint64 k = -1; k <= 1; ++k) {
            Marquer(masque, x1 + sx * i, y1 + k);
            Marquer(masque, x1 + sx * i, y2 + k);
        }
    const int sy = Sens(y2 - y1);
    const Intervalle pasY = PasDans(y1, sy, {1, std::llabs(y2 - y1)}, 0, masque.hauteur() - 1);
    for (qint64 j = pasY.premier; j <= pasY.dernier; ++j)
        for (qint64 k = -1; k <= 1; ++k) {
            Marquer(masque, x1 + k, y1 + sy * j);
            Marquer(masque, x2 + k, y1 + sy * j);
        }
}

} // namespace

void MarquerElement(MasqueReference& masque, const ElementFigure& e)
{
    ArcJoueur arc{};
    if (ArcDe(e, arc)) {
        PourChaquePixelArc(arc.cx, arc.cy, arc.r, arc.premierQuart, arc.dernierQuart,
                           [&masque](qint64 x, qint64 y) { Marquer(masque, x, y); });
        return;
    }
    if (e.GenreElement == GenreTrait)
        MarquerTrait(masque, e);
    else if (e.GenreElement == GenreRectangle)
        MarquerRectangle(masque, e);
}

// ---- axis samples -----------------------------------------------------------------------

namespace {

// Samples (x0 + g·px, y0 + g·py) for g = premier..dernier.
struct SerieAxe {
    qint64 x0, y0, px, py, premier, dernier;
};

// The grid nodes, then the middles of the grid edges, along the axis drawn with no shift;
// none about a point.
std::vector<SerieAxe> SeriesAxe(const Quadrillage& g)
{
    const qint64 t = g.TailleCase;
    const qint64 demi = t / 2;
    const qint64 c = g.NbColonnes;
    const qint64 l = g.NbLignes;
    switch (g.TypeAxe) {
    case AxeVertical:
        return {{(c / 2) * t, 0, 0, t, 0, l}, {(c / 2) * t, demi, 0, t, 0, l - 1}};
    case AxeHorizontal:
        return {{0, (l / 2) * t, t, 0, 1, c}, {demi, (l / 2) * t, t, 0, 1, c - 1}};
    case AxeObliqueHB:
        return {{0, 0, t, t, 1, c}, {demi, demi, t, t, 1, c - 1}};
    case AxeObliqueBH:
        return {{0, l * t, t, -t, 1, c}, {demi, l * t - demi, t, -t, 1, c - 1}};
    default:
        return {};
    }
}

// The samples of a series that are not axis red. Once a sample has left the picture and
// moves on away from it, all the rest are outside too, hence white, hence covered: they
// are counted without being visited.
qint64 CompterSerie(const QImage& image, const SerieAxe& s)
{
    qint64 couverts = 0;
    for (qint64 g = s.premier; g <= s.dernier; ++g) {
        const qint64 x = s.x0 + g * s.px;
        const qint64 y = s.y0 + g * s.py;
        const bool parti = (s.px > 0 && x >= image.width()) || (s.px < 0 && x < 0)
                           || (s.py > 0 && y >= image.height()) || (s.py < 0 && y < 0);
        if (parti || (s.px == 0 && s.py == 0)) {
            const bool couvert =
                parti || CouleurPixel(image, int(x), int(y)) != CouleurRougeAxe;
            return couverts + (couvert ? s.dernier - g + 1 : 0);
        }
        if (CouleurPixel(image, int(x), int(y)) != CouleurRougeAxe)
            ++couverts;
    }
    return couverts;
}

// The steps g for which v0 + g·pas lies in [bas, haut], within [premier, dernier].
void BornerPas(qint64 v0, qint64 pas, qint64 bas, qint64 haut, qint64& premier, qint64& dernier)
{
    if (pas == 0) {
        if (v0 < bas || v0 > haut)
            dernier = premier - 1;
        return;
    }
    const auto plancher = [](qint64 a, qint64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); };
    const auto plafond = [&](qint64 a, qint64 b) { return -plancher(-a, b); };
    const qint64 d1 = pas > 0 ? plafond(bas - v0, pas) : plafond(haut - v0, pas);
    const qint64 d2 = pas > 0 ? plancher(haut - v0, pas) : plancher(bas - v0, pas);
    premier = std::max(premier, d1);
    dernier = std::min(dernier, d2);
}

} // namespace

int CompterPointsAxeCouverts(const Quadrillage& g, const QImage& image)
{
    qint64 n = 0;
    for (const SerieAxe& s : SeriesAxe(g))
        n += CompterSerie(image, s);
    return int(std::min<qint64>(n, INT_MAX));
}

std::vector<QPoint> PointsAxe(const Quadrillage& g, const QRect& zone)
{
    std::vector<QPoint> points;
    for (const SerieAxe& s : SeriesAxe(g)) {
        qint64 premier = s.premier;
        qint64 dernier = s.dernier;
        BornerPas(s.x0, s.px, zone.left(), zone.right(), premier, dernier);
        BornerPas(s.y0, s.py, zone.top(), zone.bottom(), premier, dernier);
        for (qint64 pas = premier; pas <= dernier; ++pas)
            points.emplace_back(int(s.x0 + pas * s.px), int(s.y0 + pas * s.py));
    }
    return points;
}

// ---- the check --------------------------------------------------------------------------

namespace {

// The image of a rectangle under any of the reflections is again an axis-parallel
// rectangle, spanned by the images of two opposite corners.
QRect ImageDuRectangle(const Quadrillage& g, const QRect& r)
{
    const QPoint a = ImageMiroir(g, r.topLeft());
    const QPoint b = ImageMiroir(g, r.bottomRight());
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

} // namespace

ControleSymetrie::ControleSymetrie(const Quadrillage& grille, const QImage& image,
                                   const MasqueReference& masque)
    : grille_(grille)
    , image_(image.format() == QImage::Format_RGB32 ? image
                                                      : image.convertToFormat(QImage::Format_RGB32))
    , bits_(image_.constBits())
    , pas_(image_.bytesPerLine())
    , masque_(masque)
    , zoneMiroir_(ImageDuRectangle(grille, image.rect()))
{
}

void ControleSymetrie::ControlerPoint(QPoint point, ModeComparaison mode)
{
    if (!reponseJuste_ || !AxeConnu(grille_.TypeAxe))
        return;
    const QPoint miroir = ImageMiroir(grille_, point);
    const bool accord =
        mode == ModeComparaison::Image
            ? Couleur(point) == Couleur(miroir)
            : masque_.estMarque(miroir.x(), miroir.y());
    if (!accord)
        reponseJuste_ = false;
}

// The picture is read for every point walked, so its pixels are reached directly.
quint32 ControleSymetrie::Couleur(QPoint p) const
{
    if (p.x() < 0 || p.y() < 0 || p.x() >= image_.width() || p.y() >= image_.height())
        return CouleurBlanc;
    return DepuisQRgb(reinterpret_cast<const QRgb*>(bits_ + p.y() * pas_)[p.x()]);
}

void ControleSymetrie::ControlerElement(const ElementFigure& e, ModeComparaison mode)
{
    if (!reponseJuste_ || !AxeConnu(grille_.TypeAxe))
        return;
    if (e.GenreElement == GenreColoriage) {
        ControlerPoint(QPoint(e.X1, e.Y1), ModeComparaison::Image);
        return;
    }
    const auto controler = [this, mode](QPoint p) { ControlerPoint(p, mode); };
    if (mode == ModeComparaison::Image) {
        // Only a point in the picture, or whose mirror is in it, can differ from its
        // mirror: elsewhere both read white. The two boxes are walked apart, since the
        // box holding both spans the axis shift of a damaged file, billions of points.
        Parcourir(e, image_.rect(), controler);
        Parcourir(e, zoneMiroir_, controler);
        return;
    }
    // For the mask, a point whose mirror is outside the mask fails.
    if (!Parcourir(e, ImageDuRectangle(grille_, masque_.zone()), controler))
        reponseJuste_ = false;
}

void ControleSymetrie::ControlerReference(const Figure& reference)
{
    for (int i = 1; i <= std::min(reference.NbElements, Figure::Capacite); ++i)
        ControlerElement(reference[i], ModeComparaison::Image);
}

void ControleSymetrie::ControlerEleve(const Figure& eleve)
{
    for (int i = 1; i <= std::min(eleve.NbElements, Figure::Capacite); ++i)
        ControlerElement(eleve[i], ModeComparaison::Masque);
}

void ControleSymetrie::ControlerAxe(int nbPointsAxeInitial)
{
    if (CompterPointsAxeCouverts(grille_, image_) != nbPointsAxeInitial)
        reponseJuste_ = false;
}

bool ControleSymetrie::ElementConforme(const ElementFigure& element, ModeComparaison mode)
{
    const bool avant = reponseJuste_;
    reponseJuste_ = true;
    ControlerElement(element, mode);
    const bool conforme = reponseJuste_;
    reponseJuste_ = avant;
    return conforme;
}

bool VerifierSymetrie(const Quadrillage& grille, const QImage& image,
                      const MasqueReference& masque, const Figure& reference,
                      const Figure& eleve, int nbPointsAxeInitial)
{
    ControleSymetrie controle(grille, image, masque);
    controle.ControlerReference(reference);
    controle.ControlerEleve(eleve);
    controle.ControlerAxe(nbPointsAxeInitial);
    return controle.ReponseJuste();
}
