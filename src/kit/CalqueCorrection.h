#pragma once

#include "Figure.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <vector>

class QTimer;

// A see-through layer over a drawing surface that shows outlines in colour for a few
// seconds (the help after "Faux", the solution). It lets every click through; a press on
// the surface takes it away at once.
class CalqueCorrection : public QWidget {
    Q_OBJECT
public:
    struct Trace {
        ElementFigure element;
        QColor couleur;
        bool pointille = false;
    };

    CalqueCorrection(QWidget* surface, int dureeMs);
    // Painted areas come as a picture of the surface's size, transparent where there is
    // none, laid under the outlines.
    void montrer(std::vector<Trace> traces, int tailleCase, QImage zones = {});
    void cacher();
    const std::vector<Trace>& traces() const { return traces_; }
    const QImage& zones() const { return zones_; }

signals:
    void cache();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QWidget* surface_;
    QTimer* minuterie_;
    std::vector<Trace> traces_;
    QImage zones_;
    int tailleCase_ = 1;
};
