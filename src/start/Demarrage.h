#pragma once

#include "Fenetres.h"

#include <memory>

class TF_Menu;

// The whole program: the thirteen windows, created once in their fixed order.
struct Programme {
    std::unique_ptr<TF_Menu> menu;
    Fenetres fenetres;
    ~Programme();
};

// Creates the windows (the current folder becomes the program folder); the caller
// shows the main menu and runs the event loop.
std::unique_ptr<Programme> CreerProgramme();
