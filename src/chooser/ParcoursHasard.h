#pragma once

// A pupil's run of exercises made by the program, at the pupil's level: which exercise
// comes next, and when to offer another level. Three exercises solved in a row without a
// "Faux" earn the offer of the next level; a third "Faux" on one exercise brings the offer
// of the level below. The pupil answers; the level changes only when the pupil takes it.

#include "CodeExercice.h"

enum class OffreNiveau { Aucune, Suivant, Precedent };

class ParcoursHasard {
public:
    static constexpr int ReussitesPourMonter = 3;
    static constexpr int FauxPourDescendre = 3;

    // A run from that exercise, at its level; with offres false the level never changes.
    explicit ParcoursHasard(const CodeExercice& premier, bool offres = true);

    // The exercise being played.
    const CodeExercice& code() const { return code_; }
    // The level the next exercise is made at.
    int niveauSuivant() const { return niveau_; }

    // "Juste" on the exercise being played.
    OffreNiveau reussite();
    // "Faux" on a drawing not checked before.
    OffreNiveau faux();
    // The pupil took the offer: the next exercise is made at that level.
    void accepter(OffreNiveau offre);
    // The level the offer leads to.
    int niveauOffert(OffreNiveau offre) const;

    // The next exercise of the run ("Nouveau"), which becomes the one being played.
    const CodeExercice& suivant();

private:
    CodeExercice code_;
    int niveau_;
    bool offres_;
    int reussitesDeSuite_ = 0;
    int fauxSurCeluiCi_ = 0;
};
