// The editor's writes when they fail: a save or an export dialog pointing into a missing
// folder, and a full disk under an exercise saved before. The user is told which file
// failed, the drawing in memory is kept, the file saved before is intact, and the next
// save goes through.

#include "EditeurTest.h"

#include "DisquePlein.h"
#include "FichierExercice.h"

#include <QFile>

namespace {

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class PannesEditeur : public EditeurTest {
protected:
    void dessiner()
    {
        ouvrir(2);
        tracer({2, 2}, {2, 8});
        tracer({3, 3}, {6, 3});
        ASSERT_EQ(fenetre->figure().NbElements, 2);
    }

    void enregistrerSous(const QString& chemin)
    {
        dialogues.fichiersEnregistres.enqueue(chemin);
        cliquer("BoutonEnregistrer");
    }

    void attendreUnMessageSur(const QString& chemin)
    {
        ASSERT_EQ(dialogues.messages.size(), 1);
        EXPECT_EQ(dialogues.messages[0].genre, GenreMessage::Avertissement);
        EXPECT_TRUE(dialogues.messages[0].texte.startsWith(
            QStringLiteral("Erreur d'entrée/sortie sur le fichier « ") + chemin + QStringLiteral(" » : ")))
            << qPrintable(dialogues.messages[0].texte);
        dialogues.messages.clear();
    }
};

TEST_F(PannesEditeur, UnDossierManquantEstDitEtLeDessinReste)
{
    dessiner();
    const QString chemin = dossier.fichier(QStringLiteral("absent/Ex01.ex2"));
    enregistrerSous(chemin);
    attendreUnMessageSur(chemin);
    EXPECT_FALSE(QFileInfo::exists(dossier.fichier(QStringLiteral("absent"))));
    EXPECT_EQ(fenetre->figure().NbElements, 2);
    EXPECT_EQ(QDir::currentPath(), QDir(contexte.dossierProgramme).path());

    const QString bon = dossierSerie(2) + QStringLiteral("/Ex01.ex2");
    enregistrerSous(bon);
    EXPECT_TRUE(dialogues.messages.isEmpty());
    EXPECT_EQ(LireExercice(bon).Exercice.Elements.NbElements, 2);
}

TEST_F(PannesEditeur, DisquePleinLExerciceEnregistreAvantResteEntier)
{
    dessiner();
    const QString chemin = dossierSerie(2) + QStringLiteral("/Ex01.ex2");
    enregistrerSous(chemin);
    const QByteArray avant = contenu(chemin);
    ASSERT_EQ(avant.size(), 4 * (15 + 2 * 6));

    tracer({4, 4}, {4, 9});
    {
        DisquePlein plein;
        enregistrerSous(chemin);
    }
    attendreUnMessageSur(chemin);
    EXPECT_EQ(contenu(chemin), avant);
    EXPECT_EQ(QDir(dossierSerie(2)).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Ex01.ex2")}) << "no temporary file left";
    EXPECT_EQ(fenetre->figure().NbElements, 3);

    enregistrerSous(chemin);
    EXPECT_EQ(LireExercice(chemin).Exercice.Elements.NbElements, 3);
}

TEST_F(PannesEditeur, UneExportationVersUnDossierManquantEstDite)
{
    dessiner();
    const QString chemin = dossier.fichier(QStringLiteral("absent/ex.bmp"));
    dialogues.fichiersEnregistres.enqueue(chemin);
    cliquer("Button1");
    attendreUnMessageSur(chemin);
    EXPECT_EQ(fenetre->figure().NbElements, 2);
    EXPECT_EQ(QDir::currentPath(), QDir(contexte.dossierProgramme).path());
}

} // namespace
