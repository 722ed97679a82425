// A pupil's place along the class's path, from the results and attempts files.

#include "AvancementParcours.h"
#include "SupportEleves.h"

namespace {

class Avancement : public TestEleves {
protected:
    Avancement()
    {
        for (const char* nom : {"Ex02.ex4", "ex01.ex4", "Ex03.ex4", "Ex09.ex2"})
            fichier(QStringLiteral("Série 1"), QString::fromLatin1(nom));
        fichier(QStringLiteral("Série 2"), QStringLiteral("Ex01.ex4"));
    }

    void fichier(const QString& serie, const QString& nom)
    {
        QDir(dossierExercices()).mkpath(serie);
        ecrire(QDir(dossierExercices()).filePath(serie + QLatin1Char('/') + nom), "x");
    }

    static EtapeParcours serie(const QString& nom, int reussites = 0) { return etapeSerie(4, nom, reussites); }
    static Essai reussi(const QString& code, bool juste = true)
    {
        return {QDate(2026, 3, 14), QTime(9, 0), 4, QString(), code, juste};
    }

    AvancementParcours avancer(const ParcoursClasse& parcours, const QStringList& bilan, const QList<Essai>& essais = {})
    {
        return Avancer(parcours, FichiersDesEtapes(parcours, dossierExercices()), bilan, ReussitesAuHasard(essais));
    }
    static QList<EtatEtape> etats(const AvancementParcours& a)
    {
        QList<EtatEtape> liste;
        for (const AvancementEtape& e : a.etapes)
            liste.append(e.etat);
        return liste;
    }
};

TEST_F(Avancement, ChaqueEtapeEstFaiteCouranteAVenirOuIntrouvable)
{
    EtapeParcours illisible;
    illisible.illisible = QStringLiteral("bonjour");
    const ParcoursClasse parcours{{serie(QStringLiteral("Série 1")), illisible, serie(QStringLiteral("Série effacée")),
                                   etapeNiveau(4, 2, 2), serie(QStringLiteral("Série 2"))}};
    using E = EtatEtape;
    const struct {
        const char* cas;
        QStringList bilan;
        QList<Essai> essais;
        QList<EtatEtape> attendus;
        int courante;
    } cas[] = {
        {"nothing done", {}, {}, {E::Courante, E::Introuvable, E::Introuvable, E::AVenir, E::AVenir}, 0},
        {"the series of type 4 done (its .ex2 file is another type's)",
         {QStringLiteral("Série 1\\ex01"), QStringLiteral("Série 1\\Ex02"), QStringLiteral("Série 1\\Ex03")},
         {},
         {E::Faite, E::Introuvable, E::Introuvable, E::Courante, E::AVenir},
         3},
        {"two codes of level 2, one twice and one failed: one success",
         {QStringLiteral("Série 1\\ex01"), QStringLiteral("Série 1\\Ex02"), QStringLiteral("Série 1\\Ex03")},
         {reussi(QStringLiteral("4-2-10")), reussi(QStringLiteral("4-2-10")), reussi(QStringLiteral("4-2-11"), false),
          reussi(QStringLiteral("4-1-12"))},
         {E::Faite, E::Introuvable, E::Introuvable, E::Courante, E::AVenir},
         3},
        {"a later step done first; the level counted from its attempts",
         {QStringLiteral("Série 2\\Ex01")},
         {reussi(QStringLiteral("4-2-10")), reussi(QStringLiteral("4-2-11"))},
         {E::Courante, E::Introuvable, E::Introuvable, E::Faite, E::Faite},
         0},
    };
    for (const auto& c : cas) {
        const AvancementParcours a = avancer(parcours, c.bilan, c.essais);
        EXPECT_EQ(etats(a), c.attendus) << c.cas;
        EXPECT_EQ(a.courante, c.courante) << c.cas;
    }
    // A level reached before attempts were kept counts once, from the results file.
    EXPECT_EQ(avancer(parcours, {LigneHasard(4, 2)}).etapes[3].reussies, 1);
    // Every step done or missing: the path is done.
    EXPECT_TRUE(avancer(parcours, {QStringLiteral("Série 1\\ex01"), QStringLiteral("Série 1\\Ex02"),
                                   QStringLiteral("Série 1\\Ex03"), QStringLiteral("Série 2\\Ex01"), LigneHasard(4, 2)},
                        {reussi(QStringLiteral("4-2-10")), reussi(QStringLiteral("4-2-11"))})
                    .fini());
}

// The next exercise in the chooser's order, passing over the one just played while another is left.
TEST_F(Avancement, LaSuiteEstLExerciceAFaireSuivantDansLOrdreDuChoix)
{
    const ParcoursClasse parcours{{serie(QStringLiteral("Série 1"), 2)}};
    const AvancementEtape premiere = avancer(parcours, {QStringLiteral("Série 1\\Ex02")}).etapes[0];
    EXPECT_EQ(premiere.aFaire, (QStringList{QStringLiteral("ex01.ex4"), QStringLiteral("Ex03.ex4")}));
    EXPECT_EQ(ExerciceSuivant(premiere, QStringLiteral("Série 1\\ex01")).Fichier, QStringLiteral("Ex03.ex4"));
    EXPECT_EQ(ExerciceSuivant(premiere, QStringLiteral("Série 1\\Ex03")).Fichier, QStringLiteral("ex01.ex4"));
}

} // namespace
