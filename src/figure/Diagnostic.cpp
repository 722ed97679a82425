#include "Diagnostic.h"

#include "Cercles.h"
#include "Couleurs.h"
#include "Dessin.h"
#include "GeometrieGrille.h"

#include <QPoint>

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

namespace {

// An outline as a comparable value: the line the player draws, whatever the order its
// points were drawn in. The first two values are a point of it, which a shift moves.
using Forme = std::tuple<qint32, qint32, qint32, qint32, qint32>;

Forme formeDe(const ElementFigure& e, QPoint decalage = {})
{
    const qint32 x1 = e.X1 + decalage.x();
    const qint32 y1 = e.Y1 + decalage.y();
    const qint32 x2 = e.X2 + decalage.x();
    const qint32 y2 = e.Y2 + decalage.y();
    ArcJoueur arc{};
    if (e.GenreElement == GenreTrait && std::pair(x1, y1) > std::pair(x2, y2))
        return {Code(GenreTrait), x2, y2, x1, y1};
    if (e.GenreElement == GenreRectangle)
        return {Code(GenreRectangle), std::min(x1, x2), std::min(y1, y2), std::max(x1, x2),
                std::max(y1, y2)};
    if (ArcDe(e, arc))
        return {Code(e.GenreElement), qint32(arc.cx) + decalage.x(), qint32(arc.cy) + decalage.y(),
                qint32(arc.r), arc.premierQuart};
    return {Code(e.GenreElement), x1, y1, x2, y2};
}

std::vector<const ElementFigure*> contours(const Figure& figure)
{
    std::vector<const ElementFigure*> elements;
    for (int i = 1; i <= std::min(figure.NbElements, Figure::Capacite); ++i)
        if (!EstColoriage(figure[i].GenreElement))
            elements.push_back(&figure[i]);
    return elements;
}

std::vector<Forme> formes(const std::vector<const ElementFigure*>& elements, QPoint decalage = {})
{
    std::vector<Forme> resultat;
    for (const ElementFigure* e : elements)
        resultat.push_back(formeDe(*e, decalage));
    std::sort(resultat.begin(), resultat.end());
    return resultat;
}

// A shift of whole cells, not zero, that makes the given outlines exactly the drawn ones.
std::optional<QPoint> decalageEntier(const std::vector<const ElementFigure*>& dessines,
                                     const std::vector<const ElementFigure*>& attendus, int c)
{
    if (dessines.empty() || dessines.size() != attendus.size() || c <= 0)
        return std::nullopt;
    const std::vector<Forme> vises = formes(dessines);
    const Forme premier = vises.front();
    for (const ElementFigure* e : attendus) {
        const Forme candidat = formeDe(*e);
        if (std::get<0>(candidat) != std::get<0>(premier))
            continue;
        const QPoint decalage(std::get<1>(premier) - std::get<1>(candidat),
                              std::get<2>(premier) - std::get<2>(candidat));
        if (decalage.isNull() || decalage.x() % c != 0 || decalage.y() % c != 0)
            continue;
        if (formes(attendus, decalage) == vises)
            return decalage / c;
    }
    return std::nullopt;
}

QString carreaux(int n, const QString& sens)
{
    const QString nombre = std::abs(n) == 1 ? QStringLiteral("d'un carreau")
                                            : QStringLiteral("de %1 carreaux").arg(std::abs(n));
    return nombre + QStringLiteral(" vers ") + sens;
}

QString phraseDecalage(QPoint d)
{
    QStringList parties;
    if (d.x() != 0)
        parties << carreaux(d.x(), d.x() > 0 ? QStringLiteral("la droite") : QStringLiteral("la gauche"));
    if (d.y() != 0)
        parties << carreaux(d.y(), d.y() > 0 ? QStringLiteral("le bas") : QStringLiteral("le haut"));
    return QStringLiteral("Ta figure est décalée ") + parties.join(QStringLiteral(" et ")) + QLatin1Char('.');
}

QString nombreElements(int n, const QString& un, const QString& plusieurs)
{
    return n == 1 ? un : plusieurs.arg(n);
}

// Whether the drawn outlines are the reference's image about another axis kind, with or
// without the grid's shift.
bool symetriqueAutreAxe(const Quadrillage& grille, const Figure& reference,
                        const std::vector<Forme>& dessines)
{
    for (Axe axe : {AxeVertical, AxeHorizontal, AxeObliqueHB, AxeObliqueBH, AxePoint}) {
        for (qint32 decalage : {grille.DecalageAxe, 0}) {
            if (axe == grille.TypeAxe && decalage == grille.DecalageAxe)
                continue;
            Quadrillage autre = grille;
            autre.TypeAxe = axe;
            autre.DecalageAxe = axe == AxePoint ? 0 : decalage;
            const Figure image = FigureMiroir(autre, reference);
            if (formes(contours(image)) == dessines)
                return true;
        }
    }
    return false;
}

// Which of the points an element covers: an outline where it sets pixels, drawn alone as
// the player draws it (in a picture of its own box); a painted area where its fill spreads
// in the picture.
std::vector<bool> pointsCouverts(const ElementFigure& e, const QImage& image,
                                 const std::vector<QPoint>& points)
{
    std::vector<bool> couverts(points.size(), false);
    if (EstColoriage(e.GenreElement)) {
        QImage rempli = image;
        RemplirJusquAuNoir(rempli, e.X1, e.Y1, CouleurNoir);
        for (std::size_t k = 0; k < points.size(); ++k)
            couverts[k] = CouleurPixel(image, points[k].x(), points[k].y()) != CouleurNoir
                && CouleurPixel(rempli, points[k].x(), points[k].y()) == CouleurNoir;
        return couverts;
    }
    // The outline's line, widened by the player's pen (or the radii on each side of a
    // circle's) and a pixel more.
    const QPainterPath contour = CheminContour(e);
    if (contour.isEmpty())
        return couverts;
    const QRect boite = contour.boundingRect()
                            .adjusted(-3, -3, 3, 3)
                            .intersected(QRectF(image.rect().adjusted(-2, -2, 2, 2)))
                            .toAlignedRect();
    if (boite.isEmpty())
        return couverts;
    QImage seul = NouvelleImage(boite.width(), boite.height());
    ElementFigure place = e;
    place.X1 -= boite.left();
    place.X2 -= boite.left();
    place.Y1 -= boite.top();
    place.Y2 -= boite.top();
    DessinerElement(seul, place, Rendu::Joueur);
    for (std::size_t k = 0; k < points.size(); ++k)
        couverts[k] = boite.contains(points[k])
            && CouleurPixel(seul, points[k].x() - boite.left(), points[k].y() - boite.top()) == CouleurNoir;
    return couverts;
}

// The drawn elements that cover axis samples which the reference leaves free: those are
// the image of nothing, whatever else lies near them.
std::vector<bool> surLAxe(const Quadrillage& grille, const QImage& image, const Figure& reference,
                          const Figure& eleve)
{
    const std::vector<QPoint> points = PointsAxe(grille, image.rect());
    std::vector<bool> libres(points.size(), true);
    for (int i = 1; i <= std::min(reference.NbElements, Figure::Capacite); ++i) {
        const std::vector<bool> couverts = pointsCouverts(reference[i], image, points);
        for (std::size_t k = 0; k < points.size(); ++k)
            libres[k] = libres[k] && !couverts[k];
    }
    std::vector<bool> fautifs;
    for (int i = 1; i <= std::min(eleve.NbElements, Figure::Capacite); ++i) {
        const std::vector<bool> couverts = pointsCouverts(eleve[i], image, points);
        bool fautif = false;
        for (std::size_t k = 0; k < points.size(); ++k)
            fautif = fautif || (couverts[k] && libres[k]);
        fautifs.push_back(fautif);
    }
    return fautifs;
}

QString phraseColoriage(const Quadrillage& grille, const QImage& image, const Figure& reference,
                        const DiagnosticFaux& d)
{
    for (int i = 1; i <= std::min(reference.NbElements, Figure::Capacite); ++i) {
        if (d.referenceJuste[std::size_t(i - 1)] || reference[i].GenreElement != GenreColoriage)
            continue;
        const QPoint miroir = ImageMiroir(grille, {reference[i].X1, reference[i].Y1});
        // The model's point is not black (its colour differs from its image's), so black
        // there is a stroke of the pupil's that the exact image does not have.
        switch (CouleurPixel(image, miroir.x(), miroir.y())) {
        case CouleurBlanc:
            return QStringLiteral("Les traits sont justes ; une zone n'est pas coloriée.");
        case CouleurNoir:
            return QStringLiteral("Un trait en trop passe sur une zone à colorier.");
        default:
            return QStringLiteral("Les traits sont justes ; une zone n'a pas la bonne couleur.");
        }
    }
    return {};
}

QString phraseDe(const Quadrillage& grille, const QImage& image, const Figure& reference,
                 const Figure& eleve, const DiagnosticFaux& d)
{
    const int enTrop = int(std::count(d.eleveEnTrop.begin(), d.eleveEnTrop.end(), true));
    int contoursEnTrop = 0;
    for (int i = 1; i <= std::min(eleve.NbElements, Figure::Capacite); ++i)
        if (d.eleveEnTrop[std::size_t(i - 1)] && !EstColoriage(eleve[i].GenreElement))
            ++contoursEnTrop;
    // A drawing whose strokes are all images is only unfinished: no other figure to name.
    if (contoursEnTrop > 0) {
        const auto dessines = contours(eleve);
        const Figure attendue = FigureMiroir(grille, reference);
        if (const auto decalage = decalageEntier(dessines, contours(attendue), grille.TailleCase))
            return phraseDecalage(*decalage);
        if (decalageEntier(dessines, contours(reference), grille.TailleCase))
            return QStringLiteral("Tu as recopié la figure au lieu de la retourner.");
        if (symetriqueAutreAxe(grille, reference, formes(dessines)))
            return QStringLiteral("Ta figure est le symétrique par rapport à un autre axe.");
    }

    int manquants = 0;
    int contoursManquants = 0;
    for (int i = 1; i <= std::min(reference.NbElements, Figure::Capacite); ++i) {
        if (d.referenceJuste[std::size_t(i - 1)])
            continue;
        ++manquants;
        if (!EstColoriage(reference[i].GenreElement))
            ++contoursManquants;
    }
    if (contoursEnTrop == 0 && contoursManquants == 0 && manquants > 0)
        return phraseColoriage(grille, image, reference, d);
    if (enTrop == 0 && manquants > 0)
        return nombreElements(manquants, QStringLiteral("Il manque un élément."),
                              QStringLiteral("Il manque %1 éléments."));
    if (manquants == 0 && enTrop > 0)
        return nombreElements(enTrop, QStringLiteral("Il y a un élément en trop."),
                              QStringLiteral("Il y a %1 éléments en trop."));
    return {};
}

} // namespace

