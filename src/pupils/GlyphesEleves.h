#pragma once

#include <QIcon>

// The picture on the pupil window's training button, drawn by the program: a ball in flight.
QIcon GlypheEntrainement();
