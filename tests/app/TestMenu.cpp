#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "Contexte.h"
#include "Operations.h"
#include "OutilsFenetres.h"
#include "TF_Menu.h"
#include "TF_PubN.h"
#include "TF_preferences.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

namespace {
// Stands for the pupil window: gives the name it was told to, then closes.
class EleveFactice : public QDialog {
public:
    explicit EleveFactice(Contexte& contexte) : contexte(contexte) {}
    Contexte& contexte;
    QString reponse;
    int ouvertures = 0;

protected:
    void showEvent(QShowEvent* evenement) override
    {
        QDialog::showEvent(evenement);
        ++ouvertures;
        contexte.nomEleve = reponse;
        QTimer::singleShot(0, this, &QDialog::accept);
    }
};

// Counts how often a modal window was opened.
class ModaleFactice : public QDialog {
public:
    int ouvertures = 0;

protected:
    void showEvent(QShowEvent* evenement) override
    {
        QDialog::showEvent(evenement);
        ++ouvertures;
        QTimer::singleShot(0, this, &QDialog::accept);
    }
};

struct Programme {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Contexte contexte{dossier.chemin()};
    TF_preferences* preferences;
    EleveFactice eleve{contexte};
    ModaleFactice apropos, effaceBilans, listes, fiches, suiviClasse, serieHasard;
    FenetreNonModale jeu1, jeuLignes, dessin;
    std::unique_ptr<TF_Menu> menu;

    Programme()
    {
        menu = std::make_unique<TF_Menu>(contexte);
        preferences = new TF_preferences(contexte, menu.get());
        Fenetres f;
        f.preferences = preferences;
        f.nomEleve = &eleve;
        f.pubN = &apropos;
        f.effaceBilans = &effaceBilans;
        f.fiches = &fiches;
        f.listes = &listes;
        f.suiviClasse = &suiviClasse;
        f.serieHasard = &serieHasard;
        f.jeu1 = &jeu1;
        f.jeuLignes = &jeuLignes;
        f.dessin = &dessin;
        menu->connaitre(f);
        menu->show();
    }

    void declencher(const QString& nomAction) { controle<QAction>(menu.get(), nomAction)->trigger(); }
};
} // namespace

TEST(Menu, LaCreationPrendLaGeometrieEtLeTitre)
{
    Programme p;
    EXPECT_EQ(p.menu->windowTitle(), QStringLiteral("Talvero   -    Orvane"));
    EXPECT_EQ(p.menu->objectName(), QStringLiteral("F_Menu"));
    EXPECT_EQ(ImagesParDefaut[0], QStringLiteral("Orvane_Titre.bmp"));
    EXPECT_EQ(TableCouleurs[8], 0x000000FFu);
    EXPECT_EQ(TableCouleurs[16], 0x00C0C0C0u);
    EXPECT_GT(p.contexte.geometrieReference.width, 0);
    const MesureEcran ecran = MesurerEcran();
    EXPECT_EQ(p.contexte.geometrieReference.height,
              qRound(HauteurInterieureConception
                     * RapportAdaptation(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce)));
    const auto* statut = controle<QStatusBar>(p.menu.get(), QStringLiteral("StatusBar1"));
    EXPECT_EQ(texteLu(statut, QStringLiteral("StatusBar1_Panel0")),
              QStringLiteral("Fais ton choix avec la souris ou le clavier."));
}

