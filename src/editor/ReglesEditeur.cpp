#include "ReglesEditeur.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

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

bool FormeAcceptable(int outil, QPoint noeudDepart, QPoint noeudArrivee)
{
    if (outil == Outil::Trait)
        return noeudDepart != noeudArrivee;
    return noeudDepart.x() != noeudArrivee.x() && noeudDepart.y() != noeudArrivee.y();
}

int CoteMarqueur(int c)
{
    return std::max(c / 2, 8);
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
