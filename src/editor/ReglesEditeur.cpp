#include "ReglesEditeur.h"

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
