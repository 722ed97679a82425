// The road of a typical exercise through the real program: main menu, pupil window,
// player, chooser, results file, and back to the menu.

#include "MondeJeu.h"

#include "Bilans.h"
#include "Classes.h"
#include "Controles.h"
#include "Demarrage.h"
#include "Contexte.h"
#include "TF_Menu.h"
#include "TF_nom_eleve.h"
#include "TF_preferences.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

void choisirEleveAuProchainAppel(const QString& classe, const QString& eleve)
{
    QTimer::singleShot(0, [classe, eleve] {
        auto* fenetre = qobject_cast<TF_nom_eleve*>(QApplication::activeModalWidget());
        ASSERT_NE(fenetre, nullptr) << "the pupil window is not shown";
        auto* classes = fenetre->findChild<ListeEleves*>(QStringLiteral("ListBox3"));
        auto* noms = fenetre->findChild<ListeEleves*>(QStringLiteral("ListBox1"));
        const auto classeTrouvee = classes->findItems(classe, Qt::MatchExactly);
        ASSERT_FALSE(classeTrouvee.isEmpty());
        classes->setCurrentItem(classeTrouvee.first());
        fenetre->ListBox3Click();
        const auto nomTrouve = noms->findItems(eleve, Qt::MatchExactly);
        ASSERT_FALSE(nomTrouve.isEmpty());
        noms->setCurrentItem(nomTrouve.first());
        fenetre->ListBox1Click();
        fenetre->bouton_valideClick();
    });
}

// Reads what the chooser lists as done and as to do, then leaves it.
void lireChoixAuProchainAppel(QStringList* reussis, QStringList* aFaire)
{
    QTimer::singleShot(0, [reussis, aFaire] {
        auto* choix = qobject_cast<TF_choix_exo*>(QApplication::activeModalWidget());
        ASSERT_NE(choix, nullptr) << "the chooser is not shown";
        auto* series = choix->findChild<ListeEleves*>(QStringLiteral("ListBox1"));
        series->setCurrentRow(0);
        choix->ListBox1Click();
        *reussis = choix->findChild<ListeEleves*>(QStringLiteral("ListBox2"))->textes();
        *aFaire = choix->findChild<ListeEleves*>(QStringLiteral("ListBox3"))->textes();
        choix->Button2Click();
    });
}

