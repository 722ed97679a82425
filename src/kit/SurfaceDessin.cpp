#include "SurfaceDessin.h"

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

// Laid over the picture by multiplying: white leaves the picture as it is, black covers it.
void SurfaceDessin::paintEvent(QPaintEvent* evenement)
{
    QPainter p(this);
    p.drawImage(0, 0, image());
    if (!traits_ || !EnModeTableau(this))
        return;
    const QRect zone = evenement->rect();
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.drawImage(zone, traitsEpais(), zone);
}

// The outlines drawn as the editor draws them, where the pen's width makes the line, be
// it a segment, a circle or an arc; painted areas are already seen in the picture.
const QImage& SurfaceDessin::traitsEpais()
{
    const TraitsTableau traits = traits_();
    Figure contours;
    for (const Figure* figure : traits.figures)
        for (int i = 1; i <= figure->NbElements; ++i)
            if (!EstColoriage((*figure)[i].GenreElement))
                contours.Ajouter((*figure)[i]);
    const int epaisseur = FacteurTraitTableau * traits.epaisseurTrait;
    if (epais_.size() != image().size() || contours != contoursEpais_ || epaisseur != epaisseurEpais_) {
        epais_ = NouvelleImage(image().width(), image().height());
        DessinerFigure(epais_, contours, Rendu::Editeur, epaisseur);
        contoursEpais_ = contours;
        epaisseurEpais_ = epaisseur;
    }
    return epais_;
}
