#include "TForm1.h"

#include "ChoixExercice.h"
#include "Couleurs.h"
#include "Dessin.h"
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

void tracerPoint(QPainter& p, const Dimensions& t)
{
    const qint64 px = C * (t.n / 2);
    const qint64 py = C * (t.m / 2);
    p.drawEllipse(QRect(QPoint(int(px - 4), int(py - 4)), QPoint(int(px + 4), int(py + 4))));
}

void tracerQuadrillage(QPainter& p, const Dimensions& t)
{
    p.setPen(plume(CouleurGrisQuadrillage, 2));
    for (qint64 k = 0; k <= t.m; ++k)
        ligne(p, 0, C * k, C * t.n, C * k);
    for (qint64 k = 0; k <= t.n; ++k)
        ligne(p, C * k, 0, C * k, C * t.m);
}

// The axis line of a straight or oblique axis, from its top end.
QLine ligneAxe(Axe typeAxe, const Dimensions& t)
{
    const auto [n, m, d] = t;
    const auto point = [](qint64 x, qint64 y) { return QPoint(int(x), int(y)); };
    switch (typeAxe) {
    case AxeVertical: return {point(C * (n / 2 + d), 0), point(C * (n / 2 + d), C * m)};
    case AxeHorizontal: return {point(0, C * (m / 2 + d)), point(C * n, C * (m / 2 + d))};
    case AxeObliqueHB: return {point(C * d, 0), point(C * n, C * (m - d))};
    default: return {point(C * (n + d), 0), point(C * d, C * m)};
    }
}

bool axeDroitOuOblique(Axe typeAxe)
{
    return typeAxe >= AxeVertical && typeAxe <= AxeObliqueBH;
}

void tracerDisque(QPainter& p, const Dimensions& t)
{
    p.setBrush(QColor::fromRgb(VersQRgb(CouleurRougeAxe)));
    tracerPoint(p, t);
    p.setBrush(Qt::NoBrush);
}

// A centre point takes the axis pen too: its small ellipse grows into a disc about 16 pixels
// across, as visible on paper as an axis line.
void tracerAxe(QPainter& p, Axe typeAxe, const Dimensions& t)
{
    p.setPen(plume(CouleurRougeAxe, 8));
    if (axeDroitOuOblique(typeAxe))
        p.drawLine(ligneAxe(typeAxe, t));
    else if (typeAxe == AxePoint)
        tracerDisque(p, t);
}

// Exercise 3: the black lines beside the axis, 4 pixels from it, that hold the fills.
// Each is the axis line with its two ends moved along the edges they lie on.
void tracerBordsAxe(QPainter& p, Axe typeAxe, const Dimensions& t)
{
    constexpr int e = 4;
    struct Bords {
        QPoint debut1, fin1, debut2, fin2;
    };
    const Bords bords[] = {
        {{-e, 0}, {-e, 0}, {e, 0}, {e, 0}},  // vertical
        {{0, -e}, {0, -e}, {0, e}, {0, e}},  // horizontal
        {{0, e}, {-e, 0}, {e, 0}, {0, -e}},  // top-left to bottom-right
        {{-e, 0}, {0, -e}, {0, e}, {e, 0}}}; // bottom-left to top-right
    p.setPen(plume(CouleurNoir, 1));
    if (axeDroitOuOblique(typeAxe)) {
        const QLine axe = ligneAxe(typeAxe, t);
        const Bords& b = bords[Code(typeAxe) - Code(AxeVertical)];
        p.drawLine(axe.p1() + b.debut1, axe.p2() + b.fin1);
        p.drawLine(axe.p1() + b.debut2, axe.p2() + b.fin2);
    } else if (typeAxe == AxePoint) {
        tracerDisque(p, t);
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
            tracerQuadrillage(p, t);
            tracerAxe(p, grille.TypeAxe, t);
            if (numeroExercice == 3)
                tracerBordsAxe(p, grille.TypeAxe, t);
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
