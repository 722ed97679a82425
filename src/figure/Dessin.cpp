#include "Dessin.h"

#include "Bornes.h"
#include "Cercles.h"
#include "Couleurs.h"
#include "GeometrieGrille.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>


namespace {

QColor VersQColor(quint32 couleur)
{
    return QColor::fromRgb(VersQRgb(couleur));
}

// Thin lines stop short of their last point, as canvas lines do (the grid and frame
// coordinates count on it); thick outlines end round.
QPen Plume(quint32 couleur, int largeur)
{
    QPen plume(VersQColor(couleur));
    if (largeur <= 1) {
        plume.setCosmetic(true);
        plume.setWidth(1);
        plume.setCapStyle(Qt::FlatCap);
        return plume;
    }
    plume.setWidth(largeur);
    plume.setCapStyle(Qt::RoundCap);
    plume.setJoinStyle(Qt::RoundJoin);
    return plume;
}

// A painter without smoothing: the check reads these pixels back.
class Pinceau : public QPainter
{
public:
    explicit Pinceau(QImage& image)
        : QPainter(&image)
    {
        setRenderHint(QPainter::Antialiasing, false);
    }
};

// Coordinates beyond this are clipped before reaching the painter, whose rasteriser works
// in fixed point; no figure that fits a screen comes near it.
constexpr qint64 LimiteTrace = 1 << 20;

bool DansLimite(qint64 v)
{
    return v >= -LimiteTrace && v <= LimiteTrace;
}

// Cuts the segment to the square ±LimiteTrace (parametric clipping); false when nothing
// of it lies there.
bool CouperSegment(double& x1, double& y1, double& x2, double& y2)
{
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 + LimiteTrace, LimiteTrace - x1, y1 + LimiteTrace, LimiteTrace - y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const double ax = x1;
    const double ay = y1;
    x1 = ax + t0 * dx;
    y1 = ay + t0 * dy;
    x2 = ax + t1 * dx;
    y2 = ay + t1 * dy;
    return true;
}

void TracerLigne(QPainter& p, qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    if (DansLimite(x1) && DansLimite(y1) && DansLimite(x2) && DansLimite(y2)) {
        p.drawLine(QPoint(int(x1), int(y1)), QPoint(int(x2), int(y2)));
        return;
    }
    double ax = double(x1), ay = double(y1), bx = double(x2), by = double(y2);
    if (CouperSegment(ax, ay, bx, by))
        p.drawLine(QPointF(ax, ay), QPointF(bx, by));
}

// The box with corners (x1, y1) and (x2, y2), edges on those coordinates.
QRect Boite(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    const auto borner = [](qint64 v) { return int(std::clamp(v, -LimiteTrace, LimiteTrace)); };
    const int gauche = borner(std::min(x1, x2));
    const int haut = borner(std::min(y1, y2));
    return QRect(gauche, haut, borner(std::max(x1, x2)) - gauche,
                 borner(std::max(y1, y2)) - haut);
}

bool BoiteDansLimite(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    return DansLimite(x1) && DansLimite(y1) && DansLimite(x2) && DansLimite(y2);
}

// ---- grid -----------------------------------------------------------------------------

struct Mesures
{
    qint64 c, n, m, d;
};

Mesures MesuresDe(const Quadrillage& g)
{
    return {g.TailleCase, g.NbColonnes, g.NbLignes, g.DecalageAxe};
}

// The last line index worth drawing: lines beyond the picture are not seen, and a
// damaged grid may claim any number of them.
qint64 DernierTrait(qint64 nombre, qint64 c, int tailleImage)
{
    if (nombre < 0)
        return -1;
    if (c <= 0)
        return 0;
    return std::min(nombre, tailleImage / c + 1);
}

void TracerLignesQuadrillage(QPainter& p, const QImage& image, const Quadrillage& g,
                             Rendu rendu)
{
    const auto [c, n, m, d] = MesuresDe(g);
    // The editor stops its lines one pixel past the grid; the player and the preview run
    // them to the panel's edge.
    const qint64 finX = rendu == Rendu::Editeur ? n * c + 1 : n * c + 4;
    const qint64 finY = rendu == Rendu::Editeur ? m * c + 1 : m * c + 4;
    p.setPen(Plume(CouleurGrisQuadrillage, g.EpaisseurQuadrillage));
    for (qint64 k = 0; k <= DernierTrait(m, c, image.height()); ++k)
        TracerLigne(p, 0, k * c, finX, k * c);
    for (qint64 k = 0; k <= DernierTrait(n, c, image.width()); ++k)
        TracerLigne(p, k * c, 0, k * c, finY);
}

void TracerSegment(QPainter& p, const Segment64& s)
{
    TracerLigne(p, s.x1, s.y1, s.x2, s.y2);
}

void TracerPointCentral(QPainter& p, const Quadrillage& g)
{
    const auto [px, py] = CentreGrille(g);
    if (!BoiteDansLimite(px - 5, py - 5, px + 5, py + 5))
        return;
    p.setBrush(VersQColor(CouleurRougeAxe));
    p.drawEllipse(Boite(px - 5, py - 5, px + 5, py + 5));
    p.setBrush(Qt::NoBrush);
}

void TracerAxe(QPainter& p, const Quadrillage& g, int numeroExercice, Rendu rendu)
{
    const int facteur = numeroExercice == 3 ? 4 : (rendu == Rendu::Apercu ? 2 : 3);
    p.setPen(Plume(CouleurRougeAxe, facteur * g.EpaisseurQuadrillage));
    if (const std::optional<Segment64> axe = SegmentAxe(g))
        TracerSegment(p, *axe);
    else if (g.TypeAxe == AxePoint)
        TracerPointCentral(p, g); // outlined with the axis pen
}

// Exercise 3: two black lines beside the axis, so that painted areas (which stop only at
// black) never cross it.
void TracerBordsAxe(QPainter& p, const Quadrillage& g)
{
    p.setPen(Plume(CouleurNoir, 1));
    if (const auto bords = BordsAxe(g, 2 * g.EpaisseurQuadrillage)) {
        for (const Segment64& bord : *bords)
            TracerSegment(p, bord);
    } else if (g.TypeAxe == AxePoint) {
        TracerPointCentral(p, g);
    }
}

void TracerCadre(QPainter& p, const Quadrillage& g, Rendu rendu)
{
    const auto [c, n, m, d] = MesuresDe(g);
    // The player draws its bottom line at the columns' size, the preview its whole frame
    // as a square of the columns; the editor follows both counts.
    const qint64 bas = rendu == Rendu::Editeur ? m * c : n * c;
    const qint64 cote = rendu == Rendu::Apercu ? n * c : m * c;
    p.setPen(Plume(CouleurNoir, g.EpaisseurQuadrillage));
    TracerLigne(p, 0, 0, n * c + 1, 0);
    TracerLigne(p, 0, 0, 0, cote + 1);
    TracerLigne(p, n * c, 0, n * c, cote + 1);
    TracerLigne(p, 0, bas, n * c + 1, bas);
}

// ---- elements -------------------------------------------------------------------------

// Calls pixels(poser) with a poser(x, y) that sets one pixel black where it lies in the
// picture: for outlines plotted pixel by pixel rather than stroked by the painter.
template <class Pixels>
void PoserPixelsNoirs(QImage& image, Pixels&& pixels)
{
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const qint64 largeur = image.width();
    const qint64 hauteur = image.height();
    uchar* const bits = image.bits();
    const qsizetype pas = image.bytesPerLine();
    const QRgb noir = VersQRgb(CouleurNoir);
    pixels([&](qint64 x, qint64 y) {
        if (x >= 0 && y >= 0 && x < largeur && y < hauteur)
            reinterpret_cast<QRgb*>(bits + y * pas)[x] = noir;
    });
}

void TracerArcPixels(QImage& image, const ArcJoueur& arc)
{
    PoserPixelsNoirs(image, [&](auto poser) {
        PourChaquePixelArc(arc.cx, arc.cy, arc.r, arc.premierQuart, arc.dernierQuart, poser);
    });
}

// A segment drawn with an odd pen width w covers the pixels whose point lies within w/2
// of it (round ends). The rule knows only distances between whole points, so the image
// of a segment under any of the grid's reflections covers exactly the images of its
// pixels, which the check relies on; the painter's stroke, which tests the centres of
// pixels half a pixel away from their points, covers a set shifted by that half pixel.
class TraitEntier
{
public:
    TraitEntier(qint64 x1, qint64 y1, qint64 x2, qint64 y2, int epaisseur)
        : x1_(double(x1)), y1_(double(y1)), dx_(double(x2 - x1)), dy_(double(y2 - y1))
        , longueurCarree_(dx_ * dx_ + dy_ * dy_)
        , epaisseurCarree_(double(epaisseur) * epaisseur)
    {
    }

