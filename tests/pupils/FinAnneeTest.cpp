// The end of a school year: the archive holds every results file and class list, byte for
// byte, and only what it holds leaves the folders.

#include "Archive.h"
#include "Classes.h"
#include "FinAnnee.h"
#include "Rtf.h"
#include "SupportEleves.h"
#include "TF_efface_bilans.h"
#include "Verrou.h"

#include <QPushButton>
#include <QTest>

namespace {

class FinDAnnee : public TestEleves {
protected:
    QHash<QString, QByteArray> annee; // entry of the archive -> bytes

    void SetUp() override
    {
        const auto poser = [this](const QString& chemin, const QString& entree, const QByteArray& octets) {
            ecrire(chemin, octets);
            annee.insert(entree, octets);
        };
        poser(bilan(QStringLiteral("Bilan Orvane CM1 Léa.reu")), QStringLiteral("bilans/Bilan Orvane CM1 Léa.reu"),
              documentRtf({QStringLiteral("Série 1\\Ex05")}));
        poser(bilan(QStringLiteral("Bilan Orvane individuel Paul.Reu")),
              QStringLiteral("bilans/Bilan Orvane individuel Paul.Reu"), documentRtf({QStringLiteral("Série 2\\A")}));
        poser(programme.fichier(QStringLiteral("CM1.elv")), QStringLiteral("listes/CM1.elv"),
              ContenuClasse({QStringLiteral("Léa"), QStringLiteral("Zoé")}));
        ecrire(bilan(QStringLiteral("notes.txt")), "reste");
    }

    QString archive() const { return programme.fichier(QStringLiteral("annee.zip")); }

    QHash<QString, QByteArray> archivee() const
    {
        QHash<QString, QByteArray> contenu;
        for (const FichierArchive& f : LireArchive(archive(), 1 << 20).value_or(QList<FichierArchive>()))
            contenu.insert(f.nom, f.contenu);
        return contenu;
    }
};

} // namespace

TEST_F(FinDAnnee, RienNEstEffaceSansArchiveEtUnFichierOccupeReste)
{
    // No archive written: nothing erased.
    const FichiersAnnee fichiers = FichiersDeLAnnee(dossierBilans(), programme.chemin());
    const BilanFinAnnee sansDossier = ArchiverEtEffacer(fichiers, programme.fichier(QStringLiteral("absent/annee.zip")));
    EXPECT_TRUE(sansDossier.erreur.endsWith(QStringLiteral("Rien n'a été effacé."))) << sansDossier.erreur.toStdString();
    EXPECT_EQ(FichiersDeLAnnee(dossierBilans(), programme.chemin()).nombre(), 3);

    // A results file another computer holds stays, and is named.
    Verrou::fixerAttenteMs(50);
    BilanFinAnnee resultat;
    {
        const Verrou tenu(bilan(QStringLiteral("Bilan Orvane CM1 Léa.reu")));
        resultat = ArchiverEtEffacer(fichiers, archive());
    }
    Verrou::fixerAttenteMs(5000);
    EXPECT_EQ(resultat.effaces, 2);
    ASSERT_EQ(resultat.gardes.size(), 1);
    EXPECT_TRUE(resultat.gardes[0].contains(QStringLiteral("Bilan Orvane CM1 Léa.reu")));
    EXPECT_EQ(archivee(), annee);
    EXPECT_TRUE(QFile::exists(bilan(QStringLiteral("Bilan Orvane CM1 Léa.reu"))));
}

TEST_F(FinDAnnee, UneArchiveNeDeplieQueSesBilansEtSesListes)
{
    const std::optional<QByteArray> octets = ContenuArchive({
        {QStringLiteral("listes/CM1.elv"), "x", {}},
        {QStringLiteral("bilans/../CM2.elv"), "x", {}},
        {QStringLiteral("listes/.cachee.elv"), "x", {}},
        {QStringLiteral("programme/orvane"), "x", {}},
        {QStringLiteral("bilans/Bilan Orvane CM1 Léa.REU"), "x", {}},
    });
    ASSERT_TRUE(octets);
    ecrire(archive(), *octets);
    DossierTemporaire depliee;
    EXPECT_EQ(DeplierArchiveAnnee(archive(), depliee.chemin()), QString());
    EXPECT_EQ(nomsDans(depliee.fichier(QStringLiteral("listes"))), QStringList{QStringLiteral("CM1.elv")});
    EXPECT_EQ(nomsDans(depliee.fichier(QStringLiteral("bilans"))), QStringList{QStringLiteral("Bilan Orvane CM1 Léa.REU")});
    EXPECT_EQ(QDir(depliee.chemin()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("bilans"), QStringLiteral("listes")}));

    ecrire(archive(), *ContenuArchive({{QStringLiteral("photo.png"), "x", {}}}));
    EXPECT_TRUE(DeplierArchiveAnnee(archive(), depliee.chemin()).contains(QStringLiteral("ne garde aucune année")));
}

// The button asks once, naming what goes, the pupils' attempts with their results; what
// the archive holds, and only that, leaves the folders.
TEST_F(FinDAnnee, LeBoutonFinDAnneeDemandeUneFoisEnNommantLesFichiers)
{
    TF_efface_bilans fenetre(contexte);
    fenetre.show();
    auto* liste = fenetre.findChild<QListWidget*>(QStringLiteral("ListBox3"));
    dialogues.fichiersEnregistres << archive() << archive().chopped(4);
    dialogues.reponses << Reponse::Non << Reponse::Oui;
    auto* bouton = fenetre.findChild<QPushButton*>(QStringLiteral("BoutonFinAnnee"));
    QTest::mouseClick(bouton, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(archive())) << "« Non » writes nothing";

    const QString essais = QStringLiteral("bilans/Essais Orvane CM1 Léa.csv");
    annee.insert(essais, "Date;Heure;Type;Série;Exercice;Verdict\r\n");
    ecrire(programme.fichier(essais), annee.value(essais));
    ecrire(bilan(QStringLiteral("tableau.csv")), "reste");
    QTest::mouseClick(bouton, Qt::LeftButton);
    ASSERT_EQ(dialogues.messages.size(), 3);
    EXPECT_EQ(dialogues.textes()[1], QStringLiteral("Ranger dans l'archive « annee.zip » les fichiers de l'année, puis "
                                                    "les effacer ? Cela fait 4 fichiers : 2 bilans, 1 fichier "
                                                    "d'essais et 1 liste d'élèves."));
    EXPECT_EQ(archivee(), annee);
    EXPECT_EQ(liste->count(), 0);
    EXPECT_EQ(nomsDans(dossierBilans()), (QStringList{QStringLiteral("notes.txt"), QStringLiteral("tableau.csv")}));
    EXPECT_EQ(nomsDans(programme.chemin()), QStringList{QStringLiteral("annee.zip")});

    // Nothing left: said, and no file dialog.
    QTest::mouseClick(bouton, Qt::LeftButton);
    EXPECT_EQ(dialogues.textes().last(), QStringLiteral("Il n'y a ni bilan ni liste d'élèves à archiver."));
    EXPECT_EQ(dialogues.enregistrements.size(), 2);
}