TEST(Menu, LesBoutonsEtLesMenusPortentLeursTextes)
{
    Programme p;
    const struct { const char* nom; const char* texte; } boutons[] = {
        {"BoutonJ1", "Orvane : &cases"}, {"BoutonJL", "Orvane : &lignes"},
        {"BoutonJLC", "Orvane : lignes et c&ouleurs"}, {"Bouton_Autour", "Orvane autour d'un &axe"},
        {"Bouton_Point", "Orvane par rapport à un &point"}, {"SpeedButton3", "&Quitter"}};
    for (const auto& b : boutons) {
        const auto* bouton = controle<QPushButton>(p.menu.get(), QString::fromUtf8(b.nom));
        ASSERT_NE(bouton, nullptr);
        EXPECT_EQ(bouton->text(), QString::fromUtf8(b.texte));
        EXPECT_FALSE(bouton->icon().isNull()) << b.nom;
    }
    EXPECT_EQ(controle<QMenu>(p.menu.get(), QStringLiteral("Fichier1"))->title(), QStringLiteral("&Fichier"));
    EXPECT_EQ(controle<QMenu>(p.menu.get(), QStringLiteral("Editeurs1"))->title(), QStringLiteral("&Editeurs"));
    EXPECT_EQ(controle<QAction>(p.menu.get(), QStringLiteral("Listesdlves1"))->text(), QStringLiteral("Listes d'élèves"));
    EXPECT_EQ(controle<QAction>(p.menu.get(), QStringLiteral("Editeurdexercicespourjeu51"))->text(),
              QStringLiteral("Editeur pour exercice &5 : orvane par rapport à un point"));
}

TEST(Menu, SansEnregistrementLesExercicesSOuvrentSansIdentification)
{
    Programme p;
    const struct { const char* envoyeur; bool action; int exercice; } cas[] = {
        {"BoutonJL", false, 2}, {"FJeu2", true, 2}, {"BoutonJLC", false, 3}, {"Jeun3ranger1", true, 3},
        {"Bouton_Autour", false, 4}, {"FJeu4", true, 4}, {"Bouton_Point", false, 5}, {"FJeu5", true, 5}};
    for (const auto& c : cas) {
        const QString nom = QString::fromUtf8(c.envoyeur);
        p.contexte.numeroExercice = 0;
        p.contexte.suiviEleve = true;
        if (c.action)
            p.declencher(nom);
        else
            cliquer(p.menu.get(), nom);
        EXPECT_EQ(p.contexte.numeroExercice, c.exercice) << c.envoyeur;
        EXPECT_FALSE(p.contexte.suiviEleve) << c.envoyeur;
        EXPECT_TRUE(p.jeuLignes.isVisible()) << c.envoyeur;
        p.jeuLignes.close();
    }
    EXPECT_EQ(p.eleve.ouvertures, 0);
}

TEST(Menu, AvecEnregistrementLaRegleDIdentificationATroisIssues)
{
    Programme p;
    p.contexte.reglages.BilanReussite = 1;

    p.eleve.reponse = QStringLiteral("Lucie");
    cliquer(p.menu.get(), QStringLiteral("BoutonJLC"));
    EXPECT_EQ(p.eleve.ouvertures, 1);
    EXPECT_TRUE(p.contexte.suiviEleve);
    EXPECT_EQ(p.contexte.numeroExercice, 3);
    EXPECT_TRUE(p.jeuLignes.isVisible());
    EXPECT_EQ(p.contexte.nomEleve, QStringLiteral("Lucie")) << "the identity lasts until the menu is activated again";
    p.jeuLignes.close();
    EXPECT_TRUE(p.contexte.nomEleve.isEmpty());

    p.eleve.reponse = QStringLiteral("entrainement");
    cliquer(p.menu.get(), QStringLiteral("Bouton_Point"));
    EXPECT_FALSE(p.contexte.suiviEleve);
    EXPECT_EQ(p.contexte.numeroExercice, 5);
    EXPECT_TRUE(p.jeuLignes.isVisible());
    p.jeuLignes.close();

    p.eleve.reponse.clear();
    p.contexte.numeroExercice = 0;
    cliquer(p.menu.get(), QStringLiteral("BoutonJL"));
    EXPECT_EQ(p.eleve.ouvertures, 3);
    EXPECT_TRUE(p.contexte.suiviEleve);
    EXPECT_EQ(p.contexte.numeroExercice, 0);
    EXPECT_FALSE(p.jeuLignes.isVisible());
}

