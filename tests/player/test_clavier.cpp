// Playing without a mouse: the cursor, the strokes, the paint pot and the eraser at the
// keyboard, up to "Juste" on every shipped exercise with painted areas.

#include "MondeJeu.h"

#include "Couleurs.h"
#include "Dessin.h"
#include "FichierExercice.h"
#include "Symetrie.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int N = 24;

// A pupil at the keyboard of a player window whose grid has the keyboard.
class Eleve {
public:
    explicit Eleve(MondeJeu& monde)
        : monde_(monde)
        , grille_(monde.jeu().findChild<QWidget*>(QStringLiteral("Image1")))
        , ici_(monde.jeu().grille().NbColonnes / 2, monde.jeu().grille().NbLignes / 2)
    {
        EXPECT_EQ(monde.jeu().focusWidget(), grille_) << "a new exercise gives the grid the keyboard";
    }

    QWidget* grille() const { return grille_; }

    void taper(int touche, int fois = 1)
    {
        for (int i = 0; i < fois; ++i)
            QTest::keyClick(grille_, Qt::Key(touche));
    }

    void allerA(QPoint noeud)
    {
        const QPoint pas = noeud - ici_;
        taper(pas.x() < 0 ? Qt::Key_Left : Qt::Key_Right, std::abs(pas.x()));
        taper(pas.y() < 0 ? Qt::Key_Up : Qt::Key_Down, std::abs(pas.y()));
        ici_ = noeud;
        EXPECT_TRUE(grille_->accessibleDescription().startsWith(
            QStringLiteral("colonne %1, ligne %2").arg(ici_.x()).arg(ici_.y())))
            << grille_->accessibleDescription().toStdString();
    }

    // The tool's key, the cursor to one crossing, Espace, to the other, Entrée.
    void tracer(int outil, QPoint de, QPoint a)
    {
        taper(outil);
        allerA(de);
        taper(Qt::Key_Space);
        allerA(a);
        taper(Qt::Key_Return);
    }

    // The pot and a colour's key, the cursor to the crossing above and left of a cell, Z
    // so many times (the screen reader told which area it is), Espace.
    void peindre(int couleur, QPoint cellule, int zones = 0)
    {
        taper(Qt::Key_P);
        taper(couleur);
        allerA(cellule);
        taper(Qt::Key_Z, zones);
        if (zones > 0) {
            EXPECT_TRUE(grille_->accessibleDescription().contains(QStringLiteral("zone %1 sur").arg(zones + 1)));
        }
        taper(Qt::Key_Space);
    }

    // Where the ring shows the pot will go.
    QPoint pointDuPot() const
    {
        const QWidget* anneau = monde_.jeu().findChild<QWidget*>(QStringLiteral("CurseurClavier"));
        return anneau->pos() + QPoint(anneau->width() / 2, anneau->height() / 2);
    }

private:
    MondeJeu& monde_;
    QWidget* grille_;
    QPoint ici_;
};

// The colour keys, in the order of the colour box.
int toucheCouleur(quint32 couleur)
{
    const quint32 ordre[] = {CouleurBleu, CouleurBleuClair, CouleurRose, CouleurRouge, CouleurGrisFonce,
                             CouleurMarron, CouleurJaune, CouleurVert, CouleurVertFonce, CouleurGris};
    for (int i = 0; i < 10; ++i)
        if (ordre[i] == couleur)
            return i == 9 ? Qt::Key_0 : Qt::Key_1 + i;
    ADD_FAILURE() << "no key for colour " << couleur;
    return Qt::Key_unknown;
}

int toucheOutil(Genre genre)
{
    switch (genre) {
    case GenreRectangle: return Qt::Key_R;
    case GenreCercle: return Qt::Key_C;
    case GenreQuartDeCercle: return Qt::Key_Q;
    default: return Qt::Key_T;
    }
}

} // namespace

