// The program's slow paths as a pupil or a teacher meets them, each beside a floor:
//  - start-up to the main menu on screen (floor: an empty QApplication with one empty
//    window), in separate processes, with the peak memory;
//  - the chooser listing 100 series of 50 exercises and splitting one series against a
//    results file of 1000 records (floor: the bare enumeration of the 5000 files);
//  - recording a success into a 1000-record results file (floor: reading and writing
//    the same bytes back whole), and the same record without the lock that guards the
//    file on a shared folder (the lock should cost less than the record itself); adding
//    a verdict to the pupil's attempts file after a day of attempts, under its lock (at
//    most twice the success);
//  - the editor's printable export of a 36 x 36 exercise, a 1810 x 1810 BMP (floor:
//    writing a blank picture of that size as BMP).

#include "Bilans.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Essais.h"
#include "Contexte.h"
#include "Operations.h"
#include "Rtf.h"
#include "TF_choix_exo.h"
#include "TF_Edit3.h"
#include "TForm1.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

constexpr int NbSeries = 100;
constexpr int ExercicesParSerie = 50;
constexpr int EnregistrementsBilan = 1000;

// Answers the export's save dialog with a fixed path; nothing else is expected.
class DialoguesBanc : public Dialogues {
public:
    QString chemin;
    Reponse message(GenreMessage, const QString& texte, BoutonsMessage) override
    {
        qFatal("unexpected message: %s", qPrintable(texte));
    }
    QString ouvrirFichier(const DemandeFichier&) override { return {}; }
    QString enregistrerFichier(const DemandeFichier&) override { return chemin; }
    void afficherAide(const QString&) override {}
};

// A program folder with its exercises (100 series of 50 small files) and a pupil's
// results file of 1000 records, half of them exercises of the first series.
struct DossierBanc {
    QTemporaryDir racine;
    DialoguesBanc dialogues;
    QString exercices = racine.filePath(QStringLiteral("exercices"));
    QString bilans = racine.filePath(QStringLiteral("bilans"));
    QByteArray bilanInitial;
    Contexte contexte{racine.path()};

    DossierBanc()
    {
        installerDialogues(&dialogues);
        QDir::setCurrent(contexte.dossierProgramme);
        contexte.dossierExercices.fixerDossier(exercices + QLatin1Char('/'));
        contexte.dossierBilans.fixerDossier(bilans + QLatin1Char('/'));
        QDir().mkpath(bilans);
        QByteArray exercice(4 * (15 + 6), '\0');
        for (int s = 1; s <= NbSeries; ++s) {
            const QString serie = QDir(exercices).filePath(QStringLiteral("Série %1").arg(s));
            QDir().mkpath(serie);
            for (int e = 1; e <= ExercicesParSerie; ++e) {
                QFile f(QDir(serie).filePath(QStringLiteral("Ex%1.ex2").arg(e, 2, 10, QLatin1Char('0'))));
                f.open(QIODevice::WriteOnly);
                f.write(exercice);
            }
        }
        contexte.nomEleve = QStringLiteral("Léa");
        contexte.nomClasse = QStringLiteral("CM1");
        contexte.suiviEleve = true;
        contexte.numeroExercice = 2;
        QStringList lignes;
        for (int i = 0; i < EnregistrementsBilan; ++i)
            lignes.append(i % 2 == 0 && i < 2 * ExercicesParSerie
                              ? QStringLiteral("Série 1\\Ex%1").arg(i / 2 + 1, 2, 10, QLatin1Char('0'))
                              : QStringLiteral("Série %1\\Ex%2").arg(i % NbSeries + 2).arg(i));
        bilanInitial = documentRtf(lignes);
        remettreBilan();
    }

    QString fichierBilan() const
    {
        return QDir(bilans).filePath(NomFichierBilan(contexte.nomEleve, contexte.nomClasse));
    }

    void remettreBilan() const
    {
        QFile f(fichierBilan());
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bilanInitial);
    }
};

DossierBanc& dossierBanc()
{
    static DossierBanc dossier;
    return dossier;
}

