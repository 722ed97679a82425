// Several computers on one shared results folder: records are never lost or merged, and
// a lock left behind or held elsewhere is handled.

#include "Bilans.h"
#include "Preferences.h"
#include "Rtf.h"
#include "SupportEleves.h"
#include "TF_Listes.h"
#include "TF_Edit3.h"
#include "Verrou.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QSysInfo>

#include <memory>
#include <vector>

namespace {

constexpr int NbProcessus = 8;
constexpr int ReussitesParProcessus = 50;

class BilansPartages : public TestEleves {
protected:
    BilansPartages()
    {
        contexte.nomEleve = QStringLiteral("Zoé");
        contexte.nomClasse = QStringLiteral("CM1");
    }
    ~BilansPartages() override { Verrou::fixerAttenteMs(5000); }

    QString fichier() const { return bilan(nomBilan()); }
    QString arret() const { return programme.fichier(QStringLiteral("arret")); }

    static std::unique_ptr<QProcess> demarrer(const QStringList& arguments)
    {
        auto processus = std::make_unique<QProcess>();
        processus->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        processus->start(QStringLiteral(ORVANE_PROCESSUS_BILANS), arguments);
        EXPECT_TRUE(processus->waitForStarted()) << arguments.join(QLatin1Char(' ')).toStdString();
        return processus;
    }

    static void attendre(QProcess& processus, const char* role)
    {
        ASSERT_TRUE(processus.waitForFinished(120000)) << role;
        EXPECT_EQ(processus.exitStatus(), QProcess::NormalExit) << role;
        EXPECT_EQ(processus.exitCode(), 0) << role;
    }

