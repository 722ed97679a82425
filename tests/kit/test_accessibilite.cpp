#include "BarreOutils.h"
#include "SigneVerdict.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Pixels of the sign close to a colour.
int pixelsProches(const QImage& image, QColor couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - couleur.red()) + std::abs(c.green() - couleur.green())
                    + std::abs(c.blue() - couleur.blue()) < 60;
        }
    return n;
}

// The player's tool bar.
const DispositionOutils DispositionJoueur = {{{{"ModeTrait", "Trait", {4, 4}},
                                              {"ModeRect", "Carré ou rectangle", {44, 4}},
                                              {"ModeEllipse", "Cercle", {84, 4}},
                                              {"ModeArc", "Quart de cercle", {124, 4}},
                                              {"ModePeinture", "Colorier", {204, 4}}}},
                                            {"SpeedButton2", "gomme", {164, 4}},
                                            true};

} // namespace

TEST(Accessibilite, LeSigneSuitLeVerdictSansSeFierALaCouleur)
{
    QWidget fenetre;
    auto* etiquette = new QLabel(&fenetre);
    etiquette->setGeometry(100, 10, 120, 40);
    auto* signe = new SigneVerdict(etiquette);
    fenetre.resize(300, 80);
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    const struct { const char* texte; QColor couleur; } cas[] = {
        {"Faux", QColor(0xFF, 0x00, 0x00)}, {"Juste", QColor(0x00, 0x80, 0x00)}, {"", QColor()}};
    for (const auto& c : cas) {
        etiquette->setText(QString::fromLatin1(c.texte));
        QTest::qWait(20); // the label's repaint
        const QImage image = signe->grab().toImage();
        EXPECT_EQ(signe->accessibleName(), QString::fromLatin1(c.texte));
        EXPECT_LE(signe->geometry().right(), etiquette->x()) << "beside the word, not over it";
        if (c.couleur.isValid())
            EXPECT_GT(pixelsProches(image, c.couleur), 30) << c.texte;
        else
            EXPECT_EQ(pixelsProches(image, QColor(0xFF, 0x00, 0x00)) + pixelsProches(image, QColor(0x00, 0x80, 0x00)), 0);
    }
}

TEST(Accessibilite, LesBoutonsEnImagesOntUnNomEtLesCouleursDisentLeLeur)
{
    QWidget outils;
    QWidget couleurs;
    BarreOutils barre(&outils, &couleurs, DispositionJoueur);
    EXPECT_EQ(barre.bouton(Outil::Rectangle)->accessibleName(), QStringLiteral("Carré ou rectangle"));
    EXPECT_EQ(outils.findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->accessibleName(),
              QStringLiteral("Gomme"));
    const auto* vertFonce = couleurs.findChild<QToolButton*>(QStringLiteral("BoutonVertFonce"));
    EXPECT_EQ(vertFonce->accessibleName(), QStringLiteral("Vert foncé"));
    EXPECT_EQ(vertFonce->toolTip(), QStringLiteral("Vert foncé"));
    for (const QToolButton* b : outils.findChildren<QToolButton*>() + couleurs.findChildren<QToolButton*>())
        EXPECT_FALSE(b->accessibleName().isEmpty()) << b->objectName().toStdString();
}

// Every key of the tool bar presses its own button, and only a button that is there: the
// tools' letters, G for the eraser, 1 to 9 and 0 for the colours in the box's order.
TEST(Accessibilite, ChaqueToucheAppuieSurSonBouton)
{
    QWidget fenetre;
    BarreOutils barre(new QWidget(&fenetre), new QWidget(&fenetre), DispositionJoueur);
    const std::pair<int, const char*> touches[] = {
        {Qt::Key_T, "ModeTrait"}, {Qt::Key_R, "ModeRect"}, {Qt::Key_C, "ModeEllipse"}, {Qt::Key_Q, "ModeArc"},
        {Qt::Key_P, "ModePeinture"}, {Qt::Key_G, "SpeedButton2"}, {Qt::Key_1, "BoutonBleu"},
        {Qt::Key_2, "BoutonBleuClair"}, {Qt::Key_3, "BoutonRose"}, {Qt::Key_4, "BoutonRouge"},
        {Qt::Key_5, "BoutonGrisFonce"}, {Qt::Key_6, "BoutonMarron"}, {Qt::Key_7, "BoutonJaune"},
        {Qt::Key_8, "BoutonVert"}, {Qt::Key_9, "BoutonVertFonce"}, {Qt::Key_0, "BoutonGris"}};
    for (const auto& [touche, nom] : touches) {
        EXPECT_TRUE(barre.touche(touche)) << nom;
        EXPECT_TRUE(fenetre.findChild<QToolButton*>(QLatin1String(nom))->isChecked()) << nom;
    }
    EXPECT_FALSE(barre.touche(Qt::Key_X));
    barre.bouton(Outil::Peinture)->hide();
    EXPECT_FALSE(barre.touche(Qt::Key_P)) << "a hidden tool is not there";
}
