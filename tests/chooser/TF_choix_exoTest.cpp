#include "Bilans.h"
#include "Dossiers.h"
#include "Rtf.h"
#include "SupportEleves.h"
#include "TF_choix_exo.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray enTete(qint32 tailleCase, qint32 colonnes, qint32 lignes)
{
    return motsExercice({202, 1, 1, tailleCase, colonnes, lignes, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

QByteArray exerciceSimple()
{
    return enTete(20, 20, 20) + motsExercice({1, 2, 2, 5, 5, 0});
}

class Choix : public TestEleves {
protected:
    TF_choix_exo fenetre{contexte};

    Choix()
    {
        contexte.numeroExercice = 2;
        fenetre.preparer(dossierExercices(), false);
    }

    template <typename T> T* controle(const char* nom)
    {
        T* trouve = fenetre.findChild<T*>(QString::fromLatin1(nom));
        EXPECT_NE(trouve, nullptr) << nom;
        return trouve;
    }
    QListWidget* liste(const char* nom) { return controle<QListWidget>(nom); }
    QPushButton* bouton(const char* nom) { return controle<QPushButton>(nom); }
    QImage& image() { return controle<ImageApercu>("Image1")->image(); }

    void fichier(const QString& serie, const QString& nom, const QByteArray& contenu = exerciceSimple())
    {
        QDir(dossierExercices()).mkpath(serie);
        ecrire(QDir(dossierExercices()).filePath(serie + QLatin1Char('/') + nom), contenu);
    }

    void cliquer(const char* nomListe, const QString& texte) { cliquerItem(liste(nomListe), texte); }

    void ouvrir()
    {
        fenetre.show();
        QApplication::processEvents();
    }
};

TEST_F(Choix, SeulesLesSeriesVisiblesQuiOntDesFichiersDuTypeSontListees)
{
    fichier(QStringLiteral("Série 1"), QStringLiteral("Ex05.ex2"));
    fichier(QStringLiteral("Série 1"), QStringLiteral("Ex07.EX2"));
    fichier(QStringLiteral("autre"), QStringLiteral("A.ex4"));
    fichier(QStringLiteral(".cachee"), QStringLiteral("B.ex2"));
    fichier(QStringLiteral("avant"), QStringLiteral("C.ex2"));
    QDir(dossierExercices()).mkdir(QStringLiteral("vide"));
    ecrire(QDir(dossierExercices()).filePath(QStringLiteral("racine.ex2")), exerciceSimple());
    ouvrir();
    EXPECT_EQ(textesListe(liste("ListBox1")), (QStringList{QStringLiteral("avant"), QStringLiteral("Série 1")}));
    EXPECT_FALSE(bouton("Button1")->isEnabled());
    EXPECT_FALSE(bouton("SpeedButton1")->isVisible());
    EXPECT_TRUE(CompterSeries(dossierExercices(), 2));
    EXPECT_FALSE(CompterSeries(dossierExercices(), 3));
    EXPECT_TRUE(CompterSeries(dossierExercices(), 4));
}

TEST_F(Choix, UnElevesuiviVoitSesReussisEtSesExercicesAFaire)
{
    contexte.suiviEleve = true;
    contexte.nomEleve = QStringLiteral("Zoé");
    contexte.nomClasse = QStringLiteral("CM1");
    ecrire(bilan(nomBilan()),
           documentRtf({QStringLiteral("Série 1\\Ex05"), QStringLiteral("série 1\\ex09")}));
    for (const char* nom : {"Ex07.ex2", "Ex05.ex2", "Ex09.ex2", "ex01.ex2"})
        fichier(QStringLiteral("Série 1"), QString::fromLatin1(nom));
    ouvrir();
    EXPECT_TRUE(controle<QWidget>("Panel_exos1")->isVisible());
    EXPECT_FALSE(liste("ListBox4")->isVisible());
    cliquer("ListBox1", QStringLiteral("Série 1"));
    EXPECT_EQ(textesListe(liste("ListBox2")), QStringList{QStringLiteral("Ex05")});
    EXPECT_EQ(textesListe(liste("ListBox3")),
              (QStringList{QStringLiteral("ex01"), QStringLiteral("Ex07"), QStringLiteral("Ex09")}))
        << "sorted without regard to case; a record in other letter case is not a success";

    cliquer("ListBox2", QStringLiteral("Ex05"));
    EXPECT_TRUE(bouton("Button1")->isEnabled());
    EXPECT_EQ(fenetre.choisi().Fichier, QStringLiteral("Ex05.ex2"));
    EXPECT_EQ(fenetre.choisi().Serie, QStringLiteral("Série 1"));
    EXPECT_EQ(fenetre.choisi().LigneBilan, QStringLiteral("Série 1\\Ex05"));
}

TEST_F(Choix, LEditeurMontreLaListeSimpleSansLireLeBilanDuDernierEleve)
{
    contexte.suiviEleve = true;
    contexte.nomEleve = QStringLiteral("Zoé");
    // A results file that cannot be read would be reported if it were read.
    QDir(dossierBilans()).mkdir(nomBilan());
    fichier(QStringLiteral("Série 1"), QStringLiteral("Ex05.ex2"));
    fenetre.preparer(dossierExercices(), true);
    ouvrir();
    EXPECT_FALSE(controle<QWidget>("Panel_exos1")->isVisible());
    EXPECT_TRUE(liste("ListBox4")->isVisible());
    EXPECT_FALSE(bouton("BoutonHasard")->isVisible()) << "the editor opens a code from its own menu";
    cliquer("ListBox1", QStringLiteral("Série 1"));
    EXPECT_EQ(textesListe(liste("ListBox4")), QStringList{QStringLiteral("Ex05")});
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(Choix, EnEntrainementLaListeSuitLOrdreDuDossier)
{
    for (const char* nom : {"Ex07.ex2", "Ex05.ex2", "Zz.ex2", "aa.ex2"})
        fichier(QStringLiteral("Série 1"), QString::fromLatin1(nom));
    ouvrir();
    EXPECT_FALSE(controle<QWidget>("Panel_exos1")->isVisible());
    EXPECT_TRUE(liste("ListBox4")->isVisible());
    cliquer("ListBox1", QStringLiteral("Série 1"));
    QStringList attendu;
    for (const EntreeDossier& e : listerDossier(QDir(dossierExercices()).filePath(QStringLiteral("Série 1")), QStringLiteral("*.ex2")))
        attendu.append(e.nom.chopped(4));
    EXPECT_EQ(textesListe(liste("ListBox4")), attendu);

    cliquer("ListBox4", QStringLiteral("Ex07"));
    EXPECT_EQ(fenetre.choisi().Extension, QStringLiteral(".ex2"));
    QTest::mouseClick(bouton("Button1"), Qt::LeftButton);
    EXPECT_EQ(fenetre.result(), QDialog::Accepted);
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(fenetre.choisi().Fichier, QStringLiteral("Ex07.ex2"));
}

TEST_F(Choix, UnNomAPointsPerdSeulementSonExtension)
{
    fichier(QStringLiteral("Série"), QStringLiteral("Ex.1.ex2"));
    ouvrir();
    cliquer("ListBox1", QStringLiteral("Série"));
    EXPECT_EQ(textesListe(liste("ListBox4")), QStringList{QStringLiteral("Ex.1")});
    cliquer("ListBox4", QStringLiteral("Ex.1"));
    EXPECT_EQ(fenetre.choisi().Fichier, QStringLiteral("Ex.1.ex2"));
    EXPECT_EQ(fenetre.choisi().LigneBilan, QStringLiteral("Série\\Ex.1"));
}

TEST_F(Choix, UnClicSurUneAutreSerieOublieLeChoixPrecedent)
{
    fichier(QStringLiteral("A"), QStringLiteral("Ex01.ex2"));
    fichier(QStringLiteral("B"), QStringLiteral("Ex02.ex2"));
    ouvrir();
    cliquer("ListBox1", QStringLiteral("A"));
    cliquer("ListBox4", QStringLiteral("Ex01"));
    ASSERT_TRUE(bouton("Button1")->isEnabled());
    cliquer("ListBox1", QStringLiteral("B"));
    EXPECT_EQ(fenetre.serieChoisie(), QStringLiteral("B"));
    EXPECT_TRUE(fenetre.choisi().estVide());
    EXPECT_FALSE(bouton("Button1")->isEnabled());
    EXPECT_EQ(textesListe(liste("ListBox4")), QStringList{QStringLiteral("Ex02")});
}

TEST_F(Choix, AnnulerEtEchapOublientLeChoix)
{
    fichier(QStringLiteral("A"), QStringLiteral("Ex01.ex2"));
    for (bool parEchap : {false, true}) {
        ouvrir();
        cliquer("ListBox1", QStringLiteral("A"));
        cliquer("ListBox4", QStringLiteral("Ex01"));
        if (parEchap)
            QTest::keyClick(&fenetre, Qt::Key_Escape);
        else
            QTest::mouseClick(bouton("Button2"), Qt::LeftButton);
        EXPECT_EQ(fenetre.result(), QDialog::Rejected);
        EXPECT_FALSE(fenetre.isVisible());
        EXPECT_TRUE(fenetre.choisi().estVide());
        EXPECT_EQ(fenetre.serieChoisie(), QString());
    }
}

TEST_F(Choix, TousLesFichiersPourLEditeur)
{
    fenetre.preparer(dossierExercices(), true);
    fichier(QStringLiteral("Deux"), QStringLiteral("Ex01.ex2"));
    fichier(QStringLiteral("Melange"), QStringLiteral("Ex01.ex4"));
    fichier(QStringLiteral("Melange"), QStringLiteral("Ex02.ex3"));
    fichier(QStringLiteral("Autre"), QStringLiteral("notes.exercice"));
    ouvrir();
    QPushButton* tous = bouton("SpeedButton1");
    EXPECT_TRUE(tous->isVisible());
    EXPECT_EQ(tous->text(), QStringLiteral("Tous les fichiers"));
    EXPECT_EQ(textesListe(liste("ListBox1")), QStringList{QStringLiteral("Deux")});

    QTest::mouseClick(tous, Qt::LeftButton);
    EXPECT_EQ(tous->text(), QStringLiteral("Exercices 2"));
    EXPECT_EQ(textesListe(liste("ListBox1")),
              (QStringList{QStringLiteral("Autre"), QStringLiteral("Deux"), QStringLiteral("Melange")}));
    cliquer("ListBox1", QStringLiteral("Melange"));
    // Each listed name keeps its own file, whatever the last file listed was.
    cliquer("ListBox4", QStringLiteral("Ex01"));
    EXPECT_EQ(fenetre.choisi().Fichier, QStringLiteral("Ex01.ex4"));
    EXPECT_EQ(fenetre.choisi().Extension, QStringLiteral(".ex4"));
    cliquer("ListBox4", QStringLiteral("Ex02"));
    EXPECT_EQ(fenetre.choisi().Fichier, QStringLiteral("Ex02.ex3"));
    cliquer("ListBox1", QStringLiteral("Autre"));
    cliquer("ListBox4", QStringLiteral("notes"));
    EXPECT_EQ(fenetre.choisi().Fichier, QStringLiteral("notes.exercice"));
    EXPECT_EQ(fenetre.choisi().Extension, QStringLiteral(".exe"));

    QTest::mouseClick(tous, Qt::LeftButton);
    EXPECT_EQ(tous->text(), QStringLiteral("Tous les fichiers"));
    EXPECT_EQ(textesListe(liste("ListBox1")), QStringList{QStringLiteral("Deux")});
}

// At design size the reference strip is 250 pixels wide.
TEST_F(Choix, TailleDesCasesDeLApercu)
{
    ASSERT_EQ(controle<QWidget>("Panel_Etalon")->width(), 250);
    struct Cas {
        int cases, taille, cote;
    };
    for (const Cas& cas : {Cas{20, 12, 244}, Cas{24, 10, 244}, Cas{26, 8, 212}}) {
        fichier(QStringLiteral("S"), QStringLiteral("E%1.ex2").arg(cas.cases),
                enTete(20, cas.cases, cas.cases) + motsExercice({1, 0, 0, 1, 1, 0}));
    }
    ouvrir();
    EXPECT_EQ(fenetre.tailleCaseApercu(), 12);
    EXPECT_EQ(controle<QWidget>("PanelJeu")->size(), QSize(244, 244));
    cliquer("ListBox1", QStringLiteral("S"));
    for (const Cas& cas : {Cas{20, 12, 244}, Cas{24, 10, 244}, Cas{26, 8, 212}}) {
        cliquer("ListBox4", QStringLiteral("E%1").arg(cas.cases));
        EXPECT_EQ(fenetre.tailleCaseApercu(), cas.taille) << cas.cases;
        EXPECT_EQ(controle<QWidget>("PanelJeu")->size(), QSize(cas.cote, cas.cote)) << cas.cases;
        EXPECT_EQ(image().size(), QSize(cas.cote, cas.cote)) << cas.cases;
    }
}

TEST_F(Choix, LApercuDessineGrilleAxeEtFigure)
{
    // A square outline from cell (2, 2) to (6, 6), painted blue inside.
    fichier(QStringLiteral("S"), QStringLiteral("carre.ex2"),
            enTete(20, 20, 20) + motsExercice({2, 2, 2, 6, 6, 0, 6, 3, 3, 10, 10, 0x00FF0000}));
    ouvrir();
    cliquer("ListBox1", QStringLiteral("S"));
    cliquer("ListBox4", QStringLiteral("carre"));
    const QImage& apercu = image();
    EXPECT_EQ(apercu.pixel(50, 50), 0xFF0000FFu) << "painted inside the outline";
    EXPECT_EQ(apercu.pixel(100, 50), 0xFFFFFFFFu) << "white elsewhere";
    EXPECT_EQ(apercu.pixel(12 * 10, 200), 0xFFFF0000u) << "the red axis in the middle";
    EXPECT_EQ(apercu.pixel(12 * 13, 200), 0xFF808080u) << "grey grid lines";
    EXPECT_EQ(apercu.pixel(24, 50), 0xFF000000u) << "the black outline";
}

// The seed of a painted area is stored as its cell and an offset in the writer's cells.
// Here the cell (3, 3) is outlined in black at the preview's 12-pixel cells: an offset of
// 10 of 20 pixels lands inside it; a stored cell size of 0 cannot place the offset and
// puts the seed on the cell's corner, on the outline, where nothing is painted.
TEST_F(Choix, UneTailleDeCaseEnregistreeNulleNeDivisePas)
{
    struct Cas {
        qint32 tailleFichier;
        QRgb interieur;
    };
    for (const Cas& cas : {Cas{20, 0xFF0000FFu}, Cas{0, 0xFFFFFFFFu}}) {
        const QString nom = QStringLiteral("cs%1").arg(cas.tailleFichier);
        fichier(QStringLiteral("S"), nom + QStringLiteral(".ex2"),
                enTete(cas.tailleFichier, 20, 20)
                    + motsExercice({2, 3, 3, 4, 4, 0, 6, 3, 3, 10, 10, 0x00FF0000}));
    }
    ouvrir();
    cliquer("ListBox1", QStringLiteral("S"));
    for (const Cas& cas : {Cas{20, 0xFF0000FFu}, Cas{0, 0xFFFFFFFFu}}) {
        cliquer("ListBox4", QStringLiteral("cs%1").arg(cas.tailleFichier));
        EXPECT_EQ(image().pixel(42, 42), cas.interieur) << cas.tailleFichier;
        EXPECT_EQ(image().pixel(36, 36), 0xFF000000u) << cas.tailleFichier;
    }
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(Choix, UnExerciceSansElementLaisseLApercuBlanc)
{
    fichier(QStringLiteral("S"), QStringLiteral("plein.ex2"));
    fichier(QStringLiteral("S"), QStringLiteral("vide.ex2"), enTete(20, 20, 20));
    ouvrir();
    cliquer("ListBox1", QStringLiteral("S"));
    const QImage blanc = image();
    EXPECT_EQ(blanc.pixel(0, 0), 0xFF000000u) << "the thin border at the picture's edge";
    EXPECT_EQ(blanc.pixel(100, 100), 0xFFFFFFFFu);
    cliquer("ListBox4", QStringLiteral("vide"));
    EXPECT_EQ(image(), blanc);
    cliquer("ListBox4", QStringLiteral("plein"));
    EXPECT_NE(image(), blanc);
    // A new series clears the preview again.
    cliquer("ListBox1", QStringLiteral("S"));
    EXPECT_EQ(image(), blanc);
}

TEST_F(Choix, UnFichierAbimeEstSignaleEtLApercuResteCommeIlEtait)
{
    fichier(QStringLiteral("S"), QStringLiteral("court.ex2"), motsExercice({202, 1, 1}));
    fichier(QStringLiteral("S"), QStringLiteral("sanscolonne.ex2"),
            enTete(20, 0, 20) + motsExercice({1, 0, 0, 1, 1, 0}));
    fichier(QStringLiteral("S"), QStringLiteral("immense.ex2"),
            enTete(20, 20, 2000000000) + motsExercice({1, 0, 0, 1, 1, 0}));
    ouvrir();
    cliquer("ListBox1", QStringLiteral("S"));
    const QImage avant = image();
    for (const char* nom : {"court", "sanscolonne", "immense"}) {
        dialogues.messages.clear();
        cliquer("ListBox4", QString::fromLatin1(nom));
        EXPECT_EQ(dialogues.messages.size(), 1) << nom;
        EXPECT_EQ(image(), avant) << nom;
    }
}

// Real mouse events: the press makes the item current before it selects it, then the release
// clicks it. A results file that cannot be read is reported once per series listed.
TEST_F(Choix, UnVraiClicOuUneToucheLanceLeTraitementUneFois)
{
    contexte.suiviEleve = true;
    contexte.nomEleve = QStringLiteral("Zoé");
    contexte.nomClasse = QStringLiteral("CM1");
    ASSERT_TRUE(QDir(dossierBilans()).mkdir(nomBilan()));
    for (const char* serie : {"S", "T", "U"})
        fichier(QString::fromLatin1(serie), QStringLiteral("Ex01.ex2"));
    ouvrir();
    QApplication::setActiveWindow(&fenetre);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));
    QListWidget* series = liste("ListBox1");
    const auto clic = [series](int ligne) {
        QTest::mouseClick(series->viewport(), Qt::LeftButton, {}, series->visualItemRect(series->item(ligne)).center());
    };
    clic(0);
    EXPECT_EQ(dialogues.messages.size(), 1);
    clic(1);
    EXPECT_EQ(dialogues.messages.size(), 2) << "a click on another series";
    clic(1);
    EXPECT_EQ(dialogues.messages.size(), 3) << "a click on the current series";
    QTest::keyClick(series, Qt::Key_Down);
    EXPECT_EQ(dialogues.messages.size(), 4) << "the keyboard onto the next series";
    EXPECT_EQ(series->currentRow(), 2);
    EXPECT_EQ(textesListe(liste("ListBox3")), QStringList{QStringLiteral("Ex01")});
}

// "Au hasard" starts at the pupil's highest level for the type (the first in training); the
// lines of the levels mark no exercise done; a series clicked afterwards replaces the exercise.
TEST_F(Choix, AuHasardCommenceAuNiveauDeLEleveEtSesLignesNeMarquentRien)
{
    contexte.nomEleve = QStringLiteral("Zoé");
    contexte.nomClasse = QStringLiteral("CM1");
    ecrire(bilan(nomBilan()), documentRtf({QStringLiteral("Série 1\\Ex05"), LigneHasard(2, 1), LigneHasard(2, 3),
                                           LigneHasard(4, 5), QStringLiteral("Au hasard 2\\Niveau 9")}));
    fichier(QStringLiteral("Série 1"), QStringLiteral("Ex05.ex2"));
    fichier(QStringLiteral("Série 1"), QStringLiteral("Ex07.ex2"));
    fenetre.fixerSourceGraine([] { return 8271u; });
    for (bool suivi : {true, false}) {
        contexte.suiviEleve = suivi;
        ouvrir();
        if (suivi) {
            cliquer("ListBox1", QStringLiteral("Série 1"));
            EXPECT_EQ(textesListe(liste("ListBox2")), QStringList{QStringLiteral("Ex05")});
            EXPECT_EQ(textesListe(liste("ListBox3")), QStringList{QStringLiteral("Ex07")});
        }
        const int niveau = suivi ? 3 : 1;
        QTest::mouseClick(bouton("BoutonHasard"), Qt::LeftButton);
        ASSERT_TRUE(fenetre.choisi().Code) << suivi;
        EXPECT_EQ(*fenetre.choisi().Code, (CodeExercice{2, niveau, 8271})) << suivi;
        EXPECT_EQ(fenetre.choisi().LigneBilan, LigneHasard(2, niveau));
        EXPECT_TRUE(bouton("Button1")->isEnabled());
        EXPECT_NE(image().pixel(120, 40), 0xFFFFFFFFu) << "the preview shows the figure";

        cliquer("ListBox1", QStringLiteral("Série 1"));
        EXPECT_FALSE(controle<QWidget>("Panel_hasard")->isVisible());
        EXPECT_TRUE(fenetre.choisi().estVide());
        fenetre.hide();
    }
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

// A code typed in opens that very exercise of the player's type; anything else is said,
// and "Valider" does not open the code before.
TEST_F(Choix, UnCodeTapeOuvreCetExerciceOuDitPourquoiPas)
{
    const struct {
        const char* tape;
        std::optional<CodeExercice> code;
        const char* message;
    } cas[] = {
        {" 2 - 6 - 99999 ", CodeExercice{2, 6, 99999}, ""},
        {"4-3-8271", std::nullopt, "Le code 4-3-8271 est celui d'un exercice n°4 : ouvre-le depuis le jeu n°4."},
    };
    ouvrir();
    auto* code = controle<QLineEdit>("EditCode");
    for (const auto& c : cas) {
        dialogues.messages.clear();
        code->setText(QString::fromUtf8(c.tape));
        code->setFocus();
        QTest::keyClick(code, Qt::Key_Return);
        EXPECT_TRUE(fenetre.isVisible()) << c.tape << ": Enter opens the code, not Valider";
        EXPECT_EQ(fenetre.choisi().Code, c.code) << c.tape;
        EXPECT_EQ(bouton("Button1")->isEnabled(), c.code.has_value()) << c.tape;
        EXPECT_EQ(dialogues.textes(), c.code ? QStringList() : QStringList{QString::fromUtf8(c.message)}) << c.tape;
    }
}

TEST_F(Choix, F1OuvreLeSommaireDeLAide)
{
    ouvrir();
    QTest::keyClick(&fenetre, Qt::Key_F1);
    EXPECT_EQ(dialogues.aides, QStringList{QStringLiteral("aide_orvane.chm")});
}

// A pupil whose class has a path, through the real window.
class ChoixParcours : public Choix {
protected:
    ChoixParcours()
    {
        contexte.numeroExercice = 4;
        contexte.suiviEleve = true;
        contexte.nomEleve = QStringLiteral("Zoé");
        contexte.nomClasse = QStringLiteral("CM1");
        for (const char* chemin : {"Série 1/Ex01.ex4", "Série 1/Ex02.ex4", "Série 2/Ex01.ex4", "Autre/A.ex4"})
            fichier(QString::fromUtf8(chemin).section(u'/', 0, 0), QString::fromUtf8(chemin).section(u'/', 1),
                    QByteArray(60, '\0'));
        fenetre.fixerSourceGraine([] { return 42u; });
    }

    void parcours(bool autres, const QByteArray& brut = {})
    {
        const ParcoursClasse p{{etapeSerie(4, QStringLiteral("Série 1")), etapeNiveau(4, 1, 2),
                                etapeSerie(4, QStringLiteral("Série 2"))},
                               autres};
        ecrire(programme.fichier(NomFichierParcours(QStringLiteral("CM1"))),
               brut.isEmpty() ? ContenuParcours(p, QStringLiteral("CM1")) : brut);
    }
    void reussis(const QStringList& lignes) { ecrire(bilan(nomBilan()), documentRtf(lignes)); }
    void ouvrirParcours()
    {
        fenetre.preparer(dossierExercices(), false);
        ouvrir();
    }
    QString texte(const char* nom) { return controle<QLabel>(nom)->text(); }
    bool ouvrable(int etape) { return liste("ListeParcours")->item(etape)->flags() & Qt::ItemIsEnabled; }
};

TEST_F(ChoixParcours, LeChoixSOuvreSurLEtapeCouranteEtContinuerDonneLExerciceSuivant)
{
    parcours(false);
    reussis({QStringLiteral("Série 1\\Ex01")});
    ouvrirParcours();
    EXPECT_EQ(textesListe(liste("ListeParcours")),
              (QStringList{QStringLiteral("➜ 1. Série 1 1/2"), QStringLiteral("  2. niveau 1 au hasard"),
                           QStringLiteral("  3. Série 2")}));
    EXPECT_TRUE(ouvrable(0));
    EXPECT_FALSE(ouvrable(1)) << "a step to come stays closed while the pupils keep to the path";
    EXPECT_EQ(textesListe(liste("ListBox3")), QStringList{QStringLiteral("Ex02")});
    EXPECT_FALSE(liste("ListBox1")->isVisible());

    controle<QPushButton>("BoutonContinuer")->click();
    EXPECT_EQ(fenetre.choisi().LigneBilan, QStringLiteral("Série 1\\Ex02"));
}

TEST_F(ChoixParcours, UneEtapeDeNiveauDonneUnExerciceDeCeNiveauEtLesAutresRestentOuverts)
{
    parcours(true);
    reussis({QStringLiteral("Série 1\\Ex01"), QStringLiteral("Série 1\\Ex02")});
    ouvrirParcours();
    EXPECT_EQ(liste("ListeParcours")->item(0)->text(), QStringLiteral("✓ 1. Série 1"));
    EXPECT_EQ(fenetre.choisi().Code, (CodeExercice{4, 1, 42}));
    EXPECT_TRUE(fenetre.choisi().DuParcours) << "the level stays the path's";
    EXPECT_TRUE(ouvrable(2));
    EXPECT_TRUE(liste("ListBox1")->isVisible());
    cliquerItem(liste("ListeParcours"), QStringLiteral("  3. Série 2"));
    EXPECT_EQ(fenetre.serieChoisie(), QStringLiteral("Série 2"));
    EXPECT_FALSE(fenetre.choisi().Code);
}

TEST_F(ChoixParcours, UneEtapeDUnAutreExerciceOuUnParcoursIllisibleSontDits)
{
    parcours(false);
    contexte.numeroExercice = 2;
    ouvrirParcours();
    EXPECT_TRUE(texte("LabelParcours").contains(QStringLiteral("dans l'exercice 4")));
    EXPECT_FALSE(controle<QWidget>("BoutonContinuer")->isEnabled());
    EXPECT_FALSE(ouvrable(0));
    fenetre.hide();

    // A path file edited into nonsense: the pupil is told, and chooses as without a path.
    contexte.numeroExercice = 4;
    parcours(false, "Parcours de Zoé : la série 1\n");
    ouvrirParcours();
    EXPECT_TRUE(texte("consigne").startsWith(QStringLiteral("Le parcours de ta classe est illisible")));
    EXPECT_FALSE(liste("ListeParcours")->isVisible());
    EXPECT_EQ(textesListe(liste("ListBox1")),
              (QStringList{QStringLiteral("Autre"), QStringLiteral("Série 1"), QStringLiteral("Série 2")}));
}

} // namespace
