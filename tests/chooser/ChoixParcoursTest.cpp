// The chooser of a pupil whose class has a path, through the real window: it opens on the
// current step, marks the others, "Continuer" gives the next exercise, and the teacher's
// "no other exercises" leaves nothing else to open.

#include "ParcoursClasse.h"
#include "Rtf.h"
#include "SupportEleves.h"
#include "TF_choix_exo.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class ChoixParcours : public TestEleves {
protected:
    TF_choix_exo fenetre{contexte};

    ChoixParcours()
    {
        contexte.numeroExercice = 4;
        contexte.suiviEleve = true;
        contexte.nomEleve = QStringLiteral("Zoé");
        contexte.nomClasse = QStringLiteral("CM1");
        for (const char* chemin : {"Série 1/Ex01.ex4", "Série 1/Ex02.ex4", "Série 2/Ex01.ex4", "Autre/A.ex4"}) {
            QDir(dossierExercices()).mkpath(QString::fromUtf8(chemin).section(QLatin1Char('/'), 0, 0));
            ecrire(QDir(dossierExercices()).filePath(QString::fromUtf8(chemin)), QByteArray(60, '\0'));
        }
        fenetre.fixerSourceGraine([] { return 42u; });
    }

    void parcours(bool autres, const QByteArray& brut = {})
    {
        ParcoursClasse p;
        p.autresExercices = autres;
        EtapeParcours serie1, niveau, serie2;
        serie1.type = serie2.type = niveau.type = 4;
        serie1.serie = QStringLiteral("Série 1");
        serie2.serie = QStringLiteral("Série 2");
        niveau.genre = GenreEtape::Niveau;
        niveau.niveau = 1;
        niveau.reussites = 2;
        p.etapes = {serie1, niveau, serie2};
        ecrire(programme.fichier(NomFichierParcours(QStringLiteral("CM1"))),
               brut.isEmpty() ? ContenuParcours(p, QStringLiteral("CM1")) : brut);
    }
    void reussis(const QStringList& lignes) { ecrire(bilan(nomBilan()), documentRtf(lignes)); }

    void ouvrir()
    {
        fenetre.preparer(dossierExercices(), false);
        fenetre.show();
        QApplication::processEvents();
    }
    template <typename T = QWidget> T* controle(const char* nom)
    {
        T* trouve = fenetre.findChild<T*>(QString::fromLatin1(nom));
        EXPECT_NE(trouve, nullptr) << nom;
        return trouve;
    }
    QListWidget* liste(const char* nom) { return controle<QListWidget>(nom); }
    QString texte(const char* nom) { return controle<QLabel>(nom)->text(); }
    bool ouvrable(int etape) { return liste("ListeParcours")->item(etape)->flags() & Qt::ItemIsEnabled; }
};

TEST_F(ChoixParcours, LeChoixSOuvreSurLEtapeCouranteEtContinuerDonneLExerciceSuivant)
{
    parcours(false);
    reussis({QStringLiteral("Série 1\\Ex01")});
    ouvrir();
    EXPECT_EQ(texte("Label1"), QStringLiteral("Parcours de la classe"));
    EXPECT_EQ(textesListe(liste("ListeParcours")),
              (QStringList{QStringLiteral("➜ 1. Série 1 1/2"), QStringLiteral("  2. niveau 1 au hasard"),
                           QStringLiteral("  3. Série 2")}));
    EXPECT_TRUE(ouvrable(0));
    EXPECT_FALSE(ouvrable(1)) << "a step to come stays closed while the pupils keep to the path";
    EXPECT_EQ(textesListe(liste("ListBox2")), QStringList{QStringLiteral("Ex01")});
    EXPECT_EQ(textesListe(liste("ListBox3")), QStringList{QStringLiteral("Ex02")});
    EXPECT_TRUE(texte("LabelParcours").contains(QStringLiteral("les autres séries ne sont pas proposées")));
    for (const char* cache : {"ListBox1", "BoutonHasard", "EditCode", "LabelAutres"})
        EXPECT_FALSE(controle(cache)->isVisible()) << cache;

    controle<QPushButton>("BoutonContinuer")->click();
    EXPECT_EQ(fenetre.result(), QDialog::Accepted);
    EXPECT_EQ(fenetre.choisi().LigneBilan, QStringLiteral("Série 1\\Ex02"));
    EXPECT_EQ(fenetre.choisi().Fichier, QStringLiteral("Ex02.ex4"));
}

// The series done, the level comes: an exercise of that level is shown at once; with the
// other exercises open, every step and series can be opened too.
TEST_F(ChoixParcours, UneEtapeDeNiveauDonneUnExerciceDeCeNiveauEtLesAutresRestentOuverts)
{
    parcours(true);
    reussis({QStringLiteral("Série 1\\Ex01"), QStringLiteral("Série 1\\Ex02")});
    ouvrir();
    EXPECT_EQ(liste("ListeParcours")->item(0)->text(), QStringLiteral("✓ 1. Série 1"));
    EXPECT_TRUE(controle("Panel_hasard")->isVisible());
    ASSERT_TRUE(fenetre.choisi().Code);
    EXPECT_EQ(*fenetre.choisi().Code, (CodeExercice{4, 1, 42}));
    EXPECT_TRUE(fenetre.choisi().DuParcours) << "the level stays the path's";
    EXPECT_TRUE(ouvrable(2));
    EXPECT_EQ(textesListe(liste("ListBox1")),
              (QStringList{QStringLiteral("Autre"), QStringLiteral("Série 1"), QStringLiteral("Série 2")}));
    for (const char* montre : {"ListBox1", "BoutonHasard", "BoutonContinuer", "LabelAutres"})
        EXPECT_TRUE(controle(montre)->isVisible()) << montre;
    cliquerItem(liste("ListeParcours"), QStringLiteral("  3. Série 2"));
    EXPECT_EQ(fenetre.serieChoisie(), QStringLiteral("Série 2"));
    EXPECT_FALSE(fenetre.choisi().Code);
}

TEST_F(ChoixParcours, UneEtapeDUnAutreExerciceOuUnParcoursIllisibleSontDits)
{
    parcours(false);
    contexte.numeroExercice = 2;
    ouvrir();
    EXPECT_TRUE(texte("LabelParcours")
                    .startsWith(QStringLiteral("Ta prochaine étape est dans l'exercice 4 : retourne au menu et choisis "
                                               "« Orvane autour d'un axe ».")));
    EXPECT_FALSE(controle("BoutonContinuer")->isEnabled());
    EXPECT_EQ(liste("ListeParcours")->item(0)->text(), QStringLiteral("➜ 1. Série 1 (exercice 4) 0/2"));
    EXPECT_FALSE(ouvrable(0));
    fenetre.hide();

    // A path file edited into nonsense: the pupil is told, and chooses as without a path.
    contexte.numeroExercice = 4;
    parcours(false, "Parcours de Zoé : la série 1\n");
    ouvrir();
    EXPECT_TRUE(texte("consigne").startsWith(QStringLiteral("Le parcours de ta classe est illisible")));
    EXPECT_FALSE(liste("ListeParcours")->isVisible());
    EXPECT_EQ(textesListe(liste("ListBox1")),
              (QStringList{QStringLiteral("Autre"), QStringLiteral("Série 1"), QStringLiteral("Série 2")}));
    EXPECT_TRUE(controle("BoutonHasard")->isVisible());
}

} // namespace
