#include "MondeJeu.h"

#include "ChoixExercice.h"
#include "Couleurs.h"
#include "Dessin.h"
#include "Contexte.h"
#include "Quadrillage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

struct EtatAttendu {
    bool image1, correction, effacer, outils, nouveau;
    const char* legendeNouveau;
};

void verifierEtat(MondeJeu& monde, const EtatAttendu& e, const char* etat)
{
    EXPECT_EQ(monde.active(QStringLiteral("Image1")), e.image1) << etat;
    EXPECT_EQ(monde.active(QStringLiteral("BoutonCorrection")), e.correction) << etat;
    EXPECT_EQ(monde.active(QStringLiteral("BoutonEffacer")), e.effacer) << etat;
    EXPECT_EQ(monde.active(QStringLiteral("BoutonEffacer1L")), e.effacer) << etat;
    EXPECT_EQ(monde.active(QStringLiteral("PanelOutils")), e.outils) << etat;
    EXPECT_EQ(monde.active(QStringLiteral("BoutonNouveau")), e.nouveau) << etat;
    EXPECT_EQ(monde.bouton(QStringLiteral("BoutonNouveau"))->text(),
              QString::fromUtf8(e.legendeNouveau))
        << etat;
}

const EtatAttendu Attente = { false, false, false, true, true, "Commencer" };
const EtatAttendu SansExercice = { false, false, false, false, true, "Nouveau" };
const EtatAttendu EnJeu = { true, true, true, true, false, "Nouveau" };

QByteArray motLE(qint32 mot)
{
    char tampon[4];
    qToLittleEndian(mot, tampon);
    return QByteArray(tampon, 4);
}

QByteArray unTrait(int numero = 2, int nbCases = 24)
{
    return ContenuFichier(numero, AxeVertical, nbCases, 20, { { GenreTrait, 3, 2, 9, 8 } });
}

TEST(OuvertureJeu, EachExerciseShowsItsCaptionToolsAndAxis)
{
    struct Cas {
        int numero;
        const char* legende;
        bool peinture;
    };
    const Cas cas[] = {
        { 2, "Jeu n°2 : Lignes", false },
        { 3, "Jeu n°3 : Lignes et couleurs", true },
        { 4, "Jeu n°4 : Orvane autour de l'axe", false },
        { 5, "Jeu n°5 : Orvane par rapport à un point", false },
    };
    for (const Cas& c : cas) {
        MondeJeu monde(c.numero);
        EXPECT_EQ(monde.jeu().windowTitle(), QString::fromUtf8(c.legende));
        EXPECT_EQ(!monde.jeu().findChild<QWidget*>(QStringLiteral("ModePeinture"))->isHidden(),
                  c.peinture)
            << c.numero;
        verifierEtat(monde, Attente, c.legende);
        EXPECT_EQ(monde.tailleCase(), 20);
        EXPECT_EQ(monde.jeu().findChild<QWidget*>(QStringLiteral("PanelJeu"))->size(),
                  QSize(484, 484));
        const quint32 centre = CouleurPixel(monde.jeu().image(), 240, 241);
        const quint32 dessus = CouleurPixel(monde.jeu().image(), 241, 10);
        EXPECT_EQ(centre, CouleurRougeAxe) << c.legende;
        EXPECT_EQ(dessus == CouleurRougeAxe, c.numero != 5) << c.legende << ": an axis or a point";
        EXPECT_EQ(monde.resultat(), QString());
    }
}

TEST(OuvertureJeu, EveryOpeningStartsAfresh)
{
    MondeJeu monde(2);
    monde.charger(unTrait());
    monde.tracerNoeuds({ 15, 2 }, { 21, 8 });
    monde.cliquer(QStringLiteral("SpeedButton2"));
    auto* tenue = monde.jeu().findChild<TenirGeometrie*>(QStringLiteral("Timer1"));
    EXPECT_TRUE(tenue->actif());
    QSignalSpy fermee(&monde.jeu(), &FenetreNonModale::fermee);
    monde.cliquer(QStringLiteral("BoutonQuitter"));
    EXPECT_EQ(fermee.count(), 1);
    EXPECT_FALSE(monde.jeu().isVisible());
    EXPECT_FALSE(tenue->actif());

    monde.jeu().show();
    verifierEtat(monde, Attente, "reopened");
    EXPECT_EQ(monde.jeu().figureEleve().NbElements, 0);
    EXPECT_EQ(monde.jeu().figureReference().NbElements, 0);
    EXPECT_FALSE(monde.jeu().modeGomme());
    const auto* marqueur = monde.jeu().findChild<QWidget*>(QStringLiteral("Marqueur1"));
    EXPECT_FALSE(marqueur && marqueur->isVisible());
}

