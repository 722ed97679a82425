#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "Enregistrements.h"
#include "Contexte.h"
#include "FenetreAide.h"
#include "OutilsFenetres.h"
#include "Preferences.h"
#include "TF_preferences.h"

#include <QCheckBox>
#include <QDir>
#include <QSpinBox>
#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

namespace {
QByteArray contenu(const QString& fichier)
{
    return lireFichier(fichier).value_or(QByteArray("<absent>"));
}

QByteArray texteEnCase(const QString& texte, int taille)
{
    QByteArray octets(taille, '\0');
    ecrireTexteCourt(octets, 0, taille - 1, texte);
    return octets;
}

QByteArray dossierAttendu(const QString& dossier)
{
    return texteEnCase(dossier, 251) + QByteArray(102, '\0');
}

bool coche(const QObject* f, const QString& nom)
{
    const auto* b = controle<QAbstractButton>(f, nom);
    return b && b->isChecked();
}
} // namespace

class Preferences : public ::testing::Test {
protected:
    static QString avecSeparateurNatif(const QString& d) { return d + QDir::separator(); }

    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Contexte contexte{QDir::toNativeSeparators(dossier.chemin())};
    QString ici = avecSeparateurNatif(contexte.dossierProgramme);
};

TEST_F(Preferences, PremierDemarrageValideEcritQuatreFichiersExacts)
{
    TF_preferences f(contexte);
    f.ChargerPreferences();
    cliquer(&f, QStringLiteral("SpeedButton1"));

    EXPECT_EQ(contenu(FichierReglages), QByteArray("\x03\x02\x01\x00", 4));
    const QByteArray images = texteEnCase(QStringLiteral("Orvane_Titre.bmp"), 256)
        + texteEnCase(QStringLiteral("fond21.bmp"), 256) + texteEnCase(QStringLiteral("fond12.bmp"), 256)
        + QByteArray(256, '\0');
    EXPECT_EQ(contenu(FichierImages), images);
    EXPECT_EQ(contenu(FichierDossierBilans), dossierAttendu(ici));
    EXPECT_EQ(contenu(FichierDossierExercices), dossierAttendu(ici));
    EXPECT_EQ(f.result(), QDialog::Accepted);
}

TEST_F(Preferences, LAideApresFauxSeChoisitSurSaPageEtUnFichierAbimeLaCoupe)
{
    TF_preferences f(contexte);
    f.ChargerPreferences();
    auto* spin = f.findChild<QSpinBox*>(QStringLiteral("EssaisSolution"));
    cliquer(&f, QStringLiteral("ChoixMontrerErreurs"));
    cliquer(&f, QStringLiteral("ChoixProposerSolution"));
    spin->setValue(4);
    cliquer(&f, QStringLiteral("ChoixLireAVoixHaute"));
    cliquer(&f, QStringLiteral("ChoixJouerSons"));
    EXPECT_EQ(contexte.retours.MontrerErreurs, 1);
    EXPECT_EQ(contexte.retours.EssaisAvantSolution, 4);
    EXPECT_EQ(contexte.retours.LireAVoixHaute, 1);
    EXPECT_EQ(contexte.retours.JouerSons, 1);
    cliquer(&f, QStringLiteral("SpeedButton1"));
    EXPECT_EQ(contenu(FichierRetours), QByteArray("\x01\x04\x01\x01", 4));
    EXPECT_EQ(contenu(FichierReglages), QByteArray("\x03\x02\x01\x00", 4)) << "the settings file is unchanged";

    for (const QByteArray& abime : {QByteArray("\x01\x01", 2), QByteArray("\x02\x01\x00", 3),
                                    QByteArray("\x01\x15\x00", 3), QByteArray("\x01\x01\x02", 3),
                                    QByteArray("\x01\x01\x01\x02", 4)}) {
        ASSERT_TRUE(DossierTemporaire::ecrire(FichierRetours, abime));
        f.ChargerPreferences();
        EXPECT_EQ(contexte.retours.MontrerErreurs, 0) << abime.toHex().toStdString();
        EXPECT_EQ(contexte.retours.EssaisAvantSolution, 0) << abime.toHex().toStdString();
        EXPECT_EQ(contexte.retours.LireAVoixHaute, 0) << abime.toHex().toStdString();
        EXPECT_EQ(contexte.retours.JouerSons, 0) << abime.toHex().toStdString();
    }
    // A file of the earlier three bytes keeps its settings and has no sounds.
    ASSERT_TRUE(DossierTemporaire::ecrire(FichierRetours, QByteArray("\x01\x05\x01", 3)));
    f.ChargerPreferences();
    EXPECT_EQ(contexte.retours.EssaisAvantSolution, 5);
    EXPECT_EQ(contexte.retours.LireAVoixHaute, 1);
    EXPECT_EQ(contexte.retours.JouerSons, 0);
    EXPECT_FALSE(coche(&f, QStringLiteral("ChoixJouerSons")));
    cliquer(&f, QStringLiteral("SpeedButton1"));
    EXPECT_EQ(contenu(FichierRetours), QByteArray("\x01\x05\x01\x00", 4)) << "written in today's size";

    ASSERT_TRUE(DossierTemporaire::ecrire(FichierRetours, QByteArray("\x00\x02\x00", 3)));
    f.ChargerPreferences();
    cliquer(&f, QStringLiteral("ChoixMontrerErreurs"));
    cliquer(&f, QStringLiteral("SpeedButton2"));
    EXPECT_EQ(contexte.retours.MontrerErreurs, 0) << "Annuler puts the file's values back";
    EXPECT_EQ(contexte.retours.EssaisAvantSolution, 2);
}

