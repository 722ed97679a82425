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
    const QByteArray octets = OctetsFuzz(donnees, taille);
    const QStringList lus = LireBilan(octets);
    if (lus.size() > NbLignesComparees)
        Echec("the records compared are the first ones only");
    for (const QString& ligne : lus)
        if (ligne.size() > 255)
            Echec("a records line is cut to its length");
    const bool dejaReussi = ExerciceReussi(lus, Ligne);

    // What recording a success writes, read back: every line kept, the success added once.
    // Writing adds a paragraph mark after every line, which reads as a last empty line.
    TamponLignes tampon;
    tampon.lire(octets);
    QStringList gardees;
    for (int i = 0; i < tampon.nombreLignes(); ++i)
        gardees.append(tampon.ligne(i));
    if (!gardees.contains(Ligne))
        gardees.append(Ligne);
    const QByteArray ecrit = documentRtf(gardees);
    if (lignesDocument(ecrit) != gardees + QStringList{QString()})
        Echec("lines written read back unchanged");
    const QStringList relus = LireBilan(ecrit);
    if (gardees.indexOf(Ligne) < NbLignesComparees && !ExerciceReussi(relus, Ligne))
        Echec("a recorded success is read back");
    if (dejaReussi && !ExerciceReussi(relus, Ligne))
        Echec("a success read stays read");
    return 0;
}
