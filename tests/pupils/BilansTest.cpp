#include "Bilans.h"
#include "Rtf.h"
#include "SupportEleves.h"
#include "TF_efface_bilans.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class Bilans : public TestEleves {
protected:
    void identifier(const QString& eleve, const QString& classe = QString())
    {
        contexte.nomEleve = eleve;
        contexte.nomClasse = classe;
    }

    void reussir(const QString& ligne)
    {
        enregistrerReussite(ligne);
    }

    QStringList enregistrements(const QString& fichier) const
    {
        QStringList lignes = lignesDocument(lire(bilan(fichier)));
        if (!lignes.isEmpty() && lignes.constLast().isEmpty())
            lignes.removeLast();
        return lignes;
    }
};

const QString Ex05 = QStringLiteral("Série 1\\Ex05");

TEST_F(Bilans, NomDuFichierAvecEtSansClasse)
{
    identifier(QStringLiteral("Léa M."), QStringLiteral("CM1"));
    EXPECT_EQ(nomBilan(), QStringLiteral("Bilan Orvane CM1 Léa M.reu"));
    identifier(QStringLiteral("Paul"));
    EXPECT_EQ(nomBilan(), QStringLiteral("Bilan Orvane individuel Paul.Reu"));
    identifier(QStringLiteral("J.-P. Martin"), QStringLiteral("CE2"));
    EXPECT_EQ(nomBilan(), QStringLiteral("Bilan Orvane CE2 J-P Martin.reu"));
}

TEST_F(Bilans, AucunSeparateurNeFaitSortirDuDossierDesBilans)
{
    identifier(QStringLiteral("../..\\x/y"), QStringLiteral("../CM1\\a"));
    EXPECT_EQ(nomBilan(), QStringLiteral("Bilan Orvane ..CM1a xy.reu"));
    reussir(Ex05);
    EXPECT_EQ(nomsDans(dossierBilans()), QStringList{nomBilan()});
}

