#include "DossierTemporaire.h"
#include "Contexte.h"
#include "Operations.h"
#include "TF_Menu.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QSet>

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

// The menu tiles its title picture from the top-left corner over its maximised window: as
// large as a 1920 x 1200 screen, it is never repeated there, and wherever the buttons lie,
// at any scale up to that screen's, it is the same plain squared paper as in its far corner.
TEST(Images, LImageDeTitreCouvreLeMenuEtNeMontreQueDuPapierSousLesBoutons)
{
    DossierTemporaire dossier;
    Contexte contexte{dossier.chemin()};
    TF_Menu menu(contexte);
    QImage titre;
    ASSERT_TRUE(titre.load(QDir(QStringLiteral(ORVANE_DOSSIER_IMAGES)).filePath(QStringLiteral("Orvane_Titre.bmp")), "BMP"));
    QSet<QRgb> papier;
    for (int y = titre.height() - 40; y < titre.height(); ++y)
        for (int x = titre.width() - 40; x < titre.width(); ++x)
            papier.insert(titre.pixel(x, y));
    EXPECT_LE(papier.size(), 2) << "paper and grid lines only";

    EXPECT_GE(titre.width(), 1920);
    EXPECT_GE(titre.height(), 1200);
    const QWidget* zone = menu.findChild<QWidget*>(QStringLiteral("PaintBox1"));
    ASSERT_NE(zone, nullptr);
    const MesureEcran ecran = MesurerEcran();
    const double conception = RapportAdaptation(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce);
    for (double echelle : {1.0, 1.28, 1.8, 2.0}) {
        const double k = echelle / conception;
        for (const QPushButton* bouton : zone->findChildren<QPushButton*>()) {
            const QRectF g = bouton->geometry();
            const QRect sous = QRectF(g.topLeft() * k, g.size() * k).toAlignedRect() & titre.rect();
            int autres = 0;
            for (int y = sous.top(); y <= sous.bottom(); ++y)
                for (int x = sous.left(); x <= sous.right(); ++x)
                    autres += !papier.contains(titre.pixel(x, y));
            EXPECT_EQ(autres, 0) << bouton->objectName().toStdString() << " at scale " << echelle;
        }
    }
}
