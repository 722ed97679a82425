#include "ImagesBoutons.h"

#include "Couleurs.h"
#include "Operations.h"
#include "ReglesEditeur.h"

#include <QPainter>
#include <QCursor>
#include <QPixmap>

namespace {
constexpr int Cote = 32;

void dessinerGomme(QPainter& p)
{
    // A tilted rubber block, pink body and blue sleeve.
    p.translate(16, 16);
    p.rotate(-35);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(0xF4, 0x9A, 0xB0));
    p.drawRoundedRect(QRectF(-12, -6, 12, 12), 2, 2);
    p.setBrush(QColor(0x40, 0x70, 0xD0));
    p.drawRoundedRect(QRectF(0, -6, 12, 12), 2, 2);
}

void dessinerOutil(QPainter& p, int outil)
{
    p.setPen(QPen(Qt::black, 2.5));
    p.setBrush(Qt::NoBrush);
    switch (outil) {
    case Outil::Trait:
        p.drawLine(QPointF(5, 27), QPointF(27, 5));
        break;
    case Outil::Rectangle:
        p.drawRect(QRectF(5, 8, 22, 16));
        break;
    case Outil::Cercle:
        p.drawEllipse(QRectF(5, 5, 22, 22));
        break;
    case Outil::QuartDeCercle:
        p.drawArc(QRectF(-17, 5, 44, 44), 0, 90 * 16);
        break;
    default:
        dessinerGomme(p);
        break;
    }
}
} // namespace

QIcon ImageOutil(int outil)
{
    // The paint tool shows the pot that becomes the window's cursor.
    if (outil == Outil::Peinture)
        return QIcon(CurseurProgramme(1).pixmap());
    QPixmap image(Cote, Cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    dessinerOutil(p, outil);
    return QIcon(image);
}

QIcon ImageCouleur(quint32 couleur)
{
    QPixmap image(Cote, Cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor::fromRgb(VersQRgb(couleur)));
    p.drawRoundedRect(QRectF(3.5, 3.5, 25, 25), 4, 4);
    return QIcon(image);
}
