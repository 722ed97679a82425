#pragma once

// The editor's rules for its check report and for a change of grid size. They know
// nothing of widgets, so tests can state them exactly.

#include "Figure.h"

#include <QString>

// The report of the symmetric check for a number of failing elements.
QString TexteVerification(int echecs);

// Whether every element still lies in a grid of n by n cells (a painted area by its
// seed's cell alone).
bool FigureTientDans(const Figure& figure, int n);
