#include "ImpressionFigure.h"
#include "MondeJeu.h"

#include "Bilans.h"
#include "CalqueCorrection.h"
#include "ChoixExercice.h"
#include "SonsEnregistres.h"
#include "Voix.h"
#include "Couleurs.h"
#include "Contexte.h"
#include "Quadrillage.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int N = 24;

// Image of grid node (c, r) for each axis kind, on a 24 x 24 grid without shift.
QPoint miroir(Axe typeAxe, QPoint n)
{
    switch (typeAxe) {
    case AxeVertical:
        return { N - n.x(), n.y() };
    case AxeHorizontal:
        return { n.x(), N - n.y() };
    case AxeObliqueHB:
        return { n.y(), n.x() };
    case AxeObliqueBH:
        return { N - n.y(), N - n.x() };
    default:
        return { N - n.x(), N - n.y() };
    }
}

struct CasAxe {
    int numero;
    Axe typeAxe;
    QPoint surAxeA, surAxeB; // two nodes on the axis
};

const CasAxe Axes[] = {
    { 2, AxeVertical, { 12, 3 }, { 12, 9 } },
    { 4, AxeHorizontal, { 3, 12 }, { 9, 12 } },
    { 4, AxeObliqueHB, { 3, 3 }, { 9, 9 } },
    { 4, AxeObliqueBH, { 3, 21 }, { 9, 15 } },
    { 5, AxePoint, {}, {} },
};

// The reference: one segment off every axis, whose image lies in the grid for each.
const QPoint RefA(3, 2);
const QPoint RefB(9, 8);

class Verification : public ::testing::TestWithParam<CasAxe> {
protected:
    void SetUp() override
    {
        axe = GetParam();
        monde = std::make_unique<MondeJeu>(axe.numero);
        monde->charger(ContenuFichier(axe.numero, axe.typeAxe, N, 20, { { GenreTrait, 3, 2, 9, 8 } }));
        ASSERT_EQ(monde->jeu().grille().TypeAxe, axe.typeAxe);
    }
    QPoint m(QPoint n) const { return miroir(axe.typeAxe, n); }
    QString verifier()
    {
        monde->cliquer(QStringLiteral("BoutonCorrection"));
        return monde->resultat();
    }

    CasAxe axe;
    std::unique_ptr<MondeJeu> monde;
};

TEST_P(Verification, TheExactMirrorIsRightHoweverItIsDrawn)
{
    monde->tracerNoeuds(m(RefA), m(RefB));
    EXPECT_EQ(verifier(), QStringLiteral("Juste"));

    monde->charger(ContenuFichier(axe.numero, axe.typeAxe, N, 20, { { GenreTrait, 3, 2, 9, 8 } }));
    monde->tracerNoeuds(m(RefB), m({ 6, 5 }));
    monde->tracerNoeuds(m({ 6, 5 }), m(RefA));
    EXPECT_EQ(verifier(), QStringLiteral("Juste")) << "two pieces, from the other end";
}

TEST_P(Verification, AnythingElseIsWrongForOneSecond)
{
    const std::vector<std::pair<const char*, std::vector<std::pair<QPoint, QPoint>>>> essais = {
        { "nothing", {} },
        { "an extra segment", { { m(RefA), m(RefB) }, { { 1, 20 }, { 2, 23 } } } },
        { "one node off", { { m(RefA) + QPoint(1, 0), m(RefB) + QPoint(1, 0) } } },
        { "half of it", { { m(RefA), m({ 6, 5 }) } } },
    };
    for (const auto& [nom, traits] : essais) {
        monde->cliquer(QStringLiteral("BoutonEffacer"));
        for (const auto& [a, b] : traits)
            monde->tracerNoeuds(a, b);
        EXPECT_EQ(verifier(), QStringLiteral("Faux")) << nom;
        EXPECT_TRUE(monde->active(QStringLiteral("Image1"))) << nom << ": still playing";
        EXPECT_TRUE(monde->active(QStringLiteral("BoutonCorrection"))) << nom;
        EXPECT_FALSE(monde->active(QStringLiteral("BoutonNouveau"))) << nom;
    }
    QTRY_COMPARE_WITH_TIMEOUT(monde->resultat(), QString(), 2000);

    // Asked again within its second, "Faux" still goes one second after it first came.
    EXPECT_EQ(verifier(), QStringLiteral("Faux"));
    QTest::qWait(600);
    EXPECT_EQ(verifier(), QStringLiteral("Faux"));
    const auto* timer2 = monde->jeu().findChild<QTimer*>(QStringLiteral("Timer2"));
    ASSERT_NE(timer2, nullptr);
    EXPECT_LT(timer2->remainingTime(), 900);
}

