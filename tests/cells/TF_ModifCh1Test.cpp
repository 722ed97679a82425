#include "Contexte.h"
#include "GroupeRadio.h"
#include "TF_ModifCh1.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class DialogueChoix : public ::testing::Test {
protected:
    void TearDown() override { dialogue_.hide(); }

    void ouvrir(int taille, int choix)
    {
        contexte.reglages.TailleJeu1 = static_cast<quint8>(taille);
        contexte.reglages.NbColoreesJeu1 = static_cast<quint8>(choix);
        dialogue_.show();
    }
    GroupeRadio* groupe(const char* nom) const
    {
        return dialogue_.findChild<GroupeRadio*>(QLatin1String(nom));
    }
    void choisir(const char* item)
    {
        dialogue_.findChild<QRadioButton*>(QLatin1String(item))->click();
    }
    void cliquer(const char* bouton)
    {
        QTest::mouseClick(dialogue_.findChild<QPushButton*>(QLatin1String(bouton)), Qt::LeftButton);
    }
    QString couleurChoisie() const
    {
        GroupeRadio* g = groupe("NbCasesCouleur");
        return g->items().value(g->itemIndex());
    }

    Contexte contexte;
    TF_ModifCh1 dialogue_{contexte};
};

TEST_F(DialogueChoix, LeMemeChoixDeCouleursSuitLaNouvelleTaille)
{
    ouvrir(2, 2);
    EXPECT_EQ(groupe("NbCasesJeu1")->itemIndex(), 1);
    EXPECT_EQ(groupe("NbCasesCouleur")->items(),
              QStringList({QStringLiteral("5"), QStringLiteral("7"), QStringLiteral("10"),
                           QStringLiteral("12")}));
    EXPECT_EQ(couleurChoisie(), QStringLiteral("7"));

    choisir("NbCasesJeu1_4");
    EXPECT_EQ(contexte.reglages.TailleJeu1, 4);
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 2);
    EXPECT_EQ(groupe("NbCasesCouleur")->itemIndex(), 1);
    EXPECT_EQ(couleurChoisie(), QStringLiteral("15"));

    choisir("NbCasesCouleur_4");
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 4);
    EXPECT_EQ(couleurChoisie(), QStringLiteral("24"));
}

TEST_F(DialogueChoix, LesTitresDesGroupes)
{
    ouvrir(1, 1);
    EXPECT_EQ(groupe("NbCasesJeu1")->title(), QStringLiteral("Nombre de cases"));
    EXPECT_EQ(groupe("NbCasesJeu1")->items().first(), QStringLiteral("Taille 1 (3 x 5)"));
    EXPECT_EQ(groupe("NbCasesCouleur")->title(), QStringLiteral("Nombre de cases colorées"));
    EXPECT_EQ(dialogue_.size(), QSize(467, 325));
}

TEST_F(DialogueChoix, AnnulerRemetLesDeuxValeursDeLOuverture)
{
    ouvrir(2, 3);
    choisir("NbCasesJeu1_4");
    choisir("NbCasesCouleur_1");
    choisir("NbCasesJeu1_1");
    cliquer("BitBtn1");
    EXPECT_FALSE(dialogue_.isVisible());
    EXPECT_EQ(contexte.reglages.TailleJeu1, 2);
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 3);

    // The next opening remembers the values of that opening, not of the first.
    ouvrir(4, 1);
    EXPECT_EQ(couleurChoisie(), QStringLiteral("10"));
    choisir("NbCasesCouleur_2");
    QTest::keyClick(&dialogue_, Qt::Key_Escape);
    EXPECT_FALSE(dialogue_.isVisible());
    EXPECT_EQ(contexte.reglages.TailleJeu1, 4);
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 1) << "Escape is Annuler";
}

TEST_F(DialogueChoix, OkEtLaFermetureGardentLesChoix)
{
    ouvrir(3, 2);
    choisir("NbCasesJeu1_2");
    cliquer("BitBtn2");
    EXPECT_FALSE(dialogue_.isVisible());
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
    EXPECT_EQ(contexte.reglages.TailleJeu1, 2);

    ouvrir(2, 2);
    choisir("NbCasesCouleur_4");
    dialogue_.close();
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 4);
}

TEST_F(DialogueChoix, DesValeursAbimeesSOuvrentSurLesValeursParDefaut)
{
    ouvrir(0, 200);
    EXPECT_EQ(groupe("NbCasesJeu1")->itemIndex(), 2);
    EXPECT_EQ(couleurChoisie(), QStringLiteral("10"));
    cliquer("BitBtn1");
    EXPECT_EQ(contexte.reglages.TailleJeu1, 3);
    EXPECT_EQ(contexte.reglages.NbColoreesJeu1, 2);
}

} // namespace