    // Whole coordinates below 2^25 keep every product exact; the one rounded square
    // depends on the distance alone, so the rule stays the same for a mirrored segment.
    bool couvre(qint64 x, qint64 y) const
    {
        const double ux = double(x) - x1_;
        const double uy = double(y) - y1_;
        const double projection = ux * dx_ + uy * dy_;
        if (projection <= 0)
            return 4 * (ux * ux + uy * uy) <= epaisseurCarree_;
        if (projection >= longueurCarree_) {
            const double vx = ux - dx_;
            const double vy = uy - dy_;
            return 4 * (vx * vx + vy * vy) <= epaisseurCarree_;
        }
        const double produit = ux * dy_ - uy * dx_;
        return 4 * (produit * produit) <= epaisseurCarree_ * longueurCarree_;
    }

private:
    double x1_, y1_, dx_, dy_, longueurCarree_, epaisseurCarree_;
};

// Calls poser(x, y) for every pixel of a largeur x hauteur picture that a segment of odd
// width covers. Along the segment's main direction (u), each step looks at the few
// pixels around the line across it (v): the band and the round ends lie within w + 1 of
// the line's nearest point.
template <class Poser>
void PourChaquePixelTrait(qint64 largeur, qint64 hauteur, const ElementFigure& e,
                          int epaisseur, Poser&& poser)
{
    const bool parColonnes = std::llabs(qint64(e.X2) - e.X1) >= std::llabs(qint64(e.Y2) - e.Y1);
    const qint64 u1 = parColonnes ? e.X1 : e.Y1;
    const qint64 v1 = parColonnes ? e.Y1 : e.X1;
    const qint64 u2 = parColonnes ? e.X2 : e.Y2;
    const qint64 v2 = parColonnes ? e.Y2 : e.X2;
    const qint64 nu = parColonnes ? largeur : hauteur;
    const qint64 nv = parColonnes ? hauteur : largeur;
    const TraitEntier trait(u1, v1, u2, v2, epaisseur);
    const qint64 bout = (epaisseur + 1) / 2;
    const qint64 travers = epaisseur + 1;
    const qint64 uMin = std::min(u1, u2);
    const qint64 uMax = std::max(u1, u2);
    for (qint64 u = std::max<qint64>(0, uMin - bout); u <= std::min(nu - 1, uMax + bout); ++u) {
        const qint64 proche = std::clamp(u, uMin, uMax);
        const double ligne = u1 == u2 ? double(v1)
                                      : double(v1) + double(proche - u1) * double(v2 - v1)
                                                         / double(u2 - u1);
        const qint64 centre = qint64(std::clamp(std::round(ligne), -double(travers) - 1,
                                                double(nv + travers)));
        for (qint64 v = std::max<qint64>(0, centre - travers);
             v <= std::min(nv - 1, centre + travers); ++v)
            if (trait.couvre(u, v))
                parColonnes ? poser(u, v) : poser(v, u);
    }
}

void TracerTraitPixels(QImage& image, const ElementFigure& e, int epaisseur)
{
    PoserPixelsNoirs(image, [&](auto poser) {
        PourChaquePixelTrait(image.width(), image.height(), e, epaisseur, poser);
    });
}

// The canvas arc: counter-clockwise over the quadrant of (x2, y2) of the ellipse centred
// on (x1, y1). In the painter's angles (counter-clockwise from three o'clock) the
// quadrants are right-above 0°, left-above 90°, left-below 180°, right-below 270°.
void TracerQuartCanevas(QPainter& p, const ElementFigure& e)
{
    if (e.X1 == e.X2 || e.Y1 == e.Y2)
        return;
    const qint64 gauche = 2 * qint64(e.X1) - e.X2;
    const qint64 haut = 2 * qint64(e.Y1) - e.Y2;
    if (!BoiteDansLimite(gauche, haut, e.X2, e.Y2))
        return;
    const bool droite = e.X2 > e.X1;
    const bool dessus = e.Y2 < e.Y1;
    const int depart = droite ? (dessus ? 0 : 270) : (dessus ? 90 : 180);
    p.drawArc(Boite(gauche, haut, e.X2, e.Y2), depart * 16, 90 * 16);
}

void TracerEllipseCanevas(QPainter& p, const ElementFigure& e)
{
    if (BoiteDansLimite(e.X1, e.Y1, e.X2, e.Y2))
        p.drawEllipse(Boite(e.X1, e.Y1, e.X2, e.Y2));
}

void TracerForme(QPainter& p, const ElementFigure& e)
{
    switch (e.GenreElement) {
    case GenreTrait:
        TracerLigne(p, e.X1, e.Y1, e.X2, e.Y2);
        break;
    case GenreRectangle:
        p.drawRect(Boite(e.X1, e.Y1, e.X2, e.Y2));
        break;
    case GenreCercle:
        TracerEllipseCanevas(p, e);
        break;
    case GenreQuartDeCercle:
        TracerQuartCanevas(p, e);
        break;
    default:
        break;
    }
}

// Draws elements in order. Consecutive outlines share one painter, which is let go before
// anything writes pixels itself (fills, the player's arcs).
class Dessinateur
{
public:
    Dessinateur(QImage& image, Rendu rendu, int epaisseurTrait)
        : image_(image)
        , rendu_(rendu)
        , epaisseur_(rendu == Rendu::Apercu ? 2 : epaisseurTrait)
    {
    }

