#include "GeometrieGrille.h"

#include "Cercles.h"

#include <QRectF>

#include <algorithm>

namespace {

// The axis line moved `e` pixels to the right (down for a horizontal axis). An oblique
// axis keeps its direction whether an end moves along its row or its column; each end
// takes the way that does not leave the grid.
Segment64 Deplacer(Axe typeAxe, const Segment64& axe, qint64 e)
{
    const qint64 plus = std::max<qint64>(e, 0);
    const qint64 moins = std::min<qint64>(e, 0);
    switch (typeAxe) {
    case AxeVertical:
        return {axe.x1 + e, axe.y1, axe.x2 + e, axe.y2};
    case AxeHorizontal:
        return {axe.x1, axe.y1 + e, axe.x2, axe.y2 + e};
    case AxeObliqueHB:
        return {axe.x1 + plus, axe.y1 - moins, axe.x2 + moins, axe.y2 - plus};
    default:
        return {axe.x1 + moins, axe.y1 + plus, axe.x2 + plus, axe.y2 + moins};
    }
}

} // namespace

std::optional<Segment64> SegmentAxe(const Quadrillage& grille)
{
    const qint64 c = grille.TailleCase;
    const qint64 n = grille.NbColonnes;
    const qint64 m = grille.NbLignes;
    const qint64 d = grille.DecalageAxe;
    switch (grille.TypeAxe) {
    case AxeVertical:
        return Segment64{c * (n / 2 + d), 0, c * (n / 2 + d), c * m};
    case AxeHorizontal:
        return Segment64{0, c * (m / 2 + d), c * n, c * (m / 2 + d)};
    case AxeObliqueHB:
        return Segment64{c * d, 0, c * n, c * (m - d)};
    case AxeObliqueBH:
        return Segment64{c * (n + d), 0, c * d, c * m};
    default:
        return std::nullopt;
    }
}

std::optional<std::array<Segment64, 2>> BordsAxe(const Quadrillage& grille, qint64 ecart)
{
    const std::optional<Segment64> axe = SegmentAxe(grille);
    if (!axe)
        return std::nullopt;
    return std::array{Deplacer(grille.TypeAxe, *axe, -ecart), Deplacer(grille.TypeAxe, *axe, ecart)};
}

Point64 CentreGrille(const Quadrillage& grille)
{
    const qint64 c = grille.TailleCase;
    return {c * (grille.NbColonnes / 2), c * (grille.NbLignes / 2)};
}

QPainterPath CheminContour(const ElementFigure& element)
{
    const ElementFigure& e = element;
    // The middle of the pixel at a pixel point.
    constexpr qreal Milieu = 0.5;
    QPainterPath chemin;
    ArcJoueur arc{};
    if (e.GenreElement == GenreTrait) {
        chemin.moveTo(e.X1 + Milieu, e.Y1 + Milieu);
        chemin.lineTo(e.X2 + Milieu, e.Y2 + Milieu);
    } else if (e.GenreElement == GenreRectangle) {
        chemin.addRect(QRectF(QPointF(e.X1, e.Y1), QPointF(e.X2, e.Y2)).normalized());
    } else if (ArcDe(e, arc)) {
        // The player's quarters turn clockwise from straight up, one after the other; the
        // painter's angles turn counter-clockwise from three o'clock.
        const qreal r = qreal(arc.r);
        const QRectF boite(qreal(arc.cx) + Milieu - r, qreal(arc.cy) + Milieu - r, 2 * r, 2 * r);
        const qreal debut = -90.0 * arc.dernierQuart;
        chemin.arcMoveTo(boite, debut);
        chemin.arcTo(boite, debut, 90.0 * (arc.dernierQuart - arc.premierQuart + 1));
    }
    return chemin;
}
