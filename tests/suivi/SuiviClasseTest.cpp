#include "SuiviClasse.h"

#include "MiseEnPageSuivi.h"

#include "Bilans.h"
#include "Classes.h"
#include "Essais.h"
#include "Rtf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A program folder with class "CM1", a results folder and an exercises folder:
// "Série 1" holds Ex05 and Ex07 (type 2) and Ex09 (type 3), "Série 2" holds A (type 2).
class Suivi : public ::testing::Test {
protected:
    QTemporaryDir racine;
    DemandeSuivi demande;

    void SetUp() override
    {
        const QDir r(racine.path());
        for (const char* d : {"programme", "bilans", "exercices/Série 1", "exercices/Série 2"})
            r.mkpath(QString::fromUtf8(d));
        demande = {r.filePath(QStringLiteral("programme")), r.filePath(QStringLiteral("bilans")),
                   r.filePath(QStringLiteral("exercices")), QStringLiteral("CM1"), 2, {}};
        for (const char* f : {"Série 1/Ex05.ex2", "Série 1/Ex07.ex2", "Série 1/Ex09.ex3", "Série 2/A.ex2"})
            ecrire(demande.dossierExercices + QLatin1Char('/') + QString::fromUtf8(f), "x");
        ecrire(demande.dossierProgramme + QStringLiteral("/CM1.elv"),
               ContenuClasse({QStringLiteral("Léa"), QStringLiteral("Paul"), QStringLiteral("Zoé")}));
    }

    static void ecrire(const QString& chemin, const QByteArray& octets)
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    // As the earlier program wrote them: rich text with a trailing NUL.
    void bilan(const QString& nomFichier, const QStringList& lignes)
    {
        ecrire(demande.dossierBilans + QLatin1Char('/') + nomFichier, documentRtf(lignes) + '\0');
    }
};

QList<bool> coches(std::initializer_list<bool> valeurs)
{
    return QList<bool>(valeurs);
}
} // namespace

TEST_F(Suivi, LesCasesSuiventLaRegleDuChoixEtLesAutresEnregistrementsSontComptes)
{
    // The file found whatever its letter case; a record in other case is no success; a
    // removed exercise goes to "autres", an exercise of another type does not; a record
    // written twice counts once.
    bilan(QStringLiteral("bilan orvane cm1 Léa.REU"),
          {QStringLiteral("Série 1\\Ex05"), QStringLiteral("série 1\\ex07"), QStringLiteral("Série 1\\Ex05"),
           QStringLiteral("Série 1\\Ex09"), QStringLiteral("Série 1\\Ex99"), QStringLiteral("Série 2\\A")});
    QDir(demande.dossierBilans).mkdir(QStringLiteral("Bilan Orvane CM1 Zoé.reu"));
    QFile fichierLea(demande.dossierBilans + QStringLiteral("/bilan orvane cm1 Léa.REU"));
    ASSERT_TRUE(fichierLea.open(QIODevice::ReadOnly));
    const QByteArray avant = fichierLea.readAll();
    fichierLea.close();

    const TableauSuivi t = ConstruireSuivi(demande);

    ASSERT_TRUE(t.erreur.isEmpty()) << t.erreur.toStdString();
    QStringList colonnes;
    for (const ColonneSuivi& c : t.colonnes)
        colonnes.append(c.ligneBilan());
    EXPECT_EQ(colonnes, QStringList({QStringLiteral("Série 1\\Ex05"), QStringLiteral("Série 1\\Ex07"),
                                     QStringLiteral("Série 2\\A")}));
    ASSERT_EQ(t.lignes.size(), 3);
    EXPECT_EQ(t.lignes[0].eleve, QStringLiteral("Léa"));
    EXPECT_EQ(t.lignes[0].etat, EtatEleve::Bilan);
    EXPECT_EQ(t.lignes[0].reussis, coches({true, false, true}));
    EXPECT_EQ(t.lignes[0].total, 2);
    EXPECT_EQ(t.lignes[0].autres, QStringList({QStringLiteral("série 1\\ex07"), QStringLiteral("Série 1\\Ex99")}));
    EXPECT_EQ(t.lignes[1].etat, EtatEleve::SansBilan);
    EXPECT_EQ(t.lignes[1].reussis, coches({false, false, false}));
    EXPECT_EQ(t.lignes[2].etat, EtatEleve::Illisible);
    EXPECT_EQ(t.totauxColonnes, QList<int>({1, 0, 1}));
    EXPECT_EQ(t.totalReussites, 2);
    EXPECT_EQ(t.totalAutres, 2);
    ASSERT_TRUE(fichierLea.open(QIODevice::ReadOnly));
    EXPECT_EQ(fichierLea.readAll(), avant); // never written
    EXPECT_EQ(QDir(demande.dossierBilans).count(), 4u); // ".", "..", and the two pupils' entries
}