    void dessiner(const ElementFigure& e)
    {
        ArcJoueur arc{};
        if (e.GenreElement == GenreColoriage) {
            pinceau_.reset();
            RemplirJusquAuNoir(image_, e.X1, e.Y1, e.Couleur);
        } else if (rendu_ == Rendu::Joueur && ArcDe(e, arc)) {
            pinceau_.reset();
            TracerArcPixels(image_, arc);
        } else if (e.GenreElement == GenreTrait && epaisseur_ % 2 == 1) {
            pinceau_.reset();
            TracerTraitPixels(image_, e, epaisseur_);
        } else {
            TracerForme(pinceau(), e);
        }
    }

private:
    QPainter& pinceau()
    {
        if (!pinceau_) {
            pinceau_.emplace(image_);
            pinceau_->setPen(Plume(CouleurNoir, epaisseur_));
            pinceau_->setBrush(Qt::NoBrush);
        }
        return *pinceau_;
    }

    QImage& image_;
    Rendu rendu_;
    int epaisseur_;
    std::optional<Pinceau> pinceau_;
};

} // namespace

QImage NouvelleImage(int largeur, int hauteur)
{
    QImage image(std::max(largeur, 0), std::max(hauteur, 0), QImage::Format_RGB32);
    EffacerImage(image);
    return image;
}

