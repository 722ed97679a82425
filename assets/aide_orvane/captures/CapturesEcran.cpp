// Takes the pictures of the help pages from the real windows, driven with the mouse as a
// pupil and a teacher would drive them, in a program folder laid out by the install.
// scripts/captures_ecran.sh runs it under Xvfb.
//
// orvane_captures PROGRAM_FOLDER PICTURES_FOLDER

#include "ChoixExercice.h"
#include "Couleurs.h"
#include "Demarrage.h"
#include "EtatPartage.h"
#include "FichierExercice.h"
#include "Symetrie.h"
#include "TF_Menu.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int LargeurImages = 600;
constexpr int PauseMs = 300;
QString dossierImages;

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

void cliquer(QWidget* fenetre, const QString& nom)
{
    QTest::mouseClick(trouver<QAbstractButton>(fenetre, nom), Qt::LeftButton);
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
    if (liste->count() == 0)
        abandonner(liste->objectName() + QStringLiteral(" est vide"));
    QListWidgetItem* item = liste->item(qMin(ligne, liste->count() - 1));
    liste->scrollToItem(item);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(item).center());
    QTest::qWait(PauseMs);
}

// The chooser is modal: it is driven from a timer that fires inside its own event loop.
// Picks the first series and the given exercise of the plain list, pictures the window
// when asked, and validates.
void choisirPendantOuverture(int exercice, const QString& image)
{
    QTimer::singleShot(PauseMs, [exercice, image] {
        QWidget* choix = fenetreVisible(QStringLiteral("F_choix_exo"));
        cliquerLigne(trouver<QListWidget>(choix, QStringLiteral("ListBox1")), 0);
        cliquerLigne(trouver<QListWidget>(choix, QStringLiteral("ListBox4")), exercice);
        if (!image.isEmpty())
            capturer(choix, image);
        cliquer(choix, QStringLiteral("Button1"));
    });
}

ExerciceLu exerciceChoisi(int tailleCase)
{
    const QString chemin = QDir(DossierExercices.dossier()).filePath(SerieExercice + QLatin1Char('/')
                                                                     + FichierChoisi);
    ResultatLecture lu = LireExercice(chemin);
    if (!lu.Reussi)
        abandonner(chemin + QStringLiteral(" : ") + lu.Erreur);
    ConvertirPourTailleCase(lu.Exercice, tailleCase);
    lu.Exercice.Grille.TailleCase = tailleCase;
    return lu.Exercice;
}

QString boutonOutil(int genre)
{
    switch (genre) {
    case GenreTrait: return QStringLiteral("ModeTrait");
    case GenreRectangle: return QStringLiteral("ModeRect");
    case GenreCercle: return QStringLiteral("ModeEllipse");
    case GenreQuartDeCercle: return QStringLiteral("ModeArc");
    default: return QStringLiteral("ModePeinture");
    }
}

QString boutonCouleur(quint32 couleur)
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
    for (const auto& [valeur, nom] : boutons)
        if (valeur == couleur)
            return nom;
    abandonner(QStringLiteral("couleur sans bouton : ") + QString::number(couleur, 16));
}

void glisser(QWidget* image, QPoint depart, QPoint arrivee)
{
    QTest::mousePress(image, Qt::LeftButton, {}, depart);
    QTest::mouseMove(image, (depart + arrivee) / 2);
    QTest::mouseMove(image, arrivee);
    QTest::mouseRelease(image, Qt::LeftButton, {}, arrivee);
}

// Draws the exact image of the reference figure: outlines first, then the painted areas,
// which need their outlines to stop them.
void dessinerLeSymetrique(QWidget* fenetre, const ExerciceLu& exercice)
{
    QWidget* image = trouver(fenetre, QStringLiteral("Image1"));
    const Quadrillage& grille = exercice.Grille;
    const Figure& figure = exercice.Elements;
    for (bool coloriages : {false, true}) {
        for (int i = 1; i <= figure.NbElements; ++i) {
            const ElementFigure& e = figure[i];
            if (EstColoriage(e.GenreElement) != coloriages)
                continue;
            cliquer(fenetre, boutonOutil(e.GenreElement));
            const QPoint p1 = ImageMiroir(grille, QPoint(e.X1, e.Y1));
            if (coloriages) {
                cliquer(fenetre, boutonCouleur(e.Couleur));
                QTest::mouseClick(image, Qt::LeftButton, {}, p1);
            } else {
                glisser(image, p1, ImageMiroir(grille, QPoint(e.X2, e.Y2)));
            }
        }
    }
    QTest::qWait(PauseMs);
}

// A cell-unit description of one element: kind, two nodes (or a seed cell for a painted
// area, whose seed sits in the middle of that cell) and a colour.
struct Trace {
    int genre;
    int x1, y1, x2, y2;
    quint32 couleur = CouleurNoir;
};

struct Demonstration {
    int numero;
    int typeAxe;
    QList<Trace> traces;
};

