#include "EditeurTest.h"

#include "Couleurs.h"
#include "Dessin.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>

namespace {
const QString TexteSansSymetrique = QStringLiteral("Cet élément n'aura pas de symétique.");
}

using FenetreDessin = EditeurTest;

TEST_F(FenetreDessin, EtatDeDepartSelonLExercice)
{
    for (int numero = 2; numero <= 5; ++numero) {
        TF_Dessin& f = ouvrir(numero);
        SCOPED_TRACE(numero);
        EXPECT_EQ(controle<QToolButton>("ModePeinture")->isVisibleTo(&f), numero == 3);
        EXPECT_EQ(fenetre->grille().TypeAxe, numero == 5 ? AxePoint : AxeVertical);
        EXPECT_EQ(fenetre->grille().NbColonnes, 24);
        EXPECT_EQ(fenetre->grille().TailleCase, 20);
        EXPECT_EQ(controle<QWidget>("PanelJeu")->size(), QSize(484, 484));
        EXPECT_EQ(controle<QLineEdit>("Edit4")->text(), QStringLiteral("24"));
        EXPECT_EQ(controle<QListWidget>("ListBox1")->currentRow(), 7);
        EXPECT_EQ(controle<QLineEdit>("Edit1")->text(), QStringLiteral("0"));
        EXPECT_EQ(controle<QListWidget>("ListBox2")->currentRow(), 5);
        EXPECT_TRUE(controle<QToolButton>("ModeTrait")->isChecked());
        EXPECT_TRUE(controle<QToolButton>("BoutonBleu")->isChecked());
        EXPECT_FALSE(controle<QWidget>("PanelCouleurs")->isVisibleTo(&f));
        EXPECT_EQ(f.planche().couleur(), CouleurBleu);
        EXPECT_FALSE(f.etat().DessinModifie);
        EXPECT_EQ(f.figure().NbElements, 0);
        // Grid, red axis (or point) and black frame are on the picture.
        EXPECT_EQ(CouleurPixel(f.image(), 20, 5), CouleurGrisQuadrillage);
        EXPECT_EQ(CouleurPixel(f.image(), 240, numero == 5 ? 240 : 100), CouleurRougeAxe);
        EXPECT_EQ(CouleurPixel(f.image(), 480, 100), CouleurNoir);
    }
}

TEST_F(FenetreDessin, LaSourisSAccrocheAuxNoeuds)
{
    TF_Dessin& f = ouvrir(2);
    struct Cas {
        int x;
        int colonne;
    };
    // Cells of 20 pixels: exactly half-way goes to the lower line.
    for (const Cas& c : {Cas{30, 1}, Cas{31, 2}, Cas{-4, 0}, Cas{495, 24}}) {
        f.Image1MouseDown({c.x, 45});
        EXPECT_EQ(f.planche().depart(), QPoint(c.colonne * 20, 40)) << "x = " << c.x;
        EXPECT_TRUE(f.etat().DessinModifie);
        f.Image1MouseUp({c.x, 45});
    }
    EXPECT_EQ(f.figure().NbElements, 0) << "clicks without a drag make nothing";

    // A drag ending beyond the right edge ends on the last column line.
    f.Image1MouseDown({100, 100});
    f.Image1MouseMove({900, 100});
    EXPECT_EQ(f.planche().pointeur(), QPoint(481, 100));
    f.Image1MouseUp({900, 100});
    ASSERT_EQ(f.figure().NbElements, 1);
    EXPECT_EQ(f.figure()[1].X2, 480);
    EXPECT_EQ(f.figure()[1].CaseX2, 24);
    EXPECT_EQ(CouleurPixel(f.image(), 300, 100), CouleurNoir);
}

