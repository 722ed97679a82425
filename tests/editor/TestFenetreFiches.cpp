// The worksheets window: it opens on the type last used with every exercise ticked, and
// saves only the ticked ones as a PDF, named so even when the name was typed without it.

#include "Contexte.h"
#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "FichierExercice.h"
#include "TF_Fiches.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void EcrireExercices(const QString& serie, const QStringList& noms)
{
    QDir().mkpath(serie);
    Quadrillage grille;
    Figure figure;
    figure.Ajouter(ElementDepuisPixels(GenreTrait, 40, 40, 100, 200, CouleurBlanc, grille.TailleCase));
    for (const QString& nom : noms)
        ASSERT_TRUE(EcrireExercice(QDir(serie).filePath(nom), grille, figure, ParametresEcriture{}));
}

TEST(FenetreFiches, CocheToutEtEnregistreLesExercicesCoches)
{
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Contexte contexte(dossier.chemin());
    contexte.dossierExercices.fixerDossier(dossier.chemin() + QLatin1Char('/'));
    contexte.numeroExercice = 3;
    const QString serie = dossier.fichier(QStringLiteral("Série A"));
    EcrireExercices(serie, {QStringLiteral("Ex1.ex3"), QStringLiteral("Ex2.ex3"),
                            QStringLiteral("Ex3.ex3"), QStringLiteral("Autre.ex2")});

    TF_Fiches fenetre(contexte);
    fenetre.show();
    EXPECT_EQ(fenetre.findChild<QComboBox*>(QStringLiteral("ChoixType"))->currentIndex(), 1);
    auto* exercices = fenetre.findChild<QListWidget*>(QStringLiteral("ListeExercices"));
    ASSERT_EQ(exercices->count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(exercices->item(i)->checkState(), Qt::Checked);
    exercices->item(1)->setCheckState(Qt::Unchecked);

    dialogues.fichiersEnregistres.enqueue(dossier.fichier(QStringLiteral("fiches")));
    QTest::mouseClick(fenetre.findChild<QPushButton*>(QStringLiteral("BoutonEnregistrerPdf")),
                      Qt::LeftButton);
    ASSERT_EQ(dialogues.enregistrements.size(), 1);
    EXPECT_EQ(QDir(dialogues.enregistrements[0].dossierInitial),
              QDir(dossier.fichier(QStringLiteral("Exercices à imprimer"))));
    EXPECT_EQ(fenetre.serieCochee().Exercices.size(), 2u);
    QFile pdf(dossier.fichier(QStringLiteral("fiches.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_TRUE(dialogues.messages.isEmpty()) << dialogues.textes().join(QLatin1Char('\n')).toStdString();

    QTest::keyClick(&fenetre, Qt::Key_F1);
    EXPECT_EQ(dialogues.aides, QStringList(QStringLiteral("aide_orvane.chm::fiches.htm")));
}

} // namespace
