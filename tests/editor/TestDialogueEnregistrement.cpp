#include "DialoguesQt.h"
#include "DossierTemporaire.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

// The real save dialog opens on the editor's own exercise type, and a name typed
// without extension takes the extension of the type the user picks.
TEST(DialogueEnregistrement, LeTypeChoisiDonneSonExtension)
{
    DossierTemporaire dossier;
    DialoguesQt reels;
    DemandeFichier demande;
    demande.dossierInitial = dossier.chemin();
    demande.filtre = QStringLiteral("jeu 2 (*.ex2);;jeu 3 (*.ex3);;jeu 4 (*.ex4);;jeu 5 (*.ex5)");
    demande.filtreInitial = QStringLiteral("jeu 4 (*.ex4)");
    demande.extensionParDefaut = QStringLiteral("ex4");

    const auto enregistrer = [&](int typeChoisi) {
        QString filtreOuvert;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            filtreOuvert = d->selectedNameFilter();
            if (typeChoisi >= 0) {
                auto* types = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                ASSERT_NE(types, nullptr);
                types->setCurrentIndex(typeChoisi);
                emit types->activated(typeChoisi); // what a user's choice emits
                emit types->textActivated(types->currentText());
            }
            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("Essai"));
            QMetaObject::invokeMethod(d, "accept");
        });
        const QString chemin = reels.enregistrerFichier(demande);
        EXPECT_EQ(filtreOuvert, demande.filtreInitial);
        return QFileInfo(chemin).fileName();
    };
    EXPECT_EQ(enregistrer(-1), QStringLiteral("Essai.ex4"));
    EXPECT_EQ(enregistrer(3), QStringLiteral("Essai.ex5"));
}
