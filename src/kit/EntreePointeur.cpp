#include "EntreePointeur.h"

#include <QMouseEvent>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QTouchEvent>
#include <QWidget>

namespace {

// The mouse events made from a touch or a pen: the touch or the pen itself is taken.
bool faitDuToucherOuDuStylet(const QMouseEvent& e)
{
    if (e.source() == Qt::MouseEventSynthesizedBySystem || e.source() == Qt::MouseEventSynthesizedByQt)
        return true;
    const QPointingDevice* appareil = e.pointingDevice();
    return appareil && appareil->type() == QInputDevice::DeviceType::TouchScreen;
}

const QEventPoint* pointDe(const QTouchEvent& e, int id)
{
    for (const QEventPoint& p : e.points())
        if (p.id() == id)
            return &p;
    return nullptr;
}

} // namespace

EntreePointeur::EntreePointeur(QWidget* zone, Qt::MouseButtons boutons)
    : QObject(zone)
    , zone_(zone)
    , boutons_(boutons)
{
    zone->setAttribute(Qt::WA_AcceptTouchEvents);
    zone->installEventFilter(this);
}

bool EntreePointeur::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != zone_ || !zone_->isEnabled())
        return false;
    switch (evenement->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return souris(evenement);
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return toucher(evenement);
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return stylet(evenement);
    default:
        return false;
    }
}

// A double click is one more press, as the widget's own handler would take it.
bool EntreePointeur::souris(QEvent* evenement)
{
    const auto& e = static_cast<const QMouseEvent&>(*evenement);
    if (faitDuToucherOuDuStylet(e) || (source_ != Source::Aucune && source_ != Source::Souris))
        return true;
    if (e.type() != QEvent::MouseMove && !(e.button() & boutons_))
        return true;
    const QPoint point = e.position().toPoint();
    switch (e.type()) {
    case QEvent::MouseMove:
        emit deplacement(point);
        break;
    case QEvent::MouseButtonRelease:
        if (!(e.buttons() & boutons_))
            source_ = Source::Aucune;
        emit relachement(point);
        break;
    default:
        source_ = Source::Souris;
        emit appui(point);
        break;
    }
    return true;
}

bool EntreePointeur::toucher(QEvent* evenement)
{
    auto& e = static_cast<QTouchEvent&>(*evenement);
    e.accept();
    if (e.type() == QEvent::TouchBegin) {
        if (source_ != Source::Aucune || e.points().isEmpty())
            return true;
        source_ = Source::Doigt;
        doigt_ = e.points().first().id();
        prendreFocus();
        emit appui(e.points().first().position().toPoint());
        return true;
    }
    if (source_ != Source::Doigt)
        return true;
    const QEventPoint* doigt = doigt_ < 0 ? nullptr : pointDe(e, doigt_);
    const bool fin = e.type() == QEvent::TouchEnd || e.type() == QEvent::TouchCancel;
    if (doigt) {
        if (e.type() == QEvent::TouchCancel) {
            emit abandon();
        } else if (fin || doigt->state() == QEventPoint::State::Released) {
            emit relachement(doigt->position().toPoint());
            doigt_ = -1;
        } else if (doigt->state() == QEventPoint::State::Updated) {
            emit deplacement(doigt->position().toPoint());
        }
    }
    // The other fingers may stay down after the one that drew: nothing starts until the
    // last one is lifted.
    if (fin) {
        source_ = Source::Aucune;
        doigt_ = -1;
    }
    return true;
}

bool EntreePointeur::stylet(QEvent* evenement)
{
    auto& e = static_cast<QTabletEvent&>(*evenement);
    e.accept();
    const QPoint point = e.position().toPoint();
    const bool gomme = e.pointerType() == QPointingDevice::PointerType::Eraser;
    switch (e.type()) {
    case QEvent::TabletPress:
        if (source_ != Source::Aucune)
            break;
        source_ = Source::Stylet;
        gomme_ = gomme;
        prendreFocus();
        if (gomme)
            emit gommage(point);
        else
            emit appui(point);
        break;
    case QEvent::TabletMove:
        if (source_ == Source::Stylet && !gomme_)
            emit deplacement(point);
        break;
    default:
        if (source_ != Source::Stylet)
            break;
        source_ = Source::Aucune;
        if (!gomme_)
            emit relachement(point);
        break;
    }
    return true;
}

// As a click gives the keyboard to a widget that takes it from the mouse.
void EntreePointeur::prendreFocus()
{
    if (zone_->focusPolicy() & Qt::ClickFocus)
        zone_->setFocus(Qt::MouseFocusReason);
}
