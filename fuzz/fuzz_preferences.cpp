// The four preference files. The first input byte picks the file, the rest is its
// content; after loading, every value the windows read from the records must be usable:
// settings in their ranges, and texts that fit their slots.

#include "SupportFuzz.h"

#include "Contexte.h"
#include "Preferences.h"

#include "ControlesPreferences.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    if (taille == 0)
        return 0;
    const DansDossierFuzz ici;
    Contexte contexte(DossierFuzz());
    const QByteArray contenu = OctetsFuzz(donnees + 1, taille - 1);
    switch (donnees[0] % 4) {
    case 0:
        PoserFichier(FichierReglages, contenu);
        ChargerFichierReglages(contexte);
        ControlerReglages(contexte.reglages);
        break;
    case 1:
        PoserFichier(FichierImages, contenu);
        ChargerFichierImages(contexte);
        ControlerImages(contexte.imagesChoisies);
        break;
    case 2:
        PoserFichier(FichierDossierBilans, contenu);
        ChargerFichierDossier(contexte, FichierDossierBilans, contexte.dossierBilans);
        ControlerDossier(contexte.dossierBilans);
        break;
    default:
        PoserFichier(FichierDossierExercices, contenu);
        ChargerFichierDossier(contexte, FichierDossierExercices, contexte.dossierExercices);
        ControlerDossier(contexte.dossierExercices);
    }
    return 0;
}
