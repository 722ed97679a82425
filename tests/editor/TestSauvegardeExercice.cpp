#include "EditeurTest.h"

#include "Couleurs.h"
#include "FichierExercice.h"
#include "SauvegardeExercice.h"

#include <QFile>
#include <QLineEdit>

namespace {
const QString TexteRefus = QStringLiteral("L'exercice ne sera pas enregistré !");
const QString TexteEnCours = QStringLiteral("Enregistrer l'exercice en cours ?");

ExerciceLu relire(const QString& chemin, int tailleCase)
{
    ResultatLecture lu = LireExercice(chemin);
    EXPECT_TRUE(lu.Reussi) << qPrintable(lu.Erreur);
    ConvertirPourTailleCase(lu.Exercice, tailleCase);
    return lu.Exercice;
}
} // namespace

class Sauvegarde : public EditeurTest {
protected:
    // A segment, a rectangle and a painted area inside the rectangle.
    void dessinerAvecCouleur()
    {
        tracer({2, 2}, {2, 8});
        cliquer("ModeRect");
        tracer({4, 2}, {8, 6});
        cliquer("ModePeinture");
        cliquer("BoutonVert");
        fenetre->Image1MouseDown({105, 67});
        cliquer("ModeTrait");
        ASSERT_EQ(fenetre->figure().NbElements, 3);
    }

    QString fichier(int serie, const QString& nom) const { return dossierSerie(serie) + QLatin1Char('/') + nom; }

    void enregistrerSous(const QString& chemin)
    {
        dialogues.fichiersEnregistres.enqueue(chemin);
        cliquer("BoutonEnregistrer");
    }
};

TEST_F(Sauvegarde, LeFichierEcritSeRelitEnLaMemeFigure)
{
    TF_Dessin& f = ouvrir(3);
    choisirDans("ListBox2", QStringLiteral("-2"));
    dessinerAvecCouleur();
    const QString chemin = fichier(3, QStringLiteral("Ex01.ex3"));
    enregistrerSous(chemin);
    EXPECT_TRUE(dialogues.messages.isEmpty());
    EXPECT_FALSE(f.etat().DessinModifie);

    // A reader with 30-pixel cells gets the same cells and the seed at its place.
    const ExerciceLu lu = relire(chemin, 30);
    EXPECT_EQ(lu.EnteteExercice, 203);
    EXPECT_EQ(lu.TailleCaseFichier, 20);
    EXPECT_EQ(lu.Grille.NbColonnes, 24);
    EXPECT_EQ(lu.Grille.DecalageAxe, -2);
    EXPECT_EQ(lu.CoteFigure, 1);
    ASSERT_EQ(lu.Elements.NbElements, 3);
    for (int i = 1; i <= 3; ++i) {
        const ElementFigure& a = f.figure()[i];
        const ElementFigure& b = lu.Elements[i];
        EXPECT_EQ(QList<int>({Code(a.GenreElement), a.CaseX1, a.CaseY1}),
                  QList<int>({Code(b.GenreElement), b.CaseX1, b.CaseY1}))
            << i;
    }
    EXPECT_EQ(QList<int>({lu.Elements[2].X1, lu.Elements[2].Y2}), QList<int>({120, 180}));
    const ElementFigure& seme = lu.Elements[3];
    EXPECT_EQ(QList<int>({seme.X1, seme.Y1}), QList<int>({150 + 5 * 30 / 20, 90 + 7 * 30 / 20}));
    EXPECT_EQ(seme.Couleur, CouleurVert);
}

