// Results files straight from memory to the line reader and into the results table, then
// a success recorded and read again, all without a file or a folder.

#include "SupportFuzz.h"

#include "Bilans.h"
#include "EtatPartage.h"
#include "Rtf.h"
#include "TF_Edit3.h"

namespace {
const QString Ligne = QStringLiteral("Série 1\\Ex05");
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzzMemoire();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    LireBilan(OctetsFuzz(donnees, taille));
    if (NbLignesBilan < 0 || NbLignesBilan >= TailleTableBilan)
        Echec("the results table holds what was read");
    for (int i = 0; i <= NbLignesBilan; ++i)
        if (TableBilan[i].size() > 255)
            Echec("a results line fits its entry");
    const bool dejaReussi = ExerciceReussi(Ligne);

    // What recording a success writes, read back: every line kept, the success added once.
    // Writing adds a paragraph mark after every line, which reads as a last empty line.
    QStringList gardees;
    const TamponLignes& tampon = RichEdit1();
    for (int i = 0; i < tampon.nombreLignes(); ++i)
        gardees.append(tampon.ligne(i));
    if (!gardees.contains(Ligne))
        gardees.append(Ligne);
    const QByteArray ecrit = documentRtf(gardees);
    if (lignesDocument(ecrit) != gardees + QStringList{QString()})
        Echec("lines written read back unchanged");
    LireBilan(ecrit);
    // The table keeps the first 1000 lines only.
    if (gardees.indexOf(Ligne) < TailleTableBilan - 1 && !ExerciceReussi(Ligne))
        Echec("a recorded success is read back");
    if (dejaReussi && !ExerciceReussi(Ligne))
        Echec("a success read stays read");
    return 0;
}
