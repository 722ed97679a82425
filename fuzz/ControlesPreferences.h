#pragma once

// What the windows need of the loaded preference records, checked after every input by
// both preference targets.

#include "Contexte.h"
#include "Preferences.h"
#include "SupportFuzz.h"

inline void ControlerReglages(const EnregistrementReglages& r)
{
    if (r.TailleJeu1 < 1 || r.TailleJeu1 > 4 || r.NbColoreesJeu1 < 1 || r.NbColoreesJeu1 > 4
        || r.BilanReussite > 1)
        Echec("loaded settings lie in their ranges");
    if (TextesCasesColorees(r.TailleJeu1).size() != 4 || LegendeTailleJeu1(r.TailleJeu1).isEmpty())
        Echec("the settings' captions exist");
}

inline void ControlerDossier(const EnregistrementDossier& dossier)
{
    if (dossier.octets.size() != EnregistrementDossier::Taille
        || dossier.dossier().size() > EnregistrementDossier::CapaciteDossier)
        Echec("a folder record keeps its size and its text fits");
}

inline void ControlerImages(const EnregistrementImages& images)
{
    if (images.octets.size() != EnregistrementImages::Taille)
        Echec("the pictures record keeps its size");
    for (int slot = 0; slot < NbImages; ++slot)
        if (images.image(slot).size() > EnregistrementImages::Capacite)
            Echec("a picture name fits its slot");
}
