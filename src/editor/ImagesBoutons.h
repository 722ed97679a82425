#pragma once

// The pictures of the editor's tool and colour buttons, drawn here rather than loaded,
// so the program carries no picture files for them.

#include <QIcon>
#include <QtGlobal>

// Picture of a drawing tool (codes of Outil) or, for 0, of the eraser.
QIcon ImageOutil(int outil);

// A colour swatch for a colour button (colour as 0x00BBGGRR).
QIcon ImageCouleur(quint32 couleur);
