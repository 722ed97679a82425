#include "ImpressionFigure.h"
#include "PartieControle.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

const Axe TousLesAxes[] = {AxeVertical, AxeHorizontal, AxeObliqueHB, AxeObliqueBH, AxePoint};

} // namespace

TEST(Controle, LeMiroirExactEstJuste)
{
    for (Axe axe : TousLesAxes)
        for (int exercice : {2, 3}) {
            Partie partie(axe, exercice);
            partie.montrer(FigureDeChaqueGenre());
            partie.tracerLeMiroir();
            EXPECT_TRUE(partie.verifier()) << "axis " << axe << ", exercise " << exercice;
        }

    // Shifted axes too (the axis samples then read grid grey on both counts).
    for (int d : {-2, -1}) {
        Partie partie(AxeVertical, 2, d);
        partie.montrer(FigureDeChaqueGenre());
        partie.tracerLeMiroir();
        EXPECT_TRUE(partie.verifier()) << "shift " << d;
    }
}

TEST(Controle, MorceauxColineairesOuSensInverse)
{
    Figure reference;
    reference.Ajouter(Forme(GenreTrait, {2, 3}, {8, 6}));
    for (Axe axe : TousLesAxes) {
        Partie enDeux(axe);
        enDeux.montrer(reference);
        const ElementFigure image = enDeux.miroir(reference[1]);
        const QPoint a(image.X1, image.Y1);
        const QPoint b(image.X2, image.Y2);
        const QPoint milieu = (a + b) / 2; // a node: the segment spans an even count of cells
        enDeux.tracer(ElementDepuisPixels(GenreTrait, a.x(), a.y(), milieu.x(), milieu.y(), 0, T));
        enDeux.tracer(ElementDepuisPixels(GenreTrait, b.x(), b.y(), milieu.x(), milieu.y(), 0, T));
        EXPECT_TRUE(enDeux.verifier()) << "two pieces, axis " << axe;

        Partie inverse(axe);
        inverse.montrer(reference);
        inverse.tracer(ElementDepuisPixels(GenreTrait, b.x(), b.y(), a.x(), a.y(), 0, T));
        inverse.tracer(ElementDepuisPixels(GenreTrait, b.x(), b.y(), a.x(), a.y(), 0, T));
        EXPECT_TRUE(inverse.verifier()) << "reversed and drawn twice, axis " << axe;
    }
}

TEST(Controle, CeQuiEstFaux)
{
    for (Axe axe : TousLesAxes) {
        Partie rien(axe);
        rien.montrer(FigureDeChaqueGenre());
        EXPECT_FALSE(rien.verifier()) << "nothing drawn, axis " << axe;

        Partie enTrop(axe);
        enTrop.montrer(FigureDeChaqueGenre());
        enTrop.tracerLeMiroir();
        enTrop.tracer(Forme(GenreTrait, {20, 20}, {22, 23}));
        EXPECT_FALSE(enTrop.verifier()) << "an extra segment, axis " << axe;

        // The image of the first segment drawn one node to the side.
        Partie decale(axe);
        const Figure reference = FigureDeChaqueGenre();
        decale.montrer(reference);
        for (int i = 1; i <= reference.NbElements; ++i) {
            ElementFigure image = decale.miroir(reference[i]);
            if (i == 1) {
                image.X1 += T;
                image.X2 += T;
            }
            decale.tracer(image);
        }
        EXPECT_FALSE(decale.verifier()) << "one node off, axis " << axe;

        Partie couleur(axe, 3);
        couleur.montrer(FigureDeChaqueGenre(CouleurRouge));
        for (int i = 1; i <= 5; ++i)
            couleur.tracer(couleur.miroir(reference[i]));
        ElementFigure bleue = couleur.miroir(reference[6]);
        bleue.Couleur = CouleurBleu;
        couleur.tracer(bleue);
        EXPECT_FALSE(couleur.verifier()) << "wrong paint colour, axis " << axe;
    }
}