// The switches of one byte each: without their file, or with one whose first byte is
// neither 0 nor 1, they keep their default; a click acts at once, "Valider" writes the byte,
// "Annuler" puts the file's value back, "Valeurs par défaut" deletes the file.
TEST_F(Preferences, LesInterrupteursDUnOctetSeReglentSurLeurPageEtUnFichierAbimeVautLeDefaut)
{
    const struct {
        const QString& fichier;
        const char* choix;
        bool parDefaut;
        bool (*actif)(const Contexte&);
    } interrupteurs[] = {
        {FichierHasard, "ChoixProposerNiveaux", true, [](const Contexte& c) { return c.hasard.ProposerNiveaux == 1; }},
        {FichierTableau, "ChoixModeTableau", false, [](const Contexte& c) { return c.modeTableau(); }},
    };
    for (const auto& i : interrupteurs) {
        SCOPED_TRACE(i.choix);
        const QString choix = QString::fromLatin1(i.choix);
        TF_preferences f(contexte);
        f.ChargerPreferences();
        EXPECT_EQ(coche(&f, choix), i.parDefaut);
        cliquer(&f, choix);
        EXPECT_EQ(i.actif(contexte), !i.parDefaut);
        cliquer(&f, QStringLiteral("SpeedButton1"));
        EXPECT_EQ(contenu(i.fichier), QByteArray(1, char(!i.parDefaut)));
        EXPECT_EQ(contenu(FichierReglages), QByteArray("\x03\x02\x01\x00", 4)) << "the settings file is unchanged";
        f.ChargerPreferences();
        EXPECT_EQ(coche(&f, choix), !i.parDefaut);
        cliquer(&f, choix);
        cliquer(&f, QStringLiteral("SpeedButton2"));
        EXPECT_EQ(i.actif(contexte), !i.parDefaut) << "Annuler puts the file's value back";

        for (const QByteArray& abime : {QByteArray(), QByteArray("\x02", 1)}) {
            ASSERT_TRUE(DossierTemporaire::ecrire(i.fichier, abime));
            f.ChargerPreferences();
            EXPECT_EQ(i.actif(contexte), i.parDefaut) << abime.toHex().toStdString();
            EXPECT_EQ(coche(&f, choix), i.parDefaut) << abime.toHex().toStdString();
        }
        cliquer(&f, QStringLiteral("Par_defaut"));
        EXPECT_FALSE(QFile::exists(i.fichier)) << "Valeurs par défaut deletes it with the others";
    }

    // The command line's board mode is for the run: the file keeps the teacher's choice.
    contexte.tableauDemande = true;
    TF_preferences f(contexte);
    f.ChargerPreferences();
    EXPECT_TRUE(contexte.modeTableau());
    EXPECT_FALSE(coche(&f, QStringLiteral("ChoixModeTableau")));
    cliquer(&f, QStringLiteral("SpeedButton1"));
    EXPECT_EQ(contenu(FichierTableau), QByteArray(1, '\0'));
}