// ---- start-up ----

void Demarrage(benchmark::State& etat, const QStringList& arguments)
{
    long memoire = 0;
    double processeur = 0;
    for (auto _ : etat) {
        QProcess processus;
        processus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        processus.setWorkingDirectory(QStringLiteral(ORVANE_DOSSIER_IMAGES));
        processus.start(QStringLiteral(ORVANE_MESURE_DEMARRAGE), arguments);
        processus.waitForFinished(-1);
        const QList<QByteArray> champs = processus.readAllStandardOutput().simplified().split(' ');
        if (processus.exitCode() != 0 || champs.size() != 3) {
            etat.SkipWithError("the start-up measure did not finish");
            return;
        }
        etat.SetIterationTime(champs[0].toDouble() / 1e9);
        memoire = champs[1].toLong();
        processeur = champs[2].toDouble();
    }
    etat.counters["Mo_crete"] = double(memoire) / 1024.0;
    etat.counters["ms_processeur"] = processeur;
}

void DemarrageProgramme(benchmark::State& etat) { Demarrage(etat, {}); }
void DemarragePlancher(benchmark::State& etat) { Demarrage(etat, {QStringLiteral("--plancher")}); }

// ---- the chooser ----

void Choix(benchmark::State& etat)
{
    DossierBanc& d = dossierBanc();
    TF_choix_exo choix(d.contexte);
    auto* series = choix.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    auto* reussis = choix.findChild<QListWidget*>(QStringLiteral("ListBox2"));
    auto* aFaire = choix.findChild<QListWidget*>(QStringLiteral("ListBox3"));
    for (auto _ : etat) {
        choix.preparer(d.exercices, false);
        choix.show();
        series->setCurrentRow(0);
        choix.ListBox1Click();
        choix.hide();
    }
    if (series->count() != NbSeries || reussis->count() + aFaire->count() != ExercicesParSerie
        || reussis->count() != ExercicesParSerie)
        etat.SkipWithError("the chooser did not list what the folder holds");
}

void ChoixPlancher(benchmark::State& etat)
{
    DossierBanc& d = dossierBanc();
    for (auto _ : etat) {
        int fichiers = 0;
        QDirIterator series(d.exercices, QDir::Dirs | QDir::NoDotAndDotDot);
        while (series.hasNext()) {
            QDirIterator exercices(series.next(), {QStringLiteral("*.ex2")}, QDir::Files);
            while (exercices.hasNext()) {
                exercices.next();
                ++fichiers;
            }
        }
        benchmark::DoNotOptimize(fichiers);
    }
}

// ---- recording a success ----

// Records a new success into the 1000-record file once per iteration.
void mesurerReussite(benchmark::State& etat,
                     const std::function<void(const DossierBanc&, const QString& ligne)>& enregistrer)
{
    DossierBanc& d = dossierBanc();
    int n = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        d.remettreBilan();
        const QString ligne = QStringLiteral("Nouvelle série\\Ex%1").arg(++n);
        etat.ResumeTiming();
        enregistrer(d, ligne);
    }
    QFile fichier(d.fichierBilan());
    fichier.open(QIODevice::ReadOnly);
    if (lignesDocument(fichier.readAll()).size() != EnregistrementsBilan + 2)
        etat.SkipWithError("the success was not recorded");
}

void Reussite(benchmark::State& etat)
{
    mesurerReussite(etat, [](const DossierBanc& d, const QString& ligne) {
        EnregistrerReussite(d.bilans, d.contexte.nomEleve, d.contexte.nomClasse, ligne);
    });
}

// EnregistrerReussite's steps through the same buffer, less the lock.
void ReussiteSansVerrou(benchmark::State& etat)
{
    mesurerReussite(etat, [](const DossierBanc& d, const QString& ligne) {
        TamponLignes tampon;
        tampon.charger(d.fichierBilan());
        bool present = false;
        for (int i = 0; i <= tampon.nombreLignes(); ++i)
            present = present || tampon.ligne(i) == ligne;
        if (!present) {
            tampon.ajouter(ligne);
            tampon.enregistrer(d.fichierBilan());
        }
    });
}

