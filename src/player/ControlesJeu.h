#pragma once

// The clickable eraser markers of the player window.

#include <QLabel>

// A small panel that reports a click with its tag.
class Marqueur : public QLabel {
    Q_OBJECT
public:
    Marqueur(int etiquette, QWidget* parent);
    int etiquette() const { return etiquette_; }

signals:
    void clique(int etiquette);

protected:
    void mousePressEvent(QMouseEvent* evenement) override;

private:
    int etiquette_;
};
