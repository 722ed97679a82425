// Attempts files straight from memory to their reader: only whole lines are taken, a file
// read in two parts gives what it gives read at once, and what is read writes back the same.

#include "SupportFuzz.h"

#include "Essais.h"

namespace {
bool memes(const QList<Essai>& a, const QList<Essai>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Essai& x, const Essai& y) {
        return x.jour == y.jour && x.heure == y.heure && x.memeExercice(y) && x.juste == y.juste;
    });
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparerFuzzMemoire();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets = OctetsFuzz(donnees, taille);
    const LectureEssais entier = LireEssais(octets);
    if (entier.lus < 0 || entier.lus > octets.size() || (entier.lus > 0 && octets[entier.lus - 1] != '\n'))
        Echec("the reading stops after a line end");
    if (octets.indexOf('\n', entier.lus) >= 0)
        Echec("every whole line is read");
    for (const Essai& e : entier.essais)
        if (!e.jour.isValid() || !e.heure.isValid() || e.type < 2 || e.type > 5 || e.exercice.isEmpty()
            || (e.serie.isEmpty() && !e.code()))
            Echec("an attempt read names a day, a time, a type and an exercise");

    // Cut where the first byte says, as a file read while it grows.
    const qsizetype coupure = octets.isEmpty() ? 0 : static_cast<uchar>(octets[0]) * octets.size() / 256;
    const LectureEssais debut = LireEssais(QByteArrayView(octets).first(coupure));
    const LectureEssais fin = LireEssais(QByteArrayView(octets).sliced(debut.lus));
    if (!memes(debut.essais + fin.essais, entier.essais) || debut.illisibles + fin.illisibles != entier.illisibles)
        Echec("a file read in two parts gives what it gives at once");

    QByteArray reecrit = DebutFichierEssais();
    for (const Essai& e : entier.essais)
        reecrit += LigneEssai(e);
    const LectureEssais relu = LireEssais(reecrit);
    if (!memes(relu.essais, entier.essais) || relu.illisibles != 0)
        Echec("the attempts read write back the same");
    return 0;
}
