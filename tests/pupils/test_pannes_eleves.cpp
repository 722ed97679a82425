// Writes that fail under the pupils' files: a full disk while a success is recorded or a
// class list saved, and a program folder that disappears. Nothing written before may be
// lost, the user is told, and the next write works again.

#include "Bilans.h"
#include "Classes.h"
#include "DisquePlein.h"
#include "Rtf.h"
#include "SupportEleves.h"
#include "TF_Listes.h"

#include <QLineEdit>

namespace {

const QString Ex01 = QStringLiteral("Série 1\\Ex01");
const QString Ex05 = QStringLiteral("Série 1\\Ex05");

class PannesEleves : public TestEleves {
protected:
    PannesEleves()
    {
        contexte.nomEleve = QStringLiteral("Léa");
        contexte.nomClasse = QStringLiteral("CM1");
    }

    void reussir(const QString& ligne)
    {
        enregistrerReussite(ligne);
    }

    QByteArray fichierBilan() const { return lire(bilan(nomBilan())); }
};

TEST_F(PannesEleves, DisquePleinLaReussiteEstDiteEtLesAnciennesRestent)
{
    reussir(Ex01);
    const QByteArray avant = fichierBilan();
    ASSERT_FALSE(avant.isEmpty());
    {
        DisquePlein plein;
        reussir(Ex05);
    }
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_EQ(dialogues.messages[0].genre, GenreMessage::Avertissement);
    EXPECT_TRUE(dialogues.messages[0].texte.startsWith(
        QStringLiteral("Erreur d'entrée/sortie sur le fichier « ") + nomBilan()));
    EXPECT_EQ(fichierBilan(), avant);
    EXPECT_EQ(nomsDans(dossierBilans()), QStringList{nomBilan()});
    EXPECT_EQ(QDir::currentPath(), QDir(contexte.dossierProgramme).path());

    // The place is free again: the same success is recorded, after the earlier one.
    reussir(Ex05);
    EXPECT_EQ(lignesDocument(fichierBilan()), (QStringList{Ex01, Ex05, QString()}));
    lireBilanEleve();
    EXPECT_TRUE(reussi(Ex01));
    EXPECT_TRUE(reussi(Ex05));
}

TEST_F(PannesEleves, SansDossierDuProgrammeLaReussiteEstGardee)
{
    const QString disparu = programme.fichier(QStringLiteral("programme"));
    QDir().mkdir(disparu);
    contexte.dossierProgramme = disparu;
    QDir().rmdir(disparu);
    reussir(Ex05);
    EXPECT_EQ(lignesDocument(fichierBilan()), (QStringList{Ex05, QString()}));
    lireBilanEleve();
    EXPECT_TRUE(reussi(Ex05));
}

class PannesClasses : public PannesEleves {
protected:
    TF_Listes fenetre{contexte};

    void saisir(const QString& classe, const QStringList& eleves)
    {
        fenetre.bouton_nouveauClick();
        fenetre.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(classe);
        auto* edit2 = fenetre.findChild<QLineEdit*>(QStringLiteral("Edit2"));
        for (const QString& eleve : eleves) {
            edit2->setText(eleve);
            fenetre.ajouterEleve();
        }
    }
};

TEST_F(PannesClasses, DisquePleinLaClasseEnregistreeAvantResteEntiere)
{
    saisir(QStringLiteral("CM1"), {QStringLiteral("Zoé"), QStringLiteral("adrien")});
    ASSERT_TRUE(fenetre.bouton_enregistrerClick());
    const QByteArray avant = lire(QStringLiteral("CM1.elv"));
    ASSERT_EQ(avant.size(), 2 * TailleEnregistrementEleve);

    saisir(QStringLiteral("CM1"), {QStringLiteral("Marc")});
    {
        DisquePlein plein;
        EXPECT_FALSE(fenetre.bouton_enregistrerClick());
    }
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_TRUE(dialogues.messages[0].texte.startsWith(
        QStringLiteral("Erreur d'entrée/sortie sur le fichier « CM1.elv » : ")));
    EXPECT_EQ(lire(QStringLiteral("CM1.elv")), avant);
    EXPECT_TRUE(fenetre.modifiee()) << "the unsaved pupil must still count as a change";

    EXPECT_TRUE(fenetre.bouton_enregistrerClick());
    EXPECT_EQ(LireClasse(QStringLiteral("CM1.elv")).noms, QStringList{QStringLiteral("Marc")});
}

TEST_F(PannesClasses, UnDossierALaPlaceDuFichierEstDitEtRestePoseLa)
{
    QDir().mkdir(QStringLiteral("CE2.elv"));
    saisir(QStringLiteral("CE2"), {QStringLiteral("Ana")});
    EXPECT_FALSE(fenetre.bouton_enregistrerClick());
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_TRUE(dialogues.messages[0].texte.contains(QStringLiteral("« CE2.elv »")));
    EXPECT_TRUE(QFileInfo(QStringLiteral("CE2.elv")).isDir());
}

TEST(PannesClassesSansFenetre, UnDossierManquantNeCreeRien)
{
    DossierTemporaire dossier;
    QString erreur;
    const QString fichier = dossier.fichier(QStringLiteral("absent/CM2.elv"));
    EXPECT_FALSE(EcrireClasse(fichier, {QStringLiteral("Léa")}, {}, &erreur));
    EXPECT_FALSE(erreur.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dossier.fichier(QStringLiteral("absent"))));
}

} // namespace
