// The class live, from the attempts files as the pupils' computers write them.

#include "EnDirect.h"
#include "TF_EnDirect.h"

#include "Classes.h"
#include "DialoguesScriptes.h"
#include "Essais.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Direct : public ::testing::Test {
protected:
    QTemporaryDir racine;
    DemandeDirect demande{racine.path(), racine.filePath(QStringLiteral("bilans")),
                          racine.filePath(QStringLiteral("exercices")), QStringLiteral("CM1")};
    // Noon, so that the minutes before and after it stay on the same day whenever the test runs.
    const QDateTime maintenant{QDate::currentDate(), QTime(12, 0)};

    Direct()
    {
        QDir(racine.path()).mkpath(QStringLiteral("bilans"));
        ecrire(racine.filePath(QStringLiteral("CM1.elv")),
               ContenuClasse({QStringLiteral("Amélie"), QStringLiteral("Bastien"), QStringLiteral("Chloé"),
                              QStringLiteral("Dylan"), QStringLiteral("Élodie"), QStringLiteral("Fanny"),
                              QStringLiteral("Gaspard")}));
    }

    QString fichier(const QString& eleve) const
    {
        return QDir(demande.dossierBilans).filePath(NomFichierEssais(eleve, QStringLiteral("CM1")));
    }
    static void ecrire(const QString& chemin, const QByteArray& octets, bool ajout = false)
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(ajout ? QIODevice::Append : QIODevice::WriteOnly));
        f.write(octets);
    }
    // Attempts on exercises of "Série 1", dated as the pupil's computer dates them; the
    // file server dates the file now.
    void essais(const QString& eleve, const QList<QPair<QString, bool>>& liste, const QDateTime& quand)
    {
        QByteArray octets = QFile::exists(fichier(eleve)) ? QByteArray() : DebutFichierEssais();
        for (const auto& [exercice, juste] : liste)
            octets += LigneEssai({quand.date(), quand.time(), 2, QStringLiteral("Série 1"), exercice, juste});
        ecrire(fichier(eleve), octets, true);
        dater(eleve, maintenant);
    }
    void dater(const QString& eleve, const QDateTime& quand)
    {
        QFile f(fichier(eleve));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(quand, QFileDevice::FileModificationTime));
    }
    static const EleveDirect& eleve(const SuiviDirect& suivi, int i) { return suivi.eleves()[i]; }
};

const QString Ex1 = QStringLiteral("Ex01");
const QString Ex2 = QStringLiteral("Ex02");

