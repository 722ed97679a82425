// Measures the figure core on the largest grid a 1000-pixel picture holds (36 x 36 cells
// of 26 pixels), with 100 reference elements of every kind and their 100 mirrors. Each
// measure has a floor beside it, the least the same work could cost; the ratios are
// printed at the end.

#include "Dessin.h"
#include "Diagnostic.h"
#include "FichierExercice.h"
#include "Symetrie.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int TailleImage = 1000;
constexpr int Colonnes = 36;

Quadrillage GrilleDuBanc()
{
    Quadrillage g;
    g.NbColonnes = Colonnes;
    g.NbLignes = Colonnes;
    g.TailleCase = CalculerTailleCase(TailleImage - 3, Colonnes); // 26: 26·36 + 3 <= 1000
    g.TypeAxe = AxeVertical;
    return g;
}

// Segments, rectangles with a painted inside, circles and quarter circles in turn, one
// per block of 2 x 2 cells left of the axis, so that no outline runs over another
// element's seed; the pupil's figure is their exact image.
struct Scene
{
    Quadrillage grille = GrilleDuBanc();
    Figure reference;
    Figure eleve;
    QImage image = NouvelleImage(TailleImage, TailleImage);
    MasqueReference masque{TailleImage, TailleImage};
    int axeInitial = 0;

    Scene()
    {
        const int t = grille.TailleCase;
        const auto ajouter = [&](Genre genre, int x1, int y1, int x2, int y2, quint32 c) {
            if (reference.NbElements < 100)
                reference.Ajouter(ElementDepuisPixels(genre, x1 * t, y1 * t, x2 * t, y2 * t, c, t));
        };
        for (int bloc = 0; reference.NbElements < 100; ++bloc) {
            const int x = 2 * (bloc % 8);
            const int y = 2 * (bloc / 8);
            switch (bloc % 4) {
            case 0:
                ajouter(GenreTrait, x, y + 2, x + 2, y, 0);
                break;
            case 1:
                ajouter(GenreRectangle, x, y, x + 2, y + 1, 0);
                if (reference.NbElements < 100)
                    reference.Ajouter(ElementDepuisPixels(GenreColoriage, x * t + t / 2,
                                                          y * t + t / 2, 0, 0,
                                                          CouleursDessin[std::size_t(bloc % 10)], t));
                break;
            case 2:
                ajouter(GenreCercle, x, y, x + 2, y + 2, 0);
                break;
            default:
                ajouter(GenreQuartDeCercle, x + 2, y + 2, x, y, 0);
                break;
            }
        }
        for (int i = 1; i <= reference.NbElements; ++i)
            eleve.Ajouter(ElementMiroir(grille, reference[i]));
        afficher();
        axeInitial = CompterPointsAxeCouverts(grille, image);
        DessinerFigure(image, eleve, Rendu::Joueur);
    }

    void afficher()
    {
        EffacerImage(image);
        DessinerQuadrillage(image, grille, 3, Rendu::Joueur);
        marquer();
        DessinerFigure(image, reference, Rendu::Joueur);
    }

    void marquer()
    {
        masque.effacer();
        for (int i = 1; i <= reference.NbElements; ++i)
            MarquerElement(masque, reference[i]);
    }
};

Scene& LaScene()
{
    static Scene scene;
    return scene;
}

// How many pixels and mask bytes the check reads: two pixels per reference point, one
// mask byte per pupil point, two pixels per painted seed, one per axis sample.
qint64 LecturesDuControle(const Scene& s)
{
    qint64 lectures = 0;
    const QRect partout(-5000, -5000, 10000, 10000);
    for (int i = 1; i <= s.reference.NbElements; ++i)
        ParcourirElement(s.reference[i], partout, [&](QPoint) { lectures += 2; });
    for (int i = 1; i <= s.eleve.NbElements; ++i)
        ParcourirElement(s.eleve[i], partout, [&](QPoint) {
            lectures += s.eleve[i].GenreElement == GenreColoriage ? 2 : 1;
        });
    return lectures + 2 * Colonnes + 1;
}

