// Takes the pictures of the help pages from the real windows, driven with the mouse as a
// pupil and a teacher would drive them, in a program folder laid out by the install.
// scripts/captures_ecran.sh runs it under Xvfb. With "tableau", the program starts in board
// mode and a pupil solves an exercise with a finger, on the whole screen.
//
// orvane_captures PROGRAM_FOLDER PICTURES_FOLDER [tableau]

#include "Bilans.h"
#include "ChoixExercice.h"
#include "Classes.h"
#include "Couleurs.h"
#include "Dessin.h"
#include "Demarrage.h"
#include "Dialogues.h"
#include "Dessin.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "Essais.h"
#include "Rtf.h"
#include "SigneVerdict.h"
#include "Contexte.h"
#include "FichierExercice.h"
#include "Generateur.h"
#include "Symetrie.h"
#include "TF_Jeu_Lignes_Autour.h"
#include "TF_Menu.h"
#include "TF_choix_exo.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPointingDevice>
#include <QScreen>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int LargeurImages = 600;
constexpr int PauseMs = 300;
QString dossierImages;
// The running program's settings, read for its exercises folder.
const Contexte* contexteProgramme = nullptr;

[[noreturn]] void abandonner(const QString& raison)
{
    std::fprintf(stderr, "orvane_captures : %s\n", qPrintable(raison));
    std::exit(1);
}

template <typename T = QWidget>
T* trouver(QWidget* fenetre, const QString& nom)
{
    auto* controle = fenetre->findChild<T*>(nom);
    if (!controle)
        abandonner(fenetre->objectName() + QStringLiteral(" n'a pas de contrôle ") + nom);
    return controle;
}

void toucher(QWidget* controle, QPoint point);

void cliquer(QWidget* fenetre, const QString& nom)
{
    auto* bouton = trouver<QAbstractButton>(fenetre, nom);
    toucher(bouton, bouton->rect().center());
    QTest::qWait(PauseMs);
}

void capturer(QWidget* fenetre, const QString& nom)
{
    QTest::qWait(PauseMs);
    const QImage image = fenetre->grab().toImage().scaledToWidth(LargeurImages,
                                                                 Qt::SmoothTransformation);
    if (!image.save(QDir(dossierImages).filePath(nom)))
        abandonner(QStringLiteral("impossible d'écrire ") + nom);
}

QWidget* fenetreVisible(const QString& nom)
{
    for (QWidget* fenetre : QApplication::topLevelWidgets())
        if (fenetre->objectName() == nom && fenetre->isVisible())
            return fenetre;
    abandonner(QStringLiteral("la fenêtre ") + nom + QStringLiteral(" n'est pas ouverte"));
}

// Clicks a row of a list as the mouse would, so that the window reacts as to a pupil.
void cliquerLigne(QListWidget* liste, int ligne)
{
    QListWidgetItem* item = liste->item(ligne);
    liste->scrollToItem(item);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(item).center());
    QTest::qWait(PauseMs);
}

// The row whose text sorts last: the series are named, and their exercises numbered, in
// increasing difficulty, and the richest figures make the clearest pictures.
int derniereLigne(QListWidget* liste)
{
    if (liste->count() == 0)
        abandonner(liste->objectName() + QStringLiteral(" est vide"));
    int derniere = 0;
    for (int i = 1; i < liste->count(); ++i)
        if (liste->item(i)->text() > liste->item(derniere)->text())
            derniere = i;
    return derniere;
}

// The chooser is modal: it is driven from a timer that fires inside its own event loop.
// Picks the last exercise of the last series in the plain list, pictures the window when
// asked, and validates.
void choisirPendantOuverture(const QString& image)
{
    QTimer::singleShot(PauseMs, [image] {
        QWidget* choix = fenetreVisible(QStringLiteral("F_choix_exo"));
        auto* series = trouver<QListWidget>(choix, QStringLiteral("ListBox1"));
        cliquerLigne(series, derniereLigne(series));
        auto* exercices = trouver<QListWidget>(choix, QStringLiteral("ListBox4"));
        cliquerLigne(exercices, derniereLigne(exercices));
        if (!image.isEmpty())
            capturer(choix, image);
        cliquer(choix, QStringLiteral("Button1"));
    });
}

