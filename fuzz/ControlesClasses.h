#pragma once

// What both class-list targets check of a class read from any bytes, and of the same
// names read again once written back.

#include "Classes.h"
#include "SupportFuzz.h"

inline void ControlerClasseLue(const LectureClasse& lue, std::size_t taille)
{
    if (!lue.erreur.isEmpty() || lue.noms.size() > NbMaxEleves)
        Echec("any bytes give at most 50 names");
    if (lue.complete != (qsizetype(taille) < qsizetype(NbMaxEleves + 1) * TailleEnregistrementEleve))
        Echec("a class is incomplete exactly when it holds more than 50 records");
    for (const QString& nom : lue.noms)
        if (nom.size() > LongueurMaxNom)
            Echec("a name fits its record");
}

// Letters Windows-1252 cannot hold are stored as '?', so only names without them must
// come back unchanged.
inline void ControlerClasseRelue(const LectureClasse& lue, const LectureClasse& relue)
{
    for (const QString& nom : lue.noms)
        if (nom.contains(QChar(QChar::ReplacementCharacter)))
            return;
    if (relue.noms != lue.noms)
        Echec("the names written read back unchanged");
}
