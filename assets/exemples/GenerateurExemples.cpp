// Writes the sample exercise series shipped with the program. Each figure is described in
// grid cells, as if drawn to the left of a vertical axis; the generator places it on the
// model side of each exercise's own axis (or beside its centre point), as close to the axis
// as the exercise asks, and writes it with the program's own exercise writer. A figure that
// cannot be placed so that its whole image stays in the grid stops the generator.
//
// Usage: orvane_exemples OUTPUT_FOLDER

#include "Couleurs.h"
#include "FichierExercice.h"
#include "Figure.h"
#include "Quadrillage.h"
#include "Symetrie.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int NbCases = 24;
constexpr int Cellule = 20; // cell size of the writer; readers rescale

// One element in cells. A painted area is seeded at the centre of cell (c1, r1).
struct Forme {
    Genre genre;
    int c1, r1, c2, r2;
    quint32 couleur = CouleurBlanc;
};

Forme trait(int c1, int r1, int c2, int r2) { return {GenreTrait, c1, r1, c2, r2}; }
Forme rectangle(int c1, int r1, int c2, int r2) { return {GenreRectangle, c1, r1, c2, r2}; }
// Circle of centre (c, r) and radius ray, in cells.
Forme cercle(int c, int r, int rayon) { return {GenreCercle, c - rayon, r - rayon, c + rayon, r + rayon}; }
// Quarter circle of centre (c, r) through the quadrant of (c + dc, r + dr); |dc| = |dr|.
Forme quart(int c, int r, int dc, int dr) { return {GenreQuartDeCercle, c, r, c + dc, r + dr}; }
Forme peinture(int c, int r, quint32 couleur) { return {GenreColoriage, c, r, c, r, couleur}; }

struct Dessin {
    std::vector<Forme> formes;
};

// An exercise: a drawing, its axis and how many cells it keeps from the axis.
struct Exercice {
    Dessin dessin;
    Axe typeAxe = AxeVertical;
    int decalage = 0;
    int ecart = 0;
};

struct Serie {
    QString nom;
    std::vector<Exercice> exercices;
};

// The drawings, from one segment to figures mixing every kind.
Dessin unTrait() { return {{trait(0, 0, 0, 4)}}; }
Dessin traitCouche() { return {{trait(0, 0, 4, 0)}}; }
Dessin traitPenche() { return {{trait(0, 0, 3, 3)}}; }
Dessin equerre() { return {{trait(0, 0, 0, 5), trait(0, 5, 3, 5)}}; }
Dessin drapeau() { return {{trait(0, 0, 0, 6), rectangle(0, 0, 3, 2)}}; }
Dessin triangle() { return {{trait(0, 0, 4, 4), trait(4, 4, 0, 4), trait(0, 4, 0, 0)}}; }
Dessin carreCoupe() { return {{rectangle(0, 0, 4, 4), trait(0, 0, 4, 4)}}; }
Dessin rond() { return {{cercle(2, 2, 2), trait(2, 4, 2, 7)}}; }
Dessin maison() { return {{rectangle(0, 3, 4, 7), trait(0, 3, 2, 1), trait(2, 1, 4, 3), rectangle(1, 5, 2, 7)}}; }
Dessin arbre() { return {{cercle(2, 2, 2), rectangle(1, 4, 3, 8), trait(0, 8, 4, 8)}}; }
Dessin eventail() { return {{quart(0, 4, 4, -4), trait(0, 0, 0, 4), trait(0, 4, 4, 4), quart(0, 4, 2, -2)}}; }
Dessin bateau()
{
    return {{trait(0, 5, 6, 5), trait(6, 5, 5, 7), trait(5, 7, 1, 7), trait(1, 7, 0, 5),
             trait(3, 0, 3, 5), trait(3, 0, 5, 4), trait(5, 4, 3, 4)}};
}
Dessin fusee()
{
    return {{rectangle(1, 2, 3, 8), trait(1, 2, 2, 0), trait(2, 0, 3, 2), cercle(2, 4, 1),
             trait(1, 6, 0, 8), trait(0, 8, 1, 8), trait(3, 6, 4, 8), trait(4, 8, 3, 8)}};
}
Dessin fleur()
{
    return {{cercle(3, 3, 1), quart(3, 2, -2, -2), quart(4, 3, 2, -2), quart(3, 4, 2, 2),
             quart(2, 3, -2, 2), trait(3, 4, 3, 9), trait(3, 7, 5, 5), trait(3, 8, 1, 6)}};
}
Dessin robot()
{
    return {{rectangle(0, 0, 6, 4), rectangle(1, 1, 2, 2), rectangle(4, 1, 5, 2), trait(2, 3, 4, 3),
             quart(0, 2, -1, -1), quart(6, 2, 1, -1), rectangle(0, 5, 6, 9), cercle(3, 7, 1),
             trait(2, 9, 2, 11), trait(4, 9, 4, 11)}};
}
Dessin chateau()
{
    return {{rectangle(0, 3, 6, 9), rectangle(0, 1, 1, 3), rectangle(3, 1, 4, 3), rectangle(5, 1, 6, 3),
             quart(3, 9, -2, -2), trait(1, 7, 1, 9), cercle(3, 5, 1), trait(0, 0, 0, 1),
             trait(6, 0, 6, 1)}};
}

