#include "DisquePlein.h"
#include "FichierExercice.h"

#include <QBuffer>
#include <QPoint>
#include <QRect>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

namespace {

QByteArray Mots(const std::vector<qint32>& mots)
{
    QByteArray octets;
    for (qint32 mot : mots) {
        char tampon[4];
        qToLittleEndian(mot, tampon);
        octets.append(tampon, 4);
    }
    return octets;
}

ResultatLecture Lire(const QByteArray& octets)
{
    QByteArray copie = octets;
    QBuffer tampon(&copie);
    tampon.open(QIODevice::ReadOnly);
    return LireExercice(&tampon);
}

// The editor for exercise 2, vertical axis, 24 x 24 grid of 20-pixel cells: a segment from
// (80, 60) to (80, 200), then a blue area seeded at (85, 67).
struct ExempleEditeur
{
    Quadrillage grille;
    Figure figure;

    ExempleEditeur()
    {
        grille.TailleCase = 20;
        figure.Ajouter(ElementDepuisPixels(GenreTrait, 80, 60, 80, 200, CouleurBlanc, 20));
        figure.Ajouter(ElementDepuisPixels(GenreColoriage, 85, 67, 0, 0, CouleurBleu, 20));
    }
};

const std::vector<qint32> MotsExemple = {202, 1, 1, 20, 24, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                         1, 4, 3, 4, 10, 16777215,
                                         6, 4, 3, 5, 7, 16711680};

} // namespace

TEST(FichierExercice, ExempleEcritMotPourMot)
{
    ExempleEditeur exemple;
    const QByteArray octets = ContenuExercice(exemple.grille, exemple.figure, {2, std::nullopt, false});
    EXPECT_EQ(octets.size(), 108);
    EXPECT_EQ(octets, Mots(MotsExemple));
}

TEST(FichierExercice, ExempleReluAvecDesCasesDe30Pixels)
{
    ResultatLecture lu = Lire(Mots(MotsExemple));
    ASSERT_TRUE(lu.Reussi) << lu.Erreur.toStdString();
    ExerciceLu& exo = lu.Exercice;
    EXPECT_EQ(exo.EnteteExercice, 202);
    EXPECT_EQ(exo.CoteFigure, 1);
    EXPECT_EQ(exo.TailleCaseFichier, 20);
    EXPECT_EQ(exo.Grille.NbColonnes, 24);
    EXPECT_EQ(exo.Grille.TypeAxe, AxeVertical);
    ASSERT_EQ(exo.Elements.NbElements, 2);
    EXPECT_TRUE(MotifRefus(exo, 200, 750).isEmpty());

    ConvertirPourTailleCase(exo, 30);
    const ElementFigure& trait = exo.Elements[1];
    EXPECT_EQ(QRect(QPoint(trait.X1, trait.Y1), QPoint(trait.X2, trait.Y2)),
              QRect(QPoint(120, 90), QPoint(120, 300)));
    const ElementFigure& zone = exo.Elements[2];
    EXPECT_EQ(QPoint(zone.X1, zone.Y1), QPoint(127, 100));
    EXPECT_EQ(QPoint(zone.CaseX2, zone.CaseY2), QPoint(7, 10)); // offsets now in 30-pixel cells
    EXPECT_EQ(zone.Couleur, CouleurBleu);
}