// The exercise the chooser handed to the player, read again in the player's cell size.
ExerciceLu exerciceChoisi(const TF_Jeu_Lignes_Autour* jeu)
{
    const int tailleCase = jeu->grille().TailleCase;
    const TF_choix_exo* choix = nullptr;
    for (QWidget* fenetre : QApplication::topLevelWidgets())
        if (auto* trouve = qobject_cast<TF_choix_exo*>(fenetre))
            choix = trouve;
    if (!choix)
        abandonner(QStringLiteral("le choix des exercices n'existe pas"));
    const ExerciceChoisi& choisi = choix->choisi();
    const QString chemin = QDir(contexteProgramme->dossierExercices.dossier()).filePath(choisi.Serie + QLatin1Char('/')
                                                                     + choisi.Fichier);
    ResultatLecture lu = LireExercice(chemin);
    if (!lu.Reussi)
        abandonner(chemin + QStringLiteral(" : ") + lu.Erreur);
    ConvertirPourTailleCase(lu.Exercice, tailleCase);
    lu.Exercice.Grille.TailleCase = tailleCase;
    return lu.Exercice;
}

QString boutonOutil(Genre genre)
{
    switch (genre) {
    case GenreTrait: return QStringLiteral("ModeTrait");
    case GenreRectangle: return QStringLiteral("ModeRect");
    case GenreCercle: return QStringLiteral("ModeEllipse");
    case GenreQuartDeCercle: return QStringLiteral("ModeArc");
    default: return QStringLiteral("ModePeinture");
    }
}

// The colour buttons in the box's order, which is also the order of the keys 1 to 9 and 0.
const QList<QPair<quint32, QString>>& boutonsCouleurs()
{
    static const QList<QPair<quint32, QString>> boutons = {
        {CouleurBleu, QStringLiteral("BoutonBleu")},
        {CouleurBleuClair, QStringLiteral("BoutonBleuClair")},
        {CouleurRose, QStringLiteral("BoutonRose")},
        {CouleurRouge, QStringLiteral("BoutonRouge")},
        {CouleurGrisFonce, QStringLiteral("BoutonGrisFonce")},
        {CouleurMarron, QStringLiteral("BoutonMarron")},
        {CouleurJaune, QStringLiteral("BoutonJaune")},
        {CouleurVert, QStringLiteral("BoutonVert")},
        {CouleurVertFonce, QStringLiteral("BoutonVertFonce")},
        {CouleurGris, QStringLiteral("BoutonGris")},
    };
    return boutons;
}

int rangCouleur(quint32 couleur)
{
    for (int i = 0; i < boutonsCouleurs().size(); ++i)
        if (boutonsCouleurs()[i].first == couleur)
            return i;
    abandonner(QStringLiteral("couleur sans bouton : ") + QString::number(couleur, 16));
}

QString boutonCouleur(quint32 couleur)
{
    return boutonsCouleurs()[rangCouleur(couleur)].second;
}

Qt::Key toucheCouleur(quint32 couleur)
{
    const int rang = rangCouleur(couleur);
    return rang == 9 ? Qt::Key_0 : Qt::Key(Qt::Key_1 + rang);
}

// The board's pictures are drawn with a finger, through the window system as a touch
// screen delivers it; the others with the mouse.
bool auDoigt = false;

QPointingDevice* ecranTactile()
{
    static QPointingDevice* ecran = QTest::createTouchDevice();
    return ecran;
}

void glisser(QWidget* image, QPoint depart, QPoint arrivee)
{
    if (auDoigt) {
        auto doigt = QTest::touchEvent(image, ecranTactile(), false);
        doigt.press(0, depart, image).commit();
        doigt.move(0, (depart + arrivee) / 2, image).commit();
        doigt.move(0, arrivee, image).commit();
        doigt.release(0, arrivee, image).commit();
        return;
    }
    QTest::mousePress(image, Qt::LeftButton, {}, depart);
    QTest::mouseMove(image, (depart + arrivee) / 2);
    QTest::mouseMove(image, arrivee);
    QTest::mouseRelease(image, Qt::LeftButton, {}, arrivee);
}

void toucher(QWidget* controle, QPoint point)
{
    if (auDoigt)
        glisser(controle, point, point);
    else
        QTest::mouseClick(controle, Qt::LeftButton, {}, point);
}

// Draws the exact image of the reference figure: outlines first, then the painted areas,
// which need their outlines to stop them (unless asked for the outlines alone).
void dessinerLeSymetrique(QWidget* fenetre, const ExerciceLu& exercice, bool avecColoriages = true)
{
    QWidget* zone = trouver(fenetre, QStringLiteral("Image1"));
    const Quadrillage& grille = exercice.Grille;
    const Figure& figure = exercice.Elements;
    for (bool coloriages : {false, true}) {
        if (coloriages && !avecColoriages)
            break;
        for (int i = 1; i <= figure.NbElements; ++i) {
            const ElementFigure& e = figure[i];
            if (EstColoriage(e.GenreElement) != coloriages)
                continue;
            const ElementFigure image = ElementMiroir(grille, e);
            cliquer(fenetre, boutonOutil(image.GenreElement));
            if (coloriages) {
                cliquer(fenetre, boutonCouleur(image.Couleur));
                toucher(zone, QPoint(image.X1, image.Y1));
            } else {
                glisser(zone, QPoint(image.X1, image.Y1), QPoint(image.X2, image.Y2));
            }
        }
    }
    QTest::qWait(PauseMs);
}

