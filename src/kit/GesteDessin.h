#pragma once

// The pointer (mouse, finger or pen) on a drawing surface drives a drawing board and the rubber band of its
// stroke; every element the board makes is handed on to the window, which decides
// whether it joins the figure.

#include "PlancheDessin.h"

#include <QObject>
#include <QPoint>

class ApercuTrace;
class SurfaceDessin;

class GesteDessin : public QObject {
    Q_OBJECT
public:
    // The rubber band "PaintBox4" is laid over the surface.
    GesteDessin(SurfaceDessin* surface, PlancheDessin& planche);

    ApercuTrace* apercu() const { return apercu_; }

    void appuyer(QPoint point);
    void deplacer(QPoint point);
    void relacher(QPoint point);
    // Drops a stroke in progress and its rubber band (also when the system takes a touch
    // back).
    void abandonner();

signals:
    void appui();
    void elementDessine(const ElementFigure& element);

private:
    SurfaceDessin* surface_;
    PlancheDessin& planche_;
    ApercuTrace* apercu_;
};