// A segment and a blue painted area drawn in a fresh figure of the editor for exercise 2
// give these 27 words, byte for byte: the segment carries white, the colour of an empty slot.
TEST_F(Sauvegarde, LExempleDe108OctetsTraceDansLEditeur)
{
    ouvrir(2);
    ASSERT_EQ(fenetre->grille().TailleCase, 20);
    ASSERT_EQ(fenetre->grille().NbColonnes, 24);
    fenetre->Image1MouseDown({80, 60});
    fenetre->Image1MouseMove({80, 200});
    fenetre->Image1MouseUp({80, 200});
    cliquer("ModePeinture");
    fenetre->Image1MouseDown({85, 67});
    const QString chemin = fichier(2, QStringLiteral("Exemple.ex2"));
    enregistrerSous(chemin);

    QByteArray attendu;
    for (qint32 mot : {202, 1, 1, 20, 24, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 4, 3, 4, 10, 16777215, 6, 4, 3, 5, 7, 16711680})
        for (int octet = 0; octet < 4; ++octet)
            attendu.append(char(quint32(mot) >> (8 * octet)));
    QFile lu(chemin);
    ASSERT_TRUE(lu.open(QIODevice::ReadOnly));
    EXPECT_EQ(lu.readAll().toHex(' ').toStdString(), attendu.toHex(' ').toStdString());
}

TEST_F(Sauvegarde, LeDialogueProposeLaSerieDeLExercice)
{
    TF_Dessin& f = ouvrir(4);
    tracer({2, 2}, {2, 8});
    cliquer("BoutonEnregistrer");
    NomsExercice noms{contexte.dossierExercices.dossier(), QStringLiteral("Ex07"), QString()};
    EnregistrerExercice245(4, fenetre->grille(), f.figure(), noms);
    ASSERT_EQ(dialogues.enregistrements.size(), 2);
    EXPECT_EQ(dialogues.enregistrements[1].nomPropose, QStringLiteral("Ex07"));
    const DemandeFichier& d = dialogues.enregistrements.first();
    EXPECT_TRUE(QFileInfo(dossierSerie(4)).isDir()) << "the series folder is made";
    EXPECT_EQ(QDir(d.dossierInitial), QDir(dossierSerie(4)));
    EXPECT_TRUE(d.nomPropose.isEmpty());
    EXPECT_EQ(d.extensionParDefaut, QStringLiteral("ex4"));
    EXPECT_TRUE(d.confirmerRemplacement);
    EXPECT_EQ(d.filtre, QStringLiteral("fichiers exercices jeu 2 (*.ex2);;fichiers exercices jeu 3 (*.ex3);;"
                                       "fichiers exercices jeu 4 (*.ex4);;fichiers exercices jeu 5 (*.ex5)"));
    EXPECT_EQ(d.filtreInitial, QStringLiteral("fichiers exercices jeu 4 (*.ex4)"));
    EXPECT_EQ(QDir::currentPath(), QDir(contexte.dossierProgramme).path()) << "back in the program folder";
}

TEST_F(Sauvegarde, UnPointNeSEnregistreQuEnExercice5)
{
    TF_Dessin& f = ouvrir(2);
    f.ChoisirAxe(AxePoint);
    tracer({2, 2}, {2, 8});
    const QString ex2 = fichier(2, QStringLiteral("Point.ex2"));
    enregistrerSous(ex2);
    EXPECT_EQ(dialogues.textes(),
              QStringList({QStringLiteral("Impossible d'enregistrer sans remplacer le point par un axe."), TexteRefus}));
    EXPECT_FALSE(QFile::exists(ex2));
    EXPECT_TRUE(f.etat().DessinModifie) << "nothing was written";
    EXPECT_EQ(f.noms().nomPropose, ex2.chopped(4));

    dialogues.messages.clear();
    const QString ex5 = fichier(2, QStringLiteral("Point.ex5"));
    enregistrerSous(ex5);
    EXPECT_TRUE(dialogues.messages.isEmpty());
    const ExerciceLu lu = relire(ex5, 20);
    EXPECT_EQ(lu.EnteteExercice, 202) << "the editor's number, not the file type's";
    EXPECT_EQ(lu.Grille.TypeAxe, AxePoint);
    EXPECT_EQ(lu.CoteFigure, 2);
    EXPECT_FALSE(f.etat().DessinModifie);
}

TEST_F(Sauvegarde, UnAxeNeSEnregistrePasEnExercice5)
{
    ouvrir(4);
    tracer({2, 2}, {2, 8});
    const QString ex5 = fichier(4, QStringLiteral("Axe.ex5"));
    enregistrerSous(ex5);
    EXPECT_EQ(dialogues.textes(),
              QStringList({QStringLiteral("Impossible d'enregistrer sans remplacer l'axe par un point."), TexteRefus}));
    EXPECT_FALSE(QFile::exists(ex5));
}

