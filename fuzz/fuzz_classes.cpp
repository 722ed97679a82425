// Class lists: any bytes read as at most 50 names, and the names read, written back,
// read again unchanged (but for letters Windows-1252 cannot hold, stored as '?').

#include "SupportFuzz.h"

#include "ControlesClasses.h"

namespace {

const QString FichierLu = QStringLiteral("lue.elv");
const QString FichierReecrit = QStringLiteral("reecrite.elv");

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    const DansDossierFuzz ici;
    PoserFichier(FichierLu, OctetsFuzz(donnees, taille));
    const LectureClasse lue = LireClasse(FichierLu);
    ControlerClasseLue(lue, taille);
    if (!EcrireClasse(FichierReecrit, lue.noms, lue.enregistrements))
        Echec("the names read can be written back");
    ControlerClasseRelue(lue, LireClasse(FichierReecrit));
    return 0;
}
