#include "EditeurTest.h"

#include "Couleurs.h"
#include "Dessin.h"
#include "Enregistrements.h"
#include "FichierExercice.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>

namespace {
// The words of an exercise file, little-endian.
QByteArray mots(std::initializer_list<qint32> valeurs)
{
    QByteArray octets;
    for (qint32 v : valeurs) {
        for (int k = 0; k < 4; ++k)
            octets.append(char((quint32(v) >> (8 * k)) & 0xFF));
    }
    return octets;
}
} // namespace

class Ouverture : public EditeurTest {
protected:
    // A series folder holding one file, chosen as the chooser would.
    void preparerChoix(const QString& nom, const QByteArray& contenu)
    {
        QDir(dossier.fichier(QStringLiteral("exos"))).mkpath(QStringLiteral("Série 1"));
        ASSERT_TRUE(ecrireFichier(dossier.fichier(QStringLiteral("exos/Série 1/")) + nom, contenu));
        choix.choix = [nom] {
            return ExerciceChoisi{QStringLiteral("Série 1"), nom, nom.mid(nom.lastIndexOf(QLatin1Char('.'))),
                                  QString(), std::nullopt};
        };
    }
};

TEST_F(Ouverture, OuvrirChargeLeFichierChoisi)
{
    // 30 columns, horizontal axis shifted by -1, a reserved word, a segment and a seed
    // stored with 16-pixel cells.
    preparerChoix(QStringLiteral("Ex02.ex3"),
                  mots({203, 2, 1, 16, 30, 30, -1, 7, 0, 0, 0, 0, 0, 0, 9,
                        1, 3, 4, 3, 9, 0,
                        6, 5, 5, 8, 4, int(CouleurRose)}));
    TF_Dessin& f = ouvrir(3);
    cliquer("ModePeinture");
    cliquer("BoutonRose");
    tracer({1, 1}, {1, 2});
    cliquer("BoutonOuvrir");
    EXPECT_EQ(dialogues.textes(), QStringList{QStringLiteral("Enregistrer l'exercice en cours ?")});
    EXPECT_EQ(choix.ouvertures, 1);
    EXPECT_TRUE(choix.depuisEditeur);
    EXPECT_EQ(QDir(choix.dossier), QDir(contexte.dossierExercices.dossier()));

    const Quadrillage& g = fenetre->grille();
    EXPECT_EQ(g.NbColonnes, 30);
    EXPECT_EQ(g.TypeAxe, AxeHorizontal);
    EXPECT_EQ(g.DecalageAxe, -1);
    EXPECT_EQ(g.Reserve[0], 7);
    EXPECT_EQ(g.Reserve[7], 9);
    EXPECT_EQ(g.TailleCase, 16);
    EXPECT_EQ(controle<QLineEdit>("Edit4")->text(), QStringLiteral("30"));
    EXPECT_EQ(controle<QListWidget>("ListBox1")->currentRow(), 10);
    EXPECT_EQ(controle<QLineEdit>("Edit1")->text(), QStringLiteral("-1"));
    EXPECT_EQ(controle<QListWidget>("ListBox2")->currentRow(), 4);
    ASSERT_EQ(f.figure().NbElements, 2);
    EXPECT_EQ(QList<int>({f.figure()[1].X1, f.figure()[1].Y1, f.figure()[1].Y2}), QList<int>({48, 64, 144}));
    EXPECT_EQ(QList<int>({f.figure()[2].X1, f.figure()[2].Y1}), QList<int>({88, 84}));
    EXPECT_EQ(Code(f.figure()[3].GenreElement), 0) << "slots above the count are empty";
    EXPECT_EQ(f.noms().extensionOuverte, QStringLiteral(".ex3"));
    EXPECT_EQ(f.noms().nomPropose, QStringLiteral("Ex02"));
    EXPECT_FALSE(f.etat().DessinModifie);
    EXPECT_EQ(f.planche().outil(), Outil::Trait);
    EXPECT_TRUE(controle<QToolButton>("ModeTrait")->isChecked());
    EXPECT_EQ(f.planche().couleur(), CouleurBleu);
    EXPECT_EQ(CouleurPixel(f.image(), 48, 100), CouleurNoir);
    EXPECT_EQ(CouleurPixel(f.image(), 88, 84), CouleurRose);
    EXPECT_EQ(QDir::currentPath(), QDir(contexte.dossierProgramme).path());
}