INSTANTIATE_TEST_SUITE_P(ChaqueAxe, Verification, ::testing::ValuesIn(Axes),
                         [](const ::testing::TestParamInfo<CasAxe>& info) {
                             return "axe" + std::to_string(Code(info.param.typeAxe));
                         });

TEST(VerificationAxe, ASegmentAlongTheAxisIsWrong)
{
    for (const CasAxe& axe : Axes) {
        if (axe.typeAxe == AxePoint)
            continue;
        MondeJeu monde(axe.numero);
        monde.charger(ContenuFichier(axe.numero, axe.typeAxe, N, 20, { { GenreTrait, 3, 2, 9, 8 } }));
        monde.tracerNoeuds(miroir(axe.typeAxe, RefA), miroir(axe.typeAxe, RefB));
        monde.tracerNoeuds(axe.surAxeA, axe.surAxeB);
        monde.cliquer(QStringLiteral("BoutonCorrection"));
        EXPECT_EQ(monde.resultat(), QStringLiteral("Faux")) << "axis " << axe.typeAxe;
    }
}

TEST(VerificationJuste, FreezesTheDrawingAndOffersTheNextExercise)
{
    MondeJeu monde(2);
    monde.charger(ContenuFichier(2, AxeVertical, N, 20, { { GenreTrait, 3, 2, 9, 8 } }));
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_EQ(monde.resultat(), QStringLiteral("Faux"));
    monde.tracerNoeuds({ 21, 2 }, { 15, 8 });
    monde.cliquer(QStringLiteral("SpeedButton2")); // the check leaves the eraser
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_EQ(monde.resultat(), QStringLiteral("Juste"));
    EXPECT_FALSE(monde.jeu().modeGomme());
    for (const char* nom : { "Image1", "PanelOutils", "BoutonCorrection", "BoutonEffacer",
                             "BoutonEffacer1L" })
        EXPECT_FALSE(monde.active(QString::fromLatin1(nom))) << nom;
    EXPECT_TRUE(monde.active(QStringLiteral("BoutonNouveau")));
    QTest::qWait(1200);
    EXPECT_EQ(monde.resultat(), QStringLiteral("Juste")) << "the earlier Faux's second has no say";
}

class Coloriage : public ::testing::Test {
protected:
    void SetUp() override
    {
        monde = std::make_unique<MondeJeu>(3);
        monde->charger(ContenuFichier(3, AxeVertical, N, 20,
                                      { { GenreRectangle, 2, 2, 6, 6 },
                                        { GenreColoriage, 3, 3, 5, 5, CouleurRouge } }));
        monde->cliquer(QStringLiteral("ModeRect"));
        monde->tracerNoeuds({ 22, 2 }, { 18, 6 });
        monde->cliquer(QStringLiteral("ModePeinture"));
    }
    std::unique_ptr<MondeJeu> monde;
};

TEST_F(Coloriage, TheMirrorAreaInTheRightColourIsRight)
{
    monde->cliquer(QStringLiteral("BoutonRouge"));
    monde->appuyer({ 410, 70 });
    monde->cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_EQ(monde->resultat(), QStringLiteral("Juste"));
}

TEST_F(Coloriage, TheMirrorAreaInAnotherColourIsWrong)
{
    monde->appuyer({ 410, 70 }); // blue, the colour at the start
    monde->cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_EQ(monde->resultat(), QStringLiteral("Faux"));
    monde->cliquer(QStringLiteral("BoutonEffacer1L"));
    monde->cliquer(QStringLiteral("BoutonRouge"));
    monde->appuyer({ 410, 70 });
    monde->cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_EQ(monde->resultat(), QStringLiteral("Juste"));
}

// Solves the exercise "Série 1\Ex01" once.
void resoudre(MondeJeu& monde)
{
    monde.charger(ContenuFichier(2, AxeVertical, N, 20, { { GenreTrait, 3, 2, 9, 8 } }));
    monde.tracerNoeuds({ 21, 2 }, { 15, 8 });
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    ASSERT_EQ(monde.resultat(), QStringLiteral("Juste"));
}

QStringList fichiersBilans(const MondeJeu& monde)
{
    return QDir(monde.dossier()).entryList({ QStringLiteral("*.reu") }, QDir::Files);
}

TEST(Enregistrement, ATrackedPupilsSuccessIsRecordedOnce)
{
    MondeJeu monde(2);
    monde.contexte().reglages.BilanReussite = 1;
    monde.contexte().suiviEleve = true;
    monde.contexte().nomClasse = QStringLiteral("CM1");
    monde.contexte().nomEleve = QStringLiteral("Léa");
    resoudre(monde);
    resoudre(monde); // "Nouveau" and the same exercise again
    EXPECT_EQ(fichiersBilans(monde), QStringList(QStringLiteral("Bilan Orvane CM1 Léa.reu")));
    EXPECT_EQ(LireBilan(QDir(monde.dossier()).filePath(fichiersBilans(monde).value(0))),
              QStringList(QStringLiteral("Série 1\\Ex01")));
    EXPECT_EQ(QDir::currentPath(), monde.contexte().dossierProgramme);
}

