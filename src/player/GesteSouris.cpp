#include "GesteSouris.h"

#include <QString>

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

std::optional<CadreApercu> CadrerApercu(int outil, QPoint depart, QPoint pointeur)
{
    const int sx = depart.x();
    const int sy = depart.y();
    const int ex = pointeur.x();
    const int ey = pointeur.y();
    int largeur = std::abs(ex - sx);
    int hauteur = std::abs(ey - sy);
    if (outil == GenreCercle || outil == GenreQuartDeCercle)
        largeur = hauteur = std::min(largeur, hauteur);

    QuadrantTrace quadrant;
    QPoint coin;
    if (ex >= sx && ey >= sy) {
        quadrant = DroiteBas;
        coin = { sx, sy };
    } else if (ex < sx && ey < sy) {
        quadrant = GaucheHaut;
        coin = { sx - largeur, sy - hauteur };
    } else if (ex > sx && ey < sy) {
        quadrant = DroiteHaut;
        coin = { sx, sy - hauteur };
    } else if (ex < sx && ey > sy) {
        quadrant = GaucheBas;
        coin = { sx - largeur, sy };
    } else {
        return std::nullopt;
    }
    return CadreApercu { quadrant, QRect(coin, QSize(std::max(largeur, 2), std::max(hauteur, 2))) };
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

QPoint PositionMarqueur(int genre, QPoint p1, QPoint p2)
{
    switch (genre) {
    case GenreTrait:
        return { (p1.x() + p2.x()) / 2, (p1.y() + p2.y()) / 2 };
    case GenreCercle:
        return { p1.x() + (p2.x() - p1.x()) / 2, p1.y() };
    case GenreQuartDeCercle:
        // One end of the arc, chosen by the quadrant of the second point.
        if ((p1.x() < p2.x()) == (p1.y() < p2.y()))
            return { p2.x(), p1.y() };
        return { p1.x(), p2.y() };
    default:
        return p1;
    }
}

QString LegendeMarqueur(int genre)
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