struct Exercice {
    int numero;
    QString bouton; // of the main menu
};

void jouerEtCapturer(QWidget* menu, const Exercice& exercice, const QString& imageChoix)
{
    cliquer(menu, exercice.bouton);
    QWidget* jeu = fenetreVisible(QStringLiteral("F_Jeu_Lignes_Autour"));
    choisirPendantOuverture(imageChoix);
    cliquer(jeu, QStringLiteral("BoutonNouveau"));
    dessinerLeSymetrique(jeu, exerciceChoisi(static_cast<TF_Jeu_Lignes_Autour*>(jeu)));
    cliquer(jeu, QStringLiteral("BoutonCorrection"));
    // The picture shows a success; anything else means the drawing above went wrong.
    const QString resultat = trouver<QLabel>(jeu, QStringLiteral("LabelResultat"))->text();
    if (resultat != QStringLiteral("Juste"))
        abandonner(QStringLiteral("l'exercice %1 donne « %2 »").arg(exercice.numero).arg(resultat));
    capturer(jeu, QStringLiteral("exercice%1.png").arg(exercice.numero));
    cliquer(jeu, QStringLiteral("BoutonQuitter"));
}

// Exercise 3 opened and played at the keyboard's way: the outlines drawn, the paint pot in
// hand, the ring sent into the area to paint of a cell that outlines cut in several areas.
void capturerPotAuClavier(QWidget* menu)
{
    auto* bouton = trouver<QAbstractButton>(menu, QStringLiteral("BoutonJLC"));
    bouton->setFocus();
    QTest::keyClick(bouton, Qt::Key_Space);
    QTest::qWait(PauseMs);
    auto* jeu = static_cast<TF_Jeu_Lignes_Autour*>(fenetreVisible(QStringLiteral("F_Jeu_Lignes_Autour")));
    choisirPendantOuverture(QString());
    QTest::keyClick(jeu, Qt::Key_N);
    QTest::qWait(PauseMs);
    const ExerciceLu exercice = exerciceChoisi(jeu);
    dessinerLeSymetrique(jeu, exercice, false);

    const Quadrillage& grille = exercice.Grille;
    const int t = grille.TailleCase;
    const Figure image = [&] {
        Figure f;
        for (int i = 1; i <= exercice.Elements.NbElements; ++i)
            if (EstColoriage(exercice.Elements[i].GenreElement))
                f.Ajouter(ElementMiroir(grille, exercice.Elements[i]));
        return f;
    }();
    if (image.NbElements == 0)
        abandonner(QStringLiteral("l'exercice 3 choisi n'a pas de zone à colorier"));
    // The first area whose cell is cut in several areas, or else the first area.
    ElementFigure zone = image[1];
    for (int i = 1; i <= image.NbElements; ++i)
        if (ZonesDansCase(jeu->image(), QRect(image[i].X1 / t * t, image[i].Y1 / t * t, t, t)).size() > 1) {
            zone = image[i];
            break;
        }
    // The ring shows while the grid has the keyboard, in the active window.
    jeu->activateWindow();
    if (!QTest::qWaitForWindowActive(jeu))
        qWarning("La fenêtre de l'exercice n'est pas devenue active : l'anneau peut manquer.");
    QWidget* grilleJeu = trouver(jeu, QStringLiteral("Image1"));
    grilleJeu->setFocus();
    // "colonne 12, ligne 12"
    const QStringList position = grilleJeu->accessibleDescription().split(QLatin1Char(' '));
    const QPoint ici(position.value(1).chopped(1).toInt(), position.value(3).toInt());
    QTest::keyClick(grilleJeu, Qt::Key_P);
    QTest::keyClick(grilleJeu, toucheCouleur(zone.Couleur));
    const QPoint pas = QPoint(zone.X1 / t, zone.Y1 / t) - ici;
    for (int i = 0; i < std::abs(pas.x()); ++i)
        QTest::keyClick(grilleJeu, pas.x() < 0 ? Qt::Key_Left : Qt::Key_Right);
    for (int i = 0; i < std::abs(pas.y()); ++i)
        QTest::keyClick(grilleJeu, pas.y() < 0 ? Qt::Key_Up : Qt::Key_Down);
    QImage aire = jeu->image();
    RemplirJusquAuNoir(aire, zone.X1, zone.Y1, CouleurNoir);
    const QWidget* anneau = trouver(jeu, QStringLiteral("CurseurClavier"));
    for (int essai = 0; essai < 8; ++essai) {
        const QPoint pot = anneau->pos() + QPoint(anneau->width() / 2, anneau->height() / 2);
        if (CouleurPixel(aire, pot.x(), pot.y()) == CouleurNoir)
            break;
        QTest::keyClick(grilleJeu, Qt::Key_Z);
    }
    capturer(jeu, QStringLiteral("clavier_pot.png"));
    cliquer(jeu, QStringLiteral("BoutonQuitter"));
}