TEST(Enregistrement, ASuccessIsKeptWhenTheProgramFolderHasGoneAndTheLossIsSaid)
{
    MondeJeu monde(2);
    Contexte& contexte = monde.contexte();
    contexte.reglages.BilanReussite = 1;
    contexte.nomEleve = QStringLiteral("Léa");
    const QString disparu = QDir(monde.dossier()).filePath(QStringLiteral("programme"));
    contexte.dossierProgramme = disparu;
    resoudre(monde);
    EXPECT_EQ(fichiersBilans(monde), QStringList(QStringLiteral("Bilan Orvane individuel Léa.Reu")));
    EXPECT_EQ(monde.dialogues().textes(),
              QStringList(QStringLiteral("Impossible de trouver le répertoire ") + disparu));
}

TEST(Enregistrement, TrainingOrRecordingOffWritesNothing)
{
    {
        MondeJeu monde(2);
        monde.contexte().reglages.BilanReussite = 1;
        monde.contexte().nomEleve = QStringLiteral("entrainement");
        resoudre(monde);
        EXPECT_TRUE(fichiersBilans(monde).isEmpty());
    }
    MondeJeu monde(2);
    monde.contexte().reglages.BilanReussite = 0;
    monde.contexte().nomEleve = QStringLiteral("Léa");
    monde.contexte().nomClasse = QStringLiteral("CM1");
    resoudre(monde);
    EXPECT_TRUE(fichiersBilans(monde).isEmpty());
}

} // namespace

namespace {

const CalqueCorrection* calque(MondeJeu& monde)
{
    return monde.jeu().findChild<CalqueCorrection*>(QStringLiteral("CalqueCorrection"));
}

} // namespace

TEST(AideApresFaux, SansLOptionRienNeChangeAvecElleLesErreursPuisLaSolution)
{
    MondeJeu monde(2);
    monde.charger(ContenuFichier(2, AxeVertical, N, 20, { { GenreTrait, 3, 2, 9, 8 } }));
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_EQ(monde.resultat(), QStringLiteral("Faux"));
    EXPECT_FALSE(calque(monde)->isVisible()) << "both options off: the program as it was";
    EXPECT_FALSE(monde.bouton(QStringLiteral("BoutonSolution"))->isVisible());

    monde.contexte().retours = { 1, 2 };
    monde.tracerNoeuds({ 22, 2 }, { 16, 8 }); // the image, one cell to the right
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    ASSERT_TRUE(calque(monde)->isVisible());
    ASSERT_EQ(calque(monde)->traces().size(), 2u);
    EXPECT_EQ(calque(monde)->traces()[0].couleur, QColor(0xFF, 0x8C, 0x00)) << "the model's line has no image";
    EXPECT_TRUE(calque(monde)->traces()[1].pointille) << "the drawn line is the image of nothing";
    EXPECT_EQ(monde.etiquette(QStringLiteral("Panel1"))->text(),
              QStringLiteral("Ta figure est décalée d'un carreau vers la droite."));
    EXPECT_TRUE(monde.bouton(QStringLiteral("BoutonSolution"))->isVisible()) << "second Faux";

    monde.appuyer({ 5, 5 }); // a click on the grid takes the help away
    monde.relacher({ 5, 5 });
    EXPECT_FALSE(calque(monde)->isVisible());
    EXPECT_EQ(monde.etiquette(QStringLiteral("Panel1"))->text(),
              QStringLiteral("Utilise la souris pour dessiner le symétrique"));

    monde.cliquer(QStringLiteral("BoutonSolution"));
    ASSERT_TRUE(calque(monde)->isVisible());
    EXPECT_EQ(calque(monde)->traces()[0].element.X1, 21 * monde.tailleCase());
    EXPECT_TRUE(monde.active(QStringLiteral("BoutonCorrection"))) << "the exercise stays to be done";
}

