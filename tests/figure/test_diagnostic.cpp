#include "Diagnostic.h"
#include "ImpressionFigure.h"
#include "PartieControle.h"

#include <gtest/gtest.h>

namespace {

const Axe LesAxes[] = {AxeVertical, AxeHorizontal, AxeObliqueHB, AxeObliqueBH, AxePoint};

// An L and a slanted segment: no translation of it is its image about any axis kind.
Figure FigureL()
{
    Figure f;
    f.Ajouter(Forme(GenreTrait, {1, 6}, {1, 9}));
    f.Ajouter(Forme(GenreTrait, {1, 9}, {3, 9}));
    f.Ajouter(Forme(GenreTrait, {2, 6}, {4, 7}));
    return f;
}

ElementFigure decale(ElementFigure e, QPoint cases)
{
    e.X1 += cases.x() * T;
    e.X2 += cases.x() * T;
    e.Y1 += cases.y() * T;
    e.Y2 += cases.y() * T;
    return e;
}

struct Resultat {
    bool juste;
    DiagnosticFaux diagnostic;
};

Resultat juger(const Partie& p)
{
    return {p.verifier(), DiagnostiquerFaux(p.grille(), p.image(), p.masque(), p.reference(), p.eleve(),
                                            p.axeInitial())};
}

int compter(const std::vector<bool>& v, bool valeur)
{
    return int(std::count(v.begin(), v.end(), valeur));
}

} // namespace

TEST(Diagnostic, ChaqueErreurDonneSesCouleursEtSaPhrase)
{
    for (Axe axe : LesAxes) {
        // The obliques shifted; the straight axes in the middle keep the figure's image in
        // the grid.
        const int decalageAxe = axe == AxeObliqueHB || axe == AxeObliqueBH ? 1 : 0;
        SCOPED_TRACE(testing::Message() << "axis " << axe);

        const struct {
            QPoint cases;
            const char* phrase;
        } decalages[] = {
            {{1, 0}, "Ta figure est décalée d'un carreau vers la droite."},
            {{-2, 0}, "Ta figure est décalée de 2 carreaux vers la gauche."},
            {{0, 1}, "Ta figure est décalée d'un carreau vers le bas."},
            {{0, -3}, "Ta figure est décalée de 3 carreaux vers le haut."},
            {{-1, 2}, "Ta figure est décalée d'un carreau vers la gauche et de 2 carreaux vers le bas."},
        };
        Resultat r;
        for (const auto& d : decalages) {
            Partie decalee(axe, 2, decalageAxe);
            decalee.montrer(FigureL());
            for (int i = 1; i <= 3; ++i)
                decalee.tracer(decale(decalee.miroir(FigureL()[i]), d.cases));
            r = juger(decalee);
            EXPECT_FALSE(r.juste);
            EXPECT_EQ(r.diagnostic.phrase, QString::fromUtf8(d.phrase));
            EXPECT_EQ(compter(r.diagnostic.eleveEnTrop, true), 3);
        }

        Partie recopiee(axe, 2, decalageAxe);
        recopiee.montrer(FigureL());
        const QPoint loin = axe == AxeObliqueHB ? QPoint(12, -4) : QPoint(14, 2);
        for (int i = 1; i <= 3; ++i)
            recopiee.tracer(decale(FigureL()[i], loin));
        r = juger(recopiee);
        EXPECT_FALSE(r.juste);
        EXPECT_EQ(r.diagnostic.phrase, QStringLiteral("Tu as recopié la figure au lieu de la retourner."));

        Partie autreAxe(axe, 2, decalageAxe);
        autreAxe.montrer(FigureL());
        Quadrillage autre = autreAxe.grille();
        autre.TypeAxe = axe == AxePoint ? AxeVertical : AxePoint;
        autre.DecalageAxe = 0;
        for (int i = 1; i <= 3; ++i)
            autreAxe.tracer(ElementMiroir(autre, FigureL()[i]));
        r = juger(autreAxe);
        EXPECT_FALSE(r.juste);
        EXPECT_EQ(r.diagnostic.phrase, QStringLiteral("Ta figure est le symétrique par rapport à un autre axe."));

        Partie incomplete(axe, 2, decalageAxe);
        incomplete.montrer(FigureL());
        incomplete.tracer(incomplete.miroir(FigureL()[1]));
        // Drawn the other way round, a segment is still its image.
        ElementFigure inverse = incomplete.miroir(FigureL()[2]);
        std::swap(inverse.X1, inverse.X2);
        std::swap(inverse.Y1, inverse.Y2);
        incomplete.tracer(inverse);
        r = juger(incomplete);
        EXPECT_FALSE(r.juste);
        EXPECT_EQ(r.diagnostic.referenceJuste, (std::vector<bool>{true, true, false}));
        EXPECT_EQ(r.diagnostic.eleveEnTrop, (std::vector<bool>{false, false}));
        EXPECT_EQ(r.diagnostic.phrase, QStringLiteral("Il manque un élément."));

        Partie enTrop(axe, 2, decalageAxe);
        enTrop.montrer(FigureL());
        enTrop.tracerLeMiroir();
        enTrop.tracer(Forme(GenreCercle, {20, 20}, {22, 22}));
        r = juger(enTrop);
        EXPECT_FALSE(r.juste);
        EXPECT_EQ(r.diagnostic.referenceJuste, (std::vector<bool>{true, true, true}));
        EXPECT_EQ(r.diagnostic.eleveEnTrop, (std::vector<bool>{false, false, false, true}));
        EXPECT_EQ(r.diagnostic.phrase, QStringLiteral("Il y a un élément en trop."));
    }
}

