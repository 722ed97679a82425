// When a run of made-up exercises offers another level: each row plays a pupil's verdicts
// and answers, and says the level of the exercise that comes next.

#include "Generateur.h"
#include "ParcoursHasard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// J: "Juste", no offer; S/s: "Juste" with the next level offered, taken/declined;
// F: "Faux", no offer; P/p: "Faux" with the level below offered, taken/declined;
// N: "Nouveau".
struct Scenario {
    const char* nom;
    int niveau;
    bool offres;
    const char* jeu;
    int niveauApres;
};

const Scenario Scenarios[] = {
    {"trois justes de suite offrent le niveau suivant", 1, true, "JNJNS N", 2},
    {"refusé, il revient après trois de plus", 2, true, "JNJNsNJNJNS N", 3},
    {"un faux entre deux justes recommence le compte", 1, true, "JNJNFJNJNS N", 2},
    {"au dernier niveau rien n'est offert", 6, true, "JNJNJNJ N", 6},
    {"trois faux sur un exercice offrent le niveau d'en dessous", 3, true, "FFP", 2},
    {"une seule fois par exercice", 3, true, "FFpFFFJ N", 3},
    {"les faux se comptent exercice par exercice", 3, true, "FFJNFFP", 2},
    {"au premier niveau rien n'est offert", 1, true, "FFFFJ N", 1},
    {"sans les propositions le niveau ne change pas", 3, false, "JNJNJNJ FFFF N", 3},
};

class Offres : public ::testing::TestWithParam<Scenario> {};

TEST_P(Offres, LeNiveauSuitLesVerdictsEtLesReponses)
{
    const Scenario& s = GetParam();
    ParcoursHasard parcours({4, s.niveau, 8271}, s.offres);
    for (const char* c = s.jeu; *c; ++c) {
        const std::string ici = std::string("at ") + std::to_string(c - s.jeu) + " of " + s.jeu;
        switch (*c) {
        case 'N':
            parcours.suivant();
            break;
        case 'J':
        case 'S':
        case 's': {
            const OffreNiveau attendue = *c == 'J' ? OffreNiveau::Aucune : OffreNiveau::Suivant;
            const OffreNiveau offre = parcours.reussite();
            ASSERT_EQ(offre, attendue) << ici;
            if (*c == 'S')
                parcours.accepter(offre);
            break;
        }
        case 'F':
        case 'P':
        case 'p': {
            const OffreNiveau attendue = *c == 'F' ? OffreNiveau::Aucune : OffreNiveau::Precedent;
            const OffreNiveau offre = parcours.faux();
            ASSERT_EQ(offre, attendue) << ici;
            if (*c == 'P') {
                EXPECT_EQ(parcours.niveauOffert(offre), parcours.code().Niveau - 1);
                parcours.accepter(offre);
                parcours.suivant(); // the exercise found too hard is left at once
            }
            break;
        }
        default:
            break;
        }
    }
    EXPECT_EQ(parcours.code().Niveau, s.niveauApres);
}

INSTANTIATE_TEST_SUITE_P(Parcours, Offres, ::testing::ValuesIn(Scenarios),
                         [](const ::testing::TestParamInfo<Scenario>& info) {
                             std::string nom;
                             for (const char* c = info.param.nom; *c; ++c)
                                 nom += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return nom;
                         });

// The run goes on through the numbers of an endless run whatever the level, and keeps
// the type.
TEST(Parcours, LesNumerosSuiventLaSuiteQuelQueSoitLeNiveau)
{
    ParcoursHasard parcours({5, 2, 99999});
    CodeExercice attendu{5, 2, 99999};
    for (int i = 0; i < 4; ++i) {
        parcours.reussite();
        attendu = CodeSuivant(attendu);
        EXPECT_EQ(parcours.suivant(), attendu);
    }
    parcours.accepter(OffreNiveau::Suivant);
    attendu = CodeSuivant(attendu);
    attendu.Niveau = 3;
    EXPECT_EQ(parcours.suivant(), attendu);
}

} // namespace