TEST_F(FenetreDessin, LesFormesFermeesDemandentLargeurEtHauteur)
{
    TF_Dessin& f = ouvrir(2);
    tracer({2, 5}, {9, 5});
    EXPECT_EQ(f.figure().NbElements, 1) << "horizontal segment";
    cliquer("ModeRect");
    tracer({2, 7}, {9, 7});
    cliquer("ModeEllipse");
    tracer({2, 7}, {2, 12});
    EXPECT_EQ(f.figure().NbElements, 1) << "flat rectangle and circle are dropped";
    EXPECT_TRUE(dialogues.messages.isEmpty()) << "silently";

    // The circle from (2,2) to (7,4) is made square on the shorter side.
    tracer({2, 2}, {7, 4});
    ASSERT_EQ(f.figure().NbElements, 2);
    const ElementFigure& cercle = f.figure()[2];
    EXPECT_EQ(cercle.GenreElement, GenreCercle);
    EXPECT_EQ(QRect(QPoint(cercle.X1, cercle.Y1), QPoint(cercle.X2, cercle.Y2)),
              QRect(QPoint(40, 40), QPoint(80, 80)));
    EXPECT_EQ(QPoint(cercle.CaseX2, cercle.CaseY2), QPoint(4, 4));
    // Towards the mouse: up and left.
    cliquer("ModeArc");
    tracer({10, 10}, {4, 8});
    ASSERT_EQ(f.figure().NbElements, 3);
    EXPECT_EQ(QPoint(f.figure()[3].CaseX2, f.figure()[3].CaseY2), QPoint(8, 8));
    EXPECT_EQ(f.figure()[3].GenreElement, GenreQuartDeCercle);
}

TEST_F(FenetreDessin, LApercuPointilleSuitLeTrace)
{
    TF_Dessin& f = ouvrir(2);
    f.show();
    auto* apercu = controle<QWidget>("PaintBox4");
    cliquer("ModeEllipse");
    f.Image1MouseDown({100, 100});
    EXPECT_TRUE(apercu->isVisible());
    f.Image1MouseMove({40, 170});
    // A square towards the mouse, over the picture.
    EXPECT_EQ(apercu->geometry(), QRect(40, 100, 60, 60));
    f.Image1MouseUp({40, 170});
    EXPECT_FALSE(apercu->isVisible());
    EXPECT_FALSE(f.planche().traceEnCours());
}

TEST_F(FenetreDessin, LaSourisReelleDessineDansImage1)
{
    TF_Dessin& f = ouvrir(2);
    f.show();
    auto* image = controle<QWidget>("Image1");
    QTest::mousePress(image, Qt::LeftButton, {}, {40, 40});
    QTest::mouseMove(image, {120, 40});
    QTest::mouseRelease(image, Qt::LeftButton, {}, {121, 40});
    ASSERT_EQ(f.figure().NbElements, 1);
    EXPECT_EQ(QPoint(f.figure()[1].CaseX2, f.figure()[1].CaseY2), QPoint(6, 2));
}

TEST_F(FenetreDessin, UnElementSansSymetriqueEstRefuseAuRelacher)
{
    TF_Dessin& f = ouvrir(2);
    // Offset -1: column 0 mirrors to 22 and passes.
    choisirDans("ListBox2", QStringLiteral("-1"));
    EXPECT_EQ(fenetre->grille().DecalageAxe, -1);
    tracer({0, 2}, {5, 2});
    EXPECT_EQ(f.figure().NbElements, 1);
    // Offset +1: column 0 mirrors to 26 and fails.
    choisirDans("ListBox2", QStringLiteral("+1"));
    EXPECT_EQ(controle<QLineEdit>("Edit1")->text(), QStringLiteral("+1"));
    tracer({0, 4}, {5, 4});
    EXPECT_EQ(dialogues.textes(), QStringList{TexteSansSymetrique});
    EXPECT_EQ(dialogues.messages.first().genre, GenreMessage::Avertissement);
    EXPECT_EQ(f.figure().NbElements, 1);
    EXPECT_NE(CouleurPixel(f.image(), 40, 80), CouleurNoir) << "nothing drawn";

    // About a point everything passes.
    f.ChoisirAxe(AxePoint);
    tracer({0, 4}, {5, 4});
    EXPECT_EQ(f.figure().NbElements, 2);
}

TEST_F(FenetreDessin, AnnulerRetireLeDernierEtRedessine)
{
    TF_Dessin& f = ouvrir(2);
    const QImage vierge = f.image();
    cliquer("BoutonEfface1A");
    EXPECT_TRUE(f.etat().DessinModifie) << "even on an empty figure";
    EXPECT_EQ(f.image(), vierge);

    tracer({2, 2}, {2, 8});
    tracer({4, 2}, {4, 8});
    cliquer("BoutonEfface1A");
    ASSERT_EQ(f.figure().NbElements, 1);
    EXPECT_EQ(f.figure()[1].CaseX1, 2);
    EXPECT_EQ(CouleurPixel(f.image(), 80, 100), CouleurGrisQuadrillage);
    EXPECT_EQ(CouleurPixel(f.image(), 40, 100), CouleurNoir);
}

