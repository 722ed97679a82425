#pragma once

#include "Couleurs.h"
#include "Quadrillage.h"

#include <QtGlobal>

#include <array>

// Element kinds (GenreElement), with their stored codes. Code 5 is never produced; a
// stored kind above 4 is read as a painted area, and keeps its code.
enum class Genre : qint32 {
    GenreTrait = 1,
    GenreRectangle = 2,
    GenreCercle = 3,
    GenreQuartDeCercle = 4,
    GenreColoriage = 6,
};
using enum Genre;

// The code an element kind is stored as.
constexpr qint32 Code(Genre genre) { return static_cast<qint32>(genre); }

// Whether a stored kind is encoded as a painted area (seed cell and offset).
constexpr bool EstColoriage(Genre genre) { return genre > GenreQuartDeCercle; }

// One element. Pixel points (X1..Y2) are in the drawing picture; cell fields are the
// durable form. For a painted area CaseX2/CaseY2 hold the seed's offset inside its cell,
// in pixels of the current cell size, and X2/Y2 equal X1/Y1.
struct ElementFigure
{
    Genre GenreElement{};
    qint32 X1 = 0;
    qint32 Y1 = 0;
    qint32 X2 = 0;
    qint32 Y2 = 0;
    qint32 CaseX1 = 0;
    qint32 CaseY1 = 0;
    qint32 CaseX2 = 0;
    qint32 CaseY2 = 0;
    quint32 Couleur = CouleurBlanc; // 0x00BBGGRR; used by painted areas only

    bool operator==(const ElementFigure&) const = default;
};

// A list of elements numbered from 1, in drawing order. Room for 500; the editor keeps at
// most 200, the player's lists their own limits.
struct Figure
{
    static constexpr int Capacite = 500;

    qint32 NbElements = 0;
    std::array<ElementFigure, Capacite + 1> Elements{}; // slot 0 unused

    ElementFigure& operator[](int i);
    const ElementFigure& operator[](int i) const;

    // Appends after the last element; false (and nothing changes) when `limite` elements
    // are already there.
    bool Ajouter(const ElementFigure& element, int limite = Capacite);
    // Removes element i (1..NbElements); the following ones move down one place.
    void Retirer(int i);
    // Resets every slot above the count, up to `jusqua`, to an empty element.
    void ViderAuDela(int jusqua);

    // The same elements in the same order; what lies above the count does not matter.
    bool operator==(const Figure& autre) const;
};

// An element made in the editor or by the pupil from its pixel points; the cell fields
// follow from the cell size (for a painted area, the seed's cell and offset).
ElementFigure ElementDepuisPixels(Genre genre, int x1, int y1, int x2, int y2, quint32 couleur,
                                  int tailleCase);

// Recomputes the pixel points of elements 1..count from their cell fields for the new
// cell size; a painted area keeps its relative place in its cell and its offsets become
// pixels of the new size. Nothing divides by a cell size of 0 or less: such a previous
// size leaves the offsets at 0.
void AdapterTailleCase(Figure& figure, int nouvelleTaille, int ancienneTaille);

// 1 when more first points lie on the low side of the axis than on the high side,
// otherwise 2 (a point symmetry always gives 2).
int CalculerCoteFigure(const Quadrillage& grille, const Figure& figure);
