// "&Valider" when the preference files cannot be written: on a full disk and when the
// program folder has disappeared. Each file keeps what it held, the failure is said, and
// the choices stay in force in memory.

#include "DialoguesScriptes.h"
#include "DisquePlein.h"
#include "DossierTemporaire.h"
#include "Enregistrements.h"
#include "Contexte.h"
#include "OutilsFenetres.h"
#include "Preferences.h"
#include "TF_preferences.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray contenu(const QString& fichier)
{
    return lireFichier(fichier).value_or(QByteArray("<absent>"));
}

class PannesPreferences : public ::testing::Test {
protected:
    // Files as a first "&Valider" leaves them, then the size 1 chosen in the window.
    void validerUneFois()
    {
        TF_preferences f(contexte);
        f.ChargerPreferences();
        cliquer(&f, QStringLiteral("SpeedButton1"));
        for (const QString& fichier : FichiersPreferences)
            avant.append(contenu(fichier));
        fenetre.ChargerPreferences();
        cliquer(&fenetre, QStringLiteral("NbCasesJeu1_0"));
    }

    QByteArrayList contenus() const
    {
        QByteArrayList c;
        for (const QString& fichier : FichiersPreferences)
            c.append(contenu(fichier));
        return c;
    }

    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Contexte contexte{dossier.chemin()};
    TF_preferences fenetre{contexte};
    QByteArrayList avant;
};

TEST_F(PannesPreferences, DisquePleinLesFichiersGardentLeurContenu)
{
    validerUneFois();
    {
        DisquePlein plein;
        cliquer(&fenetre, QStringLiteral("SpeedButton1"));
    }
    EXPECT_EQ(contenus(), avant);
    EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden).size(), FichiersPreferences.size())
        << "no temporary file left";
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_TRUE(dialogues.messages[0].texte.startsWith(QStringLiteral("Les préférences n'ont pas toutes été enregistrées.")));
    EXPECT_EQ(fenetre.result(), QDialog::Accepted);
    EXPECT_EQ(contexte.reglages.TailleJeu1, 1);

    // With room again, the same choice reaches the file.
    fenetre.ChargerPreferences();
    cliquer(&fenetre, QStringLiteral("NbCasesJeu1_0"));
    cliquer(&fenetre, QStringLiteral("SpeedButton1"));
    EXPECT_EQ(contenu(FichierReglages).at(0), 1);
}

TEST_F(PannesPreferences, SansDossierDuProgrammeRienNEstEcritNiPerdu)
{
    const QString disparu = dossier.fichier(QStringLiteral("programme"));
    QDir().mkdir(disparu);
    QDir::setCurrent(disparu);
    contexte.dossierProgramme = disparu;
    validerUneFois();
    QDir(disparu).removeRecursively();

    cliquer(&fenetre, QStringLiteral("SpeedButton1"));
    EXPECT_FALSE(QFileInfo::exists(disparu));
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_TRUE(dialogues.messages[0].texte.startsWith(QStringLiteral("Les préférences n'ont pas toutes été enregistrées.")));
    EXPECT_EQ(contexte.reglages.TailleJeu1, 1);
    EXPECT_EQ(QDir(dossier.chemin()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{}) << "nothing may land beside the vanished folder";

    // The next start-up finds the folder again, with the defaults since its files are gone.
    QDir().mkdir(disparu);
    QDir::setCurrent(disparu);
    ChargerFichierReglages(contexte);
    EXPECT_EQ(contexte.reglages.TailleJeu1, 3);
}

} // namespace
