#include "TForm1.h"

#include "ChoixExercice.h"
#include "Couleurs.h"
#include "Dessin.h"
#include "Dialogues.h"
#include "Enregistrements.h"
#include "EtatPartage.h"
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

void tracerAxe(QPainter& p, int typeAxe, const Dimensions& t)
{
    const auto [n, m, d] = t;
    p.setPen(plume(CouleurRougeAxe, 8));
    switch (typeAxe) {
    case AxeVertical: ligne(p, C * (n / 2 + d), 0, C * (n / 2 + d), C * m); break;
    case AxeHorizontal: ligne(p, 0, C * (m / 2 + d), C * n, C * (m / 2 + d)); break;
    case AxeObliqueHB: ligne(p, C * d, 0, C * n, C * (m - d)); break;
    case AxeObliqueBH: ligne(p, C * (n + d), 0, C * d, C * m); break;
    case AxePoint:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(VersQRgb(CouleurRougeAxe)));
        tracerPoint(p, t);
        p.setBrush(Qt::NoBrush);
        break;
    default: break;
    }
}

// Exercise 3: the black lines beside the axis, 4 pixels from it, that hold the fills.
void tracerBordsAxe(QPainter& p, int typeAxe, const Dimensions& t)
{
    const auto [n, m, d] = t;
    constexpr qint64 e = 4;
    p.setPen(plume(CouleurNoir, 1));
    switch (typeAxe) {
    case AxeVertical:
        ligne(p, C * (n / 2 + d) - e, 0, C * (n / 2 + d) - e, C * m);
        ligne(p, C * (n / 2 + d) + e, 0, C * (n / 2 + d) + e, C * m);
        break;
    case AxeHorizontal:
        ligne(p, 0, C * (m / 2 + d) - e, C * n, C * (m / 2 + d) - e);
        ligne(p, 0, C * (m / 2 + d) + e, C * n, C * (m / 2 + d) + e);
        break;
    case AxeObliqueHB:
        ligne(p, C * d, e, C * n - e, C * (m - d));
        ligne(p, C * d + e, 0, C * n, C * (m - d) - e);
        break;
    case AxeObliqueBH:
        ligne(p, C * (n + d) - e, 0, C * d, C * m - e);
        ligne(p, C * (n + d), e, C * d + e, C * m);
        break;
    case AxePoint:
        p.setBrush(QColor::fromRgb(VersQRgb(CouleurRougeAxe)));
        tracerPoint(p, t);
        p.setBrush(Qt::NoBrush);
        break;
    default: break;
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

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
    , Image1(NouvelleImage(CoteImage, CoteImage))
{
    setObjectName(QStringLiteral("Form1"));
}

QImage TForm1::ImageExercice(const Quadrillage& grille, const Figure& figure, int numeroExercice)
{
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

bool TForm1::exporterExercice(const Quadrillage& grille, const Figure& figure)
{
    const QImage image = ImageExercice(grille, figure, NumeroExercice);
    DemandeFichier demande;
    demande.titre = QStringLiteral("Enregistrer pour imprimer");
    demande.dossierInitial = SousDossierExercices(QStringLiteral("Exercices à imprimer"));
    demande.nomPropose = NomExerciceChoisi;
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