void capturerEditeur(QWidget* menu)
{
    auto* action = menu->findChild<QAction*>(QStringLiteral("Editeurdexercicespourjeu31"));
    if (!action)
        abandonner(QStringLiteral("le menu n'a pas d'entrée pour l'éditeur de l'exercice 3"));
    action->trigger();
    QTest::qWait(PauseMs);
    QWidget* editeur = fenetreVisible(QStringLiteral("F_Dessin"));
    choisirPendantOuverture(QString());
    cliquer(editeur, QStringLiteral("BoutonOuvrir"));
    capturer(editeur, QStringLiteral("editeur.png"));
    cliquer(editeur, QStringLiteral("BoutonQuitter"));
}

void capturerExercice1(QWidget* menu)
{
    cliquer(menu, QStringLiteral("BoutonJ1"));
    QWidget* jeu1 = fenetreVisible(QStringLiteral("F_Jeu1H"));
    capturer(jeu1, QStringLiteral("exercice1.png"));
    cliquer(jeu1, QStringLiteral("SpeedButton1"));
}

// A class whose pupils have done more and more of the sample exercises, and have reached
// higher and higher levels au hasard, written into the capture's own program folder, so
// that the class overview has something to show.
void preparerClasse()
{
    const Contexte& c = *contexteProgramme;
    const QStringList eleves = {QStringLiteral("Amélie"), QStringLiteral("Bastien"), QStringLiteral("Chloé"),
                                QStringLiteral("Dylan"), QStringLiteral("Inès"), QStringLiteral("Jules")};
    const QString classe = QStringLiteral("CM1");
    const QString dossier = DossierExercicesAccessible(c);
    QStringList exercices;
    for (const QString& serie : SeriesDuDossier(dossier, MasqueExercices(2)))
        for (const EntreeDossier& entree : listerDossier(QDir(dossier).filePath(serie), MasqueExercices(2)))
            exercices.append(serie + QLatin1Char('\\') + entree.nom.chopped(4));
    bool ecrit = ecrireFichier(c.fichierProgramme(classe + ExtensionClasse), ContenuClasse(eleves));
    for (int i = 0; i < eleves.size(); ++i) {
        QStringList lignes = exercices.mid(0, exercices.size() * i / eleves.size());
        for (int niveau = 1; niveau <= i / 2; ++niveau)
            lignes << LigneHasard(2, niveau) << LigneHasard(4, niveau + 1);
        ecrit = ecrit
            && ecrireFichier(QDir(c.dossierBilansAccessible()).filePath(NomFichierBilan(eleves[i], classe)),
                             documentRtf(lignes));
    }
    if (!ecrit)
        abandonner(QStringLiteral("impossible d'écrire la classe et ses bilans"));
}

// The overview is modal: pictured and closed from a timer inside its own event loop.
void capturerSuivi(QWidget* menu)
{
    preparerClasse();
    auto* action = menu->findChild<QAction*>(QStringLiteral("Suividelaclasse1"));
    if (!action)
        abandonner(QStringLiteral("le menu n'a pas d'entrée pour le suivi de la classe"));
    QTimer::singleShot(PauseMs, [] {
        QWidget* suivi = fenetreVisible(QStringLiteral("F_SuiviClasse"));
        // Exercise 2 only: with every type, each record ticks the four files of its name.
        auto* type = trouver<QComboBox>(suivi, QStringLiteral("ComboType"));
        type->setCurrentText(QStringLiteral("2"));
        emit type->activated(type->currentIndex());
        capturer(suivi, QStringLiteral("suivi.png"));
        // One series, the table scrolled to its end: the totals and the levels reached au hasard.
        auto* serie = trouver<QComboBox>(suivi, QStringLiteral("ComboSerie"));
        serie->setCurrentIndex(serie->count() - 1);
        emit serie->activated(serie->currentIndex());
        QScrollBar* defilement = trouver<QTableWidget>(suivi, QStringLiteral("TableSuivi"))->horizontalScrollBar();
        defilement->setValue(defilement->maximum());
        capturer(suivi, QStringLiteral("suivi_niveaux.png"));
        cliquer(suivi, QStringLiteral("BoutonFermer"));
    });
    action->trigger();
}

