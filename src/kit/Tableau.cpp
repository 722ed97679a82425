#include "Tableau.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {
const char* const ProprieteTableau = "orvaneModeTableau";
} // namespace

int HauteurMinimaleTableau(int lignesEcran)
{
    return int(std::ceil(CibleTactileMm * lignesEcran / HauteurTableauMm));
}

void FixerModeTableau(QWidget* fenetre, bool actif)
{
    fenetre->window()->setProperty(ProprieteTableau, actif);
}

bool EnModeTableau(const QWidget* widget)
{
    return widget->window()->property(ProprieteTableau).toBool();
}

int CibleMinimaleEcran(const QWidget* widget)
{
    const QScreen* ecran = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return 0;
    const double rapport = ecran->devicePixelRatio();
    const int lignes = int(std::lround(ecran->geometry().height() * rapport));
    return int(std::ceil(HauteurMinimaleTableau(lignes) / rapport));
}

int CibleMinimale(const QWidget* widget)
{
    return EnModeTableau(widget) ? CibleMinimaleEcran(widget) : 0;
}
