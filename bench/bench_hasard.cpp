// Exercises made by the program. One exercise at the hardest level of each type, timed
// one at a time over a run of numbers so that the median is that of single exercises; and
// a series of 50 (levels 1 to 6 of exercise 4) written into a new series folder, beside the
// floor of writing the same 50 files, already made, into a new folder.

#include "Enregistrements.h"
#include "Generateur.h"
#include "SerieHasard.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>

namespace {

void GenererUnExercice(benchmark::State& etat)
{
    static std::map<int, CodeExercice> suivants;
    const int type = int(etat.range(0));
    CodeExercice& code = suivants.try_emplace(type, CodeExercice{type, 6, 0}).first->second;
    int essais = 0;
    for (auto _ : etat) {
        const auto debut = std::chrono::steady_clock::now();
        const ExerciceGenere genere = Generer(code);
        const auto fin = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(genere.Reference.NbElements);
        etat.SetIterationTime(std::chrono::duration<double>(fin - debut).count());
        essais += genere.Essais;
        code = CodeSuivant(code);
    }
    etat.counters["refusees"] = essais;
}

const DemandeSerie Demande50{4, 1, 6, 50, 8271, QString()};

void Serie50(benchmark::State& etat)
{
    QTemporaryDir dossier;
    int n = 0;
    for (auto _ : etat) {
        DemandeSerie demande = Demande50;
        demande.Nom = QStringLiteral("Série %1").arg(++n);
        if (!CreerSerieHasard(dossier.path(), demande).Ecrite)
            etat.SkipWithError("the series was not written");
    }
}

void Serie50Plancher(benchmark::State& etat)
{
    QTemporaryDir dossier;
    const QList<CodeExercice> codes = CodesDeLaSerie(Demande50);
    QList<QByteArray> fichiers;
    for (const CodeExercice& code : codes)
        fichiers.append(ContenuExerciceGenere(code));
    int n = 0;
    for (auto _ : etat) {
        const QString serie = dossier.filePath(QStringLiteral("Série %1").arg(++n));
        QDir().mkdir(serie);
        for (int i = 0; i < codes.size(); ++i)
            ecrireFichier(QDir(serie).filePath(NomFichierHasard(i + 1, codes[i])), fichiers[i]);
    }
}

} // namespace

BENCHMARK(GenererUnExercice)->DenseRange(2, 5)->UseManualTime()->Iterations(1)->Repetitions(501)
    ->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(Serie50)->Unit(benchmark::kMillisecond);
BENCHMARK(Serie50Plancher)->Unit(benchmark::kMillisecond);
