// The live view of a class of 30 pupils, each with a day of 200 attempts, on a path of a
// series and a level: the first reading of every file, a reading after each pupil added
// one attempt, and a reading when nothing changed.

#include "Bilans.h"
#include "Classes.h"
#include "EnDirect.h"
#include "Essais.h"
#include "ParcoursClasse.h"
#include "Rtf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int NbEleves = 30;
constexpr int EssaisDuJour = 200;

void ecrire(const QString& chemin, const QByteArray& octets, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile f(chemin);
    f.open(mode);
    f.write(octets);
}

struct ClasseDirect {
    QTemporaryDir racine;
    DemandeDirect demande{racine.path(), racine.filePath(QStringLiteral("bilans")),
                          racine.filePath(QStringLiteral("exercices")), QStringLiteral("CM1")};
    QStringList eleves;
    QDateTime maintenant = QDateTime::currentDateTime();

    ClasseDirect()
    {
        QDir().mkpath(demande.dossierBilans);
        QDir().mkpath(QDir(demande.dossierExercices).filePath(QStringLiteral("Série 1")));
        for (int e = 1; e <= 20; ++e)
            ecrire(QDir(demande.dossierExercices).filePath(QStringLiteral("Série 1/Ex%1.ex2").arg(e, 2, 10, QLatin1Char('0'))),
                   QByteArray(84, '\0'));
        ParcoursClasse parcours;
        EtapeParcours serie;
        serie.serie = QStringLiteral("Série 1");
        EtapeParcours niveau;
        niveau.genre = GenreEtape::Niveau;
        niveau.niveau = 2;
        niveau.reussites = 5;
        parcours.etapes = {serie, niveau};
        ecrire(QDir(racine.path()).filePath(NomFichierParcours(QStringLiteral("CM1"))),
               ContenuParcours(parcours, QStringLiteral("CM1")));
        for (int n = 0; n < NbEleves; ++n) {
            eleves.append(QStringLiteral("Élève %1").arg(n));
            QByteArray octets = DebutFichierEssais();
            QStringList reussis;
            for (int i = 0; i < EssaisDuJour; ++i) {
                const bool juste = i % 3 == 2;
                const QTime heure = QTime(8, 30).addSecs(i * 60);
                if (i % 2 == 0) {
                    const QString exercice = QStringLiteral("Ex%1").arg(i / 6 % 20 + 1, 2, 10, QLatin1Char('0'));
                    octets += LigneEssai({maintenant.date(), heure, 2, QStringLiteral("Série 1"), exercice, juste});
                    if (juste)
                        reussis.append(QStringLiteral("Série 1\\") + exercice);
                } else {
                    octets += LigneEssai({maintenant.date(), heure, 2, QString(), QStringLiteral("2-2-%1").arg(i), juste});
                }
            }
            ecrire(fichier(n), octets);
            ecrire(QDir(demande.dossierBilans).filePath(NomFichierBilan(eleves.last(), QStringLiteral("CM1"))),
                   documentRtf(reussis));
        }
        ecrire(QDir(racine.path()).filePath(QStringLiteral("CM1.elv")), ContenuClasse(eleves));
    }

    QString fichier(int n) const
    {
        return QDir(demande.dossierBilans).filePath(NomFichierEssais(eleves[n], QStringLiteral("CM1")));
    }
};

ClasseDirect& classe()
{
    static ClasseDirect c;
    return c;
}

bool luePartout(const SuiviDirect& suivi, int essais)
{
    if (suivi.eleves().size() != NbEleves || !suivi.avecParcours())
        return false;
    return std::all_of(suivi.eleves().begin(), suivi.eleves().end(),
                       [&](const EleveDirect& e) { return e.essaisDuJour == essais && !e.etape.isEmpty(); });
}

// Every file read from its start, as when the teacher opens the view (first in the run, on
// the day of 200 attempts each).
void DirectPremiereLecture(benchmark::State& etat)
{
    ClasseDirect& c = classe();
    for (auto _ : etat) {
        SuiviDirect suivi(c.demande);
        suivi.actualiser(c.maintenant);
        if (!luePartout(suivi, suivi.eleves().value(0).essaisDuJour) || suivi.eleves().value(0).essaisDuJour < EssaisDuJour)
            etat.SkipWithError("the view did not read the class");
    }
}

// Each pupil adds one attempt between two readings: only the new lines are read.
void DirectApresUnEssaiChacun(benchmark::State& etat)
{
    ClasseDirect& c = classe();
    SuiviDirect suivi(c.demande);
    suivi.actualiser(c.maintenant);
    const int avant = suivi.eleves().value(0).essaisDuJour;
    int ajoutes = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        ++ajoutes;
        for (int n = 0; n < NbEleves; ++n)
            ecrire(c.fichier(n),
                   LigneEssai({c.maintenant.date(), QTime(12, 0), 2, QStringLiteral("Série 1"), QStringLiteral("Ex01"), false}),
                   QIODevice::Append);
        etat.ResumeTiming();
        suivi.actualiser(c.maintenant);
    }
    if (!luePartout(suivi, avant + ajoutes))
        etat.SkipWithError("the view missed attempts");
}

// Nothing changed: each file is only looked at.
void DirectSansChangement(benchmark::State& etat)
{
    ClasseDirect& c = classe();
    SuiviDirect suivi(c.demande);
    suivi.actualiser(c.maintenant);
    for (auto _ : etat)
        suivi.actualiser(c.maintenant);
}

} // namespace

BENCHMARK(DirectPremiereLecture)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(DirectApresUnEssaiChacun)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(DirectSansChangement)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
