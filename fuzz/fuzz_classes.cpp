// Class lists: any bytes read as at most 50 names, and the names read, written back,
// read again unchanged (but for letters Windows-1252 cannot hold, stored as '?').

#include "SupportFuzz.h"

#include "Classes.h"

namespace {

const QString FichierLu = QStringLiteral("lue.elv");
const QString FichierReecrit = QStringLiteral("reecrite.elv");

bool TousRepresentables(const QStringList& noms)
{
    for (const QString& nom : noms)
        if (nom.contains(QChar(QChar::ReplacementCharacter)))
            return false;
    return true;
}

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
    if (!lue.erreur.isEmpty() || lue.noms.size() > NbMaxEleves)
        Echec("a readable class file gives at most 50 names");
    if (lue.complete != (qsizetype(taille) < qsizetype(NbMaxEleves + 1) * TailleEnregistrementEleve))
        Echec("a class is incomplete exactly when the file holds more than 50 records");
    for (const QString& nom : lue.noms)
        if (nom.size() > LongueurMaxNom)
            Echec("a name fits its record");
    if (!EcrireClasse(FichierReecrit, lue.noms, lue.enregistrements))
        Echec("the names read can be written back");
    const LectureClasse relue = LireClasse(FichierReecrit);
    if (TousRepresentables(lue.noms) && relue.noms != lue.noms)
        Echec("the names written read back unchanged");
    return 0;
}
