#include "TF_SuiviClasse.h"

#include "Bilans.h"
#include "Classes.h"
#include "Contexte.h"
#include "DialoguesScriptes.h"
#include "FinAnnee.h"
#include "Rtf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
void ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

// A program folder with its results folder and one exercise, "Série 1\Ex05".
class FenetreSuivi : public ::testing::Test {
protected:
    QTemporaryDir racine;
    QDir r{racine.path()};
    Contexte contexte{racine.path()};
    DialoguesScriptes dialogues;

    FenetreSuivi()
    {
        r.mkpath(QStringLiteral("exercices/Série 1"));
        r.mkpath(QStringLiteral("bilans"));
        contexte.dossierExercices.fixerDossier(r.filePath(QStringLiteral("exercices")));
        contexte.dossierBilans.fixerDossier(r.filePath(QStringLiteral("bilans")));
        ecrire(r.filePath(QStringLiteral("exercices/Série 1/Ex05.ex2")), "x");
    }
};
} // namespace

TEST_F(FenetreSuivi, TableauDeLaClasseTableurAideEtDossierDisparu)
{
    // A class of 51 pupils, one of them with a very long name.
    const QString nomLong = QStringLiteral("Marie-Charlotte Élisabeth ").repeated(8);
    QStringList eleves{QStringLiteral("Léa"), QStringLiteral("Paul"), nomLong};
    while (eleves.size() < NbMaxEleves + 1)
        eleves.append(QStringLiteral("Élève %1").arg(eleves.size()));
    ecrire(r.filePath(QStringLiteral("CM1.elv")), ContenuClasse(eleves.mid(0, NbMaxEleves)) + ContenuClasse({eleves.last()}));
    ecrire(r.filePath(QStringLiteral("bilans/Bilan Orvane CM1 Léa.reu")),
           documentRtf({QStringLiteral("Série 1\\Ex05"), LigneHasard(3, 4)}));
    TF_SuiviClasse fenetre(contexte);
    fenetre.show();

    EXPECT_EQ(fenetre.objectName(), QStringLiteral("F_SuiviClasse"));
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Suivi de la classe"));
    auto* classes = fenetre.findChild<QComboBox*>(QStringLiteral("ComboClasse"));
    auto* table = fenetre.findChild<QTableWidget*>(QStringLiteral("TableSuivi"));
    ASSERT_TRUE(classes && table);
    EXPECT_EQ(classes->currentText(), QStringLiteral("CM1"));
    EXPECT_EQ(fenetre.findChild<QLabel*>(QStringLiteral("LabelMessage"))->text(), MessageClasseIncomplete());
    ASSERT_EQ(table->rowCount(), NbMaxEleves + 2); // the series, the first 50 pupils and the totals
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("Série 1"));
    EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("Léa"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("✓"));
    EXPECT_EQ(table->item(2, 1), nullptr);
    EXPECT_EQ(table->item(3, 0)->toolTip(), nomLong);
    EXPECT_LE(table->columnWidth(0), table->width() / 3);
    EXPECT_EQ(table->item(NbMaxEleves + 1, 1)->text(), QStringLiteral("1"));
    // After the totals, the levels reached au hasard, one column per type.
    EXPECT_EQ(table->horizontalHeaderItem(5)->text(), QStringLiteral("Au hasard 3"));
    EXPECT_EQ(table->item(1, 5)->text(), QStringLiteral("4"));
    const struct {
        const char* liste;
        const char* nom;
    } choix[] = {{"ComboClasse", "Classe"}, {"ComboType", "Exercices"}, {"ComboSerie", "Série"}};
    for (const auto& c : choix)
        EXPECT_EQ(fenetre.findChild<QComboBox*>(QString::fromUtf8(c.liste))->accessibleName(), QString::fromUtf8(c.nom));

    dialogues.fichiersEnregistres.enqueue(r.filePath(QStringLiteral("suivi.csv")));
    fenetre.BoutonTableurClick();
    ASSERT_EQ(dialogues.enregistrements.size(), 1);
    EXPECT_EQ(dialogues.enregistrements[0].dossierInitial, racine.path());
    QFile csv(r.filePath(QStringLiteral("suivi.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    // The copy counts the attempts beside each exercise; Léa has no attempts file.
    EXPECT_TRUE(csv.readAll().startsWith("\xEF\xBB\xBF\xC3\x89l\xC3\xA8ve;S\xC3\xA9rie 1\\Ex05.ex2;S\xC3\xA9rie 1\\Ex05.ex2 essais;"
                                         "Total;autres;Niveau au hasard 2;"
                                         "Niveau au hasard 3;Niveau au hasard 4;Niveau au hasard 5\r\n"
                                         "L\xC3\xA9" "a;x;;1;0;;4;;\r\n"));

    QTest::keyClick(&fenetre, Qt::Key_F1);
    EXPECT_EQ(dialogues.aides, QStringList{QStringLiteral("aide_orvane.chm::suivi.htm")});

    fenetre.hide();
    QDir(r.filePath(QStringLiteral("exercices"))).removeRecursively();
    fenetre.show();
    EXPECT_TRUE(fenetre.findChild<QLabel*>(QStringLiteral("LabelMessage"))
                    ->text().startsWith(QStringLiteral("Le dossier des exercices est introuvable")));
    EXPECT_EQ(table->rowCount(), 0);
}

TEST_F(FenetreSuivi, NomsMasquesDansLaFenetreEtLePdfEtAnneeArchiveeRelue)
{
    const QStringList eleves{QStringLiteral("Léa Martin"), QStringLiteral("Lucas Moreau"), QStringLiteral("Jean-Luc")};
    ecrire(r.filePath(QStringLiteral("CM1.elv")), ContenuClasse(eleves));
    ecrire(r.filePath(QStringLiteral("bilans/Bilan Orvane CM1 Léa Martin.reu")), documentRtf({QStringLiteral("Série 1\\Ex05")}));
    TF_SuiviClasse fenetre(contexte);
    fenetre.show();
    auto* table = fenetre.findChild<QTableWidget*>(QStringLiteral("TableSuivi"));
    auto* masquer = fenetre.findChild<QCheckBox*>(QStringLiteral("CaseMasquerNoms"));
    ASSERT_TRUE(table && masquer);

    masquer->click();
    const QStringList initiales{QStringLiteral("L. M."), QStringLiteral("L. M. (2)"), QStringLiteral("J.-L.")};
    for (int i = 0; i < eleves.size(); ++i) {
        EXPECT_EQ(table->item(i + 1, 0)->text(), initiales[i]);
        EXPECT_EQ(table->item(i + 1, 0)->toolTip(), initiales[i]) << "the whole name is not in the tooltip either";
    }
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        const QString pdf = r.filePath(QStringLiteral("suivi.pdf"));
        dialogues.fichiersEnregistres.enqueue(pdf);
        fenetre.BoutonPdfClick();
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        pdftotext.waitForFinished();
        const QString texte = QString::fromUtf8(pdftotext.readAllStandardOutput());
        EXPECT_TRUE(texte.contains(QStringLiteral("L. M. (2)"))) << texte.toStdString();
        for (const QString& nom : {QStringLiteral("Léa"), QStringLiteral("Martin"), QStringLiteral("Moreau"), QStringLiteral("Jean")})
            EXPECT_FALSE(texte.contains(nom)) << nom.toStdString();
    }

    // A past year, read from its archive while this year's files are gone.
    const QString archive = r.filePath(QStringLiteral("annee.zip"));
    ASSERT_TRUE(ArchiverEtEffacer(FichiersDeLAnnee(r.filePath(QStringLiteral("bilans")), racine.path()), archive).erreur.isEmpty());
    fenetre.hide();
    fenetre.show();
    auto* classes = fenetre.findChild<QComboBox*>(QStringLiteral("ComboClasse"));
    EXPECT_EQ(classes->currentText(), SansClasse) << "no class list left";
    dialogues.fichiersOuverts.enqueue(archive);
    fenetre.BoutonArchiveClick();
    EXPECT_EQ(classes->currentText(), QStringLiteral("CM1"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("✓"));
    EXPECT_TRUE(QDir(r.filePath(QStringLiteral("bilans"))).isEmpty()) << "the archive is read where it was unfolded";
    fenetre.hide();
    fenetre.show();
    EXPECT_EQ(classes->currentText(), SansClasse) << "closing the window leaves the archive";
}
