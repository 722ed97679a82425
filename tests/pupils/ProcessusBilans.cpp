// One of the computers of a school, for the shared-folder tests: started several times at
// once on one results folder.
//
//   ProcessusBilans enregistrer FOLDER N COUNT   records "Série N\ExI" for I in 0..COUNT-1
//   ProcessusBilans effacer FOLDER STOP          erases the pupil's file until STOP exists,
//                                                then prints when it erased each record
//   ProcessusBilans lire FOLDER STOP             reads the file until STOP exists, fails on a
//                                                file that is not whole, then prints when
//                                                it last saw each record
//   ProcessusBilans tenir FILE                   holds FILE's lock until killed
//
// Every message the program would show goes to stderr; the exit status counts them (or
// the damaged files seen).

#include "Bilans.h"
#include "Dialogues.h"
#include "Contexte.h"
#include "Rtf.h"
#include "Verrou.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
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

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3)
        return 100;
    const QString mode = arguments.at(1);
    DialoguesConsole dialogues;
    installerDialogues(&dialogues);

    if (mode == QStringLiteral("tenir")) {
        Verrou verrou(arguments.at(2));
        std::printf("%s\n", verrou.pris() ? "pris" : "refusé");
        std::fflush(stdout);
        QThread::sleep(3600);
        return 0;
    }

    const QString dossier = QDir(arguments.at(2)).absolutePath();
    const QString fichier = QDir(dossier).filePath(NomFichierBilan(Eleve, Classe));
    if (mode == QStringLiteral("enregistrer") && arguments.size() == 5) {
        const int numero = arguments.at(3).toInt();
        const int nombre = arguments.at(4).toInt();
        for (int i = 0; i < nombre; ++i) {
            EnregistrerReussite(dossier, Eleve, Classe, QStringLiteral("Série %1\\Ex%2").arg(numero).arg(i));
        }
        return dialogues.messages;
    }
    if (arguments.size() != 4)
        return 100;
    const QString arret = arguments.at(3);
    int fautes = 0;
    int passages = 0;
    // Each record with a time: when the eraser first erased it, or when the reader last
    // saw it. The reader takes its time before opening, the eraser after erasing, so a
    // record seen later than it was erased was brought back by a write over the erase.
    QHash<QString, qint64> horaires;
    while (!QFileInfo::exists(arret)) {
        ++passages;
        if (mode == QStringLiteral("effacer")) {
            // Records are only ever added, so what is read now is all erased next.
            QFile f(fichier);
            const QStringList avant = f.open(QIODevice::ReadOnly) ? lignesDe(f.readAll()) : QStringList();
            f.close();
            // A file already erased is not a fault here: only a refused lock is.
            if (QFileInfo::exists(fichier)) {
                if (EffacerBilan(fichier)) {
                    const qint64 maintenant = QDateTime::currentMSecsSinceEpoch();
                    for (const QString& ligne : avant)
                        horaires.insert(ligne, horaires.value(ligne, maintenant));
                } else if (QFileInfo::exists(fichier)) {
                    ++fautes;
                }
            }
            QThread::msleep(5);
        } else {
            const qint64 maintenant = QDateTime::currentMSecsSinceEpoch();
            QFile f(fichier);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray octets = f.readAll();
            if (!fichierEntier(octets)) {
                std::fprintf(stderr, "fichier partiel au passage %d\n", passages);
                ++fautes;
            }
            for (const QString& ligne : lignesDe(octets))
                horaires.insert(ligne, maintenant);
        }
    }
    for (auto h = horaires.cbegin(); h != horaires.cend(); ++h)
        std::printf("%lld\t%s\n", static_cast<long long>(h.value()), h.key().toUtf8().constData());
    return fautes;
}
