#include "ControlesJeu.h"

#include <QMouseEvent>
#include <QPainter>

SurfaceJeu::SurfaceJeu(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceJeu::preparerImage()
{
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void SurfaceJeu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void SurfaceJeu::mousePressEvent(QMouseEvent* evenement)
{
    emit appui(evenement->position().toPoint());
}

void SurfaceJeu::mouseMoveEvent(QMouseEvent* evenement)
{
    emit deplacement(evenement->position().toPoint());
}

void SurfaceJeu::mouseReleaseEvent(QMouseEvent* evenement)
{
    emit relachement(evenement->position().toPoint());
}

Marqueur::Marqueur(int etiquette, QWidget* parent)
    : QLabel(parent)
    , etiquette_(etiquette)
{
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
}

void Marqueur::mousePressEvent(QMouseEvent* evenement)
{
    if (evenement->button() == Qt::LeftButton)
        emit clique(etiquette_);
}