TEST(Controle, UnTraitLeLongDeLAxe)
{
    Figure reference;
    reference.Ajouter(Forme(GenreTrait, {2, 3}, {8, 6}));
    struct Cas
    {
        Axe axe;
        QPoint a, b;
    } cas[] = {{AxeVertical, {12, 2}, {12, 10}},
               {AxeHorizontal, {2, 12}, {10, 12}},
               {AxeObliqueHB, {14, 14}, {18, 18}},
               {AxeObliqueBH, {20, 4}, {16, 8}}};
    for (const Cas& c : cas) {
        Partie partie(c.axe);
        partie.montrer(reference);
        partie.tracerLeMiroir();
        ASSERT_TRUE(partie.verifier());
        partie.tracer(Forme(GenreTrait, c.a, c.b));
        EXPECT_FALSE(partie.verifier()) << "axis " << c.axe;
    }
}

TEST(Controle, ComparaisonsPointParPoint)
{
    Partie partie(AxeVertical);
    Figure reference;
    reference.Ajouter(Forme(GenreTrait, {2, 3}, {8, 6}));
    partie.montrer(reference);
    QImage image = NouvelleImage(500, 500);
    MasqueReference masque(500, 500);
    MarquerElement(masque, reference[1]);

    // Mask: the mirror of (440, 60) is (40, 60), the reference's first point.
    ControleSymetrie dansLaBande(partie.grille(), image, masque);
    dansLaBande.ControlerPoint({440, 63}, ModeComparaison::Masque);
    EXPECT_TRUE(dansLaBande.ReponseJuste());
    ControleSymetrie horsBande(partie.grille(), image, masque);
    horsBande.ControlerPoint({440, 64}, ModeComparaison::Masque);
    EXPECT_FALSE(horsBande.ReponseJuste());
    ControleSymetrie horsMasque(partie.grille(), image, masque);
    horsMasque.ControlerPoint({-3000, 60}, ModeComparaison::Masque);
    EXPECT_FALSE(horsMasque.ReponseJuste()) << "a mirror outside the mask is unmarked";

    // Picture: outside the picture reads white, like the white pixel facing it.
    ControleSymetrie blanc(partie.grille(), image, masque);
    blanc.ControlerPoint({490, 10}, ModeComparaison::Image); // mirror (-10, 10)
    EXPECT_TRUE(blanc.ReponseJuste());
    PoserPixel(image, 490, 11, CouleurRose);
    ControleSymetrie rose(partie.grille(), image, masque);
    rose.ControlerPoint({490, 11}, ModeComparaison::Image);
    EXPECT_FALSE(rose.ReponseJuste());

    // An axis kind the program does not know compares nothing.
    Quadrillage inconnu = partie.grille();
    inconnu.TypeAxe = static_cast<Axe>(0);
    ControleSymetrie rienACompare(inconnu, image, masque);
    rienACompare.ControlerPoint({490, 11}, ModeComparaison::Image);
    rienACompare.ControlerPoint({0, 0}, ModeComparaison::Masque);
    EXPECT_TRUE(rienACompare.ReponseJuste());
}

TEST(Controle, ElementsImmensesVerifiesSansAttendre)
{
    // A reference segment from a damaged file, a billion pixels long, and a pupil segment
    // as long: the check ends at once with the only possible answer.
    Figure reference;
    ElementFigure immense;
    immense.GenreElement = GenreTrait;
    immense.X1 = -(1 << 30);
    immense.Y1 = 100;
    immense.X2 = 1 << 30;
    immense.Y2 = 130;
    reference.Ajouter(immense);
    Partie partie(AxeObliqueBH);
    QElapsedTimer chrono;
    chrono.start();
    partie.montrer(reference);
    partie.tracer(immense);
    EXPECT_FALSE(partie.verifier());

    // The same segment about an axis shifted by two billion cells: the picture and its
    // mirror image lie a billion pixels apart, and only they are walked.
    Partie lointaine(AxeVertical, 2, 2000000000);
    lointaine.montrer(reference);
    EXPECT_FALSE(lointaine.verifier());
    EXPECT_LT(chrono.elapsed(), 3000);
}
