// The class's path file: written as the teacher set it and read back the same; edited by
// hand into nonsense, it is refused with its reason, or its broken steps are kept in their
// place as missing ones.

#include "ParcoursClasse.h"
#include "SupportEleves.h"

namespace {

TEST(FichierParcours, LeParcoursEcritSeRelitTelQuel)
{
    const ParcoursClasse parcours{{etapeSerie(2, QStringLiteral("Série 1 - débutant")), etapeNiveau(4, 2, 3),
                                   etapeSerie(5, QStringLiteral("a;b « c »"), 4)},
                                  false};
    const LectureParcours lecture = LireParcours(ContenuParcours(parcours, QStringLiteral("CE2")));
    ASSERT_TRUE(lecture.parcours);
    EXPECT_EQ(*lecture.parcours, parcours);
    EXPECT_TRUE(lecture.remarques.isEmpty());
}

TEST(FichierParcours, UnFichierEditeALaMainEstLuOuRefuseAvecSaRaison)
{
    const QByteArray tete = "Parcours Orvane 1\n";
    const struct {
        const char* cas;
        QByteArray octets;
        bool refuse;
        QList<bool> lisibles; // the steps read, each readable or kept as missing
        bool autres;
        qsizetype remarques;
    } cas[] = {
        {"rien", "", true, {}, true, 0},
        {"a later version", "Parcours Orvane 2\nsérie;2;0;S\n", true, {}, true, 0},
        {"bytes of nothing", QByteArray("\x00\xff\xfe\x01", 4), true, {}, true, 0},
        {"comments, blank lines, CR LF, a byte-order mark and no accent",
         "\xEF\xBB\xBF# mot\r\n\r\n" + tete + "Autres exercices ; NON\r\nserie;3;2;Série 2\r\n", false, {true}, false, 0},
        {"broken steps stay in their place",
         tete + "série;9;0;S\nniveau;4;7;3\nniveau;4;2;0\nsérie;2;0;.cachée\nsérie;2;0;a/b\nbonjour\nniveau;4;2;3\n", false,
         {false, false, false, false, false, false, true}, true, 6},
        {"a word that is neither yes nor no", tete + "autres exercices;peut-être\n", false, {}, true, 1},
    };
    for (const auto& c : cas) {
        const LectureParcours lecture = LireParcours(c.octets);
        EXPECT_EQ(!lecture.parcours, c.refuse) << c.cas;
        EXPECT_EQ(lecture.erreur.isEmpty(), !c.refuse) << c.cas;
        if (!lecture.parcours)
            continue;
        QList<bool> lisibles;
        for (const EtapeParcours& e : lecture.parcours->etapes)
            lisibles.append(e.lisible());
        EXPECT_EQ(lisibles, c.lisibles) << c.cas;
        EXPECT_EQ(lecture.parcours->autresExercices, c.autres) << c.cas;
        EXPECT_EQ(lecture.remarques.size(), c.remarques) << c.cas << lecture.remarques.join(QLatin1Char('|')).toStdString();
    }
    // A broken step is written back as it was read, so that the teacher loses nothing.
    const LectureParcours abime = LireParcours(tete + "niveau;4;7;3\n");
    EXPECT_TRUE(ContenuParcours(*abime.parcours, QStringLiteral("CM1")).endsWith("niveau;4;7;3\n"));

    // A path has at most a hundred steps; what follows is said and left out.
    QByteArray long_ = tete;
    for (int i = 0; i < 120; ++i)
        long_ += "niveau;2;1;3\n";
    const LectureParcours lu = LireParcours(long_);
    EXPECT_EQ(lu.parcours->etapes.size(), ParcoursClasse::EtapesMax);
    EXPECT_EQ(lu.remarques.size(), 20);
}

TEST(FichierParcours, UneClasseSansFichierNAPasDeParcoursEtSansMessage)
{
    DossierTemporaire dossier;
    LectureParcours lecture = LireParcoursClasse(dossier.chemin(), QStringLiteral("CM1"));
    EXPECT_FALSE(lecture.parcours);
    EXPECT_TRUE(lecture.erreur.isEmpty());
    // Found whatever the case of its letters, and refused with the class's name.
    ASSERT_TRUE(DossierTemporaire::ecrire(dossier.fichier(QStringLiteral("parcours cm1.TXT")), "n'importe quoi"));
    lecture = LireParcoursClasse(dossier.chemin(), QStringLiteral("CM1"));
    EXPECT_FALSE(lecture.parcours);
    EXPECT_TRUE(lecture.erreur.contains(QStringLiteral("« parcours cm1.TXT » n'est pas un parcours"))) << lecture.erreur.toStdString();
}

} // namespace
