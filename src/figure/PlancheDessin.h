#pragma once

// What the player and the editor do with a figure under the mouse: the tool in hand, the
// stroke being dragged from a grid crossing, the shape it makes when the button comes up,
// undo, erase all, and the eraser whose markers remove one element each. No widgets: the
// windows turn its answers into pictures, markers and a rubber band.

#include "Figure.h"
#include "Quadrillage.h"

#include <QPoint>

#include <optional>

// The drawing tools; each makes the element kind of the same number.
enum class Outil : qint32 {
    Trait = Code(GenreTrait),
    Rectangle = Code(GenreRectangle),
    Cercle = Code(GenreCercle),
    QuartDeCercle = Code(GenreQuartDeCercle),
    Peinture = Code(GenreColoriage),
};

constexpr Genre GenreDe(Outil outil)
{
    return static_cast<Genre>(outil);
}

// Whether a drag between two grid crossings makes a shape: a segment needs two different
// crossings, the other shapes a width and a height.
bool FormeAcceptable(Outil outil, QPoint noeudDepart, QPoint noeudArrivee);

class PlancheDessin
{
public:
    // The board draws on the grid it is given, which its window keeps up to date, and
    // holds at most `maxElements` elements (one eraser marker each).
    PlancheDessin(const Quadrillage& grille, int maxElements);

    Outil outil() const { return outil_; }
    quint32 couleur() const { return couleur_; }
    bool modeGomme() const { return modeGomme_; }
    bool traceEnCours() const { return traceEnCours_; }
    // The stroke's start, on its grid crossing, and the pointer held near the grid.
    QPoint depart() const { return depart_; }
    QPoint pointeur() const { return pointeur_; }

    const Figure& figure() const { return figure_; }

    // A new tool ends the eraser mode.
    void choisirOutil(Outil outil);
    void choisirCouleur(quint32 couleur);

    // Back to the trait, the default colour, no stroke, no eraser, no element.
    void vider();
    // Replaces the figure (an opened file), keeping at most maxElements elements.
    void remplacerFigure(const Figure& figure);

    // The button goes down on a pixel whose colour is `couleurSousPointeur`. With the
    // paint tool, gives the painted area to add, unless that pixel is black or already
    // of the current colour; with the other tools, starts a stroke at the nearest crossing.
    std::optional<ElementFigure> appuyer(QPoint pixel, quint32 couleurSousPointeur);
    // The pointer moves: kept just outside the grid when it leaves it.
    void deplacer(QPoint pixel);
    // The button comes up: the shape from the start crossing to the nearest crossing,
    // squared for circles, or nothing when the two crossings make no shape.
    std::optional<ElementFigure> relacher(QPoint pixel);
    void abandonnerTrace();

    // Appends an element; false when the figure is full.
    bool ajouter(const ElementFigure& element);
    // Removes the last element (ending the eraser mode first); false when there was none.
    bool annulerDernier();
    // Removes every element; false when there was none.
    bool effacerTout();

    // The eraser: on, the markers of elements 1..count are shown; a marker's element is
    // removed and the mode ends.
    void basculerGomme();
    void quitterGomme();
    bool retirer(int numero);

private:
    QPoint noeudDe(QPoint pixel) const;

    const Quadrillage& grille_;
    int maxElements_;
    Figure figure_;
    Outil outil_ = Outil::Trait;
    quint32 couleur_;
    bool modeGomme_ = false;
    bool traceEnCours_ = false;
    QPoint noeudDepart_;
    QPoint depart_;
    QPoint pointeur_;
};