TEST_F(Sauvegarde, ApresUnExercice3LesCouleursSerontSupprimees)
{
    TF_Dessin& f = ouvrir(2);
    tracer({2, 2}, {2, 8});
    NomsExercice noms{contexte.dossierExercices.dossier(), QString(), QStringLiteral(".ex3")};
    const QString chemin = fichier(2, QStringLiteral("A.ex2"));
    const auto enregistrerSous = [&](const QString& c) {
        dialogues.fichiersEnregistres.enqueue(c);
        return EnregistrerExercice245(2, fenetre->grille(), f.figure(), noms);
    };
    dialogues.reponses.enqueue(Reponse::Non);
    EXPECT_FALSE(enregistrerSous(chemin));
    ASSERT_EQ(dialogues.messages.size(), 2);
    EXPECT_EQ(dialogues.messages[0].texte, QStringLiteral("Les couleurs seront supprimées."));
    EXPECT_EQ(dialogues.messages[0].genre, GenreMessage::Information);
    EXPECT_EQ(dialogues.messages[0].boutons, BoutonsMessage::OuiNon);
    EXPECT_EQ(dialogues.messages[1].texte, TexteRefus);
    EXPECT_FALSE(QFile::exists(chemin));

    dialogues.reponses.enqueue(Reponse::Oui);
    EXPECT_TRUE(enregistrerSous(chemin));
    EXPECT_EQ(dialogues.messages.size(), 3);
    EXPECT_EQ(relire(chemin, 20).Elements.NbElements, 1);
}

TEST_F(Sauvegarde, LExercice3EnregistreSansCouleursApresAccord)
{
    TF_Dessin& f = ouvrir(3);
    dessinerAvecCouleur();
    const QString ex2 = fichier(3, QStringLiteral("Sans.ex2"));
    dialogues.reponses.enqueue(Reponse::Oui);
    enregistrerSous(ex2);
    EXPECT_EQ(dialogues.textes(),
              QStringList{QStringLiteral("Enregistrer l'exercice en cours sans les couleurs ?")});
    EXPECT_EQ(dialogues.messages.first().genre, GenreMessage::Confirmation);
    const DemandeFichier& d = dialogues.enregistrements.first();
    EXPECT_TRUE(d.filtre.startsWith(QStringLiteral("fichiers exercices jeu 3 (*.ex3);;fichiers exercices jeu 2 (*.ex2);;")));
    EXPECT_EQ(d.filtreInitial, QStringLiteral("fichiers exercices jeu 3 (*.ex3)"));
    EXPECT_EQ(QDir(d.dossierInitial), QDir(dossierSerie(3)));
    const ExerciceLu lu = relire(ex2, 20);
    EXPECT_EQ(lu.EnteteExercice, 203);
    ASSERT_EQ(lu.Elements.NbElements, 2);
    EXPECT_EQ(lu.Elements[1].GenreElement, GenreTrait);
    EXPECT_EQ(lu.Elements[2].GenreElement, GenreRectangle);
    EXPECT_TRUE(f.noms().nomPropose.isEmpty()) << "this saver leaves the proposed name alone";
}