TEST_F(FenetreDessin, LaGommeRetireLElementChoisi)
{
    TF_Dessin& f = ouvrir(2);
    tracer({2, 2}, {2, 8});
    cliquer("ModeRect");
    tracer({4, 2}, {6, 8});
    cliquer("ModeTrait");
    tracer({8, 2}, {8, 8});
    QWidget* image = controle<QWidget>("Image1");

    cliquer("SpeedButton1");
    EXPECT_TRUE(f.planche().modeGomme());
    EXPECT_FALSE(image->isEnabled());
    auto* m2 = controle<QLabel>("Marqueur2");
    EXPECT_TRUE(m2->isVisibleTo(&f));
    EXPECT_EQ(m2->text(), QStringLiteral("r"));
    EXPECT_EQ(m2->geometry(), QRect(81, 41, 10, 10)) << "at the rectangle's first corner";
    EXPECT_EQ(controle<QLabel>("Marqueur1")->geometry().topLeft(), QPoint(41, 101));
    const auto* m4 = f.findChild<QLabel*>(QStringLiteral("Marqueur4"));
    EXPECT_FALSE(m4 && m4->isVisibleTo(&f)) << "no marker beyond the figure's elements";

    QTest::mouseClick(m2, Qt::LeftButton);
    ASSERT_EQ(f.figure().NbElements, 2);
    EXPECT_EQ(f.figure()[2].GenreElement, GenreTrait);
    EXPECT_EQ(f.figure()[2].CaseX1, 8) << "the third element is now the second";
    EXPECT_FALSE(f.planche().modeGomme());
    EXPECT_TRUE(image->isEnabled());
    EXPECT_TRUE(controle<QToolButton>("ModeTrait")->isChecked());
    EXPECT_FALSE(controle<QLabel>("Marqueur1")->isVisibleTo(&f));
    EXPECT_EQ(CouleurPixel(f.image(), 80, 100), CouleurGrisQuadrillage) << "rectangle gone";
    EXPECT_EQ(CouleurPixel(f.image(), 160, 100), CouleurNoir);
}

TEST_F(FenetreDessin, LeMarqueurDUnQuartDeCercleEstAuBoutDeLArc)
{
    TF_Dessin& f = ouvrir(2);
    cliquer("ModeArc");
    tracer({10, 10}, {6, 14});
    cliquer("SpeedButton1");
    EXPECT_EQ(controle<QLabel>("Marqueur1")->geometry().topLeft(), QPoint(201, 281));
    EXPECT_EQ(controle<QLabel>("Marqueur1")->text(), QStringLiteral("("));
    // A second click on the eraser presses the arc tool again.
    cliquer("SpeedButton1");
    EXPECT_FALSE(f.planche().modeGomme());
    EXPECT_TRUE(controle<QToolButton>("ModeArc")->isChecked());
    EXPECT_FALSE(controle<QLabel>("Marqueur1")->isVisibleTo(&f));
}