// A pupil of the class picked in the pupil window, shown from a timer inside its own
// event loop.
void identifierPendantOuverture(const QString& classe, const QString& eleve)
{
    QTimer::singleShot(PauseMs, [classe, eleve] {
        QWidget* fenetre = fenetreVisible(QStringLiteral("F_nom_eleve"));
        auto* classes = trouver<QListWidget>(fenetre, QStringLiteral("ListBox3"));
        cliquerLigne(classes, classes->row(classes->findItems(classe, Qt::MatchExactly).value(0)));
        auto* eleves = trouver<QListWidget>(fenetre, QStringLiteral("ListBox1"));
        cliquerLigne(eleves, eleves->row(eleves->findItems(eleve, Qt::MatchExactly).value(0)));
        cliquer(fenetre, QStringLiteral("bouton_valide"));
    });
}

// A pupil of the class, recorded, asks for exercises made by the program: the chooser
// shows the pupil's level and the first exercise, the player a run at that level, solved.
void capturerAuHasard(QWidget* menu, Contexte& contexte)
{
    contexte.reglages.BilanReussite = 1;
    identifierPendantOuverture(QStringLiteral("CM1"), QStringLiteral("Jules"));
    cliquer(menu, QStringLiteral("Bouton_Autour"));
    auto* jeu = static_cast<TF_Jeu_Lignes_Autour*>(fenetreVisible(QStringLiteral("F_Jeu_Lignes_Autour")));
    for (QWidget* fenetre : QApplication::topLevelWidgets())
        if (auto* choix = qobject_cast<TF_choix_exo*>(fenetre))
            choix->fixerSourceGraine([] { return 5172u; });
    QTimer::singleShot(PauseMs, [] {
        QWidget* choix = fenetreVisible(QStringLiteral("F_choix_exo"));
        cliquer(choix, QStringLiteral("BoutonHasard"));
        capturer(choix, QStringLiteral("choix_hasard.png"));
        cliquer(choix, QStringLiteral("Button1"));
    });
    cliquer(jeu, QStringLiteral("BoutonNouveau"));
    const std::optional<CodeExercice> code = jeu->codeMontre();
    if (!code)
        abandonner(QStringLiteral("« Au hasard » n'a pas donné d'exercice"));
    ExerciceLu exercice = GenererExercice(*code);
    ConvertirPourTailleCase(exercice, jeu->grille().TailleCase);
    exercice.Grille.TailleCase = jeu->grille().TailleCase;
    dessinerLeSymetrique(jeu, exercice);
    cliquer(jeu, QStringLiteral("BoutonCorrection"));
    capturer(jeu, QStringLiteral("joueur_hasard.png"));
    cliquer(jeu, QStringLiteral("BoutonQuitter"));
    contexte.reglages.BilanReussite = 0;
}

// A few exercises made by the program, drawn as the player draws them for the pupil.
void capturerExercicesAuHasard()
{
    constexpr int LargeurExemple = 280;
    const CodeExercice codes[] = {{2, 3, 102}, {3, 4, 104}, {4, 6, 101}, {5, 5, 101}};
    for (const CodeExercice& code : codes) {
        ExerciceLu exercice = GenererExercice(code);
        ConvertirPourTailleCase(exercice, TailleCaseHasard);
        const int cote = ColonnesHasard * TailleCaseHasard + 4;
        QImage image = NouvelleImage(cote, cote);
        DessinerQuadrillage(image, exercice.Grille, code.Type, Rendu::Joueur);
        DessinerFigure(image, exercice.Elements, Rendu::Joueur);
        const QString nom = QStringLiteral("hasard_%1.png").arg(TexteCode(code));
        if (!image.scaledToWidth(LargeurExemple, Qt::SmoothTransformation).save(QDir(dossierImages).filePath(nom)))
            abandonner(QStringLiteral("impossible d'écrire ") + nom);
    }
}

// The series window is a small dialog: pictured at its own size, from a timer inside its
// own event loop, and cancelled.
void capturerSerieHasard(QWidget* menu)
{
    auto* action = menu->findChild<QAction*>(QStringLiteral("Creeruneserieauhasard1"));
    if (!action)
        abandonner(QStringLiteral("le menu n'a pas d'entrée pour créer une série au hasard"));
    QTimer::singleShot(PauseMs, [] {
        QWidget* serie = fenetreVisible(QStringLiteral("F_SerieHasard"));
        trouver<QComboBox>(serie, QStringLiteral("ChoixType"))->setCurrentIndex(2);
        trouver<QComboBox>(serie, QStringLiteral("ChoixDernierNiveau"))->setCurrentIndex(3);
        trouver<QComboBox>(serie, QStringLiteral("ChoixPremierNiveau"))->setCurrentIndex(1);
        QTest::qWait(PauseMs);
        if (!serie->grab().toImage().save(QDir(dossierImages).filePath(QStringLiteral("serie_hasard.png"))))
            abandonner(QStringLiteral("impossible d'écrire serie_hasard.png"));
        cliquer(serie, QStringLiteral("BoutonAnnuler"));
    });
    action->trigger();
}

