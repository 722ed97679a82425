#include "TraceSouris.h"

#include "Figure.h"

#include <algorithm>
#include <cstdlib>

QPoint BornerPointeur(QPoint pointeur, int nbColonnes, int nbLignes, int tailleCase)
{
    const auto borner = [tailleCase](int v, int nbCases) {
        if (v < 0)
            return 1;
        return std::min(v, nbCases * tailleCase + 1);
    };
    return { borner(pointeur.x(), nbColonnes), borner(pointeur.y(), nbLignes) };
}

QPoint ArriveeCarree(QPoint depart, QPoint arrivee)
{
    const int dx = std::abs(arrivee.x() - depart.x());
    const int dy = std::abs(arrivee.y() - depart.y());
    if (dx < dy) {
        const int ey = arrivee.y() < depart.y() ? depart.y() - dx : depart.y() + dx;
        return { arrivee.x(), ey };
    }
    const int ex = arrivee.x() < depart.x() ? depart.x() - dy : depart.x() + dy;
    return { ex, arrivee.y() };
}

QPoint PositionMarqueur(Genre genre, QPoint p1, QPoint p2)
{
    switch (genre) {
    case GenreTrait:
        return { (p1.x() + p2.x()) / 2, (p1.y() + p2.y()) / 2 };
    case GenreCercle:
        return { p1.x() + (p2.x() - p1.x()) / 2, p1.y() };
    case GenreQuartDeCercle:
        // The end of the arc that is not on the centre's row; a flat arc keeps its centre.
        if ((p2.x() > p1.x() && p2.y() > p1.y()) || (p2.x() < p1.x() && p2.y() < p1.y()))
            return { p2.x(), p1.y() };
        if (p2.x() != p1.x() && p2.y() != p1.y())
            return { p1.x(), p2.y() };
        return p1;
    default:
        return p1;
    }
}

QString LegendeMarqueur(Genre genre)
{
    switch (genre) {
    case GenreTrait:
        return QStringLiteral("l");
    case GenreRectangle:
        return QStringLiteral("r");
    case GenreCercle:
        return QStringLiteral("o");
    case GenreQuartDeCercle:
        return QStringLiteral("(");
    default:
        return QStringLiteral("c");
    }
}

int CoteMarqueur(int tailleCase)
{
    return std::max(tailleCase / 2, 8);
}