// Coloured versions for the lines-and-colours exercise.
Dessin carreColorie() { return {{rectangle(0, 0, 4, 4), peinture(1, 1, CouleurRouge)}}; }
Dessin rondColorie() { return {{cercle(2, 2, 2), peinture(2, 2, CouleurJaune)}}; }
Dessin carreDeuxCouleurs()
{
    return {{rectangle(0, 0, 4, 4), trait(0, 2, 4, 2), peinture(1, 0, CouleurBleu), peinture(1, 3, CouleurVert)}};
}
Dessin triangleColorie()
{
    return {{trait(0, 0, 4, 4), trait(4, 4, 0, 4), trait(0, 4, 0, 0), peinture(0, 3, CouleurRose)}};
}
Dessin maisonColoriee()
{
    return {{rectangle(0, 3, 4, 7), trait(0, 3, 2, 1), trait(2, 1, 4, 3), rectangle(1, 5, 2, 7),
             peinture(2, 2, CouleurRouge), peinture(3, 4, CouleurJaune), peinture(1, 6, CouleurMarron)}};
}
Dessin arbreColorie()
{
    return {{cercle(2, 2, 2), rectangle(1, 4, 3, 8), peinture(2, 2, CouleurVertFonce), peinture(2, 6, CouleurMarron)}};
}
Dessin drapeauTroisBandes()
{
    return {{trait(0, 0, 0, 8), rectangle(0, 0, 6, 3), trait(2, 0, 2, 3), trait(4, 0, 4, 3),
             peinture(1, 1, CouleurBleu), peinture(3, 1, CouleurBleuClair), peinture(5, 1, CouleurRouge)}};
}
Dessin bateauColorie()
{
    return {{trait(0, 5, 6, 5), trait(6, 5, 5, 7), trait(5, 7, 1, 7), trait(1, 7, 0, 5),
             trait(3, 0, 3, 5), trait(3, 0, 5, 4), trait(5, 4, 3, 4), peinture(3, 6, CouleurMarron),
             peinture(3, 3, CouleurJaune)}};
}
Dessin fleurColoriee()
{
    Dessin d = fleur();
    d.formes.push_back(peinture(3, 3, CouleurJaune));
    return d;
}
Dessin robotColorie()
{
    Dessin d = robot();
    d.formes.push_back(peinture(3, 0, CouleurBleuClair));
    d.formes.push_back(peinture(1, 1, CouleurRouge));
    d.formes.push_back(peinture(4, 1, CouleurRouge));
    d.formes.push_back(peinture(0, 5, CouleurVert));
    d.formes.push_back(peinture(3, 7, CouleurJaune));
    return d;
}

// A figure whose left half is on the model side of the axis and whose right half the
// pupil completes: the axis splits its painted region in two.
Dessin panneauCoupe() { return {{rectangle(0, 0, 6, 4), trait(0, 2, 3, 2), peinture(1, 1, CouleurRouge), peinture(1, 3, CouleurBleu)}}; }

// Side of a point (in cells, doubled so that cell centres stay whole) against the axis:
// negative on the model side, 0 on the axis.
int cote2(const Quadrillage& g, int x2, int y2)
{
    const int n2 = 2 * g.NbColonnes;
    const int d2 = 2 * g.DecalageAxe;
    switch (g.TypeAxe) {
    case AxeVertical: return x2 - (2 * (g.NbColonnes / 2) + d2);
    case AxeHorizontal: return y2 - (2 * (g.NbLignes / 2) + d2);
    case AxeObliqueHB: return x2 - y2 - d2;
    case AxeObliqueBH: return x2 + y2 - n2 - d2;
    default: return x2 - 2 * (g.NbColonnes / 2);
    }
}

