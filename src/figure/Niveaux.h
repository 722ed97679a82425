#pragma once

// The levels of the exercises the program makes, type by type: the steps that make
// symmetry hard for children, one at a time. A vertical or horizontal axis comes before an
// oblique one; a figure beside the axis before one that touches it, and that before one
// that crosses it; an axis through the middle of the grid before one shifted from it; and
// more elements, of more kinds, as the levels go up. The table is the program's own
// description of each level: the help page shows the same, for the teacher.

#include "Quadrillage.h"

#include <QString>

constexpr int PremierTypeHasard = 2;
constexpr int DernierTypeHasard = 5;

// Where the figure stands against the axis, or the centre point.
enum class Placement {
    ACote,    // wholly on one side, touching nothing
    Touche,   // one element touches the axis (about a point: starts at the centre)
    Traverse, // one element crosses the axis (about a point: lies over the centre)
};

// Element kinds, as bits of a set.
namespace Formes {
constexpr int Trait = 1;
constexpr int Rectangle = 2;
constexpr int Cercle = 4;
constexpr int Quart = 8;
constexpr int Fermees = Rectangle | Cercle; // those a painted area can fill
constexpr int Toutes = Trait | Rectangle | Cercle | Quart;
} // namespace Formes

// Axis kinds, as bits of a set.
namespace Axes {
constexpr int Bit(Axe axe) { return 1 << Code(axe); }
constexpr int Vertical = Bit(AxeVertical);
constexpr int DroitsVH = Bit(AxeVertical) | Bit(AxeHorizontal);
constexpr int Obliques = Bit(AxeObliqueHB) | Bit(AxeObliqueBH);
constexpr int Point = Bit(AxePoint);
} // namespace Axes

struct NiveauExercice
{
    int Type;
    int Numero;
    const char16_t* Titre; // the figure, in a few words
    int Axes;              // the axis kinds drawn among
    int DecalageMin;       // the axis is shifted by this many cells or more from the middle,
    int DecalageMax;       // on either side, and by this many at most
    Placement Place;
    int Premier;           // kinds of the element that stands as Place says
    int Autres;            // kinds of the other elements
    int Requises;          // kinds the figure must hold
    int ElementsMin;       // outlines, the first included
    int ElementsMax;
    int ZonesMin;          // painted areas (lines and colours only)
    int ZonesMax;
};

// 6 for each type from 2 to 5, 0 for any other.
int NombreNiveaux(int type);

// The level, or nothing when the type has no such level.
const NiveauExercice* NiveauDe(int type, int numero);

// The level's axis and placement, as the help and the windows say them.
QString TitreNiveau(const NiveauExercice& niveau);
QString TexteAxeNiveau(const NiveauExercice& niveau);
QString TextePlaceNiveau(const NiveauExercice& niveau);
// "Niveau 3 : title ; axis ; placement."
QString DescriptionNiveau(const NiveauExercice& niveau);
