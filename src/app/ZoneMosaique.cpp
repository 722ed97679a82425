#include "ZoneMosaique.h"

#include "Operations.h"

#include <QPainter>

ZoneMosaique::ZoneMosaique(QWidget* parent, std::function<QString()> image)
    : QWidget(parent)
    , image_(std::move(image))
{
}

void ZoneMosaique::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    DessinerMosaique(image_(), peintre, width(), height());
}
