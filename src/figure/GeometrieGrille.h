#pragma once

// Where the pictures of a grid put their lines, in pixel points of the grid (one cell is
// TailleCase pixels, the origin at the top-left crossing): the axis or the centre point,
// the black lines beside the axis that hold the painted areas of exercise 3, and each
// element's outline as the player draws it. The player's and the editor's pictures, the
// exported bitmap, the worksheets, the help after "Faux" and the diagnosis all take their
// geometry from here, so that none of them puts a line where the others do not.

#include "Figure.h"
#include "Quadrillage.h"

#include <QPainterPath>

#include <array>
#include <optional>

// A segment between two pixel points, on 64 bits: a damaged file's shift may put an axis
// far outside any picture.
struct Segment64
{
    qint64 x1, y1, x2, y2;
    bool operator==(const Segment64&) const = default;
};

// The axis line from its top end. Nothing about a point, nor for an unknown kind.
std::optional<Segment64> SegmentAxe(const Quadrillage& grille);

// The two lines `ecart` pixels either side of the axis, the one to the left (above a
// horizontal axis) first: the axis line with each end moved `ecart` pixels along its row
// or its column, whichever keeps it from going out over the grid's edge. Nothing about a
// point, nor for an unknown kind.
std::optional<std::array<Segment64, 2>> BordsAxe(const Quadrillage& grille, qint64 ecart);

// The point of a symmetry about a point: the middle crossing of the grid.
struct Point64
{
    qint64 x, y;
};
Point64 CentreGrille(const Quadrillage& grille);

// The middle line of an element's outline as the player draws it, in the coordinates of
// a painter over the player's picture (its pixel (x, y) is the square [x, x + 1) x
// [y, y + 1)): a segment, a rectangle, or the player's circle or quarter circle (a
// circle's radius is half its box's width). The player sets the pixels of a segment, a
// circle and a quarter circle around their pixel points, so those lines lie half a pixel
// right of and below their points; a rectangle is stroked by the player's painter on its
// points. Empty for a painted area, and for a quarter circle whose points share a row or
// a column.
QPainterPath CheminContour(const ElementFigure& element);
