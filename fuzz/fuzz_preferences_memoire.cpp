// The preference records straight from memory (the two folder files share one reader).
// The first input byte picks the record, the rest is the file's content; every value the windows read from the records
// must then be usable, as in the road target.

#include "SupportFuzz.h"

#include "Enregistrements.h"
#include "Contexte.h"
#include "Preferences.h"

#include "ControlesPreferences.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzzMemoire();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    if (taille == 0)
        return 0;
    const QByteArray contenu = OctetsFuzz(donnees + 1, taille - 1);
    switch (donnees[0] % 3) {
    case 0:
        ControlerReglages(ReglagesLus(premierEnregistrement(contenu, TailleFichierReglages)));
        break;
    case 1:
        ControlerImages(ImagesLues(premierEnregistrement(contenu, EnregistrementImages::Taille)));
        break;
    case 2:
    default:
        ControlerDossier(DossierLu(premierEnregistrement(contenu, EnregistrementDossier::Taille),
                                   QStringLiteral("/ecole/orvane")));
    }
    return 0;
}
