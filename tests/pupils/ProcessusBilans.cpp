// One of the computers of a school, for the shared-folder tests: started several times at
// once on one results folder, each under a computer name of its own.
//
//   ProcessusBilans enregistrer FOLDER N COUNT   records "Série N\ExI" for I in 0..COUNT-1,
//                                                printing when it began each
//   ProcessusBilans effacer FOLDER STOP [TIMES]  erases the pupil's file until STOP exists
//                                                (or TIMES times, each once it holds 20
//                                                records), then prints when it erased each
//                                                record and "*" when each erase ended
//   ProcessusBilans lire FOLDER STOP [PROGRAM]   reads the file (and the preference files of
//                                                PROGRAM) until STOP exists, fails on a file
//                                                that is not whole, then prints when it last
//                                                saw each record
//   ProcessusBilans preferences PROGRAM STOP     writes two sets of preferences in turn
//   ProcessusBilans essayer FOLDER N COUNT PUPILS adds the attempts "Série N\ExI" for I in
//                                                0..COUNT-1, each to the next of the pupils
//                                                "Élève 0" to "Élève PUPILS-1" of class CM1
//   ProcessusBilans tenir FILE                   holds FILE's lock until killed
//   ProcessusBilans prendre FILE                 tries FILE's lock once, prints the outcome
//
// Options before the mode: --ordinateur=NAME (the computer it plays), --attente=MS and
// --abandon=MS (the lock's times). Every message the program would show goes to stderr;
// the exit status counts them (or the damaged files seen).

#include "Bilans.h"
#include "Contexte.h"
#include "Dialogues.h"
#include "Essais.h"
#include "Preferences.h"
#include "Rtf.h"
#include "Verrou.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <QThread>

#include <cstdio>

namespace {

class DialoguesConsole : public Dialogues {
public:
    int messages = 0;
    Reponse message(GenreMessage, const QString& texte, BoutonsMessage) override
    {
        ++messages;
        std::fprintf(stderr, "%s\n", qPrintable(texte));
        return Reponse::Ok;
    }
    QString ouvrirFichier(const DemandeFichier&) override { return {}; }
    QString enregistrerFichier(const DemandeFichier&) override { return {}; }
    void afficherAide(const QString&) override {}
};

const QString Eleve = QStringLiteral("Zoé");
const QString Classe = QStringLiteral("CM1");

QStringList lignesDe(const QByteArray& octets)
{
    QStringList lignes = lignesDocument(octets);
    if (!lignes.isEmpty() && lignes.constLast().isEmpty())
        lignes.removeLast();
    return lignes;
}

// A whole file is one the program wrote: its lines, written again, give its very bytes,
// and no record appears twice.
bool fichierEntier(const QByteArray& octets)
{
    const QStringList lignes = lignesDe(octets);
    return documentRtf(lignes) == octets && QSet<QString>(lignes.begin(), lignes.end()).size() == lignes.size();
}

// The two sets of preferences the teacher's computer writes in turn.
Contexte preferences(const QString& programme, int tour)
{
    Contexte contexte(programme);
    const quint8 n = tour % 2 == 0 ? 1 : 4;
    contexte.reglages = {n, n, 1, 1};
    contexte.imagesChoisies.fixerImage(0, tour % 2 == 0 ? QStringLiteral("ciel.bmp") : QStringLiteral("mer.bmp"));
    contexte.dossierBilans.fixerDossier(DossierParDefaut(programme));
    contexte.dossierExercices.fixerDossier(DossierParDefaut(programme));
    return contexte;
}

// Whether every preference file there is one of the two sets, whole.
bool preferencesEntieres(const QString& programme)
{
    for (const QString& fichier : FichiersPreferences) {
        QFile f(QDir(programme).filePath(fichier));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray octets = f.readAll();
        if (octets != ContenusAEcrire(preferences(programme, 0)).value(fichier)
            && octets != ContenusAEcrire(preferences(programme, 1)).value(fichier))
            return false;
    }
    return true;
}

qint64 maintenant()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    while (!arguments.isEmpty() && arguments.first().startsWith(QStringLiteral("--"))) {
        const QString option = arguments.takeFirst();
        const QString valeur = option.section(QLatin1Char('='), 1);
        if (option.startsWith(QStringLiteral("--ordinateur=")))
            Verrou::fixerOrdinateur(valeur);
        else if (option.startsWith(QStringLiteral("--attente=")))
            Verrou::fixerAttenteMs(valeur.toInt());
        else if (option.startsWith(QStringLiteral("--abandon=")))
            Verrou::fixerAbandonMs(valeur.toInt());
    }
    if (arguments.size() < 2)
        return 100;
    const QString mode = arguments.at(0);
    DialoguesConsole dialogues;
    installerDialogues(&dialogues);

