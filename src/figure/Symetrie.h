#pragma once

#include "Figure.h"
#include "Quadrillage.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

// Reflection rules under the grid's axis kind (TypeAxe) and shift (DecalageAxe).

// Image of grid node (column, row), in cells.
QPoint ImageNoeud(const Quadrillage& grille, QPoint noeud);

// Image of a pixel point, as the player computes it. Points that would land beyond
// ±2^30 are held there: they lie outside every picture anyway.
QPoint ImageMiroir(const Quadrillage& grille, QPoint point);

// Image of an element: its two pixel points mirrored. Every kind keeps its meaning: a
// rectangle or a circle's box stays axis-parallel, a quarter circle's second point lands
// in the quadrant of the image, a painted area's seed is mirrored with its colour.
ElementFigure ElementMiroir(const Quadrillage& grille, const ElementFigure& element);

// The expected image of a figure, the one the check accepts: each element mirrored, in
// order.
Figure FigureMiroir(const Quadrillage& grille, const Figure& figure);

// Whether the image of a grid crossing (in cells) lies in the grid, edges included.
bool SymetriqueDansQuadrillage(const Quadrillage& grille, int x, int y);

// The editor's element check: the first point's cell and, unless the element is a
// painted area, the second point's cell both have their image in the grid.
bool ElementASymetrique(const Quadrillage& grille, const ElementFigure& element);

// Points the check walks along an element (pixels), in order. Only points inside `zone`
// are passed on; the return value says whether every walked point was inside it.
// A painted area walks its seed alone.
using VisiteurPoint = std::function<void(QPoint)>;
bool ParcourirElement(const ElementFigure& element, const QRect& zone,
                      const VisiteurPoint& visiter);

// The tolerance band around the reference outlines, one byte per pixel, sized to the
// picture it describes. Points outside it read as unmarked and marks there are dropped.
class MasqueReference
{
public:
    MasqueReference(int largeur = 0, int hauteur = 0);

    int largeur() const { return largeur_; }
    int hauteur() const { return hauteur_; }
    QRect zone() const { return QRect(0, 0, largeur_, hauteur_); }

    bool estMarque(int x, int y) const;
    void marquer(int x, int y);
    void effacer();

private:
    int largeur_;
    int hauteur_;
    std::vector<quint8> octets_;
};

// Marks the band of one reference element: a segment 7 pixels across (its point alone
// when both ends are equal), rectangle edges 3 pixels wide, circles and quarter circles
// on exactly the pixels the player draws. Painted areas mark nothing.
void MarquerElement(MasqueReference& masque, const ElementFigure& element);

// Number of axis samples (nodes and edge middles along the axis drawn with no shift)
// whose pixel is not axis red. Always 0 about a point.
int CompterPointsAxeCouverts(const Quadrillage& grille, const QImage& image);
// The same samples, those that lie in the zone.
std::vector<QPoint> PointsAxe(const Quadrillage& grille, const QRect& zone);

enum class ModeComparaison { Image, Masque };

// The comparisons of the check, over a picture holding the grid and both figures and the
// mask of the reference. ReponseJuste starts true and turns false at the first failed
// comparison; the outcome depends only on whether one failed, so later points are
// skipped once it has.
class ControleSymetrie
{
public:
    ControleSymetrie(const Quadrillage& grille, const QImage& image,
                     const MasqueReference& masque);

    // Picture: the pixel and its mirror must have the same colour. Mask: the mirror must
    // be marked. An unknown axis kind compares nothing.
    void ControlerPoint(QPoint point, ModeComparaison mode);

    // Every reference point has the colour of its mirror.
    void ControlerReference(const Figure& reference);
    // Every pupil outline point mirrors into the band; a painted seed has its mirror's
    // colour.
    void ControlerEleve(const Figure& eleve);
    // The pupil has not covered more of the axis than the reference did.
    void ControlerAxe(int nbPointsAxeInitial);
    // Whether one element passes its own comparisons, whatever the others gave.
    bool ElementConforme(const ElementFigure& element, ModeComparaison mode);

    bool ReponseJuste() const { return reponseJuste_; }

private:
    void ControlerElement(const ElementFigure& element, ModeComparaison mode);
    quint32 Couleur(QPoint point) const;

    const Quadrillage& grille_;
    const QImage image_; // shares the caller's pixels; converted when not RGB32
    const uchar* bits_;
    qsizetype pas_;
    const MasqueReference& masque_;
    QRect zoneMiroir_; // the picture's mirror image
    bool reponseJuste_ = true;
};

// The whole comparison of a check (reference, pupil, axis), in that order.
bool VerifierSymetrie(const Quadrillage& grille, const QImage& image,
                      const MasqueReference& masque, const Figure& reference,
                      const Figure& eleve, int nbPointsAxeInitial);
