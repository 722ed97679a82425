// Several computers on one shared results folder: records are never lost, brought back or
// torn, and a lock is judged as the computers of a school need: held by its holder until
// it lets go, taken over only when abandoned, whatever the clocks say.

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

#include <unistd.h>

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
    ~BilansPartages() override
    {
        Verrou::fixerAttenteMs(5000);
        Verrou::fixerAbandonMs(20000);
    }

    QString fichier() const { return bilan(nomBilan()); }
    QString arret() const { return programme.fichier(QStringLiteral("arret")); }

    static std::unique_ptr<QProcess> demarrer(const QStringList& arguments, const QString& horloge = QString())
    {
        auto processus = std::make_unique<QProcess>();
        processus->setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef ORVANE_FAKETIME
        if (!horloge.isEmpty()) {
            // This computer's clock off by that much; the file server's stays right.
            QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
            environnement.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(ORVANE_FAKETIME));
            environnement.insert(QStringLiteral("FAKETIME"), horloge);
            environnement.insert(QStringLiteral("DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
            processus->setProcessEnvironment(environnement);
        }
#else
        Q_UNUSED(horloge);
#endif
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

    // "time<TAB>record" lines printed by a helper ("*" for the end of an erase), each
    // record with its last time.
    static QHash<QString, qint64> horaires(const QString& sortie)
    {
        QHash<QString, qint64> resultat;
        for (const QString& ligne : sortie.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype tab = ligne.indexOf(QLatin1Char('\t'));
            resultat.insert(ligne.mid(tab + 1), ligne.left(tab).toLongLong());
        }
        return resultat;
    }
    static QHash<QString, qint64> horaires(QProcess& processus)
    {
        return horaires(QString::fromUtf8(processus.readAllStandardOutput()));
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

    // Eight computers, each recording its fifty successes for the same pupil.
    std::vector<std::unique_ptr<QProcess>> enregistreurs()
    {
        std::vector<std::unique_ptr<QProcess>> processus;
        for (int n = 1; n <= NbProcessus; ++n)
            processus.push_back(demarrer({ordinateur(n), QStringLiteral("enregistrer"), dossierBilans(),
                                          QString::number(n), QString::number(ReussitesParProcessus)}));
        return processus;
    }

    static QString ordinateur(int n) { return QStringLiteral("--ordinateur=poste-%1").arg(n); }

    static QString ligne(int processus, int exercice)
    {
        return QStringLiteral("Série %1\\Ex%2").arg(processus).arg(exercice);
    }

    // A lock file as the program writes it on another computer (or on this one in
    // another boot), dated secondes ago by the file server.
    void verrouAilleurs(const QString& machine, const QString& chemin = QString(),
                        const QByteArray& demarrage = "autre-demarrage", qint64 processus = 1,
                        int secondes = 0) const
    {
        const QString verrou = Verrou::cheminVerrou(chemin.isEmpty() ? fichier() : chemin);
        ecrire(verrou, "Verrou Orvane\nordinateur=" + machine.toUtf8() + "\njeton=0123456789abcdef0123456789abcdef"
                           "\nprocessus=" + QByteArray::number(processus) + "\ndemarrage=" + demarrage + "\n");
        if (secondes != 0) {
            QFile f(verrou);
            f.open(QIODevice::ReadWrite);
            f.setFileTime(QDateTime::currentDateTime().addSecs(-secondes), QFileDevice::FileModificationTime);
        }
    }

    static QByteArray demarrageIci()
    {
        QFile f(QStringLiteral("/proc/sys/kernel/random/boot_id"));
        return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
    }

    // The number of a process that has ended.
    static qint64 processusTermine()
    {
        QProcess court;
        court.start(QStringLiteral("true"), QStringList());
        court.waitForStarted();
        const qint64 numero = court.processId();
        court.waitForFinished();
        return numero;
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

// Eight computers record into one pupil's file while a ninth erases it now and then and a
// tenth writes the preferences: no record is lost or brought back, no file is ever torn.
TEST_F(BilansPartages, DixOrdinateursAuTravailNePerdentNiNeRamenentNiNeDechirentRien)
{
    const QString programmeDossier = programme.chemin();
    auto lecteur = demarrer({QStringLiteral("lire"), dossierBilans(), arret(), programmeDossier});
    auto preferences = demarrer({ordinateur(10), QStringLiteral("preferences"), programmeDossier, arret()});
    auto effaceur = demarrer({ordinateur(9), QStringLiteral("effacer"), dossierBilans(), arret(), QStringLiteral("3")});
    auto processus = enregistreurs();
    QHash<QString, qint64> debuts;
    for (auto& p : processus) {
        attendre(*p, "enregistreur");
        debuts.insert(horaires(*p));
    }
    ecrire(arret(), "fin");
    attendre(*effaceur, "effaceur");
    attendre(*preferences, "préférences");
    attendre(*lecteur, "lecteur");

    const QStringList lignes = relus();
    EXPECT_EQ(QSet<QString>(lignes.begin(), lignes.end()).size(), lignes.size());
    QHash<QString, qint64> effacees = horaires(*effaceur);
    const qint64 dernierEffacement = effacees.take(QStringLiteral("*"));
    ASSERT_GT(dernierEffacement, 0) << "the eraser erased nothing";
    const QHash<QString, qint64> vues = horaires(*lecteur);
    // Brought back: a record seen after it was erased, or still there.
    for (auto e = effacees.cbegin(); e != effacees.cend(); ++e) {
        EXPECT_FALSE(lignes.contains(e.key())) << e.key().toStdString();
        EXPECT_LE(vues.value(e.key()), e.value()) << e.key().toStdString();
    }
    // Lost: a record begun after the last erase ended and missing.
    int apresEffacements = 0;
    for (auto d = debuts.cbegin(); d != debuts.cend(); ++d) {
        if (d.value() <= dernierEffacement)
            continue;
        ++apresEffacements;
        EXPECT_TRUE(lignes.contains(d.key())) << d.key().toStdString();
    }
    EXPECT_GT(apresEffacements, 0) << "the erases ended after every record: nothing was checked";
    EXPECT_EQ(relus().size(), lignes.size());
    EXPECT_FALSE(QFile::exists(Verrou::cheminVerrou(fichier())));
    EXPECT_FALSE(QFile::exists(Verrou::cheminVerrou(programme.fichier(FichierReglages))));
}

// A lock found in place, row by row as other computers leave them: taken over only when
// its holder is gone, whatever the clocks of the computers say.
TEST_F(BilansPartages, UnVerrouTrouveNEstReprisQueSiSonTenantEstParti)
{
    struct Cas {
        const char* cas;
        std::function<std::unique_ptr<QProcess>()> poser; // a holder's process, if any
        QString horloge;  // this computer's clock, when it is off
        bool repris;
        int attenteMinMs;
    };
    const QString hote = QSysInfo::machineHostName();
    const auto tenant = [&] {
        auto p = demarrer({ordinateur(7), QStringLiteral("--abandon=400"), QStringLiteral("tenir"), fichier()});
        EXPECT_TRUE(p->waitForReadyRead(30000));
        EXPECT_EQ(p->readAllStandardOutput().trimmed(), QByteArray("pris"));
        return p;
    };
    const std::vector<Cas> cas = {
        {"tenu par un programme vivant ailleurs, au-delà du temps d'abandon", tenant, {}, false, 1000},
#ifdef ORVANE_FAKETIME
        {"cet ordinateur a une minute d'avance", tenant, QStringLiteral("+60s"), false, 1000},
        {"cet ordinateur a une minute de retard", tenant, QStringLiteral("-60s"), false, 1000},
#endif
        {"même nom d'ordinateur, autre démarrage (ordinateur cloné)",
         [&] { verrouAilleurs(hote, {}, "autre-demarrage", processusTermine()); return nullptr; }, {}, true, 400},
        {"programme arrêté sur ce même démarrage",
         [&] { verrouAilleurs(hote, {}, demarrageIci(), processusTermine()); return nullptr; }, {}, true, 0},
        {"laissé il y a deux minutes par un autre ordinateur",
         [&] { verrouAilleurs(QStringLiteral("poste-cm2"), {}, "b", 1, 120); return nullptr; }, {}, true, 0},
        {"laissé à l'instant par un autre ordinateur arrêté",
         [&] { verrouAilleurs(QStringLiteral("poste-cm2")); return nullptr; }, {}, true, 400},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.cas);
        auto tenu = c.poser();
        QElapsedTimer chrono;
        chrono.start();
        auto preneur = demarrer({QStringLiteral("--attente=1000"), QStringLiteral("--abandon=400"),
                                 QStringLiteral("prendre"), fichier()},
                                c.horloge);
        ASSERT_TRUE(preneur->waitForFinished(30000));
        EXPECT_EQ(preneur->readAllStandardOutput().trimmed(), c.repris ? QByteArray("pris") : QByteArray("refusé"));
        EXPECT_GE(chrono.elapsed(), c.attenteMinMs);
        if (tenu) {
            tenu->kill();
            tenu->waitForFinished();
        }
        QFile::remove(Verrou::cheminVerrou(fichier()));
    }
}

// A lock is let go only by its holder, and a holder that lost it writes nothing: a
// program stopped past the abandonment time must not undo the one that took over.
TEST_F(BilansPartages, UnVerrouReprisNEstNiEcritNiEnleveParSonAncienTenant)
{
    enregistrerReussite(QStringLiteral("Série 1\\Ex01"));
    const QByteArray avant = lire(fichier());
    {
        const Verrou ancien(fichier());
        ASSERT_TRUE(ancien.pris());
        verrouAilleurs(QStringLiteral("poste-cm2"));
        EXPECT_FALSE(ancien.toujoursTenu());
        TamponLignes tampon;
        ASSERT_TRUE(tampon.charger(fichier()));
        tampon.ajouter(QStringLiteral("Série 1\\Ex02"));
        QString erreur;
        EXPECT_FALSE(tampon.enregistrer(fichier(), &erreur));
        EXPECT_TRUE(erreur.contains(QStringLiteral("repris son verrou"))) << erreur.toStdString();
    }
    EXPECT_EQ(lire(fichier()), avant);
    EXPECT_TRUE(lire(Verrou::cheminVerrou(fichier())).contains("ordinateur=poste-cm2"));
    EXPECT_EQ(nomsDans(dossierBilans()), (QStringList{nomBilan(), nomBilan() + QStringLiteral(".verrou")}))
        << "nothing of the lost write is left behind";
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
    // A wait long enough that a busy machine never reaches it unless the lock is waited for.
    Verrou::fixerAttenteMs(5000);
    QElapsedTimer chrono;
    chrono.start();
    const QString ligne = QStringLiteral("Série 1\\Ex05");
    enregistrerReussite(ligne);
    EXPECT_LT(chrono.elapsed(), 5000);
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
    verrouAilleurs(QStringLiteral("poste-cm2"), {}, "b", 1, 120);
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
