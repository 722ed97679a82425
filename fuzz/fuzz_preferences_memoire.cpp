// The four preference records straight from memory. The first input byte picks the
// record, the rest is the file's content; every value the windows read from the records
// must then be usable, as in the road target.

#include "SupportFuzz.h"

#include "Enregistrements.h"
#include "EtatPartage.h"
#include "Preferences.h"

#include "ControlesPreferences.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzzMemoire();
    InitialiserDefauts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    if (taille == 0)
        return 0;
    const QByteArray contenu = OctetsFuzz(donnees + 1, taille - 1);
    switch (donnees[0] % 4) {
    case 0:
        ChargerReglages(premierEnregistrement(contenu, TailleFichierReglages));
        ControlerReglages();
        break;
    case 1:
        ChargerImages(premierEnregistrement(contenu, EnregistrementImages::Taille));
        ControlerImages();
        break;
    case 2:
        ChargerDossier(premierEnregistrement(contenu, EnregistrementDossier::Taille), DossierBilans);
        ControlerDossier(DossierBilans);
        break;
    default:
        ChargerDossier(premierEnregistrement(contenu, EnregistrementDossier::Taille),
                       DossierExercices);
        ControlerDossier(DossierExercices);
    }
    return 0;
}
