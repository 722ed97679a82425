#pragma once

// Rules shared by every window where the mouse draws shapes on a grid: how a circle's
// stroke is made square and where an element's eraser marker sits. Points are pixels of
// the picture; kinds are GenreTrait ... GenreColoriage.

#include "Figure.h"

#include <QPoint>
#include <QString>

// The pointer while a button is held, kept just outside the grid when it leaves it.
QPoint BornerPointeur(QPoint pointeur, int nbColonnes, int nbLignes, int tailleCase);

// The end of a circle or quarter circle stroke, made square on the shorter side, towards
// the mouse, so that the end stays on a grid crossing.
QPoint ArriveeCarree(QPoint depart, QPoint arrivee);

// Top-left corner of the eraser marker of an element drawn from p1 to p2.
QPoint PositionMarqueur(Genre genre, QPoint p1, QPoint p2);

// Side of an eraser marker for cells of the given side.
int CoteMarqueur(int tailleCase);

// The one letter a marker shows for an element kind.
QString LegendeMarqueur(Genre genre);
