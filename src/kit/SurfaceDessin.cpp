#include "SurfaceDessin.h"

#include "Dessin.h"

#include <QMouseEvent>
#include <QPainter>

SurfaceDessin::SurfaceDessin(QWidget* parent)
    : QWidget(parent)
{
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

void SurfaceDessin::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image());
}

void SurfaceDessin::mousePressEvent(QMouseEvent* evenement)
{
    emit appui(evenement->position().toPoint());
}

void SurfaceDessin::mouseMoveEvent(QMouseEvent* evenement)
{
    emit deplacement(evenement->position().toPoint());
}

void SurfaceDessin::mouseReleaseEvent(QMouseEvent* evenement)
{
    emit relachement(evenement->position().toPoint());
}
