// Exercises made by the program, for the teacher: "Créer une série au hasard" writes a
// series whole that the real chooser lists and the worksheets read; every bad demand is
// refused with its reason and leaves the exercises folder as it was; the worksheets window
// draws a run at a level; the editor opens the exercise a code names.

#include "DisquePlein.h"
#include "EditeurTest.h"
#include "Fiches.h"
#include "Generateur.h"
#include "SerieHasard.h"
#include "TF_Fiches.h"
#include "TF_SerieHasard.h"
#include "TF_choix_exo.h"

#include <QAction>
#include <QComboBox>
#include <QDirIterator>
#include <QSpinBox>
#include <QTest>

namespace {

// Every entry under a folder, hidden ones and lock files included, with its bytes.
QMap<QString, QByteArray> Contenu(const QString& dossier)
{
    QMap<QString, QByteArray> contenu;
    QDirIterator it(dossier, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        QFile f(chemin);
        contenu[QDir(dossier).relativeFilePath(chemin)] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("/");
    }
    return contenu;
}

class Serie : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dossier.chemin()).mkdir(QStringLiteral("exos"));
        contexte.dossierExercices.fixerDossier(exos + QLatin1Char('/'));
    }

    template <typename T>
    T* controle(QWidget* fenetre, const char* nom)
    {
        T* w = fenetre->findChild<T*>(QLatin1String(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }

    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Contexte contexte{dossier.chemin()};
    const QString exos = dossier.fichier(QStringLiteral("exos"));
};

TEST_F(Serie, LaFenetreEcritUneSerieQueLeChoixListeEtQueLesFichesLisent)
{
    contexte.numeroExercice = 4;
    TF_SerieHasard fenetre(contexte, [] { return 8271u; });
    fenetre.show();
    EXPECT_EQ(controle<QComboBox>(&fenetre, "ChoixType")->currentIndex(), 2);
    controle<QComboBox>(&fenetre, "ChoixDernierNiveau")->setCurrentIndex(2);
    controle<QComboBox>(&fenetre, "ChoixPremierNiveau")->setCurrentIndex(1);
    controle<QSpinBox>(&fenetre, "NombreExercices")->setValue(5);
    const QString nom = QStringLiteral("Au hasard 4 - niveaux 2 à 3");
    EXPECT_EQ(controle<QLineEdit>(&fenetre, "EditNom")->text(), nom);
    QTest::mouseClick(controle<QPushButton>(&fenetre, "BoutonCreer"), Qt::LeftButton);

    EXPECT_EQ(dialogues.textes(), QStringList(QStringLiteral("La série « %1 » est créée : 5 exercices, à choisir "
                                                             "dans la liste des séries comme les autres.")
                                                  .arg(nom)));
    EXPECT_EQ(fenetre.result(), QDialog::Accepted);
    const QList<CodeExercice> codes = CodesDeLaSerie({4, 2, 3, 5, 8271, nom});
    QMap<QString, QByteArray> attendu{{nom, QByteArray("/")}};
    QStringList chemins;
    for (int rang = 1; rang <= 5; ++rang) {
        const QString fichier = nom + QLatin1Char('/') + NomFichierHasard(rang, codes[rang - 1]);
        attendu[fichier] = ContenuExerciceGenere(codes[rang - 1]);
        chemins.append(QDir(exos).filePath(fichier));
    }
    EXPECT_EQ(Contenu(exos), attendu) << "no lock file, no hidden folder left";
    EXPECT_EQ(QFileInfo(chemins.first()).fileName(), QStringLiteral("Exercice 01 (4-2-8271).ex4"));

    TF_choix_exo choix(contexte);
    choix.preparer(exos, false);
    choix.show();
    auto* series = controle<QListWidget>(&choix, "ListBox1");
    ASSERT_EQ(series->count(), 1);
    series->setCurrentRow(0);
    emit series->itemClicked(series->item(0));
    EXPECT_EQ(series->item(0)->text(), nom);
    EXPECT_EQ(controle<QListWidget>(&choix, "ListBox4")->count(), 5);

    const SerieFiches fiches = LireSerieFiches(chemins);
    EXPECT_EQ(fiches.Exercices.size(), 5u);
    EXPECT_TRUE(fiches.Illisibles.isEmpty());
}

TEST_F(Serie, UneMauvaiseDemandeEstRefuseeEtRienNEstEcrit)
{
    QDir(exos).mkdir(QStringLiteral("Série 1"));
    ASSERT_TRUE(DossierTemporaire::ecrire(QDir(exos).filePath(QStringLiteral("Série 1/Ex.ex4")), "octets"));
    const QMap<QString, QByteArray> avant = Contenu(exos);
    const auto demande = [](QString nom) { return DemandeSerie{4, 1, 2, 5, 17, std::move(nom)}; };
    const struct {
        DemandeSerie demande;
        const char* raison;
    } cas[] = {
        {demande(QStringLiteral("Série 1")), "Une série « Série 1 » existe déjà"},
        {demande(QStringLiteral(" série 1 ")), "Une série « Série 1 » existe déjà"},
        {demande(QStringLiteral("  ")), "La série doit avoir un nom."},
        {demande(QStringLiteral("CM1/Ex")), "ni « / » ni « \\ »"},
        {demande(QStringLiteral(".cachée")), "commencer par un point"},
        {demande(QString(101, QLatin1Char('x'))), "100 caractères au plus"},
        {{9, 1, 1, 5, 17, QStringLiteral("A")}, "de 2 à 5"},
        {{4, 4, 2, 5, 17, QStringLiteral("A")}, "vont de 1 à 6"},
        {{4, 1, 7, 5, 17, QStringLiteral("A")}, "vont de 1 à 6"},
        {{4, 1, 1, 0, 17, QStringLiteral("A")}, "de 1 à 50 exercices"},
        {{4, 1, 1, 51, 17, QStringLiteral("A")}, "de 1 à 50 exercices"},
        {{4, 1, 1, 5, 100000, QStringLiteral("A")}, "va de 0 à 99999"},
    };
    for (const auto& c : cas) {
        const BilanSerie bilan = CreerSerieHasard(exos, c.demande);
        EXPECT_FALSE(bilan.Ecrite) << c.raison;
        EXPECT_TRUE(bilan.Message.contains(QString::fromUtf8(c.raison))) << bilan.Message.toStdString();
        EXPECT_EQ(Contenu(exos), avant) << c.raison;
    }

    // A full disk fails the first file: the hidden folder goes, the series never appears.
    {
        DisquePlein plein;
        const BilanSerie bilan = CreerSerieHasard(exos, demande(QStringLiteral("Nouvelle")));
        EXPECT_FALSE(bilan.Ecrite);
        EXPECT_TRUE(bilan.Message.contains(QStringLiteral("La série « Nouvelle » n'a pas été créée.")))
            << bilan.Message.toStdString();
    }
    EXPECT_EQ(Contenu(exos), avant);

    // An exercises "folder" that is a file refuses every folder made in it.
    const QString fichier = dossier.fichier(QStringLiteral("pas un dossier"));
    ASSERT_TRUE(DossierTemporaire::ecrire(fichier, "x"));
    const BilanSerie bilan = CreerSerieHasard(fichier, demande(QStringLiteral("Nouvelle")));
    EXPECT_TRUE(bilan.Message.contains(QStringLiteral("refuse l'écriture"))) << bilan.Message.toStdString();

    // The numbers at both ends make series like any other.
    EXPECT_TRUE(CreerSerieHasard(exos, {2, 1, 1, 1, 0, QStringLiteral("Zéro")}).Ecrite);
    EXPECT_TRUE(CreerSerieHasard(exos, {5, 6, 6, 1, CodeExercice::GraineMax, QStringLiteral("Max")}).Ecrite);
}

TEST(SerieHasardCodes, LesNiveauxVontDuPremierAuDernierEnPartsEgalesSansCodeRepete)
{
    const DemandeSerie demande{4, 1, 6, 50, 99999, QStringLiteral("A")};
    const QList<CodeExercice> codes = CodesDeLaSerie(demande);
    ASSERT_EQ(codes.size(), 50);
    QMap<int, int> parNiveau;
    QSet<quint32> graines;
    for (int i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(codes[i].Type, 4);
        if (i > 0) {
            EXPECT_GE(codes[i].Niveau, codes[i - 1].Niveau);
        }
        ++parNiveau[codes[i].Niveau];
        graines.insert(codes[i].Graine);
    }
    EXPECT_EQ(parNiveau, (QMap<int, int>{{1, 9}, {2, 9}, {3, 8}, {4, 8}, {5, 8}, {6, 8}}));
    EXPECT_EQ(graines.size(), 50);
    EXPECT_EQ(codes.first().Graine, 99999u);
    EXPECT_EQ(CodesDeLaSerie(demande), codes);
}

// The window stays open on a refusal and says why; F1 and Escape as everywhere.
TEST_F(Serie, LaFenetreDitPourquoiEtSeFermeParEchap)
{
    contexte.numeroExercice = 3;
    TF_SerieHasard fenetre(contexte, [] { return 5u; });
    fenetre.show();
    controle<QComboBox>(&fenetre, "ChoixPremierNiveau")->setCurrentIndex(3);
    EXPECT_EQ(controle<QComboBox>(&fenetre, "ChoixDernierNiveau")->currentIndex(), 3) << "the range stays in order";
    controle<QLineEdit>(&fenetre, "EditNom")->setText(QStringLiteral("CM2 jeudi"));
    controle<QLineEdit>(&fenetre, "EditGraine")->setText(QStringLiteral("123456"));
    QTest::mouseClick(controle<QPushButton>(&fenetre, "BoutonCreer"), Qt::LeftButton);
    QDir(exos).mkdir(QStringLiteral("CM2 jeudi"));
    controle<QLineEdit>(&fenetre, "EditGraine")->clear();
    QTest::mouseClick(controle<QPushButton>(&fenetre, "BoutonCreer"), Qt::LeftButton);
    ASSERT_EQ(dialogues.messages.size(), 2);
    EXPECT_EQ(dialogues.messages[0].texte, QStringLiteral("Le numéro de départ va de 0 à 99999."));
    EXPECT_TRUE(dialogues.messages[1].texte.startsWith(QStringLiteral("Une série « CM2 jeudi » existe déjà")));
    EXPECT_TRUE(fenetre.isVisible());

    QTest::keyClick(&fenetre, Qt::Key_F1);
    EXPECT_EQ(dialogues.aides, QStringList(QStringLiteral("aide_orvane.chm::hasard.htm")));
    QTest::keyClick(&fenetre, Qt::Key_Escape);
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(fenetre.result(), QDialog::Rejected);
}

// Worksheets of a run at one level: each sheet is named by its code, the same exercise the
// code makes everywhere.
TEST_F(Serie, LesFichesAuHasardPortentLeurCode)
{
    contexte.numeroExercice = 5;
    TF_Fiches fenetre(contexte, [] { return 99999u; });
    fenetre.show();
    controle<QComboBox>(&fenetre, "ChoixNiveau")->setCurrentIndex(3);
    controle<QSpinBox>(&fenetre, "NombreHasard")->setValue(3);
    QTest::mouseClick(controle<QPushButton>(&fenetre, "BoutonHasard"), Qt::LeftButton);
    auto* exercices = controle<QListWidget>(&fenetre, "ListeExercices");
    ASSERT_EQ(exercices->count(), 3);
    exercices->item(1)->setCheckState(Qt::Unchecked);
    const CodeExercice premier{5, 4, 99999};
    const CodeExercice troisieme = CodeSuivant(CodeSuivant(premier));
    const SerieFiches serie = fenetre.serieCochee();
    ASSERT_EQ(serie.Exercices.size(), 2u);
    EXPECT_EQ(serie.Exercices[0].Nom, QStringLiteral("5-4-99999"));
    EXPECT_EQ(serie.Exercices[1].Nom, TexteCode(troisieme));
    const ExerciceFiche attendue = FicheDepuisCode(troisieme);
    EXPECT_EQ(serie.Exercices[1].Reference.NbElements, attendue.Reference.NbElements);
    EXPECT_EQ(serie.Exercices[1].NumeroExercice, 5);

    dialogues.fichiersEnregistres.enqueue(dossier.fichier(QStringLiteral("fiches")));
    QTest::mouseClick(controle<QPushButton>(&fenetre, "BoutonEnregistrerPdf"), Qt::LeftButton);
    ASSERT_EQ(dialogues.enregistrements.size(), 1);
    EXPECT_EQ(dialogues.enregistrements[0].nomPropose, QStringLiteral("Au hasard 5 - niveau 4"));
    QFile pdf(dossier.fichier(QStringLiteral("fiches.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

TEST_F(EditeurTest, UnCodeRouvreLExerciceQuIlDesigne)
{
    TF_Dessin& editeur = ouvrir(2);
    const auto ouvrirCode = [&] { controle<QAction>("OuvrirCode1")->trigger(); };

    dialogues.textesTapes.enqueue(QStringLiteral(" 4-5-123 "));
    ouvrirCode();
    ExerciceLu attendu = GenererExercice({4, 5, 123});
    ConvertirPourTailleCase(attendu, editeur.grille().TailleCase);
    EXPECT_EQ(editeur.grille().TypeAxe, attendu.Grille.TypeAxe);
    EXPECT_EQ(editeur.grille().DecalageAxe, attendu.Grille.DecalageAxe);
    EXPECT_EQ(editeur.figure(), attendu.Elements);
    EXPECT_EQ(editeur.noms().nomPropose, QStringLiteral("4-5-123"));
    EXPECT_EQ(editeur.noms().extensionOuverte, QStringLiteral(".ex4"));
    EXPECT_FALSE(editeur.etat().DessinModifie);
    ASSERT_EQ(dialogues.demandesTexte.size(), 1);
    EXPECT_EQ(dialogues.demandesTexte[0].titre, QStringLiteral("Ouvrir un code"));

    // A code that names nothing says why; a cancelled box does nothing; the drawing stays.
    dialogues.textesTapes.enqueue(QStringLiteral("4-9-1"));
    ouvrirCode();
    dialogues.textesTapes.enqueue(std::nullopt);
    ouvrirCode();
    EXPECT_EQ(dialogues.textes(), QStringList(LireCode(QStringLiteral("4-9-1")).Erreur));
    EXPECT_EQ(editeur.figure().NbElements, attendu.Elements.NbElements);

    // A changed drawing is offered for saving before the code is asked.
    tracer({1, 1}, {3, 4});
    dialogues.messages.clear();
    ouvrirCode();
    EXPECT_EQ(dialogues.textes(), QStringList(QStringLiteral("Enregistrer l'exercice en cours ?")));
    EXPECT_EQ(dialogues.demandesTexte.size(), 4);
}

} // namespace