TEST_F(Preferences, SansFichierLesControlesMontrentLesValeursParDefaut)
{
    TF_preferences f(contexte);
    f.ChargerPreferences();
    EXPECT_TRUE(coche(&f, QStringLiteral("NbCasesJeu1_2")));
    EXPECT_TRUE(coche(&f, QStringLiteral("NbCasesCouleur_1")));
    EXPECT_EQ(controle<QRadioButton>(&f, QStringLiteral("NbCasesCouleur_1"))->text(), QStringLiteral("10"));
    EXPECT_TRUE(coche(&f, QStringLiteral("ModifChoix1_0")));
    EXPECT_FALSE(coche(&f, QStringLiteral("ChoixBilanReussite")));
    EXPECT_EQ(texteLu(&f, QStringLiteral("Label_Emplacement")), ici);
    EXPECT_EQ(texteLu(&f, QStringLiteral("Label_EmplacementExos")), ici);
    EXPECT_EQ(contexte.imagesCourantes[0], QStringLiteral("Orvane_Titre.bmp"));
    EXPECT_EQ(contexte.imagesCourantes[2], QStringLiteral("fond12.bmp"));
    EXPECT_EQ(controle<QTabWidget>(&f, QStringLiteral("PageControl1"))->currentIndex(), 1);
}

TEST_F(Preferences, LesClicsChangentLesReglagesEnMemoireSansEcrire)
{
    TF_preferences f(contexte);
    f.ChargerPreferences();
    cliquer(&f, QStringLiteral("NbCasesJeu1_3"));
    EXPECT_EQ(contexte.reglages.TailleJeu1, 4);
    EXPECT_EQ(controle<QRadioButton>(&f, QStringLiteral("NbCasesCouleur_1"))->text(), QStringLiteral("15"));
    EXPECT_EQ(controle<QRadioButton>(&f, QStringLiteral("NbCasesCouleur_3"))->text(), QStringLiteral("24"));
    cliquer(&f, QStringLiteral("NbCasesCouleur_0"));
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 1);
    cliquer(&f, QStringLiteral("ModifChoix1_1"));
    EXPECT_EQ(contexte.reglages.ModifChoixJeu1, 0);
    cliquer(&f, QStringLiteral("ChoixBilanReussite"));
    EXPECT_EQ(contexte.reglages.BilanReussite, 1);
    EXPECT_FALSE(QFile::exists(FichierReglages));
}

TEST_F(Preferences, AnnulerRemetTousLesChangementsEtNEcritRien)
{
    ASSERT_TRUE(DossierTemporaire::ecrire(FichierReglages, QByteArray("\x02\x03\x00\x01", 4)));
    TF_preferences f(contexte);
    f.ChargerPreferences();
    cliquer(&f, QStringLiteral("NbCasesJeu1_0"));
    cliquer(&f, QStringLiteral("NbCasesCouleur_3"));
    cliquer(&f, QStringLiteral("ModifChoix1_0"));
    cliquer(&f, QStringLiteral("ChoixBilanReussite"));
    cliquer(&f, QStringLiteral("Aucune1"));
    QDir().mkdir(QStringLiteral("bilans"));
    dialogues.fichiersEnregistres.enqueue(dossier.fichier(QStringLiteral("bilans/chemin")));
    cliquer(&f, QStringLiteral("ChoixRep"));
    ASSERT_EQ(contexte.dossierBilans.dossier(), dossier.fichier(QStringLiteral("bilans/")));

    cliquer(&f, QStringLiteral("SpeedButton2"));
    EXPECT_EQ(contexte.reglages.TailleJeu1, 2);
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 3);
    EXPECT_EQ(contexte.reglages.ModifChoixJeu1, 0);
    EXPECT_EQ(contexte.reglages.BilanReussite, 1);
    EXPECT_EQ(contexte.imagesChoisies.image(1), QStringLiteral("fond21.bmp"));
    EXPECT_EQ(contexte.imagesCourantes[1], QStringLiteral("fond21.bmp"));
    EXPECT_EQ(contexte.dossierBilans.dossier(), ici);
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{FichierReglages});
}

