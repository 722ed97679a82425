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
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QScroller>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

int lignesEcran()
{
    return QGuiApplication::primaryScreen()->geometry().height();
}

// The rows a list or a table shows.
QList<int> hauteursLignes(const QAbstractItemView* vue)
{
    QList<int> hauteurs;
    const QAbstractItemModel* modele = vue->model();
    for (int r = 0; modele && r < modele->rowCount(); ++r)
        hauteurs << vue->visualRect(modele->index(r, 0)).height();
    return hauteurs;
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
        if (auto* vue = qobject_cast<QAbstractItemView*>(w); vue && !qobject_cast<QHeaderView*>(w))
            for (int h : hauteursLignes(vue))
                trouvees.append({nom + QStringLiteral(" row"), h});
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

TEST(TableauFenetres, TheLeastHeightIsTwelveMillimetresOfA190CentimetreBoard)
{
    EXPECT_EQ(HauteurMinimaleTableau(1080), 14);
    EXPECT_EQ(HauteurMinimaleTableau(2160), 28);
    EXPECT_EQ(HauteurMinimaleTableau(768), 10);
    QWidget w;
    EXPECT_EQ(CibleMinimaleEcran(&w), HauteurMinimaleTableau(lignesEcran()));
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
    const int minimum = HauteurMinimaleTableau(lignesEcran());
    QStringList tropPetits, coupes;
    for (QWidget* fenetre : fenetres) {
        fenetre->show();
        QApplication::processEvents();
        EXPECT_TRUE(EnModeTableau(fenetre)) << fenetre->objectName().toStdString();
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

// A tap picks a row of a list; a flick scrolls it.
TEST(TableauFenetres, ListsAnswerATapAndScrollUnderAFlick)
{
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    QStringList noms;
    for (int i = 1; i <= 40; ++i)
        noms << QStringLiteral("Élève %1").arg(i, 2, 10, QLatin1Char('0'));
    ASSERT_TRUE(EcrireClasse(dossier.fichier(QStringLiteral("CM1.elv")), noms));
    const auto programme = CreerProgramme();
    QWidget* fenetre = programme->fenetres.nomEleve;
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre));
    auto* classes = fenetre->findChild<QListWidget*>(QStringLiteral("ListBox3"));
    Toucher(classes->viewport(), Saisie::Doigt, classes->visualItemRect(classes->item(0)).center());
    auto* eleves = fenetre->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    ASSERT_EQ(eleves->count(), 40) << "the tap opened the class";

    QWidget* zone = eleves->viewport();
    auto doigt = QTest::touchEvent(zone, EcranTactile(), false);
    QPoint p(zone->width() / 2, zone->height() - 5);
    doigt.press(0, p, zone).commit();
    for (int pas = 0; pas < 8; ++pas) {
        QTest::qWait(15);
        p.ry() -= zone->height() / 10;
        doigt.move(0, p, zone).commit();
    }
    doigt.release(0, p, zone).commit();
    EXPECT_TRUE(QTest::qWaitFor([&] { return eleves->verticalScrollBar()->value() > 0; }, 3000));
    fenetre->hide();
}

// The eraser's markers follow the cells, down to a quarter of a cell on a large grid;
// board mode keeps them big enough for a finger, and the pen's eraser end finds the same.
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
    Gommer(image, QPoint(30, 15) * t + QPoint(minimum - 1, minimum - 1));
    ASSERT_EQ(monde.jeu().figureEleve().NbElements, 1);
    EXPECT_EQ(monde.jeu().figureEleve()[1].Y1, 2 * t);
}

} // namespace
