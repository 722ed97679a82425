// The class overview of 30 pupils with 1000 records each, over 100 series of 50
// exercises, beside its floor: reading the 30 results files and listing the 101 folders.

#include "Classes.h"
#include "Rtf.h"
#include "SuiviClasse.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int NbEleves = 30;
constexpr int NbSeries = 100;
constexpr int ExercicesParSerie = 50;
constexpr int EnregistrementsBilan = 1000;

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(octets);
}

// Each pupil has succeeded at 900 exercises spread over the series, and keeps 100 records
// of exercises since removed.
struct ClasseBanc {
    QTemporaryDir racine;
    DemandeSuivi demande{racine.path(), racine.filePath(QStringLiteral("bilans")),
                         racine.filePath(QStringLiteral("exercices")), QStringLiteral("CM1"), 2, {}};

    ClasseBanc()
    {
        QDir().mkpath(demande.dossierBilans);
        for (int s = 1; s <= NbSeries; ++s) {
            const QDir serie(QDir(demande.dossierExercices).filePath(QStringLiteral("Série %1").arg(s)));
            QDir().mkpath(serie.path());
            for (int e = 1; e <= ExercicesParSerie; ++e)
                ecrire(serie.filePath(QStringLiteral("Ex%1.ex2").arg(e, 2, 10, QLatin1Char('0'))), QByteArray(84, '\0'));
        }
        QStringList eleves;
        for (int n = 0; n < NbEleves; ++n) {
            eleves.append(QStringLiteral("Élève %1").arg(n));
            QStringList lignes;
            for (int i = 0; i < EnregistrementsBilan; ++i)
                lignes.append(i < 900 ? QStringLiteral("Série %1\\Ex%2").arg((i + n) % NbSeries + 1).arg(i % ExercicesParSerie + 1, 2, 10, QLatin1Char('0'))
                                      : QStringLiteral("Ancienne\\Ex%1").arg(i));
            ecrire(QDir(demande.dossierBilans).filePath(QStringLiteral("Bilan Orvane CM1 ") + eleves.last() + QStringLiteral(".reu")),
                   documentRtf(lignes) + '\0');
        }
        ecrire(QDir(racine.path()).filePath(QStringLiteral("CM1.elv")), ContenuClasse(eleves));
    }
};

ClasseBanc& classeBanc()
{
    static ClasseBanc classe;
    return classe;
}

void Suivi(benchmark::State& etat)
{
    const ClasseBanc& c = classeBanc();
    TableauSuivi tableau;
    for (auto _ : etat)
        tableau = ConstruireSuivi(c.demande);
    if (tableau.lignes.size() != NbEleves || tableau.colonnes.size() != NbSeries * ExercicesParSerie
        || tableau.lignes[0].autres.size() != 100)
        etat.SkipWithError("the overview did not read what the folders hold");
}

void SuiviPlancher(benchmark::State& etat)
{
    const ClasseBanc& c = classeBanc();
    for (auto _ : etat) {
        qsizetype octets = 0;
        QDirIterator bilans(c.demande.dossierBilans, QDir::Files);
        while (bilans.hasNext()) {
            QFile f(bilans.next());
            f.open(QIODevice::ReadOnly);
            octets += f.readAll().size();
        }
        QDirIterator series(c.demande.dossierExercices, QDir::Dirs | QDir::NoDotAndDotDot);
        while (series.hasNext()) {
            QDirIterator exercices(series.next(), QDir::Files);
            while (exercices.hasNext()) {
                exercices.next();
                ++octets;
            }
        }
        benchmark::DoNotOptimize(octets);
    }
}

} // namespace

BENCHMARK(Suivi)->Unit(benchmark::kMillisecond);
BENCHMARK(SuiviPlancher)->Unit(benchmark::kMillisecond);