TEST_F(Preferences, ValeursParDefautPuisAnnulerGardeLeDossierDesExercicesDuFichier)
{
    contexte.dossierExercices.fixerDossier(QStringLiteral("/ecole/exos/"));
    contexte.dossierBilans.fixerDossier(QStringLiteral("/ecole/bilans/"));
    contexte.imagesChoisies.fixerImage(0, QStringLiteral("/ecole/ciel.bmp"));
    contexte.imagesChoisies.fixerImage(1, QStringLiteral("aucune"));
    contexte.imagesChoisies.fixerImage(2, QStringLiteral("/ecole/mer.bmp"));
    contexte.reglages = {1, 4, 0, 1};
    EcrireFichiersPreferences(contexte);

    TF_preferences f(contexte);
    f.ChargerPreferences();
    cliquer(&f, QStringLiteral("Par_defaut"));
    EXPECT_FALSE(QFile::exists(FichierReglages));
    EXPECT_FALSE(QFile::exists(FichierImages));
    EXPECT_FALSE(QFile::exists(FichierDossierBilans));
    EXPECT_TRUE(QFile::exists(FichierDossierExercices));
    EXPECT_EQ(contexte.dossierExercices.dossier(), ici);
    EXPECT_EQ(texteLu(&f, QStringLiteral("Label_EmplacementExos")), ici);

    cliquer(&f, QStringLiteral("SpeedButton2"));
    EXPECT_EQ(contexte.reglages.TailleJeu1, 3);
    EXPECT_EQ(contexte.reglages.BilanReussite, 0);
    EXPECT_EQ(contexte.imagesChoisies.image(1), QStringLiteral("fond21.bmp"));
    EXPECT_EQ(contexte.dossierBilans.dossier(), ici);
    EXPECT_EQ(contexte.dossierExercices.dossier(), QStringLiteral("/ecole/exos/"));
}

TEST_F(Preferences, ValeursParDefautPuisValiderEcritLesQuatreFichiersParDefaut)
{
    contexte.dossierExercices.fixerDossier(QStringLiteral("/ecole/exos/"));
    contexte.reglages = {1, 4, 0, 1};
    EcrireFichiersPreferences(contexte);

    TF_preferences f(contexte);
    f.ChargerPreferences();
    cliquer(&f, QStringLiteral("Par_defaut"));
    cliquer(&f, QStringLiteral("SpeedButton1"));
    EXPECT_EQ(contenu(FichierReglages), QByteArray("\x03\x02\x01\x00", 4));
    EXPECT_EQ(contenu(FichierDossierBilans), dossierAttendu(ici));
    EXPECT_EQ(lireTexteCourt(contenu(FichierDossierExercices), 0, 250), ici);
    EXPECT_EQ(contexte.imagesChoisies.image(0), QStringLiteral("Orvane_Titre.bmp"));
}

