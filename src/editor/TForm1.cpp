#include "TForm1.h"

#include "ChoixExercice.h"
#include "Couleurs.h"
#include "Dessin.h"
#include "GeometrieGrille.h"
#include "Dialogues.h"
#include "Enregistrements.h"
#include "Contexte.h"
#include "SauvegardeExercice.h"

#include <QBuffer>
#include <QPainter>

#include <algorithm>

namespace {
constexpr qint64 C = TForm1::PixelsParCase;

QPen plume(quint32 couleur, int largeur)
{
    QPen p(QColor::fromRgb(VersQRgb(couleur)));
    p.setWidth(largeur);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void ligne(QPainter& p, qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    p.drawLine(QPoint(int(x1), int(y1)), QPoint(int(x2), int(y2)));
}

struct Dimensions {
    qint64 n, m, d;
};

// A shift far beyond the grid draws nothing in it either way; holding it there keeps
// every coordinate small whatever a file claimed.
Dimensions dimensions(const Quadrillage& g)
{
    const qint64 n = g.NbColonnes;
    const qint64 m = g.NbLignes;
    return {n, m, std::clamp<qint64>(g.DecalageAxe, -(n + m), n + m)};
}

// The grid at the export's cells, its shift held as above.
Quadrillage grilleExportee(const Quadrillage& g, const Dimensions& t)
{
    Quadrillage exportee = g;
    exportee.TailleCase = int(C);
    exportee.DecalageAxe = qint32(t.d);
    return exportee;
}

void ligne(QPainter& p, const Segment64& s)
{
    ligne(p, s.x1, s.y1, s.x2, s.y2);
}

void tracerQuadrillage(QPainter& p, const Dimensions& t)
{
    p.setPen(plume(CouleurGrisQuadrillage, 2));
    for (qint64 k = 0; k <= t.m; ++k)
        ligne(p, 0, C * k, C * t.n, C * k);
    for (qint64 k = 0; k <= t.n; ++k)
        ligne(p, C * k, 0, C * k, C * t.m);
}

void tracerDisque(QPainter& p, const Quadrillage& g)
{
    const auto [px, py] = CentreGrille(g);
    p.setBrush(QColor::fromRgb(VersQRgb(CouleurRougeAxe)));
    p.drawEllipse(QRect(QPoint(int(px - 4), int(py - 4)), QPoint(int(px + 4), int(py + 4))));
    p.setBrush(Qt::NoBrush);
}

// A centre point takes the axis pen too: its small ellipse grows into a disc about 16 pixels
// across, as visible on paper as an axis line.
void tracerAxe(QPainter& p, const Quadrillage& g)
{
    p.setPen(plume(CouleurRougeAxe, 8));
    if (const std::optional<Segment64> axe = SegmentAxe(g))
        ligne(p, *axe);
    else if (g.TypeAxe == AxePoint)
        tracerDisque(p, g);
}

// Exercise 3: the black lines beside the axis, 4 pixels from it, that hold the fills.
void tracerBordsAxe(QPainter& p, const Quadrillage& g)
{
    p.setPen(plume(CouleurNoir, 1));
    if (const auto bords = BordsAxe(g, 4)) {
        for (const Segment64& bord : *bords)
            ligne(p, bord);
    } else if (g.TypeAxe == AxePoint) {
        tracerDisque(p, g);
    }
}

void tracerCadre(QPainter& p, const Dimensions& t)
{
    p.setPen(plume(CouleurNoir, 2));
    ligne(p, 0, 0, C * t.n + 1, 0);
    ligne(p, 0, 0, 0, C * t.m + 1);
    ligne(p, 0, C * t.m, C * t.n + 1, C * t.m);
    ligne(p, C * t.n, 0, C * t.n, C * t.m + 1);
}
} // namespace

TForm1::TForm1(const Contexte& contexte, QWidget* parent)
    : QWidget(parent)
    , contexte_(contexte)
{
    setObjectName(QStringLiteral("Form1"));
}

QImage TForm1::ImageExercice(const Quadrillage& grille, const Figure& figure, int numeroExercice)
{
    // 13 MB that only an export needs: made then, not at start-up with every window.
    if (Image1.isNull())
        Image1 = NouvelleImage(CoteImage, CoteImage);
    EffacerImage(Image1);
    const Dimensions t = dimensions(grille);
    if (figure.NbElements > 0) {
        {
            QPainter p(&Image1);
            const Quadrillage exportee = grilleExportee(grille, t);
            tracerQuadrillage(p, t);
            tracerAxe(p, exportee);
            if (numeroExercice == 3)
                tracerBordsAxe(p, exportee);
            tracerCadre(p, t);
        }
        // The shapes at their nodes and the seeds at the same place in their cells.
        Figure agrandie = figure;
        AdapterTailleCase(agrandie, PixelsParCase, grille.TailleCase);
        DessinerFigure(Image1, agrandie, Rendu::Editeur, 2 * grille.EpaisseurTrait);
    }
    const auto cote = [](qint64 cases) { return int(std::clamp<qint64>(C * cases + 2, 1, CoteImage)); };
    return Image1.copy(0, 0, cote(t.n), cote(t.m));
}

bool TForm1::exporterExercice(const Quadrillage& grille, const Figure& figure,
                              const QString& nomPropose)
{
    const QImage image = ImageExercice(grille, figure, contexte_.numeroExercice);
    DemandeFichier demande;
    demande.titre = QStringLiteral("Enregistrer pour imprimer");
    demande.dossierInitial = SousDossierExercices(contexte_.dossierExercices.dossier(), QStringLiteral("Exercices à imprimer"));
    demande.nomPropose = nomPropose;
    demande.filtre = QStringLiteral("*.bmp");
    demande.extensionParDefaut = QStringLiteral("bmp");
    const QString chemin = dialogues().enregistrerFichier(demande);
    if (chemin.isEmpty())
        return false;
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "BMP");
    QString erreur;
    if (ecrireFichier(chemin, octets, &erreur))
        return true;
    avertir(messageErreurFichier(chemin, erreur));
    return false;
}
