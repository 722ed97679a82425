#include "GlyphesBoutons.h"

#include "Couleurs.h"
#include "Figure.h"
#include "Operations.h"

#include <QCursor>
#include <QFont>
#include <QPainter>
#include <QPolygonF>

namespace {
constexpr int CoteOutil = 32;
constexpr int CoteCommande = 64;

void dessinerForme(QPainter& p, int genre)
{
    p.setPen(QPen(Qt::black, 2.5));
    p.setBrush(Qt::NoBrush);
    switch (genre) {
    case GenreTrait:
        p.drawLine(QPointF(5, 27), QPointF(27, 5));
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
    default:
        break;
    }
}
} // namespace

QPixmap ToileTransparente(int cote)
{
    QPixmap toile(cote, cote);
    toile.fill(Qt::transparent);
    return toile;
}

QIcon IconeAide()
{
    QPixmap dessin = ToileTransparente(CoteCommande);
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1E, 0x5A, 0xD0), 4));
    p.setBrush(QColor(0xFF, 0xE0, 0x40));
    p.drawEllipse(QRectF(4, 4, 56, 56));
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(44);
    police.setBold(true);
    p.setFont(police);
    p.drawText(QRectF(4, 4, 56, 56), Qt::AlignCenter, QStringLiteral("?"));
    p.end();
    return QIcon(dessin);
}

QIcon IconeValider()
{
    QPixmap dessin = ToileTransparente(CoteCommande);
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x10, 0x90, 0x20), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(10, 34), QPointF(26, 50), QPointF(54, 14)}));
    p.end();
    return QIcon(dessin);
}

QIcon IconeAnnuler()
{
    QPixmap dessin = ToileTransparente(CoteCommande);
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(50, 50));
    p.drawLine(QPointF(50, 14), QPointF(14, 50));
    p.end();
    return QIcon(dessin);
}

QIcon IconeGomme()
{
    // A tilted rubber block, pink body and blue sleeve.
    QPixmap dessin = ToileTransparente(CoteOutil);
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(-35);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(0xF4, 0x9A, 0xB0));
    p.drawRoundedRect(QRectF(-12, -6, 12, 12), 2, 2);
    p.setBrush(QColor(0x40, 0x70, 0xD0));
    p.drawRoundedRect(QRectF(0, -6, 12, 12), 2, 2);
    p.end();
    return QIcon(dessin);
}

QIcon IconeOutil(int genre)
{
    // The paint tool shows the pot that becomes the window's cursor.
    if (genre == GenreColoriage)
        return QIcon(CurseurProgramme(1).pixmap());
    QPixmap dessin = ToileTransparente(CoteOutil);
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    dessinerForme(p, genre);
    p.end();
    return QIcon(dessin);
}

QIcon IconeCouleur(quint32 couleur)
{
    QPixmap dessin = ToileTransparente(CoteOutil);
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor::fromRgb(VersQRgb(couleur)));
    p.drawRoundedRect(QRectF(3.5, 3.5, 25, 25), 4, 4);
    p.end();
    return QIcon(dessin);
}