TEST(Parcours, APupilSolvesAnExerciseFromTheMainMenu)
{
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    ASSERT_TRUE(EcrireClasse(dossier.fichier(QStringLiteral("CM1.elv")),
                             { QStringLiteral("Léa"), QStringLiteral("Paul") }));
    const auto programme = CreerProgramme();
    programme->menu->show();
    Contexte& contexte = programme->contexte;
    EXPECT_EQ(contexte.dossierProgramme, QDir::toNativeSeparators(dossier.chemin()));
    contexte.reglages.BilanReussite = 1;
    contexte.dossierExercices.fixerDossier(dossier.fichier(QStringLiteral("Exercices")) + QStringLiteral("/"));
    contexte.dossierBilans.fixerDossier(dossier.chemin() + QStringLiteral("/"));
    EcrireDansExercices(contexte, QStringLiteral("Série 1/Ex01.ex2"),
                        ContenuFichier(2, AxeVertical, 24, 20, { { GenreTrait, 3, 2, 9, 8 } }));
    EcrireDansExercices(contexte, QStringLiteral("Série 1/Ex02.ex2"),
                        ContenuFichier(2, AxeVertical, 24, 20, { { GenreTrait, 5, 5, 5, 9 } }));

    choisirEleveAuProchainAppel(QStringLiteral("CM1"), QStringLiteral("Léa"));
    programme->menu->findChild<QAbstractButton*>(QStringLiteral("BoutonJL"))->click();
    QWidget* jeu = programme->fenetres.jeuLignes;
    ASSERT_TRUE(jeu->isVisible());
    EXPECT_EQ(contexte.nomEleve, QStringLiteral("Léa"));
    EXPECT_EQ(jeu->windowTitle(), QStringLiteral("Jeu n°2 : Lignes"));

    ChoisirAuProchainChoix(QStringLiteral("Série 1"), QStringLiteral("Ex01"));
    jeu->findChild<QAbstractButton*>(QStringLiteral("BoutonNouveau"))->click();
    const int t = static_cast<TF_Jeu_Lignes_Autour*>(jeu)->grille().TailleCase;
    ASSERT_GT(t, 0);
    QWidget* image = jeu->findChild<QWidget*>(QStringLiteral("Image1"));
    ASSERT_TRUE(image->isEnabled());
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(21 * t, 2 * t));
    QTest::mouseMove(image, QPoint(18 * t, 5 * t));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(15 * t, 8 * t));
    jeu->findChild<QAbstractButton*>(QStringLiteral("BoutonCorrection"))->click();
    EXPECT_EQ(jeu->findChild<QLabel*>(QStringLiteral("LabelResultat"))->text(),
              QStringLiteral("Juste"));

    const QString bilan = dossier.fichier(QStringLiteral("Bilan Orvane CM1 Léa.reu"));
    ASSERT_TRUE(QFileInfo::exists(bilan));
    EXPECT_EQ(LireBilan(bilan), QStringList(QStringLiteral("Série 1\\Ex01")));

    QStringList reussis, aFaire;
    lireChoixAuProchainAppel(&reussis, &aFaire);
    jeu->findChild<QAbstractButton*>(QStringLiteral("BoutonNouveau"))->click();
    EXPECT_EQ(reussis, QStringList(QStringLiteral("Ex01")));
    EXPECT_EQ(aFaire, QStringList(QStringLiteral("Ex02")));

    jeu->findChild<QAbstractButton*>(QStringLiteral("BoutonQuitter"))->click();
    EXPECT_FALSE(jeu->isVisible());
    EXPECT_TRUE(contexte.nomEleve.isEmpty());
    EXPECT_TRUE(contexte.nomClasse.isEmpty());
    EXPECT_TRUE(dialogues.messages.isEmpty()) << dialogues.textes().join(QLatin1Char('|')).toStdString();
}

TEST(Parcours, TitlesReadExactlyAsGiven)
{
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    const auto programme = CreerProgramme();
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Orvane"));
    // A display name set on purpose is appended by the desktop's platform to every window
    // and message box title ("Jeu n°2 : Lignes — Orvane"); left unset, it follows the name.
    QApplication::setApplicationName(QStringLiteral("Autre"));
    const QString affiche = QGuiApplication::applicationDisplayName();
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    EXPECT_EQ(affiche, QStringLiteral("Autre")) << "a display name is pinned to the titles";
}

} // namespace

// Every control a pupil or a teacher can reach has a name for screen readers: its text,
// or the name given to a picture-only control.
TEST(Accessibilite, ChaqueControleVisibleDeChaqueFenetreAUnNom)
{
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    const auto programme = CreerProgramme();
    QList<QWidget*> fenetres{programme->menu.get()};
    const Fenetres& f = programme->fenetres;
    fenetres << f.preferences << f.modifChoix << f.dessin << f.choixExo << f.jeuLignes << f.jeu1 << f.pubN
              << f.effaceBilans << f.listes << f.nomEleve << f.fiches << f.suiviClasse
              << f.serieHasard;
    QStringList sansNom;
    for (QWidget* fenetre : fenetres) {
        for (QWidget* w : fenetre->findChildren<QWidget*>()) {
            const bool controle = w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w);
            // Qt's own inner buttons (menu bar overflow, table corner) are not the program's.
            const bool interne = w->objectName().startsWith(QLatin1String("qt_")) || w->inherits("QTableCornerButton");
            if (!controle || interne || !w->isVisibleTo(fenetre) || !w->isEnabled())
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                sansNom << fenetre->objectName() + QLatin1Char('/') + w->objectName() + QLatin1Char(' ')
                        + QLatin1String(w->metaObject()->className());
        }
    }
    EXPECT_TRUE(sansNom.isEmpty()) << sansNom.join(QStringLiteral("\n")).toStdString();
}
