#pragma once

// Exercises made by the program, level by level, from a short code. Each is built so that
// its exact mirror image can be drawn on grid crossings inside the grid and answers
// "Juste", and so that it teaches something: the figure is not its own mirror image, its
// image is not a mere shift of it (copying the figure elsewhere answers "Faux"), no
// element repeats or hides another, and the figure and its image keep a cell away from
// the grid's edge. The same code gives the same exercise on every computer: the program
// draws its numbers with its own generator and its own arithmetic, on integers only.

#include "CodeExercice.h"
#include "FichierExercice.h"

#include <QByteArray>

// The grid of every exercise made so, and the cell size its file is written with.
constexpr int ColonnesHasard = 24;
constexpr int TailleCaseHasard = 20;

struct ExerciceGenere
{
    Quadrillage Grille; // ColonnesHasard square, TailleCaseHasard, the level's axis
    Figure Reference;   // pixel points at TailleCaseHasard: the outlines, then the painted areas
    int Essais = 0;     // figures drawn and refused before this one
};

// The exercise of a code; an empty figure for a code that LireCode refuses.
ExerciceGenere Generer(const CodeExercice& code);

// The bytes of its file, as the editor of its type writes them; empty for a code that
// LireCode refuses.
QByteArray ContenuExerciceGenere(const CodeExercice& code);

// The exercise exactly as its file reads from disk: the stored words in the cell fields,
// the pixel points still to be made for the reader's cell size (ConvertirPourTailleCase).
ExerciceLu GenererExercice(const CodeExercice& code);

// The next code of an endless run at the same type and level: the run goes through every
// number before one comes back, and from the same first code it is the same run.
CodeExercice CodeSuivant(const CodeExercice& code);
