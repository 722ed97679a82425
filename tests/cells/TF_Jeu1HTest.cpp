#include "ElementsJeu1.h"
#include "Contexte.h"
#include "TF_Jeu1H.h"
#include "TF_ModifCh1.h"

#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "Saisies.h"
#include "SonsEnregistres.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr quint32 Argent = 0x00C0C0C0;

class FenetreJeu1 : public ::testing::Test {
protected:
    // The hold timer keeps the window where the main window would be.
    void SetUp() override { contexte.geometrieReference = {0, 0, 606, 808}; }

    // Shows the window as the menu does, its generator seeded with graine, and gives
    // back the game that seed draws.
    PartieJeu1 ouvrir(quint32 graine)
    {
        fenetre_->fixerSourceGraine([graine] { return graine; });
        fenetre_->show();
        return partieAttendue(graine);
    }

    // The game drawn from graine.
    PartieJeu1 partieAttendue(quint32 graine)
    {
        QRandomGenerator hasard(graine);
        return TirerPartie(DimensionsPour(contexte.reglages.TailleJeu1, contexte.reglages.NbColoreesJeu1),
                           hasard);
    }

    // The first seed whose game has this orientation at the current size.
    quint32 graineOrientee(bool vertical, bool modeleG)
    {
        for (quint32 graine = 1;; ++graine) {
            const PartieJeu1 p = partieAttendue(graine);
            if (p.axeVertical == vertical && p.modeleCoteG == modeleG)
                return graine;
        }
    }

    void rouvrir(quint32 graine)
    {
        fenetre_->close();
        ouvrir(graine);
    }

