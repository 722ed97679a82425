// A pupil plays exercises made by the program in the real window: "Au hasard" in the
// chooser, the exact image drawn with the mouse, the level offered after three successes
// or three "Faux", and the level kept in the results file for the next lesson.

#include "MondeJeu.h"

#include "Bilans.h"
#include "Enregistrements.h"
#include "Rtf.h"

#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

class AuHasard : public ::testing::Test {
protected:
    MondeJeu monde{4};
    const QString bilan = QDir(monde.dossier()).filePath(NomFichierBilan(QStringLiteral("Zoé"), QStringLiteral("CM1")));

    AuHasard() { monde.suivre(QStringLiteral("Zoé"), QStringLiteral("CM1")); }

    // A new opening of the window, then "Au hasard" and "Valider" in the chooser.
    void commencerAuHasard()
    {
        monde.jeu().hide();
        monde.jeu().show();
        AuProchainChoix([](TF_choix_exo& choix) {
            choix.fixerSourceGraine([] { return 8271u; });
            choix.BoutonHasardClick();
            choix.Button1Click();
        });
        monde.cliquer(QStringLiteral("BoutonNouveau"));
    }

    CodeExercice code() { return monde.jeu().codeMontre().value_or(CodeExercice{0, 0, 0}); }

    // The first levels of exercise 4 hold only segments.
    void reussir() { EXPECT_EQ(monde.reussirSegments(), QStringLiteral("Juste")) << TexteCode(code()).toStdString(); }
};

TEST_F(AuHasard, TroisReussitesDeSuiteMenentAuNiveauDeuxQuiEstRetenu)
{
    commencerAuHasard();
    EXPECT_EQ(code(), (CodeExercice{4, 1, 8271})) << "the first time, the first level";
    EXPECT_EQ(monde.etiquette(QStringLiteral("LabelHasard"))->text(), QStringLiteral("Niveau 1 · exercice 4-1-8271"));
    monde.dialogues().reponses.enqueue(Reponse::Oui);
    for (int i = 1; i <= 3; ++i) {
        reussir();
        monde.cliquer(QStringLiteral("BoutonNouveau"));
        EXPECT_EQ(code().Niveau, i == 3 ? 2 : 1) << i;
    }
    EXPECT_EQ(monde.dialogues().textes(), QStringList{QStringLiteral("Bravo ! Tu as réussi trois exercices de suite "
                                                                     "au niveau 1. Veux-tu passer au niveau 2 ?")});
    EXPECT_EQ(LireBilan(bilan), QStringList{LigneHasard(4, 1)}) << "one record for the level";
    reussir();
    EXPECT_EQ(LireBilan(bilan), (QStringList{LigneHasard(4, 1), LigneHasard(4, 2)}));

    // Next lesson: the results file gives the level to start at.
    commencerAuHasard();
    EXPECT_EQ(code(), (CodeExercice{4, 2, 8271}));
}

// The third "Faux" on one exercise offers the level below, which comes at once; the
// teacher may turn the offers off.
TEST_F(AuHasard, TroisFauxProposentLeNiveauDEnDessousSaufSiLEnseignantNeVeutPas)
{
    ASSERT_TRUE(ecrireFichier(bilan, documentRtf({LigneHasard(4, 2)})));
    for (bool offres : {true, false}) {
        monde.contexte().hasard.ProposerNiveaux = offres ? 1 : 0;
        monde.dialogues().messages.clear();
        monde.dialogues().reponses.clear();
        monde.dialogues().reponses.enqueue(Reponse::Oui);
        commencerAuHasard();
        ASSERT_EQ(code().Niveau, 2);
        for (int essai = 0; essai < 4; ++essai)
            monde.rater(essai);
        EXPECT_EQ(monde.dialogues().textes(),
                  offres ? QStringList{QStringLiteral("Cet exercice est difficile. Veux-tu essayer un exercice du niveau 1 ?")}
                         : QStringList());
        EXPECT_EQ(code().Niveau, offres ? 1 : 2);
        EXPECT_EQ(monde.jeu().figureEleve().NbElements, offres ? 1 : 4) << "the easier exercise comes fresh";
    }
}

} // namespace
