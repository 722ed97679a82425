#include "ImpressionFigure.h"
#include "Dessin.h"
#include "Symetrie.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <queue>
#include <random>

namespace {

Quadrillage Grille(Axe typeAxe, int decalage = 0)
{
    Quadrillage g;
    g.TypeAxe = typeAxe;
    g.DecalageAxe = decalage;
    return g; // 24 x 24, 20-pixel cells
}

ElementFigure Element(Genre genre, int x1, int y1, int x2, int y2, quint32 couleur = CouleurRouge)
{
    return ElementDepuisPixels(genre, x1, y1, x2, y2, couleur, 20);
}

bool NoirAutour(const QImage& image, int x, int y)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (CouleurPixel(image, x + dx, y + dy) == CouleurNoir)
                return true;
    return false;
}

int PixelsDeCouleur(const QImage& image, quint32 couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += CouleurPixel(image, x, y) == couleur;
    return n;
}

} // namespace

TEST(Dessin, QuadrillageAxeEtCadre)
{
    QImage joueur = NouvelleImage(500, 500);
    DessinerQuadrillage(joueur, Grille(AxeVertical), 2, Rendu::Joueur);
    EXPECT_EQ(CouleurPixel(joueur, 100, 40), CouleurGrisQuadrillage);
    EXPECT_EQ(CouleurPixel(joueur, 483, 40), CouleurGrisQuadrillage) << "to the panel's edge";
    EXPECT_EQ(CouleurPixel(joueur, 484, 40), CouleurBlanc);
    EXPECT_EQ(CouleurPixel(joueur, 110, 41), CouleurBlanc);
    EXPECT_EQ(CouleurPixel(joueur, 480, 100), CouleurNoir);
    EXPECT_EQ(CouleurPixel(joueur, 100, 480), CouleurNoir);
    EXPECT_EQ(CouleurPixel(joueur, 0, 100), CouleurNoir);
    for (int x : {239, 240, 241})
        EXPECT_EQ(CouleurPixel(joueur, x, 110), CouleurRougeAxe) << x;
    EXPECT_EQ(CouleurPixel(joueur, 238, 110), CouleurBlanc) << "a 3-pixel axis";
    EXPECT_EQ(CouleurPixel(joueur, 242, 110), CouleurBlanc);

    QImage editeur = NouvelleImage(500, 500);
    DessinerQuadrillage(editeur, Grille(AxeVertical), 2, Rendu::Editeur);
    EXPECT_EQ(CouleurPixel(editeur, 479, 40), CouleurGrisQuadrillage);
    EXPECT_EQ(CouleurPixel(editeur, 481, 40), CouleurBlanc) << "ends on the frame";

    // Exercise 3: a wider axis between two black lines two pixels from it.
    QImage trois = NouvelleImage(500, 500);
    DessinerQuadrillage(trois, Grille(AxeVertical), 3, Rendu::Joueur);
    EXPECT_EQ(CouleurPixel(trois, 238, 110), CouleurNoir);
    EXPECT_EQ(CouleurPixel(trois, 242, 110), CouleurNoir);
    EXPECT_EQ(CouleurPixel(trois, 237, 110), CouleurBlanc);
    EXPECT_EQ(CouleurPixel(trois, 243, 110), CouleurBlanc);
    int rouges = 0;
    for (int x = 236; x <= 244; ++x)
        rouges += CouleurPixel(trois, x, 110) == CouleurRougeAxe;
    EXPECT_EQ(rouges, 3) << "4 pixels wide, one of them under a black line";

    // About a point: a red disc at the centre, no axis line.
    QImage point = NouvelleImage(500, 500);
    DessinerQuadrillage(point, Grille(AxePoint), 5, Rendu::Joueur);
    EXPECT_EQ(CouleurPixel(point, 240, 240), CouleurRougeAxe);
    EXPECT_EQ(CouleurPixel(point, 240, 110), CouleurGrisQuadrillage);
    EXPECT_EQ(CouleurPixel(point, 247, 247), CouleurBlanc);
}

