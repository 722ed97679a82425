#include "CalqueCorrection.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <cmath>

namespace {

// A quarter circle: centre at the first point, through the quadrant of the second.
QPainterPath quartDeCercle(QPoint centre, QPoint vers)
{
    const int r = std::abs(vers.x() - centre.x());
    const bool droite = vers.x() >= centre.x();
    const bool haut = vers.y() < centre.y();
    // Qt counts angles anticlockwise from three o'clock, with y downwards on screen.
    const double debut = droite ? (haut ? 0 : 270) : (haut ? 90 : 180);
    QPainterPath chemin;
    const QRectF boite(centre.x() - r, centre.y() - r, 2.0 * r, 2.0 * r);
    chemin.arcMoveTo(boite, debut);
    chemin.arcTo(boite, debut, 90);
    return chemin;
}

QPainterPath cheminElement(const ElementFigure& e, int tailleCase)
{
    const QPoint p1(e.X1, e.Y1);
    const QPoint p2(e.X2, e.Y2);
    QPainterPath chemin;
    switch (e.GenreElement) {
    case GenreTrait:
        chemin.moveTo(p1);
        chemin.lineTo(p2);
        break;
    case GenreRectangle:
        chemin.addRect(QRectF(p1, p2).normalized());
        break;
    case GenreCercle:
        chemin.addEllipse(QRectF(p1, p2).normalized());
        break;
    case GenreQuartDeCercle:
        chemin = quartDeCercle(p1, p2);
        break;
    default: // a painted area: a disc on its seed
        chemin.addEllipse(QPointF(p1), tailleCase / 3.0, tailleCase / 3.0);
        break;
    }
    return chemin;
}

} // namespace

CalqueCorrection::CalqueCorrection(QWidget* surface, int dureeMs)
    : QWidget(surface)
    , surface_(surface)
    , minuterie_(new QTimer(this))
{
    setObjectName(QStringLiteral("CalqueCorrection"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    minuterie_->setSingleShot(true);
    minuterie_->setInterval(dureeMs);
    connect(minuterie_, &QTimer::timeout, this, &CalqueCorrection::cacher);
    surface_->installEventFilter(this);
    hide();
}

void CalqueCorrection::montrer(std::vector<Trace> traces, int tailleCase, QImage zones)
{
    traces_ = std::move(traces);
    zones_ = std::move(zones);
    tailleCase_ = std::max(tailleCase, 1);
    setGeometry(surface_->rect());
    show();
    raise();
    update();
    minuterie_->start();
}

void CalqueCorrection::cacher()
{
    minuterie_->stop();
    if (isHidden())
        return;
    hide();
    traces_.clear();
    zones_ = QImage();
    emit cache();
}

void CalqueCorrection::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // In their own colours, exactly: seen through, red over green would look brown.
    if (!zones_.isNull())
        p.drawImage(0, 0, zones_);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal epaisseur = std::max(3.0, tailleCase_ / 5.0);
    for (const Trace& t : traces_) {
        QPen plume(t.couleur, epaisseur, t.pointille ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap);
        p.setPen(plume);
        p.setBrush(EstColoriage(t.element.GenreElement) ? QBrush(t.couleur) : QBrush());
        p.drawPath(cheminElement(t.element, tailleCase_));
    }
}

bool CalqueCorrection::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == surface_ && evenement->type() == QEvent::MouseButtonPress)
        cacher();
    return QWidget::eventFilter(objet, evenement);
}
