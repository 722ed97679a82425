#include "SupportEleves.h"
#include "TF_nom_eleve.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray classe(std::initializer_list<const char*> noms)
{
    QByteArray contenu;
    for (const char* nom : noms)
        contenu += enregistrementEleve(nom);
    return contenu;
}

class Identification : public TestEleves {
protected:
    TF_nom_eleve fenetre{contexte};
    QListWidget* classes = fenetre.findChild<QListWidget*>(QStringLiteral("ListBox3"));
    QListWidget* eleves = fenetre.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    QLineEdit* nom = fenetre.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QLineEdit* classeTapee = fenetre.findChild<QLineEdit*>(QStringLiteral("Edit2"));

    Identification()
    {
        ecrire(programme.fichier(QStringLiteral("CM1.elv")), classe({"Zo\xe9", "adrien", "Marc"}));
        ecrire(programme.fichier(QStringLiteral("CE1.elv")), classe({"Tom"}));
    }

    void valider()
    {
        QTest::mouseClick(fenetre.findChild<QPushButton*>(QStringLiteral("bouton_valide")),
                          Qt::LeftButton);
    }

};

TEST_F(Identification, LesClassesSontLesFichiersSansExtension)
{
    fenetre.show();
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Nom de l'utilisateur."));
    QStringList trouvees = textesListe(classes);
    trouvees.sort();
    EXPECT_EQ(trouvees, (QStringList{QStringLiteral("CE1"), QStringLiteral("CM1")}));
    EXPECT_EQ(fenetre.nbClasses(), 2);
    cliquerItem(classes, QStringLiteral("CM1"));
    EXPECT_EQ(textesListe(eleves), (QStringList{QStringLiteral("Zoé"), QStringLiteral("adrien"),
                                           QStringLiteral("Marc")}))
        << "pupils in file order";
    EXPECT_EQ(classeTapee->text(), QStringLiteral("CM1"));
}

TEST_F(Identification, UneClasseEtUnNomChoisis)
{
    fenetre.show();
    cliquerItem(classes, QStringLiteral("CM1"));
    cliquerItem(eleves, QStringLiteral("Marc"));
    EXPECT_EQ(nom->text(), QStringLiteral("Marc"));
    valider();
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(contexte.nomClasse, QStringLiteral("CM1"));
    EXPECT_EQ(contexte.nomEleve, QStringLiteral("Marc"));
}

TEST_F(Identification, UnDoubleClicValide)
{
    fenetre.show();
    cliquerItem(classes, QStringLiteral("CE1"));
    QListWidgetItem* tom = eleves->item(0);
    eleves->setCurrentItem(tom);
    emit eleves->itemDoubleClicked(tom);
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(contexte.nomEleve, QStringLiteral("Tom"));
    EXPECT_EQ(contexte.nomClasse, QStringLiteral("CE1"));
}

TEST_F(Identification, CliquerDansLeNomOublieLaClasse)
{
    fenetre.show();
    cliquerItem(classes, QStringLiteral("CM1"));
    cliquerItem(eleves, QStringLiteral("Marc"));
    QTest::mouseClick(nom, Qt::LeftButton);
    EXPECT_EQ(classeTapee->text(), QString());
    EXPECT_EQ(contexte.nomClasse, QString());
    QTest::keyClicks(nom, QStringLiteral("o"));
    EXPECT_TRUE(eleves->selectedItems().isEmpty()) << "a typed name is not tied to the list";
    valider();
    EXPECT_EQ(contexte.nomEleve, QStringLiteral("Marco"));
    EXPECT_EQ(contexte.nomClasse, QString());
}

TEST_F(Identification, AuClavierSeulLesDeuxTextesSontPrisTelsQuels)
{
    fenetre.show();
    QTest::keyClicks(classeTapee, QStringLiteral("CM9"));
    QTest::keyClicks(nom, QStringLiteral("Inconnu"));
    valider();
    EXPECT_EQ(contexte.nomClasse, QStringLiteral("CM9"));
    EXPECT_EQ(contexte.nomEleve, QStringLiteral("Inconnu"));
}

TEST_F(Identification, EntrainementGardeLaClasse)
{
    fenetre.show();
    cliquerItem(classes, QStringLiteral("CM1"));
    QTest::mouseClick(fenetre.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(contexte.nomEleve, QStringLiteral("entrainement"));
    EXPECT_EQ(contexte.nomClasse, QStringLiteral("CM1"));
}

TEST_F(Identification, ValiderSansNomNeDonneAucunNom)
{
    fenetre.show();
    cliquerItem(classes, QStringLiteral("CM1"));
    valider();
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(contexte.nomEleve, QString());
}

TEST_F(Identification, LIdentitePrecedenteEstReproposee)
{
    contexte.nomEleve = QStringLiteral("Zoé");
    contexte.nomClasse = QStringLiteral("CM1");
    fenetre.show();
    EXPECT_EQ(nom->text(), QStringLiteral("Zoé"));
    EXPECT_EQ(nom->selectedText(), QStringLiteral("Zoé"));
    EXPECT_EQ(classeTapee->text(), QStringLiteral("CM1"));
}

TEST_F(Identification, SansClasseLeNomALaMain)
{
    QFile::remove(programme.fichier(QStringLiteral("CM1.elv")));
    QFile::remove(programme.fichier(QStringLiteral("CE1.elv")));
    fenetre.show();
    EXPECT_EQ(classes->count(), 0);
    EXPECT_EQ(fenetre.focusWidget(), nom);
}

TEST_F(Identification, EchapNeFermePas)
{
    fenetre.show();
    QTest::keyClick(&fenetre, Qt::Key_Escape);
    EXPECT_TRUE(fenetre.isVisible());
}

TEST_F(Identification, UneClasseIlisibleEstSignalee)
{
    QDir(programme.chemin()).mkdir(QStringLiteral("Dossier.elv"));
    fenetre.show();
    cliquerItem(classes, QStringLiteral("Dossier"));
    EXPECT_EQ(eleves->count(), 0);
    EXPECT_EQ(dialogues.messages.size(), 1);
}

TEST_F(Identification, UneClasseEnMajusculesSOuvreSousSonPropreNom)
{
    ecrire(programme.fichier(QStringLiteral("CP.ELV")), classe({"Lou"}));
    fenetre.show();
    cliquerItem(classes, QStringLiteral("CP"));
    EXPECT_EQ(textesListe(eleves), QStringList{QStringLiteral("Lou")});
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(Identification, LaClasseDeLaDerniereIdentiteSeRetrouveQuelleQueSoitLaCasse)
{
    ecrire(programme.fichier(QStringLiteral("CP.ELV")), classe({"Lou"}));
    contexte.nomEleve = QStringLiteral("Lou");
    contexte.nomClasse = QStringLiteral("cp");
    fenetre.show();
    classes->setCurrentItem(nullptr);
    fenetre.ListBox3Click();
    EXPECT_EQ(textesListe(eleves), QStringList{QStringLiteral("Lou")});
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(Identification, UneGrandeClasseMontreSesCinquantePremiers)
{
    QByteArray contenu;
    for (int i = 0; i < 70; ++i)
        contenu += classe({"x"});
    ecrire(programme.fichier(QStringLiteral("CM2.elv")), contenu);
    fenetre.show();
    cliquerItem(classes, QStringLiteral("CM2"));
    EXPECT_EQ(eleves->count(), 50);
}

} // namespace
