#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// A widget that shows a picture the window draws into, and reports the mouse in the
// picture's pixels. The picture starts at the widget's top-left corner.
class SurfaceDessin : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceDessin(QWidget* parent);

    // The picture, white at this size, is made when it is first used: every window is
    // made at start-up, long before most are shown.
    void prevoirImage(QSize taille);
    QImage& image();
    const QImage& image() const;

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
    QSize taille_;
    mutable QImage image_;
};
