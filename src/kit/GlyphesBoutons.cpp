#include "GlyphesBoutons.h"

#include "Couleurs.h"
#include "Figure.h"

#include <QCursor>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>

namespace {
constexpr int CoteOutil = 32;
constexpr int CoteCommande = 64;

void dessinerForme(QPainter& p, Genre genre)
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

// An icon drawn the first time it is shown or asked for, then kept: the buttons of the
// windows made hidden at start-up cost nothing until those windows are opened.
class IconeDifferee final : public QIconEngine {
public:
    explicit IconeDifferee(std::function<QIcon()> dessiner) : dessiner_(std::move(dessiner)) {}

    void paint(QPainter* peintre, const QRect& cadre, QIcon::Mode mode, QIcon::State etat) override
    {
        icone().paint(peintre, cadre, Qt::AlignCenter, mode, etat);
    }
    QPixmap pixmap(const QSize& taille, QIcon::Mode mode, QIcon::State etat) override
    {
        return icone().pixmap(taille, mode, etat);
    }
    QPixmap scaledPixmap(const QSize& taille, QIcon::Mode mode, QIcon::State etat, qreal echelle) override
    {
        return icone().pixmap(taille, echelle, mode, etat);
    }
    QSize actualSize(const QSize& taille, QIcon::Mode mode, QIcon::State etat) override
    {
        return icone().actualSize(taille, mode, etat);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State etat) override
    {
        return icone().availableSizes(mode, etat);
    }
    QIconEngine* clone() const override { return new IconeDifferee(*this); }

private:
    const QIcon& icone()
    {
        if (icone_.isNull())
            icone_ = dessiner_();
        return icone_;
    }

    std::function<QIcon()> dessiner_;
    QIcon icone_;
};

QIcon iconeDifferee(std::function<QIcon()> dessiner)
{
    return QIcon(new IconeDifferee(std::move(dessiner)));
}

// Paints on a transparent square of that side, with smoothed edges, when first shown.
template <typename Peinture>
QIcon icone(int cote, Peinture peindre)
{
    return iconeDifferee([cote, peindre] {
        QPixmap dessin = ToileTransparente(cote);
        QPainter p(&dessin);
        p.setRenderHint(QPainter::Antialiasing);
        peindre(p);
        p.end();
        return QIcon(dessin);
    });
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
    return icone(CoteCommande, [](QPainter& p) {
        p.setPen(QPen(QColor(0x1E, 0x5A, 0xD0), 4));
        p.setBrush(QColor(0xFF, 0xE0, 0x40));
        p.drawEllipse(QRectF(4, 4, 56, 56));
        QFont police(QStringLiteral("Arial"));
        police.setPixelSize(44);
        police.setBold(true);
        p.setFont(police);
        p.drawText(QRectF(4, 4, 56, 56), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QIcon IconeValider()
{
    return icone(CoteCommande, [](QPainter& p) {
        p.setPen(QPen(QColor(0x10, 0x90, 0x20), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(10, 34), QPointF(26, 50), QPointF(54, 14)}));
    });
}

QIcon IconeAnnuler()
{
    return icone(CoteCommande, [](QPainter& p) {
        p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 10, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(50, 50));
        p.drawLine(QPointF(50, 14), QPointF(14, 50));
    });
}

QIcon IconeGomme()
{
    // A tilted rubber block, pink body and blue sleeve.
    return icone(CoteOutil, [](QPainter& p) {
        p.translate(16, 16);
        p.rotate(-35);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(0xF4, 0x9A, 0xB0));
        p.drawRoundedRect(QRectF(-12, -6, 12, 12), 2, 2);
        p.setBrush(QColor(0x40, 0x70, 0xD0));
        p.drawRoundedRect(QRectF(0, -6, 12, 12), 2, 2);
    });
}

QIcon IconeOutil(Genre genre)
{
    // The paint tool shows the pot that becomes the window's cursor.
    if (genre == GenreColoriage)
        return iconeDifferee([] { return QIcon(CurseurProgramme(1).pixmap()); });
    return icone(CoteOutil, [genre](QPainter& p) { dessinerForme(p, genre); });
}

QIcon IconeCouleur(quint32 couleur)
{
    return icone(CoteOutil, [couleur](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor::fromRgb(VersQRgb(couleur)));
        p.drawRoundedRect(QRectF(3.5, 3.5, 25, 25), 4, 4);
    });
}

namespace {
// Cursor 1: a paint pot pouring; cursor 2: a friendly pointing arrow.
QPixmap dessinCurseur(int numero)
{
    QPixmap dessin = ToileTransparente(32);
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    if (numero == 1) {
        p.setBrush(QColor(0xFF, 0xC8, 0x30));
        p.drawRoundedRect(QRectF(8, 6, 16, 14), 3, 3);
        p.setBrush(QColor(0x30, 0x80, 0xF0));
        QPainterPath goutte;
        goutte.moveTo(4, 20);
        goutte.cubicTo(1, 26, 3, 30, 6, 30);
        goutte.cubicTo(9, 30, 10, 26, 4, 20);
        p.drawPath(goutte);
    } else {
        QPainterPath fleche;
        fleche.moveTo(1, 1);
        fleche.lineTo(1, 22);
        fleche.lineTo(7, 17);
        fleche.lineTo(11, 26);
        fleche.lineTo(15, 24);
        fleche.lineTo(11, 16);
        fleche.lineTo(19, 16);
        fleche.closeSubpath();
        p.setBrush(QColor(0xFF, 0xF0, 0x60));
        p.drawPath(fleche);
    }
    return dessin;
}
} // namespace

QCursor CurseurProgramme(int numero)
{
    if (numero == 1)
        return QCursor(dessinCurseur(1), 4, 30);
    if (numero == 2)
        return QCursor(dessinCurseur(2), 1, 1);
    return QCursor(Qt::ArrowCursor);
}