TEST_F(Suivi, SerieTousLesTypesEtSansClasse)
{
    // With every type, one record names the files of every type that share its name, and
    // counts once in the totals.
    ecrire(demande.dossierExercices + QStringLiteral("/Série 1/Ex09.ex2"), "x");
    bilan(QStringLiteral("Bilan Orvane individuel Marc.Reu"), {QStringLiteral("Série 1\\Ex09")});
    bilan(QStringLiteral("Bilan Orvane individuel Anne.reu"), {});
    bilan(QStringLiteral("Bilan Orvane CM1 Léa.reu"), {});
    demande.classe = SansClasse;
    demande.numeroExercice = 0;
    demande.serie = QStringLiteral("Série 1");

    const TableauSuivi t = ConstruireSuivi(demande);

    ASSERT_EQ(t.colonnes.size(), 4);
    EXPECT_EQ(NomColonne(t, t.colonnes[2]), QStringLiteral("Ex09.ex2"));
    EXPECT_EQ(NomColonne(t, t.colonnes[3]), QStringLiteral("Ex09.ex3"));
    ASSERT_EQ(t.lignes.size(), 2);
    EXPECT_EQ(t.lignes[0].eleve, QStringLiteral("Anne"));
    EXPECT_EQ(t.lignes[1].eleve, QStringLiteral("Marc"));
    EXPECT_EQ(t.lignes[1].reussis, coches({false, false, true, true}));
    EXPECT_EQ(t.lignes[1].total, 1);
    EXPECT_EQ(t.totauxColonnes, QList<int>({0, 0, 1, 1}));
    EXPECT_EQ(t.totalReussites, 1);
    EXPECT_EQ(ClassesDuDossier(demande.dossierProgramme), QStringList({QStringLiteral("CM1"), SansClasse}));
    EXPECT_EQ(SeriesDuSuivi(demande.dossierExercices, 3), QStringList({QStringLiteral("Série 1")}));
}

TEST_F(Suivi, LesExercicesSontLesFichiersDesTypesDeuxACinqEnToutesCasses)
{
    // Locks, files being saved and the launcher's copies are no exercises; the chooser
    // lists "B.EX2" under "B" for exercise 2.
    QDir(demande.dossierExercices).mkdir(QStringLiteral("Restes"));
    for (const char* f : {"Série 2/B.EX2", "Série 2/C.Ex3", "Série 2/A.ex2.verrou", "Série 2/.A.ex2.123.copie",
                          "Série 2/D.exe", "Série 2/E.ex6", "Restes/A.ex4.verrou"})
        ecrire(demande.dossierExercices + QLatin1Char('/') + QString::fromUtf8(f), "x");
    bilan(QStringLiteral("Bilan Orvane CM1 Léa.reu"), {QStringLiteral("Série 2\\B"), QStringLiteral("Série 2\\C")});
    demande.serie = QStringLiteral("Série 2");
    const struct {
        int type;
        QStringList colonnes;
        QList<bool> reussis;
    } cas[] = {{2, {QStringLiteral("A"), QStringLiteral("B")}, {false, true}},
               {3, {QStringLiteral("C")}, {true}},
               {0, {QStringLiteral("A.ex2"), QStringLiteral("B.EX2"), QStringLiteral("C.Ex3")}, {false, true, true}}};
    for (const auto& c : cas) {
        demande.numeroExercice = c.type;
        const TableauSuivi t = ConstruireSuivi(demande);
        QStringList colonnes;
        for (const ColonneSuivi& colonne : t.colonnes)
            colonnes.append(NomColonne(t, colonne));
        EXPECT_EQ(colonnes, c.colonnes) << "type " << c.type;
        EXPECT_EQ(t.lignes[0].reussis, c.reussis) << "type " << c.type;
    }
    EXPECT_EQ(SeriesDuSuivi(demande.dossierExercices, 0), QStringList({QStringLiteral("Série 1"), QStringLiteral("Série 2")}));
}