DiagnosticFaux DiagnostiquerFaux(const Quadrillage& grille, const QImage& image,
                                 const MasqueReference& masque, const Figure& reference,
                                 const Figure& eleve, int nbPointsAxeInitial)
{
    ControleSymetrie controle(grille, image, masque);
    DiagnosticFaux d;
    for (int i = 1; i <= std::min(reference.NbElements, Figure::Capacite); ++i)
        d.referenceJuste.push_back(controle.ElementConforme(reference[i], ModeComparaison::Image));
    const int nbEleve = std::min(eleve.NbElements, Figure::Capacite);
    for (int i = 1; i <= nbEleve; ++i)
        d.eleveEnTrop.push_back(!controle.ElementConforme(eleve[i], ModeComparaison::Masque));

    // A drawing over the axis fails the check though each element mirrors well: the
    // strokes lying on the axis are the ones to show.
    controle.ControlerAxe(nbPointsAxeInitial);
    const bool toutVert = std::count(d.referenceJuste.begin(), d.referenceJuste.end(), false) == 0
        && std::count(d.eleveEnTrop.begin(), d.eleveEnTrop.end(), true) == 0;
    if (toutVert && !controle.ReponseJuste()) {
        d.eleveEnTrop = surLAxe(grille, image, reference, eleve);
        if (std::count(d.eleveEnTrop.begin(), d.eleveEnTrop.end(), true) == 0)
            std::fill(d.eleveEnTrop.begin(), d.eleveEnTrop.end(), true);
    }
    if (!toutVert)
        d.phrase = phraseDe(grille, image, reference, eleve, d);
    return d;
}
