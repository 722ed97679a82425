// Every window of the program in board mode, on the screen this test runs under (ctest runs
// it on a 1920 x 1080 board and on a 3840 x 2160 one): what a finger hits is at least
// 12 mm high on a board of 190 cm, and no button's text is cut.

#include "MondeJeu.h"
#include "Saisies.h"

#include "Classes.h"
#include "Demarrage.h"
#include "FenetreAide.h"
#include "ModeTableau.h"
#include "Tableau.h"
#include "TF_ApercuImport.h"
#include "TF_EnDirect.h"
#include "TF_Menu.h"
#include "TF_preferences.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScroller>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

int lignesEcran()
{
    return QGuiApplication::primaryScreen()->geometry().height();
}

// Each thing a finger hits, with its height: buttons, boxes, tabs, the menu bar, rows.
QList<std::pair<QString, int>> cibles(QWidget* fenetre)
{
    QList<std::pair<QString, int>> trouvees;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (w->window() != fenetre || !w->isVisibleTo(fenetre))
            continue;
        const QString nom = fenetre->objectName() + QLatin1Char('/') + w->objectName() + QLatin1Char(' ')
            + QLatin1String(w->metaObject()->className());
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w)
            || qobject_cast<QLineEdit*>(w) || qobject_cast<QMenuBar*>(w))
            trouvees.append({nom, w->height()});
        if (auto* onglets = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < onglets->count(); ++i)
                trouvees.append({nom + QStringLiteral(" tab ") + onglets->tabText(i), onglets->tabRect(i).height()});
        if (auto* vue = qobject_cast<QAbstractItemView*>(w); vue && vue->model() && !qobject_cast<QHeaderView*>(w))
            for (int r = 0; r < vue->model()->rowCount(); ++r)
                trouvees.append({nom + QStringLiteral(" row"), vue->visualRect(vue->model()->index(r, 0)).height()});
    }
    return trouvees;
}

// A push button's caption, without its shortcut mark, beside its picture.
bool texteCoupe(const QAbstractButton* b)
{
    QString texte = b->text();
    texte.remove(QLatin1Char('&'));
    if (texte.isEmpty() || !qobject_cast<const QPushButton*>(b))
        return false;
    const int image = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
    return b->fontMetrics().horizontalAdvance(texte) + image > b->width();
}

TEST(TableauFenetres, EveryControlOfEveryWindowIsHighEnoughAndNoCaptionIsCut)
{
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    ASSERT_TRUE(EcrireClasse(dossier.fichier(QStringLiteral("CM1.elv")), {QStringLiteral("Léa"), QStringLiteral("Paul")}));
    const auto programme = CreerProgramme({QStringLiteral("--tableau")});
    Contexte& contexte = programme->contexte;
    ASSERT_TRUE(contexte.modeTableau());
    contexte.numeroExercice = 2;
    EcrireDansExercices(contexte, QStringLiteral("Série 1/Ex01.ex2"),
                        ContenuFichier(2, AxeVertical, 24, 20, {{GenreTrait, 3, 2, 9, 8}}));

    const Fenetres& f = programme->fenetres;
    QList<QWidget*> fenetres{programme->menu.get()};
    fenetres << f.preferences << f.modifChoix << f.dessin << f.choixExo << f.jeuLignes << f.jeu1 << f.pubN
             << f.effaceBilans << f.listes << f.nomEleve << f.fiches << f.suiviClasse << f.serieHasard
             << f.parcoursClasse;
    // The windows made when they are first needed: the import's preview, the live view, the
    // help.
    TF_ApercuImport apercu(contexte);
    TF_EnDirect direct;
    FenetreAide aide;
    fenetres << &apercu << &direct << &aide;
    EXPECT_EQ(HauteurMinimaleTableau(1080), 14) << "12 mm of the 93 cm a 16:9 board of 190 cm is high";
    const int minimum = HauteurMinimaleTableau(lignesEcran());
    QStringList tropPetits, coupes;
    for (QWidget* fenetre : fenetres) {
        fenetre->show();
        QApplication::processEvents();
        for (const auto& [nom, hauteur] : cibles(fenetre))
            if (hauteur < minimum)
                tropPetits << nom + QStringLiteral(": ") + QString::number(hauteur);
        for (QAbstractButton* b : fenetre->findChildren<QAbstractButton*>())
            if (b->isVisibleTo(fenetre) && texteCoupe(b))
                coupes << fenetre->objectName() + QLatin1Char('/') + b->objectName();
        for (QAbstractItemView* vue : fenetre->findChildren<QAbstractItemView*>())
            EXPECT_TRUE(QScroller::hasScroller(vue->viewport())) << vue->objectName().toStdString() << " flicks";
        fenetre->hide();
    }
    EXPECT_TRUE(tropPetits.isEmpty()) << "under " << minimum << " pixels:\n"
                                      << tropPetits.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(coupes.isEmpty()) << coupes.join(QLatin1Char('\n')).toStdString();
}

// The eraser's markers follow the cells, down to a quarter of a cell on a large grid;
// board mode keeps them big enough for a finger, and the pen's eraser end reaches as far.
TEST(TableauFenetres, MarkersAreAtLeastWhatAFingerHits)
{
    MondeJeu monde(2);
    ModeTableau mode(monde.contexte());
    monde.contexte().tableauDemande = true;
    mode.appliquer(&monde.jeu());
    monde.jeu().setGeometry(QGuiApplication::primaryScreen()->geometry());
    monde.charger(ContenuFichier(2, AxeVertical, 36, 20, {{GenreTrait, 3, 2, 9, 8}}));
    const int t = monde.tailleCase();
    const int minimum = CibleMinimaleEcran(&monde.jeu());
    QWidget* image = monde.jeu().findChild<QWidget*>(QStringLiteral("Image1"));
    Tracer(image, Saisie::Doigt, QPoint(33, 2) * t, QPoint(27, 8) * t);
    Tracer(image, Saisie::Doigt, QPoint(33, 12) * t, QPoint(27, 18) * t);
    monde.cliquer(QStringLiteral("SpeedButton2"));
    QWidget* marqueur = monde.jeu().findChild<QWidget*>(QStringLiteral("Marqueur1"));
    ASSERT_TRUE(marqueur && marqueur->isVisible());
    EXPECT_GE(marqueur->height(), minimum);
    monde.cliquer(QStringLiteral("SpeedButton2"));
    Gommer(image, QPoint(30, 25) * t); // no marker there
    EXPECT_EQ(monde.jeu().figureEleve().NbElements, 2);
    Gommer(image, QPoint(30, 15) * t + QPoint(minimum - 1, minimum - 1));
    ASSERT_EQ(monde.jeu().figureEleve().NbElements, 1);
    EXPECT_EQ(monde.jeu().figureEleve()[1].Y1, 2 * t);
}

} // namespace
