#pragma once

#include <QIcon>

// The pictures on the pupil window's buttons, drawn by the program.
QIcon GlypheValider();      // a green tick
QIcon GlypheEntrainement(); // a ball in flight