TEST_F(Preferences, UnFichierAbimeDonneLesValeursParDefautDeSonEtape)
{
    QByteArray dossierTropLong = dossierAttendu(QStringLiteral("/ecole/"));
    dossierTropLong[0] = static_cast<char>(251);
    QByteArray reserveTropLongue = dossierAttendu(QStringLiteral("/ecole/"));
    reserveTropLongue[302] = 51;
    const struct {
        const char* cas;
        QString fichier;
        QByteArray octets;
    } abimes[] = {
        {"settings too short", FichierReglages, QByteArray("\x01\x01\x01", 3)},
        {"size 0", FichierReglages, QByteArray("\x00\x01\x01\x00", 4)},
        {"size 5", FichierReglages, QByteArray("\x05\x01\x01\x00", 4)},
        {"count 0", FichierReglages, QByteArray("\x01\x00\x01\x00", 4)},
        {"count 5", FichierReglages, QByteArray("\x01\x05\x01\x00", 4)},
        {"recording 2", FichierReglages, QByteArray("\x01\x01\x01\x02", 4)},
        {"recording 7", FichierReglages, QByteArray("\x01\x01\x01\x07", 4)},
        {"pictures too short", FichierImages, texteEnCase(QStringLiteral("/x.bmp"), 1023)},
        {"folder too short", FichierDossierBilans, dossierAttendu(QStringLiteral("/ecole/")).left(352)},
        {"folder length 251", FichierDossierBilans, dossierTropLong},
        {"reserved length 51", FichierDossierBilans, reserveTropLongue},
        {"empty exercises file", FichierDossierExercices, QByteArray()},
    };
    for (const auto& a : abimes) {
        contexte = Contexte(contexte.dossierProgramme);
        QFile::remove(a.fichier);
        ASSERT_TRUE(DossierTemporaire::ecrire(a.fichier, a.octets));
        TF_preferences f(contexte);
        f.ChargerPreferences();
        EXPECT_EQ(contexte.reglages.TailleJeu1, 3) << a.cas;
        EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 2) << a.cas;
        EXPECT_EQ(contexte.reglages.BilanReussite, 0) << a.cas;
        EXPECT_EQ(contexte.imagesChoisies.image(0), QStringLiteral("Orvane_Titre.bmp")) << a.cas;
        EXPECT_EQ(contexte.dossierBilans.dossier(), ici) << a.cas;
        EXPECT_EQ(contexte.dossierExercices.dossier(), ici) << a.cas;
        QFile::remove(a.fichier);
    }
}

TEST_F(Preferences, UnFichierPlusLongEstLuSurSonPremierEnregistrementEtLaReserveEstGardee)
{
    QByteArray dossierLu = dossierAttendu(QStringLiteral("/ecole/exos/"));
    dossierLu[251] = 3;
    dossierLu.replace(252, 3, "abc");
    dossierLu[200] = 'Z'; // after the folder text: not significant, kept as it is
    ASSERT_TRUE(DossierTemporaire::ecrire(FichierDossierExercices, dossierLu + QByteArray("suite")));
    ASSERT_TRUE(DossierTemporaire::ecrire(FichierReglages, QByteArray("\x04\x01\x05\x01suite", 9)));

    TF_preferences f(contexte);
    f.ChargerPreferences();
    EXPECT_EQ(contexte.dossierExercices.dossier(), QStringLiteral("/ecole/exos/"));
    EXPECT_EQ(contexte.reglages.TailleJeu1, 4);
    EXPECT_EQ(contexte.reglages.ModifChoixJeu1, 5);
    EXPECT_TRUE(coche(&f, QStringLiteral("ModifChoix1_0")));
    EXPECT_TRUE(coche(&f, QStringLiteral("ChoixBilanReussite")));
    f.EnregistrerPreferences();
    EXPECT_EQ(contenu(FichierDossierExercices), dossierLu);
    EXPECT_EQ(contenu(FichierReglages), QByteArray("\x04\x01\x05\x01", 4));
}

TEST_F(Preferences, UnFichierQuiNePeutEtreEcritEstSauteEtDit)
{
    QDir().mkdir(FichierImages); // a folder where the file should go
    ASSERT_TRUE(DossierTemporaire::ecrire(FichierReglages, QByteArray("\x01\x01\x01\x00", 4)));
    TF_preferences f(contexte);
    f.ChargerPreferences();
    cliquer(&f, QStringLiteral("NbCasesJeu1_1"));
    cliquer(&f, QStringLiteral("SpeedButton1"));
    EXPECT_EQ(contenu(FichierReglages), QByteArray("\x02\x01\x01\x00", 4));
    EXPECT_TRUE(QFileInfo(FichierImages).isDir());
    EXPECT_EQ(contenu(FichierDossierBilans).size(), 353);
    // Said as it is read, then as it cannot be written.
    ASSERT_EQ(dialogues.messages.size(), 2);
    EXPECT_TRUE(dialogues.messages[0].texte.contains(QStringLiteral("« ImagesOrvane.pfr »")));
    EXPECT_TRUE(dialogues.messages[1].texte.startsWith(
        QStringLiteral("Les préférences n'ont pas toutes été enregistrées.\nErreur d'entrée/sortie sur le fichier "
                       "« ImagesOrvane.pfr » :")));
}