TEST(Clavier, ApresLaGommeLeClavierRevientAuQuadrillage)
{
    const struct {
        const char* nom;
        Qt::Key touche;
        int restants;
    } fins[] = {
        { "marker", Qt::Key_Return, 1 },
        { "eraser again", Qt::Key_G, 2 },
        { "a tool", Qt::Key_R, 2 },
        { "undo", Qt::Key_Backspace, 1 },
        { "check", Qt::Key_V, 2 },
    };
    for (const auto& fin : fins) {
        SCOPED_TRACE(fin.nom);
        MondeJeu monde(2);
        monde.charger(ContenuFichier(2, AxeVertical, N, 20, { { GenreTrait, 3, 2, 9, 8 } }));
        monde.tracerNoeuds({ 15, 2 }, { 21, 8 });
        monde.tracerNoeuds({ 15, 12 }, { 21, 12 });
        QWidget* grille = monde.jeu().findChild<QWidget*>(QStringLiteral("Image1"));
        monde.jeu().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&monde.jeu()));
        QTest::keyClick(grille, Qt::Key_G);
        ASSERT_TRUE(monde.jeu().modeGomme());
        EXPECT_EQ(monde.jeu().focusWidget()->objectName(), QStringLiteral("Marqueur1"));
        QTest::keyClick(monde.jeu().focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(monde.jeu().focusWidget()->objectName(), QStringLiteral("Marqueur2"));

        QTest::keyClick(monde.jeu().focusWidget(), fin.touche);
        EXPECT_FALSE(monde.jeu().modeGomme());
        EXPECT_EQ(monde.jeu().figureEleve().NbElements, fin.restants);
        ASSERT_EQ(monde.jeu().focusWidget(), grille);
        EXPECT_TRUE(monde.jeu().findChild<QWidget*>(QStringLiteral("CurseurClavier"))->isVisible());
        const QString avant = grille->accessibleDescription();
        QTest::keyClick(grille, Qt::Key_Right);
        EXPECT_NE(grille->accessibleDescription(), avant) << "the arrows move the cursor";
    }
}

namespace {

// One gesture at the keyboard: a stroke from de to a with the tool's key, or, with the
// pot's key P, a colour's key and the area of the cell at de reached with Z pressed
// `zones` times.
struct GesteClavier {
    int outil;
    QPoint de;
    QPoint a;
    int couleur = Qt::Key_unknown;
    int zones = 0;
};

struct CasClavier {
    const char* nom;
    int numero;
    Axe typeAxe;
    QVector<MotsElement> modele;
    std::vector<GesteClavier> gestes;
};

const CasClavier CasClaviers[] = {
    { "trait", 2, AxeVertical, { { GenreTrait, 3, 2, 9, 8 } }, { { Qt::Key_T, { 21, 2 }, { 15, 8 } } } },
    { "coloriage", 3, AxeVertical,
      { { GenreRectangle, 2, 2, 6, 6 }, { GenreColoriage, 3, 3, 5, 5, CouleurRouge } },
      { { Qt::Key_R, { 22, 2 }, { 18, 6 } }, { Qt::Key_P, { 19, 3 }, {}, Qt::Key_4 } } },
    // A diamond around a crossing: no cell centre lies inside it.
    { "losange", 3, AxeVertical,
      { { GenreTrait, 6, 7, 7, 8 }, { GenreTrait, 7, 8, 6, 9 }, { GenreTrait, 6, 9, 5, 8 },
        { GenreTrait, 5, 8, 6, 7 }, { GenreColoriage, 5, 7, 15, 15, CouleurVert } },
      { { Qt::Key_T, { 18, 7 }, { 19, 8 } }, { Qt::Key_T, { 19, 8 }, { 18, 9 } },
        { Qt::Key_T, { 18, 9 }, { 17, 8 } }, { Qt::Key_T, { 17, 8 }, { 18, 7 } },
        { Qt::Key_P, { 18, 7 }, {}, Qt::Key_8, 1 } } },
    // A triangle against an oblique axis: the cell on the axis holds the axis strip too,
    // which the pot leaves alone.
    { "oblique_couleurs", 3, AxeObliqueHB,
      { { GenreTrait, 2, 2, 2, 6 }, { GenreTrait, 2, 6, 6, 6 }, { GenreColoriage, 2, 4, 10, 10, CouleurJaune } },
      { { Qt::Key_T, { 2, 2 }, { 6, 2 } }, { Qt::Key_T, { 6, 2 }, { 6, 6 } },
        { Qt::Key_P, { 3, 3 }, {}, Qt::Key_7 } } },
    { "oblique_haut_bas", 4, AxeObliqueHB,
      { { GenreTrait, 3, 2, 9, 8 }, { GenreRectangle, 14, 2, 18, 6 } },
      { { Qt::Key_T, { 2, 3 }, { 8, 9 } }, { Qt::Key_R, { 2, 14 }, { 6, 18 } } } },
    { "oblique_bas_haut", 4, AxeObliqueBH,
      { { GenreTrait, 3, 2, 9, 8 }, { GenreQuartDeCercle, 6, 14, 9, 11 } },
      { { Qt::Key_T, { 22, 21 }, { 16, 15 } }, { Qt::Key_Q, { 10, 18 }, { 13, 15 } } } },
    { "centre", 5, AxePoint,
      { { GenreTrait, 3, 2, 9, 8 }, { GenreCercle, 2, 14, 6, 18 } },
      { { Qt::Key_T, { 21, 22 }, { 15, 16 } }, { Qt::Key_C, { 22, 10 }, { 18, 6 } } } },
};

class ClavierSeul : public ::testing::TestWithParam<CasClavier> {
protected:
    void SetUp() override
    {
        const CasClavier& cas = GetParam();
        monde.charger(ContenuFichier(cas.numero, cas.typeAxe, N, 20, cas.modele));
        eleve = std::make_unique<Eleve>(monde);
    }