TEST_F(Bilans, ChaqueExerciceNEstEnregistreQuUneFois)
{
    identifier(QStringLiteral("Zoé"), QStringLiteral("CM1"));
    reussir(Ex05);
    reussir(Ex05);
    reussir(QStringLiteral("Série 2\\Ex05"));
    reussir(Ex05);
    EXPECT_EQ(enregistrements(nomBilan()),
              (QStringList{Ex05, QStringLiteral("Série 2\\Ex05")}));
    EXPECT_EQ(QDir::currentPath(), QDir(contexte.dossierProgramme).path())
        << "the program folder is current again";
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(Bilans, LaClasseEtLeNomTapeDonnentDeuxFichiers)
{
    identifier(QStringLiteral("Paul"));
    reussir(Ex05);
    identifier(QStringLiteral("Paul"), QStringLiteral("CE2"));
    reussir(Ex05);
    EXPECT_EQ(nomsDans(dossierBilans()),
              (QStringList{QStringLiteral("Bilan Orvane CE2 Paul.reu"),
                           QStringLiteral("Bilan Orvane individuel Paul.Reu")}));
}

TEST_F(Bilans, RienNEstEnregistreEnEntrainementNiSansNom)
{
    for (const QString& nom : {QStringLiteral("entrainement"), QString()}) {
        identifier(nom, QStringLiteral("CM1"));
        reussir(Ex05);
    }
    EXPECT_TRUE(nomsDans(dossierBilans()).isEmpty());
    EXPECT_TRUE(nomsDans(programme.chemin()).isEmpty());
}

TEST_F(Bilans, LaCasseCompte)
{
    identifier(QStringLiteral("Léo"), QStringLiteral("CM2"));
    ecrire(bilan(nomBilan()), documentRtf({QStringLiteral("série 1\\ex05")}));
    lireBilanEleve();
    EXPECT_FALSE(reussi(Ex05));
    EXPECT_TRUE(reussi(QStringLiteral("série 1\\ex05")));
    reussir(Ex05);
    EXPECT_EQ(enregistrements(nomBilan()),
              (QStringList{QStringLiteral("série 1\\ex05"), Ex05}));
}

TEST_F(Bilans, LeBilanDontSeulesLesMajusculesDifferentEstCeluiDeLEleve)
{
    identifier(QStringLiteral("Zoé"), QStringLiteral("CM1"));
    const QString autreCasse = QStringLiteral("bilan orvane cm1 zoé.REU");
    ecrire(bilan(autreCasse), documentRtf({QStringLiteral("Série 1\\Ex01")}));
    lireBilanEleve();
    EXPECT_TRUE(reussi(QStringLiteral("Série 1\\Ex01")));
    reussir(Ex05);
    EXPECT_EQ(nomsDans(dossierBilans()), QStringList{autreCasse}) << "no second file";
    EXPECT_EQ(enregistrements(autreCasse), (QStringList{QStringLiteral("Série 1\\Ex01"), Ex05}));
}

TEST_F(Bilans, MilleDeuxCentsEnregistrements)
{
    identifier(QStringLiteral("Léo"), QStringLiteral("CM2"));
    QStringList lignes;
    for (int i = 0; i < 1200; ++i)
        lignes.append(QStringLiteral("Série\\Ex%1").arg(i));
    const QString fichier = bilan(nomBilan());
    ecrire(fichier, documentRtf(lignes));

    lireBilanEleve();
    EXPECT_EQ(bilanLu, lignes.mid(0, 1001));
    EXPECT_TRUE(reussi(lignes[1000]));
    EXPECT_FALSE(reussi(lignes[1001])) << "only the first 1001 lines reach the chooser";

    const QByteArray avant = lire(fichier);
    reussir(lignes[1150]);
    EXPECT_EQ(lire(fichier), avant) << "the duplicate check looks at every line";
    reussir(QStringLiteral("Série\\Nouveau"));
    EXPECT_EQ(enregistrements(nomBilan()), lignes + QStringList{QStringLiteral("Série\\Nouveau")});
}

// Only the form the player writes names a level; anything else is some other record.
TEST(LignesHasard, SeulLaFormeEcriteNommeUnNiveau)
{
    const struct {
        const char* ligne;
        int type;
        int niveau;
    } cas[] = {
        {"Au hasard 4\\Niveau 3", 4, 3},   {"Au hasard 4\\Niveau 3", 2, 0},   {"Au hasard 4\\Niveau 7", 4, 0},
        {"Au hasard 4\\Niveau 0", 4, 0},   {"Au hasard 4\\Niveau 03", 4, 0},  {"Au hasard 4\\Niveau +3", 4, 0},
        {"Au hasard 4\\Niveau 3 ", 4, 0},  {"au hasard 4\\niveau 3", 4, 0},  {"Au hasard 9\\Niveau 1", 9, 0},
        {"Série 1\\Ex05", 4, 0},
        {"Au hasard 4 - niveau 3\\Exercice 01 (4-3-8271)", 4, 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(NiveauDeLigne(QString::fromUtf8(c.ligne), c.type), c.niveau) << c.ligne << " type " << c.type;
    for (int type = 2; type <= 5; ++type)
        for (int niveau = 1; niveau <= 6; ++niveau)
            EXPECT_EQ(NiveauDeLigne(LigneHasard(type, niveau), type), niveau);
    EXPECT_TRUE(EstLigneHasard(QStringLiteral("Au hasard 3\\Niveau 1")));
}

// The pupil's level is the highest recorded, read from the whole file, past the 1001 lines
// the chooser compares.
TEST_F(Bilans, LeNiveauAuHasardSeLitDansToutLeFichier)
{
    identifier(QStringLiteral("Léo"), QStringLiteral("CM2"));
    const QString fichier = bilan(nomBilan());
    QStringList lignes;
    for (int i = 0; i < 1100; ++i)
        lignes.append(QStringLiteral("Série\\Ex%1").arg(i));
    ecrire(fichier, documentRtf(lignes));
    for (int niveau : {1, 2, 1, 3, 2})
        reussir(LigneHasard(4, niveau));
    reussir(LigneHasard(2, 5));
    EXPECT_EQ(NiveauAtteint(fichier, 4), 3);
    EXPECT_EQ(NiveauAtteint(fichier, 2), 5);
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(Bilans, LectureDUnFichierAbsentOuCourt)
{
    identifier(QStringLiteral("Ana"));
    lireBilanEleve();
    EXPECT_TRUE(bilanLu.isEmpty());
    EXPECT_FALSE(reussi(Ex05));

    ecrire(bilan(nomBilan()), documentRtf({Ex05, QString(300, QLatin1Char('x'))}));
    lireBilanEleve();
    EXPECT_EQ(bilanLu, (QStringList{Ex05, QString(255, QLatin1Char('x'))}));
    EXPECT_EQ(QDir::currentPath(), programme.chemin()) << "reading results leaves the current folder";
}

TEST_F(Bilans, UnFichierEnTexteSimpleEstReluEtReecritEnRtf)
{
    identifier(QStringLiteral("Ana"));
    ecrire(bilan(nomBilan()), "S\xe9rie 1\\Ex01\r\nS\xe9rie 1\\Ex02\r\n");
    reussir(QStringLiteral("Série 1\\Ex02"));
    EXPECT_TRUE(lire(bilan(nomBilan())).startsWith("S\xe9rie")) << "nothing to add";
    reussir(Ex05);
    EXPECT_TRUE(lire(bilan(nomBilan())).startsWith("{\\rtf1"));
    EXPECT_EQ(enregistrements(nomBilan()),
              (QStringList{QStringLiteral("Série 1\\Ex01"), QStringLiteral("Série 1\\Ex02"), Ex05}));
}

// A results folder out of reach (a share not mounted on this computer) is said; the
// success is not written where the teacher would never see it.
TEST_F(Bilans, UnDossierDesBilansIntrouvableEstDitEtRienNEstEcritAilleurs)
{
    contexte.dossierBilans.fixerDossier(programme.fichier(QStringLiteral("absent/")));
    identifier(QStringLiteral("Ana"));
    reussir(Ex05);
    EXPECT_EQ(nomsDans(programme.chemin()), QStringList{});
    EXPECT_EQ(dialogues.textes(), QStringList{MessageDossierBilansIntrouvable()});
}

TEST_F(Bilans, UnFichierIlisibleNEstPasEcraseEtLEchecEstDit)
{
    identifier(QStringLiteral("Ana"));
    // A folder in the file's place cannot be read as a results file.
    QDir(dossierBilans()).mkdir(nomBilan());
    reussir(Ex05);
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_EQ(dialogues.messages[0].genre, GenreMessage::Avertissement);
    EXPECT_TRUE(dialogues.messages[0].texte.contains(nomBilan()));
    EXPECT_TRUE(QFileInfo(bilan(nomBilan())).isDir());
}

TEST_F(Bilans, UnEchecDEcritureEstDitEtNeLaisseRien)
{
    identifier(QString(300, QLatin1Char('n')));
    reussir(Ex05);
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_TRUE(dialogues.messages[0].texte.startsWith(QStringLiteral("Erreur d'entrée/sortie")));
    EXPECT_TRUE(nomsDans(dossierBilans()).isEmpty());
    EXPECT_EQ(QDir::currentPath(), QDir(contexte.dossierProgramme).path());
}

// ---- the results management window ----

class GestionBilans : public Bilans {
protected:
    TF_efface_bilans fenetre{contexte};
    QListWidget* liste = fenetre.findChild<QListWidget*>(QStringLiteral("ListBox3"));
    QPushButton* effacer =
        fenetre.findChild<QPushButton*>(QStringLiteral("BoutonSuppressionReussites"));
    QPushButton* quitter = fenetre.findChild<QPushButton*>(QStringLiteral("Bouton_Quitter"));

    QStringList textes() const { return textesListe(liste); }
    void choisir(const QString& texte) { cliquerItem(liste, texte); }
};

TEST_F(GestionBilans, DossierVide)
{
    fenetre.show();
    EXPECT_EQ(liste->count(), 0);
    EXPECT_FALSE(effacer->isEnabled());
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Gestion des bilans"));
}

// A results folder out of reach is named; the program folder's files are not listed in
// its place.
TEST_F(GestionBilans, UnDossierIntrouvableEstNommeSansListerAilleurs)
{
    ecrire(programme.fichier(QStringLiteral("Bilan Orvane individuel Paul.Reu")), "x");
    contexte.dossierBilans.fixerDossier(programme.fichier(QStringLiteral("absent/")));
    fenetre.show();
    EXPECT_EQ(liste->count(), 0);
    EXPECT_EQ(fenetre.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Le dossier des bilans est introuvable :"));
    EXPECT_EQ(fenetre.findChild<QLabel*>(QStringLiteral("Label5"))->text(), programme.fichier(QStringLiteral("absent/")));
}

TEST_F(GestionBilans, ListeEtEffaceLesDeuxFormes)
{
    ecrire(bilan(QStringLiteral("Bilan Orvane individuel Paul.Reu")), "x");
    ecrire(bilan(QStringLiteral("Bilan Orvane CE2 adrien.reu")), "x");
    ecrire(bilan(QStringLiteral("Bilan Orvane CE2 Zoé.reu")), "x");
    ecrire(bilan(QStringLiteral("autre.txt")), "x");
    fenetre.show();
    EXPECT_EQ(textes(), (QStringList{QStringLiteral("Bilan Orvane CE2 adrien"),
                                     QStringLiteral("Bilan Orvane CE2 Zoé"),
                                     QStringLiteral("Bilan Orvane individuel Paul")}));
    choisir(QStringLiteral("Bilan Orvane individuel Paul"));
    EXPECT_TRUE(effacer->isEnabled());
    QTest::mouseClick(effacer, Qt::LeftButton);
    EXPECT_FALSE(effacer->isEnabled());
    EXPECT_EQ(textes().size(), 2);
    EXPECT_EQ(nomsDans(dossierBilans()),
              (QStringList{QStringLiteral("Bilan Orvane CE2 Zoé.reu"),
                           QStringLiteral("Bilan Orvane CE2 adrien.reu"),
                           QStringLiteral("autre.txt")}));

    // The pupil's attempts file goes with the results file, whatever the case of its
    // letters; another pupil's stays.
    ecrire(bilan(QStringLiteral("Essais Orvane CE2 Adrien.csv")), "x");
    ecrire(bilan(QStringLiteral("Essais Orvane CE2 Zoé.csv")), "x");
    choisir(QStringLiteral("Bilan Orvane CE2 adrien"));
    QTest::mouseClick(effacer, Qt::LeftButton);
    EXPECT_EQ(textes(), QStringList{QStringLiteral("Bilan Orvane CE2 Zoé")});
    EXPECT_EQ(nomsDans(dossierBilans()),
              (QStringList{QStringLiteral("Bilan Orvane CE2 Zoé.reu"), QStringLiteral("Essais Orvane CE2 Zoé.csv"),
                           QStringLiteral("autre.txt")}));
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(GestionBilans, UnFichierQuiNePeutEtreEffaceResteDansLaListe)
{
    ecrire(bilan(QStringLiteral("Bilan Orvane CE2 Léo.reu")), "x");
    fenetre.show();
    choisir(QStringLiteral("Bilan Orvane CE2 Léo"));
    QFile::remove(bilan(QStringLiteral("Bilan Orvane CE2 Léo.reu")));
    QTest::mouseClick(effacer, Qt::LeftButton);
    EXPECT_EQ(textes(), QStringList{QStringLiteral("Bilan Orvane CE2 Léo")});
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_TRUE(dialogues.messages[0].texte.contains(QStringLiteral("Bilan Orvane CE2 Léo.reu")));
    EXPECT_FALSE(effacer->isEnabled());
}

TEST_F(GestionBilans, QuitterVideLaListe)
{
    ecrire(bilan(QStringLiteral("Bilan Orvane CE2 Léo.reu")), "x");
    fenetre.show();
    QTest::mouseClick(quitter, Qt::LeftButton);
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(liste->count(), 0);
    EXPECT_EQ(QDir::currentPath(), QDir(contexte.dossierProgramme).path());
    // A new opening lists the folder afresh, once.
    fenetre.show();
    EXPECT_EQ(liste->count(), 1);
    QTest::keyClick(&fenetre, Qt::Key_F1);
    EXPECT_EQ(dialogues.aides, QStringList{QStringLiteral("aide_orvane.chm::gestion.htm")});
}

} // namespace
