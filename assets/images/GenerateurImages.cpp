// Draws the program's background pictures into the folder given as argument.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {
const QColor rougeAxe(0xE0, 0x20, 0x20);
const QColor encre(0x30, 0x20, 0x60);

QImage toile(int largeur, int hauteur, const QColor& fond)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(fond);
    return image;
}

void quadrillage(QPainter& p, const QRect& zone, int pas, const QColor& couleur)
{
    p.setPen(QPen(couleur, 1));
    for (int x = zone.left(); x <= zone.right(); x += pas)
        p.drawLine(x, zone.top(), x, zone.bottom());
    for (int y = zone.top(); y <= zone.bottom(); y += pas)
        p.drawLine(zone.left(), y, zone.right(), y);
}

// Draws a path and its mirror image about the vertical line x = axe.
void enMiroir(QPainter& p, const QPainterPath& chemin, double axe)
{
    p.drawPath(chemin);
    p.drawPath(QTransform(-1, 0, 0, 1, 2 * axe, 0).map(chemin));
}

QPainterPath aile(double x, double y, double t)
{
    QPainterPath c;
    c.moveTo(x, y);
    c.cubicTo(x - 0.5 * t, y - 1.1 * t, x - 1.3 * t, y - 0.8 * t, x - 1.0 * t, y - 0.05 * t);
    c.cubicTo(x - 1.3 * t, y + 0.7 * t, x - 0.5 * t, y + 0.9 * t, x, y + 0.25 * t);
    c.closeSubpath();
    return c;
}

// A butterfly whose body lies on the vertical line x = axe: the program's emblem.
void papillon(QPainter& p, double axe, double y, double t, const QColor& ailes, const QColor& taches)
{
    p.setPen(QPen(encre, std::max(1.5, t / 18), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ailes);
    enMiroir(p, aile(axe - t * 0.08, y, t), axe);
    p.setBrush(taches);
    QPainterPath tache;
    tache.addEllipse(QPointF(axe - 0.62 * t, y - 0.38 * t), 0.17 * t, 0.17 * t);
    tache.addEllipse(QPointF(axe - 0.55 * t, y + 0.42 * t), 0.11 * t, 0.11 * t);
    enMiroir(p, tache, axe);
    p.setBrush(encre);
    p.drawRoundedRect(QRectF(axe - 0.08 * t, y - 0.45 * t, 0.16 * t, 1.0 * t), 0.08 * t, 0.08 * t);
    QPainterPath antenne;
    antenne.moveTo(axe, y - 0.42 * t);
    antenne.quadTo(axe - 0.1 * t, y - 0.75 * t, axe - 0.3 * t, y - 0.82 * t);
    p.setBrush(Qt::NoBrush);
    enMiroir(p, antenne, axe);
}

void axeVertical(QPainter& p, double x, double haut, double bas, double epaisseur)
{
    p.setPen(QPen(rougeAxe, epaisseur, Qt::DashLine, Qt::FlatCap));
    p.drawLine(QPointF(x, haut), QPointF(x, bas));
}

// The title picture of the main menu. The menu tiles it from its top-left corner over its
// whole maximised window, so it is drawn as large as a 1920 x 1200 screen and is never
// repeated. The emblem stands in the left column, left of the buttons at every scale;
// everything under and beside the buttons is plain squared paper, which looks the same
// wherever it stops.
QImage titre()
{
    constexpr int pas = 20;
    constexpr double axe = 200; // on a grid line, so that mirrored cells fill whole cells
    QImage image = toile(96 * pas, 60 * pas, QColor(0xFF, 0xFB, 0xEA));
    QPainter p(&image);
    quadrillage(p, image.rect(), pas, QColor(0xC8, 0xDC, 0xF0));
    p.setRenderHint(QPainter::Antialiasing);

    const QString mot = QStringLiteral("Orvane");
    const QColor lettres[] = {QColor(0xE5, 0x39, 0x35), QColor(0xFB, 0x8C, 0x00), QColor(0xFD, 0xD8, 0x35),
                              QColor(0x43, 0xA0, 0x47), QColor(0x1E, 0x88, 0xE5), QColor(0x8E, 0x24, 0xAA)};
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(96);
    police.setBold(true);
    const QFontMetrics mesure(police);
    double x = axe - mesure.horizontalAdvance(mot) / 2.0;
    for (int i = 0; i < mot.size(); ++i) {
        QPainterPath lettre;
        lettre.addText(x, 110, police, mot.at(i));
        p.setPen(QPen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(lettre);
        p.setPen(QPen(encre, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(lettres[i]);
        p.drawPath(lettre);
        x += mesure.horizontalAdvance(mot.at(i));
    }

    axeVertical(p, axe, 140, image.height(), 4);
    // Coloured cells and their mirror images, all the way down the axis: column counted
    // from the axis, row from the top.
    const struct { int colonne, ligne, couleur; } cases[] = {
        {6, 8, 0}, {7, 10, 4}, {6, 13, 3}, {7, 16, 2}, {6, 18, 5},
        {2, 21, 1}, {5, 22, 4}, {0, 24, 3}, {7, 24, 0}, {3, 26, 2}, {1, 28, 5}, {6, 28, 1},
        {5, 30, 0}, {7, 32, 4}, {6, 35, 3}, {2, 37, 5}, {0, 39, 1}, {4, 40, 0},
        {6, 42, 4}, {7, 45, 2}, {5, 48, 5}, {1, 49, 1}, {4, 50, 0}, {0, 52, 4}, {3, 52, 2},
        {6, 54, 3}, {2, 55, 5}, {7, 57, 1}, {4, 58, 2}};
    p.setPen(QPen(encre, 1));
    for (const auto& c : cases) {
        const QRectF gauche(axe - (c.colonne + 1) * pas, c.ligne * pas, pas, pas);
        p.setBrush(lettres[c.couleur]);
        p.drawRect(gauche);
        p.drawRect(gauche.translated(2 * (axe - gauche.center().x()), 0));
    }
    papillon(p, axe, 270, 88, QColor(0xFF, 0xB3, 0x47), QColor(0x4F, 0xC3, 0xF7));
    papillon(p, axe, 640, 60, QColor(0x81, 0xD4, 0xFA), QColor(0xFF, 0xD5, 0x4F));
    papillon(p, axe, 900, 70, QColor(0xA5, 0xD6, 0xA7), QColor(0xF4, 0x8F, 0xB1));
    return image;
}

// Tiles repeat, so every motif is placed so that it continues across the edges.
QImage pastilles(int cote, const QColor& fond, const std::function<void(QPainter&)>& motif)
{
    QImage image = toile(cote, cote, fond);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int dx : {-cote, 0, cote})
        for (int dy : {-cote, 0, cote}) {
            p.save();
            p.translate(dx, dy);
            motif(p);
            p.restore();
        }
    return image;
}

// Behind the grid of the exercises: quiet, so that the figures stay easy to read.
QImage fondPanneau()
{
    return pastilles(64, QColor(0xFF, 0xF6, 0xD5), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xE2, 0xA8));
        p.drawEllipse(QPointF(16, 16), 5, 5);
        p.drawEllipse(QPointF(48, 48), 5, 5);
        p.setBrush(QColor(0xFF, 0xEC, 0xC4));
        p.drawEllipse(QPointF(48, 16), 3, 3);
        p.drawEllipse(QPointF(16, 48), 3, 3);
    });
}

