#pragma once

#include "Figure.h"
#include "Quadrillage.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

// Drawing rules of the grid pictures. Pictures are QImage::Format_RGB32, drawn without
// antialiasing; every colour is given as 0x00BBGGRR.
//
// Segments drawn with an odd pen width (the player's and the editor's) are plotted pixel by
// pixel: a pixel is set when its point lies within half the width of the segment, so that
// a segment's mirror image covers exactly the mirrors of its pixels.
//
// Three renderings share the geometry and differ in detail:
//  - Editeur: the editor's canvas (grid lines to N·c + 1, canvas ellipses and arcs);
//  - Joueur: the player's picture, which the check reads back (grid lines to the panel's
//    size, circles and quarter circles plotted pixel by pixel on three radii);
//  - Apercu: the chooser's small preview (thinner axis and outlines, canvas shapes).
enum class Rendu { Editeur, Joueur, Apercu };

// A white picture of the given size, ready for the rules below.
QImage NouvelleImage(int largeur, int hauteur);

// Whole picture white.
void EffacerImage(QImage& image);

// Grid, axis (and in exercise 3 the two black lines beside it) and frame, for the grid's
// TailleCase, which the caller has derived. Drawn over the current picture: the editor
// and the player clear it first, the player's check does not.
void DessinerQuadrillage(QImage& image, const Quadrillage& grille, int numeroExercice,
                         Rendu rendu);

// One element from its pixel points, outlines with a pen of epaisseurTrait (the preview's
// are always 2 wide); unknown kinds draw nothing.
void DessinerElement(QImage& image, const ElementFigure& element, Rendu rendu,
                     int epaisseurTrait = 3);

// Elements 1..count in order: a painted area only sees the outlines drawn before it.
void DessinerFigure(QImage& image, const Figure& figure, Rendu rendu, int epaisseurTrait = 3);

// The player's full redraw over the current picture: grid, then the reference figure,
// then the pupil's, each in list order.
void RedessinerTout(QImage& image, const Quadrillage& grille, int numeroExercice,
                    const Figure& reference, const Figure& eleve);

// Border fill: recolours every pixel 4-connected to the seed that is not black. A seed on
// black or outside the picture fills nothing.
void RemplirJusquAuNoir(QImage& image, int x, int y, quint32 couleur);

// Where the painted areas of a figure lie in a picture drawn with it (after the outlines
// that bound them): each area's fill, in the picture's colour there, on a transparent
// ARGB32 picture of the same size.
QImage ZonesColoriees(const QImage& image, const Figure& figure);

// The areas a click in a cell could paint, told apart as the fill tells them (bounded by
// black): one point per area, the area with the most pixels in the cell first (reading
// order among equals), each point the one of its area deepest inside the cell (the nearest
// the cell's centre among equals). An uncut cell gives its centre.
std::vector<QPoint> ZonesDansCase(const QImage& image, const QRect& cellule);

// The colour (0x00BBGGRR) of a pixel; white outside the picture.
quint32 CouleurPixel(const QImage& image, int x, int y);

// Writes one pixel when it lies in the picture.
void PoserPixel(QImage& image, int x, int y, quint32 couleur);