TEST_F(FenetreDessin, LaPeintureNExisteQuePourLExercice3EtRespecteLeNoir)
{
    TF_Dessin& f = ouvrir(3);
    cliquer("ModeRect");
    tracer({2, 2}, {6, 6});
    cliquer("ModePeinture");
    EXPECT_TRUE(controle<QWidget>("PanelCouleurs")->isVisibleTo(&f));
    EXPECT_EQ(f.planche().outil(), Outil::Peinture);
    cliquer("BoutonRouge");
    EXPECT_EQ(f.planche().couleur(), CouleurRouge);

    f.Image1MouseDown({40, 70}); // on the black outline
    EXPECT_EQ(f.figure().NbElements, 1);
    f.Image1MouseDown({85, 67});
    ASSERT_EQ(f.figure().NbElements, 2);
    const ElementFigure& c = f.figure()[2];
    EXPECT_EQ(c.GenreElement, GenreColoriage);
    EXPECT_EQ(QList<int>({c.CaseX1, c.CaseY1, c.CaseX2, c.CaseY2}), QList<int>({4, 3, 5, 7}));
    EXPECT_EQ(c.Couleur, CouleurRouge);
    EXPECT_EQ(CouleurPixel(f.image(), 100, 100), CouleurRouge);
    EXPECT_EQ(CouleurPixel(f.image(), 140, 100), CouleurGrisQuadrillage) << "held by the outline";
    f.Image1MouseDown({90, 90}); // already red
    EXPECT_EQ(f.figure().NbElements, 2);

    // Picking a tool hides the colours; the eraser shows the area in its own colour.
    cliquer("SpeedButton1");
    EXPECT_EQ(controle<QLabel>("Marqueur2")->text(), QStringLiteral("c"));
    EXPECT_EQ(controle<QLabel>("Marqueur2")->palette().color(QPalette::Window), QColor(Qt::red));
    cliquer("ModeTrait");
    EXPECT_FALSE(f.planche().modeGomme());
    EXPECT_FALSE(controle<QWidget>("PanelCouleurs")->isVisibleTo(&f));
}

