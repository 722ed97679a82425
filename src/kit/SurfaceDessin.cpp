#include "SurfaceDessin.h"

#include "Couleurs.h"
#include "Dessin.h"
#include "EntreePointeur.h"
#include "Tableau.h"

#include <QPaintEvent>
#include <QPainter>

SurfaceDessin::SurfaceDessin(QWidget* parent)
    : QWidget(parent)
{
    auto* entree = new EntreePointeur(this);
    connect(entree, &EntreePointeur::appui, this, &SurfaceDessin::appui);
    connect(entree, &EntreePointeur::deplacement, this, &SurfaceDessin::deplacement);
    connect(entree, &EntreePointeur::relachement, this, &SurfaceDessin::relachement);
    connect(entree, &EntreePointeur::abandon, this, &SurfaceDessin::abandon);
    connect(entree, &EntreePointeur::gommage, this, &SurfaceDessin::gommage);
}

void SurfaceDessin::prevoirImage(QSize taille)
{
    taille_ = taille;
    image_ = QImage();
}

const QImage& SurfaceDessin::image() const
{
    if (image_.isNull() && !taille_.isEmpty())
        image_ = NouvelleImage(taille_.width(), taille_.height());
    return image_;
}

QImage& SurfaceDessin::image()
{
    return const_cast<QImage&>(std::as_const(*this).image());
}

void SurfaceDessin::epaissirAuTableau(std::function<TraitsTableau()> traits)
{
    traits_ = std::move(traits);
    update();
}

void SurfaceDessin::paintEvent(QPaintEvent* evenement)
{
    QPainter p(this);
    p.drawImage(0, 0, image());
    if (!traits_ || !EnModeTableau(this))
        return;
    const QRect zone = evenement->rect();
    p.drawImage(zone, traitsEpais(), zone);
}

namespace {

bool operator==(const Quadrillage& a, const Quadrillage& b)
{
    return a.NbColonnes == b.NbColonnes && a.NbLignes == b.NbLignes && a.TailleCase == b.TailleCase
        && a.TypeAxe == b.TypeAxe && a.DecalageAxe == b.DecalageAxe
        && a.EpaisseurQuadrillage == b.EpaisseurQuadrillage && a.EpaisseurTrait == b.EpaisseurTrait;
}

// The outlines black and the axis red where the picture's own rules draw them with thicker
// pens, everything else transparent. The axis is taken from a grid drawn with thicker lines
// (its grey lines are left out); the outlines are drawn as the editor draws them, where
// the pen's width makes the line, be it a segment, a circle or an arc. Painted areas are
// seen in the picture.
QImage dessinerEpais(QSize taille, const Quadrillage& grille, const Figure& contours)
{
    Quadrillage epaisse = grille;
    epaisse.EpaisseurQuadrillage = quint8(FacteurTraitTableau * grille.EpaisseurQuadrillage);
    QImage axe = NouvelleImage(taille.width(), taille.height());
    DessinerQuadrillage(axe, epaisse, 2, Rendu::Joueur);
    QImage traits = NouvelleImage(taille.width(), taille.height());
    DessinerFigure(traits, contours, Rendu::Editeur, FacteurTraitTableau * grille.EpaisseurTrait);

    QImage calque(taille, QImage::Format_ARGB32_Premultiplied);
    calque.fill(Qt::transparent);
    const QRgb noir = VersQRgb(CouleurNoir) | 0xFF000000u;
    const QRgb rouge = VersQRgb(CouleurRougeAxe) | 0xFF000000u;
    const int cote = grille.TailleCase * std::max(grille.NbColonnes, grille.NbLignes) + 4;
    for (int y = 0; y < std::min(taille.height(), std::max(cote, 0)); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(std::as_const(axe).constScanLine(y));
        const auto* t = reinterpret_cast<const QRgb*>(std::as_const(traits).constScanLine(y));
        auto* c = reinterpret_cast<QRgb*>(calque.scanLine(y));
        for (int x = 0; x < std::min(taille.width(), cote); ++x) {
            if ((t[x] | 0xFF000000u) == noir)
                c[x] = noir;
            else if ((a[x] | 0xFF000000u) == rouge)
                c[x] = rouge;
        }
    }
    return calque;
}

} // namespace

const QImage& SurfaceDessin::traitsEpais()
{
    const TraitsTableau traits = traits_();
    Figure contours;
    for (const Figure* figure : traits.figures)
        for (int i = 1; i <= figure->NbElements; ++i)
            if (!EstColoriage((*figure)[i].GenreElement))
                contours.Ajouter((*figure)[i]);
    if (epais_.size() != image().size() || !(*traits.grille == grilleEpaisse_) || contours != contoursEpais_) {
        epais_ = dessinerEpais(image().size(), *traits.grille, contours);
        grilleEpaisse_ = *traits.grille;
        contoursEpais_ = contours;
    }
    return epais_;
}
