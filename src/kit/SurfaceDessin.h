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

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

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
