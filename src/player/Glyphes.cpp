#include "Glyphes.h"

#include "Couleurs.h"
#include "GesteSouris.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
constexpr int Cote = 32;

QPixmap toile()
{
    QPixmap dessin(Cote, Cote);
    dessin.fill(Qt::transparent);
    return dessin;
}

void peindrePot(QPainter& p)
{
    // A tilted paint pot pouring a drop.
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(0xE0, 0xE0, 0xE0));
    p.save();
    p.translate(16, 15);
    p.rotate(-30);
    p.drawRect(QRectF(-7, -8, 14, 16));
    p.setBrush(QColor(0x20, 0x60, 0xE0));
    p.drawRect(QRectF(-7, -8, 14, 4));
    p.restore();
    QPainterPath goutte;
    goutte.moveTo(6, 18);
    goutte.cubicTo(2, 24, 3, 29, 7, 29);
    goutte.cubicTo(11, 29, 11, 24, 6, 18);
    p.setBrush(QColor(0x20, 0x60, 0xE0));
    p.drawPath(goutte);
}

void peindreOutil(QPainter& p, int outil)
{
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    switch (outil) {
    case GenreTrait:
        p.drawLine(5, 27, 27, 5);
        break;
    case GenreRectangle:
        p.drawRect(QRectF(5, 8, 22, 16));
        break;
    case GenreCercle:
        p.drawEllipse(QRectF(5, 5, 22, 22));
        break;
    case GenreQuartDeCercle:
        p.drawArc(QRectF(-17, 5, 44, 44), 0, 90 * 16);
        break;
    case GenreColoriage:
        peindrePot(p);
        break;
    default:
        break;
    }
}
} // namespace

QIcon GlypheOutil(int outil)
{
    QPixmap dessin = toile();
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    peindreOutil(p, outil);
    p.end();
    return QIcon(dessin);
}

QIcon GlypheGomme()
{
    QPixmap dessin = toile();
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(-35);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(0xF0, 0x80, 0xA0));
    p.drawRoundedRect(QRectF(-12, -6, 15, 12), 2, 2);
    p.setBrush(QColor(0x40, 0x70, 0xD0));
    p.drawRoundedRect(QRectF(3, -6, 9, 12), 2, 2);
    p.end();
    return QIcon(dessin);
}

QIcon GlypheCouleur(quint32 couleurBGR)
{
    QPixmap dessin = toile();
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor::fromRgb(VersQRgb(couleurBGR)));
    p.drawRoundedRect(QRectF(3, 3, 26, 26), 5, 5);
    p.end();
    return QIcon(dessin);
}

QIcon GlypheAide()
{
    QPixmap dessin = toile();
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x00, 0x00, 0x80), 1.5));
    p.setBrush(QColor(0xFF, 0xF0, 0x60));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    QFont police(QStringLiteral("Times New Roman"));
    police.setPixelSize(22);
    police.setBold(true);
    p.setFont(police);
    p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, QStringLiteral("?"));
    p.end();
    return QIcon(dessin);
}