TEST(Menu, LExercice1EtLesEditeursSOuvrentSansIdentification)
{
    Programme p;
    p.contexte.reglages.BilanReussite = 1;
    cliquer(p.menu.get(), QStringLiteral("BoutonJ1"));
    EXPECT_EQ(p.contexte.numeroExercice, 1);
    EXPECT_TRUE(p.jeu1.isVisible());
    p.jeu1.close();

    p.declencher(QStringLiteral("Editeurdexercicespourjeu41"));
    EXPECT_EQ(p.contexte.numeroExercice, 4);
    EXPECT_TRUE(p.dessin.isVisible());
    EXPECT_EQ(p.eleve.ouvertures, 0);
    p.dessin.close();
}

TEST(Menu, LeRetourDUneFenetreDExerciceOublieLElevEtRecalculeLImageDAccueil)
{
    Programme p;
    cliquer(p.menu.get(), QStringLiteral("BoutonJ1"));
    p.contexte.nomEleve = QStringLiteral("Paul");
    p.contexte.nomClasse = QStringLiteral("CE2");
    p.contexte.imagesChoisies.fixerImage(0, ImageAucune);
    p.jeu1.close();
    EXPECT_TRUE(p.contexte.nomEleve.isEmpty());
    EXPECT_TRUE(p.contexte.nomClasse.isEmpty());
    EXPECT_EQ(p.contexte.imageAccueil(), ImageVide);

    p.contexte.imagesChoisies.fixerImage(0, QString());
    p.contexte.nomEleve = QStringLiteral("Paul");
    p.apropos.exec(); // a modal window closing is not an activation
    EXPECT_EQ(p.contexte.nomEleve, QStringLiteral("Paul"));
    p.dessin.show();
    p.dessin.close();
    EXPECT_EQ(p.contexte.imageAccueil(), QStringLiteral("Orvane_Titre.bmp"));
}

TEST(Menu, LesCommandesDAideEtLesFenetresModales)
{
    Programme p;
    p.declencher(QStringLiteral("ModeEmpl"));
    p.declencher(QStringLiteral("Aide2"));
    p.declencher(QStringLiteral("Lapagepdagogique1"));
    EXPECT_EQ(p.dialogues.aides, (QStringList{QStringLiteral("aide_orvane.chm"), QStringLiteral("aide_orvane.chm"),
                                              QStringLiteral("aide_orvane.chm::pedagogie.htm")}));
    p.declencher(QStringLiteral("Aide1"));
    p.declencher(QStringLiteral("Lisezmoi2"));
    p.declencher(QStringLiteral("Effacerlesbilans1"));
    p.declencher(QStringLiteral("Listesdlves1"));
    p.declencher(QStringLiteral("Fichesaimprimer1"));
    p.declencher(QStringLiteral("Suividelaclasse1"));
    p.declencher(QStringLiteral("Creeruneserieauhasard1"));
    EXPECT_EQ(p.apropos.ouvertures, 2);
    EXPECT_EQ(p.serieHasard.ouvertures, 1);
    EXPECT_EQ(p.fiches.ouvertures, 1);
    EXPECT_EQ(p.effaceBilans.ouvertures, 1);
    EXPECT_EQ(p.listes.ouvertures, 1);
    EXPECT_EQ(p.suiviClasse.ouvertures, 1);
}

TEST(Menu, LaBarrePorteAideAuPremierNiveauEtUnClicOuvreLeSommaire)
{
    Programme p;
    auto* barre = controle<QMenuBar>(p.menu.get(), QStringLiteral("MainMenu1"));
    QStringList textes;
    for (const QAction* a : barre->actions())
        textes << a->text();
    EXPECT_EQ(textes, (QStringList{QStringLiteral("&Fichier"), QStringLiteral("&Editeurs"), QStringLiteral("Ai&de")}));
    QAction* aide = barre->actions().constLast();
    EXPECT_EQ(aide->objectName(), QStringLiteral("Aide2"));
    EXPECT_EQ(aide->menu<QMenu*>(), nullptr);
    QTest::mouseClick(barre, Qt::LeftButton, {}, barre->actionGeometry(aide).center());
    EXPECT_EQ(p.dialogues.aides, QStringList{QStringLiteral("aide_orvane.chm")});
}