    template <typename T = QWidget>
    T* controle(const char* nom) const
    {
        T* w = fenetre_->findChild<T*>(QLatin1String(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }

    CaseJeu1* caseEleve(int k) const
    {
        return fenetre_->modeleCoteG() ? fenetre_->caseD(k) : fenetre_->caseG(k);
    }
    CaseJeu1* caseModele(int k) const
    {
        return fenetre_->modeleCoteG() ? fenetre_->caseG(k) : fenetre_->caseD(k);
    }

    BoutonCrayon* crayonDeCouleur(quint32 couleur) const
    {
        const auto crayons = fenetre_->findChildren<BoutonCrayon*>();
        for (BoutonCrayon* c : crayons)
            if (TableCouleurs[c->numeroCouleur()] == couleur)
                return c;
        return nullptr;
    }
    BoutonCrayon* crayonPresse() const
    {
        const auto crayons = fenetre_->findChildren<BoutonCrayon*>();
        BoutonCrayon* presse = nullptr;
        for (BoutonCrayon* c : crayons) {
            if (c->isChecked()) {
                EXPECT_EQ(presse, nullptr) << "two pencils down";
                presse = c;
            }
        }
        return presse;
    }

    static void cliquer(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    void colorier(int k, quint32 couleur)
    {
        cliquer(crayonDeCouleur(couleur));
        cliquer(caseEleve(k));
    }

    // Colours the pupil's side exactly as the model, pencil by pencil.
    void reproduireModele()
    {
        for (int k = 1; k <= fenetre_->dimensions().NbCasesCote; ++k)
            if (!caseModele(k)->vide())
                colorier(k, caseModele(k)->couleur());
    }

    int casesColorees(bool coteModele) const
    {
        int n = 0;
        for (int k = 1; k <= fenetre_->dimensions().NbCasesCote; ++k)
            n += !(coteModele ? caseModele(k) : caseEleve(k))->vide();
        return n;
    }

    // A pupil cell whose mirror is empty: colouring it is a mistake.
    int caseEleveSansModele() const
    {
        for (int k = 1; k <= fenetre_->dimensions().NbCasesCote; ++k)
            if (caseModele(k)->vide())
                return k;
        return 0;
    }
    int premiereCaseDuModele() const
    {
        for (int k = 1; k <= fenetre_->dimensions().NbCasesCote; ++k)
            if (!caseModele(k)->vide())
                return k;
        return 0;
    }

    void verifier() { cliquer(controle<QPushButton>("BoutonCorrection")); }
    QString resultat() const { return controle<QLabel>("LabelResultat")->text(); }
    QColor couleurResultat() const
    {
        QLabel* label = controle<QLabel>("LabelResultat");
        label->ensurePolished();
        return label->palette().color(QPalette::WindowText);
    }
    bool actif(const char* bouton) const { return controle<QPushButton>(bouton)->isEnabled(); }

    // Runs action on the grid-size dialog once "Modifier les choix" has opened it.
    void modifierLesChoix(const std::function<void(TF_ModifCh1*)>& action)
    {
        bool vu = false;
        QTimer::singleShot(0, [&] {
            const auto fenetres = QApplication::topLevelWidgets();
            for (QWidget* f : fenetres)
                if (auto* d = qobject_cast<TF_ModifCh1*>(f); d && d->isVisible()) {
                    vu = true;
                    action(d);
                    if (d->isVisible())
                        d->reject();
                }
        });
        cliquer(controle<QPushButton>("BoutonModifChoix"));
        EXPECT_TRUE(vu) << "the dialog did not open";
    }
    static void choisir(TF_ModifCh1* d, const char* item)
    {
        d->findChild<QRadioButton*>(QLatin1String(item))->click();
    }

    DialoguesScriptes dialogues_;
    Contexte contexte;
    std::unique_ptr<TF_Jeu1H> fenetre_ = std::make_unique<TF_Jeu1H>(contexte);
};

TEST_F(FenetreJeu1, AxeVerticalTaille1AuxDimensionsDeConception)
{
    const MesureEcran ecran = MesurerEcran();
    ASSERT_DOUBLE_EQ(RapportAdaptation(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce), 1.0)
        << "the offscreen screen keeps the design scale";
    contexte.reglages.TailleJeu1 = 1;
    contexte.reglages.NbColoreesJeu1 = 1;
    ouvrir(graineOrientee(true, false));

    EXPECT_TRUE(fenetre_->axeVertical());
    EXPECT_EQ(controle("PanelExercice")->geometry(), QRect(100, 144, 248, 208));
    EXPECT_EQ(controle("G1")->geometry(), QRect(84, 4, 40, 40));
    EXPECT_EQ(controle("D1")->geometry(), QRect(124, 4, 40, 40));
    EXPECT_EQ(controle("AxeV")->geometry(), QRect(122, 0, 4, 208));
    EXPECT_TRUE(controle("AxeV")->isVisible());
    EXPECT_FALSE(controle("AxeH")->isVisible());
    EXPECT_EQ(controle("PanelMilieu")->geometry(), QRect(21, 43, 765, 497));
}

TEST_F(FenetreJeu1, AUneAutreEchelleLesCasesMesurentG1)
{
    MettreALEchelle(fenetre_.get(), 1.5);
    fenetre_->caseG(7)->resize(61, 59); // as rounding may leave them
    fenetre_->caseD(30)->resize(59, 60);
    contexte.reglages.TailleJeu1 = 1;
    ouvrir(graineOrientee(true, true));

    for (int k = 1; k <= NbCasesMax; ++k) {
        EXPECT_EQ(fenetre_->caseG(k)->size(), QSize(60, 60)) << "G" << k;
        EXPECT_EQ(fenetre_->caseD(k)->size(), QSize(60, 60)) << "D" << k;
    }
    EXPECT_EQ(controle("PanelMilieu")->height(), 746);
    EXPECT_EQ(controle("PanelExercice")->geometry(), QRect(150, 217, 372, 312));
    EXPECT_EQ(controle("G1")->pos(), QPoint(126, 6));
    EXPECT_EQ(controle("D1")->pos(), QPoint(186, 6));
    EXPECT_EQ(controle("AxeV")->geometry(), QRect(183, 0, 6, 312));
}

TEST_F(FenetreJeu1, AxeHorizontalTaille1AuxDimensionsDeConception)
{
    contexte.reglages.TailleJeu1 = 1;
    ouvrir(graineOrientee(false, true));

    EXPECT_FALSE(fenetre_->axeVertical());
    EXPECT_EQ(controle("PanelExercice")->geometry(), QRect(160, 124, 208, 248));
    EXPECT_EQ(controle("G1")->pos(), QPoint(4, 84));
    EXPECT_EQ(controle("D1")->pos(), QPoint(4, 124));
    EXPECT_EQ(controle("G15")->pos(), QPoint(164, 4));
    EXPECT_EQ(controle("AxeH")->geometry(), QRect(0, 122, 208, 4));
    EXPECT_FALSE(controle("AxeV")->isVisible());
}

TEST_F(FenetreJeu1, ChaqueTailleMontreSesCasesEtColorieSonModele)
{
    const int cotes[] = {15, 24, 35, 48};
    const int colorees[4][4] = {{3, 5, 7, 10}, {5, 7, 10, 12}, {7, 10, 15, 20}, {10, 15, 20, 24}};
    for (int taille = 1; taille <= 4; ++taille) {
        for (int choix = 1; choix <= 4; ++choix) {
            contexte.reglages.TailleJeu1 = static_cast<quint8>(taille);
            contexte.reglages.NbColoreesJeu1 = static_cast<quint8>(choix);
            rouvrir(static_cast<quint32>(taille * 10 + choix));
            const int cote = cotes[taille - 1];
            for (int k = 1; k <= NbCasesMax; ++k) {
                EXPECT_EQ(fenetre_->caseG(k)->isVisible(), k <= cote) << taille << "/" << choix << " G" << k;
                EXPECT_EQ(fenetre_->caseD(k)->isVisible(), k <= cote) << taille << "/" << choix << " D" << k;
            }
            EXPECT_EQ(fenetre_->dimensions().NbCasesCote, cote);
            EXPECT_EQ(casesColorees(true), colorees[taille - 1][choix - 1]) << taille << "/" << choix;
            EXPECT_EQ(casesColorees(false), 0) << taille << "/" << choix;
        }
    }
}

TEST_F(FenetreJeu1, LaPartieVientDuGenerateurEtLePremierCrayonEstPresse)
{
    contexte.reglages.TailleJeu1 = 4;
    contexte.reglages.NbColoreesJeu1 = 4;
    for (quint32 graine : {3u, 77u, 2026u}) {
        rouvrir(graine);
        const PartieJeu1 attendue = partieAttendue(graine);
        EXPECT_EQ(fenetre_->axeVertical(), attendue.axeVertical);
        EXPECT_EQ(fenetre_->modeleCoteG(), attendue.modeleCoteG);
        EXPECT_EQ(fenetre_->couleursPartie(), attendue.couleurs);
        std::array<quint32, NbCasesMax + 1> modele{};
        modele.fill(Argent);
        for (int i = 1; i <= attendue.nbModele; ++i)
            modele[attendue.modele[i].numero] = TableCouleurs[attendue.modele[i].couleur];
        for (int k = 1; k <= 48; ++k)
            EXPECT_EQ(caseModele(k)->couleur(), modele[k]) << "graine " << graine << " case " << k;

        const int premiere = attendue.modele[1].couleur;
        EXPECT_EQ(fenetre_->couleurCourante(), TableCouleurs[premiere]);
        ASSERT_NE(crayonPresse(), nullptr);
        EXPECT_EQ(crayonPresse()->numeroCouleur(), premiere);
        EXPECT_TRUE(resultat().isEmpty());
        EXPECT_TRUE(actif("BoutonCorrection"));
        EXPECT_FALSE(actif("BoutonNouveauJeu"));
        EXPECT_TRUE(actif("BoutonModifChoix"));
    }
}

TEST_F(FenetreJeu1, UnMiroirExactEstJusteMemeApresDesEssais)
{
    ouvrir(5);
    const int erreur = caseEleveSansModele();
    colorier(erreur, TableCouleurs[8]);
    EXPECT_FALSE(caseEleve(erreur)->vide());
    EXPECT_FALSE(actif("BoutonModifChoix")) << "the first click on a cell locks the choices";
    cliquer(caseEleve(erreur)); // erased again
    EXPECT_TRUE(caseEleve(erreur)->vide());
    reproduireModele();

    verifier();
    EXPECT_EQ(resultat(), QStringLiteral("Juste"));
    EXPECT_EQ(couleurResultat(), QColor(0x00, 0x80, 0x00));
    EXPECT_TRUE(fenetre_->partieReussie());
    EXPECT_TRUE(actif("BoutonNouveauJeu"));
    EXPECT_TRUE(actif("BoutonModifChoix"));
    EXPECT_FALSE(actif("BoutonCorrection"));
}

// A tap of a finger or of a pen colours a cell as a click does, once: the mouse events a
// system makes from the touch do not empty it again, nor make the instruction speak of the
// mouse. The pen's eraser end only empties.
TEST_F(FenetreJeu1, LeDoigtEtLeStyletColorientUneFoisParToucher)
{
    ouvrir(5);
    std::vector<int> libres;
    for (int k = 1; k <= fenetre_->dimensions().NbCasesCote && libres.size() < 3; ++k)
        if (caseModele(k)->vide())
            libres.push_back(k);
    ASSERT_EQ(libres.size(), 3u);
    for (std::size_t i = 0; i < libres.size(); ++i) {
        const Saisie saisie = Saisies[i];
        CaseJeu1* c = caseEleve(libres[i]);
        Toucher(c, saisie, c->rect().center());
        SourisDuSysteme(c, c->rect().center(), c->rect().center());
        EXPECT_EQ(c->couleur(), fenetre_->couleurCourante()) << NomSaisie(saisie);
    }
    for (int k : libres) {
        Gommer(caseEleve(k), {2, 2});
        EXPECT_TRUE(caseEleve(k)->vide());
    }
    Gommer(caseEleve(libres[0]), {2, 2});
    EXPECT_TRUE(caseEleve(libres[0])->vide()) << "the eraser end never colours";
    EXPECT_EQ(controle<QLabel>("StatusBar1Texte")->text(),
              QStringLiteral("Avec ton doigt, choisis la couleur, puis touche les cases."));
}

TEST_F(FenetreJeu1, UneCaseEnTropOuUneMauvaiseCouleurEstFaux)
{
    ouvrir(8);
    reproduireModele();
    const int enTrop = caseEleveSansModele();
    colorier(enTrop, TableCouleurs[1]);
    verifier();
    EXPECT_EQ(resultat(), QStringLiteral("Faux"));
    EXPECT_EQ(couleurResultat(), QColor(0xFF, 0x00, 0x00));
    EXPECT_FALSE(fenetre_->partieReussie());
    EXPECT_TRUE(actif("BoutonCorrection")) << "the pupil may try again";
    EXPECT_FALSE(actif("BoutonNouveauJeu"));

    cliquer(caseEleve(enTrop));
    const int k = premiereCaseDuModele();
    const quint32 juste = caseModele(k)->couleur();
    cliquer(caseEleve(k));
    colorier(k, juste == TableCouleurs[15] ? TableCouleurs[1] : TableCouleurs[15]);
    verifier();
    EXPECT_EQ(resultat(), QStringLiteral("Faux"));

    cliquer(caseEleve(k));
    colorier(k, juste);
    verifier();
    EXPECT_EQ(resultat(), QStringLiteral("Juste"));
}

TEST_F(FenetreJeu1, ChaqueVerdictASonSonQuandLEnseignantLeDemande)
{
    SonsEnregistres sons;
    contexte.sons = &sons;
    ouvrir(8);
    verifier();
    EXPECT_TRUE(sons.joues.empty()) << "the option is off";
    contexte.retours.JouerSons = 1;
    verifier();
    reproduireModele();
    verifier();
    EXPECT_EQ(sons.joues, (std::vector{Son::Faux, Son::Juste}));
}

TEST_F(FenetreJeu1, FauxSEffaceSeulEtNeRepartPasAChaqueVerification)
{
    ouvrir(9);
    auto* minuterie = controle<QTimer>("Timer2");
    EXPECT_FALSE(minuterie->isActive());
    colorier(caseEleveSansModele(), TableCouleurs[1]);
    verifier();
    EXPECT_TRUE(minuterie->isActive());
    EXPECT_EQ(minuterie->interval(), 5000);
    QTest::qWait(40);
    const int restant = minuterie->remainingTime();
    verifier();
    EXPECT_LE(minuterie->remainingTime(), restant) << "a second Faux does not restart the wait";

    minuterie->setInterval(20);
    QTRY_VERIFY(resultat().isEmpty());
    EXPECT_FALSE(minuterie->isActive());
}

TEST_F(FenetreJeu1, JusteResteAffichApresUnFauxRecent)
{
    ouvrir(10);
    colorier(caseEleveSansModele(), TableCouleurs[1]);
    verifier();
    cliquer(caseEleve(caseEleveSansModele()));
    reproduireModele();
    auto* minuterie = controle<QTimer>("Timer2");
    minuterie->setInterval(20);
    verifier();
    EXPECT_EQ(resultat(), QStringLiteral("Juste"));
    QTest::qWait(80);
    EXPECT_EQ(resultat(), QStringLiteral("Juste"));
}

TEST_F(FenetreJeu1, LeCrayonArgentLaisseLaCaseVideEtToutCrayonEfface)
{
    ouvrir(11);
    const int k = caseEleveSansModele();
    cliquer(controle("BoutonCrayonGris"));
    EXPECT_EQ(fenetre_->couleurCourante(), Argent);
    cliquer(caseEleve(k));
    EXPECT_TRUE(caseEleve(k)->vide());

    cliquer(controle("BoutonCrayonJaune"));
    EXPECT_EQ(fenetre_->couleurCourante(), TableCouleurs[10]);
    cliquer(caseEleve(k));
    EXPECT_EQ(caseEleve(k)->couleur(), TableCouleurs[10]);
    cliquer(controle("BoutonCrayonRouge"));
    cliquer(caseEleve(k));
    EXPECT_TRUE(caseEleve(k)->vide()) << "a coloured cell empties whatever the pencil";
}

TEST_F(FenetreJeu1, LesCasesDuModeleNeChangentPas)
{
    for (bool modeleG : {true, false}) {
        rouvrir(graineOrientee(true, modeleG));
        const int k = premiereCaseDuModele();
        const quint32 avant = caseModele(k)->couleur();
        cliquer(caseModele(k));
        cliquer(caseModele(caseEleveSansModele()));
        EXPECT_EQ(caseModele(k)->couleur(), avant);
        EXPECT_TRUE(caseModele(caseEleveSansModele())->vide());
        EXPECT_FALSE(actif("BoutonModifChoix"));
    }
}

TEST_F(FenetreJeu1, ApresJusteLesCasesSontFigees)
{
    ouvrir(12);
    reproduireModele();
    verifier();
    ASSERT_TRUE(fenetre_->partieReussie());
    const int libre = caseEleveSansModele();
    const int k = premiereCaseDuModele();
    cliquer(caseEleve(libre));
    cliquer(caseEleve(k));
    EXPECT_TRUE(caseEleve(libre)->vide());
    EXPECT_EQ(caseEleve(k)->couleur(), caseModele(k)->couleur());
    EXPECT_FALSE(actif("BoutonModifChoix")) << "any click on a cell still locks the choices";
}

TEST_F(FenetreJeu1, NouveauJeuTireLaPartieSuivante)
{
    ouvrir(13);
    QRandomGenerator hasard(13);
    TirerPartie(fenetre_->dimensions(), hasard);
    const PartieJeu1 suivante = TirerPartie(fenetre_->dimensions(), hasard);
    reproduireModele();
    verifier();
    cliquer(controle("BoutonNouveauJeu"));

    EXPECT_FALSE(fenetre_->partieReussie());
    EXPECT_EQ(fenetre_->couleursPartie(), suivante.couleurs);
    EXPECT_EQ(fenetre_->axeVertical(), suivante.axeVertical);
    EXPECT_TRUE(resultat().isEmpty());
    EXPECT_FALSE(actif("BoutonNouveauJeu"));
    EXPECT_TRUE(actif("BoutonCorrection"));
    EXPECT_EQ(casesColorees(false), 0);
}

TEST_F(FenetreJeu1, ModifierLesChoixEstCacheQuandLesPreferencesLInterdisent)
{
    contexte.reglages.ModifChoixJeu1 = 0;
    ouvrir(1);
    EXPECT_FALSE(controle("BoutonModifChoix")->isVisible());
    contexte.reglages.ModifChoixJeu1 = 1;
    rouvrir(1);
    EXPECT_TRUE(controle("BoutonModifChoix")->isVisible());
}

TEST_F(FenetreJeu1, DesReglagesAbimesDonnentLaTaille3)
{
    contexte.reglages.TailleJeu1 = 9;
    contexte.reglages.NbColoreesJeu1 = 0;
    ouvrir(14);
    EXPECT_EQ(fenetre_->dimensions().NbCasesCote, 35);
    EXPECT_EQ(casesColorees(true), 10);
    EXPECT_EQ(contexte.reglages.TailleJeu1, 3);
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 2);
}

TEST_F(FenetreJeu1, AideParLeBoutonEtF1)
{
    ouvrir(1);
    cliquer(controle("SpeedButton2"));
    QTest::keyClick(fenetre_.get(), Qt::Key_F1);
    const QString page = QStringLiteral("aide_orvane.chm::exercice1.htm");
    EXPECT_EQ(dialogues_.aides, QStringList({page, page}));
}

TEST_F(FenetreJeu1, QuitterFermeEtArreteLeMaintien)
{
    ouvrir(1);
    auto* maintien = fenetre_->findChild<TenirGeometrie*>();
    ASSERT_NE(maintien, nullptr);
    EXPECT_TRUE(maintien->actif());
    QSignalSpy fermee(fenetre_.get(), &FenetreNonModale::fermee);
    cliquer(controle("SpeedButton1"));
    EXPECT_FALSE(fenetre_->isVisible());
    EXPECT_EQ(fermee.count(), 1);
    EXPECT_FALSE(maintien->actif());
}

TEST_F(FenetreJeu1, ChaqueActivationRecommenceEtRelitLeFond)
{
    contexte.imagesChoisies.fixerImage(1, QStringLiteral("aucune"));
    ouvrir(15);
    EXPECT_EQ(contexte.imageFondPanneau(), QStringLiteral("vide"));
    reproduireModele();
    verifier();

    contexte.imagesChoisies.fixerImage(1, QString());
    rouvrir(16);
    EXPECT_EQ(contexte.imageFondPanneau(), QStringLiteral("fond21.bmp"));
    EXPECT_FALSE(fenetre_->partieReussie());
    EXPECT_TRUE(resultat().isEmpty());
    EXPECT_EQ(casesColorees(false), 0);
    EXPECT_EQ(fenetre_->couleursPartie(), partieAttendue(16).couleurs);
}

TEST_F(FenetreJeu1, LeFondChoisiEstRepeteSurLePanneauDuMilieu)
{
    DossierTemporaire dossier;
    QImage motif(16, 16, QImage::Format_RGB32);
    motif.fill(QColor(0x12, 0x34, 0x56));
    ASSERT_TRUE(motif.save(dossier.fichier(QStringLiteral("motif.bmp"))));
    contexte.imagesChoisies.fixerImage(1, QStringLiteral("motif.bmp"));
    ouvrir(19);
    QWidget* milieu = controle("PanelMilieu");
    const QImage vue = milieu->grab().toImage();
    // Far corner of the panel, clear of every control: the tiles reach the edges.
    EXPECT_EQ(vue.pixelColor(vue.width() - 1, vue.height() - 1), QColor(0x12, 0x34, 0x56));

    contexte.imagesChoisies.fixerImage(1, QStringLiteral("aucune"));
    rouvrir(19);
    const QImage sansImage = milieu->grab().toImage();
    EXPECT_NE(sansImage.pixelColor(sansImage.width() - 1, sansImage.height() - 1),
              QColor(0x12, 0x34, 0x56));
}

TEST_F(FenetreJeu1, UnAutreChoixDeTailleCommenceUnePartie)
{
    ouvrir(17);
    modifierLesChoix([](TF_ModifCh1* d) {
        choisir(d, "NbCasesJeu1_1");
        choisir(d, "NbCasesCouleur_1");
        d->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    });
    EXPECT_EQ(contexte.reglages.TailleJeu1, 1);
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 1);
    EXPECT_EQ(fenetre_->dimensions().NbCasesCote, 15);
    EXPECT_EQ(casesColorees(true), 3);
    EXPECT_FALSE(fenetre_->caseG(16)->isVisible());
}

TEST_F(FenetreJeu1, AnnulerOuNeRienChangerGardeLaPartie)
{
    ouvrir(18);
    reproduireModele();
    verifier();
    ASSERT_TRUE(actif("BoutonModifChoix"));

    modifierLesChoix([](TF_ModifCh1* d) {
        choisir(d, "NbCasesJeu1_4");
        choisir(d, "NbCasesCouleur_3");
        choisir(d, "NbCasesJeu1_1");
        d->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    EXPECT_EQ(contexte.reglages.TailleJeu1, 3);
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 2);
    EXPECT_EQ(resultat(), QStringLiteral("Juste")) << "no new game after Annuler";

    modifierLesChoix([](TF_ModifCh1* d) {
        d->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    });
    EXPECT_EQ(resultat(), QStringLiteral("Juste")) << "no new game when nothing changed";
    EXPECT_TRUE(fenetre_->partieReussie());
}

} // namespace

// Without a mouse: pencils by number, Espace on the cell that has the keyboard, the
// arrows from cell to cell, V to check.
TEST_F(FenetreJeu1, UnePartieSeJoueAuClavier)
{
    ouvrir(7);
    for (int k = 1; k <= fenetre_->dimensions().NbCasesCote; ++k) {
        if (caseModele(k)->vide())
            continue;
        const auto crayons = fenetre_->findChildren<BoutonCrayon*>();
        QAbstractButton* crayon = crayonDeCouleur(caseModele(k)->couleur());
        const int rang = int(std::find(crayons.begin(), crayons.end(), crayon) - crayons.begin());
        if (rang < 9) {
            QTest::keyClick(fenetre_.get(), Qt::Key(Qt::Key_1 + rang));
        } else {
            QTest::keyClick(fenetre_.get(), Qt::Key_0);
            for (int i = 9; i < rang; ++i)
                QTest::keyClick(fenetre_.get(), Qt::Key_Plus);
        }
        ASSERT_TRUE(crayon->isChecked()) << "pencil " << rang;
        caseEleve(k)->setFocus();
        QTest::keyClick(caseEleve(k), Qt::Key_Space);
    }
    QTest::keyClick(caseEleve(1), Qt::Key_Right);
    EXPECT_NE(fenetre_->focusWidget(), caseEleve(1)) << "the arrow moves to the next cell";
    QTest::keyClick(fenetre_.get(), Qt::Key_V);
    EXPECT_EQ(resultat(), QStringLiteral("Juste"));
    EXPECT_EQ(controle<QLabel>("StatusBar1Texte")->text(),
              QStringLiteral("Choisis la couleur avec un chiffre, puis colorie les cases avec les flèches et Espace."));
    QTest::mouseClick(caseEleve(1), Qt::LeftButton);
    EXPECT_EQ(controle<QLabel>("StatusBar1Texte")->text(),
              QStringLiteral("Avec la souris, choisis la couleur, puis clique sur les cases."));
}
