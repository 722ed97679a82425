// Eight computers add their pupils' attempts to one shared results folder while the live
// view reads it: no attempt is lost, no line is torn, and the view never shows a line
// being written, nor anything that goes away afterwards.

#include "EnDirect.h"

#include "Classes.h"
#include "Essais.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace {

constexpr int NbProcessus = 8;
constexpr int EssaisParProcessus = 100;
constexpr int NbEleves = 8;

TEST(EssaisPartages, HuitOrdinateursAjoutentCentEssaisChacunPendantQueLaVueEnDirectLit)
{
    QTemporaryDir racine;
    const QString bilans = racine.filePath(QStringLiteral("bilans"));
    QDir().mkpath(bilans);
    QStringList eleves;
    for (int k = 0; k < NbEleves; ++k)
        eleves.append(QStringLiteral("Élève %1").arg(k));
    ASSERT_TRUE(EcrireClasse(racine.filePath(QStringLiteral("CM1.elv")), eleves));

    std::vector<std::unique_ptr<QProcess>> processus;
    for (int n = 1; n <= NbProcessus; ++n) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedChannels);
        p->start(QStringLiteral(ORVANE_PROCESSUS_BILANS),
                 {QStringLiteral("--ordinateur=poste-%1").arg(n), QStringLiteral("essayer"), bilans, QString::number(n),
                  QString::number(EssaisParProcessus), QString::number(NbEleves)});
        ASSERT_TRUE(p->waitForStarted());
        processus.push_back(std::move(p));
    }

    // The view reads as the teacher's would, every few milliseconds instead of seconds.
    SuiviDirect suivi({racine.path(), bilans, racine.filePath(QStringLiteral("exercices")), QStringLiteral("CM1")});
    QList<int> vus(NbEleves, 0);
    int lectures = 0;
    const auto lire = [&] {
        suivi.actualiser(QDateTime::currentDateTime());
        for (int k = 0; k < NbEleves; ++k) {
            const EleveDirect& e = suivi.eleves()[k];
            ASSERT_EQ(e.lignesIllisibles, 0) << "a torn or half-read line, pupil " << k << " reading " << lectures;
            ASSERT_TRUE(e.erreur.isEmpty()) << e.erreur.toStdString();
            ASSERT_GE(e.essaisDuJour, vus[k]) << "attempts seen went away, pupil " << k;
            vus[k] = e.essaisDuJour;
        }
        ++lectures;
    };
    const auto enCours = [&] {
        return std::any_of(processus.begin(), processus.end(),
                           [](const auto& p) { return p->state() != QProcess::NotRunning; });
    };
    while (enCours()) {
        lire();
        if (testing::Test::HasFatalFailure())
            break;
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    for (auto& p : processus) {
        ASSERT_TRUE(p->state() == QProcess::NotRunning || p->waitForFinished(120000));
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0) << "messages shown by a computer";
    }
    lire();
    EXPECT_GT(lectures, 10) << "the view read while the computers wrote";
    EXPECT_EQ(std::accumulate(vus.begin(), vus.end(), 0), NbProcessus * EssaisParProcessus);

    // Each pupil's file holds each of its attempts once, each computer's in its order.
    for (int k = 0; k < NbEleves; ++k) {
        QFile f(QDir(bilans).filePath(NomFichierEssais(eleves[k], QStringLiteral("CM1"))));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        ASSERT_TRUE(octets.startsWith(DebutFichierEssais()));
        const LectureEssais lecture = LireEssais(octets);
        EXPECT_EQ(lecture.illisibles, 0);
        EXPECT_EQ(lecture.lus, octets.size()) << "the file ends with a whole line";
        QSet<QString> attendus;
        for (int n = 1; n <= NbProcessus; ++n)
            for (int i = 0; i < EssaisParProcessus; ++i)
                if ((i + n) % NbEleves == k)
                    attendus.insert(QStringLiteral("Série %1\\Ex%2").arg(n).arg(i));
        QSet<QString> trouves;
        QList<int> dernier(NbProcessus + 1, -1);
        for (const Essai& e : lecture.essais) {
            trouves.insert(e.nom());
            const int n = e.serie.mid(6).toInt();
            const int i = e.exercice.mid(2).toInt();
            EXPECT_GT(i, dernier[n]) << e.nom().toStdString();
            dernier[n] = i;
            EXPECT_EQ(e.juste, i % 3 == 0) << e.nom().toStdString();
        }
        EXPECT_EQ(trouves, attendus) << eleves[k].toStdString();
        EXPECT_EQ(lecture.essais.size(), attendus.size()) << "an attempt written twice";
    }
    EXPECT_EQ(QDir(bilans).entryList(QDir::Files | QDir::Hidden).size(), NbEleves) << "a lock or a new file left behind";
}

} // namespace
