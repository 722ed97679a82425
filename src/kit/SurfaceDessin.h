#pragma once

#include "Figure.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <vector>

// What a drawing surface shows thicker on the classroom's board: the grid's axis (or
// centre) and the outlines of the figures drawn on it.
struct TraitsTableau {
    const Quadrillage* grille;
    std::vector<const Figure*> figures;
};

// A widget that shows a picture the window draws into, and reports the pointer (the
// mouse, a finger or a pen, EntreePointeur) in the picture's pixels. The picture starts at
// the widget's top-left corner.
class SurfaceDessin : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceDessin(QWidget* parent);

    // The picture, white at this size, is made when it is first used: every window is
    // made at start-up, long before most are shown.
    void prevoirImage(QSize taille);
    QImage& image();
    const QImage& image() const;

    // In board mode (EnModeTableau), the axis and the outlines the function names are
    // shown FacteurTraitTableau times thicker over the picture, to be seen from the back of
    // the classroom. Only the screen shows them: the picture, which the check reads, is
    // never drawn into.
    void epaissirAuTableau(std::function<TraitsTableau()> traits);

signals:
    void appui(QPoint point);
    void deplacement(QPoint point);
    void relachement(QPoint point);
    // The stroke was cut short (the system took the touch back).
    void abandon();
    // A pen's eraser end touched the picture there.
    void gommage(QPoint point);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    // The thick axis and outlines on a transparent picture of the picture's size, made
    // again when they change.
    const QImage& traitsEpais();

    QSize taille_;
    mutable QImage image_;
    std::function<TraitsTableau()> traits_;
    Quadrillage grilleEpaisse_;
    Figure contoursEpais_;
    QImage epais_;
};
