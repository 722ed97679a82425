#include "Quadrillage.h"


int CalculerTailleCase(int largeurEtalon, int nbColonnes)
{
    if (nbColonnes <= 0 || largeurEtalon <= 0)
        return 0;
    const int taille = largeurEtalon / nbColonnes;
    return taille % 2 == 0 ? taille : taille - 1;
}

int AccrocherAuNoeud(int v, int nbCases, int tailleCase)
{
    if (tailleCase <= 0)
        return 0;
    int k = v / tailleCase;
    if (k < 0)
        k = 0;
    if (k > nbCases)
        k = nbCases;
    if (v % tailleCase > tailleCase / 2 && k < nbCases)
        ++k;
    return k;
}