TEST_F(Sauvegarde, LExercice3PoseLesDeuxQuestionsPourUnPoint)
{
    TF_Dessin& f = ouvrir(3);
    dessinerAvecCouleur();
    const QString ex5 = fichier(3, QStringLiteral("Point.ex5"));
    const QString question2 = QStringLiteral("Enregistrer l'exercice en cours en remplaçant l'axe par un point ?");

    // Non to the first question: the second is still asked, nothing is written.
    dialogues.reponses.append({Reponse::Non, Reponse::Ok, Reponse::Oui});
    enregistrerSous(ex5);
    EXPECT_EQ(dialogues.textes(),
              QStringList({QStringLiteral("Enregistrer l'exercice en cours sans les couleurs ?"), TexteRefus,
                           question2}));
    EXPECT_FALSE(QFile::exists(ex5));

    dialogues.messages.clear();
    dialogues.reponses.append({Reponse::Oui, Reponse::Oui});
    enregistrerSous(ex5);
    EXPECT_EQ(dialogues.messages.size(), 2);
    const ExerciceLu lu = relire(ex5, 20);
    EXPECT_EQ(lu.Grille.TypeAxe, AxePoint);
    EXPECT_EQ(lu.Elements.NbElements, 2);
    EXPECT_EQ(fenetre->grille().TypeAxe, AxeVertical) << "the drawing keeps its axis";
    EXPECT_EQ(f.figure().NbElements, 3);
}

TEST_F(Sauvegarde, UneFigureVideNOuvrePasDeDialogue)
{
    for (int numero : {2, 3}) {
        ouvrir(numero);
        dialogues.messages.clear();
        cliquer("BoutonEnregistrer");
        EXPECT_EQ(dialogues.textes(), QStringList{TexteRefus}) << numero;
        EXPECT_TRUE(dialogues.enregistrements.isEmpty()) << numero;
    }
}

TEST_F(Sauvegarde, UnDialogueAnnuleGardeLeDessinACommeModifie)
{
    TF_Dessin& f = ouvrir(2);
    f.show();
    tracer({2, 2}, {2, 8});
    cliquer("BoutonEnregistrer"); // the scripted dialog is cancelled
    EXPECT_TRUE(f.etat().DessinModifie);

    // So "Quitter" still asks; Oui and a cancelled dialog keep the window and the drawing.
    dialogues.reponses.enqueue(Reponse::Oui);
    cliquer("BoutonQuitter");
    EXPECT_EQ(dialogues.textes(), QStringList{TexteEnCours});
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.figure().NbElements, 1);

    // The same for "Nouveau".
    dialogues.reponses.enqueue(Reponse::Oui);
    cliquer("BoutonNouveau");
    EXPECT_EQ(f.figure().NbElements, 1);

    // Once written, "Quitter" closes without a question.
    dialogues.messages.clear();
    dialogues.reponses.enqueue(Reponse::Oui);
    dialogues.fichiersEnregistres.enqueue(fichier(2, QStringLiteral("Fini.ex2")));
    cliquer("BoutonNouveau");
    EXPECT_EQ(f.figure().NbElements, 0);
    EXPECT_TRUE(QFile::exists(fichier(2, QStringLiteral("Fini.ex2"))));
    tracer({2, 2}, {2, 8});
    enregistrerSous(fichier(2, QStringLiteral("Fini2.ex2")));
    cliquer("BoutonQuitter");
    EXPECT_EQ(dialogues.textes(), QStringList{TexteEnCours});
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Sauvegarde, UneEcritureImpossibleEstSignalee)
{
    TF_Dessin& f = ouvrir(2);
    tracer({2, 2}, {2, 8});
    enregistrerSous(dossier.fichier(QStringLiteral("absent/dossier/X.ex2")));
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_EQ(dialogues.messages.first().genre, GenreMessage::Avertissement);
    EXPECT_TRUE(dialogues.messages.first().texte.contains(QStringLiteral("X.ex2")));
    EXPECT_TRUE(f.etat().DessinModifie);
}

TEST(TypeFichierChoisi, LExtensionDecideDuType)
{
    EXPECT_EQ(TypeFichierChoisi(QStringLiteral("/a/b.ex5"), QStringLiteral(".ex2")), QStringLiteral(".ex5"));
    EXPECT_EQ(TypeFichierChoisi(QStringLiteral("/a/B.EX3"), QStringLiteral(".ex2")), QStringLiteral(".ex3"));
    EXPECT_EQ(TypeFichierChoisi(QStringLiteral("/a/b.txt"), QStringLiteral(".ex4")), QStringLiteral(".ex4"));
    EXPECT_EQ(TypeFichierChoisi(QStringLiteral("x"), QStringLiteral(".ex4")), QStringLiteral(".ex4"));
}
