// The four preference files. The first input byte picks the file, the rest is its
// content; after loading, every value the windows read from the records must be usable:
// settings in their ranges, and texts that fit their slots.

#include "SupportFuzz.h"

#include "EtatPartage.h"
#include "Preferences.h"

namespace {

void ControlerReglages()
{
    const EnregistrementReglages& r = Reglages;
    if (r.TailleJeu1 < 1 || r.TailleJeu1 > 4 || r.NbColoreesJeu1 < 1 || r.NbColoreesJeu1 > 4
        || r.BilanReussite > 1)
        Echec("loaded settings lie in their ranges");
    if (TextesCasesColorees(r.TailleJeu1).size() != 4 || LegendeTailleJeu1(r.TailleJeu1).isEmpty())
        Echec("the settings' captions exist");
}

void ControlerDossier(const EnregistrementDossier& dossier)
{
    if (dossier.octets.size() != EnregistrementDossier::Taille
        || dossier.dossier().size() > EnregistrementDossier::CapaciteDossier)
        Echec("a folder record keeps its size and its text fits");
}

void ControlerImages()
{
    if (ImagesChoisies.octets.size() != EnregistrementImages::Taille)
        Echec("the pictures record keeps its size");
    for (int slot = 0; slot < NbImages; ++slot)
        if (ImagesChoisies.image(slot).size() > EnregistrementImages::Capacite)
            Echec("a picture name fits its slot");
}

} // namespace

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