TEST(Dessin, AxesObliquesEtDecales)
{
    QImage hb = NouvelleImage(500, 500);
    DessinerQuadrillage(hb, Grille(AxeObliqueHB), 4, Rendu::Joueur);
    EXPECT_EQ(CouleurPixel(hb, 150, 150), CouleurRougeAxe);
    QImage bh = NouvelleImage(500, 500);
    DessinerQuadrillage(bh, Grille(AxeObliqueBH), 4, Rendu::Joueur);
    EXPECT_EQ(CouleurPixel(bh, 150, 330), CouleurRougeAxe);
    QImage horizontal = NouvelleImage(500, 500);
    DessinerQuadrillage(horizontal, Grille(AxeHorizontal, -3), 4, Rendu::Joueur);
    EXPECT_EQ(CouleurPixel(horizontal, 150, 180), CouleurRougeAxe);

    // Starting three cells left of the picture, the axis is simply clipped.
    QImage gauche = NouvelleImage(500, 500);
    DessinerQuadrillage(gauche, Grille(AxeObliqueHB, -3), 4, Rendu::Editeur);
    EXPECT_EQ(CouleurPixel(gauche, 50, 110), CouleurRougeAxe);
    QImage droite = NouvelleImage(500, 500);
    DessinerQuadrillage(droite, Grille(AxeObliqueHB, 3), 4, Rendu::Editeur);
    EXPECT_EQ(CouleurPixel(droite, 110, 50), CouleurRougeAxe);
}

TEST(Dessin, TraitsEtRectanglesCentresSurLeursNoeuds)
{
    // The check's band reaches 1 pixel each side of a rectangle edge and 3 of a segment:
    // outlines 3 pixels wide must sit centred on their nodes, in every style but the
    // preview's thinner pen.
    for (Rendu rendu : {Rendu::Joueur, Rendu::Editeur}) {
        QImage image = NouvelleImage(200, 200);
        DessinerElement(image, Element(GenreRectangle, 60, 100, 20, 40), rendu);
        DessinerElement(image, Element(GenreTrait, 100, 150, 180, 150), rendu);
        for (int d = -1; d <= 1; ++d) {
            EXPECT_EQ(CouleurPixel(image, 20 + d, 70), CouleurNoir) << d;
            EXPECT_EQ(CouleurPixel(image, 60 + d, 70), CouleurNoir) << d;
            EXPECT_EQ(CouleurPixel(image, 40, 40 + d), CouleurNoir) << d;
            EXPECT_EQ(CouleurPixel(image, 40, 100 + d), CouleurNoir) << d;
            EXPECT_EQ(CouleurPixel(image, 140, 150 + d), CouleurNoir) << d;
        }
        for (int d : {-2, 2}) {
            EXPECT_EQ(CouleurPixel(image, 20 + d, 70), CouleurBlanc) << d;
            EXPECT_EQ(CouleurPixel(image, 60 + d, 70), CouleurBlanc) << d;
            EXPECT_EQ(CouleurPixel(image, 140, 150 + d), CouleurBlanc) << d;
        }
        EXPECT_EQ(CouleurPixel(image, 40, 70), CouleurBlanc) << "outlines only";
    }
}

TEST(Dessin, QuartsDeCercleDansLesDeuxStyles)
{
    // Centre (100, 100), radius 40: the 45-degree point of each quadrant.
    struct Cas
    {
        int x2, y2;
        QPoint milieu;
    } quarts[] = {{140, 60, {128, 72}}, {60, 60, {72, 72}}, {60, 140, {72, 128}},
                  {140, 140, {128, 128}}};
    for (Rendu rendu : {Rendu::Joueur, Rendu::Editeur, Rendu::Apercu})
        for (const Cas& c : quarts) {
            QImage image = NouvelleImage(200, 200);
            DessinerElement(image, Element(GenreQuartDeCercle, 100, 100, c.x2, c.y2), rendu);
            for (const Cas& autre : quarts)
                EXPECT_EQ(NoirAutour(image, autre.milieu.x(), autre.milieu.y()),
                          autre.milieu == c.milieu)
                    << "style " << int(rendu) << ", quarter towards " << c.x2 << "," << c.y2;
        }

    for (Rendu rendu : {Rendu::Joueur, Rendu::Editeur}) {
        QImage image = NouvelleImage(200, 200);
        DessinerElement(image, Element(GenreQuartDeCercle, 100, 100, 100, 60), rendu);
        DessinerElement(image, Element(GenreQuartDeCercle, 100, 100, 60, 100), rendu);
        EXPECT_EQ(PixelsDeCouleur(image, CouleurNoir), 0) << "a flat quarter draws nothing";
    }
}

