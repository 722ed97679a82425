#include "Saisies.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QTest>
#include <QWidget>

namespace {

const QPointingDevice* stylet(QPointingDevice::PointerType bout)
{
    static const QPointingDevice pointe(QStringLiteral("stylet"), 0x5701, QInputDevice::DeviceType::Stylus,
                                        QPointingDevice::PointerType::Pen,
                                        QInputDevice::Capability::Position | QInputDevice::Capability::Pressure,
                                        1, 3);
    static const QPointingDevice gomme(QStringLiteral("stylet"), 0x5702, QInputDevice::DeviceType::Stylus,
                                       QPointingDevice::PointerType::Eraser,
                                       QInputDevice::Capability::Position | QInputDevice::Capability::Pressure,
                                       1, 3);
    return bout == QPointingDevice::PointerType::Eraser ? &gomme : &pointe;
}

void envoyerStylet(QWidget* zone, QEvent::Type type, QPoint p, QPointingDevice::PointerType bout)
{
    const Qt::MouseButton bouton = type == QEvent::TabletMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons tenus = type == QEvent::TabletRelease ? Qt::NoButton : Qt::LeftButton;
    QTabletEvent e(type, stylet(bout), QPointF(p), zone->mapToGlobal(QPointF(p)), type == QEvent::TabletRelease ? 0.0 : 0.8,
                   0, 0, 0, 0, 0, Qt::NoModifier, bouton, tenus);
    QApplication::sendEvent(zone, &e);
}

void envoyerSouris(QWidget* zone, QEvent::Type type, QPoint p, Qt::MouseEventSource source)
{
    const Qt::MouseButton bouton = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons tenus = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(p), zone->mapTo(zone->window(), QPointF(p)), zone->mapToGlobal(QPointF(p)),
                  bouton, tenus, Qt::NoModifier, source);
    QApplication::sendEvent(zone, &e);
}

} // namespace

QPointingDevice* EcranTactile()
{
    static QPointingDevice* ecran = QTest::createTouchDevice();
    return ecran;
}

void Tracer(QWidget* zone, Saisie saisie, QPoint de, QPoint a, const QVector<QPoint>& passages)
{
    QVector<QPoint> chemin = passages;
    chemin << a;
    switch (saisie) {
    case Saisie::Souris:
        QTest::mousePress(zone, Qt::LeftButton, Qt::NoModifier, de);
        for (QPoint p : chemin)
            QTest::mouseMove(zone, p);
        QTest::mouseRelease(zone, Qt::LeftButton, Qt::NoModifier, a);
        break;
    case Saisie::Doigt: {
        auto doigt = QTest::touchEvent(zone, EcranTactile(), false);
        doigt.press(0, de, zone).commit();
        for (QPoint p : chemin)
            doigt.move(0, p, zone).commit();
        doigt.release(0, a, zone).commit();
        break;
    }
    case Saisie::Stylet:
        envoyerStylet(zone, QEvent::TabletPress, de, QPointingDevice::PointerType::Pen);
        for (QPoint p : chemin)
            envoyerStylet(zone, QEvent::TabletMove, p, QPointingDevice::PointerType::Pen);
        envoyerStylet(zone, QEvent::TabletRelease, a, QPointingDevice::PointerType::Pen);
        break;
    }
    QApplication::processEvents();
}

void Toucher(QWidget* zone, Saisie saisie, QPoint point)
{
    Tracer(zone, saisie, point, point);
}

void Gommer(QWidget* zone, QPoint point)
{
    envoyerStylet(zone, QEvent::TabletPress, point, QPointingDevice::PointerType::Eraser);
    envoyerStylet(zone, QEvent::TabletRelease, point, QPointingDevice::PointerType::Eraser);
}

void SourisDuSysteme(QWidget* zone, QPoint de, QPoint a)
{
    envoyerSouris(zone, QEvent::MouseButtonPress, de, Qt::MouseEventSynthesizedBySystem);
    envoyerSouris(zone, QEvent::MouseMove, a, Qt::MouseEventSynthesizedBySystem);
    envoyerSouris(zone, QEvent::MouseButtonRelease, a, Qt::MouseEventSynthesizedBySystem);
}