// The player on the classroom's board, the whole screen: an exercise solved with a finger,
// the verdict large for a moment, then the thick strokes under it.
void capturerTableau(Contexte& contexte, QWidget* menu)
{
    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    contexte.geometrieReference = {ecran.x(), ecran.y(), ecran.height(), ecran.width()};
    cliquer(menu, QStringLiteral("Bouton_Autour"));
    QWidget* jeu = fenetreVisible(QStringLiteral("F_Jeu_Lignes_Autour"));
    jeu->setGeometry(ecran);
    choisirPendantOuverture(QString());
    cliquer(jeu, QStringLiteral("BoutonNouveau"));
    dessinerLeSymetrique(jeu, exerciceChoisi(static_cast<TF_Jeu_Lignes_Autour*>(jeu)));
    cliquer(jeu, QStringLiteral("BoutonCorrection"));
    const QString resultat = trouver<QLabel>(jeu, QStringLiteral("LabelResultat"))->text();
    if (resultat != QStringLiteral("Juste"))
        abandonner(QStringLiteral("au tableau, l'exercice 4 donne « %1 »").arg(resultat));
    capturer(jeu, QStringLiteral("tableau_verdict.png"));
    QTest::qWait(SigneVerdict::DureeGrandVerdictMs);
    const QImage image = jeu->grab().toImage();
    if (image.size() != ecran.size() || !image.save(QDir(dossierImages).filePath(QStringLiteral("tableau.png"))))
        abandonner(QStringLiteral("impossible d'écrire tableau.png à la taille de l'écran"));
    cliquer(jeu, QStringLiteral("BoutonQuitter"));
}

// The teacher sets the class's path: a series of exercise 4, then its level 2 at random,
// the pupils kept to it; pictured before it is saved.
void capturerParcours(QWidget* menu)
{
    auto* action = menu->findChild<QAction*>(QStringLiteral("Parcoursdelaclasse1"));
    if (!action)
        abandonner(QStringLiteral("le menu n'a pas d'entrée pour le parcours de la classe"));
    QTimer::singleShot(PauseMs, [] {
        QWidget* parcours = fenetreVisible(QStringLiteral("F_ParcoursClasse"));
        const auto choisir = [parcours](const QString& nom, const QString& texte) {
            auto* liste = trouver<QComboBox>(parcours, nom);
            liste->setCurrentText(texte);
            emit liste->activated(liste->currentIndex());
        };
        choisir(QStringLiteral("ComboClasse"), QStringLiteral("CM1"));
        choisir(QStringLiteral("ComboTypeEtape"), QStringLiteral("4 : autour d'un axe"));
        choisir(QStringLiteral("ComboSerieEtape"), QStringLiteral("Série 1 - débutant"));
        cliquer(parcours, QStringLiteral("BoutonAjouter"));
        cliquer(parcours, QStringLiteral("RadioNiveau"));
        trouver<QSpinBox>(parcours, QStringLiteral("SpinNiveau"))->setValue(2);
        cliquer(parcours, QStringLiteral("BoutonAjouter"));
        cliquer(parcours, QStringLiteral("CaseAutres"));
        capturer(parcours, QStringLiteral("parcours.png"));
        cliquer(parcours, QStringLiteral("BoutonEnregistrer"));
        cliquer(parcours, QStringLiteral("BoutonFermer"));
    });
    action->trigger();
}

// A pupil of the class opens exercise 4: the chooser shows the path and its current step.
void capturerChoixParcours(QWidget* menu, Contexte& contexte)
{
    contexte.reglages.BilanReussite = 1;
    identifierPendantOuverture(QStringLiteral("CM1"), QStringLiteral("Bastien"));
    cliquer(menu, QStringLiteral("Bouton_Autour"));
    QWidget* jeu = fenetreVisible(QStringLiteral("F_Jeu_Lignes_Autour"));
    QTimer::singleShot(PauseMs, [] {
        QWidget* choix = fenetreVisible(QStringLiteral("F_choix_exo"));
        capturer(choix, QStringLiteral("choix_parcours.png"));
        cliquer(choix, QStringLiteral("Button2"));
    });
    cliquer(jeu, QStringLiteral("BoutonNouveau"));
    cliquer(jeu, QStringLiteral("BoutonQuitter"));
    contexte.reglages.BilanReussite = 0;
}