TEST_F(FenetreDessin, LaFigureGardeAuPlus200Elements)
{
    TF_Dessin& f = ouvrir(2);
    for (int i = 0; i < 201; ++i)
        tracer({i % 24, (i / 24) % 24}, {i % 24, (i / 24) % 24 + 1});
    EXPECT_EQ(f.figure().NbElements, 200);
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(FenetreDessin, LaTailleDuQuadrillageRefuseCeQuiDepasse)
{
    TF_Dessin& f = ouvrir(3);
    tracer({2, 2}, {12, 2});
    choisirDans("ListBox1", QStringLiteral("10"));
    EXPECT_EQ(dialogues.textes(),
              QStringList{QStringLiteral("Opération impossible. Certains objets seraient en-dehors du quadrillage!")});
    EXPECT_EQ(fenetre->grille().NbColonnes, 24);
    EXPECT_EQ(controle<QLineEdit>("Edit4")->text(), QStringLiteral("24"));
    EXPECT_EQ(controle<QListWidget>("ListBox1")->currentRow(), 7);

    // A painted area counts by its seed's cell only.
    cliquer("BoutonEfface1A");
    cliquer("ModeRect");
    tracer({2, 2}, {6, 6});
    cliquer("ModePeinture");
    f.Image1MouseDown({85, 67});
    choisirDans("ListBox1", QStringLiteral("20"));
    EXPECT_EQ(dialogues.messages.size(), 1);
    EXPECT_EQ(fenetre->grille().NbColonnes, 20);
    EXPECT_EQ(fenetre->grille().TailleCase, 24);
    EXPECT_EQ(controle<QWidget>("PanelJeu")->size(), QSize(484, 484));
    const ElementFigure& rect = f.figure()[1];
    EXPECT_EQ(QList<int>({rect.X1, rect.Y1, rect.X2, rect.Y2}), QList<int>({48, 48, 144, 144}));
    // The seed keeps its place in its cell: offsets 5 and 7 of 20 become 6 and 8 of 24.
    const ElementFigure& seme = f.figure()[2];
    EXPECT_EQ(QList<int>({seme.X1, seme.Y1, seme.CaseX2, seme.CaseY2}), QList<int>({102, 80, 6, 8}));
    EXPECT_EQ(CouleurPixel(f.image(), 100, 100), CouleurBleu);
}

TEST_F(FenetreDessin, VerifierCompteLesElementsSansSymetrique)
{
    ouvrir(4);
    tracer({2, 2}, {2, 8});
    tracer({12, 2}, {14, 2});
    tracer({4, 2}, {4, 8});
    const auto verifier = [this] {
        dialogues.messages.clear();
        cliquer("SpeedButton2");
        return dialogues.textes().value(0);
    };
    EXPECT_EQ(verifier(), QStringLiteral("La figure symétrique peut être dessinée."));
    // Offset +5: only columns from 10 on have their mirror in the grid.
    choisirDans("ListBox2", QStringLiteral("+5"));
    EXPECT_EQ(verifier(), QStringLiteral("2 éléments n'auront pas de symétriques."));
    cliquer("BoutonEfface1A");
    EXPECT_EQ(verifier(), QStringLiteral("1 élément n'aura pas de symétrique."));
    EXPECT_EQ(dialogues.messages.first().genre, GenreMessage::Avertissement);
}

TEST_F(FenetreDessin, LeMenuDesAxesRedessineSansToucherAuDessin)
{
    TF_Dessin& f = ouvrir(2);
    tracer({2, 2}, {2, 8});
    cliquer("SpeedButton1");
    const auto axe = [this](const char* nom) {
        controle<QAction>(nom)->trigger();
        return fenetre->grille().TypeAxe;
    };
    EXPECT_EQ(axe("N2Axehorizontal1"), AxeHorizontal);
    EXPECT_EQ(CouleurPixel(f.image(), 100, 240), CouleurRougeAxe);
    EXPECT_EQ(axe("N3AxeobliqueHB1"), AxeObliqueHB);
    EXPECT_EQ(axe("N4AxeobliqueBH1"), AxeObliqueBH);
    EXPECT_EQ(axe("Autourdunpoint1"), AxePoint);
    EXPECT_EQ(axe("N1axevertical1"), AxeVertical);
    EXPECT_TRUE(f.planche().modeGomme()) << "the axis leaves the eraser on";
    EXPECT_EQ(CouleurPixel(f.image(), 40, 100), CouleurNoir);
}

TEST_F(FenetreDessin, F1EtLeMenuAideOuvrentLaPageDeLEditeur)
{
    TF_Dessin& f = ouvrir(2);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(&f, &f1);
    controle<QAction>("Aide1")->trigger();
    EXPECT_EQ(dialogues.aides, QStringList(2, QStringLiteral("aide_orvane.chm::edit_exo.htm")));
}

TEST_F(FenetreDessin, NouveauDemandeAvantDePerdreLeDessin)
{
    TF_Dessin& f = ouvrir(2);
    f.ChoisirAxe(AxeHorizontal);
    choisirDans("ListBox1", QStringLiteral("30"));
    choisirDans("ListBox2", QStringLiteral("+2"));
    tracer({2, 6}, {2, 10});

    dialogues.reponses.enqueue(Reponse::Annuler);
    cliquer("BoutonNouveau");
    EXPECT_EQ(dialogues.messages.last().boutons, BoutonsMessage::OuiNonAnnuler);
    EXPECT_EQ(f.figure().NbElements, 1);

    dialogues.reponses.enqueue(Reponse::Non);
    cliquer("BoutonNouveau");
    EXPECT_EQ(dialogues.textes(), QStringList(2, QStringLiteral("Enregistrer l'exercice en cours ?")));
    EXPECT_EQ(f.figure().NbElements, 0);
    EXPECT_FALSE(f.etat().DessinModifie);
    EXPECT_EQ(fenetre->grille().DecalageAxe, 0);
    EXPECT_EQ(fenetre->grille().NbColonnes, 30) << "the grid size stays";
    EXPECT_EQ(fenetre->grille().TypeAxe, AxeHorizontal) << "the axis stays";
    EXPECT_EQ(controle<QLineEdit>("Edit4")->text(), QStringLiteral("30"));
    EXPECT_EQ(controle<QLineEdit>("Edit1")->text(), QStringLiteral("0"));

    // Without changes a new drawing starts at once.
    cliquer("BoutonNouveau");
    EXPECT_EQ(dialogues.messages.size(), 2);
}

TEST_F(FenetreDessin, QuitterDemandeSeulementSIlYAUnDessinModifie)
{
    TF_Dessin& f = ouvrir(2);
    f.show();
    cliquer("BoutonQuitter");
    EXPECT_TRUE(dialogues.messages.isEmpty());
    EXPECT_FALSE(f.isVisible());

    f.show();
    EXPECT_EQ(f.figure().NbElements, 0) << "every opening starts afresh";
    tracer({2, 2}, {2, 8});
    dialogues.reponses.enqueue(Reponse::Non);
    cliquer("BoutonQuitter");
    EXPECT_EQ(dialogues.textes(), QStringList{QStringLiteral("Enregistrer l'exercice en cours ?")});
    EXPECT_EQ(dialogues.messages.first().boutons, BoutonsMessage::OuiNon);
    EXPECT_FALSE(f.isVisible());
}
