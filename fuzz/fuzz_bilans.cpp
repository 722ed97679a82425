// Results files through the line reader (rich text or plain text), then along the
// program's own road: the chooser reads the pupil's file, a success is recorded into it,
// and nothing that was read may be lost on the way.

#include "SupportFuzz.h"

#include "Bilans.h"
#include "Enregistrements.h"
#include "Contexte.h"
#include "Rtf.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets = OctetsFuzz(donnees, taille);
    const QStringList lignes = lignesDocument(octets);
    if (lignes.isEmpty())
        Echec("a document has at least one line");
    // Writing adds a paragraph mark after every line, which reads as a last empty line.
    if (lignesDocument(documentRtf(lignes)) != lignes + QStringList{QString()})
        Echec("lines written read back unchanged");

    const DansDossierFuzz ici;
    const QString eleve = QStringLiteral("Léa");
    const QString classe = QStringLiteral("CM1");
    const QString chemin = CheminBilan(DossierFuzz(), eleve, classe);
    PoserFichier(NomFichierBilan(eleve, classe), octets);
    const QString ligneBilan = QStringLiteral("Série 1\\Ex05");
    const bool dejaReussi = ExerciceReussi(LireBilan(chemin), ligneBilan);
    EnregistrerReussite(DossierFuzz(), eleve, classe, ligneBilan);
    const QStringList apres = lignesDocument(*lireFichier(chemin));
    if (apres.mid(0, lignes.size() - 1) != lignes.mid(0, lignes.size() - 1))
        Echec("recording a success keeps every earlier line");
    if (!apres.contains(ligneBilan))
        Echec("a recorded success is in the file");
    if (dejaReussi && apres.size() != lignes.size())
        Echec("a success already there is not recorded twice");
    return 0;
}