TEST_F(Suivi, UnBilanQuiNEstNiTexteNiRichTextEstIllisible)
{
    QByteArray hasard;
    for (int i = 0; i < 512; ++i)
        hasard += static_cast<char>(i * 167 % 251);
    const struct {
        const char* nom;
        QByteArray octets;
        bool lisible;
    } cas[] = {{"hasard", hasard, false},
               {"octet de contrôle", "S\xE9rie 1\\Ex05\x01\r\n", false},
               {"octet hors de Windows-1252", "S\x81rie 1\\Ex05\r\n", false},
               {"rich text abîmé", documentRtf({QStringLiteral("Série 1\\Ex05")}).insert(10, '\x02'), false},
               {"texte", "S\xE9rie 1\\Ex05\r\nS\xE9rie 1\\Ex99\r\n", true},
               {"rich text", documentRtf({QStringLiteral("Série 1\\Ex05"), QStringLiteral("Série 1\\Ex99")}) + '\0', true}};
    bilan(QStringLiteral("Bilan Orvane CM1 Paul.reu"), {QStringLiteral("Série 1\\Ex07")});
    for (const auto& c : cas) {
        ecrire(demande.dossierBilans + QStringLiteral("/Bilan Orvane CM1 Léa.reu"), c.octets);
        const TableauSuivi t = ConstruireSuivi(demande);
        EXPECT_EQ(t.lignes[0].etat, c.lisible ? EtatEleve::Bilan : EtatEleve::Illisible) << c.nom;
        EXPECT_EQ(t.lignes[0].autres, c.lisible ? QStringList{QStringLiteral("Série 1\\Ex99")} : QStringList()) << c.nom;
        EXPECT_EQ(t.lignes[1].reussis, coches({false, true, false})) << c.nom;
        EXPECT_EQ(t.totauxColonnes, QList<int>({c.lisible ? 1 : 0, 1, 0})) << c.nom;
    }
}

