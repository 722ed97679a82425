#include "GlyphesEleves.h"

#include "GlyphesBoutons.h"

#include <QPainter>

QIcon GlypheEntrainement()
{
    QPixmap toile = ToileTransparente(24);
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
