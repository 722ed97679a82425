#pragma once

// The rubber-band box that follows the pointer during a mouse stroke on the player's
// picture.
// Pixels are picture coordinates (node (c, r) is at (c·T, r·T)); tools are numbered as
// the element kinds they produce (GenreTrait ... GenreColoriage).

#include "Figure.h"

#include <QPoint>
#include <QRect>

#include <optional>

// Where the pointer is relative to the start of the stroke.
enum QuadrantTrace : int {
    DroiteBas = 1,
    GaucheBas = 2,
    GaucheHaut = 3,
    DroiteHaut = 4,
};

struct CadreApercu {
    QuadrantTrace quadrant;
    QRect boite; // in picture pixels
};

// The rubber band's box for a stroke from depart to the pointer, or nothing when the
// pointer sits straight above or straight left of the start (the box then stays as
// it was). Circles and quarter circles get the square on the shorter side.
std::optional<CadreApercu> CadrerApercu(Genre outil, QPoint depart, QPoint pointeur);