void ReussitePlancher(benchmark::State& etat)
{
    DossierBanc& d = dossierBanc();
    for (auto _ : etat) {
        etat.PauseTiming();
        d.remettreBilan();
        etat.ResumeTiming();
        QFile lu(d.fichierBilan());
        lu.open(QIODevice::ReadOnly);
        const QByteArray octets = lu.readAll() + "x";
        lu.close();
        QSaveFile ecrit(d.fichierBilan());
        ecrit.open(QIODevice::WriteOnly);
        ecrit.write(octets);
        ecrit.commit();
    }
}

// A verdict added after a day of 200 attempts, each iteration one more line, under the lock.
void AjoutEssai(benchmark::State& etat)
{
    DossierBanc& d = dossierBanc();
    const QString fichier = QDir(d.bilans).filePath(NomFichierEssais(d.contexte.nomEleve, d.contexte.nomClasse));
    QByteArray jour = DebutFichierEssais();
    const QDateTime maintenant = QDateTime::currentDateTime();
    for (int i = 0; i < 200; ++i)
        jour += LigneEssai({maintenant.date(), maintenant.time(), 2, QStringLiteral("Série 1"),
                            QStringLiteral("Ex%1").arg(i % 50), i % 3 == 0});
    QFile f(fichier);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(jour);
    f.close();
    int n = 0;
    for (auto _ : etat) {
        const Essai essai{maintenant.date(), maintenant.time(), 2, QStringLiteral("Série 1"),
                            QStringLiteral("Ex%1").arg(++n), n % 2 == 0};
        if (!AjouterEssai(d.bilans, d.contexte.nomEleve, d.contexte.nomClasse, essai).isEmpty())
            etat.SkipWithError("the attempt was not added");
    }
}

// ---- the printable export ----

struct Export36 {
    Quadrillage grille;
    Figure figure;

    Export36()
    {
        grille.NbColonnes = grille.NbLignes = 36;
        grille.TailleCase = 12;
        for (int i = 0; i < 36; i += 2) {
            const int c = grille.TailleCase;
            figure.Ajouter(ElementDepuisPixels(GenreTrait, i * c, 0, i * c, 36 * c, 0, c));
            figure.Ajouter(ElementDepuisPixels(GenreCercle, c, i * c, 3 * c, (i + 2) * c, 0, c));
        }
        figure.Ajouter(ElementDepuisPixels(GenreColoriage, 5, 5, 5, 5, 0x0000FF, grille.TailleCase));
    }
};

void Exportation(benchmark::State& etat)
{
    DossierBanc& d = dossierBanc();
    d.dialogues.chemin = d.racine.filePath(QStringLiteral("export.bmp"));
    const Export36 exercice;
    TForm1 images(d.contexte);
    for (auto _ : etat)
        if (!images.exporterExercice(exercice.grille, exercice.figure, QString()))
            etat.SkipWithError("the export wrote nothing");
    if (QImage(d.dialogues.chemin).size() != QSize(1802, 1802))
        etat.SkipWithError("the exported picture has the wrong size");
}

void ExportationPlancher(benchmark::State& etat)
{
    DossierBanc& d = dossierBanc();
    QImage blanche(1802, 1802, QImage::Format_RGB32);
    blanche.fill(Qt::white);
    for (auto _ : etat)
        blanche.save(d.racine.filePath(QStringLiteral("plancher.bmp")), "BMP");
}

} // namespace

// Medians over repetitions; a start-up is one process per repetition.
BENCHMARK(DemarrageProgramme)->UseManualTime()->Iterations(1)->Repetitions(21)
    ->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(DemarragePlancher)->UseManualTime()->Iterations(1)->Repetitions(21)
    ->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(Choix)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(ChoixPlancher)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(Reussite)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(ReussiteSansVerrou)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(ReussitePlancher)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(AjoutEssai)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(Exportation)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportationPlancher)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
