#pragma once

#include <QtGlobal>

#include <array>

// Axis kinds (TypeAxe). In cell units the oblique axes are the lines x - y = d and
// x + y = N + d.
constexpr int AxeVertical = 1;
constexpr int AxeHorizontal = 2;
constexpr int AxeObliqueHB = 3;
constexpr int AxeObliqueBH = 4;
constexpr int AxePoint = 5;

// The grid state: cells, axis and pen widths. TailleCase is always derived from a
// drawing area (CalculerTailleCase), never chosen by the user.
struct Quadrillage
{
    qint32 NbColonnes = 24;
    qint32 NbLignes = 24;
    qint32 TailleCase = 20;
    qint32 TypeAxe = AxeVertical;
    qint32 DecalageAxe = 0;
    // Eight words stored with the axis; nothing reads them, a loaded file's values are
    // written back unchanged.
    std::array<qint32, 8> Reserve{};
    quint8 EpaisseurQuadrillage = 1;
    quint8 EpaisseurTrait = 3;
};

// Side of a cell for a drawing area of the given width: width div columns, made even by
// taking one off an odd quotient. 0 when the columns do not fit (or are not positive):
// callers must refuse such a grid, since every rule below divides by the cell size.
int CalculerTailleCase(int largeurEtalon, int nbColonnes);

// Node index (0..nbCases) of a pixel coordinate: the nearest node, a remainder of exactly
// half a cell rounding down; coordinates beyond the grid go to its edge node.
int AccrocherAuNoeud(int v, int nbCases, int tailleCase);
