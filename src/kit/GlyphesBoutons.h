#pragma once

// Button pictures that windows of several folders share, drawn by the program itself so
// that it carries no picture files for them.

#include "Figure.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QtGlobal>

// A transparent square to draw a picture on.
QPixmap ToileTransparente(int cote);

QIcon IconeAide();    // a question mark, for the help buttons
QIcon IconeValider(); // a green tick
QIcon IconeAnnuler(); // a red cross
QIcon IconeGomme();   // a rubber block

// A drawing tool, numbered as the element kinds it makes (GenreTrait ... GenreColoriage).
QIcon IconeOutil(Genre genre);

// A colour swatch for a colour button (colour as 0x00BBGGRR).
QIcon IconeCouleur(quint32 couleur);

// The program's cursors: 1 a paint pot (painting), 2 a pointing arrow; any other number
// the platform's arrow.
QCursor CurseurProgramme(int numero);
