// A file a teacher imports, straight from memory: any bytes give a clear refusal or a
// preview whose every name a class list can hold, and no class of more than 50 pupils to
// write.

#include "SupportFuzz.h"

#include "Classes.h"
#include "Enregistrements.h"
#include "ImportClasses.h"

#include <optional>

namespace {

bool tientDansUneListe(const QString& nom)
{
    if (nom.isEmpty() || nom.size() > LongueurMaxNomImporte)
        return false;
    for (QChar c : nom)
        if (octetWindows1252(c.unicode()) < 0)
            return false;
    return true;
}

void controler(const ApercuImport& apercu)
{
    for (const ClasseApercu& c : apercu.classes) {
        if (c.refus.isEmpty() && (c.eleves.size() > NbMaxEleves || c.nom.isEmpty()))
            Echec("a class written has a name and at most 50 pupils");
        if (c.nom.size() > LongueurMaxClasseImportee || c.nom.contains(u'/') || c.nom.startsWith(u'.'))
            Echec("a class name makes a file name");
        for (const QString& nom : c.importes)
            if (!tientDansUneListe(nom))
                Echec("every name fits a class list's entry");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzzMemoire();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    const LectureImport lecture = LireImport(OctetsFuzz(donnees, taille), QStringLiteral("eleves.csv"));
    if (!lecture.erreur.isEmpty()) {
        if (!lecture.classes.isEmpty())
            Echec("a refused file gives no class");
        return 0;
    }
    const auto aucune = [](const QString&) -> std::optional<QStringList> { return std::nullopt; };
    for (PresentationNoms presentation : {PresentationNoms::Prenom, PresentationNoms::PrenomEtNom})
        controler(ConstruireApercu(lecture, presentation, ModeExistantes::Ajouter, QStringLiteral("CM1"), aucune));
    return 0;
}
