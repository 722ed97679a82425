// The four preference files. The first input byte picks the file, the rest is its
// content; after loading, every value the windows read from the records must be usable:
// settings in their ranges, and texts that fit their slots.

#include "SupportFuzz.h"

#include "EtatPartage.h"
#include "Preferences.h"

#include "ControlesPreferences.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzz();
    InitialiserDefauts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    if (taille == 0)
        return 0;
    const DansDossierFuzz ici;
    const QByteArray contenu = OctetsFuzz(donnees + 1, taille - 1);
    switch (donnees[0] % 4) {
    case 0:
        PoserFichier(FichierReglages, contenu);
        ChargerFichierReglages();
        ControlerReglages();
        break;
    case 1:
        PoserFichier(FichierImages, contenu);
        ChargerFichierImages();
        ControlerImages();
        break;
    case 2:
        PoserFichier(FichierDossierBilans, contenu);
        ChargerFichierDossier(FichierDossierBilans, DossierBilans);
        ControlerDossier(DossierBilans);
        break;
    default:
        PoserFichier(FichierDossierExercices, contenu);
        ChargerFichierDossier(FichierDossierExercices, DossierExercices);
        ControlerDossier(DossierExercices);
    }
    return 0;
}
