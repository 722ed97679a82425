#include "Classes.h"
#include "SupportEleves.h"
#include "TF_Listes.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

TEST(FichierClasse, LectureEnregistrementParEnregistrement)
{
    DossierTemporaire dossier;
    const QByteArray contenu = enregistrementEleve("Zo\xe9", 'x') + enregistrementEleve("") +
                               enregistrementEleve(QByteArray(255, 'a')) + QByteArray(100, '\x07');
    QFile f(dossier.fichier(QStringLiteral("CE1.elv")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    f.close();
    const LectureClasse lecture = LireClasse(QStringLiteral("CE1.elv"));
    EXPECT_EQ(lecture.noms, (QStringList{QStringLiteral("Zoé"), QString(), QString(255, QLatin1Char('a'))}))
        << "the bytes after a name and a trailing partial record are ignored";
    EXPECT_TRUE(lecture.complete);
    EXPECT_TRUE(lecture.erreur.isEmpty());
    EXPECT_EQ(lecture.enregistrements.value(0), enregistrementEleve("Zo\xe9", 'x'));

    // Written again, a record keeps what followed its name.
    ASSERT_TRUE(EcrireClasse(QStringLiteral("CE1b.elv"), {QStringLiteral("Zoé"), QStringLiteral("Léo")},
                             lecture.enregistrements));
    const LectureClasse relue = LireClasse(QStringLiteral("CE1b.elv"));
    EXPECT_EQ(relue.enregistrements.value(0), enregistrementEleve("Zo\xe9", 'x'));
    EXPECT_EQ(relue.noms.value(1), QStringLiteral("Léo"));

    EXPECT_FALSE(LireClasse(QStringLiteral("absente.elv")).erreur.isEmpty());
}

TEST(FichierClasse, UneClasseNeDepassePasSonTampon)
{
    DossierTemporaire dossier;
    QByteArray contenu;
    for (int i = 1; i <= 60; ++i)
        contenu += enregistrementEleve("eleve" + QByteArray::number(i));
    QFile f(dossier.fichier(QStringLiteral("grande.elv")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    f.close();
    const LectureClasse lecture = LireClasse(QStringLiteral("grande.elv"));
    EXPECT_EQ(lecture.noms.size(), 50);
    EXPECT_EQ(lecture.noms.constLast(), QStringLiteral("eleve50"));
    EXPECT_FALSE(lecture.complete);

    QString erreur;
    EXPECT_FALSE(EcrireClasse(QStringLiteral("trop.elv"), QStringList(51, QStringLiteral("x")), {}, &erreur));
    EXPECT_FALSE(erreur.isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral("trop.elv")));
}

TEST(FichierClasse, NomDeLaClasse)
{
    EXPECT_EQ(NomDeClasse(QStringLiteral("/un/dossier/CM2 2009.elv")), QStringLiteral("CM2 2009"));
    EXPECT_EQ(NomDeClasse(QStringLiteral("CE1.elv")), QStringLiteral("CE1"));
    EXPECT_EQ(NomDeClasse(QStringLiteral("ab")), QString());
}

// ---- the class-list editor ----

class EditeurClasses : public TestEleves {
protected:
    TF_Listes fenetre{contexte};
    QLineEdit* nomClasse = fenetre.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QLineEdit* nouvelEleve = fenetre.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    QListWidget* liste = fenetre.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    QLabel* label4 = fenetre.findChild<QLabel*>(QStringLiteral("Label4"));

    QPushButton* bouton(const char* nom)
    {
        return fenetre.findChild<QPushButton*>(QString::fromLatin1(nom));
    }
    void cliquer(const char* nom) { QTest::mouseClick(bouton(nom), Qt::LeftButton); }

    void nouvelleClasse(const QString& nom)
    {
        fenetre.show();
        cliquer("bouton_nouveau");
        nomClasse->setText(nom);
        QTest::keyClick(nomClasse, Qt::Key_Return);
    }

    void ajouter(const QString& eleve)
    {
        nouvelEleve->setText(eleve);
        QTest::keyClick(nouvelEleve, Qt::Key_Return);
    }

    QStringList textes() const { return textesListe(liste); }
};

TEST_F(EditeurClasses, EtatALaCreationEtApresNouvelleClasse)
{
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Création de listes d'élèves."));
    EXPECT_FALSE(nomClasse->isEnabled());
    EXPECT_FALSE(nouvelEleve->isEnabled());
    EXPECT_FALSE(bouton("bouton_enregistrer")->isEnabled());
    EXPECT_FALSE(bouton("bouton_rayer")->isEnabled());
    EXPECT_TRUE(label4->isHidden());
    nouvelleClasse(QStringLiteral("CM1"));
    EXPECT_EQ(fenetre.focusWidget(), nouvelEleve) << "Enter in the class name moves to the pupil's name";
    cliquer("bouton_quitter");
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_TRUE(nomClasse->isEnabled()) << "a later opening finds the boxes as they were left";
    EXPECT_TRUE(bouton("bouton_enregistrer")->isEnabled());
    EXPECT_EQ(nomClasse->text(), QString());
}

TEST_F(EditeurClasses, TroisElevesTriesDansTroisEnregistrements)
{
    nouvelleClasse(QStringLiteral("CM1"));
    for (const char* nom : {"Zoé", "adrien", "Marc"})
        ajouter(QString::fromUtf8(nom));
    EXPECT_EQ(textes(), (QStringList{QStringLiteral("adrien"), QStringLiteral("Marc"), QStringLiteral("Zoé")}));
    EXPECT_EQ(nouvelEleve->text(), QString());
    cliquer("bouton_enregistrer");
    const QByteArray contenu = lire(programme.fichier(QStringLiteral("CM1.elv")));
    ASSERT_EQ(contenu.size(), 768);
    EXPECT_EQ(contenu.mid(0, 7), QByteArray("\x06" "adrien"));
    EXPECT_EQ(contenu.mid(256, 5), QByteArray("\x04Marc"));
    EXPECT_EQ(contenu.mid(512, 4), QByteArray("\x03Zo\xe9"));
    EXPECT_FALSE(fenetre.modifiee());
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(EditeurClasses, ListeVideNomVideEtNomTropLong)
{
    nouvelleClasse(QStringLiteral("Vide"));
    cliquer("bouton_enregistrer");
    EXPECT_EQ(QFileInfo(programme.fichier(QStringLiteral("Vide.elv"))).size(), 0);
    EXPECT_TRUE(QFile::exists(programme.fichier(QStringLiteral("Vide.elv"))));

    nouvelleClasse(QStringLiteral("Long"));
    ajouter(QString());
    ajouter(QString(300, QLatin1Char('z')));
    cliquer("bouton_enregistrer");
    const QByteArray contenu = lire(programme.fichier(QStringLiteral("Long.elv")));
    ASSERT_EQ(contenu.size(), 512);
    EXPECT_EQ(contenu.at(0), '\0') << "an empty name is a record of length 0";
    EXPECT_EQ(static_cast<uchar>(contenu.at(256)), 255);
    EXPECT_EQ(contenu.mid(257, 255), QByteArray(255, 'z'));
}

TEST_F(EditeurClasses, SansNomDeClasseRienNEstEcrit)
{
    nouvelleClasse(QString());
    ajouter(QStringLiteral("Léa"));
    cliquer("bouton_enregistrer");
    EXPECT_FALSE(label4->isHidden());
    EXPECT_EQ(label4->text(), QStringLiteral("Il faut donner un nom à la classe."));
    EXPECT_TRUE(nomsDans(programme.chemin()).isEmpty());
    QTest::keyClick(nomClasse, Qt::Key_C);
    EXPECT_TRUE(label4->isHidden());
}

TEST_F(EditeurClasses, UnNomDeClasseAvecSeparateurEstRefuse)
{
    for (const char* nom : {"../CM1", "CM1\\b"}) {
        nouvelleClasse(QString::fromLatin1(nom));
        ajouter(QStringLiteral("Léa"));
        dialogues.messages.clear();
        cliquer("bouton_enregistrer");
        ASSERT_EQ(dialogues.messages.size(), 1) << nom;
        EXPECT_EQ(dialogues.messages[0].genre, GenreMessage::Avertissement);
    }
    EXPECT_TRUE(nomsDans(programme.chemin()).isEmpty());
    EXPECT_TRUE(nomsDans(QDir(programme.chemin()).filePath(QStringLiteral(".."))).filter(QStringLiteral(".elv")).isEmpty());
}

TEST_F(EditeurClasses, UnCinquanteEtUniemeEleveEstRefuse)
{
    nouvelleClasse(QStringLiteral("Pleine"));
    for (int i = 1; i <= 50; ++i)
        ajouter(QStringLiteral("e%1").arg(i));
    EXPECT_TRUE(dialogues.messages.isEmpty());
    ajouter(QStringLiteral("en trop"));
    EXPECT_EQ(liste->count(), 50);
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_EQ(dialogues.messages[0].texte, QStringLiteral("Une classe ne peut pas compter plus de 50 élèves."));
    EXPECT_EQ(nouvelEleve->text(), QStringLiteral("en trop")) << "the name stays to be used elsewhere";
    cliquer("bouton_enregistrer");
    EXPECT_EQ(QFileInfo(programme.fichier(QStringLiteral("Pleine.elv"))).size(), 50 * 256);
}

TEST_F(EditeurClasses, OuvrirDepuisUnAutreDossierPuisEnregistrerIci)
{
    QDir(programme.chemin()).mkdir(QStringLiteral("ailleurs"));
    const QString source = programme.fichier(QStringLiteral("ailleurs/CM2 2009.elv"));
    ecrire(source, enregistrementEleve("Marc") + enregistrementEleve("adrien"));
    fenetre.show();
    dialogues.fichiersOuverts.enqueue(source);
    QDir::setCurrent(dossierBilans());
    cliquer("bouton_ouvrir");
    ASSERT_EQ(dialogues.ouvertures.size(), 1);
    EXPECT_EQ(dialogues.ouvertures[0].filtre, QStringLiteral("fichiers élèves(*.elv)"));
    EXPECT_EQ(nomClasse->text(), QStringLiteral("CM2 2009"));
    EXPECT_EQ(textes(), (QStringList{QStringLiteral("adrien"), QStringLiteral("Marc")}));
    EXPECT_EQ(dialogues.ouvertures[0].dossierInitial, contexte.dossierProgramme);
    cliquer("bouton_enregistrer");
    // The bytes after each name are whatever the class buffer held: only the names count.
    EXPECT_EQ(QFileInfo(programme.fichier(QStringLiteral("CM2 2009.elv"))).size(), 512);
    EXPECT_EQ(LireClasse(programme.fichier(QStringLiteral("CM2 2009.elv"))).noms,
              (QStringList{QStringLiteral("adrien"), QStringLiteral("Marc")}));

    // A cancelled dialog changes nothing.
    cliquer("bouton_ouvrir");
    EXPECT_EQ(liste->count(), 2);
}

TEST_F(EditeurClasses, UneClasseTropLongueMontreSesCinquantePremiers)
{
    QByteArray contenu;
    for (int i = 1; i <= 55; ++i)
        contenu += enregistrementEleve("e" + QByteArray::number(i));
    ecrire(programme.fichier(QStringLiteral("grande.elv")), contenu);
    fenetre.show();
    dialogues.fichiersOuverts.enqueue(programme.fichier(QStringLiteral("grande.elv")));
    cliquer("bouton_ouvrir");
    EXPECT_EQ(liste->count(), 50);
    EXPECT_EQ(dialogues.messages.size(), 1);
}

TEST_F(EditeurClasses, RayerUnEleve)
{
    nouvelleClasse(QStringLiteral("CM1"));
    ajouter(QStringLiteral("Léa"));
    ajouter(QStringLiteral("Tom"));
    QListWidgetItem* tom = liste->item(1);
    liste->setCurrentItem(tom);
    emit liste->itemClicked(tom);
    EXPECT_TRUE(bouton("bouton_rayer")->isEnabled());
    cliquer("bouton_rayer");
    EXPECT_EQ(textes(), QStringList{QStringLiteral("Léa")});
    EXPECT_FALSE(bouton("bouton_rayer")->isEnabled());
}

TEST_F(EditeurClasses, QuitterAvecDesChangementsDemande)
{
    nouvelleClasse(QStringLiteral("CM1"));
    ajouter(QStringLiteral("Léa"));
    dialogues.reponses.enqueue(Reponse::Non);
    cliquer("bouton_quitter");
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_EQ(dialogues.messages[0].texte, QStringLiteral("Enregistrer la classe en cours ?"));
    EXPECT_EQ(dialogues.messages[0].boutons, BoutonsMessage::OuiNon);
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_FALSE(QFile::exists(programme.fichier(QStringLiteral("CM1.elv"))));

    nouvelleClasse(QStringLiteral("CM2"));
    ajouter(QStringLiteral("Tom"));
    dialogues.reponses.enqueue(Reponse::Oui);
    QTest::keyClick(&fenetre, Qt::Key_Escape);
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(LireClasse(programme.fichier(QStringLiteral("CM2.elv"))).noms,
              QStringList{QStringLiteral("Tom")});

    // Oui without a class name: the window stays open and says what is missing.
    nouvelleClasse(QString());
    ajouter(QStringLiteral("Ana"));
    dialogues.reponses.enqueue(Reponse::Oui);
    cliquer("bouton_quitter");
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_FALSE(label4->isHidden());

    // Nothing changed since the save: no question.
    QTest::keyClicks(nomClasse, QStringLiteral("CE1"));
    cliquer("bouton_enregistrer");
    dialogues.messages.clear();
    cliquer("bouton_quitter");
    EXPECT_TRUE(dialogues.messages.isEmpty());
    EXPECT_FALSE(fenetre.isVisible());
}

TEST_F(EditeurClasses, AideParF1EtParLeMenu)
{
    fenetre.show();
    QTest::keyClick(&fenetre, Qt::Key_F1);
    EXPECT_EQ(dialogues.aides, QStringList{QStringLiteral("aide_orvane.chm::listes.htm")});
}

} // namespace
