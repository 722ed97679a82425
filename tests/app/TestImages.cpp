#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

// The pictures drawn at build time exist, read back as bitmaps, and are not blank.
TEST(Images, LesCinqImagesDuProgrammeSontDesBitmapsDessines)
{
    const QDir dossier(QStringLiteral(ORVANE_DOSSIER_IMAGES));
    for (const char* nom : {"Orvane_Titre.bmp", "fond21.bmp", "fond12.bmp", "Orvane.bmp", "fond27.bmp"}) {
        const QString chemin = dossier.filePath(QString::fromLatin1(nom));
        QImage image;
        ASSERT_TRUE(image.load(chemin, "BMP")) << nom;
        EXPECT_GE(image.width(), 32) << nom;
        EXPECT_GE(image.height(), 32) << nom;
        const QRgb premier = image.pixel(0, 0);
        bool varie = false;
        for (int y = 0; y < image.height() && !varie; ++y)
            for (int x = 0; x < image.width() && !varie; ++x)
                varie = image.pixel(x, y) != premier;
        EXPECT_TRUE(varie) << nom << " is a single colour";
    }
}
