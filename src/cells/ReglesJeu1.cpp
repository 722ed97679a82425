#include "ReglesJeu1.h"

#include "Preferences.h"

#include <algorithm>

namespace {

struct LigneTaille {
    int longueur;
    int profondeur;
};

const std::array<LigneTaille, NbChoixJeu1> TableTailles = {{{5, 3}, {6, 4}, {7, 5}, {8, 6}}};

constexpr EnregistrementReglages ReglagesParDefaut{};

bool dansChoix(int valeur)
{
    return valeur >= 1 && valeur <= NbChoixJeu1;
}

// A random integer 1..borne.
int tirer(QRandomGenerator& hasard, int borne)
{
    return static_cast<int>(hasard.bounded(std::max(borne, 1))) + 1;
}

// PanelExercice's left for each side count, so that every size sits well on PanelMilieu.
int gaucheDuPanneau(int nbCasesCote, bool axeVertical, int s)
{
    switch (nbCasesCote) {
    case 15:
        return axeVertical ? (5 * s) / 2 : 4 * s;
    case 24:
        return axeVertical ? 2 * s : (7 * s) / 2;
    case 35:
        return axeVertical ? (3 * s) / 2 : 3 * s;
    default:
        return axeVertical ? s / 2 : (5 * s) / 2;
    }
}

std::array<int, NbCouleursPartie + 1> tirerCouleurs(QRandomGenerator& hasard)
{
    std::array<bool, 17> prise{};
    prise[3] = prise[6] = prise[13] = prise[14] = true;
    std::array<int, NbCouleursPartie + 1> couleurs{};
    for (int i = 1; i <= NbCouleursPartie; ++i) {
        int n = tirer(hasard, 15); // silver, number 16, never comes
        while (prise[n])
            n = tirer(hasard, 15);
        prise[n] = true;
        couleurs[i] = n;
    }
    return couleurs;
}

} // namespace

void CorrigerReglagesJeu1(EnregistrementReglages& reglages)
{
    if (!dansChoix(reglages.TailleJeu1))
        reglages.TailleJeu1 = ReglagesParDefaut.TailleJeu1;
    if (!dansChoix(reglages.NbColoreesJeu1))
        reglages.NbColoreesJeu1 = ReglagesParDefaut.NbColoreesJeu1;
}

DimensionsJeu1 DimensionsPour(int taille, int choixColorees)
{
    const LigneTaille& ligne = TableTailles[taille - 1];
    return {ligne.longueur, ligne.profondeur, ligne.longueur * ligne.profondeur,
            NombresCasesColorees(taille)[choixColorees - 1]};
}

bool CouleurSansCrayon(int numero)
{
    return numero == 3 || numero == 6 || numero == 13 || numero == 14;
}

DispositionJeu1 Disposer(const DimensionsJeu1& dim, bool axeVertical, QSize caseTaille,
                         int epaisseurAxe, int hauteurMilieu)
{
    const int s = caseTaille.width();
    const int t = caseTaille.height();
    const int p = dim.ProfondeurJeu1;
    DispositionJeu1 d;
    QSize taillePanneau = axeVertical ? QSize(s / 5 + s * p * 2, t / 5 + t * dim.LongueurJeu1)
                                      : QSize(s / 5 + s * dim.LongueurJeu1, t / 5 + t * p * 2);
    for (int k = 1; k <= dim.NbCasesCote; ++k) {
        const int r = (k - 1) / p; // along the axis
        const int c = (k - 1) % p; // away from the axis, 0 touching it
        if (axeVertical) {
            d.G[k] = QPoint(s / 10 + (p - 1 - c) * s, t / 10 + r * t);
            d.D[k] = QPoint(s / 10 + (p + c) * s, t / 10 + r * t);
        } else {
            d.G[k] = QPoint(s / 10 + r * s, t / 10 + (p - 1 - c) * t);
            d.D[k] = QPoint(s / 10 + r * s, t / 10 + (p + c) * t);
        }
    }
    d.axe = axeVertical
        ? QRect((taillePanneau.width() - epaisseurAxe) / 2, 0, epaisseurAxe, taillePanneau.height())
        : QRect(0, (taillePanneau.height() - epaisseurAxe) / 2, taillePanneau.width(), epaisseurAxe);
    d.panneau = QRect(QPoint(gaucheDuPanneau(dim.NbCasesCote, axeVertical, s),
                             (hauteurMilieu - taillePanneau.height()) / 2),
                      taillePanneau);
    return d;
}

PartieJeu1 TirerPartie(const DimensionsJeu1& dim, QRandomGenerator& hasard)
{
    PartieJeu1 partie;
    const int v = tirer(hasard, 4);
    partie.axeVertical = v <= 2;
    partie.modeleCoteG = v % 2 == 1;
    partie.couleurs = tirerCouleurs(hasard);
    std::array<bool, NbCasesMax + 1> utilisee{};
    for (int i = 1; i <= dim.NbCasesColorees; ++i) {
        int k = tirer(hasard, dim.NbCasesCote);
        while (utilisee[k])
            k = tirer(hasard, dim.NbCasesCote);
        utilisee[k] = true;
        partie.modele[i] = {k, partie.couleurs[tirer(hasard, NbCouleursPartie)]};
    }
    partie.nbModele = dim.NbCasesColorees;
    return partie;
}
