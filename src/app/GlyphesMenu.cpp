#include "GlyphesMenu.h"

#include "GlyphesBoutons.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// Every glyph is drawn on a 64 x 64 canvas, then scaled to the asked side.
constexpr int Toile = 64;

const QColor rougeAxe(0xE0, 0x20, 0x20);
const QColor encre(0x20, 0x20, 0x60);

void quadrillage(QPainter& p)
{
    p.fillRect(QRect(4, 4, 56, 56), Qt::white);
    p.setPen(QPen(QColor(0xB0, 0xC4, 0xDE), 1));
    for (int i = 4; i <= 60; i += 8) {
        p.drawLine(i, 4, i, 60);
        p.drawLine(4, i, 60, i);
    }
}

void axeVertical(QPainter& p)
{
    p.setPen(QPen(rougeAxe, 3, Qt::DashLine));
    p.drawLine(32, 2, 32, 62);
}

// A shape on the left of the vertical axis and its mirror image on the right.
void enMiroir(QPainter& p, const QPainterPath& gauche, const QColor& remplissage, const QPen& trait)
{
    p.setPen(trait);
    p.setBrush(remplissage);
    p.drawPath(gauche);
    p.drawPath(QTransform(-1, 0, 0, 1, Toile, 0).map(gauche));
}

void cases(QPainter& p)
{
    quadrillage(p);
    const struct { int colonne, ligne; QColor couleur; } coloriees[] = {
        {1, 1, QColor(0xFF, 0x40, 0x40)}, {2, 3, QColor(0x30, 0x90, 0xFF)},
        {0, 4, QColor(0xFF, 0xC0, 0x00)}, {2, 5, QColor(0x20, 0xB0, 0x40)}};
    for (const auto& c : coloriees) {
        p.fillRect(QRect(4 + c.colonne * 8 + 1, 4 + c.ligne * 8 + 1, 7, 7), c.couleur);
        p.fillRect(QRect(60 - (c.colonne + 1) * 8 + 1, 4 + c.ligne * 8 + 1, 7, 7), c.couleur);
    }
    axeVertical(p);
}

QPainterPath maison()
{
    QPainterPath chemin;
    chemin.moveTo(10, 54);
    chemin.lineTo(10, 30);
    chemin.lineTo(20, 16);
    chemin.lineTo(27, 30);
    chemin.lineTo(27, 54);
    chemin.closeSubpath();
    return chemin;
}

void lignes(QPainter& p, bool enCouleur)
{
    quadrillage(p);
    const QColor fond = enCouleur ? QColor(0xFF, 0xB0, 0x30) : QColor(Qt::transparent);
    enMiroir(p, maison(), fond, QPen(encre, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (enCouleur) {
        QPainterPath fenetre;
        fenetre.addRect(15, 36, 7, 7);
        enMiroir(p, fenetre, QColor(0x40, 0xA0, 0xFF), QPen(encre, 1.5));
    }
    axeVertical(p);
}

QPainterPath aile()
{
    QPainterPath chemin;
    chemin.moveTo(31, 30);
    chemin.cubicTo(18, 4, 2, 10, 8, 28);
    chemin.cubicTo(2, 44, 20, 56, 31, 36);
    chemin.closeSubpath();
    return chemin;
}

void axe(QPainter& p)
{
    p.fillRect(QRect(2, 2, 60, 60), QColor(0xFF, 0xF8, 0xD0));
    enMiroir(p, aile(), QColor(0xA0, 0x60, 0xF0), QPen(encre, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(encre);
    p.drawEllipse(QRectF(29, 22, 6, 22));
    axeVertical(p);
}

void point(QPainter& p)
{
    p.fillRect(QRect(2, 2, 60, 60), QColor(0xE0, 0xF4, 0xFF));
    QPainterPath drapeau;
    drapeau.moveTo(28, 28);
    drapeau.lineTo(10, 28);
    drapeau.lineTo(10, 8);
    drapeau.lineTo(22, 14);
    drapeau.lineTo(10, 20);
    const QPen trait(encre, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(trait);
    p.setBrush(QColor(0x20, 0xB0, 0x40));
    p.drawPath(drapeau);
    // Turned half a turn around the centre: the image by the central symmetry.
    p.setBrush(QColor(0x30, 0x90, 0xFF));
    p.drawPath(QTransform(-1, 0, 0, -1, Toile, Toile).map(drapeau));
    p.setPen(Qt::NoPen);
    p.setBrush(rougeAxe);
    p.drawEllipse(QPointF(32, 32), 5, 5);
}

void quitter(QPainter& p)
{
    p.setPen(QPen(encre, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xC0, 0x80, 0x40));
    p.drawRect(QRect(10, 6, 30, 52));
    p.setBrush(QColor(0xFF, 0xE0, 0x40));
    p.drawEllipse(QPointF(33, 34), 3, 3);
    QPainterPath fleche;
    fleche.moveTo(36, 32);
    fleche.lineTo(58, 32);
    fleche.moveTo(50, 24);
    fleche.lineTo(58, 32);
    fleche.lineTo(50, 40);
    p.setPen(QPen(rougeAxe, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fleche);
}
} // namespace

QPixmap DessinerGlypheMenu(GlypheMenu glyphe, int cote)
{
    QPixmap dessin = ToileTransparente(cote);
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(static_cast<double>(cote) / Toile, static_cast<double>(cote) / Toile);
    switch (glyphe) {
    case GlypheMenu::Cases: cases(p); break;
    case GlypheMenu::Lignes: lignes(p, false); break;
    case GlypheMenu::LignesCouleurs: lignes(p, true); break;
    case GlypheMenu::Axe: axe(p); break;
    case GlypheMenu::Point: point(p); break;
    case GlypheMenu::Quitter: quitter(p); break;
    }
    return dessin;
}