TEST(OuvertureJeu, NothingCanBeDrawnBeforeTheFirstExercise)
{
    MondeJeu monde(2);
    monde.cliquer(QStringLiteral("SpeedButton2"));
    monde.cliquer(QStringLiteral("ModeRect"));
    EXPECT_FALSE(monde.active(QStringLiteral("Image1")));
    monde.cliquer(QStringLiteral("SpeedButton2"));
    monde.cliquer(QStringLiteral("SpeedButton2"));
    EXPECT_FALSE(monde.active(QStringLiteral("Image1")));
    monde.tracerNoeuds({ 2, 2 }, { 5, 5 });
    EXPECT_EQ(monde.jeu().figureEleve().NbElements, 0);
}

TEST(OuvertureJeu, HelpButtonAndF1OpenTheExercisePage)
{
    MondeJeu monde(4);
    monde.cliquer(QStringLiteral("SpeedButton1"));
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&monde.jeu(), &f1);
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(&monde.jeu(), &f2);
    EXPECT_EQ(monde.dialogues().aides,
              QStringList({ QStringLiteral("aide_orvane.chm::exercice4.htm"),
                            QStringLiteral("aide_orvane.chm::exercice4.htm") }));
}

TEST(ChargementJeu, AChosenExerciseIsShownAndPlayable)
{
    MondeJeu monde(2);
    monde.charger(unTrait());
    verifierEtat(monde, EnJeu, "playing");
    const Figure& ref = monde.jeu().figureReference();
    ASSERT_EQ(ref.NbElements, 1);
    EXPECT_EQ(QRect(QPoint(ref[1].X1, ref[1].Y1), QPoint(ref[1].X2, ref[1].Y2)),
              QRect(QPoint(60, 40), QPoint(180, 160)));
    EXPECT_EQ(CouleurPixel(monde.jeu().image(), 120, 100), CouleurNoir);
    EXPECT_EQ(QDir::currentPath(), monde.contexte().dossierProgramme);
    EXPECT_TRUE(monde.dialogues().messages.isEmpty());
}

TEST(ChargementJeu, CellSizeFollowsTheGridAndSeedsKeepTheirPlaceInTheirCell)
{
    MondeJeu monde(3);
    monde.charger(ContenuFichier(3, AxeVertical, 18, 20,
                                 { { GenreRectangle, 2, 2, 6, 6 },
                                   { GenreColoriage, 3, 4, 10, 6, CouleurRouge } }));
    EXPECT_EQ(monde.tailleCase(), 26);
    EXPECT_EQ(monde.jeu().findChild<QWidget*>(QStringLiteral("PanelJeu"))->size(),
              QSize(472, 472));
    const Figure& ref = monde.jeu().figureReference();
    EXPECT_EQ(QPoint(ref[1].X2, ref[1].Y2), QPoint(156, 156));
    EXPECT_EQ(QPoint(ref[2].X1, ref[2].Y1), QPoint(91, 111));
    EXPECT_EQ(CouleurPixel(monde.jeu().image(), 91, 111), CouleurRouge);
}

TEST(ChargementJeu, OlderFilesStartWithTheAxis)
{
    MondeJeu monde(4);
    QByteArray ancien = unTrait(4);
    ancien.remove(0, 4);         // no EnteteExercice
    ancien.remove(20, 9 * 4);    // no axis words
    ancien.replace(0, 4, motLE(Code(AxeHorizontal)));
    monde.charger(ancien);
    EXPECT_EQ(monde.jeu().grille().TypeAxe, AxeHorizontal);
    EXPECT_EQ(monde.jeu().grille().DecalageAxe, 0);
    EXPECT_EQ(monde.jeu().figureReference().NbElements, 1);
    EXPECT_EQ(CouleurPixel(monde.jeu().image(), 10, 240), CouleurRougeAxe);
}

