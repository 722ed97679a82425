#pragma once

#include <QtGlobal>

#include <array>

// Axis kinds (TypeAxe), with their stored codes. In cell units the oblique axes are the
// lines x - y = d and x + y = N + d.
enum class Axe : qint32 {
    AxeVertical = 1,
    AxeHorizontal = 2,
    AxeObliqueHB = 3,
    AxeObliqueBH = 4,
    AxePoint = 5,
};
using enum Axe;

// The code an axis kind is stored as.
constexpr qint32 Code(Axe axe) { return static_cast<qint32>(axe); }

// The grid state: cells, axis and pen widths. TailleCase is always derived from a
// drawing area (CalculerTailleCase), never chosen by the user.
struct Quadrillage
{
    qint32 NbColonnes = 24;
    qint32 NbLignes = 24;
    qint32 TailleCase = 20;
    Axe TypeAxe = AxeVertical;
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