// A lesson under way: each pupil's attempts as their computers would have added them, one
// pupil stuck on three "Faux", one silent for a quarter of an hour, one done with the path.
void preparerLecon()
{
    const Contexte& c = *contexteProgramme;
    const QString bilans = c.dossierBilansAccessible();
    const QDateTime maintenant = QDateTime::currentDateTime();
    const QString serie = QStringLiteral("Série 1 - débutant");
    QStringList exercices;
    for (const EntreeDossier& entree : listerDossier(QDir(DossierExercicesAccessible(c)).filePath(serie), MasqueExercices(4)))
        exercices.append(entree.nom.chopped(4));
    const auto essai = [&](int minutes, const QString& exercice, bool juste) {
        const QDateTime quand = maintenant.addSecs(-60 * minutes);
        return Essai{quand.date(), quand.time(), 4, exercice.contains(QLatin1Char('-')) ? QString() : serie, exercice, juste};
    };
    const QList<QPair<QString, QList<Essai>>> lecon = {
        {QStringLiteral("Amélie"), {essai(9, exercices.value(0), true), essai(5, exercices.value(1), false),
                                    essai(3, exercices.value(1), false), essai(1, exercices.value(1), false)}},
        {QStringLiteral("Bastien"), {essai(8, exercices.value(0), true), essai(2, exercices.value(1), true)}},
        {QStringLiteral("Dylan"), {essai(22, exercices.value(0), false), essai(15, exercices.value(0), false)}},
        {QStringLiteral("Inès"), {essai(12, QStringLiteral("4-2-101"), true), essai(7, QStringLiteral("4-2-102"), true),
                                  essai(3, QStringLiteral("4-2-103"), true)}},
        {QStringLiteral("Jules"), {essai(4, exercices.value(0), false), essai(2, exercices.value(0), true)}},
    };
    for (const auto& [eleve, essais] : lecon) {
        QByteArray octets = DebutFichierEssais();
        for (const Essai& e : essais)
            octets += LigneEssai(e);
        const QString fichier = QDir(bilans).filePath(NomFichierEssais(eleve, QStringLiteral("CM1")));
        if (!ecrireFichier(fichier, octets))
            abandonner(QStringLiteral("impossible d'écrire ") + fichier);
        QFile f(fichier);
        if (f.open(QIODevice::ReadWrite))
            f.setFileTime(QDateTime(essais.constLast().jour, essais.constLast().heure), QFileDevice::FileModificationTime);
    }
    // Inès has done the whole series.
    QStringList lignes;
    for (const QString& exercice : exercices)
        lignes.append(serie + QLatin1Char('\\') + exercice);
    if (!ecrireFichier(QDir(bilans).filePath(NomFichierBilan(QStringLiteral("Inès"), QStringLiteral("CM1"))),
                       documentRtf(lignes)))
        abandonner(QStringLiteral("impossible d'écrire le bilan d'Inès"));
}

// The live view from the class overview, sorted by state: the pupils to go to first.
void capturerEnDirect(QWidget* menu)
{
    preparerLecon();
    auto* action = menu->findChild<QAction*>(QStringLiteral("Suividelaclasse1"));
    QTimer::singleShot(PauseMs, [] {
        QWidget* suivi = fenetreVisible(QStringLiteral("F_SuiviClasse"));
        QTimer::singleShot(3 * PauseMs, [suivi] {
            QWidget* direct = fenetreVisible(QStringLiteral("F_EnDirect"));
            emit trouver<QTableWidget>(direct, QStringLiteral("TableDirect"))->horizontalHeader()->sectionClicked(1);
            capturer(direct, QStringLiteral("direct.png"));
            cliquer(direct, QStringLiteral("BoutonFermer"));
            cliquer(suivi, QStringLiteral("BoutonFermer"));
        });
        cliquer(suivi, QStringLiteral("BoutonEnDirect"));
    });
    action->trigger();
}

// The dialogs of the program, except the file dialog, which answers with one file.
class DialoguesFichierDonne : public Dialogues {
public:
    DialoguesFichierDonne(Dialogues& reels, QString fichier) : reels_(reels), fichier_(std::move(fichier)) {}
    Reponse message(GenreMessage genre, const QString& texte, BoutonsMessage boutons) override
    {
        return reels_.message(genre, texte, boutons);
    }
    QString ouvrirFichier(const DemandeFichier&) override { return fichier_; }
    QString enregistrerFichier(const DemandeFichier& demande) override { return reels_.enregistrerFichier(demande); }
    void afficherAide(const QString& adresse) override { reels_.afficherAide(adresse); }

private:
    Dialogues& reels_;
    QString fichier_;
};

