#include "GlyphesEleves.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
constexpr int Cote = 24;

QPixmap toileVide()
{
    QPixmap toile(Cote, Cote);
    toile.fill(Qt::transparent);
    return toile;
}
} // namespace

QIcon GlypheValider()
{
    QPixmap toile = toileVide();
    QPainter p(&toile);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath coche;
    coche.moveTo(3, 13);
    coche.lineTo(9, 19);
    coche.lineTo(21, 5);
    p.setPen(QPen(QColor(0, 0x90, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coche);
    return QIcon(toile);
}

QIcon GlypheEntrainement()
{
    QPixmap toile = toileVide();
    QPainter p(&toile);
    p.setRenderHint(QPainter::Antialiasing);
    // Three speed lines behind the ball.
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 2, Qt::SolidLine, Qt::RoundCap));
    for (int y : {8, 12, 16})
        p.drawLine(2, y, 8, y);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xFF, 0xC0, 0x20));
    p.drawEllipse(QRectF(10, 4, 13, 13));
    p.setPen(QPen(QColor(0xD0, 0x30, 0x20), 2));
    p.drawArc(QRectF(10, 4, 13, 13), 30 * 16, 120 * 16);
    return QIcon(toile);
}
