#pragma once

// Element and axis kinds printed by their stored codes in test messages.

#include "Figure.h"
#include "Quadrillage.h"

#include <ostream>

inline std::ostream& operator<<(std::ostream& flux, Axe axe)
{
    return flux << Code(axe);
}

inline std::ostream& operator<<(std::ostream& flux, Genre genre)
{
    return flux << Code(genre);
}