// A series to picture when the program folder has none for a type: a small house by a
// vertical axis (with colours for exercise 3), a flag by the descending diagonal, and a
// figure about the centre.
const QList<Demonstration> demonstrations = {
    {2, AxeVertical, {{GenreRectangle, 3, 12, 9, 19}, {GenreTrait, 3, 12, 6, 8},
                      {GenreTrait, 6, 8, 9, 12}, {GenreCercle, 5, 14, 7, 16},
                      {GenreQuartDeCercle, 3, 4, 6, 7}}},
    {3, AxeVertical, {{GenreRectangle, 3, 12, 9, 19}, {GenreTrait, 3, 12, 6, 8},
                      {GenreTrait, 6, 8, 9, 12}, {GenreColoriage, 4, 16, 4, 16, CouleurRouge},
                      {GenreColoriage, 6, 10, 6, 10, CouleurBleu}}},
    {4, AxeObliqueHB, {{GenreRectangle, 3, 14, 7, 20}, {GenreTrait, 2, 6, 2, 12},
                       {GenreTrait, 2, 6, 6, 9}, {GenreTrait, 6, 9, 2, 12},
                       {GenreQuartDeCercle, 9, 22, 12, 19}}},
    {5, AxePoint, {{GenreRectangle, 3, 3, 8, 7}, {GenreTrait, 8, 7, 11, 10},
                   {GenreCercle, 3, 8, 7, 12}, {GenreQuartDeCercle, 9, 3, 11, 5}}},
};

void ecrireDemonstration(const Demonstration& demonstration)
{
    Quadrillage grille;
    grille.TypeAxe = demonstration.typeAxe;
    const int t = grille.TailleCase;
    Figure figure;
    for (const Trace& trace : demonstration.traces) {
        const int milieu = EstColoriage(trace.genre) ? t / 2 : 0;
        figure.Ajouter(ElementDepuisPixels(trace.genre, trace.x1 * t + milieu, trace.y1 * t + milieu,
                                           trace.x2 * t + milieu, trace.y2 * t + milieu,
                                           trace.couleur, t));
    }
    const QString serie = QStringLiteral("Exemples");
    QString erreur;
    if (!QDir().mkpath(serie)
        || !EcrireExercice(QStringLiteral("%1/Exemple.ex%2").arg(serie).arg(demonstration.numero),
                           grille, figure, {demonstration.numero, 0, false}, &erreur))
        abandonner(QStringLiteral("exemple impossible à écrire : ") + erreur);
}

void completerLesSeries()
{
    for (const Demonstration& demonstration : demonstrations) {
        const QString masque = QStringLiteral("*.ex%1").arg(demonstration.numero);
        if (SeriesDuDossier(QDir::currentPath(), masque).isEmpty())
            ecrireDemonstration(demonstration);
    }
}

struct Exercice {
    int numero;
    QString bouton; // of the main menu
    int ligne;      // exercise of the first series
};

void jouerEtCapturer(QWidget* menu, const Exercice& exercice, const QString& imageChoix)
{
    cliquer(menu, exercice.bouton);
    QWidget* jeu = fenetreVisible(QStringLiteral("F_Jeu_Lignes_Autour"));
    choisirPendantOuverture(exercice.ligne, imageChoix);
    cliquer(jeu, QStringLiteral("BoutonNouveau"));
    dessinerLeSymetrique(jeu, exerciceChoisi(QuadrillageCommun.TailleCase));
    cliquer(jeu, QStringLiteral("BoutonCorrection"));
    // The picture shows a success; anything else means the drawing above went wrong.
    const QString resultat = trouver<QLabel>(jeu, QStringLiteral("LabelResultat"))->text();
    if (resultat != QStringLiteral("Juste"))
        abandonner(QStringLiteral("l'exercice %1 donne « %2 »").arg(exercice.numero).arg(resultat));
    capturer(jeu, QStringLiteral("exercice%1.png").arg(exercice.numero));
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
    choisirPendantOuverture(1, QString());
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

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 3)
        abandonner(QStringLiteral("usage : orvane_captures DOSSIER_PROGRAMME DOSSIER_IMAGES"));
    dossierImages = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    if (!QDir().mkpath(dossierImages) || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        abandonner(QStringLiteral("dossiers inutilisables"));
    // A window that never opens must not hold the script forever.
    QTimer::singleShot(180000, [] { abandonner(QStringLiteral("délai dépassé")); });

    completerLesSeries();
    const auto programme = CreerProgramme();
    QWidget* menu = programme->menu.get();
    menu->showMaximized();
    QTest::qWait(2 * PauseMs);
    capturer(menu, QStringLiteral("menu.png"));
    capturerExercice1(menu);
    const QList<Exercice> exercices = {
        {2, QStringLiteral("BoutonJL"), 1},
        {3, QStringLiteral("BoutonJLC"), 2},
        {4, QStringLiteral("Bouton_Autour"), 3},
        {5, QStringLiteral("Bouton_Point"), 2},
    };
    for (const Exercice& exercice : exercices)
        jouerEtCapturer(menu, exercice,
                        exercice.numero == 2 ? QStringLiteral("choix.png") : QString());
    capturerEditeur(menu);
    return 0;
}