TEST_F(Direct, ChaqueEleveEstAuTravailBloquePasCommenceOuIllisible)
{
    essais(QStringLiteral("Amélie"), {{Ex1, false}, {Ex1, false}, {Ex1, false}}, maintenant);
    essais(QStringLiteral("Bastien"), {{Ex1, false}, {Ex2, false}, {Ex2, false}, {Ex2, true}, {Ex1, true}}, maintenant);
    // Chloé has not begun. Dylan stopped yesterday on three "Faux".
    essais(QStringLiteral("Dylan"), {{Ex1, false}, {Ex1, false}, {Ex1, false}}, maintenant.addDays(-1));
    dater(QStringLiteral("Dylan"), maintenant.addDays(-1));
    essais(QStringLiteral("Élodie"), {{Ex1, true}}, maintenant.addSecs(-12 * 60));
    dater(QStringLiteral("Élodie"), maintenant.addSecs(-12 * 60));
    // Fanny's computer is years behind: her attempts are dated then, the server's date is now.
    essais(QStringLiteral("Fanny"), {{Ex1, true}}, maintenant.addYears(-6));
    QDir(demande.dossierBilans).mkdir(NomFichierEssais(QStringLiteral("Gaspard"), QStringLiteral("CM1")));

    SuiviDirect suivi(demande);
    suivi.actualiser(maintenant);
    const struct {
        EtatDirect etat;
        const char* motif;
        int reussites;
        const char* exercice;
    } attendus[] = {
        {EtatDirect::Bloque, "3 « Faux » de suite", 0, "Série 1\\Ex01"},
        {EtatDirect::AuTravail, "", 2, "Série 1\\Ex01"},
        {EtatDirect::PasCommence, "", 0, ""},
        {EtatDirect::PasCommence, "", 0, "Série 1\\Ex01"},
        {EtatDirect::Bloque, "rien depuis 12 min", 1, "Série 1\\Ex01"},
        {EtatDirect::AuTravail, "", 0, "Série 1\\Ex01"},
        {EtatDirect::Illisible, "", 0, ""},
    };
    ASSERT_EQ(suivi.eleves().size(), static_cast<qsizetype>(std::size(attendus)));
    for (int i = 0; i < suivi.eleves().size(); ++i) {
        const EleveDirect& e = eleve(suivi, i);
        EXPECT_EQ(e.etat, attendus[i].etat) << e.eleve.toStdString();
        EXPECT_EQ(e.motif, QString::fromUtf8(attendus[i].motif)) << e.eleve.toStdString();
        EXPECT_EQ(e.reussitesDuJour, attendus[i].reussites) << e.eleve.toStdString();
        EXPECT_EQ(e.exercice, QString::fromUtf8(attendus[i].exercice)) << e.eleve.toStdString();
        EXPECT_EQ(e.horlogeDouteuse, i == 5) << e.eleve.toStdString();
    }

    // Élodie's new attempt, read as the file grows, ends her silence; eleven minutes more
    // without a line and she is stuck again.
    essais(QStringLiteral("Élodie"), {{Ex2, false}}, maintenant);
    suivi.actualiser(maintenant);
    EXPECT_EQ(eleve(suivi, 4).etat, EtatDirect::AuTravail);
    suivi.actualiser(maintenant.addSecs(11 * 60));
    EXPECT_EQ(eleve(suivi, 4).motif, QStringLiteral("rien depuis 11 min"));

    // A file put in the place of another (a year's end, a copy) is read from its start.
    const QString autre = fichier(QStringLiteral("Amélie")) + QStringLiteral(".nouveau");
    ecrire(autre, DebutFichierEssais() + LigneEssai({maintenant.date(), maintenant.time(), 2, QStringLiteral("Série 1"), Ex2, true}));
    ASSERT_TRUE(QFile::remove(fichier(QStringLiteral("Amélie"))));
    ASSERT_TRUE(QFile::rename(autre, fichier(QStringLiteral("Amélie"))));
    suivi.actualiser(maintenant);
    EXPECT_EQ(eleve(suivi, 0).essaisDuJour, 1);
    EXPECT_EQ(eleve(suivi, 0).exercice, QStringLiteral("Série 1\\Ex02"));
}

TEST_F(Direct, LaFenetreRelitParElleMemeEtTrieLesElevesBloquesDAbord)
{
    DialoguesScriptes dialogues;
    essais(QStringLiteral("Bastien"), {{Ex1, true}}, maintenant);
    TF_EnDirect fenetre;
    fenetre.fixerHorloge([this] { return maintenant; });
    fenetre.suivre(demande, true);
    fenetre.show();
    auto* table = fenetre.findChild<QTableWidget*>(QStringLiteral("TableDirect"));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 7);

    // Dylan's three "Faux", written meanwhile, are read without anybody asking.
    essais(QStringLiteral("Dylan"), {{Ex1, false}, {Ex1, false}, {Ex1, false}}, maintenant);
    QTRY_COMPARE_WITH_TIMEOUT(table->item(3, 1)->text(), QStringLiteral("bloqué : 3 « Faux » de suite"), 10000);

    // Sorted by state, the stuck pupil comes first, named by initials, and stays first
    // through the next readings.
    table->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("D."));
    fenetre.actualiser();
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("D."));
    fenetre.hide();
}

} // namespace
