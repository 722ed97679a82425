#pragma once

// The rules of exercise 1 that need no window: the sizes, the texts of the count choice,
// the placing of the cells around the axis and the drawing of a game.

#include "Contexte.h"

#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QSize>

#include <array>

constexpr int NbCasesMax = 50;         // cells per side owned by the window
constexpr int NbCouleursPartie = 5;    // colours drawn for one game
constexpr int NbCasesColoreesMax = 24; // the most model cells of any size
constexpr int NbChoixJeu1 = 4;         // sizes 1..4 and count choices 1..4

struct DimensionsJeu1 {
    int LongueurJeu1 = 0;    // cells along the axis
    int ProfondeurJeu1 = 0;  // cells from the axis outward, on each side
    int NbCasesCote = 0;     // cells used on each side
    int NbCasesColorees = 0; // model cells of a game
};

// Only a damaged settings file gives a size or a count choice outside 1..4; both then
// fall back to the defaults 3 and 2 before anything is laid out.
void CorrigerReglagesJeu1(EnregistrementReglages& reglages);

// taille and choixColorees in 1..4.
DimensionsJeu1 DimensionsPour(int taille, int choixColorees);

// Colour numbers of TableCouleurs that have no pencil, so never serve for a model.
bool CouleurSansCrayon(int numero);

// Where everything goes for one game, in pixels; cells relative to PanelExercice,
// PanelExercice relative to PanelMilieu.
struct DispositionJeu1 {
    QRect panneau;
    QRect axe;
    std::array<QPoint, NbCasesMax + 1> G{}; // 1..nbCasesCote
    std::array<QPoint, NbCasesMax + 1> D{};
};

// caseTaille is G1's size (S x T); epaisseurAxe the width of AxeV or the height of AxeH.
DispositionJeu1 Disposer(const DimensionsJeu1& dim, bool axeVertical, QSize caseTaille,
                         int epaisseurAxe, int hauteurMilieu);

struct CaseModele {
    int numero = 0;  // 1..nbCasesCote
    int couleur = 0; // number in TableCouleurs
};

struct PartieJeu1 {
    bool axeVertical = true;
    bool modeleCoteG = true;
    std::array<int, NbCouleursPartie + 1> couleurs{}; // CouleursPartie, 1..5
    std::array<CaseModele, NbCasesColoreesMax + 1> modele{}; // 1..nbModele, in drawing order
    int nbModele = 0;
};

// Draws the orientation, the five colours and the model cells, in that order.
PartieJeu1 TirerPartie(const DimensionsJeu1& dim, QRandomGenerator& hasard);