qint64 MarquesDuMasque(const Scene& s)
{
    qint64 marques = 0;
    for (int y = 0; y < s.masque.hauteur(); ++y)
        for (int x = 0; x < s.masque.largeur(); ++x)
            marques += s.masque.estMarque(x, y);
    return marques;
}

void Masque(benchmark::State& etat)
{
    Scene& s = LaScene();
    for (auto _ : etat)
        s.marquer();
}

void MasquePlancher(benchmark::State& etat)
{
    Scene& s = LaScene();
    const qint64 marques = MarquesDuMasque(s);
    const int largeur = s.masque.largeur();
    for (auto _ : etat) {
        s.masque.effacer();
        for (qint64 i = 0; i < marques; ++i)
            s.masque.marquer(int(i % largeur), int(i / largeur));
        benchmark::ClobberMemory();
    }
    s.marquer();
}

void Controle(benchmark::State& etat)
{
    Scene& s = LaScene();
    bool juste = false;
    for (auto _ : etat) {
        juste = VerifierSymetrie(s.grille, s.image, s.masque, s.reference, s.eleve, s.axeInitial);
        benchmark::DoNotOptimize(juste);
    }
    if (!juste)
        etat.SkipWithError("the pupil's exact mirror was not accepted");
}

// The help after "Faux" on the same 100 + 100 elements, drawn one cell too far right:
// every element judged alone, then the shapes compared for the likely mistake.
void Diagnostic(benchmark::State& etat)
{
    const Scene& s = LaScene();
    const int c = s.grille.TailleCase;
    Figure decalee;
    for (int i = 1; i <= s.eleve.NbElements; ++i) {
        ElementFigure e = s.eleve[i];
        e.X1 += c;
        e.X2 += c;
        decalee.Ajouter(e);
    }
    QImage image = NouvelleImage(TailleImage, TailleImage);
    DessinerQuadrillage(image, s.grille, 3, Rendu::Joueur);
    DessinerFigure(image, s.reference, Rendu::Joueur);
    DessinerFigure(image, decalee, Rendu::Joueur);
    DiagnosticFaux d;
    for (auto _ : etat) {
        d = DiagnostiquerFaux(s.grille, image, s.masque, s.reference, decalee, s.axeInitial);
        benchmark::DoNotOptimize(d);
    }
    etat.counters["phrase"] = d.phrase.isEmpty() ? 0 : 1;
}

void ControlePlancher(benchmark::State& etat)
{
    Scene& s = LaScene();
    const qint64 lectures = LecturesDuControle(s);
    etat.counters["lectures"] = double(lectures);
    for (auto _ : etat) {
        quint32 somme = 0;
        for (qint64 i = 0; i < lectures; ++i)
            somme += CouleurPixel(s.image, int(i % TailleImage), int((i / 7) % TailleImage));
        benchmark::DoNotOptimize(somme);
    }
}

void Redessiner(benchmark::State& etat)
{
    Scene& s = LaScene();
    for (auto _ : etat) {
        EffacerImage(s.image);
        RedessinerTout(s.image, s.grille, 3, s.reference, s.eleve);
    }
}

void RedessinerPlancher(benchmark::State& etat)
{
    QImage image = NouvelleImage(TailleImage, TailleImage);
    for (auto _ : etat) {
        image.fill(VersQRgb(CouleurBlanc));
        benchmark::ClobberMemory();
    }
}

void Remplir(benchmark::State& etat)
{
    QImage image = NouvelleImage(TailleImage, TailleImage);
    quint32 couleur = CouleurBleu;
    for (auto _ : etat) {
        couleur = couleur == CouleurBleu ? CouleurJaune : CouleurBleu;
        RemplirJusquAuNoir(image, 500, 500, couleur);
    }
}

void RemplirPlancher(benchmark::State& etat)
{
    QImage image = NouvelleImage(TailleImage, TailleImage);
    quint32 couleur = CouleurBleu;
    for (auto _ : etat) {
        couleur = couleur == CouleurBleu ? CouleurJaune : CouleurBleu;
        image.fill(VersQRgb(couleur));
        benchmark::ClobberMemory();
    }
}