// Each type asked has a column with the pupil's highest level au hasard; a level the type
// does not have is some other record.
TEST_F(Suivi, LesNiveauxAuHasardOntLeursColonnes)
{
    bilan(QStringLiteral("Bilan Orvane CM1 Léa.reu"),
          {LigneHasard(4, 1), QStringLiteral("Série 1\\Ex05"), LigneHasard(4, 3), LigneHasard(2, 2), LigneHasard(4, 2),
           QStringLiteral("Au hasard 4\\Niveau 8")});
    bilan(QStringLiteral("Bilan Orvane CM1 Zoé.reu"), {LigneHasard(3, 6)});
    const struct {
        int type;
        QList<int> types;
        QList<QList<int>> niveaux; // Léa, Paul, Zoé
    } cas[] = {{2, {2}, {{2}, {0}, {0}}}, {0, {2, 3, 4, 5}, {{2, 0, 3, 0}, {0, 0, 0, 0}, {0, 6, 0, 0}}}};
    for (const auto& c : cas) {
        demande.numeroExercice = c.type;
        const TableauSuivi t = ConstruireSuivi(demande);
        EXPECT_EQ(t.typesHasard, c.types) << c.type;
        ASSERT_EQ(t.lignes.size(), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(t.lignes[i].niveaux, c.niveaux[i]) << c.type << " pupil " << i;
        EXPECT_EQ(t.lignes[0].total, 1) << c.type;
        EXPECT_EQ(t.lignes[0].autres, QStringList{QStringLiteral("Au hasard 4\\Niveau 8")}) << c.type;
    }
}

TEST_F(Suivi, DossierDesExercicesOuClasseIntrouvableDonnentUnMessage)
{
    demande.dossierExercices += QStringLiteral("/absent");
    TableauSuivi t = ConstruireSuivi(demande);
    EXPECT_TRUE(t.erreur.startsWith(QStringLiteral("Le dossier des exercices est introuvable : ")));
    EXPECT_TRUE(t.lignes.isEmpty());

    demande.dossierExercices.chop(7);
    demande.classe = QStringLiteral("CE2");
    t = ConstruireSuivi(demande);
    EXPECT_TRUE(t.erreur.contains(QStringLiteral("CE2.elv"))) << t.erreur.toStdString();
}

TEST(SuiviCsv, OctetsDuFichierTableur)
{
    TableauSuivi t;
    t.colonnes = {{QStringLiteral("Série 1"), QStringLiteral("Ex;05"), QStringLiteral(".ex2")},
                  {QStringLiteral("S2"), QStringLiteral("A"), QStringLiteral(".ex2")}};
    t.lignes = {{QStringLiteral("Léa \"la\""), EtatEleve::Bilan, {true, false}, 1, {QStringLiteral("S\\B")}, {}},
                {QStringLiteral("Paul"), EtatEleve::SansBilan, {false, false}, 0, {}, {}},
                {QStringLiteral("Zoé"), EtatEleve::Illisible, {false, false}, 0, {}, {}}};
    // Names a spreadsheet would run as formulas, and one it would not.
    for (const char* nom : {"=1+1", "+33 6", "-2", "@SOMME(A1)", "\t=1", "Jean-Luc"})
        t.lignes.append({QString::fromUtf8(nom), EtatEleve::SansBilan, {false, false}, 0, {}, {}});
    t.totauxColonnes = {1, 0};
    t.totalReussites = 1;
    t.totalAutres = 1;

    EXPECT_EQ(ContenuCsv(t),
              QByteArray("\xEF\xBB\xBF"
                         "\xC3\x89l\xC3\xA8ve;\"S\xC3\xA9rie 1\\Ex;05\";S2\\A;Total;autres\r\n"
                         "\"L\xC3\xA9" "a \"\"la\"\"\";x;;1;1\r\n"
                         "Paul;;;;\r\n"
                         "Zo\xC3\xA9;;;fichier illisible;\r\n"
                         "\"'=1+1\";;;;\r\n"
                         "\"'+33 6\";;;;\r\n"
                         "\"'-2\";;;;\r\n"
                         "\"'@SOMME(A1)\";;;;\r\n"
                         "\"'\t=1\";;;;\r\n"
                         "Jean-Luc;;;;\r\n"
                         "Total;1;0;1;1\r\n"));
}

namespace {
TableauSuivi tableauDe(int nbColonnes, int nbEleves)
{
    TableauSuivi t;
    for (int i = 0; i < nbColonnes; ++i)
        t.colonnes.append({QStringLiteral("Série %1").arg(i / 50 + 1), QStringLiteral("Ex%1").arg(i), QStringLiteral(".ex2")});
    for (int e = 0; e < nbEleves; ++e)
        t.lignes.append({QStringLiteral("Élève %1").arg(e), EtatEleve::Bilan, QList<bool>(nbColonnes, true), nbColonnes, {}, {}});
    t.totauxColonnes = QList<int>(nbColonnes, nbEleves);
    return t;
}

QString executer(const QString& programme, const QStringList& arguments)
{
    QProcess p;
    p.start(programme, arguments);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

TEST(SuiviPdf, UnTableauLargeSeRepartitSurDesPagesPaysageEtLesTextesTropLargesSontCoupes)
{
    EXPECT_EQ(NombrePagesSuivi(tableauDe(10, 50)), 2); // 50 pupils and the totals: two pages
    EXPECT_EQ(NombrePagesSuivi(tableauDe(0, 0)), 1);
    TableauSuivi large = tableauDe(100, 3);
    ASSERT_EQ(NombrePagesSuivi(large), 3);
    // Text too wide for its cell ends with "…": a series of one column, an exercise, a pupil.
    const struct {
        QString texte;
        bool entier;
    } textes[] = {{QStringLiteral("Côtés B"), false}, {QStringLiteral("Le voilier et son reflet"), false},
                  {QStringLiteral("Marie-Charlotte Élisabeth de la Tour d'Auvergne"), false},
                  {QStringLiteral("Série 1"), true}, {QStringLiteral("Élève 1"), true}};
    large.colonnes[0] = {textes[0].texte, textes[1].texte, QStringLiteral(".ex2")};
    large.lignes[0].eleve = textes[2].texte;
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed (scripts/dependances.sh)";

    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("suivi.pdf"));
    ASSERT_TRUE(EnregistrerPdfSuivi(pdf, large, QStringLiteral("Classe CM1"), QStringLiteral("09/12/2026")));
    EXPECT_TRUE(executer(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    const QString premiere = executer(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    for (const auto& t : textes)
        EXPECT_EQ(premiere.contains(t.texte), t.entier) << t.texte.toStdString();
    EXPECT_EQ(premiere.count(QStringLiteral("…")), 3) << premiere.toStdString();
    executer(QStringLiteral("pdftoppm"), {QStringLiteral("-f"), QStringLiteral("3"), QStringLiteral("-l"), QStringLiteral("3"),
                                          QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"), pdf,
                                          dossier.filePath(QStringLiteral("page"))});
    const QImage page(dossier.filePath(QStringLiteral("page-3.png")));
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());
    // The last page holds the 26 columns left: ink over about half its width, none beyond.
    auto encre = [&](int x0, int x1) {
        int n = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = x0; x < x1; ++x)
                n += qGray(page.pixel(x, y)) < 128;
        return n;
    };
    EXPECT_GT(encre(0, page.width() / 2), 500);
    EXPECT_LT(encre(page.width() * 3 / 4, page.width() * 9 / 10), 20);
}

// The levels come after the totals on every page, however many pages the exercises take.
TEST(SuiviPdf, LesNiveauxAuHasardSontSurChaquePage)
{
    TableauSuivi t = tableauDe(50, 2);
    t.typesHasard = {2, 3, 4, 5};
    t.lignes[0].niveaux = {0, 0, 5, 0};
    t.lignes[1].niveaux = {1, 0, 0, 6};
    EXPECT_EQ(NombrePagesSuivi(t), 2);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed (scripts/dependances.sh)";
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("suivi.pdf"));
    ASSERT_TRUE(EnregistrerPdfSuivi(pdf, t, QStringLiteral("Classe CM1"), QStringLiteral("09/12/2026")));
    for (const char* page : {"1", "2"}) {
        const QStringList textes = executer(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::fromLatin1(page),
                                                                          QStringLiteral("-l"), QString::fromLatin1(page),
                                                                          pdf, QStringLiteral("-")})
                                       .split(QLatin1Char('\n'));
        for (const char* attendu : {"Niveau", "Au hasard 2", "Au hasard 3", "Au hasard 4", "Au hasard 5", "1", "5", "6"})
            EXPECT_TRUE(textes.contains(QString::fromLatin1(attendu))) << "page " << page << ": " << attendu;
    }
}

// The copies count each pupil's attempts at each exercise, the type telling apart the files
// of one record; a file that cannot be read is said, and the others are counted.
TEST_F(Suivi, LesCopiesComptentLesEssaisDeChaqueExerciceAuxCotesDesReussites)
{
    demande.numeroExercice = 0;
    bilan(QStringLiteral("Bilan Orvane CM1 Léa.reu"), {QStringLiteral("Série 1\\Ex05")});
    const auto essai = [](int type, const char* serie, const char* exercice, bool juste) {
        return LigneEssai({QDate(2026, 3, 14), QTime(9, 0), type, QString::fromUtf8(serie), QString::fromUtf8(exercice), juste});
    };
    const QString dossier = demande.dossierBilans + QLatin1Char('/');
    ecrire(dossier + NomFichierEssais(QStringLiteral("Léa"), QStringLiteral("CM1")),
           DebutFichierEssais() + essai(2, "Série 1", "Ex05", false) + essai(2, "Série 1", "Ex05", true)
               + essai(3, "Série 1", "Ex09", false) + essai(2, "Série 1", "Ex09", false) + essai(2, "Ancienne", "Ex01", false)
               + essai(4, "", "4-1-7", true));
    QDir(demande.dossierBilans).mkdir(NomFichierEssais(QStringLiteral("Zoé"), QStringLiteral("CM1")));
    TableauSuivi t = ConstruireSuivi(demande);
    ASSERT_EQ(t.colonnes.size(), 4); // Série 1: Ex05, Ex07, Ex09 (type 3); Série 2: A
    CompterEssais(t, demande);
    EXPECT_EQ(t.essais, (QList<QList<int>>{{2, 0, 1, 0}, {}, {}}));
    EXPECT_EQ(t.totauxEssais, (QList<int>{2, 0, 1, 0}));
    EXPECT_TRUE(t.avertissement.contains(NomFichierEssais(QStringLiteral("Zoé"), QStringLiteral("CM1"))));
    const QByteArray csv = ContenuCsv(MasquerNoms(t));
    EXPECT_TRUE(csv.contains("\r\nL.;x;2;;;;1;;;1;0;")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\nTotal;1;2;0;0;0;1;0;0;1;0")) << csv.toStdString();
}
