#include "Sons.h"
#include "SortieSon.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// A sine note: pitch in Hz, start and length in seconds, loudness out of 1.
struct Note {
    double frequence;
    double debut;
    double duree;
    double volume;
};

std::vector<Note> notes(Son son)
{
    // G5 then C6, the second rung above the first; a D4 with a quiet octave, so that it
    // is still heard on small loudspeakers. Together they stay well below full scale.
    if (son == Son::Juste)
        return {{784.0, 0.0, 0.25, 0.28}, {1046.5, 0.11, 0.40, 0.28}};
    return {{293.7, 0.0, 0.42, 0.32}, {587.3, 0.0, 0.30, 0.08}};
}

// Swells in over a few milliseconds and fades to nothing at the note's end: no click.
double enveloppe(double t, double duree)
{
    constexpr double montee = 0.012;
    const double attaque = t < montee ? std::pow(std::sin(std::numbers::pi / 2 * t / montee), 2) : 1.0;
    const double reste = 1.0 - t / duree;
    return attaque * reste * reste;
}

} // namespace

QByteArray EchantillonsSon(Son son)
{
    const std::vector<Note> lesNotes = notes(son);
    double fin = 0;
    for (const Note& n : lesNotes)
        fin = std::max(fin, n.debut + n.duree);
    std::vector<qint16> echantillons(static_cast<std::size_t>(std::ceil(fin * FrequenceEchantillonnage)));
    for (std::size_t i = 0; i < echantillons.size(); ++i) {
        const double t = double(i) / FrequenceEchantillonnage;
        double valeur = 0;
        for (const Note& n : lesNotes) {
            const double dans = t - n.debut;
            if (dans >= 0 && dans < n.duree)
                valeur += n.volume * enveloppe(dans, n.duree) * std::sin(2 * std::numbers::pi * n.frequence * dans);
        }
        echantillons[i] = static_cast<qint16>(std::lround(std::clamp(valeur, -1.0, 1.0) * 32767));
    }
    return QByteArray(reinterpret_cast<const char*>(echantillons.data()),
                      qsizetype(echantillons.size() * sizeof(qint16)));
}

QString ModuleSonDuProgramme()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/orvane_son.so");
}

SonsSysteme::SonsSysteme(const QString& fichierModule) : module_(fichierModule) {}

SonsSysteme::~SonsSysteme() = default;

bool SonsSysteme::ouvrir()
{
    if (!essaye_) {
        essaye_ = true;
        if (const auto creer = reinterpret_cast<FabriqueSortieSon>(module_.resolve(NomFabriqueSortieSon)))
            sortie_.reset(creer(FrequenceEchantillonnage));
    }
    return sortie_ != nullptr;
}

void SonsSysteme::jouer(Son son)
{
    if (ouvrir())
        sortie_->jouer(EchantillonsSon(son));
}