TEST(Dessin, CerclesDuJoueurSurTroisRayons)
{
    // The box's width alone sets the radius: 40 pixels wide, radius 20.
    QImage image = NouvelleImage(200, 200);
    DessinerElement(image, Element(GenreCercle, 40, 40, 80, 140), Rendu::Joueur);
    for (int y = 60 - 21; y <= 60 - 19; ++y)
        EXPECT_EQ(CouleurPixel(image, 60, y), CouleurNoir) << y;
    EXPECT_EQ(CouleurPixel(image, 60, 60 - 22), CouleurBlanc);
    EXPECT_EQ(CouleurPixel(image, 60, 60 - 18), CouleurBlanc);
    EXPECT_EQ(CouleurPixel(image, 60 + 20, 60), CouleurNoir);
    EXPECT_EQ(CouleurPixel(image, 60, 100), CouleurBlanc) << "its height does not enter";
}

TEST(Dessin, RemplissageBorneParLeNoirEn4Connexite)
{
    // A one-pixel diagonal holds a 4-connected fill.
    QImage image = NouvelleImage(50, 50);
    for (int i = 0; i < 50; ++i)
        PoserPixel(image, i, i, CouleurNoir);
    RemplirJusquAuNoir(image, 40, 5, CouleurJaune);
    EXPECT_EQ(CouleurPixel(image, 40, 5), CouleurJaune);
    EXPECT_EQ(CouleurPixel(image, 49, 0), CouleurJaune);
    EXPECT_EQ(CouleurPixel(image, 5, 40), CouleurBlanc);
    EXPECT_EQ(PixelsDeCouleur(image, CouleurJaune), 50 * 49 / 2);

    // Grey, red and earlier colours are painted over, even pixels already of the colour.
    QImage melange = NouvelleImage(30, 30);
    for (int x = 0; x < 30; ++x) {
        PoserPixel(melange, x, 10, CouleurGrisQuadrillage);
        PoserPixel(melange, x, 20, CouleurJaune);
        PoserPixel(melange, 15, x, CouleurRougeAxe);
    }
    RemplirJusquAuNoir(melange, 3, 3, CouleurJaune);
    EXPECT_EQ(PixelsDeCouleur(melange, CouleurJaune), 900);

    // On black, or outside the picture, nothing happens.
    QImage noir = NouvelleImage(10, 10);
    PoserPixel(noir, 5, 5, CouleurNoir);
    RemplirJusquAuNoir(noir, 5, 5, CouleurBleu);
    RemplirJusquAuNoir(noir, -1, 5, CouleurBleu);
    RemplirJusquAuNoir(noir, 10, 5, CouleurBleu);
    EXPECT_EQ(PixelsDeCouleur(noir, CouleurBleu), 0);

    // Black as the fill colour (a damaged file) still ends.
    RemplirJusquAuNoir(noir, 0, 0, CouleurNoir);
    EXPECT_EQ(PixelsDeCouleur(noir, CouleurNoir), 100);
}