TEST_F(Ouverture, UnChoixAnnuleRendAuDessinSaGrille)
{
    TF_Dessin& f = ouvrir(2);
    choisirDans("ListBox1", QStringLiteral("28"));
    choisirDans("ListBox2", QStringLiteral("+2"));
    tracer({4, 2}, {4, 8});
    const QImage avant = f.image();
    choix.choix = [] { return ExerciceChoisi(); };
    cliquer("BoutonOuvrir");
    const Quadrillage& g = fenetre->grille();
    EXPECT_EQ(g.NbColonnes, 28);
    EXPECT_EQ(g.NbLignes, 28);
    EXPECT_EQ(g.TypeAxe, AxeVertical);
    EXPECT_EQ(g.DecalageAxe, 2);
    EXPECT_EQ(g.Reserve[2], 0);
    EXPECT_EQ(controle<QLineEdit>("Edit4")->text(), QStringLiteral("28"));
    EXPECT_EQ(controle<QLineEdit>("Edit1")->text(), QStringLiteral("+2"));
    EXPECT_EQ(f.figure().NbElements, 1);
    EXPECT_EQ(f.image(), avant);
    EXPECT_TRUE(f.etat().DessinModifie);

    // A later save writes the drawing's own header.
    dialogues.fichiersEnregistres.enqueue(dossierSerie(2) + QStringLiteral("/Ex.ex2"));
    cliquer("BoutonEnregistrer");
    const ResultatLecture lu = LireExercice(dossierSerie(2) + QStringLiteral("/Ex.ex2"));
    ASSERT_TRUE(lu.Reussi);
    EXPECT_EQ(lu.Exercice.Grille.NbColonnes, 28);
    EXPECT_EQ(lu.Exercice.Grille.TypeAxe, AxeVertical);
    EXPECT_EQ(lu.Exercice.Grille.DecalageAxe, 2);
}

TEST_F(Ouverture, UnEnregistrementAnnuleAvantOuvrirGardeLeDessin)
{
    preparerChoix(QStringLiteral("Ex01.ex2"), mots({202, 1, 1, 20, 24, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 5, 0}));
    TF_Dessin& f = ouvrir(2);
    tracer({4, 2}, {4, 8});
    dialogues.reponses.enqueue(Reponse::Oui); // and the save dialog is cancelled
    cliquer("BoutonOuvrir");
    EXPECT_EQ(dialogues.enregistrements.size(), 1);
    EXPECT_EQ(choix.ouvertures, 0);
    EXPECT_EQ(f.figure()[1].CaseX1, 4);
    EXPECT_EQ(QDir::currentPath(), QDir(contexte.dossierProgramme).path());

    dialogues.reponses.enqueue(Reponse::Oui);
    dialogues.fichiersEnregistres.enqueue(dossierSerie(2) + QStringLiteral("/Avant.ex2"));
    cliquer("BoutonOuvrir");
    EXPECT_EQ(choix.ouvertures, 1);
    EXPECT_TRUE(QFile::exists(dossierSerie(2) + QStringLiteral("/Avant.ex2")));
    EXPECT_EQ(f.figure()[1].CaseX1, 1) << "the chosen file replaced the saved drawing";
}