TEST(FichierExercice, FormeAncienneSansEnteteNiParametresAxe)
{
    // First word 100 or less: it is the axis itself and the elements start at word 5.
    const ResultatLecture lu = Lire(Mots({2, 2, 20, 24, 24, 1, 1, 1, 5, 1, 0}));
    ASSERT_TRUE(lu.Reussi);
    EXPECT_TRUE(lu.Exercice.FormeAncienne());
    EXPECT_EQ(lu.Exercice.Grille.TypeAxe, AxeHorizontal);
    EXPECT_EQ(lu.Exercice.CoteFigure, 2);
    EXPECT_EQ(lu.Exercice.Grille.DecalageAxe, 0);
    ASSERT_EQ(lu.Exercice.Elements.NbElements, 1);
    EXPECT_EQ(lu.Exercice.Elements[1].CaseX2, 5);

    // Exactly 100 is still an axis: the file reads whole, with its record at word 5.
    const ResultatLecture cent = Lire(Mots({100, 2, 20, 24, 24, 1, 1, 1, 5, 1, 0}));
    ASSERT_TRUE(cent.Reussi) << qPrintable(cent.Erreur);
    EXPECT_TRUE(cent.Exercice.FormeAncienne());
    EXPECT_EQ(qint32(cent.Exercice.Grille.TypeAxe), 100);
    EXPECT_EQ(cent.Exercice.NbEnregistrements, 1);
    EXPECT_EQ(cent.Exercice.Elements[1].CaseX2, 5);
    EXPECT_FALSE(Lire(Mots({101, 2, 2, 20, 24, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0}))
                     .Exercice.FormeAncienne());
}

TEST(FichierExercice, ParametresAxeEtMotsReservesSontRendusTelsQuels)
{
    std::vector<qint32> mots = {205, 3, 2, 20, 24, 24, -4, 1, -2, 3, 99, 0, 7, 8, 123456};
    mots.insert(mots.end(), {2, 1, 1, 5, 6, 0});
    const ResultatLecture lu = Lire(Mots(mots));
    ASSERT_TRUE(lu.Reussi);
    EXPECT_EQ(lu.Exercice.Grille.DecalageAxe, -4);
    EXPECT_EQ(lu.Exercice.Grille.Reserve[7], 123456);

    ExerciceLu exo = lu.Exercice;
    ConvertirPourTailleCase(exo, 20);
    EXPECT_EQ(ContenuExercice(exo.Grille, exo.Elements, {5, std::nullopt, false}), Mots(mots));
}

TEST(FichierExercice, EcritureSansColoriagesEtAvecUnPointALaPlaceDeLAxe)
{
    ExempleEditeur exemple;
    const QByteArray octets = ContenuExercice(exemple.grille, exemple.figure, {3, AxePoint, true});
    ASSERT_EQ(octets.size(), 4 * (15 + 6));
    const ResultatLecture lu = Lire(octets);
    EXPECT_EQ(lu.Exercice.EnteteExercice, 203);
    EXPECT_EQ(lu.Exercice.Grille.TypeAxe, AxePoint);
    EXPECT_EQ(lu.Exercice.Elements[1].GenreElement, GenreTrait);
}

TEST(FichierExercice, CoteFigureSelonLAxe)
{
    Quadrillage g;
    g.TailleCase = 20;
    const auto cote = [&g](std::vector<QPoint> noeuds) {
        Figure f;
        for (QPoint n : noeuds)
            f.Ajouter(ElementDepuisPixels(GenreTrait, n.x() * 20, n.y() * 20, 0, 0, 0, 20));
        return CalculerCoteFigure(g, f);
    };
    g.TypeAxe = AxeVertical;
    EXPECT_EQ(cote({{4, 3}, {4, 0}}), 1);
    EXPECT_EQ(cote({{13, 3}, {4, 0}}), 2) << "evenly split";
    EXPECT_EQ(cote({{12, 3}, {12, 9}}), 2) << "every first point on the axis";
    g.DecalageAxe = -5; // axis on column 7
    EXPECT_EQ(cote({{8, 0}, {9, 0}, {1, 0}}), 2);
    g.DecalageAxe = 0;
    g.TypeAxe = AxeHorizontal;
    EXPECT_EQ(cote({{20, 2}}), 1);
    EXPECT_EQ(cote({{2, 20}}), 2);
    g.TypeAxe = AxeObliqueHB;
    EXPECT_EQ(cote({{1, 5}}), 1);
    EXPECT_EQ(cote({{5, 1}}), 2);
    g.DecalageAxe = 2; // x - y = 2
    EXPECT_EQ(cote({{6, 5}}), 1);
    g.DecalageAxe = 0;
    g.TypeAxe = AxeObliqueBH;
    EXPECT_EQ(cote({{3, 4}}), 1);
    EXPECT_EQ(cote({{20, 20}}), 2);
    g.TypeAxe = AxePoint;
    EXPECT_EQ(cote({{1, 1}, {2, 2}}), 2);
}