TEST(Diagnostic, ExerciceTroisLesZonesSansCouleurOuDUneAutreCouleur)
{
    Figure modele;
    modele.Ajouter(Forme(GenreRectangle, {1, 6}, {4, 9}));
    modele.Ajouter(Peinture({45, 145}, CouleurRouge));
    for (quint32 couleur : {CouleurBlanc, CouleurBleu}) {
        Partie p(AxeVertical, 3);
        p.montrer(modele);
        p.tracer(p.miroir(modele[1]));
        if (couleur != CouleurBlanc) {
            ElementFigure zone = p.miroir(modele[2]);
            zone.Couleur = couleur;
            p.tracer(zone);
        }
        const Resultat r = juger(p);
        EXPECT_FALSE(r.juste);
        EXPECT_EQ(r.diagnostic.phrase,
                  couleur == CouleurBlanc
                      ? QStringLiteral("Les traits sont justes ; une zone n'est pas coloriée.")
                      : QStringLiteral("Les traits sont justes ; une zone n'a pas la bonne couleur."));
    }

    // The area painted right, but a stroke near the image of the slanted line, close
    // enough to pass for part of it, covers the point where the area's colour is looked for.
    Figure penche;
    penche.Ajouter(Forme(GenreTrait, {1, 6}, {8, 7}));
    penche.Ajouter(Peinture({38, 119}, CouleurRouge));
    Partie p(AxeVertical, 3);
    p.montrer(penche);
    p.tracer(p.miroir(penche[1]));
    p.tracer(p.miroir(Forme(GenreTrait, {1, 6}, {2, 6})));
    p.tracer(Peinture({400, 300}, CouleurRouge));
    const Resultat r = juger(p);
    EXPECT_FALSE(r.juste);
    EXPECT_EQ(r.diagnostic.phrase, QStringLiteral("Un trait en trop passe sur une zone à colorier."));
}

// The colours never contradict the verdict: every subset of the exact image, about every
// axis kind, is "Juste" exactly when all is green and nothing is red.
TEST(Diagnostic, JusteSiEtSeulementSiToutEstVertSansRouge)
{
    const Figure modele = FigureDeChaqueGenre();
    for (Axe axe : LesAxes) {
        for (int sousEnsemble = 0; sousEnsemble < (1 << modele.NbElements); ++sousEnsemble) {
            Partie p(axe, 3);
            p.montrer(modele);
            for (int i = 1; i <= modele.NbElements; ++i)
                if (sousEnsemble & (1 << (i - 1)))
                    p.tracer(p.miroir(modele[i]));
            const Resultat r = juger(p);
            const bool toutVert = compter(r.diagnostic.referenceJuste, false) == 0
                && compter(r.diagnostic.eleveEnTrop, true) == 0;
            EXPECT_EQ(r.juste, toutVert) << "axis " << axe << " subset " << sousEnsemble;
        }
    }
}

// A drawing wrong only because a stroke covers the axis: the stroke marked is the one that
// is the image of nothing, whether it was drawn before or after the right image, from
// either end, about a vertical axis or (the same figure turned) a horizontal one. The
// right image crosses the axis, the stray stroke only touches it.
TEST(Diagnostic, SurLAxeLeTraitMarqueEstCeluiQuiNEstLImageDeRien)
{
    for (Axe axe : {AxeVertical, AxeHorizontal}) {
        const auto tourne = [axe](QPoint p) { return axe == AxeVertical ? p : p.transposed(); };
        const ElementFigure modele = Forme(GenreTrait, tourne({6, 2}), tourne({13, 3}));
        for (bool egareDAbord : {true, false}) {
            for (bool versLAxe : {true, false}) {
                SCOPED_TRACE(testing::Message() << "axis " << axe << (egareDAbord ? ", stray first" : ", stray last")
                                                << (versLAxe ? ", towards the axis" : ", from the axis"));
                Figure reference;
                reference.Ajouter(modele);
                Partie p(axe);
                p.montrer(reference);
                const QPoint surAxe = tourne({12, 3});
                const QPoint aCote = tourne({11, 3});
                const ElementFigure egare = versLAxe ? Forme(GenreTrait, aCote, surAxe) : Forme(GenreTrait, surAxe, aCote);
                if (egareDAbord)
                    p.tracer(egare);
                p.tracer(p.miroir(modele));
                if (!egareDAbord)
                    p.tracer(egare);
                const Resultat r = juger(p);
                EXPECT_FALSE(r.juste);
                EXPECT_EQ(r.diagnostic.eleveEnTrop,
                          egareDAbord ? (std::vector<bool>{true, false}) : (std::vector<bool>{false, true}));
            }
        }
    }
}
