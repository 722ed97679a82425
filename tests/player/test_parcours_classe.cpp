// A pupil led through the class's two-step path in the real windows: "Commencer" opens the
// chooser on the first step, "Nouveau" follows the path without it, and the live view
// sees the pupil stuck after three "Faux" and at work again after a "Juste".

#include "MondeJeu.h"

#include "Bilans.h"
#include "Classes.h"
#include "Controles.h"
#include "EnDirect.h"
#include "Enregistrements.h"
#include "ParcoursClasse.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class ParcoursClasseJeu : public ::testing::Test {
protected:
    MondeJeu monde{4};

    ParcoursClasseJeu()
    {
        monde.suivre(QStringLiteral("Zoé"), QStringLiteral("CM1"));
        Contexte& c = monde.contexte();
        EXPECT_TRUE(EcrireClasse(QDir(monde.dossier()).filePath(QStringLiteral("CM1.elv")), {QStringLiteral("Zoé")}));
        EcrireDansExercices(c, QStringLiteral("Série 1/Ex01.ex4"),
                            ContenuFichier(4, AxeVertical, 24, 20, {{GenreTrait, 3, 2, 9, 8}}));
        EcrireDansExercices(c, QStringLiteral("Série 1/Ex02.ex4"),
                            ContenuFichier(4, AxeVertical, 24, 20, {{GenreTrait, 5, 5, 5, 9}}));
        ParcoursClasse parcours;
        parcours.autresExercices = false;
        EtapeParcours serie;
        serie.type = 4;
        serie.serie = QStringLiteral("Série 1");
        EtapeParcours niveau;
        niveau.genre = GenreEtape::Niveau;
        niveau.type = 4;
        niveau.niveau = 1;
        niveau.reussites = 2;
        parcours.etapes = {serie, niveau};
        EXPECT_TRUE(ecrireFichier(QDir(monde.dossier()).filePath(NomFichierParcours(QStringLiteral("CM1"))),
                                  ContenuParcours(parcours, QStringLiteral("CM1"))));
    }

    void reussir()
    {
        monde.cliquer(QStringLiteral("BoutonEffacer"));
        ASSERT_EQ(monde.reussirSegments(), QStringLiteral("Juste"));
    }

    // "Nouveau" that must not show the chooser: one shown is cancelled and reported.
    void nouveauSansChoix()
    {
        QTimer garde;
        garde.callOnTimeout([] {
            if (auto* choix = qobject_cast<TF_choix_exo*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "the chooser was shown";
                choix->Button2Click();
            }
        });
        garde.start(0);
        monde.cliquer(QStringLiteral("BoutonNouveau"));
    }

    int premiereCase() { return monde.jeu().figureReference()[1].CaseX1; }

    EleveDirect enDirect(SuiviDirect& suivi)
    {
        suivi.actualiser(QDateTime::currentDateTime());
        return suivi.eleves().value(0);
    }
};

TEST_F(ParcoursClasseJeu, UnEleveSuitLeParcoursDeSaClasseEtLaVueEnDirectLeVoitBloquePuisReparti)
{
    SuiviDirect suivi({monde.dossier(), monde.dossier(), monde.contexte().dossierExercices.dossier(), QStringLiteral("CM1")});
    EXPECT_EQ(enDirect(suivi).etat, EtatDirect::PasCommence);

    // "Commencer": the chooser opens on the first step, and "Continuer" gives its first exercise.
    QStringList aFaire;
    AuProchainChoix([&aFaire](TF_choix_exo& choix) {
        aFaire = choix.findChild<ListeEleves*>(QStringLiteral("ListBox3"))->textes();
        choix.findChild<QPushButton*>(QStringLiteral("BoutonContinuer"))->click();
    });
    monde.cliquer(QStringLiteral("BoutonNouveau"));
    EXPECT_EQ(aFaire, (QStringList{QStringLiteral("Ex01"), QStringLiteral("Ex02")}));
    EXPECT_EQ(premiereCase(), 3) << "Série 1\\Ex01";

    for (int essai = 0; essai < 3; ++essai)
        ASSERT_EQ(monde.rater(essai), QStringLiteral("Faux"));
    const EleveDirect bloque = enDirect(suivi);
    EXPECT_EQ(bloque.etat, EtatDirect::Bloque);
    EXPECT_EQ(bloque.etape, QStringLiteral("1 / 2"));
    reussir();
    EXPECT_EQ(enDirect(suivi).etat, EtatDirect::AuTravail);

    // "Nouveau" follows the path: the series' other exercise, then the level twice.
    nouveauSansChoix();
    EXPECT_EQ(premiereCase(), 5) << "Série 1\\Ex02";
    reussir();
    for (int i = 0; i < 2; ++i) {
        nouveauSansChoix();
        EXPECT_EQ(monde.jeu().codeMontre().value_or(CodeExercice{0, 0, 0}).Niveau, 1) << i;
        EXPECT_EQ(enDirect(suivi).etape, QStringLiteral("2 / 2"));
        reussir();
    }
    EXPECT_EQ(enDirect(suivi).etat, EtatDirect::Fini);

    // The results file is as it always was.
    EXPECT_EQ(LireBilan(CheminBilan(monde.dossier(), QStringLiteral("Zoé"), QStringLiteral("CM1"))),
              (QStringList{QStringLiteral("Série 1\\Ex01"), QStringLiteral("Série 1\\Ex02"), LigneHasard(4, 1)}));
}

} // namespace
