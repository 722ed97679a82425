#include "DialoguesQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {
struct BoiteVue {
    QString titre;
    QString texte;
    QStringList boutons;
};

// Looks at the message box once it is open, then presses the button with the given text
// (or Escape when the text is empty).
BoiteVue repondre(const QString& bouton, const std::function<Reponse()>& ouvrir, Reponse* reponse)
{
    BoiteVue vue;
    QTimer::singleShot(0, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(boite, nullptr);
        vue.titre = boite->windowTitle();
        vue.texte = boite->text();
        for (QAbstractButton* b : boite->buttons())
            vue.boutons << b->text();
        for (QAbstractButton* b : boite->buttons())
            if (b->text() == bouton) {
                b->click();
                return;
            }
        QTest::keyClick(boite, Qt::Key_Escape);
    });
    *reponse = ouvrir();
    return vue;
}
} // namespace

TEST(DialoguesQt, LesBoitesPortentLeursTitresBoutonsEtRendentLeBoutonPresse)
{
    DialoguesQt reels;
    Reponse reponse = Reponse::Ok;
    const struct {
        GenreMessage genre;
        BoutonsMessage boutons;
        const char* presse;
        const char* titre;
        QStringList textes;
        Reponse attendue;
    } cas[] = {
        {GenreMessage::Avertissement, BoutonsMessage::Ok, "OK", "Avertissement", {QStringLiteral("OK")}, Reponse::Ok},
        {GenreMessage::Information, BoutonsMessage::Ok, "", "Information", {QStringLiteral("OK")}, Reponse::Ok},
        {GenreMessage::Confirmation, BoutonsMessage::OuiNon, "&Oui", "Confirmation",
         {QStringLiteral("&Oui"), QStringLiteral("&Non")}, Reponse::Oui},
        {GenreMessage::Confirmation, BoutonsMessage::OuiNonAnnuler, "&Non", "Confirmation",
         {QStringLiteral("&Oui"), QStringLiteral("&Non"), QStringLiteral("Annuler")}, Reponse::Non},
        {GenreMessage::Confirmation, BoutonsMessage::OuiNonAnnuler, "", "Confirmation",
         {QStringLiteral("&Oui"), QStringLiteral("&Non"), QStringLiteral("Annuler")}, Reponse::Annuler},
    };
    for (const auto& c : cas) {
        const BoiteVue vue = repondre(QString::fromUtf8(c.presse), [&] {
            return reels.message(c.genre, QStringLiteral("Texte à lire"), c.boutons);
        }, &reponse);
        const std::string ligne = std::string(c.titre) + " / " + c.presse;
        EXPECT_EQ(vue.titre, QString::fromUtf8(c.titre)) << ligne;
        EXPECT_EQ(vue.texte, QStringLiteral("Texte à lire")) << ligne;
        QStringList boutons = vue.boutons;
        QStringList attendus = c.textes;
        boutons.sort();
        attendus.sort();
        EXPECT_EQ(boutons, attendus) << ligne;
        EXPECT_EQ(reponse, c.attendue) << ligne;
    }
}

TEST(DialoguesQt, LesDialoguesDeFichiersDeQtParlentFrancais)
{
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm")))
        GTEST_SKIP() << "Qt's French translations are not installed";
    QTranslator* traducteur = InstallerTraductionsQt();
    ASSERT_NE(traducteur, nullptr);
    DialoguesQt reels;
    QString etiquette;
    QStringList boutons;
    QTimer::singleShot(0, [&] {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        etiquette = dialogue->findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text();
        for (QAbstractButton* b : dialogue->findChild<QDialogButtonBox*>()->buttons())
            boutons << b->text();
        dialogue->reject();
    });
    reels.enregistrerFichier({QStringLiteral("Enregistrer l'exercice"), {}, {}, {}, {}, {}, true});
    QCoreApplication::removeTranslator(traducteur);
    delete traducteur;
    EXPECT_EQ(etiquette, QStringLiteral("&Nom de fichier :"));
    boutons.sort();
    EXPECT_EQ(boutons, (QStringList{QStringLiteral("&Enregistrer"), QStringLiteral("Annuler")}));
}

// The text box: French buttons, the line typed handed back on OK, nothing on Escape.
TEST(DialoguesQt, LaBoiteDeTexteRendLaLigneTapeeOuRien)
{
    DialoguesQt reels;
    for (const bool valider : {true, false}) {
        QStringList boutons;
        QTimer::singleShot(0, [&] {
            QWidget* boite = QApplication::activeModalWidget();
            ASSERT_NE(boite, nullptr);
            for (auto* b : boite->findChildren<QAbstractButton*>())
                boutons << b->text();
            auto* ligne = boite->findChild<QLineEdit*>();
            ASSERT_NE(ligne, nullptr);
            EXPECT_EQ(ligne->text(), QStringLiteral("4-"));
            QTest::keyClick(ligne, Qt::Key_End);
            QTest::keyClicks(ligne, QStringLiteral("3-8271"));
            QTest::keyClick(boite, valider ? Qt::Key_Return : Qt::Key_Escape);
        });
        const std::optional<QString> tape =
            reels.demanderTexte({QStringLiteral("Ouvrir un code"), QStringLiteral("Code :"), QStringLiteral("4-")});
        boutons.sort();
        EXPECT_EQ(boutons, (QStringList{QStringLiteral("Annuler"), QStringLiteral("OK")}));
        EXPECT_EQ(tape, valider ? std::optional(QStringLiteral("4-3-8271")) : std::nullopt);
    }
}
