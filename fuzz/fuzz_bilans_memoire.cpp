// Results files straight from memory to the line reader and the records compared, then
// a success recorded and read again, all without a file or a folder.

#include "SupportFuzz.h"

#include "Bilans.h"
#include "Contexte.h"
#include "Rtf.h"
#include "TF_Edit3.h"

namespace {
const QString Ligne = QStringLiteral("Série 1\\Ex05");
constexpr int NbLignesComparees = 1001;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzzMemoire();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    // The line buffer is what the reader and the recording of a success both read.
    TamponLignes tampon;
    tampon.lire(OctetsFuzz(donnees, taille));
    const QStringList lus = LignesComparees(tampon);
    if (lus.size() > NbLignesComparees)
        Echec("the records compared are the first ones only");
    for (const QString& ligne : lus)
        if (ligne.size() > 255)
            Echec("a records line is cut to its length");
    const bool dejaReussi = ExerciceReussi(lus, Ligne);

    // What recording a success writes, read back: every line kept, the success added once.
    QStringList gardees = tampon.lignes();
    if (!gardees.contains(Ligne))
        gardees.append(Ligne);
    TamponLignes relu;
    relu.lire(documentRtf(gardees));
    if (relu.lignes() != gardees)
        Echec("lines written read back unchanged");
    const QStringList relus = LignesComparees(relu);
    if (gardees.indexOf(Ligne) < NbLignesComparees && !ExerciceReussi(relus, Ligne))
        Echec("a recorded success is read back");
    if (dejaReussi && !ExerciceReussi(relus, Ligne))
        Echec("a success read stays read");
    return 0;
}
