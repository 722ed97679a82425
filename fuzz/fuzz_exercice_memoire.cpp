// Exercise files straight from memory to the reader, with none of the drawing the road
// target does: whatever a window would accept is written back and must read again as
// the same grid and elements. Many times faster, so a run goes deep.

#include "SupportFuzz.h"

#include "Dessin.h"
#include "FichierExercice.h"

#include <QBuffer>

namespace {

constexpr int LargeurEtalon = 500; // the player's and the editor's drawing area
constexpr int PlaceEditeur = 200;  // the smallest room of a reader that writes back

ResultatLecture Lire(QByteArray octets)
{
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    return LireExercice(&tampon);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzzMemoire();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    ResultatLecture lu = Lire(OctetsFuzz(donnees, taille));
    if (!lu.Reussi)
        return 0;
    ExerciceLu& exercice = lu.Exercice;
    if (exercice.Elements.NbElements > exercice.NbEnregistrements)
        Echec("no more elements than whole records");
    if (!MotifRefus(exercice, PlaceEditeur, LargeurEtalon).isEmpty())
        return 0;
    ConvertirPourTailleCase(exercice,
                            CalculerTailleCase(LargeurEtalon, exercice.Grille.NbColonnes));
    ParametresEcriture parametres;
    const int numero = exercice.EnteteExercice - 200;
    parametres.NumeroExercice = numero >= 2 && numero <= 5 ? numero : 2;
    const ResultatLecture relu
        = Lire(ContenuExercice(exercice.Grille, exercice.Elements, parametres));
    const Quadrillage& g = relu.Exercice.Grille;
    const Quadrillage& grille = exercice.Grille;
    if (!relu.Reussi || g.TypeAxe != grille.TypeAxe || g.NbColonnes != grille.NbColonnes
        || g.NbLignes != grille.NbLignes || g.DecalageAxe != grille.DecalageAxe
        || g.Reserve != grille.Reserve)
        Echec("a saved grid reads back unchanged");
    if (relu.Exercice.Elements.NbElements != exercice.Elements.NbElements)
        Echec("every saved element reads back");
    return 0;
}