TEST(PartieDossier, GardeLeDossierEtUnSeulSeparateur)
{
    EXPECT_EQ(PartieDossier(QStringLiteral("/home/ecole/bilans/chemin")), QStringLiteral("/home/ecole/bilans"));
    EXPECT_EQ(DossierParDefaut(PartieDossier(QStringLiteral("/chemin"))), QStringLiteral("/"));
    EXPECT_EQ(PartieDossier(QStringLiteral("//chemin")), QStringLiteral("//"));
    EXPECT_EQ(PartieDossier(QStringLiteral("/a:b/chemin")), QStringLiteral("/a:b"));
    EXPECT_EQ(PartieDossier(QStringLiteral("chemin")), QString());
    EXPECT_EQ(DossierParDefaut(QString(300, QLatin1Char('a'))).size(), 250);
}

TEST_F(Preferences, LeChoixDUnDossierPrendLaPartieDossierDuNomPropose)
{
    TF_preferences f(contexte);
    f.ChargerPreferences();
    QDir().mkpath(QStringLiteral("ecole/exos"));
    QDir::setCurrent(QStringLiteral("ecole")); // the dialog may leave us anywhere
    dialogues.fichiersEnregistres.enqueue(dossier.fichier(QStringLiteral("ecole/exos/chemin")));
    dialogues.fichiersEnregistres.enqueue(QStringLiteral("/chemin"));
    dialogues.fichiersEnregistres.enqueue(QString());

    cliquer(&f, QStringLiteral("ChoixRepExo"));
    ASSERT_EQ(dialogues.enregistrements.size(), 1);
    EXPECT_EQ(dialogues.enregistrements[0].nomPropose, QStringLiteral("chemin"));
    EXPECT_EQ(dialogues.enregistrements[0].dossierInitial, contexte.dossierProgramme);
    EXPECT_EQ(contexte.dossierExercices.dossier(), dossier.fichier(QStringLiteral("ecole/exos/")));
    EXPECT_EQ(texteLu(&f, QStringLiteral("Label_EmplacementExos")), contexte.dossierExercices.dossier());

    cliquer(&f, QStringLiteral("ChoixRep"));
    EXPECT_EQ(contexte.dossierBilans.dossier(), QStringLiteral("/"));
    cliquer(&f, QStringLiteral("ChoixRep")); // cancelled: nothing changes
    EXPECT_EQ(contexte.dossierBilans.dossier(), QStringLiteral("/"));
    EXPECT_FALSE(QFile::exists(dossier.fichier(QStringLiteral("ecole/exos/chemin"))));
}