// After "Faux", the solution shows the area where the fill would paint it, over the whole
// mirror square, not a spot at its seed.
TEST_F(Coloriage, LaSolutionMontreLaZoneCommeLeRemplissageLaPeindrait)
{
    monde->contexte().retours = { 0, 1 };
    monde->cliquer(QStringLiteral("BoutonCorrection"));
    ASSERT_EQ(monde->resultat(), QStringLiteral("Faux"));
    monde->cliquer(QStringLiteral("BoutonSolution"));
    const CalqueCorrection* solution = calque(*monde);
    ASSERT_TRUE(solution->isVisible());
    for (const CalqueCorrection::Trace& t : solution->traces())
        EXPECT_FALSE(EstColoriage(t.element.GenreElement));
    const int t = monde->tailleCase();
    const QImage& zones = solution->zones();
    EXPECT_EQ(zones.pixel(18 * t + 3, 6 * t - 3), qRgb(255, 0, 0)) << "a corner of the square, far from the seed";
    EXPECT_EQ(zones.pixel(20 * t, 4 * t), qRgb(255, 0, 0)) << "over the grid lines too";
    EXPECT_EQ(qAlpha(zones.pixel(17 * t, 4 * t)), 0) << "outside the square";
    EXPECT_EQ(qAlpha(zones.pixel(18 * t, 4 * t)), 0) << "on its black outline";
}

// A try is a drawing checked: "Vérifier" pressed again on the same drawing, even after
// changes undone, is no new try and never brings the solution nearer.
TEST(AideApresFaux, SeulUnDessinChangeCompteCommeUnNouvelEssai)
{
    MondeJeu monde(2);
    monde.charger(ContenuFichier(2, AxeVertical, N, 20, { { GenreTrait, 3, 2, 9, 8 } }));
    monde.contexte().retours = { 0, 2 };
    QAbstractButton* solution = monde.bouton(QStringLiteral("BoutonSolution"));
    for (int i = 0; i < 3; ++i)
        monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_FALSE(solution->isVisible()) << "three presses on an empty grid are one try";
    monde.tracerNoeuds({ 1, 1 }, { 2, 2 });
    monde.cliquer(QStringLiteral("BoutonEffacer1L"));
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_FALSE(solution->isVisible()) << "a stroke undone leaves the same drawing";
    monde.tracerNoeuds({ 22, 2 }, { 16, 8 });
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_EQ(monde.resultat(), QStringLiteral("Faux"));
    EXPECT_TRUE(solution->isVisible()) << "the second drawing checked";
}

namespace {

// Stands for the system's voice: keeps what would have been said.
struct VoixEnregistree : Voix {
    QStringList phrases;
    void dire(const QString& phrase) override { phrases << phrase; }
};

} // namespace

TEST(VoixHaute, LaConsigneEtLeVerdictSontLusSeulementSiLEnseignantLeDemande)
{
    MondeJeu monde(2);
    VoixEnregistree voix;
    monde.contexte().voix = &voix;
    monde.charger(ContenuFichier(2, AxeVertical, N, 20, { { GenreTrait, 3, 2, 9, 8 } }));
    monde.tracerNoeuds({ 22, 2 }, { 16, 8 });
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_TRUE(voix.phrases.isEmpty()) << "the option is off";

    monde.contexte().retours = { 1, 0, 1 };
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_EQ(voix.phrases, (QStringList{ QStringLiteral("Faux"),
                                          QStringLiteral("Ta figure est décalée d'un carreau vers la droite.") }));
    monde.jeu().hide();
    monde.jeu().show();
    EXPECT_EQ(voix.phrases.last(), QStringLiteral("Utilise la souris pour dessiner le symétrique"));

    // A pupil at the keyboard (the menu's button pressed with Entrée) hears the keyboard's
    // way, and reads it below the grid; back to the mouse, the mouse's.
    const QString clavier = QStringLiteral("Utilise les flèches et la touche Espace pour dessiner le symétrique");
    monde.jeu().hide();
    QTest::keyClick(monde.bouton(QStringLiteral("BoutonQuitter")), Qt::Key_Shift);
    monde.jeu().show();
    EXPECT_EQ(voix.phrases.last(), clavier);
    EXPECT_EQ(monde.etiquette(QStringLiteral("Panel1"))->text(), clavier);
    monde.jeu().hide();
    QTest::mouseClick(monde.bouton(QStringLiteral("BoutonQuitter")), Qt::LeftButton);
    monde.jeu().show();
    EXPECT_EQ(voix.phrases.last(), QStringLiteral("Utilise la souris pour dessiner le symétrique"));
}

TEST(SonsVerdict, UnSonParVerdictSeulementSiLEnseignantLeDemande)
{
    MondeJeu monde(2);
    SonsEnregistres sons;
    monde.contexte().sons = &sons;
    monde.charger(ContenuFichier(2, AxeVertical, N, 20, { { GenreTrait, 3, 2, 9, 8 } }));
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_TRUE(sons.joues.empty()) << "the option is off";

    monde.contexte().retours.JouerSons = 1;
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    monde.tracerNoeuds({ 21, 2 }, { 15, 8 });
    monde.cliquer(QStringLiteral("BoutonCorrection"));
    EXPECT_EQ(sons.joues, (std::vector{ Son::Faux, Son::Juste })) << "without the voice too";
}
