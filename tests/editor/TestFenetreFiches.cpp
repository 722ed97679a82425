// The worksheets window: it opens on the type last used with every exercise ticked, and
// saves only the ticked ones as a PDF, named so even when the name was typed without it,
// never over a file the teacher was not asked about.

#include "Contexte.h"
#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "Enregistrements.h"
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

// A file the dialog did not ask about (the name it gave back made a PDF, or the answers
// beside it) is replaced only after a question, which names every such file at once.
TEST(FenetreFiches, DemandeAvantDeRemplacerCeQueLeDialogueNAPasVu)
{
    const QString fiches = QStringLiteral("fiches.pdf");
    const QString corriges = QStringLiteral("fiches - corrigés.pdf");
    const struct {
        const char* cas;
        const char* nomDuDialogue;
        int corrigesChoisis; // index in ChoixCorriges
        QStringList existants;
        Reponse reponse;
        QString question; // empty: none asked
        bool ecrit;
    } cas[] = {
        {"typed without .pdf, kept", "fiches", 0, {fiches}, Reponse::Non,
         QStringLiteral("Le fichier « fiches.pdf » existe déjà. Voulez-vous le remplacer ?"), false},
        {"the dialog asked about the worksheets, not the answers", "fiches.pdf", 2, {fiches, corriges},
         Reponse::Non, QStringLiteral("Le fichier « fiches - corrigés.pdf » existe déjà. Voulez-vous le remplacer ?"),
         false},
        {"both unseen, one question", "fiches", 2, {fiches, corriges}, Reponse::Oui,
         QStringLiteral("Les fichiers « fiches.pdf » et « fiches - corrigés.pdf » existent déjà. Voulez-vous "
                        "les remplacer ?"),
         true},
        {"nothing to replace", "fiches", 2, {}, Reponse::Non, QString(), true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.cas);
        DossierTemporaire dossier;
        DialoguesScriptes dialogues;
        Contexte contexte(dossier.chemin());
        contexte.dossierExercices.fixerDossier(dossier.chemin() + QLatin1Char('/'));
        EcrireExercices(dossier.fichier(QStringLiteral("Série A")), {QStringLiteral("Ex1.ex2")});
        for (const QString& existant : c.existants)
            ASSERT_TRUE(DossierTemporaire::ecrire(existant, QByteArray("ancien")));

        TF_Fiches fenetre(contexte);
        fenetre.show();
        fenetre.findChild<QComboBox*>(QStringLiteral("ChoixCorriges"))->setCurrentIndex(c.corrigesChoisis);
        dialogues.fichiersEnregistres.enqueue(dossier.fichier(QString::fromUtf8(c.nomDuDialogue)));
        dialogues.reponses.enqueue(c.reponse);
        QTest::mouseClick(fenetre.findChild<QPushButton*>(QStringLiteral("BoutonEnregistrerPdf")),
                          Qt::LeftButton);

        EXPECT_EQ(dialogues.textes(), c.question.isEmpty() ? QStringList() : QStringList(c.question));
        for (const QString& nom : {fiches, corriges}) {
            const QByteArray octets = lireFichier(dossier.fichier(nom)).value_or(QByteArray());
            if (c.ecrit && (nom == fiches || c.corrigesChoisis == 2))
                EXPECT_TRUE(octets.startsWith("%PDF")) << nom.toStdString();
            else
                EXPECT_EQ(octets, c.existants.contains(nom) ? QByteArray("ancien") : QByteArray()) << nom.toStdString();
        }
    }
}

} // namespace
