#include "CalqueCorrection.h"

#include "GeometrieGrille.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace {

// An outline as the player draws it; a painted area, which has none, as a disc on its seed.
QPainterPath cheminTrace(const ElementFigure& e, int tailleCase)
{
    if (!EstColoriage(e.GenreElement))
        return CheminContour(e);
    QPainterPath disque;
    disque.addEllipse(QPointF(e.X1, e.Y1), tailleCase / 3.0, tailleCase / 3.0);
    return disque;
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
        p.drawPath(cheminTrace(t.element, tailleCase_));
    }
}

bool CalqueCorrection::eventFilter(QObject* objet, QEvent* evenement)
{
    const QEvent::Type type = evenement->type();
    if (objet == surface_
        && (type == QEvent::MouseButtonPress || type == QEvent::TouchBegin || type == QEvent::TabletPress))
        cacher();
    return QWidget::eventFilter(objet, evenement);
}
