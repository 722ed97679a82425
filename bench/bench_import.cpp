// Importing a school's export of 1,000 pupils in 40 classes, as the administration writes
// it (Windows-1252, ";", 30 columns, most of them never kept): reading the file and
// building the preview, beside its floor, reading the file and cutting it into fields.

#include "Enregistrements.h"
#include "ImportClasses.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int NbClasses = 40;
constexpr int ElevesParClasse = 25;
constexpr int ColonnesEnPlus = 25;

struct ExportBanc {
    QTemporaryDir racine;
    QString fichier = racine.filePath(QStringLiteral("export.csv"));

    ExportBanc()
    {
        QString texte = QStringLiteral("Nom élève;Nom d'usage élève;Prénom élève;Niveau;Libellé classe");
        for (int c = 0; c < ColonnesEnPlus; ++c)
            texte += QStringLiteral(";Donnée %1").arg(c);
        texte += QStringLiteral("\r\n");
        const QStringList prenoms{QStringLiteral("Léa"), QStringLiteral("Noé"), QStringLiteral("Chloé"),
                                  QStringLiteral("François"), QStringLiteral("Maël"), QStringLiteral("Zoé")};
        for (int c = 0; c < NbClasses; ++c)
            for (int e = 0; e < ElevesParClasse; ++e) {
                texte += QStringLiteral("NOM%1ÉLÈVE;;%2;CM%3;CM%3 %4")
                             .arg(c * ElevesParClasse + e)
                             .arg(prenoms[e % prenoms.size()])
                             .arg(c % 2 + 1)
                             .arg(c);
                for (int d = 0; d < ColonnesEnPlus; ++d)
                    texte += QStringLiteral(";\"%1 rue de l'École; bât. %2\"").arg(e).arg(d);
                texte += QStringLiteral("\r\n");
            }
        QFile f(fichier);
        f.open(QIODevice::WriteOnly);
        f.write(versWindows1252(texte));
    }
};

ExportBanc& exportBanc()
{
    static ExportBanc banc;
    return banc;
}

void Import(benchmark::State& etat)
{
    const ExportBanc& banc = exportBanc();
    ApercuImport apercu;
    for (auto _ : etat) {
        const LectureImport lecture = LireFichierImport(banc.fichier);
        apercu = ConstruireApercu(lecture, PresentationNoms::Prenom, ModeExistantes::Ajouter, QString(),
                                  ClassesDuDossierProgramme(banc.racine.path()));
    }
    if (apercu.classes.size() != NbClasses || apercu.nbEcrites() != NbClasses || !apercu.remarques.isEmpty())
        etat.SkipWithError("the preview is not that of the export");
}

void ImportPlancher(benchmark::State& etat)
{
    const ExportBanc& banc = exportBanc();
    for (auto _ : etat) {
        QFile f(banc.fichier);
        f.open(QIODevice::ReadOnly);
        const QString texte = depuisWindows1252(f.readAll());
        qsizetype champs = 0;
        for (QStringView ligne : QStringView(texte).split(u'\n'))
            champs += ligne.split(u';').size();
        benchmark::DoNotOptimize(champs);
    }
}

} // namespace

BENCHMARK(Import)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportPlancher)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
