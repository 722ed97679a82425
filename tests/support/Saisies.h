#pragma once

// The three ways a pupil draws, as the platform delivers them to a widget: the mouse, a
// finger on a touch screen (Qt's test touch screen, through the window system's road,
// which also makes the mouse events of a touch nobody took) and a pen (tablet events,
// the tip or the eraser end). Points are in the widget's coordinates.

#include <QPoint>
#include <QString>
#include <QVector>

class QPointingDevice;
class QWidget;

enum class Saisie { Souris, Doigt, Stylet };

inline const char* NomSaisie(Saisie s)
{
    return s == Saisie::Souris ? "souris" : s == Saisie::Doigt ? "doigt" : "stylet";
}

inline const Saisie Saisies[] = {Saisie::Souris, Saisie::Doigt, Saisie::Stylet};

QPointingDevice* EcranTactile();

// A press at `de`, moves through `passages` to `a`, a release there.
void Tracer(QWidget* zone, Saisie saisie, QPoint de, QPoint a, const QVector<QPoint>& passages = {});
// A press and a release on the same point.
void Toucher(QWidget* zone, Saisie saisie, QPoint point);
// The pen's eraser end put down and lifted at a point.
void Gommer(QWidget* zone, QPoint point);
// The mouse events a system makes from a touch that it also delivers as touch: press,
// move, release, flagged as made by the system.
void SourisDuSysteme(QWidget* zone, QPoint de, QPoint a);
