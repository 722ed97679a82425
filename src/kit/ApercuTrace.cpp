#include "ApercuTrace.h"

#include <QPainter>

ApercuTrace::ApercuTrace(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    hide();
}

void ApercuTrace::montrer(Genre outil, const CadreApercu& cadre)
{
    outil_ = outil;
    quadrant_ = cadre.quadrant;
    setGeometry(cadre.boite);
    show();
    raise();
    update();
}

void ApercuTrace::commencer()
{
    cacher();
    show();
}

void ApercuTrace::cacher()
{
    hide();
    setGeometry(0, 0, 0, 0);
}

namespace {
// The quarter of the ellipse centred on the corner where the stroke began, in the
// quadrant of the pointer. Qt's angles turn counter-clockwise from three o'clock.
void dessinerQuart(QPainter& p, QuadrantTrace quadrant, int w, int h)
{
    const int rx = w - 1;
    const int ry = h - 1;
    QPoint centre;
    int debut = 0;
    switch (quadrant) {
    case DroiteBas:
        centre = { 0, 0 };
        debut = 270;
        break;
    case GaucheBas:
        centre = { w, 0 };
        debut = 180;
        break;
    case GaucheHaut:
        centre = { w, h };
        debut = 90;
        break;
    case DroiteHaut:
        centre = { 0, h };
        debut = 0;
        break;
    }
    p.drawArc(QRect(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry), debut * 16, 90 * 16);
}
} // namespace

void ApercuTrace::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    const int w = width();
    const int h = height();
    switch (outil_) {
    case GenreTrait:
        if (quadrant_ == DroiteBas || quadrant_ == GaucheHaut)
            p.drawLine(0, 0, w, h);
        else
            p.drawLine(w, 0, 0, h);
        break;
    case GenreRectangle:
        p.drawRect(QRect(QPoint(1, 1), QPoint(w - 2, h - 2)));
        break;
    case GenreCercle:
        p.drawEllipse(QRect(QPoint(1, 1), QPoint(w - 2, h - 2)));
        break;
    case GenreQuartDeCercle:
        dessinerQuart(p, quadrant_, w, h);
        break;
    default:
        break;
    }
}
