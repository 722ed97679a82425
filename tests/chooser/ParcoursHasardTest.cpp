#include "Generateur.h"
#include "ParcoursHasard.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Each row plays a pupil's verdicts and answers, and says the level that comes next.
// J: "Juste", no offer; S/s: "Juste" with the next level offered, taken/declined;
// F: "Faux", no offer; P/p: "Faux" with the level below offered, taken/declined (a level
// taken after "Faux" brings a new exercise at once); N: "Nouveau".
const struct {
    int niveau;
    bool offres;
    const char* jeu;
    int niveauApres;
} Scenarios[] = {
    {1, true, "JNJNSN", 2},         // three in a row
    {2, true, "JNJNsNJNJNSN", 3},   // declined, offered again after three more
    {1, true, "JNJNFJNJNSN", 2},    // a "Faux" starts the count again
    {6, true, "JNJNJNJN", 6},       // nothing above the last level
    {3, true, "FFP", 2},            // three "Faux" on one exercise
    {3, true, "FFpFFFJN", 3},       // once per exercise
    {3, true, "FFJNFFP", 2},        // counted exercise by exercise
    {1, true, "FFFFJN", 1},         // nothing below the first level
    {3, false, "JNJNJNJFFFFN", 3},  // the teacher turned the offers off
};

TEST(Parcours, LeNiveauSuitLesVerdictsEtLesReponses)
{
    for (const auto& s : Scenarios) {
        ParcoursHasard parcours({4, s.niveau, 8271}, s.offres);
        for (const char* c = s.jeu; *c; ++c) {
            if (*c == 'N') {
                parcours.suivant();
                continue;
            }
            const bool juste = std::strchr("JSs", *c) != nullptr;
            const OffreNiveau offre = juste ? parcours.reussite() : parcours.faux();
            const OffreNiveau attendue = std::strchr("JF", *c) ? OffreNiveau::Aucune
                : juste                                        ? OffreNiveau::Suivant
                                                               : OffreNiveau::Precedent;
            ASSERT_EQ(offre, attendue) << s.jeu << " at " << c - s.jeu;
            if (*c == 'S' || *c == 'P')
                parcours.accepter(offre);
            if (*c == 'P')
                parcours.suivant();
        }
        EXPECT_EQ(parcours.code().Niveau, s.niveauApres) << s.jeu;
    }
}

// Whatever the level, the numbers follow those of an endless run, in the same type.
TEST(Parcours, LesNumerosSuiventLaSuiteQuelQueSoitLeNiveau)
{
    ParcoursHasard parcours({5, 2, 99999});
    parcours.accepter(OffreNiveau::Suivant);
    CodeExercice attendu = CodeSuivant({5, 3, 99999});
    EXPECT_EQ(parcours.suivant(), attendu);
    EXPECT_EQ(parcours.suivant(), CodeSuivant(attendu));
}

} // namespace
