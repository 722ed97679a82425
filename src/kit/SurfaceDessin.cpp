#include "SurfaceDessin.h"

#include <QMouseEvent>
#include <QPainter>

SurfaceDessin::SurfaceDessin(QWidget* parent)
    : QWidget(parent)
{
}

void SurfaceDessin::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image_);
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
