#pragma once

// Small controls of the player window: the drawing surface and the clickable eraser
// markers.

#include <QImage>
#include <QLabel>
#include <QWidget>

// Image1: shows the picture that the check reads and reports the mouse in picture
// pixels. Disabled, it receives no mouse at all.
class SurfaceJeu : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceJeu(QWidget* parent);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // A picture of the widget's size, filled white.
    void preparerImage();

signals:
    void appui(QPoint point);
    void deplacement(QPoint point);
    void relachement(QPoint point);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    QImage image_;
};

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