    MondeJeu monde{ GetParam().numero };
    std::unique_ptr<Eleve> eleve;
};

TEST_P(ClavierSeul, LeSymetriqueSeDessineEtSeVerifieAuClavier)
{
    // A stroke dropped with Échap leaves nothing.
    eleve->taper(Qt::Key_Space);
    eleve->taper(Qt::Key_Right, 3);
    eleve->taper(Qt::Key_Escape);
    eleve->taper(Qt::Key_Left, 3);
    EXPECT_EQ(monde.jeu().figureEleve().NbElements, 0);
    for (const GesteClavier& g : GetParam().gestes) {
        if (g.outil == Qt::Key_P)
            eleve->peindre(g.couleur, g.de, g.zones);
        else
            eleve->tracer(g.outil, g.de, g.a);
    }
    EXPECT_EQ(monde.jeu().figureEleve().NbElements, int(GetParam().gestes.size()));
    eleve->taper(Qt::Key_V);
    EXPECT_EQ(monde.resultat(), QStringLiteral("Juste"));
}

INSTANTIATE_TEST_SUITE_P(ChaqueType, ClavierSeul, ::testing::ValuesIn(CasClaviers),
                         [](const ::testing::TestParamInfo<CasClavier>& info) { return std::string(info.param.nom); });

} // namespace

// Every shipped exercise with painted areas is solved at the keyboard alone: the image of
// each outline drawn from crossing to crossing, then each area reached from the crossing
// above and left of the cell holding its point, Z pressed until the ring is in the area
// the mouse would paint there.
TEST(Clavier, ChaqueExerciceLivreAvecDesCouleursSeResoutAuClavier)
{
    QDirIterator fichiers(QStringLiteral(ORVANE_DOSSIER_EXEMPLES), {QStringLiteral("*.ex3")}, QDir::Files,
                          QDirIterator::Subdirectories);
    int resolus = 0;
    while (fichiers.hasNext()) {
        const QString chemin = fichiers.next();
        SCOPED_TRACE(chemin.toStdString());
        QFile fichier(chemin);
        ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
        MondeJeu monde(3);
        monde.charger(fichier.readAll());
        Eleve eleve(monde);
        const Quadrillage& grille = monde.jeu().grille();
        const int t = grille.TailleCase;
        const Figure& modele = monde.jeu().figureReference();
        for (bool coloriages : {false, true}) {
            for (int i = 1; i <= modele.NbElements; ++i) {
                const ElementFigure image = ElementMiroir(grille, modele[i]);
                if (EstColoriage(image.GenreElement) != coloriages)
                    continue;
                if (!coloriages) {
                    eleve.tracer(toucheOutil(image.GenreElement), QPoint(image.X1, image.Y1) / t,
                                 QPoint(image.X2, image.Y2) / t);
                    continue;
                }
                const QPoint cible(image.X1, image.Y1);
                QImage zone = monde.jeu().image();
                RemplirJusquAuNoir(zone, cible.x(), cible.y(), CouleurNoir);
                eleve.taper(Qt::Key_P);
                eleve.taper(toucheCouleur(image.Couleur));
                eleve.allerA(QPoint(cible.x() / t, cible.y() / t));
                const auto dansLaZone = [&] {
                    const QPoint p = eleve.pointDuPot();
                    return CouleurPixel(zone, p.x(), p.y()) == CouleurNoir
                        && CouleurPixel(monde.jeu().image(), p.x(), p.y()) != CouleurNoir;
                };
                for (int essai = 0; essai < 8 && !dansLaZone(); ++essai)
                    eleve.taper(Qt::Key_Z);
                ASSERT_TRUE(dansLaZone()) << "area " << i;
                eleve.taper(Qt::Key_Space);
            }
        }
        eleve.taper(Qt::Key_V);
        EXPECT_EQ(monde.resultat(), QStringLiteral("Juste"));
        ++resolus;
    }
    EXPECT_GE(resolus, 16);
}
