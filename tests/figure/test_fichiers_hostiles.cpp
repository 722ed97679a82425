// Exercise files that no editor writes but a damaged disk or a hand-made file may hold.
// The player's road through them (draw, mark, check) must end quickly with a plain
// answer, whatever the words say.

#include "Dessin.h"
#include "FichierExercice.h"
#include "Symetrie.h"

#include <QBuffer>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

constexpr int Cote = 1000;
constexpr int LimiteMs = 3000; // the full walk took minutes

// Reads the words as the player does and checks a pupil who drew nothing; returns the
// answer and the time the check took.
std::pair<bool, qint64> VerifierFichier(const QByteArray& octets)
{
    QByteArray copie = octets;
    QBuffer tampon(&copie);
    tampon.open(QIODevice::ReadOnly);
    ResultatLecture lu = LireExercice(&tampon);
    EXPECT_TRUE(lu.Reussi);
    ExerciceLu& exercice = lu.Exercice;
    ConvertirPourTailleCase(exercice, CalculerTailleCase(500, exercice.Grille.NbColonnes));
    QImage image = NouvelleImage(Cote, Cote);
    MasqueReference masque(Cote, Cote);
    DessinerQuadrillage(image, exercice.Grille, 4, Rendu::Joueur);
    for (int i = 1; i <= exercice.Elements.NbElements; ++i) {
        DessinerElement(image, exercice.Elements[i], Rendu::Joueur);
        MarquerElement(masque, exercice.Elements[i]);
    }
    const int axe = CompterPointsAxeCouverts(exercice.Grille, image);
    QElapsedTimer chrono;
    chrono.start();
    const bool juste = VerifierSymetrie(exercice.Grille, image, masque, exercice.Elements,
                                        Figure{}, axe);
    return {juste, chrono.elapsed()};
}

QByteArray Mots(std::initializer_list<qint32> mots)
{
    QByteArray octets;
    for (qint32 mot : mots)
        for (int i = 0; i < 4; ++i)
            octets.append(char((quint32(mot) >> (8 * i)) & 0xFF));
    return octets;
}

// An axis shifted 41 million cells away and a segment running from the picture toward
// -2^30: the box holding the picture and its mirror spans the whole shift.
TEST(FichiersHostiles, UnAxeDecaleTresLoinSeVerifieSansParcourirLeDecalage)
{
    const QByteArray fichier = Mots({202, Code(AxeVertical), 1, 20, 24, 24, -41'000'000, 0, 0, 0, 0, 0,
                                     0, 0, 0, Code(GenreTrait), 1, 1, -1077952577, -1077952577, 0});
    const auto [juste, ms] = VerifierFichier(fichier);
    EXPECT_FALSE(juste) << "the segment's mirror lies off the picture, so it cannot match";
    EXPECT_LT(ms, LimiteMs);
}

// The same shift with the figure's mirror inside the picture is still compared: a point
// far away mirrors onto the picture's black grid.
TEST(FichiersHostiles, UnPointLointainQuiSeReflechitDansLImageEstCompare)
{
    // Axis at column 12 + 25 = 37 (740 pixels): column 60 (1200 pixels, off the picture)
    // mirrors onto column 14 (280 pixels), a grid line, black.
    const QByteArray fichier = Mots({204, Code(AxeVertical), 1, 20, 24, 24, 25, 0, 0, 0, 0, 0, 0, 0, 0,
                                     Code(GenreTrait), 60, 2, 60, 8, 0});
    const auto [juste, ms] = VerifierFichier(fichier);
    EXPECT_FALSE(juste);
    EXPECT_LT(ms, LimiteMs);
}

} // namespace
