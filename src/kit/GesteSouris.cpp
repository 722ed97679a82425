#include "GesteSouris.h"

#include <algorithm>
#include <cstdlib>

std::optional<CadreApercu> CadrerApercu(Genre outil, QPoint depart, QPoint pointeur)
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
