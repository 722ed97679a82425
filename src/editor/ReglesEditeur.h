#pragma once

// The editor's rules for turning mouse positions into grid shapes, for its markers and
// for its check report. They know nothing of widgets, so tests can state them exactly.

#include "Figure.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

// Tool codes: the same numbers as the element kinds they create.
namespace Outil {
constexpr int Trait = 1;
constexpr int Rectangle = 2;
constexpr int Cercle = 3;
constexpr int QuartDeCercle = 4;
constexpr int Peinture = 6;
}

// Where arrivee lies from depart: 1 right-below, 2 left-below, 3 left-above, 4 right-above.
int QuadrantDe(QPoint depart, QPoint arrivee);

// The box of the dotted preview while dragging the tool from depart to arrivee.
QRect BoiteApercu(int outil, QPoint depart, QPoint arrivee);

// The dotted preview inside a box of that size, in the box's own coordinates.
void PeindreApercu(QPainter& peintre, int outil, int quadrant, QSize boite);

// Whether a drag between two grid crossings makes a shape: a segment needs two different
// crossings, the closed shapes a width and a height.
bool FormeAcceptable(int outil, QPoint noeudDepart, QPoint noeudArrivee);

// Side of a marker for cells of side c.
int CoteMarqueur(int c);

// The report of the symmetric check for a number of failing elements.
QString TexteVerification(int echecs);

// Whether every element still lies in a grid of n by n cells (a painted area by its
// seed's cell alone).
bool FigureTientDans(const Figure& figure, int n);