TEST_F(Ouverture, UnFichierAbimeEstRefuseSansToucherAuDessin)
{
    struct Cas {
        const char* nom;
        QByteArray contenu;
    };
    const Cas cas[] = {
        {"court.ex2", mots({202, 1, 1})},
        {"vide.ex2", QByteArray()},
        {"colonnes.ex2", mots({202, 1, 1, 20, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {"lignes.ex2", mots({202, 1, 1, 20, 24, 2000000000, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {"taille0.ex3", mots({203, 1, 1, 0, 24, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 1, 1, 3, 3, 255})},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        preparerChoix(QString::fromUtf8(c.nom), c.contenu);
        TF_Dessin& f = ouvrir(2);
        tracer({4, 2}, {4, 8});
        dialogues.messages.clear();
        dialogues.reponses.enqueue(Reponse::Non);
        cliquer("BoutonOuvrir");
        ASSERT_EQ(dialogues.messages.size(), 2);
        EXPECT_EQ(dialogues.messages[1].genre, GenreMessage::Avertissement);
        EXPECT_EQ(fenetre->grille().NbColonnes, 24);
        EXPECT_EQ(fenetre->grille().TypeAxe, AxeVertical);
        EXPECT_EQ(f.figure().NbElements, 1);
        EXPECT_EQ(controle<QLineEdit>("Edit4")->text(), QStringLiteral("24"));
    }
}

using Exportation = EditeurTest;

TEST_F(Exportation, LImageA50PixelsParCase)
{
    ouvrir(3);
    cliquer("ModeRect");
    tracer({2, 2}, {6, 6});
    cliquer("ModePeinture");
    cliquer("BoutonJaune");
    fenetre->Image1MouseDown({85, 67});
    const QImage image = images.ImageExercice(fenetre->grille(), fenetre->figure(), 3);
    ASSERT_EQ(image.size(), QSize(1202, 1202));
    const auto pixel = [&image](int x, int y) { return DepuisQRgb(image.pixel(x, y)); };
    EXPECT_EQ(pixel(50, 25), CouleurGrisQuadrillage) << "grid line";
    EXPECT_EQ(pixel(25, 25), CouleurBlanc);
    EXPECT_EQ(pixel(600, 30), CouleurRougeAxe) << "axis, 8 pixels wide";
    EXPECT_EQ(pixel(603, 30), CouleurRougeAxe);
    EXPECT_EQ(pixel(596, 30), CouleurNoir) << "the line beside the axis in exercise 3";
    EXPECT_EQ(pixel(0, 30), CouleurNoir) << "frame";
    EXPECT_EQ(pixel(1200, 30), CouleurNoir);
    EXPECT_EQ(pixel(100, 200), CouleurNoir) << "outline, 6 pixels wide";
    EXPECT_EQ(pixel(101, 200), CouleurNoir);
    EXPECT_EQ(pixel(106, 200), CouleurJaune) << "the painted area";
    EXPECT_EQ(pixel(250, 250), CouleurJaune);
    EXPECT_EQ(pixel(375, 225), CouleurBlanc);
}

TEST_F(Exportation, UnPointEtUneGrillePlusPetite)
{
    TF_Dessin& f = ouvrir(5);
    choisirDans("ListBox1", QStringLiteral("10"));
    tracer({1, 1}, {2, 2});
    const QImage image = images.ImageExercice(fenetre->grille(), f.figure(), 5);
    ASSERT_EQ(image.size(), QSize(502, 502));
    // The disc is drawn with the axis pen, 8 pixels wide, around its 8-pixel ellipse.
    int ligne = 0, colonne = 0;
    for (int k = 230; k <= 270; ++k) {
        ligne += DepuisQRgb(image.pixel(k, 250)) == CouleurRougeAxe;
        colonne += DepuisQRgb(image.pixel(250, k)) == CouleurRougeAxe;
    }
    EXPECT_GE(ligne, 16);
    EXPECT_LE(ligne, 17);
    EXPECT_EQ(colonne, ligne);
    EXPECT_EQ(DepuisQRgb(image.pixel(250, 250)), CouleurRougeAxe) << "solid";
    EXPECT_EQ(DepuisQRgb(image.pixel(250, 245)), CouleurRougeAxe);
    EXPECT_EQ(DepuisQRgb(image.pixel(240, 240)), CouleurBlanc) << "round";
}

TEST_F(Exportation, SansElementLImageEstBlanche)
{
    ouvrir(2);
    const QImage image = images.ImageExercice(fenetre->grille(), fenetre->figure(), 2);
    ASSERT_EQ(image.size(), QSize(1202, 1202));
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7)
            ASSERT_EQ(DepuisQRgb(image.pixel(x, y)), CouleurBlanc) << x << "," << y;
    }
}

TEST_F(Exportation, EnregistrerPourImprimerEcritUnBmp)
{
    TF_Dessin& f = ouvrir(2);
    tracer({2, 2}, {2, 8});
    cliquer("SpeedButton1");
    const QString chemin = dossier.fichier(QStringLiteral("exos/Exercices à imprimer/ex.bmp"));
    dialogues.fichiersEnregistres.enqueue(chemin);
    cliquer("Button1");
    EXPECT_FALSE(f.planche().modeGomme());
    ASSERT_EQ(dialogues.enregistrements.size(), 1);
    const DemandeFichier& d = dialogues.enregistrements.first();
    EXPECT_EQ(QDir(d.dossierInitial), QDir(dossier.fichier(QStringLiteral("exos/Exercices à imprimer"))));
    EXPECT_EQ(d.extensionParDefaut, QStringLiteral("bmp"));
    EXPECT_EQ(d.filtre, QStringLiteral("*.bmp"));
    QImage lue(chemin, "BMP");
    EXPECT_EQ(lue.size(), QSize(1202, 1202));
    EXPECT_EQ(DepuisQRgb(lue.pixel(100, 200)), CouleurNoir);
    EXPECT_TRUE(dialogues.messages.isEmpty());
    EXPECT_EQ(QDir::currentPath(), QDir(contexte.dossierProgramme).path());
}
