#include "ApercuTrace.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Whether the dotted outline passes within two pixels of p.
bool traceVers(const QImage& image, QPoint p)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (!image.rect().contains(q))
                continue;
            const QRgb c = image.pixel(q);
            if (qAlpha(c) > 0 && qGray(c) < 128)
                return true;
        }
    return false;
}

QImage dessiner(Genre outil, QuadrantTrace quadrant)
{
    QWidget parent;
    parent.resize(100, 100);
    ApercuTrace apercu(&parent);
    apercu.montrer(outil, { quadrant, QRect(0, 0, 41, 41) });
    return apercu.grab().toImage();
}

// The quarter circle is centred on the corner where the stroke began and bulges
// towards the pointer; its middle lies 40·cos 45° ≈ 28 pixels from that corner.
TEST(ApercuTrace, TheQuarterCircleTurnsAroundTheStartCorner)
{
    const struct {
        QuadrantTrace quadrant;
        QPoint milieu, absent;
    } cas[] = {
        { DroiteBas, { 28, 28 }, { 12, 12 } },
        { GaucheBas, { 13, 28 }, { 29, 12 } },
        { GaucheHaut, { 13, 13 }, { 29, 29 } },
        { DroiteHaut, { 28, 13 }, { 12, 29 } },
    };
    for (const auto& c : cas) {
        const QImage image = dessiner(GenreQuartDeCercle, c.quadrant);
        EXPECT_TRUE(traceVers(image, c.milieu)) << "quadrant " << c.quadrant;
        EXPECT_FALSE(traceVers(image, c.absent)) << "quadrant " << c.quadrant;
    }
}

TEST(ApercuTrace, TheLineJoinsTheStartToThePointer)
{
    EXPECT_TRUE(traceVers(dessiner(GenreTrait, DroiteBas), { 5, 5 }));
    EXPECT_FALSE(traceVers(dessiner(GenreTrait, DroiteBas), { 35, 5 }));
    EXPECT_TRUE(traceVers(dessiner(GenreTrait, GaucheBas), { 35, 5 }));
    EXPECT_FALSE(traceVers(dessiner(GenreTrait, GaucheBas), { 5, 5 }));
}

} // namespace