TEST_F(Preferences, LeChoixDUneImageProposeLImageActuelleOuCelleParDefaut)
{
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(QStringLiteral("fond21.bmp"), "BMP"));
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(QStringLiteral("ciel.bmp"), "BMP"));
    TF_preferences f(contexte);
    f.ChargerPreferences();
    cliquer(&f, QStringLiteral("Aucune1"));
    EXPECT_EQ(contexte.imagesChoisies.image(1), ImageAucune);
    EXPECT_EQ(contexte.imagesCourantes[1], ImageAucune);
    EXPECT_EQ(texteLu(&f, QStringLiteral("Label_Image1")), ImageAucune);

    dialogues.fichiersOuverts.enqueue(dossier.fichier(QStringLiteral("ciel.bmp")));
    dialogues.fichiersOuverts.enqueue(QString());
    cliquer(&f, QStringLiteral("Bouton01"));
    EXPECT_EQ(dialogues.ouvertures[0].nomPropose, QStringLiteral("fond21.bmp"));
    EXPECT_EQ(dialogues.ouvertures[0].filtre, QStringLiteral("images bitmap (*.bmp)"));
    EXPECT_EQ(contexte.imagesChoisies.image(1), dossier.fichier(QStringLiteral("ciel.bmp")));
    EXPECT_EQ(contexte.imagesCourantes[1], contexte.imagesChoisies.image(1));
    EXPECT_TRUE(controle<QLabel>(&f, QStringLiteral("Label_Image1"))->isHidden());

    cliquer(&f, QStringLiteral("Bouton01"));
    EXPECT_EQ(dialogues.ouvertures[1].nomPropose, dossier.fichier(QStringLiteral("ciel.bmp")));
    EXPECT_EQ(contexte.imagesChoisies.image(1), dossier.fichier(QStringLiteral("ciel.bmp")));

    cliquer(&f, QStringLiteral("Bouton00")); // neither the slot's file nor its default exists
    EXPECT_EQ(dialogues.ouvertures[2].nomPropose, QString());
}

TEST_F(Preferences, LActivationRechargeLesFichiersEtF1OuvreLAide)
{
    TF_preferences f(contexte);
    f.ChargerPreferences();
    contexte.reglages.TailleJeu1 = 1; // as the grid-size dialog of exercise 1 may do
    ASSERT_TRUE(DossierTemporaire::ecrire(FichierReglages, QByteArray("\x02\x02\x01\x00", 4)));
    quandModale([&](QDialog* modale) {
        EXPECT_EQ(modale, &f);
        EXPECT_EQ(contexte.reglages.TailleJeu1, 2);
        EXPECT_TRUE(coche(&f, QStringLiteral("NbCasesJeu1_1")));
        QApplication::setActiveWindow(&f);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_F1);
        EXPECT_EQ(dialogues.aides, QStringList{QStringLiteral("aide_orvane.chm::preferences.htm")});
        QTest::keyClick(&f, Qt::Key_Escape);
    });
    f.exec();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(contexte.reglages.TailleJeu1, 2);
}

// The real help window, as the program opens it: a modal window blocks every window that is
// not its own, so a help page left outside it could be neither scrolled, clicked nor closed.
TEST(AideDepuisUneFenetreModale, F1DansLesPreferencesOuvreUneAideQuiRepondAussitot)
{
    DossierTemporaire dossier;
    Contexte contexte{QDir::toNativeSeparators(dossier.chemin())};
    QDir().mkdir(QStringLiteral("aide_orvane"));
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("aide_orvane/preferences.htm"),
                                          "<html><body><p><a href=\"suite.htm\">Lire la suite de cette page "
                                          "d'aide, en cliquant sur ce lien</a></p></body></html>"));
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("aide_orvane/suite.htm"), "<html><body><p>Suite</p></body></html>"));
    TF_preferences f(contexte);
    QString pageApresClic;
    quandModale([&](QDialog* modale) {
        QApplication::setActiveWindow(modale);
        ASSERT_TRUE(QTest::qWaitForWindowActive(modale));
        QTest::keyClick(modale, Qt::Key_F1);
        FenetreAide* aide = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* a = qobject_cast<FenetreAide*>(w); a && a->isVisible())
                aide = a;
        ASSERT_NE(aide, nullptr) << "F1 opened no help window";
        ASSERT_TRUE(QTest::qWaitForWindowExposed(aide));
        const QWidget* page = aide->findChild<QTextBrowser*>(QStringLiteral("NavigateurAide"))->viewport();
        // Delivered as the window system delivers a click, so a blocked window never gets it.
        QTest::mouseClick(aide->windowHandle(), Qt::LeftButton, {}, page->mapTo(aide, QPoint(40, 12)));
        pageApresClic = aide->pageAffichee();
    });
    f.exec();
    EXPECT_TRUE(pageApresClic.endsWith(QStringLiteral("aide_orvane/suite.htm"))) << pageApresClic.toStdString();
}
