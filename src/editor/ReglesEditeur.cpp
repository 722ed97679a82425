#include "ReglesEditeur.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

int PositionBornee(int v, int limite)
{
    if (v < 0)
        return 1;
    if (v > limite)
        return limite + 1;
    return v;
}

int QuadrantDe(QPoint depart, QPoint arrivee)
{
    const bool droite = arrivee.x() >= depart.x();
    const bool dessous = arrivee.y() >= depart.y();
    if (dessous)
        return droite ? 1 : 2;
    return droite ? 4 : 3;
}

namespace {
// Signed extent from the start, at least 2 pixels, in the direction of the mouse.
int etendue(int delta, int longueur)
{
    const int l = std::max(longueur, 2);
    return delta < 0 ? -l : l;
}

QRect boiteDepuis(QPoint depart, int dx, int dy)
{
    const QPoint autre(depart.x() + dx, depart.y() + dy);
    return QRect(QPoint(std::min(depart.x(), autre.x()), std::min(depart.y(), autre.y())),
                 QSize(std::abs(dx), std::abs(dy)));
}
} // namespace

QRect BoiteApercu(int outil, QPoint depart, QPoint arrivee)
{
    const int dx = arrivee.x() - depart.x();
    const int dy = arrivee.y() - depart.y();
    if (outil == Outil::Cercle || outil == Outil::QuartDeCercle) {
        const int cote = std::min(std::abs(dx), std::abs(dy));
        return boiteDepuis(depart, etendue(dx, cote), etendue(dy, cote));
    }
    return boiteDepuis(depart, etendue(dx, std::abs(dx)), etendue(dy, std::abs(dy)));
}

void PeindreApercu(QPainter& peintre, int outil, int quadrant, QSize boite)
{
    const int l = boite.width() - 1;
    const int h = boite.height() - 1;
    QPen pointille(Qt::black, 1, Qt::DotLine);
    peintre.setPen(pointille);
    peintre.setBrush(Qt::NoBrush);
    switch (outil) {
    case Outil::Trait:
        if (quadrant == 1 || quadrant == 3)
            peintre.drawLine(0, 0, l, h);
        else
            peintre.drawLine(l, 0, 0, h);
        break;
    case Outil::Rectangle:
        peintre.drawRect(1, 1, l - 2, h - 2);
        break;
    case Outil::Cercle:
        peintre.drawEllipse(1, 1, l - 2, h - 2);
        break;
    case Outil::QuartDeCercle: {
        // The start point is the box corner facing away from the mouse.
        const int cx = (quadrant == 1 || quadrant == 4) ? 0 : l;
        const int cy = (quadrant == 1 || quadrant == 2) ? 0 : h;
        const int debut[] = {0, 270, 180, 90, 0};
        peintre.drawArc(QRect(cx - l, cy - h, 2 * l, 2 * h), debut[quadrant] * 16, 90 * 16);
        break;
    }
    default:
        break;
    }
}

QPoint ArriveeEnCarre(QPoint depart, QPoint arrivee)
{
    const int l = std::abs(arrivee.x() - depart.x());
    const int h = std::abs(arrivee.y() - depart.y());
    QPoint carre = arrivee;
    if (l < h)
        carre.setY(arrivee.y() > depart.y() ? depart.y() + l : depart.y() - l);
    else
        carre.setX(arrivee.x() > depart.x() ? depart.x() + h : depart.x() - h);
    return carre;
}

bool FormeAcceptable(int outil, QPoint noeudDepart, QPoint noeudArrivee)
{
    if (outil == Outil::Trait)
        return noeudDepart != noeudArrivee;
    return noeudDepart.x() != noeudArrivee.x() && noeudDepart.y() != noeudArrivee.y();
}

QPoint RepereMarqueur(int genre, int x1, int y1, int x2, int y2)
{
    switch (genre) {
    case Outil::Trait:
        return {(x1 + x2) / 2, (y1 + y2) / 2};
    case Outil::Cercle:
        return {x1 + (x2 - x1) / 2, y1};
    case Outil::QuartDeCercle:
        // The end of the arc that is not on the centre's row.
        if ((x2 > x1 && y2 > y1) || (x2 < x1 && y2 < y1))
            return {x2, y1};
        if (x2 != x1 && y2 != y1)
            return {x1, y2};
        return {x1, y1};
    default:
        return {x1, y1};
    }
}

int CoteMarqueur(int c)
{
    return std::max(c / 2, 8);
}

QString LettreMarqueur(int genre)
{
    switch (genre) {
    case Outil::Trait: return QStringLiteral("l");
    case Outil::Rectangle: return QStringLiteral("r");
    case Outil::Cercle: return QStringLiteral("o");
    case Outil::QuartDeCercle: return QStringLiteral("(");
    default: return QStringLiteral("c");
    }
}

QString TexteVerification(int echecs)
{
    if (echecs == 0)
        return QStringLiteral("La figure symétrique peut être dessinée.");
    if (echecs == 1)
        return QStringLiteral("1 élément n'aura pas de symétrique.");
    return QString::number(echecs) + QStringLiteral(" éléments n'auront pas de symétriques.");
}

bool FigureTientDans(const Figure& figure, int n)
{
    for (int i = 1; i <= figure.NbElements; ++i) {
        const ElementFigure& e = figure[i];
        if (e.CaseX1 > n || e.CaseY1 > n)
            return false;
        if (!EstColoriage(e.GenreElement) && (e.CaseX2 > n || e.CaseY2 > n))
            return false;
    }
    return true;
}
