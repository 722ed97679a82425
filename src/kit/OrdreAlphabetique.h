#pragma once

#include <QCollator>

// The order in which the teacher reads names: French, without regard to case. The class
// lists' boxes keep it, and the lists an import makes are written in it.
const QCollator& OrdreAlphabetique();