// The plainest border fill, one pixel at a time, to hold the scan-line fill against.
void RemplirPixelParPixel(QImage& image, QPoint graine, quint32 couleur)
{
    if (CouleurPixel(image, graine.x(), graine.y()) == CouleurNoir)
        return;
    std::vector<bool> vu(std::size_t(image.width() * image.height()), false);
    std::queue<QPoint> file;
    file.push(graine);
    vu[std::size_t(graine.y() * image.width() + graine.x())] = true;
    while (!file.empty()) {
        const QPoint p = file.front();
        file.pop();
        PoserPixel(image, p.x(), p.y(), couleur);
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint v = p + d;
            if (!image.rect().contains(v) || vu[std::size_t(v.y() * image.width() + v.x())]
                || CouleurPixel(image, v.x(), v.y()) == CouleurNoir)
                continue;
            vu[std::size_t(v.y() * image.width() + v.x())] = true;
            file.push(v);
        }
    }
}

TEST(Dessin, RemplissageIdentiqueAuRemplissagePixelParPixel)
{
    std::mt19937 hasard(7);
    const quint32 palette[] = {CouleurBlanc, CouleurJaune, CouleurGrisQuadrillage, CouleurNoir,
                               CouleurNoir};
    // Widths below, across and on a 64-pixel boundary, where the fill keeps its marks.
    const QSize tailles[] = {{61, 47}, {130, 20}, {64, 9}};
    for (int essai = 0; essai < 60; ++essai) {
        const QSize taille = tailles[essai % 3];
        QImage image = NouvelleImage(taille.width(), taille.height());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                PoserPixel(image, x, y, palette[hasard() % 5]);
        const QPoint graine(int(hasard() % uint(taille.width())),
                            int(hasard() % uint(taille.height())));
        QImage attendu = image.copy();
        RemplirPixelParPixel(attendu, graine, CouleurJaune);
        RemplirJusquAuNoir(image, graine.x(), graine.y(), CouleurJaune);
        ASSERT_EQ(image, attendu) << "picture " << essai;
    }
}

TEST(Dessin, RemplissageDUneGrandeImage)
{
    QImage image = NouvelleImage(2000, 2000);
    // A comb of black teeth makes the fill turn back on itself many times.
    for (int x = 10; x < 2000; x += 20)
        for (int y = (x / 20) % 2 ? 0 : 5; y < ((x / 20) % 2 ? 1995 : 2000); ++y)
            PoserPixel(image, x, y, CouleurNoir);
    QElapsedTimer chrono;
    chrono.start();
    RemplirJusquAuNoir(image, 1000, 1000, CouleurVert);
    EXPECT_LT(chrono.elapsed(), 5000);
    EXPECT_EQ(PixelsDeCouleur(image, CouleurVert) + PixelsDeCouleur(image, CouleurNoir),
              2000 * 2000);
}

// Whatever the axis' shift, the black lines follow the axis on both sides of it: a fill
// started four pixels from the axis stays there, in exercise 3 only.
TEST(Dessin, LesLignesDeLExercice3RetiennentLaPeinture)
{
    struct Cas
    {
        Axe axe;
        QPoint (*graine)(int d); // four pixels across from the axis shifted d cells
    } cas[] = {{AxeVertical, [](int d) { return QPoint(20 * (12 + d) - 4, 110); }},
               {AxeHorizontal, [](int d) { return QPoint(110, 20 * (12 + d) - 4); }},
               {AxeObliqueHB, [](int d) { return QPoint(110 + 20 * d + 4, 110); }},
               {AxeObliqueBH, [](int d) { return QPoint(20 * (24 + d) - 110 - 4, 110); }},
               {AxePoint, [](int) { return QPoint(100, 100); }}};
    for (const Cas& c : cas)
        for (int decalage : {0, -3, 2})
            for (int exercice : {2, 3}) {
                const Quadrillage grille = Grille(c.axe, decalage);
                const QPoint graine = c.graine(decalage);
                const QPoint enFace = c.axe == AxePoint ? QPoint(240, 240) : ImageMiroir(grille, graine);
                QImage image = NouvelleImage(500, 500);
                DessinerQuadrillage(image, grille, exercice, Rendu::Joueur);
                RemplirJusquAuNoir(image, graine.x(), graine.y(), CouleurJaune);
                EXPECT_EQ(CouleurPixel(image, graine.x(), graine.y()), CouleurJaune);
                EXPECT_EQ(CouleurPixel(image, enFace.x(), enFace.y()) == CouleurJaune, exercice != 3)
                    << "axis " << c.axe << " shifted " << decalage << ", exercise " << exercice;
                EXPECT_EQ(CouleurPixel(image, 482, 101), CouleurBlanc) << "the frame holds it";
            }
}