// What an arrow key costs with the paint pot in hand: the areas of the cursor's cell, in a
// cell of the big area around every figure, which the fills cover almost whole.
void ZonesCase(benchmark::State& etat)
{
    const Scene& s = LaScene();
    const int t = s.grille.TailleCase;
    for (auto _ : etat)
        benchmark::DoNotOptimize(ZonesDansCase(s.image, QRect(17 * t, 33 * t, t, t)));
}

Figure DeuxCentsElements()
{
    const Scene& s = LaScene();
    Figure f;
    for (int i = 0; i < 200; ++i)
        f.Ajouter(s.reference[i % 100 + 1]);
    return f;
}

QString CheminFichier()
{
    static QTemporaryDir dossier;
    static const QString chemin = [] {
        const QString c = dossier.filePath(QStringLiteral("banc.ex3"));
        EcrireExercice(c, LaScene().grille, DeuxCentsElements(), {3, std::nullopt, false});
        return c;
    }();
    return chemin;
}

void Lire(benchmark::State& etat)
{
    const QString chemin = CheminFichier();
    for (auto _ : etat) {
        ResultatLecture lu = LireExercice(chemin);
        benchmark::DoNotOptimize(lu.Exercice.Elements.NbElements);
    }
}

void LirePlancher(benchmark::State& etat)
{
    const QString chemin = CheminFichier();
    for (auto _ : etat) {
        QFile fichier(chemin);
        fichier.open(QIODevice::ReadOnly);
        QByteArray octets = fichier.readAll();
        benchmark::DoNotOptimize(octets.data());
    }
}

void Ecrire(benchmark::State& etat)
{
    const Figure figure = DeuxCentsElements();
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("ecrit.ex3"));
    for (auto _ : etat)
        EcrireExercice(chemin, LaScene().grille, figure, {3, std::nullopt, false});
}

void EcrirePlancher(benchmark::State& etat)
{
    const QByteArray octets(4 * (15 + 6 * 200), '\0');
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("ecrit.ex3"));
    for (auto _ : etat) {
        QFile fichier(chemin);
        fichier.open(QIODevice::WriteOnly);
        fichier.write(octets);
    }
}

// Keeps each measure's mean time so that the ratios to the floors can be printed.
class Rapporteur : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.iterations > 0)
                m_temps[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void imprimerRapports() const
    {
        std::printf("\nratio to the floor:\n");
        for (const auto& [nom, temps] : m_temps) {
            const auto plancher = m_temps.find(nom + "Plancher");
            if (plancher != m_temps.end() && plancher->second > 0)
                std::printf("  %-12s %10.1f us  floor %10.1f us  ratio %6.2f\n", nom.c_str(),
                            temps, plancher->second, temps / plancher->second);
        }
    }

private:
    std::map<std::string, double> m_temps;
};

} // namespace

BENCHMARK(Masque)->Unit(benchmark::kMicrosecond);
BENCHMARK(MasquePlancher)->Unit(benchmark::kMicrosecond);
BENCHMARK(Controle)->Unit(benchmark::kMicrosecond);
BENCHMARK(ControlePlancher)->Unit(benchmark::kMicrosecond);
BENCHMARK(Diagnostic)->Unit(benchmark::kMicrosecond);
BENCHMARK(Redessiner)->Unit(benchmark::kMicrosecond);
BENCHMARK(RedessinerPlancher)->Unit(benchmark::kMicrosecond);
BENCHMARK(Remplir)->Unit(benchmark::kMicrosecond);
BENCHMARK(RemplirPlancher)->Unit(benchmark::kMicrosecond);
BENCHMARK(ZonesCase)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lire)->Unit(benchmark::kMicrosecond);
BENCHMARK(LirePlancher)->Unit(benchmark::kMicrosecond);
BENCHMARK(Ecrire)->Unit(benchmark::kMicrosecond);
BENCHMARK(EcrirePlancher)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QApplication application(argc, argv); // the program's own benchmarks drive windows
    benchmark::Initialize(&argc, argv);
    Rapporteur rapporteur;
    benchmark::RunSpecifiedBenchmarks(&rapporteur);
    rapporteur.imprimerRapports();
    benchmark::Shutdown();
    return 0;
}