TEST(Menu, F1OuvreLeSommaireEtF10LesPreferencesSansDeplacerLaFenetre)
{
    Programme p;
    QApplication::setActiveWindow(p.menu.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(p.menu.get()));
    QTest::keyClick(p.menu.get(), Qt::Key_F1);
    EXPECT_EQ(p.dialogues.aides, QStringList{QStringLiteral("aide_orvane.chm")});

    p.contexte.geometrieReference.left = p.menu->x() + 50;
    const QPoint avant = p.menu->pos();
    bool ouverte = false;
    quandModale([&](QDialog* modale) { ouverte = modale == p.preferences; });
    QTest::keyClick(p.menu.get(), Qt::Key_F10);
    EXPECT_TRUE(ouverte);
    EXPECT_EQ(p.menu->pos(), avant);

    quandModale([&](QDialog*) {});
    p.declencher(QStringLiteral("Prefer1"));
    EXPECT_EQ(p.menu->x(), p.contexte.geometrieReference.left) << "the menu item puts left and top back";
}

TEST(Menu, LaPremiereApparitionChargeLesPreferences)
{
    DossierTemporaire dossier;
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("Orvane.pfr"), QByteArray("\x04\x03\x00\x01", 4)));
    DialoguesScriptes dialogues;
    Contexte contexte(dossier.chemin());
    TF_Menu menu(contexte);
    TF_preferences preferences(contexte);
    FenetreNonModale jeu;
    Fenetres fenetres;
    fenetres.preferences = &preferences;
    fenetres.jeu1 = fenetres.jeuLignes = fenetres.dessin = &jeu;
    menu.connaitre(fenetres);
    EXPECT_EQ(contexte.reglages.TailleJeu1, 3);
    menu.show();
    EXPECT_EQ(contexte.reglages.TailleJeu1, 4);
    EXPECT_EQ(contexte.reglages.BilanReussite, 1);
}

TEST(Menu, QuitterFermeLaFenetreEtTermineLeProgramme)
{
    Programme p;
    bool fin = false;
    QObject::connect(p.menu.get(), &TF_Menu::fermee, [&] { fin = true; });
    cliquer(p.menu.get(), QStringLiteral("SpeedButton3"));
    EXPECT_TRUE(fin);
    EXPECT_FALSE(p.menu->isVisible());
}

TEST(APropos, MontreLaVersionEtSeFermeParOK)
{
    DialoguesScriptes dialogues;
    const Contexte contexte;
    TF_PubN apropos(contexte);
    EXPECT_EQ(apropos.windowTitle(), QStringLiteral("Lisez-moi..."));
    EXPECT_EQ(texteLu(&apropos, QStringLiteral("Label1")), QStringLiteral("Orvane   version 3.1"));
    quandModale([](QDialog* modale) { cliquer(modale, QStringLiteral("BitBtn1")); });
    apropos.exec();
    EXPECT_EQ(apropos.result(), QDialog::Accepted);
}

TEST(Menu, UnClicSurLeFondLesMargesOuLaBarreDEtatRemetGaucheEtHaut)
{
    Programme p;
    for (const char* nom : {"PaintBox1", "margedroite", "margegauche", "StatusBar1"}) {
        p.contexte.geometrieReference.left = 40;
        p.contexte.geometrieReference.top = 30;
        p.menu->move(0, 0);
        auto* zone = controle<QWidget>(p.menu.get(), QString::fromLatin1(nom));
        ASSERT_NE(zone, nullptr);
        QTest::mouseClick(zone, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(p.menu->pos(), QPoint(40, 30)) << nom;
    }
}
