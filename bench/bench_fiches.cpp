// Worksheets of a 16-exercise series with their answers in the same PDF (the exercise-3
// figures of both sample series, painted areas included), beside the floor of writing as
// many empty PDF pages.

#include "Fiches.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QStringList ExercicesDesExemples()
{
    QStringList chemins;
    const QDir exemples(QStringLiteral(ORVANE_DOSSIER_EXEMPLES));
    for (const QString& serie : exemples.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir dossier(exemples.filePath(serie));
        for (const QString& fichier : dossier.entryList({QStringLiteral("*.ex3")}, QDir::Files, QDir::Name))
            chemins.append(dossier.filePath(fichier));
    }
    return chemins;
}

void Fiches16(benchmark::State& etat)
{
    QTemporaryDir dossier;
    const QStringList chemins = ExercicesDesExemples();
    if (chemins.size() != 16)
        etat.SkipWithError("the sample series do not hold 16 exercise-3 files");
    OptionsFiches options;
    options.AvecCorriges = Corriges::MemePdf;
    for (auto _ : etat) {
        const SerieFiches serie = LireSerieFiches(chemins);
        if (!EnregistrerFiches(serie, options, dossier.filePath(QStringLiteral("fiches.pdf"))).Ecrit)
            etat.SkipWithError("nothing was written");
    }
}

void Fiches16Plancher(benchmark::State& etat)
{
    QTemporaryDir dossier;
    for (auto _ : etat) {
        QPdfWriter pdf(dossier.filePath(QStringLiteral("vide.pdf")));
        QPainter p(&pdf);
        for (int page = 1; page < 32; ++page)
            pdf.newPage();
    }
}

} // namespace

BENCHMARK(Fiches16)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(Fiches16Plancher)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