TEST(Dessin, LOrdreDesElementsFaitPartieDuDessin)
{
    const Quadrillage g = Grille(AxeVertical);
    Figure peintureAvant;
    peintureAvant.Ajouter(Element(GenreColoriage, 100, 110, 0, 0, CouleurVert));
    peintureAvant.Ajouter(Element(GenreTrait, 0, 200, 480, 200));

    // Drawn one by one as the user made them...
    QImage aLaMain = NouvelleImage(500, 500);
    DessinerQuadrillage(aLaMain, g, 3, Rendu::Editeur);
    for (int i = 1; i <= 2; ++i)
        DessinerElement(aLaMain, peintureAvant[i], Rendu::Editeur);
    // ...and redrawn from the list: the same picture, the fill replayed before the segment.
    QImage redessine = NouvelleImage(500, 500);
    DessinerQuadrillage(redessine, g, 3, Rendu::Editeur);
    DessinerFigure(redessine, peintureAvant, Rendu::Editeur);
    EXPECT_EQ(redessine, aLaMain);
    EXPECT_EQ(CouleurPixel(redessine, 100, 300), CouleurVert);

    Figure traitAvant;
    traitAvant.Ajouter(peintureAvant[2]);
    traitAvant.Ajouter(peintureAvant[1]);
    QImage autreOrdre = NouvelleImage(500, 500);
    DessinerQuadrillage(autreOrdre, g, 3, Rendu::Editeur);
    DessinerFigure(autreOrdre, traitAvant, Rendu::Editeur);
    EXPECT_NE(CouleurPixel(autreOrdre, 100, 300), CouleurVert);
    EXPECT_EQ(CouleurPixel(autreOrdre, 100, 110), CouleurVert);
}

TEST(Dessin, GenresInconnusEtValeursAbimees)
{
    QImage image = NouvelleImage(200, 200);
    for (qint32 code : {0, 5, 7, -1}) {
        ElementFigure e = Element(static_cast<Genre>(code), 10, 10, 100, 100);
        DessinerElement(image, e, Rendu::Joueur);
    }
    EXPECT_EQ(PixelsDeCouleur(image, CouleurBlanc), 200 * 200);

    // Points a billion pixels away, in every style: clipped, never a crash.
    const int loin = 1 << 30;
    for (Rendu rendu : {Rendu::Joueur, Rendu::Editeur, Rendu::Apercu})
        for (qint32 code = Code(GenreTrait); code <= Code(GenreColoriage); ++code) {
            ElementFigure e = Element(static_cast<Genre>(code), 0, 0, 0, 0);
            e.X1 = -loin;
            e.Y1 = 50;
            e.X2 = loin;
            e.Y2 = 60;
            DessinerElement(image, e, rendu);
        }
    EXPECT_EQ(CouleurPixel(image, 100, 50) == CouleurNoir
                  || CouleurPixel(image, 100, 51) == CouleurNoir,
              true);

    // A grid that claims countless rows or columns draws what fits and returns at once.
    Quadrillage immense = Grille(AxeObliqueBH, 2000000000);
    immense.NbLignes = 2000000000;
    immense.NbColonnes = 2000000000;
    QElapsedTimer chrono;
    chrono.start();
    for (int exercice : {2, 3})
        for (Rendu rendu : {Rendu::Joueur, Rendu::Editeur, Rendu::Apercu})
            DessinerQuadrillage(image, immense, exercice, rendu);
    EXPECT_LT(chrono.elapsed(), 2000);

    QImage vide;
    DessinerQuadrillage(vide, Grille(AxeVertical), 2, Rendu::Joueur);
    DessinerElement(vide, Element(GenreColoriage, 1, 1, 1, 1), Rendu::Joueur);
    EXPECT_TRUE(vide.isNull());
}