    if (mode == QStringLiteral("tenir") || mode == QStringLiteral("prendre")) {
        const Verrou verrou(arguments.at(1));
        std::printf("%s\n", verrou.pris() ? "pris" : "refusé");
        std::fflush(stdout);
        if (mode == QStringLiteral("tenir"))
            QThread::sleep(3600);
        return 0;
    }

    const QString dossier = QDir(arguments.at(1)).absolutePath();
    const QString fichier = QDir(dossier).filePath(NomFichierBilan(Eleve, Classe));
    if (mode == QStringLiteral("enregistrer") && arguments.size() == 4) {
        const int numero = arguments.at(2).toInt();
        const int nombre = arguments.at(3).toInt();
        for (int i = 0; i < nombre; ++i) {
            const QString ligne = QStringLiteral("Série %1\\Ex%2").arg(numero).arg(i);
            std::printf("%lld\t%s\n", static_cast<long long>(maintenant()), ligne.toUtf8().constData());
            EnregistrerReussite(dossier, Eleve, Classe, ligne);
            QThread::msleep(1); // a pupil's pace, slowed down: others get their turns
        }
        return dialogues.messages;
    }
    if (mode == QStringLiteral("essayer") && arguments.size() == 5) {
        const int numero = arguments.at(2).toInt();
        const int nombre = arguments.at(3).toInt();
        const int eleves = arguments.at(4).toInt();
        int fautes = 0;
        for (int i = 0; i < nombre; ++i) {
            const QDateTime maintenant = QDateTime::currentDateTime();
            const Essai essai{maintenant.date(), maintenant.time(), 2, QStringLiteral("Série %1").arg(numero),
                              QStringLiteral("Ex%1").arg(i), i % 3 == 0};
            const QString message =
                AjouterEssai(dossier, QStringLiteral("Élève %1").arg((i + numero) % eleves), Classe, essai);
            if (!message.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(message));
                ++fautes;
            }
            QThread::msleep(1); // a class's pace, quickened: the computers take turns
        }
        return fautes;
    }
    if (arguments.size() < 3)
        return 100;
    const QString arret = arguments.at(2);
    int fautes = 0;
    int passages = 0;
    if (mode == QStringLiteral("preferences")) {
        while (!QFileInfo::exists(arret)) {
            if (EcrireFichiersPreferences(preferences(dossier, ++passages)) != ResultatPreferences::Ecrites)
                ++fautes;
            QThread::msleep(3);
        }
        return fautes;
    }
    const int fois = arguments.size() > 3 ? arguments.at(3).toInt() : 0;
    const QString programme = mode == QStringLiteral("lire") && arguments.size() > 3 ? arguments.at(3) : QString();
    // Each record with a time: when the eraser first erased it, or when the reader last
    // saw it. The reader takes its time before opening, the eraser after erasing, so a
    // record seen later than it was erased was brought back by a write over the erase.
    QHash<QString, qint64> horaires;
    QList<qint64> effacements;
    while (!QFileInfo::exists(arret) && (fois == 0 || effacements.size() < fois)) {
        ++passages;
        if (mode == QStringLiteral("effacer")) {
            // Records are only ever added, so what is read now is all erased next.
            QFile f(fichier);
            const QStringList avant = f.open(QIODevice::ReadOnly) ? lignesDe(f.readAll()) : QStringList();
            f.close();
            // A file already erased is not a fault here: only a refused lock is.
            if (QFileInfo::exists(fichier) && (fois == 0 || avant.size() >= 20)) {
                if (EffacerBilan(fichier)) {
                    effacements.append(maintenant());
                    for (const QString& ligne : avant)
                        horaires.insert(ligne, horaires.value(ligne, effacements.constLast()));
                } else if (QFileInfo::exists(fichier)) {
                    ++fautes;
                }
            }
            QThread::msleep(5);
        } else {
            const qint64 heure = maintenant();
            if (!programme.isEmpty() && !preferencesEntieres(programme)) {
                std::fprintf(stderr, "préférences partielles au passage %d\n", passages);
                ++fautes;
            }
            QFile f(fichier);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray octets = f.readAll();
            if (!fichierEntier(octets)) {
                std::fprintf(stderr, "fichier partiel au passage %d\n", passages);
                ++fautes;
            }
            for (const QString& ligne : lignesDe(octets))
                horaires.insert(ligne, heure);
        }
    }
    for (auto h = horaires.cbegin(); h != horaires.cend(); ++h)
        std::printf("%lld\t%s\n", static_cast<long long>(h.value()), h.key().toUtf8().constData());
    for (qint64 fin : effacements)
        std::printf("%lld\t*\n", static_cast<long long>(fin));
    return fautes;
}