// The points of a drawing that must lie on the model side: shape corners, and for a
// painted area its cell centre; all doubled.
std::vector<QPoint> pointsDoubles(const Dessin& d)
{
    std::vector<QPoint> points;
    for (const Forme& f : d.formes) {
        if (f.genre == GenreColoriage) {
            points.emplace_back(2 * f.c1 + 1, 2 * f.r1 + 1);
        } else {
            points.emplace_back(2 * f.c1, 2 * f.r1);
            points.emplace_back(2 * f.c2, 2 * f.r2);
            points.emplace_back(2 * f.c1, 2 * f.r2);
            points.emplace_back(2 * f.c2, 2 * f.r1);
        }
    }
    return points;
}

Figure figureDe(const Dessin& d, QPoint decalage)
{
    Figure figure;
    for (const Forme& f : d.formes) {
        const int x1 = (f.c1 + decalage.x()) * Cellule;
        const int y1 = (f.r1 + decalage.y()) * Cellule;
        if (f.genre == GenreColoriage) {
            figure.Ajouter(ElementDepuisPixels(GenreColoriage, x1 + Cellule / 2, y1 + Cellule / 2,
                                               0, 0, f.couleur, Cellule));
        } else {
            figure.Ajouter(ElementDepuisPixels(f.genre, x1, y1, (f.c2 + decalage.x()) * Cellule,
                                               (f.r2 + decalage.y()) * Cellule, CouleurBlanc, Cellule));
        }
    }
    return figure;
}

bool imagesDansLaGrille(const Quadrillage& g, const Figure& figure)
{
    for (int i = 1; i <= figure.NbElements; ++i)
        if (!ElementASymetrique(g, figure[i]))
            return false;
    return true;
}

