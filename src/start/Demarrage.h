#pragma once

#include "Contexte.h"
#include "Fenetres.h"
#include "ModeTableau.h"
#include "Sons.h"
#include "Voix.h"

#include <QStringList>

#include <memory>

class TF_Menu;

// The whole program: the context the windows share, and the thirteen windows, created
// once in their fixed order.
struct Programme {
    explicit Programme(const QString& dossierProgramme) : contexte(dossierProgramme) {}
    VoixSysteme voix;
    SonsSysteme sons{ModuleSonDuProgramme()};
    Contexte contexte; // outlives every window
    ModeTableau modeTableau{contexte};
    std::unique_ptr<TF_Menu> menu;
    Fenetres fenetres;
    ~Programme();
};

// Creates the windows of a program whose folder is the current folder at start; the
// caller shows the main menu and runs the event loop. The command line's arguments (after
// the program's name): "--tableau" starts in board mode; the others are ignored.
std::unique_ptr<Programme> CreerProgramme(const QStringList& arguments = {});
