#include "ZoneMosaique.h"

#include "Operations.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPainter>

ZoneMosaique::ZoneMosaique(QWidget* parent, std::function<QString()> image)
    : QWidget(parent)
    , image_(std::move(image))
{
}

void ZoneMosaique::paintEvent(QPaintEvent*)
{
    const QString fichier = image_();
    const QFileInfo info(fichier);
    const bool lisible = !fichier.isEmpty() && info.isFile();
    const QString cle = lisible ? fichier + QLatin1Char('|') + info.lastModified().toString(Qt::ISODateWithMs)
            + QLatin1Char('|') + QString::number(info.size())
                                : QString();
    if (cle != cle_) {
        cle_ = cle;
        charge_ = lisible ? QImage(fichier) : QImage();
    }
    QPainter peintre(this);
    PaverImage(charge_, peintre, width(), height());
}
