// Class lists straight from memory: any bytes read as at most 50 names of at most 255
// characters, and the names written back read again unchanged.

#include "SupportFuzz.h"

#include "ControlesClasses.h"

#include <QBuffer>

namespace {

LectureClasse Lire(QByteArray octets)
{
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    return LireClasse(tampon);
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
    ControlerClasseLue(lue, taille);
    ControlerClasseRelue(lue, Lire(ContenuClasse(lue.noms, lue.enregistrements)));
    return 0;
}
