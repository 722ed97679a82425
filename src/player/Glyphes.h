#pragma once

// The pictures on the player's buttons, drawn by the program itself.

#include <QIcon>
#include <QtGlobal>

QIcon GlypheOutil(int outil); // the tools, numbered as the kinds they draw
QIcon GlypheGomme();
QIcon GlypheCouleur(quint32 couleurBGR);
QIcon GlypheAide();