// The school's export of its pupils, as the administration's software writes it: two
// classes, the CM1 one that has a list already, and a line without a first name.
QString preparerExportEcole()
{
    const QString fichier = contexteProgramme->fichierProgramme(QStringLiteral("export_eleves.csv"));
    const QByteArray lignes =
        "Nom élève;Nom d'usage élève;Prénom élève;Date naissance;Niveau;Libellé classe\r\n"
        "MARTIN;;Amélie;12/03/2016;CM1;CM1\r\n"
        "ROUX;;Bastien;02/07/2016;CM1;CM1\r\n"
        "PETIT;;Chloé;21/01/2016;CM1;CM1\r\n"
        "BLANC;;Dylan;30/09/2016;CM1;CM1\r\n"
        "MOREAU;;Inès;14/05/2016;CM1;CM1\r\n"
        "FAURE;;Jules;08/11/2016;CM1;CM1\r\n"
        "BENALI;;Karim;17/02/2016;CM1;CM1\r\n"
        "LEFEBVRE;GARNIER;Léa;25/06/2016;CM1;CM1\r\n"
        "GIRARD;;Manon;03/04/2016;CM1;CM1\r\n"
        "LAMBERT;;Noé;19/08/2016;CM1;CM1\r\n"
        "DUPONT;;;11/12/2016;CM1;CM1\r\n"
        "BERNARD;;Lucas;09/10/2015;CM2;CM2\r\n"
        "DUBOIS;;Emma;28/02/2015;CM2;CM2\r\n"
        "THOMAS;;Hugo;15/07/2015;CM2;CM2\r\n"
        "ROBERT;;Jade;06/05/2015;CM2;CM2\r\n";
    if (!ecrireFichier(fichier, lignes))
        abandonner(QStringLiteral("impossible d'écrire ") + fichier);
    return fichier;
}

// The teacher imports the school's export from the class lists: the preview, pictured
// before anything is written, then cancelled.
void capturerImport(QWidget* menu)
{
    DialoguesFichierDonne fichierDonne(dialogues(), preparerExportEcole());
    installerDialogues(&fichierDonne);
    auto* action = menu->findChild<QAction*>(QStringLiteral("Listesdlves1"));
    if (!action)
        abandonner(QStringLiteral("le menu n'a pas d'entrée pour les listes d'élèves"));
    QTimer::singleShot(PauseMs, [] {
        QWidget* listes = fenetreVisible(QStringLiteral("F_Listes"));
        QTimer::singleShot(PauseMs, [listes] {
            QWidget* apercu = fenetreVisible(QStringLiteral("F_ApercuImport"));
            capturer(apercu, QStringLiteral("import.png"));
            cliquer(apercu, QStringLiteral("BoutonAnnuler"));
            cliquer(listes, QStringLiteral("bouton_quitter"));
        });
        cliquer(listes, QStringLiteral("bouton_importer"));
    });
    action->trigger();
    installerDialogues(nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const bool tableau = argc == 4 && qstrcmp(argv[3], "tableau") == 0;
    if (argc != 3 && !tableau)
        abandonner(QStringLiteral("usage : orvane_captures DOSSIER_PROGRAMME DOSSIER_IMAGES [tableau]"));
    dossierImages = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    if (!QDir().mkpath(dossierImages) || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        abandonner(QStringLiteral("dossiers inutilisables"));
    // A window that never opens must not hold the script forever.
    QTimer::singleShot(180000, [] { abandonner(QStringLiteral("délai dépassé")); });

    const auto programme = CreerProgramme(tableau ? QStringList{QStringLiteral("--tableau")} : QStringList());
    contexteProgramme = &programme->contexte;
    QWidget* menu = programme->menu.get();
    menu->showMaximized();
    QTest::qWait(2 * PauseMs);
    if (tableau) {
        auDoigt = true;
        capturerTableau(programme->contexte, menu);
        return 0;
    }
    capturer(menu, QStringLiteral("menu.png"));
    capturerExercice1(menu);
    const QList<Exercice> exercices = {
        {2, QStringLiteral("BoutonJL")},
        {3, QStringLiteral("BoutonJLC")},
        {4, QStringLiteral("Bouton_Autour")},
        {5, QStringLiteral("Bouton_Point")},
    };
    for (const Exercice& exercice : exercices)
        jouerEtCapturer(menu, exercice,
                        exercice.numero == 2 ? QStringLiteral("choix.png") : QString());
    capturerPotAuClavier(menu);
    capturerEditeur(menu);
    capturerSuivi(menu);
    capturerAuHasard(menu, programme->contexte);
    capturerSerieHasard(menu);
    capturerExercicesAuHasard();
    capturerParcours(menu);
    capturerChoixParcours(menu, programme->contexte);
    capturerEnDirect(menu);
    capturerImport(menu);
    return 0;
}