TEST(FichierExercice, FichierEcritPuisReluSurDisque)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("essai.ex2"));
    ExempleEditeur exemple;
    QString erreur;
    ASSERT_TRUE(EcrireExercice(chemin, exemple.grille, exemple.figure, {2, std::nullopt, false}, &erreur));
    const ResultatLecture lu = LireExercice(chemin);
    ASSERT_TRUE(lu.Reussi);
    EXPECT_EQ(lu.Exercice.Elements.NbElements, 2);
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    EXPECT_EQ(fichier.readAll(), Mots(MotsExemple)) << "reading leaves the file unchanged";
}

TEST(FichierExercice, UnEchecDEcritureLaisseLAncienFichierEtLeDit)
{
    QTemporaryDir dossier;
    ExempleEditeur exemple;
    QString erreur;
    const QString absent = dossier.filePath(QStringLiteral("absent/essai.ex2"));
    EXPECT_FALSE(EcrireExercice(absent, exemple.grille, exemple.figure, {2, std::nullopt, false}, &erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("Impossible d'enregistrer"))) << erreur.toStdString();
    EXPECT_FALSE(QFile::exists(absent));

    QByteArray octets;
    QBuffer lectureSeule(&octets);
    lectureSeule.open(QIODevice::ReadOnly);
    EXPECT_FALSE(EcrireExercice(&lectureSeule, exemple.grille, exemple.figure, {2, std::nullopt, false},
                                &erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("n'a pas pu être écrit"))) << erreur.toStdString();

    Quadrillage sansCase = exemple.grille;
    sansCase.TailleCase = 0;
    const QString chemin = dossier.filePath(QStringLiteral("garde.ex2"));
    ASSERT_TRUE(EcrireExercice(chemin, exemple.grille, exemple.figure, {2, std::nullopt, false}));
    EXPECT_FALSE(EcrireExercice(chemin, sansCase, exemple.figure, {2, std::nullopt, false}, &erreur));
    EXPECT_FALSE(erreur.isEmpty());
    EXPECT_EQ(QFileInfo(chemin).size(), 108);
}

TEST(FichierExercice, UnDisquePleinLaisseLAncienFichierEntier)
{
    QTemporaryDir dossier;
    ExempleEditeur exemple;
    const QString chemin = dossier.filePath(QStringLiteral("garde.ex2"));
    ASSERT_TRUE(EcrireExercice(chemin, exemple.grille, exemple.figure, {2, std::nullopt, false}));
    Figure plusGrande = exemple.figure;
    ASSERT_TRUE(plusGrande.Ajouter(plusGrande[1]));
    QString erreur;
    {
        DisquePlein plein;
        EXPECT_FALSE(EcrireExercice(chemin, exemple.grille, plusGrande, {2, std::nullopt, false}, &erreur));
    }
    EXPECT_TRUE(erreur.contains(QStringLiteral("Impossible d'enregistrer"))) << erreur.toStdString();
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    EXPECT_EQ(fichier.readAll(), Mots(MotsExemple));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("garde.ex2")}) << "no temporary file left";
}

