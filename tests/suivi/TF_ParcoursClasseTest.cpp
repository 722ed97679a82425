// The teacher's path window, driven by its controls.

#include "TF_ParcoursClasse.h"

#include "Classes.h"
#include "Contexte.h"
#include "DialoguesScriptes.h"
#include "Enregistrements.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FenetreParcours : public ::testing::Test {
protected:
    QTemporaryDir racine;
    QDir r{racine.path()};
    Contexte contexte{racine.path()};
    DialoguesScriptes dialogues;
    TF_ParcoursClasse fenetre{contexte};

    FenetreParcours()
    {
        r.mkpath(QStringLiteral("exercices/Série 1"));
        ecrire(r.filePath(QStringLiteral("exercices/Série 1/Ex01.ex2")), "x");
        contexte.dossierExercices.fixerDossier(r.filePath(QStringLiteral("exercices")));
        for (const char* classe : {"CM1.elv", "CE2.elv"})
            EXPECT_TRUE(EcrireClasse(r.filePath(QString::fromUtf8(classe)), {QStringLiteral("Zoé")}));
    }

    static void ecrire(const QString& chemin, const QByteArray& octets) { ASSERT_TRUE(ecrireFichier(chemin, octets)); }
    static QByteArray lire(const QString& chemin) { return lireFichier(chemin).value_or(QByteArray()); }
    QString fichier() const { return r.filePath(NomFichierParcours(QStringLiteral("CM1"))); }

    template <typename T> T* controle(const char* nom)
    {
        T* trouve = fenetre.findChild<T*>(QString::fromLatin1(nom));
        EXPECT_NE(trouve, nullptr) << nom;
        return trouve;
    }
    void choisir(const char* liste, const QString& texte)
    {
        auto* combo = controle<QComboBox>(liste);
        combo->setCurrentText(texte);
        emit combo->activated(combo->currentIndex());
    }
    QStringList etapes()
    {
        QStringList textes;
        auto* liste = controle<QListWidget>("ListeEtapes");
        for (int i = 0; i < liste->count(); ++i)
            textes.append(liste->item(i)->text());
        return textes;
    }
    void ajouterNiveau(const QString& type, int niveau)
    {
        choisir("ComboTypeEtape", type);
        controle<QRadioButton>("RadioNiveau")->click();
        controle<QSpinBox>("SpinNiveau")->setValue(niveau);
        controle<QPushButton>("BoutonAjouter")->click();
    }
};

TEST_F(FenetreParcours, LesEtapesChoisiesSontEnregistreesEtRelues)
{
    fenetre.show();
    choisir("ComboClasse", QStringLiteral("CM1"));
    choisir("ComboTypeEtape", QStringLiteral("2 : lignes"));
    controle<QRadioButton>("RadioSerie")->click();
    choisir("ComboSerieEtape", QStringLiteral("Série 1"));
    controle<QPushButton>("BoutonAjouter")->click();
    ajouterNiveau(QStringLiteral("4 : autour d'un axe"), 2);
    controle<QCheckBox>("CaseAutres")->click();
    EXPECT_EQ(etapes(), (QStringList{QStringLiteral("1. Exercice 2 · Série 1 · toute la série"),
                                     QStringLiteral("2. Exercice 4 · niveau 2 au hasard · 3 réussites")}));
    ASSERT_TRUE(fenetre.BoutonEnregistrerClick());
    const ParcoursClasse enregistre = fenetre.parcours();
    EXPECT_FALSE(enregistre.autresExercices);
    EXPECT_EQ(lire(fichier()), ContenuParcours(enregistre, QStringLiteral("CM1")));

    // Moved, then left for another class without saving: the teacher is asked.
    controle<QListWidget>("ListeEtapes")->setCurrentRow(1);
    controle<QPushButton>("BoutonMonter")->click();
    dialogues.reponses.enqueue(Reponse::Non);
    choisir("ComboClasse", QStringLiteral("CE2"));
    EXPECT_EQ(dialogues.textes(), QStringList{QStringLiteral("Le parcours de la classe « CM1 » a changé. L'enregistrer ?")});
    EXPECT_TRUE(etapes().isEmpty());
    choisir("ComboClasse", QStringLiteral("CM1"));
    EXPECT_EQ(fenetre.parcours(), enregistre) << "read back as it was saved";

    // A series gone since is marked; the pupils pass over it.
    QDir(r.filePath(QStringLiteral("exercices/Série 1"))).removeRecursively();
    fenetre.hide();
    fenetre.show();
    EXPECT_TRUE(etapes().value(0).endsWith(QStringLiteral(" (introuvable)")));
}

// A step the file holds but nobody understands is shown, and a path changed on another
// computer since it was read is replaced only when the teacher says so.
TEST_F(FenetreParcours, UnParcoursChangeAilleursNEstRemplaceQuApresAccord)
{
    ecrire(fichier(), "Parcours Orvane 1\nniveau;4;9;3\n");
    fenetre.show();
    choisir("ComboClasse", QStringLiteral("CM1"));
    EXPECT_EQ(etapes(), QStringList{QStringLiteral("1. étape illisible : niveau;4;9;3")});
    ajouterNiveau(QStringLiteral("5 : par rapport à un point"), 1);
    const QByteArray ailleurs = "Parcours Orvane 1\nniveau;2;1;5\n";
    ecrire(fichier(), ailleurs);
    dialogues.reponses << Reponse::Non << Reponse::Oui;
    EXPECT_FALSE(fenetre.BoutonEnregistrerClick());
    EXPECT_EQ(lire(fichier()), ailleurs);
    EXPECT_TRUE(fenetre.BoutonEnregistrerClick());
    EXPECT_EQ(lire(fichier()), ContenuParcours(fenetre.parcours(), QStringLiteral("CM1")));
}

} // namespace
