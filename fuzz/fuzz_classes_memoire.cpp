// Class lists straight from memory: any bytes read as at most 50 names of at most 255
// characters, and the names written back read again unchanged.

#include "SupportFuzz.h"

#include "Classes.h"

#include <QBuffer>

namespace {

LectureClasse Lire(QByteArray octets)
{
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    return LireClasse(tampon);
}

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
    PreparerFuzzMemoire();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    const LectureClasse lue = Lire(OctetsFuzz(donnees, taille));
    if (!lue.erreur.isEmpty() || lue.noms.size() > NbMaxEleves)
        Echec("any bytes give at most 50 names");
    if (lue.complete != (qsizetype(taille) < qsizetype(NbMaxEleves + 1) * TailleEnregistrementEleve))
        Echec("a class is incomplete exactly when it holds more than 50 records");
    for (const QString& nom : lue.noms)
        if (nom.size() > LongueurMaxNom)
            Echec("a name fits its record");
    const LectureClasse relue = Lire(ContenuClasse(lue.noms));
    if (TousRepresentables(lue.noms) && relue.noms != lue.noms)
        Echec("the names written read back unchanged");
    return 0;
}
