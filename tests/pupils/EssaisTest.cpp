// The attempts file: its lines as written and read back, damaged lines passed over, a
// file read as it grows never giving half a line, and each verdict added whole under the
// lock, or nothing.

#include "DisquePlein.h"
#include "Essais.h"
#include "SupportEleves.h"
#include "Verrou.h"

#include <QDateTime>

#include <sys/stat.h>

namespace {

Essai essai(const QString& serie, const QString& exercice, bool juste, int type = 2)
{
    return {QDate(2026, 3, 14), QTime(10, 2, 31), type, serie, exercice, juste};
}

bool memes(const Essai& a, const Essai& b)
{
    return a.jour == b.jour && a.heure == b.heure && a.memeExercice(b) && a.juste == b.juste;
}

class Essais : public TestEleves {
protected:
    Essais()
    {
        contexte.nomEleve = QStringLiteral("Léa M.");
        contexte.nomClasse = QStringLiteral("CM1");
    }
    ~Essais() override { Verrou::fixerAttenteMs(5000); }

    QString fichier() const { return bilan(NomFichierEssais(contexte.nomEleve, contexte.nomClasse)); }
    QString ajouter(const Essai& e) const
    {
        return AjouterEssai(contexte.dossierBilansAccessible(), contexte.nomEleve, contexte.nomClasse, e);
    }
};

TEST(FichierEssais, ChaqueEssaiSeRelitTelQuIlAEteEcrit)
{
    const QList<Essai> essais = {
        essai(QStringLiteral("Série 1 - débutant"), QStringLiteral("Ex05"), false),
        essai(QString(), QStringLiteral("4-3-8271"), true, 4),
        essai(QStringLiteral("a;b \"c\""), QStringLiteral("=SOMME(A1)"), true), // a formula stays text
        essai(QStringLiteral("'+x"), QStringLiteral("-3"), false, 5),
    };
    QByteArray octets = DebutFichierEssais();
    for (const Essai& e : essais)
        octets += LigneEssai(e);
    EXPECT_TRUE(octets.startsWith("\xEF\xBB\xBF" "Date;Heure;Type;S\xC3\xA9rie;Exercice;Verdict\r\n"));
    EXPECT_EQ(LigneEssai(essais[0]), QByteArray("2026-03-14;10:02:31;2;S\xC3\xA9rie 1 - d\xC3\xA9" "butant;Ex05;Faux\r\n"));
    EXPECT_EQ(LigneEssai(essais[2]), QByteArray("2026-03-14;10:02:31;2;\"a;b \"\"c\"\"\";\"'=SOMME(A1)\";Juste\r\n"));
    const LectureEssais lecture = LireEssais(octets);
    ASSERT_EQ(lecture.essais.size(), essais.size());
    for (qsizetype i = 0; i < essais.size(); ++i)
        EXPECT_TRUE(memes(lecture.essais[i], essais[i])) << i;
    // A line end in a name would cut the line: it is written as a space.
    EXPECT_EQ(LireEssais(LigneEssai(essai(QStringLiteral("S\n1"), QStringLiteral("E\r2"), true))).essais.value(0).nom(),
              QStringLiteral("S 1\\E 2"));
}

TEST(FichierEssais, LesLignesAbimeesSontPasseesEtLesAutresGardees)
{
    const QByteArray bonne = "2026-03-14;10:02:31;2;S;Ex01;Juste\r\n";
    const struct {
        const char* cas;
        QByteArray ligne;
    } abimees[] = {
        {"a date that is none", "2026-02-30;10:02:31;2;S;Ex01;Juste\n"},
        {"a time that is none", "2026-03-14;25:00:00;2;S;Ex01;Juste\n"},
        {"no such type", "2026-03-14;10:02:31;7;S;Ex01;Juste\n"},
        {"a verdict of another word", "2026-03-14;10:02:31;2;S;Ex01;juste\n"},
        {"a field missing", "2026-03-14;10:02:31;2;Ex01;Juste\n"},
        {"a field too many", "2026-03-14;10:02:31;2;S;Ex01;Juste;x\n"},
        {"no exercise", "2026-03-14;10:02:31;2;S;;Juste\n"},
        {"a quote that never closes", "2026-03-14;10:02:31;2;\"S;Ex01;Juste\n"},
        {"a code of another type", "2026-03-14;10:02:31;2;;4-3-8271;Juste\n"},
        {"no code without a series", "2026-03-14;10:02:31;2;;Ex01;Juste\n"},
        {"a line far too long", "2026-03-14;10:02:31;2;" + QByteArray(5000, 'S') + ";Ex01;Juste\n"},
        {"bytes of nothing", QByteArray("\x00\xff\x01;;;;;\n", 9)},
    };
    for (const auto& a : abimees) {
        const LectureEssais lecture = LireEssais(bonne + a.ligne + DebutFichierEssais() + "\r\n" + bonne);
        EXPECT_EQ(lecture.essais.size(), 2) << a.cas;
        EXPECT_EQ(lecture.illisibles, 1) << a.cas << ": a header or a blank line is no broken line";
    }
}

// Read as it grows, cut anywhere: what the first reading leaves is read by the next, and
// together they give exactly the attempts of the whole file.
TEST(FichierEssais, UnFichierLuEnDeuxFoisDonneLesMemesEssaisSansDemiLigne)
{
    QByteArray octets = DebutFichierEssais();
    for (int i = 0; i < 6; ++i)
        octets += LigneEssai(essai(QStringLiteral("Série %1").arg(i), QStringLiteral("Ex%1").arg(i), i % 2 == 0));
    const LectureEssais entier = LireEssais(octets);
    for (qsizetype coupure = 0; coupure <= octets.size(); ++coupure) {
        const LectureEssais debut = LireEssais(QByteArrayView(octets).first(coupure));
        const LectureEssais fin = LireEssais(QByteArrayView(octets).sliced(debut.lus));
        ASSERT_EQ(debut.illisibles + fin.illisibles, 0) << coupure;
        ASSERT_EQ(debut.essais.size() + fin.essais.size(), entier.essais.size()) << coupure;
        ASSERT_TRUE(debut.lus <= coupure && (coupure == 0 || debut.lus == 0 || octets[debut.lus - 1] == '\n'));
    }
}

// Verdicts added whole, each once and with no lock left, are held by the stress test of
// eight computers writing at once.
TEST_F(Essais, RienNEstGardeEnEntrainementNiSansNomNiSansDossier)
{
    for (const QString& eleve : {QStringLiteral("entrainement"), QString()})
        EXPECT_EQ(AjouterEssai(dossierBilans(), eleve, QString(), essai(QStringLiteral("S"), QStringLiteral("E"), true)),
                  QString());
    EXPECT_TRUE(nomsDans(dossierBilans()).isEmpty());
    EXPECT_FALSE(AjouterEssai(QString(), contexte.nomEleve, contexte.nomClasse, essai(QStringLiteral("S"), QStringLiteral("E"), true))
                     .isEmpty());
}

TEST_F(Essais, UnVerrouTenuAilleursUnLienOuUnDisquePleinNeLaissentRienDePartiel)
{
    ajouter(essai(QStringLiteral("Série 1"), QStringLiteral("Ex01"), true));
    const QByteArray avant = lire(fichier());

    Verrou::fixerAttenteMs(100);
    ecrire(Verrou::cheminVerrou(fichier()), "Verrou Orvane\nordinateur=poste-cm2\njeton=0\nprocessus=1\ndemarrage=x\n");
    EXPECT_TRUE(ajouter(essai(QStringLiteral("Série 1"), QStringLiteral("Ex02"), true)).contains(QStringLiteral("poste-cm2")));
    QFile::remove(Verrou::cheminVerrou(fichier()));
    EXPECT_EQ(lire(fichier()), avant);

    // Room for a few bytes only: the line begun is taken back.
    {
        const DisquePlein plein(avant.size() + 5);
        EXPECT_FALSE(ajouter(essai(QStringLiteral("Série 1"), QStringLiteral("Ex03"), true)).isEmpty());
    }
    EXPECT_EQ(lire(fichier()), avant);

    // A link or a pipe planted where the file goes is never written through.
    const QString autre = programme.fichier(QStringLiteral("ailleurs.csv"));
    ecrire(autre, "rien");
    QFile::remove(fichier());
    ASSERT_TRUE(QFile::link(autre, fichier()));
    EXPECT_FALSE(ajouter(essai(QStringLiteral("Série 1"), QStringLiteral("Ex04"), true)).isEmpty());
    EXPECT_EQ(lire(autre), QByteArray("rien"));
    QFile::remove(fichier());
    ASSERT_EQ(mkfifo(QFile::encodeName(fichier()).constData(), 0600), 0);
    EXPECT_FALSE(ajouter(essai(QStringLiteral("Série 1"), QStringLiteral("Ex04"), true)).isEmpty());
}

// A file grown far beyond a year of attempts is read from near its end only, from a whole
// line, and still takes the pupil's new attempts.
TEST_F(Essais, UnFichierDeVingtMegaOctetsEstLuParSaFin)
{
    const QByteArray ligne = LigneEssai(essai(QStringLiteral("Série 1"), QStringLiteral("Ex01"), false));
    QByteArray gros = DebutFichierEssais();
    while (gros.size() < 20 * 1024 * 1024)
        gros += ligne;
    ecrire(fichier(), gros);
    const Essai nouveau = essai(QStringLiteral("Série 1"), QStringLiteral("Ex02"), true);
    EXPECT_EQ(ajouter(nouveau), QString());
    const std::optional<SuiteEssais> suite = LireSuiteEssais(fichier(), 0);
    ASSERT_TRUE(suite);
    EXPECT_TRUE(suite->passe);
    EXPECT_EQ(suite->lecture.illisibles, 0) << "the reading starts at a whole line";
    const qsizetype dansLaFin = FinEssaisLue / ligne.size();
    EXPECT_GE(suite->lecture.essais.size(), dansLaFin - 1);
    EXPECT_LE(suite->lecture.essais.size(), dansLaFin);
    EXPECT_EQ(suite->lecture.essais.constLast().exercice, QStringLiteral("Ex02"));
    EXPECT_EQ(suite->lecture.lus, gros.size() + LigneEssai(nouveau).size());
    // The next reading takes what was added since, and nothing else.
    ajouter(essai(QStringLiteral("Série 1"), QStringLiteral("Ex03"), true));
    const std::optional<SuiteEssais> suivante = LireSuiteEssais(fichier(), suite->lecture.lus);
    ASSERT_TRUE(suivante);
    EXPECT_FALSE(suivante->passe);
    ASSERT_EQ(suivante->lecture.essais.size(), 1);
    EXPECT_EQ(suivante->lecture.essais[0].exercice, QStringLiteral("Ex03"));
}

} // namespace
