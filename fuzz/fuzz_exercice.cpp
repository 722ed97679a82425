// Exercise files through the reader the player, the editor and the chooser share, then
// along each window's own road: refusal, conversion to its cell size, drawing, and for
// the player the marks, the redraw and the check of a pupil who drew the mirror figure.
// Whatever is accepted is written back and must read again as the same grid and
// elements.

#include "SupportFuzz.h"

#include "Dessin.h"
#include "FichierExercice.h"
#include "Symetrie.h"

#include <QBuffer>

namespace {

// The reference panels of the windows at their 800 x 600 design, and their pictures (the
// editor's are the player's).
constexpr int LargeurEtalonJoueur = 500;
constexpr int CoteImageJoueur = 1000;
constexpr int PlaceJoueur = 255;
constexpr int PlaceEleve = 100;
constexpr int PlaceEditeur = 200;
constexpr int LargeurEtalonApercu = 250;
constexpr int HauteurMaxApercu = 4 * LargeurEtalonApercu;

int NumeroDe(const ExerciceLu& exercice)
{
    const int numero = exercice.EnteteExercice - 200;
    return numero >= 2 && numero <= 5 ? numero : 2;
}

bool GrilleTient(const Quadrillage& grille, int largeurEtalon, int hauteur)
{
    const int c = CalculerTailleCase(largeurEtalon, grille.NbColonnes);
    return c > 0 && grille.NbLignes > 0 && grille.NbLignes <= (hauteur - 4) / c;
}

Figure Reflet(const Quadrillage& grille, const Figure& reference)
{
    Figure reflet;
    for (int i = 1; i <= reference.NbElements; ++i) {
        ElementFigure e = reference[i];
        const QPoint p1 = ImageMiroir(grille, {e.X1, e.Y1});
        const QPoint p2 = ImageMiroir(grille, {e.X2, e.Y2});
        e = ElementDepuisPixels(e.GenreElement, p1.x(), p1.y(), p2.x(), p2.y(), e.Couleur,
                                grille.TailleCase);
        if (!reflet.Ajouter(e, PlaceEleve))
            break;
    }
    return reflet;
}

QSize TailleCadre(const Quadrillage& grille)
{
    return {grille.TailleCase * grille.NbColonnes + 4, grille.TailleCase * grille.NbLignes + 4};
}

// The refusals of the player and the editor, then the conversion to their cell size.
bool Accepter(ExerciceLu& exercice, int place)
{
    if (!MotifRefus(exercice, place, LargeurEtalonJoueur).isEmpty()
        || !GrilleTient(exercice.Grille, LargeurEtalonJoueur, CoteImageJoueur))
        return false;
    ConvertirPourTailleCase(exercice,
                            CalculerTailleCase(LargeurEtalonJoueur, exercice.Grille.NbColonnes));
    return true;
}

void Jouer(ExerciceLu exercice)
{
    if (!Accepter(exercice, PlaceJoueur))
        return;
    const Quadrillage& grille = exercice.Grille;
    const Figure& reference = exercice.Elements;
    // The player's picture is 1000 x 1000, but only a painted area's fill reaches beyond
    // the grid's frame: a picture cut to the frame keeps every rule and makes the fills,
    // thus the runs, several times cheaper.
    const QSize taille = TailleCadre(grille);
    QImage image = NouvelleImage(taille.width(), taille.height());
    MasqueReference masque(taille.width(), taille.height());
    DessinerQuadrillage(image, grille, NumeroDe(exercice), Rendu::Joueur);
    for (int i = 1; i <= reference.NbElements; ++i) {
        DessinerElement(image, reference[i], Rendu::Joueur, grille.EpaisseurTrait);
        MarquerElement(masque, reference[i]);
    }
    const int axeInitial = CompterPointsAxeCouverts(grille, image);
    const Figure eleve = Reflet(grille, reference);
    RedessinerTout(image, grille, NumeroDe(exercice), reference, eleve);
    VerifierSymetrie(grille, image, masque, reference, eleve, axeInitial);
}

void Previsualiser(ExerciceLu exercice)
{
    const Quadrillage& grille = exercice.Grille;
    const int c = CalculerTailleCase(LargeurEtalonApercu, grille.NbColonnes);
    if (c <= 0 || grille.NbLignes <= 0 || qint64(c) * grille.NbLignes > HauteurMaxApercu)
        return;
    ConvertirPourTailleCase(exercice, c);
    const QSize taille = TailleCadre(exercice.Grille);
    QImage image = NouvelleImage(taille.width(), taille.height());
    DessinerQuadrillage(image, exercice.Grille, NumeroDe(exercice), Rendu::Apercu);
    DessinerFigure(image, exercice.Elements, Rendu::Apercu, 2);
}

void RelireCommeEcrit(const Quadrillage& grille, const Figure& figure, int numero)
{
    ParametresEcriture parametres;
    parametres.NumeroExercice = numero;
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!EcrireExercice(&tampon, grille, figure, parametres))
        Echec("an opened exercise can be saved again");
    tampon.close();
    tampon.open(QIODevice::ReadOnly);
    const ResultatLecture relu = LireExercice(&tampon);
    const Quadrillage& g = relu.Exercice.Grille;
    if (!relu.Reussi || g.TypeAxe != grille.TypeAxe || g.NbColonnes != grille.NbColonnes
        || g.NbLignes != grille.NbLignes || g.DecalageAxe != grille.DecalageAxe
        || g.Reserve != grille.Reserve)
        Echec("a saved grid reads back unchanged");
    if (relu.Exercice.Elements.NbElements != figure.NbElements)
        Echec("every saved element reads back");
}

void Editer(ExerciceLu exercice)
{
    if (!Accepter(exercice, PlaceEditeur))
        return;
    Figure& figure = exercice.Elements;
    figure.ViderAuDela(PlaceEditeur);
    const QSize taille = TailleCadre(exercice.Grille);
    QImage image = NouvelleImage(taille.width(), taille.height());
    DessinerQuadrillage(image, exercice.Grille, NumeroDe(exercice), Rendu::Editeur);
    DessinerFigure(image, figure, Rendu::Editeur, exercice.Grille.EpaisseurTrait);
    for (int i = 1; i <= figure.NbElements; ++i)
        ElementASymetrique(exercice.Grille, figure[i]);
    RelireCommeEcrit(exercice.Grille, figure, NumeroDe(exercice));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    QByteArray octets = OctetsFuzz(donnees, taille);
    QBuffer fichier(&octets);
    fichier.open(QIODevice::ReadOnly);
    const ResultatLecture lu = LireExercice(&fichier);
    if (!lu.Reussi)
        return 0;
    Jouer(lu.Exercice);
    Previsualiser(lu.Exercice);
    Editer(lu.Exercice);
    return 0;
}