// Where the drawing goes: its points stay in the grid on the model side, `ecart` cells
// (or more, when it cannot) from the axis, as near the middle of the grid as possible; a
// figure astride the axis (ecart < 0) is centred on it.
std::optional<QPoint> placer(const Quadrillage& g, const Dessin& d, int ecart)
{
    const std::vector<QPoint> points = pointsDoubles(d);
    std::optional<QPoint> meilleur;
    long meilleurScore = LONG_MAX;
    for (int dy = -12; dy <= NbCases; ++dy) {
        for (int dx = -12; dx <= NbCases; ++dx) {
            int plusPres = INT_MIN;
            int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
            bool dedans = true;
            for (QPoint p : points) {
                const int x = p.x() + 2 * dx;
                const int y = p.y() + 2 * dy;
                dedans = dedans && x >= 0 && y >= 0 && x <= 2 * NbCases && y <= 2 * NbCases;
                plusPres = std::max(plusPres, cote2(g, x, y));
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
            if (!dedans)
                continue;
            const bool astride = ecart < 0;
            if (!astride && plusPres > 0)
                continue;
            if (!imagesDansLaGrille(g, figureDe(d, {dx, dy})))
                continue;
            // Astride, the two ends of the figure are as far from the axis on either side.
            const int ecartManque = astride
                ? std::abs(cote2(g, minX, minY) + cote2(g, maxX, maxY))
                : std::abs(-plusPres - 2 * ecart);
            const long score = 1000L * ecartManque
                + std::abs(minX + maxX - 2 * NbCases) + std::abs(minY + maxY - 2 * NbCases);
            if (score < meilleurScore) {
                meilleurScore = score;
                meilleur = QPoint(dx, dy);
            }
        }
    }
    return meilleur;
}

Quadrillage grilleDe(const Exercice& e)
{
    Quadrillage g;
    g.NbColonnes = g.NbLignes = NbCases;
    g.TailleCase = Cellule;
    g.TypeAxe = e.typeAxe;
    g.DecalageAxe = e.typeAxe == AxePoint ? 0 : e.decalage;
    return g;
}

bool ecrire(const QString& dossier, const QString& nom, int numero, const Exercice& e)
{
    const Quadrillage g = grilleDe(e);
    const std::optional<QPoint> place = placer(g, e.dessin, e.ecart);
    if (!place) {
        std::fprintf(stderr, "orvane_exemples: %s cannot be placed\n", qPrintable(nom));
        return false;
    }
    ParametresEcriture parametres;
    parametres.NumeroExercice = numero;
    QString erreur;
    if (!EcrireExercice(QDir(dossier).filePath(nom), g, figureDe(e.dessin, *place), parametres,
                        &erreur)) {
        std::fprintf(stderr, "orvane_exemples: %s: %s\n", qPrintable(nom), qPrintable(erreur));
        return false;
    }
    return true;
}

Exercice ex(Dessin d, int ecart, Axe typeAxe = AxeVertical, int decalage = 0)
{
    return {std::move(d), typeAxe, decalage, ecart};
}

const QString Debutant = QStringLiteral("Série 1 - débutant");
const QString Confirme = QStringLiteral("Série 2 - confirmé");

// Exercise 2: lines about a vertical axis.
std::vector<Serie> seriesLignes()
{
    return {{Debutant, {ex(unTrait(), 1), ex(traitCouche(), 0), ex(traitPenche(), 1), ex(equerre(), 2),
                        ex(drapeau(), 1), ex(triangle(), 0), ex(carreCoupe(), 2), ex(rond(), 1)}},
            {Confirme, {ex(maison(), 1), ex(arbre(), 2), ex(eventail(), 0), ex(bateau(), 1),
                        ex(fusee(), 2), ex(fleur(), 1), ex(robot(), 1), ex(chateau(), 2)}}};
}

// Exercise 3: lines and colours about a vertical axis.
std::vector<Serie> seriesCouleurs()
{
    return {{Debutant, {ex(carreColorie(), 1), ex(rondColorie(), 2), ex(triangleColorie(), 0),
                        ex(carreDeuxCouleurs(), 1), ex(panneauCoupe(), -1), ex(arbreColorie(), 1),
                        ex(drapeauTroisBandes(), 2), ex(maisonColoriee(), 1)}},
            {Confirme, {ex(carreDeuxCouleurs(), 3), ex(maisonColoriee(), 0), ex(drapeauTroisBandes(), 0),
                        ex(panneauCoupe(), -1), ex(bateauColorie(), 1), ex(fleurColoriee(), 1),
                        ex(robotColorie(), 1), ex(robotColorie(), 3)}}};
}

// Exercise 4: every kind of axis, some shifted off the middle.
std::vector<Serie> seriesAxes()
{
    return {{Debutant, {ex(unTrait(), 1, AxeVertical), ex(traitCouche(), 1, AxeHorizontal),
                        ex(equerre(), 1, AxeObliqueHB), ex(drapeau(), 1, AxeObliqueBH),
                        ex(triangle(), 1, AxeVertical, -2), ex(carreCoupe(), 1, AxeHorizontal, 2),
                        ex(rond(), 1, AxeObliqueHB, 2), ex(maison(), 1, AxeObliqueBH, -2)}},
            {Confirme, {ex(arbre(), 0, AxeHorizontal, -1), ex(eventail(), 1, AxeObliqueHB, -3),
                        ex(bateau(), 1, AxeObliqueBH, 3), ex(fusee(), 2, AxeVertical, 3),
                        ex(fleur(), 1, AxeHorizontal, 1), ex(robot(), 1, AxeObliqueHB, 1),
                        ex(chateau(), 1, AxeObliqueBH, -1), ex(robot(), 2, AxeVertical, -3)}}};
}

// Exercise 5: symmetry about the centre point.
std::vector<Serie> seriesPoint()
{
    return {{Debutant, {ex(unTrait(), 1, AxePoint), ex(traitCouche(), 2, AxePoint),
                        ex(traitPenche(), 1, AxePoint), ex(equerre(), 1, AxePoint),
                        ex(drapeau(), 2, AxePoint), ex(triangle(), 1, AxePoint),
                        ex(carreCoupe(), 1, AxePoint), ex(rond(), 2, AxePoint)}},
            {Confirme, {ex(maison(), 1, AxePoint), ex(arbre(), 1, AxePoint), ex(eventail(), 1, AxePoint),
                        ex(bateau(), 1, AxePoint), ex(fusee(), 1, AxePoint), ex(fleur(), 1, AxePoint),
                        ex(robot(), 1, AxePoint), ex(chateau(), 1, AxePoint)}}};
}

bool ecrireSeries(const QString& racine, int numero, const std::vector<Serie>& series)
{
    bool reussi = true;
    for (const Serie& serie : series) {
        const QString dossier = QDir(racine).filePath(serie.nom);
        QDir().mkpath(dossier);
        for (size_t i = 0; i < serie.exercices.size(); ++i) {
            const QString nom = QStringLiteral("Exercice %1.ex%2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(numero);
            reussi = ecrire(dossier, nom, numero, serie.exercices[i]) && reussi;
        }
    }
    return reussi;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane_exemples OUTPUT_FOLDER\n");
        return 2;
    }
    const QString racine = QString::fromLocal8Bit(argv[1]);
    // Every type is written, even after one has failed.
    bool reussi = ecrireSeries(racine, 2, seriesLignes());
    reussi = ecrireSeries(racine, 3, seriesCouleurs()) && reussi;
    reussi = ecrireSeries(racine, 4, seriesAxes()) && reussi;
    reussi = ecrireSeries(racine, 5, seriesPoint()) && reussi;
    return reussi ? 0 : 1;
}
