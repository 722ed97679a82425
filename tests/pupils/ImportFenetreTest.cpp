// Class lists imported through the real windows, offscreen: the class lists window, its
// preview, and the pupil window that shows the lists afterwards.

#include "Classes.h"
#include "ExportsEcole.h"
#include "SupportEleves.h"
#include "TF_ApercuImport.h"
#include "TF_Listes.h"
#include "TF_nom_eleve.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class ImportParLaFenetre : public TestEleves {
protected:
    TF_Listes listes{contexte};
    TF_nom_eleve eleve{contexte};

    QString fichierEcrit(const QString& nom, const QByteArray& octets)
    {
        const QString chemin = QDir(dossierExercices()).filePath(nom);
        ecrire(chemin, octets);
        return chemin;
    }

    // "Importer..." with the file chosen; the preview, modal, is handled from inside its own
    // event loop. Any window still open afterwards is closed, so that a test never hangs.
    void importer(const QString& fichier, const std::function<void(TF_ApercuImport&)>& dansApercu)
    {
        dialogues.fichiersOuverts.enqueue(fichier);
        QTimer::singleShot(0, &listes, [this, dansApercu] {
            auto* apercu = listes.findChild<TF_ApercuImport*>();
            if (apercu && apercu->isVisible())
                dansApercu(*apercu);
        });
        QTimer::singleShot(5000, &listes, [] {
            if (QWidget* ouverte = QApplication::activeModalWidget(); ouverte && ouverte->objectName() == QStringLiteral("F_ApercuImport"))
                ouverte->close();
        });
        listes.show();
        listes.bouton_importerClick();
    }

    static void cliquer(QWidget& fenetre, const char* bouton)
    {
        QTest::mouseClick(fenetre.findChild<QAbstractButton*>(QString::fromLatin1(bouton)), Qt::LeftButton);
    }

    // The names the pupil window shows for a class.
    QStringList elevesDe(const QString& classe)
    {
        eleve.show();
        auto* classes = eleve.findChild<QListWidget*>(QStringLiteral("ListBox3"));
        cliquerItem(classes, classe);
        const QStringList noms = textesListe(eleve.findChild<QListWidget*>(QStringLiteral("ListBox1")));
        eleve.hide();
        return noms;
    }
};

} // namespace

TEST_F(ImportParLaFenetre, ExportWindows1252EtListeUtf8ArriventDansLaFenetreDeLEleve)
{
    importer(fichierEcrit(QStringLiteral("export.csv"), exportEcole(false)),
             [](TF_ApercuImport& apercu) { cliquer(apercu, "BoutonImporter"); });
    ASSERT_EQ(dialogues.textes(),
              QStringList{QStringLiteral("Classes importées : CE2 (2 élèves), CM1 A (3 élèves), CM2 (2 élèves).")});
    EXPECT_EQ(elevesDe(QStringLiteral("CM1 A")),
              (QStringList{QStringLiteral("Léa MARTIN"), QStringLiteral("Léa MOREAU"), QStringLiteral("Noé")}));
    EXPECT_EQ(elevesDe(QStringLiteral("CM2")), (QStringList{QStringLiteral("Aïssatou"), QStringLiteral("François")}));

    importer(fichierEcrit(QStringLiteral("ma liste.csv"), listeDeuxColonnes()), [](TF_ApercuImport& apercu) {
        auto* classe = apercu.findChild<QLineEdit*>(QStringLiteral("EditClasse"));
        EXPECT_EQ(classe->text(), QStringLiteral("ma liste")) << "the file's name until the teacher names the class";
        classe->setText(QStringLiteral("CE1 Œ"));
        emit classe->textEdited(classe->text());
        auto* noms = apercu.findChild<QComboBox*>(QStringLiteral("ComboPresentation"));
        noms->setCurrentIndex(1);
        emit noms->activated(1);
        cliquer(apercu, "BoutonImporter");
    });
    EXPECT_EQ(elevesDe(QStringLiteral("CE1 Œ")),
              (QStringList{QStringLiteral("Léa Martin"), QStringLiteral("Maël Œuvrard"), QStringLiteral("Zoé Garçon")}));
}

TEST_F(ImportParLaFenetre, UneClasseExistanteNEstRemplaceeQuApresUneSecondeQuestion)
{
    const QString cm2 = programme.fichier(QStringLiteral("CM2.elv"));
    ecrire(cm2, ContenuClasse({QStringLiteral("Arthur"), QStringLiteral("François")}));
    const QString fichier = fichierEcrit(QStringLiteral("export.csv"), exportEcole(true));

    // Cancelled: nothing is written.
    importer(fichier, [](TF_ApercuImport& apercu) { cliquer(apercu, "BoutonAnnuler"); });
    EXPECT_EQ(nomsDans(programme.chemin()), QStringList{QStringLiteral("CM2.elv")});
    EXPECT_TRUE(dialogues.messages.isEmpty());

    // "Remplacer" asks once more; "Non" keeps the preview open.
    dialogues.reponses << Reponse::Non << Reponse::Oui;
    importer(fichier, [](TF_ApercuImport& apercu) {
        auto* remplacer = apercu.findChild<QRadioButton*>(QStringLiteral("RadioRemplacer"));
        ASSERT_TRUE(remplacer->isVisible());
        remplacer->click();
        cliquer(apercu, "BoutonImporter");
        EXPECT_TRUE(apercu.isVisible());
        cliquer(apercu, "BoutonImporter");
    });
    ASSERT_GE(dialogues.textes().size(), 3);
    EXPECT_EQ(dialogues.textes()[0], dialogues.textes()[1]);
    EXPECT_TRUE(dialogues.textes()[0].startsWith(QStringLiteral("Remplacer les listes de CM2 (2 élèves en tout)")));
    EXPECT_EQ(LireClasse(cm2).noms, (QStringList{QStringLiteral("Aïssatou"), QStringLiteral("François")}));

    // The class on show in the window is shown as the import left it, and saves without a
    // question.
    ecrire(cm2, ContenuClasse({QStringLiteral("Arthur"), QStringLiteral("François")}));
    dialogues.fichiersOuverts.enqueue(cm2);
    listes.bouton_ouvrirClick();
    importer(fichier, [](TF_ApercuImport& apercu) { cliquer(apercu, "BoutonImporter"); });
    EXPECT_EQ(textesListe(listes.findChild<QListWidget*>(QStringLiteral("ListBox1"))),
              (QStringList{QStringLiteral("Aïssatou"), QStringLiteral("Arthur"), QStringLiteral("François")}));
    const qsizetype questions = dialogues.textes().size();
    EXPECT_TRUE(listes.bouton_enregistrerClick());
    EXPECT_EQ(dialogues.textes().size(), questions);
}
