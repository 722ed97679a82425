#pragma once

// The classroom's interactive board ("Mode tableau"): what a finger must hit standing at
// the board, and the windows that are shown for it.
//
// The board the sizes are worked out for: 190 cm of diagonal, 16:9, 1920 x 1080 pixels.
// Its picture is 190 x 16 / sqrt(16² + 9²) = 165.6 cm wide and 190 x 9 / sqrt(337) = 93.15 cm
// high, so one pixel is 1656 / 1920 = 931.5 / 1080 = 0.8625 mm square, and 12 mm, the
// least a finger hits without aiming, is 12 / 0.8625 = 13.9 pixels: 14 pixels. A board is
// filled by whatever screen is shown on it, so on another screen the least height keeps
// the same share of the screen's lines, 12 / 931.5: 28 pixels on 2160 lines, 11 on 800,
// 10 on 768. Counted in the screen's own pixels, then in the widgets' (logical) ones.

#include <QtGlobal>

class QWidget;

constexpr double HauteurTableauMm = 931.5;
constexpr double CibleTactileMm = 12.0;
// How much thicker the board shows the figures' outlines than the picture has them.
constexpr int FacteurTraitTableau = 3;

// The least height of a control, in pixels, on a screen of that many lines.
int HauteurMinimaleTableau(int lignesEcran);

// Board mode belongs to a window: the program sets it as the window is shown, and the
// shared widgets inside (drawing surfaces, eraser markers, verdicts) read it when they
// show themselves.
void FixerModeTableau(QWidget* fenetre, bool actif);
bool EnModeTableau(const QWidget* widget);
// The least height of what a finger hits in the widget's window, on its screen (in the
// widget's pixels); 0 outside board mode.
int CibleMinimale(const QWidget* widget);
// The least height on the widget's screen, board mode or not.
int CibleMinimaleEcran(const QWidget* widget);
