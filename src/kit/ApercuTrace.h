#pragma once

#include "GesteSouris.h"

#include <QWidget>

// The dotted rubber band shown while a stroke is drawn. It is a separate transparent
// widget over the picture, so the picture that the check reads never holds it.
class ApercuTrace : public QWidget {
    Q_OBJECT
public:
    explicit ApercuTrace(QWidget* parent);

    // A stroke starts: shown, still empty, until the pointer moves.
    void commencer();
    // Shows the shape of the tool in the box, which is in the parent's coordinates.
    void montrer(Genre outil, const CadreApercu& cadre);
    void cacher();

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    Genre outil_ = GenreTrait;
    QuadrantTrace quadrant_ = DroiteBas;
};