TEST(FichierExercice, FichiersAbimes)
{
    const QByteArray entier = Mots(MotsExemple);

    EXPECT_FALSE(Lire(QByteArray()).Reussi);
    EXPECT_FALSE(Lire(entier.left(3)).Reussi);
    const ResultatLecture enteteCourte = Lire(entier.left(14 * 4 + 2));
    EXPECT_FALSE(enteteCourte.Reussi);
    EXPECT_FALSE(enteteCourte.Erreur.isEmpty());
    EXPECT_FALSE(Lire(Mots({3, 1, 20, 24})).Reussi) << "older form shorter than its header";

    // A header alone reads as a figure without elements.
    const ResultatLecture entete = Lire(entier.left(60));
    ASSERT_TRUE(entete.Reussi);
    EXPECT_EQ(entete.Exercice.Elements.NbElements, 0);

    // A trailing partial record is left aside, whatever its length.
    for (int coupe = 1; coupe < 24; ++coupe) {
        const ResultatLecture lu = Lire(entier.left(108 - coupe));
        ASSERT_TRUE(lu.Reussi);
        EXPECT_EQ(lu.Exercice.Elements.NbElements, 1) << "cut " << coupe;
        EXPECT_EQ(lu.Exercice.NbEnregistrements, 1);
    }
}

TEST(FichierExercice, FichiersRefusesParLeursLecteurs)
{
    const auto exerciceDe = [](std::vector<qint32> mots) { return Lire(Mots(mots)).Exercice; };
    std::vector<qint32> base = {202, 1, 1, 20, 24, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0};

    // More elements than the room: 256 records overflow the player's one-byte count, 201
    // the editor's 200, 600 even the figure's 500 (only 500 are kept, but all counted).
    for (int nombre : {201, 256, 600}) {
        std::vector<qint32> mots = base;
        for (int i = 0; i < nombre; ++i)
            mots.insert(mots.end(), {1, 0, 0, 1, 1, 0});
        const ExerciceLu exo = exerciceDe(mots);
        EXPECT_EQ(exo.NbEnregistrements, nombre);
        EXPECT_EQ(exo.Elements.NbElements, std::min(nombre, Figure::Capacite));
        EXPECT_FALSE(MotifRefus(exo, 200, 500).isEmpty());
        EXPECT_EQ(MotifRefus(exo, 255, 500).isEmpty(), nombre <= 255);
    }

    // An axis kind the program does not know.
    for (qint32 axe : {0, 6, -1}) {
        std::vector<qint32> mots = base;
        mots[1] = axe;
        EXPECT_TRUE(MotifRefus(exerciceDe(mots), 200, 500).contains(QStringLiteral("inconnu"))) << axe;
    }

    // A painted area with a stored cell size of 0 would divide by it.
    std::vector<qint32> zero = base;
    zero[3] = 0;
    zero.insert(zero.end(), {6, 1, 1, 5, 5, int(CouleurRouge)});
    EXPECT_TRUE(MotifRefus(exerciceDe(zero), 200, 500).contains(QStringLiteral("nulle")));
    zero[15] = 1; // a segment alone never divides by it
    EXPECT_TRUE(MotifRefus(exerciceDe(zero), 200, 500).isEmpty());

    // Grids whose cell size would be 0.
    for (qint32 colonnes : {0, -24, 251, 1000000}) {
        std::vector<qint32> mots = base;
        mots[4] = colonnes;
        EXPECT_FALSE(MotifRefus(exerciceDe(mots), 200, 500).isEmpty()) << colonnes;
    }
}

TEST(FichierExercice, ValeursExtremesConvertiesSansDebordement)
{
    std::vector<qint32> mots = {202, 1, 7, INT32_MIN, 24, INT32_MAX, INT32_MAX, 0, 0, 0, 0, 0,
                                0, 0, 0};
    mots.insert(mots.end(), {1, INT32_MAX, INT32_MIN, -5, 3, -1});
    mots.insert(mots.end(), {6, INT32_MIN, 4, INT32_MAX, INT32_MIN, 0});
    ResultatLecture lu = Lire(Mots(mots));
    ASSERT_TRUE(lu.Reussi);
    EXPECT_TRUE(MotifRefus(lu.Exercice, 200, 500).isEmpty());
    ConvertirPourTailleCase(lu.Exercice, 20);
    const ElementFigure& trait = lu.Exercice.Elements[1];
    EXPECT_EQ(trait.X1, 1 << 30) << "held far outside any picture";
    EXPECT_EQ(trait.Y1, -(1 << 30));
    EXPECT_EQ(trait.X2, -100);
}
