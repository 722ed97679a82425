#pragma once

#include <QPixmap>

// Pictures of the main menu's six buttons, drawn by the program.
enum class GlypheMenu { Cases, Lignes, LignesCouleurs, Axe, Point, Quitter };

// A square picture of the given side in pixels.
QPixmap DessinerGlypheMenu(GlypheMenu glyphe, int cote);
