#pragma once

// What a "Faux" is made of, for the pupil: which reference elements have their image,
// which drawn elements are the image of nothing, and the sentence that names the likely
// mistake. Every element is judged alone with the check's own comparisons, so that the
// colours never contradict the verdict: all reference elements right and no drawn element
// wrong is exactly "Juste".

#include "Figure.h"
#include "Quadrillage.h"
#include "Symetrie.h"

#include <QImage>
#include <QString>

#include <vector>

struct DiagnosticFaux {
    std::vector<bool> referenceJuste; // per reference element, in order: its image is there
    std::vector<bool> eleveEnTrop;    // per drawn element, in order: it is the image of nothing
    QString phrase;                   // the most telling mistake, or empty
};

// The diagnosis of a check, from the same picture, mask and axis count as the check.
DiagnosticFaux DiagnostiquerFaux(const Quadrillage& grille, const QImage& image,
                                 const MasqueReference& masque, const Figure& reference,
                                 const Figure& eleve, int nbPointsAxeInitial);