void EffacerImage(QImage& image)
{
    if (!image.isNull())
        image.fill(VersQRgb(CouleurBlanc));
}

void DessinerQuadrillage(QImage& image, const Quadrillage& grille, int numeroExercice,
                         Rendu rendu)
{
    if (image.isNull())
        return;
    Pinceau p(image);
    TracerLignesQuadrillage(p, image, grille, rendu);
    TracerAxe(p, grille, numeroExercice, rendu);
    if (numeroExercice == 3)
        TracerBordsAxe(p, grille);
    TracerCadre(p, grille, rendu);
}

void DessinerElement(QImage& image, const ElementFigure& element, Rendu rendu,
                     int epaisseurTrait)
{
    if (!image.isNull())
        Dessinateur(image, rendu, epaisseurTrait).dessiner(element);
}

void DessinerFigure(QImage& image, const Figure& figure, Rendu rendu, int epaisseurTrait)
{
    if (image.isNull())
        return;
    Dessinateur dessinateur(image, rendu, epaisseurTrait);
    for (int i = 1; i <= std::min(figure.NbElements, Figure::Capacite); ++i)
        dessinateur.dessiner(figure[i]);
}

void RedessinerTout(QImage& image, const Quadrillage& grille, int numeroExercice,
                    const Figure& reference, const Figure& eleve)
{
    DessinerQuadrillage(image, grille, numeroExercice, Rendu::Joueur);
    DessinerFigure(image, reference, Rendu::Joueur, grille.EpaisseurTrait);
    DessinerFigure(image, eleve, Rendu::Joueur, grille.EpaisseurTrait);
}

QImage ZonesColoriees(const QImage& image, const Figure& figure)
{
    const QImage dessin = image.convertToFormat(QImage::Format_RGB32);
    QImage marquee = dessin;
    for (int i = 1; i <= std::min(figure.NbElements, Figure::Capacite); ++i)
        if (EstColoriage(figure[i].GenreElement))
            RemplirJusquAuNoir(marquee, figure[i].X1, figure[i].Y1, CouleurNoir);
    QImage zones(dessin.size(), QImage::Format_ARGB32);
    zones.fill(Qt::transparent);
    constexpr QRgb Couleur = 0x00FFFFFFu;
    for (int y = 0; y < dessin.height(); ++y) {
        const auto* avant = reinterpret_cast<const QRgb*>(dessin.constScanLine(y));
        const auto* apres = reinterpret_cast<const QRgb*>(std::as_const(marquee).constScanLine(y));
        auto* zone = reinterpret_cast<QRgb*>(zones.scanLine(y));
        for (int x = 0; x < dessin.width(); ++x)
            if ((avant[x] & Couleur) != 0 && (apres[x] & Couleur) == 0)
                zone[x] = avant[x] | 0xFF000000u;
    }
    return zones;
}

quint32 CouleurPixel(const QImage& image, int x, int y)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return CouleurBlanc;
    if (image.format() == QImage::Format_RGB32)
        return DepuisQRgb(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
    return DepuisQRgb(image.pixel(x, y));
}

void PoserPixel(QImage& image, int x, int y, quint32 couleur)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    if (image.format() == QImage::Format_RGB32)
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = VersQRgb(couleur);
    else
        image.setPixel(x, y, VersQRgb(couleur));
}
