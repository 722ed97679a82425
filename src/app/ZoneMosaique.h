#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// A drawing area that tiles a picture file over itself; the file is asked for at each
// painting, so a window only has to repaint the area after changing its picture. The
// picture is read again only when the file's name, date or size has changed.
class ZoneMosaique : public QWidget {
    Q_OBJECT
public:
    ZoneMosaique(QWidget* parent, std::function<QString()> image);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    std::function<QString()> image_;
    QString cle_;    // file, date and size of the picture loaded
    QImage charge_;
};
