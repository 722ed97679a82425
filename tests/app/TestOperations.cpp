#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "Dossiers.h"
#include "Contexte.h"
#include "GlyphesBoutons.h"
#include "Operations.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

TEST(Adaptation, LeRapportSuitLaHauteurSurEcranLargeEtLaLargeurSinon)
{
    EXPECT_DOUBLE_EQ(RapportAdaptation(1280, 800, 96), 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(RapportAdaptation(1024, 768, 96), 1.28);
    // Exactly 1.5 counts as wide.
    EXPECT_DOUBLE_EQ(RapportAdaptation(1200, 800, 96), 800.0 / 600.0);
    // Finer screens shrink the ratio; coarser ones do not enlarge it.
    EXPECT_DOUBLE_EQ(RapportAdaptation(1920, 1080, 120), 1080.0 * 96 / (120 * 600));
    EXPECT_DOUBLE_EQ(RapportAdaptation(1024, 768, 120), 1024.0 * 96 / (120 * 800));
    EXPECT_DOUBLE_EQ(RapportAdaptation(1024, 768, 72), 1.28);
    EXPECT_DOUBLE_EQ(RapportAdaptation(1280, 800, 72), 800.0 / 600.0);
}

namespace {
struct FenetreConception {
    QWidget fenetre;
    QLabel* etiquette;
    QLabel* interne;

    FenetreConception()
    {
        fenetre.resize(800, 600);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(15);
        fenetre.setFont(f);
        auto* panneau = new QWidget(&fenetre);
        panneau->setGeometry(100, 50, 300, 150);
        etiquette = new QLabel(QStringLiteral("a"), &fenetre);
        etiquette->setGeometry(10, 20, 30, 40);
        QFont grande = etiquette->font();
        grande.setPixelSize(20);
        etiquette->setFont(grande);
        interne = new QLabel(QStringLiteral("b"), panneau);
        interne->setGeometry(25, 75, 50, 10);
    }
};
} // namespace

TEST(Adaptation, PositionsTaillesEtPolicesSontMultipliees)
{
    const struct {
        MesureEcran ecran;
        QRect etiquette;
        QRect interne;
        int police;
        int policeFenetre;
        QSize fenetre;
    } cas[] = {
        {{1280, 800, 96}, QRect(13, 27, 40, 53), QRect(33, 100, 67, 13), 27, 20, QSize(1067, 800)},
        {{1024, 768, 96}, QRect(13, 26, 38, 51), QRect(32, 96, 64, 13), 26, 19, QSize(1024, 768)},
        {{1024, 768, 72}, QRect(13, 26, 38, 51), QRect(32, 96, 64, 13), 26, 19, QSize(1024, 768)},
        {{800, 600, 192}, QRect(5, 10, 15, 20), QRect(13, 38, 25, 5), 10, 8, QSize(400, 300)},
    };
    for (const auto& c : cas) {
        FenetreConception f;
        const double rapport = AdapterEcran(&f.fenetre, c.ecran);
        const QString ligne = QStringLiteral("%1x%2 at %3 ppi")
                                  .arg(c.ecran.largeur).arg(c.ecran.hauteur).arg(c.ecran.pixelsParPouce);
        EXPECT_EQ(f.etiquette->geometry(), c.etiquette) << ligne.toStdString();
        EXPECT_EQ(f.interne->geometry(), c.interne) << ligne.toStdString();
        EXPECT_EQ(f.etiquette->font().pixelSize(), c.police) << ligne.toStdString();
        EXPECT_EQ(f.interne->font().pixelSize(), c.policeFenetre) << ligne.toStdString();
        EXPECT_EQ(f.fenetre.size(), c.fenetre) << ligne.toStdString();
        EXPECT_EQ(qRound(600 * rapport), c.fenetre.height()) << ligne.toStdString();
    }
}

namespace {
QImage tuile(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            image.setPixel(x, y, qRgb(x, y, 200));
    return image;
}

QImage peindre(const QString& fichier, int largeur, int hauteur)
{
    QImage cible(100, 80, QImage::Format_RGB32);
    cible.fill(Qt::black);
    QPainter peintre(&cible);
    DessinerMosaique(fichier, peintre, largeur, hauteur);
    return cible;
}
} // namespace

TEST(Mosaique, RepeteLImageEtCoupeLaDerniereColonneEtLaDerniereLigne)
{
    DossierTemporaire dossier;
    ASSERT_TRUE(tuile(30, 20).save(QStringLiteral("tuile.bmp"), "BMP"));
    const QImage cible = peindre(QStringLiteral("tuile.bmp"), 70, 50);
    EXPECT_EQ(cible.pixel(0, 0), qRgb(0, 0, 200));
    EXPECT_EQ(cible.pixel(35, 25), qRgb(5, 5, 200));   // second column, second row
    EXPECT_EQ(cible.pixel(69, 49), qRgb(9, 9, 200));   // third column and row, cut
    EXPECT_EQ(cible.pixel(70, 10), qRgb(0, 0, 0));     // right of the area: untouched
    EXPECT_EQ(cible.pixel(10, 50), qRgb(0, 0, 0));     // below the area: untouched
}

TEST(Mosaique, NePeintRienSansFichierNiImageLisible)
{
    DossierTemporaire dossier;
    QFile abime(QStringLiteral("abime.bmp"));
    ASSERT_TRUE(abime.open(QIODevice::WriteOnly));
    // A bitmap header that announces a picture of width 0.
    QByteArray entete("BM", 2);
    entete.append(QByteArray(52, '\0'));
    entete[10] = 54;
    entete[14] = 40;
    entete[22] = 10;
    entete[26] = 1;
    entete[28] = 24;
    abime.write(entete);
    abime.close();
    QDir().mkdir(QStringLiteral("dossier.bmp"));

    const QImage noire = peindre(QString(), 70, 50);
    for (const QString& nom : {QString(), ImageVide, ImageAucune, QStringLiteral("absent.bmp"),
                               QStringLiteral("abime.bmp"), QStringLiteral("dossier.bmp")})
        EXPECT_EQ(peindre(nom, 70, 50), noire) << nom.toStdString();
}

TEST(CasesImages, AucuneDonneVideEtUneEntreeVideLImageParDefaut)
{
    Contexte contexte;
    contexte.imagesChoisies.fixerImage(0, ImageAucune);
    contexte.imagesChoisies.fixerImage(1, QString());
    contexte.imagesChoisies.fixerImage(2, QStringLiteral("/images/ciel.bmp"));
    EXPECT_EQ(contexte.imagePourCase(0), ImageVide);
    EXPECT_EQ(contexte.imagePourCase(1), QStringLiteral("fond21.bmp"));
    EXPECT_EQ(contexte.imagePourCase(2), QStringLiteral("/images/ciel.bmp"));
}

class TenueFenetre : public ::testing::Test {
protected:
    void SetUp() override { contexte.geometrieReference = {30, 40, 200, 300}; }
    Contexte contexte;
    QWidget fenetre;
    TenirGeometrie tenue{&fenetre, contexte.geometrieReference};
};

TEST_F(TenueFenetre, RemetGaucheHautLargeurEtHauteurDeReference)
{
    fenetre.setGeometry(5, 6, 100, 120);
    tenue.corriger();
    EXPECT_EQ(fenetre.pos(), QPoint(30, 40));
    EXPECT_EQ(fenetre.size(), QSize(300, 200));

    fenetre.move(1, 2);
    RemettreGaucheHaut(&fenetre, contexte.geometrieReference);
    EXPECT_EQ(fenetre.pos(), QPoint(30, 40));
}

TEST_F(TenueFenetre, LaMinuterieRemetLaFenetreEnPlaceEnUneDemiSeconde)
{
    tenue.demarrer();
    fenetre.setGeometry(90, 90, 120, 120);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fenetre.geometry() == QRect(30, 40, 300, 200); }, 700));
    tenue.arreter();
    EXPECT_FALSE(tenue.actif());
}

