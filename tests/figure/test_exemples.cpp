// Every shipped exercise is loaded as the player loads it and solved: the exact image of
// the figure answers "Juste"; nothing drawn, or the image with one element missing, "Faux".

#include "ImpressionFigure.h"
#include "Dessin.h"
#include "FichierExercice.h"
#include "Symetrie.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>

namespace {

constexpr int LargeurEtalon = 500; // the player's reference strip at design size
constexpr int PlaceJoueur = 100;

QStringList exercicesLivres()
{
    QStringList chemins;
    QDirIterator it(QStringLiteral(ORVANE_DOSSIER_EXEMPLES), {QStringLiteral("*.ex?")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        chemins.append(it.next());
    chemins.sort();
    return chemins;
}

struct ExerciceCharge {
    Quadrillage grille;
    Figure reference;
    int numero = 0;
};

ExerciceCharge charger(const QString& chemin)
{
    ResultatLecture lu = LireExercice(chemin);
    EXPECT_TRUE(lu.Reussi) << qPrintable(lu.Erreur);
    EXPECT_EQ(MotifRefus(lu.Exercice, PlaceJoueur, LargeurEtalon), QString());
    const int taille = CalculerTailleCase(LargeurEtalon, lu.Exercice.Grille.NbColonnes);
    ConvertirPourTailleCase(lu.Exercice, taille);
    ExerciceCharge charge{lu.Exercice.Grille, lu.Exercice.Elements, chemin.right(1).toInt()};
    charge.grille.TailleCase = taille;
    return charge;
}

// The player's check: the reference shown and marked, the pupil's elements drawn over it.
bool verifier(const ExerciceCharge& e, const Figure& eleve)
{
    QImage image = NouvelleImage(LargeurEtalon + 4, LargeurEtalon + 4);
    MasqueReference masque(image.width(), image.height());
    DessinerQuadrillage(image, e.grille, e.numero, Rendu::Joueur);
    for (int i = 1; i <= e.reference.NbElements; ++i) {
        DessinerElement(image, e.reference[i], Rendu::Joueur);
        MarquerElement(masque, e.reference[i]);
    }
    const int axeInitial = CompterPointsAxeCouverts(e.grille, image);
    DessinerFigure(image, eleve, Rendu::Joueur);
    return VerifierSymetrie(e.grille, image, masque, e.reference, eleve, axeInitial);
}

// A shape as a set of pixels, whatever the order of its points.
QList<int> forme(const ElementFigure& e)
{
    if (e.GenreElement == GenreTrait && QPoint(e.X1, e.Y1) != QPoint(e.X2, e.Y2)
        && std::pair(e.X1, e.Y1) > std::pair(e.X2, e.Y2))
        return {Code(e.GenreElement), e.X2, e.Y2, e.X1, e.Y1};
    if (e.GenreElement == GenreRectangle || e.GenreElement == GenreCercle)
        return {Code(e.GenreElement), std::min(e.X1, e.X2), std::min(e.Y1, e.Y2), std::max(e.X1, e.X2),
                std::max(e.Y1, e.Y2)};
    return {Code(e.GenreElement), e.X1, e.Y1, e.X2, e.Y2};
}

// An outline lying on its own image (astride the axis, or along it) needs no drawing.
bool imageDejaDansLaReference(const ExerciceCharge& e, int i)
{
    if (EstColoriage(e.reference[i].GenreElement))
        return false;
    const QList<int> image = forme(ElementMiroir(e.grille, e.reference[i]));
    for (int j = 1; j <= e.reference.NbElements; ++j)
        if (forme(e.reference[j]) == image)
            return true;
    return false;
}

Figure imageSans(const ExerciceCharge& e, int manquant)
{
    Figure eleve;
    for (int i = 1; i <= e.reference.NbElements; ++i)
        if (i != manquant)
            eleve.Ajouter(ElementMiroir(e.grille, e.reference[i]));
    return eleve;
}

TEST(ExemplesLivres, ChaqueTypeADeuxSeriesDeHuitExercices)
{
    const QStringList chemins = exercicesLivres();
    for (int numero = 2; numero <= 5; ++numero) {
        QMap<QString, int> parSerie;
        for (const QString& chemin : chemins)
            if (chemin.endsWith(QStringLiteral(".ex%1").arg(numero)))
                ++parSerie[QFileInfo(chemin).dir().dirName()];
        EXPECT_GE(parSerie.size(), 2) << "exercise " << numero;
        for (auto it = parSerie.cbegin(); it != parSerie.cend(); ++it)
            EXPECT_GE(it.value(), 8) << qPrintable(it.key()) << " .ex" << numero;
    }
}

TEST(ExemplesLivres, LesAxesVarientEtLesCouleursSontLa)
{
    QSet<Axe> axesExercice4;
    QSet<int> decalages;
    QSet<quint32> couleursExercice3;
    for (const QString& chemin : exercicesLivres()) {
        const ExerciceCharge e = charger(chemin);
        if (e.numero == 2 || e.numero == 3) {
            EXPECT_EQ(e.grille.TypeAxe, AxeVertical) << qPrintable(chemin);
        }
        if (e.numero == 5) {
            EXPECT_EQ(e.grille.TypeAxe, AxePoint) << qPrintable(chemin);
        }
        if (e.numero == 4) {
            axesExercice4.insert(e.grille.TypeAxe);
            decalages.insert(e.grille.DecalageAxe);
        }
        for (int i = 1; e.numero == 3 && i <= e.reference.NbElements; ++i)
            if (EstColoriage(e.reference[i].GenreElement))
                couleursExercice3.insert(e.reference[i].Couleur);
    }
    EXPECT_EQ(axesExercice4, (QSet<Axe>{AxeVertical, AxeHorizontal, AxeObliqueHB, AxeObliqueBH}));
    EXPECT_GE(decalages.size(), 3);
    EXPECT_GE(couleursExercice3.size(), 5);
}

TEST(ExemplesLivres, ChaqueExerciceSeResoutEtSeulementParSonImage)
{
    const QStringList chemins = exercicesLivres();
    ASSERT_GE(chemins.size(), 64);
    for (const QString& chemin : chemins) {
        SCOPED_TRACE(qPrintable(chemin));
        const ExerciceCharge e = charger(chemin);
        ASSERT_GE(e.reference.NbElements, 1);
        for (int i = 1; i <= e.reference.NbElements; ++i)
            EXPECT_TRUE(ElementASymetrique(e.grille, e.reference[i])) << "element " << i;
        EXPECT_TRUE(verifier(e, imageSans(e, 0))) << "exact image";
        EXPECT_FALSE(verifier(e, Figure{})) << "nothing drawn";
        for (int manquant = 1; manquant <= e.reference.NbElements; ++manquant)
            if (!imageDejaDansLaReference(e, manquant)) {
                EXPECT_FALSE(verifier(e, imageSans(e, manquant))) << "element " << manquant << " missing";
            }
    }
}

} // namespace