QPainterPath etoile(QPointF centre, double rayon)
{
    QPainterPath c;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? rayon : rayon * 0.45;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            c.moveTo(point);
        else
            c.lineTo(point);
    }
    c.closeSubpath();
    return c;
}

// Around the exercises: light blue with scattered pastel stars.
QImage fondFenetre()
{
    return pastilles(96, QColor(0xDD, 0xEF, 0xFF), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xF0, 0x9A));
        p.drawPath(etoile({20, 22}, 11));
        p.setBrush(QColor(0xFF, 0xC8, 0xDC));
        p.drawPath(etoile({70, 58}, 9));
        p.setBrush(QColor(0xC8, 0xF0, 0xC8));
        p.drawEllipse(QPointF(30, 76), 6, 6);
        p.setBrush(QColor(0xE0, 0xD0, 0xFF));
        p.drawEllipse(QPointF(80, 14), 5, 5);
    });
}

// Behind the about window: pink with confetti.
QImage fondAPropos()
{
    return pastilles(80, QColor(0xFF, 0xE6, 0xF2), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        const struct { QPointF centre; QColor couleur; } confettis[] = {
            {{10, 12}, QColor(0xFF, 0xB0, 0x50)}, {{46, 20}, QColor(0x7F, 0xC8, 0xFF)},
            {{70, 44}, QColor(0xA5, 0xE0, 0x8C)}, {{28, 56}, QColor(0xD0, 0x9C, 0xFF)},
            {{60, 74}, QColor(0xFF, 0xE0, 0x60)}};
        for (const auto& c : confettis) {
            p.setBrush(c.couleur);
            p.drawEllipse(c.centre, 5, 5);
        }
    });
}

// The about window's picture: a butterfly on grid paper with its axis.
QImage emblemeAPropos()
{
    QImage image = toile(250, 160, QColor(0xFF, 0xFF, 0xF4));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    quadrillage(p, image.rect(), 16, QColor(0xC8, 0xDC, 0xF0));
    papillon(p, 125, 84, 70, QColor(0x9C, 0x6A, 0xF0), QColor(0xFF, 0xD5, 0x4F));
    axeVertical(p, 125, 0, 160, 3);
    return image;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DOSSIER\n", argv[0]);
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const struct { const char* nom; QImage image; } images[] = {
        {"Orvane_Titre.bmp", titre()}, {"fond21.bmp", fondPanneau()}, {"fond12.bmp", fondFenetre()},
        {"Orvane.bmp", emblemeAPropos()}, {"fond27.bmp", fondAPropos()}};
    for (const auto& i : images) {
        if (!i.image.save(dossier + QLatin1String(i.nom), "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", i.nom);
            return 1;
        }
    }
    return 0;
}