TEST(ChargementJeu, LeavingTheChooserOrAnEmptyFileGivesTheNoExerciseState)
{
    MondeJeu monde(2);
    EcrireDansExercices(monde.contexte(), QStringLiteral("Série 1/Ex01.ex2"), unTrait());
    ChoisirAuProchainChoix(QString(), QString());
    monde.cliquer(QStringLiteral("BoutonNouveau"));
    verifierEtat(monde, SansExercice, "cancelled");

    monde.charger(ContenuFichier(2, AxeVertical, 24, 20, {}), QStringLiteral("Vide"));
    verifierEtat(monde, SansExercice, "empty file");
    EXPECT_TRUE(monde.dialogues().messages.isEmpty());

    // A shifted axis does not outlive its exercise when the next choice is cancelled.
    monde.charger(ContenuFichier(2, AxeVertical, 24, 20, { { GenreTrait, 3, 2, 9, 8 } }, -2),
                  QStringLiteral("Decale"));
    ASSERT_EQ(monde.jeu().grille().DecalageAxe, -2);
    monde.tracerNoeuds({ 17, 2 }, { 11, 8 });
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    ASSERT_EQ(monde.resultat(), QStringLiteral("Juste"));
    ChoisirAuProchainChoix(QString(), QString());
    monde.cliquer(QStringLiteral("BoutonNouveau"));
    EXPECT_EQ(monde.jeu().grille().DecalageAxe, 0);
    EXPECT_EQ(CouleurPixel(monde.jeu().image(), 12 * monde.jeu().grille().TailleCase, 50),
              CouleurRougeAxe);

    monde.charger(unTrait());
    verifierEtat(monde, EnJeu, "after a real exercise");
}

TEST(ChargementJeu, DamagedOrOversizedFilesAreRefusedWithAMessage)
{
    QVector<MotsElement> beaucoup(256, MotsElement { GenreTrait, 1, 1, 2, 2 });
    QByteArray lignesGeantes = unTrait();
    lignesGeantes.replace(20, 4, motLE(2000000000));
    const QByteArray fichiers[] = {
        unTrait().left(30),                                   // shorter than its header
        ContenuFichier(2, AxeVertical, 24, 20, beaucoup),     // more than 255 elements
        ContenuFichier(2, AxeVertical, 1000, 20, { { GenreTrait, 1, 1, 2, 2 } }),
        lignesGeantes,
    };
    int n = 0;
    for (const QByteArray& contenu : fichiers) {
        MondeJeu monde(2);
        monde.charger(contenu);
        verifierEtat(monde, SansExercice, "refused file");
        // The chooser's preview may have said it first; the player's word is the last.
        ASSERT_FALSE(monde.dialogues().messages.isEmpty()) << "file " << n;
        EXPECT_EQ(monde.dialogues().messages.last().genre, GenreMessage::Avertissement);
        EXPECT_EQ(QDir::currentPath(), monde.contexte().dossierProgramme);
        ++n;
    }
}

TEST(ChargementJeu, FarAwayPointsAreShownAndCheckedWithoutDelay)
{
    MondeJeu monde(2);
    monde.charger(ContenuFichier(2, AxeVertical, 24, 20,
                                 { { GenreTrait, 1, 1, 100000000, 1 },
                                   { GenreCercle, -90000000, 2, 90000000, 3 },
                                   { GenreRectangle, 1, -100000000, 3, 100000000 } }));
    ASSERT_EQ(monde.jeu().figureReference().NbElements, 3);
    QElapsedTimer chrono;
    chrono.start();
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_EQ(monde.resultat(), QStringLiteral("Faux"));
    EXPECT_LT(chrono.elapsed(), 5000);
}

TEST(ChargementJeu, WithoutSeriesTheProgramFolderHoldsTheExercises)
{
    MondeJeu monde(5);
    QDir(monde.dossier()).mkpath(QStringLiteral("Série P"));
    ASSERT_TRUE(DossierTemporaire::ecrire(QDir(monde.dossier()).filePath(QStringLiteral("Série P/Centre.ex5")),
                                          ContenuFichier(5, AxePoint, 24, 20, { { GenreTrait, 3, 2, 9, 8 } })));
    ChoisirAuProchainChoix(QStringLiteral("Série P"), QStringLiteral("Centre"));
    monde.cliquer(QStringLiteral("BoutonNouveau"));
    EXPECT_EQ(QDir(monde.contexte().dossierExercices.dossier()), QDir(monde.dossier()));
    EXPECT_EQ(monde.jeu().figureReference().NbElements, 1);
}

} // namespace
