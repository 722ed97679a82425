#pragma once

#include "Sons.h"

#include <vector>

// Stands for the loudspeaker: keeps which sounds were asked for, in order.
struct SonsEnregistres : Sons {
    std::vector<Son> joues;
    void jouer(Son son) override { joues.push_back(son); }
};