    // "time<TAB>record" lines printed by a helper.
    static QHash<QString, qint64> horaires(QProcess& processus)
    {
        QHash<QString, qint64> resultat;
        for (const QString& ligne :
             QString::fromUtf8(processus.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype tab = ligne.indexOf(QLatin1Char('\t'));
            resultat.insert(ligne.mid(tab + 1), ligne.left(tab).toLongLong());
        }
        return resultat;
    }

    // The records through the program's own reader.
    QStringList relus() const
    {
        TamponLignes tampon;
        if (!tampon.charger(fichier()))
            return {};
        QStringList lignes;
        for (int i = 0; i < tampon.nombreLignes(); ++i)
            lignes.append(tampon.ligne(i));
        return lignes;
    }

    std::vector<std::unique_ptr<QProcess>> enregistreurs()
    {
        std::vector<std::unique_ptr<QProcess>> processus;
        for (int n = 1; n <= NbProcessus; ++n)
            processus.push_back(demarrer({QStringLiteral("enregistrer"), dossierBilans(),
                                          QString::number(n), QString::number(ReussitesParProcessus)}));
        return processus;
    }

    static QString ligne(int processus, int exercice)
    {
        return QStringLiteral("Série %1\\Ex%2").arg(processus).arg(exercice);
    }

    // A lock file as QLockFile writes it, naming a process of another computer.
    void verrouAilleurs(const QString& machine, const QString& chemin = QString()) const
    {
        ecrire(Verrou::cheminVerrou(chemin.isEmpty() ? fichier() : chemin),
               QByteArray::number(QCoreApplication::applicationPid()) + "\norvane\n"
                   + machine.toUtf8() + "\n");
    }
};

TEST_F(BilansPartages, HuitOrdinateursEnregistrentChacunCinquanteReussitesSansRienPerdre)
{
    auto lecteur = demarrer({QStringLiteral("lire"), dossierBilans(), arret()});
    auto processus = enregistreurs();
    for (auto& p : processus)
        attendre(*p, "enregistreur");
    ecrire(arret(), "fin");
    attendre(*lecteur, "lecteur");

    const QStringList lignes = relus();
    ASSERT_EQ(lignes.size(), NbProcessus * ReussitesParProcessus);
    QSet<QString> attendues;
    for (int n = 1; n <= NbProcessus; ++n)
        for (int i = 0; i < ReussitesParProcessus; ++i)
            attendues.insert(ligne(n, i));
    EXPECT_EQ(QSet<QString>(lignes.begin(), lignes.end()), attendues);
    // Each computer's records keep the order it made them in.
    for (int n = 1; n <= NbProcessus; ++n) {
        qsizetype precedente = -1;
        for (int i = 0; i < ReussitesParProcessus; ++i) {
            const qsizetype position = lignes.indexOf(ligne(n, i));
            EXPECT_GT(position, precedente) << ligne(n, i).toStdString();
            precedente = position;
        }
    }
    EXPECT_FALSE(QFile::exists(Verrou::cheminVerrou(fichier())));
}

TEST_F(BilansPartages, UnEffacementParmiLesEnregistrementsNeLaisseJamaisDeFichierPartiel)
{
    auto lecteur = demarrer({QStringLiteral("lire"), dossierBilans(), arret()});
    auto effaceur = demarrer({QStringLiteral("effacer"), dossierBilans(), arret()});
    auto processus = enregistreurs();
    for (auto& p : processus)
        attendre(*p, "enregistreur");
    ecrire(arret(), "fin");
    attendre(*effaceur, "effaceur");
    attendre(*lecteur, "lecteur");

    // What the last erase left: whole records each once. A record written over an erase
    // would bring the erased ones back: none is seen after it was erased.
    const QStringList lignes = relus();
    EXPECT_EQ(QSet<QString>(lignes.begin(), lignes.end()).size(), lignes.size());
    const QHash<QString, qint64> effacees = horaires(*effaceur);
    const QHash<QString, qint64> vues = horaires(*lecteur);
    EXPECT_FALSE(effacees.isEmpty());
    for (auto e = effacees.cbegin(); e != effacees.cend(); ++e) {
        EXPECT_FALSE(lignes.contains(e.key())) << e.key().toStdString();
        EXPECT_LE(vues.value(e.key()), e.value()) << e.key().toStdString();
    }
    EXPECT_LT(lignes.size(), NbProcessus * ReussitesParProcessus);
}

TEST_F(BilansPartages, LeVerrouDUnProcessusTueEstRepris)
{
    auto tenant = demarrer({QStringLiteral("tenir"), fichier()});
    ASSERT_TRUE(tenant->waitForReadyRead(30000));
    ASSERT_EQ(tenant->readAllStandardOutput().trimmed(), QByteArray("pris"));
    Verrou::fixerAttenteMs(300);
    EXPECT_FALSE(Verrou(fichier()).pris());

    tenant->kill();
    tenant->waitForFinished();
    ASSERT_TRUE(QFile::exists(Verrou::cheminVerrou(fichier())));
    QElapsedTimer chrono;
    chrono.start();
    const QString ligne = QStringLiteral("Série 1\\Ex05");
    enregistrerReussite(ligne);
    EXPECT_LT(chrono.elapsed(), 300);
    EXPECT_EQ(relus(), QStringList{ligne});
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(BilansPartages, UnVerrouTenuParUnAutreOrdinateurEstAttenduPuisDitSansRienPerdre)
{
    enregistrerReussite(QStringLiteral("Série 1\\Ex01"));
    const QByteArray avant = lire(fichier());
    verrouAilleurs(QStringLiteral("poste-cm2"));
    Verrou::fixerAttenteMs(400);

    QElapsedTimer chrono;
    chrono.start();
    enregistrerReussite(QStringLiteral("Série 1\\Ex02"));
    EXPECT_GE(chrono.elapsed(), 400);
    EXPECT_EQ(lire(fichier()), avant);
    ASSERT_EQ(dialogues.textes(),
              QStringList{QStringLiteral("Le fichier « %1 » est occupé par l'ordinateur "
                                         "« poste-cm2 » : il n'a pas été modifié.")
                              .arg(nomBilan())});

    // The erase waits in the same way and keeps the file.
    EXPECT_FALSE(EffacerBilan(fichier()));
    EXPECT_EQ(lire(fichier()), avant);

    // A lock that old was left by a computer that stopped: it is taken over.
    QFile verrou(Verrou::cheminVerrou(fichier()));
    ASSERT_TRUE(verrou.open(QIODevice::ReadWrite));
    verrou.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime);
    verrou.close();
    enregistrerReussite(QStringLiteral("Série 1\\Ex02"));
    EXPECT_EQ(relus(), (QStringList{QStringLiteral("Série 1\\Ex01"), QStringLiteral("Série 1\\Ex02")}));
}

TEST_F(BilansPartages, UneClasseEtLesPreferencesOccupeesAilleursNeSontPasEcrasees)
{
    Verrou::fixerAttenteMs(100);
    const QString classe = programme.fichier(QStringLiteral("CM1.elv"));
    ecrire(classe, enregistrementEleve("Paul"));
    verrouAilleurs(QStringLiteral("poste-cm1"), classe);
    TF_Listes fenetre(contexte);
    fenetre.show();
    QTest::mouseClick(fenetre.findChild<QPushButton*>(QStringLiteral("bouton_nouveau")), Qt::LeftButton);
    fenetre.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("CM1"));
    auto* eleve = fenetre.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    eleve->setText(QStringLiteral("Léa"));
    QTest::keyClick(eleve, Qt::Key_Return);
    QTest::mouseClick(fenetre.findChild<QPushButton*>(QStringLiteral("bouton_enregistrer")), Qt::LeftButton);
    EXPECT_EQ(lire(classe), enregistrementEleve("Paul"));
    EXPECT_TRUE(fenetre.modifiee()) << "the class is still to be saved";

    const QString reglages = programme.fichier(FichierReglages);
    ecrire(reglages, QByteArray("\x01\x01\x00\x00", 4));
    verrouAilleurs(QStringLiteral("poste-cm1"), reglages);
    contexte.reglages = {4, 4, 1, 1};
    EcrireFichiersPreferences(contexte);
    EXPECT_EQ(lire(reglages), QByteArray("\x01\x01\x00\x00", 4));
    EXPECT_FALSE(QFile::exists(programme.fichier(FichierImages)));

    EXPECT_EQ(dialogues.textes(),
              (QStringList{QStringLiteral("Le fichier « CM1.elv » est occupé par l'ordinateur « poste-cm1 » : "
                                          "il n'a pas été modifié."),
                           QStringLiteral("Le fichier « Orvane.pfr » est occupé par l'ordinateur « poste-cm1 » : "
                                          "il n'a pas été modifié.")}));
}

} // namespace