TEST(FenetreNonModale, DitQuandElleSeFermeOuQuonLaCache)
{
    FenetreNonModale fenetre;
    int fermetures = 0;
    QObject::connect(&fenetre, &FenetreNonModale::fermee, [&] { ++fermetures; });
    fenetre.show();
    fenetre.close();
    EXPECT_EQ(fermetures, 1);
    fenetre.show();
    fenetre.hide();
    EXPECT_EQ(fermetures, 2);
    fenetre.hide();
    EXPECT_EQ(fermetures, 2) << "hiding a hidden window is not closing it";
}

TEST(Curseurs, LesDeuxCurseursDuProgrammeSontDessines)
{
    for (int numero : {1, 2}) {
        const QCursor curseur = CurseurProgramme(numero);
        EXPECT_EQ(curseur.shape(), Qt::BitmapCursor);
        EXPECT_FALSE(curseur.pixmap().isNull());
    }
    EXPECT_EQ(CurseurProgramme(7).shape(), Qt::ArrowCursor);
}

TEST(Curseurs, LeCurseur2DevientCeluiDeChaqueFenetreSaufSiElleAChoisiLeSien)
{
    InstallerCurseurApplication();
    QWidget ordinaire;
    QWidget choisie;
    choisie.setCursor(Qt::CrossCursor);
    ordinaire.show();
    choisie.show();
    EXPECT_EQ(ordinaire.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(choisie.cursor().shape(), Qt::CrossCursor);
}
