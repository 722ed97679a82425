#include "ParcoursHasard.h"

#include "Generateur.h"
#include "Niveaux.h"

ParcoursHasard::ParcoursHasard(const CodeExercice& premier, bool offres)
    : code_(premier)
    , niveau_(premier.Niveau)
    , offres_(offres)
{
}

OffreNiveau ParcoursHasard::reussite()
{
    ++reussitesDeSuite_;
    if (!offres_ || reussitesDeSuite_ < ReussitesPourMonter || niveau_ >= NombreNiveaux(code_.Type))
        return OffreNiveau::Aucune;
    // Declined, the offer comes back after three more.
    reussitesDeSuite_ = 0;
    return OffreNiveau::Suivant;
}

OffreNiveau ParcoursHasard::faux()
{
    reussitesDeSuite_ = 0;
    ++fauxSurCeluiCi_;
    // Once per exercise: a pupil who said no is not asked at every try that follows.
    const bool offre = offres_ && fauxSurCeluiCi_ == FauxPourDescendre && niveau_ > 1;
    return offre ? OffreNiveau::Precedent : OffreNiveau::Aucune;
}

int ParcoursHasard::niveauOffert(OffreNiveau offre) const
{
    switch (offre) {
    case OffreNiveau::Suivant:
        return niveau_ + 1;
    case OffreNiveau::Precedent:
        return niveau_ - 1;
    case OffreNiveau::Aucune:
        break;
    }
    return niveau_;
}

void ParcoursHasard::accepter(OffreNiveau offre)
{
    niveau_ = niveauOffert(offre);
    reussitesDeSuite_ = 0;
}

const CodeExercice& ParcoursHasard::suivant()
{
    // The numbers follow one run whatever the level, so that none comes back before the run
    // has gone through them all.
    CodeExercice prochain = CodeSuivant(code_);
    prochain.Niveau = niveau_;
    code_ = prochain;
    fauxSurCeluiCi_ = 0;
    return code_;
}
