// A class's path file straight from memory to its reader: a refused file gives its reason,
// a path read has at most its steps, each readable step is one the program can play, and
// the path written back reads the same.

#include "SupportFuzz.h"

#include "Niveaux.h"
#include "ParcoursClasse.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzzMemoire();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    const LectureParcours lecture = LireParcours(OctetsFuzz(donnees, taille));
    if (lecture.parcours.has_value() == !lecture.erreur.isEmpty())
        Echec("a file is a path or is refused with its reason");
    if (!lecture.parcours)
        return 0;
    const ParcoursClasse& parcours = *lecture.parcours;
    if (parcours.etapes.size() > ParcoursClasse::EtapesMax)
        Echec("a path has at most its steps");
    for (const EtapeParcours& e : parcours.etapes) {
        if (!e.lisible())
            continue;
        const bool niveau = e.genre == GenreEtape::Niveau;
        if (e.type < 2 || e.type > 5 || e.reussites < (niveau ? 1 : 0) || e.reussites > ParcoursClasse::ReussitesMax
            || (niveau ? !NiveauDe(e.type, e.niveau) : e.serie.isEmpty() || e.serie.contains(u'/')))
            Echec("a step read is one the program can play");
    }
    const LectureParcours relue = LireParcours(ContenuParcours(parcours, QStringLiteral("CM1")));
    if (relue.parcours != lecture.parcours)
        Echec("the path written back reads the same");
    return 0;
}
