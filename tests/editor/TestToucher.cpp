// A finger and a pen in the editor draw what the mouse draws, with every tool and the same
// refusals.

#include "EditeurTest.h"
#include "Saisies.h"

namespace {

class ToucherEditeur : public EditeurTest {
protected:
    struct Resultat {
        Figure figure;
        QStringList messages;
    };

    // With the axis one column right, a stroke from column 0 has no image in the grid.
    Resultat dessiner(Saisie saisie)
    {
        dialogues.messages.clear();
        TF_Dessin& f = ouvrir(3);
        f.show();
        choisirDans("ListBox2", QStringLiteral("+1"));
        QWidget* image = controle<QWidget>("Image1");
        const int c = f.grille().TailleCase;
        const struct {
            const char* outil;
            QPoint de, a;
        } traits[] = {
            {"ModeRect", {2, 2}, {6, 6}},     {"ModeTrait", {0, 8}, {5, 8}}, // refused
            {"ModeTrait", {2, 10}, {8, 14}},  {"ModeEllipse", {2, 16}, {6, 20}},
            {"ModeArc", {8, 18}, {10, 20}},   {"ModeEllipse", {9, 3}, {9, 7}}, // no width
        };
        for (const auto& t : traits) {
            cliquer(t.outil);
            Tracer(image, saisie, t.de * c, t.a * c, {(t.de + t.a) * c / 2});
        }
        cliquer("ModePeinture");
        Toucher(image, saisie, {3 * c + 5, 3 * c + 7});
        cliquer("SpeedButton2");
        Resultat r{f.figure(), dialogues.textes()};
        f.hide();
        return r;
    }
};

TEST_F(ToucherEditeur, FingerPenAndMouseMakeTheSameFigureAndTheSameMessages)
{
    const Resultat souris = dessiner(Saisie::Souris);
    ASSERT_EQ(souris.figure.NbElements, 5) << "two strokes refused";
    for (Saisie saisie : {Saisie::Doigt, Saisie::Stylet}) {
        const Resultat r = dessiner(saisie);
        EXPECT_EQ(r.figure, souris.figure) << NomSaisie(saisie);
        EXPECT_EQ(r.messages, souris.messages) << NomSaisie(saisie);
    }
}

} // namespace
