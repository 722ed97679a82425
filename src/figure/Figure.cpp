#include "Figure.h"

#include "Bornes.h"

#include <algorithm>

ElementFigure& Figure::operator[](int i)
{
    Q_ASSERT(i >= 1 && i <= Capacite);
    return Elements[std::size_t(i)];
}

const ElementFigure& Figure::operator[](int i) const
{
    Q_ASSERT(i >= 1 && i <= Capacite);
    return Elements[std::size_t(i)];
}

bool Figure::Ajouter(const ElementFigure& element, int limite)
{
    if (NbElements >= std::min(limite, Capacite))
        return false;
    ++NbElements;
    (*this)[NbElements] = element;
    return true;
}

void Figure::Retirer(int i)
{
    if (i < 1 || i > NbElements)
        return;
    for (int k = i; k < NbElements; ++k)
        (*this)[k] = (*this)[k + 1];
    --NbElements;
}

void Figure::ViderAuDela(int jusqua)
{
    for (int i = std::max(NbElements, 0) + 1; i <= std::min(jusqua, Capacite); ++i)
        (*this)[i] = ElementFigure{};
}

bool Figure::operator==(const Figure& autre) const
{
    const int n = std::clamp(NbElements, 0, Capacite);
    return NbElements == autre.NbElements
        && std::equal(Elements.begin() + 1, Elements.begin() + 1 + n, autre.Elements.begin() + 1);
}

ElementFigure ElementDepuisPixels(Genre genre, int x1, int y1, int x2, int y2, quint32 couleur,
                                  int tailleCase)
{
    ElementFigure element;
    element.GenreElement = genre;
    element.X1 = x1;
    element.Y1 = y1;
    element.Couleur = couleur;
    if (tailleCase <= 0)
        return element;
    element.CaseX1 = x1 / tailleCase;
    element.CaseY1 = y1 / tailleCase;
    if (EstColoriage(genre)) {
        element.X2 = x1;
        element.Y2 = y1;
        element.CaseX2 = x1 % tailleCase;
        element.CaseY2 = y1 % tailleCase;
    } else {
        element.X2 = x2;
        element.Y2 = y2;
        element.CaseX2 = x2 / tailleCase;
        element.CaseY2 = y2 / tailleCase;
    }
    return element;
}

namespace {

// The seed's offset for the new cell size: product first, then the truncating division.
qint32 DecalageAdapte(qint32 decalage, int nouvelleTaille, int ancienneTaille)
{
    if (ancienneTaille <= 0)
        return 0;
    return BornerPixel(qint64(decalage) * nouvelleTaille / ancienneTaille);
}

void AdapterElement(ElementFigure& e, int nouvelleTaille, int ancienneTaille)
{
    const qint64 c = nouvelleTaille;
    if (EstColoriage(e.GenreElement)) {
        e.CaseX2 = DecalageAdapte(e.CaseX2, nouvelleTaille, ancienneTaille);
        e.CaseY2 = DecalageAdapte(e.CaseY2, nouvelleTaille, ancienneTaille);
        e.X1 = BornerPixel(e.CaseX2 + e.CaseX1 * c);
        e.Y1 = BornerPixel(e.CaseY2 + e.CaseY1 * c);
        e.X2 = e.X1;
        e.Y2 = e.Y1;
    } else {
        e.X1 = BornerPixel(e.CaseX1 * c);
        e.Y1 = BornerPixel(e.CaseY1 * c);
        e.X2 = BornerPixel(e.CaseX2 * c);
        e.Y2 = BornerPixel(e.CaseY2 * c);
    }
}

} // namespace

void AdapterTailleCase(Figure& figure, int nouvelleTaille, int ancienneTaille)
{
    for (int i = 1; i <= std::min(figure.NbElements, Figure::Capacite); ++i)
        AdapterElement(figure[i], nouvelleTaille, ancienneTaille);
}

namespace {

// -1 on the low side of the axis, +1 on the high side, 0 on the axis (or about a point).
int CoteDuPoint(const Quadrillage& g, qint64 cx, qint64 cy)
{
    qint64 position = 0;
    qint64 axe = 0;
    switch (g.TypeAxe) {
    case AxeVertical:
        position = cx;
        axe = g.NbColonnes / 2 + qint64(g.DecalageAxe);
        break;
    case AxeHorizontal:
        position = cy;
        axe = g.NbLignes / 2 + qint64(g.DecalageAxe);
        break;
    case AxeObliqueHB:
        position = cx;
        axe = cy + g.DecalageAxe;
        break;
    case AxeObliqueBH:
        position = cx + cy;
        axe = qint64(g.NbColonnes) + g.DecalageAxe;
        break;
    default:
        return 0;
    }
    return position < axe ? -1 : (position > axe ? 1 : 0);
}

} // namespace

int CalculerCoteFigure(const Quadrillage& grille, const Figure& figure)
{
    if (grille.TailleCase <= 0)
        return 2;
    int bas = 0;
    int haut = 0;
    for (int i = 1; i <= std::min(figure.NbElements, Figure::Capacite); ++i) {
        const int cote = CoteDuPoint(grille, figure[i].X1 / grille.TailleCase,
                                     figure[i].Y1 / grille.TailleCase);
        bas += cote < 0;
        haut += cote > 0;
    }
    return bas > haut ? 1 : 2;
}
