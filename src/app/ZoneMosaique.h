#pragma once

#include <QWidget>

#include <functional>

// A drawing area that tiles a picture file over itself; the file is asked for at each
// painting, so a window only has to repaint the area after changing its picture.
class ZoneMosaique : public QWidget {
    Q_OBJECT
public:
    ZoneMosaique(QWidget* parent, std::function<QString()> image);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    std::function<QString()> image_;
};
