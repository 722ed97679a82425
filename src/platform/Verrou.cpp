#include "Verrou.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

namespace {
constexpr int AttenteParDefautMs = 5000;
// A lock is held for the few milliseconds of one read and one write; one much older was
// left by a computer that stopped while holding it.
constexpr int AgeVerrouAbandonneMs = 30000;
// How long a lock held elsewhere is waited for: one value for the whole process, which
// only tests change (to keep a refused lock short); a global rather than a parameter of
// every writer that takes a lock.
int attenteMs_ = AttenteParDefautMs;
} // namespace

Verrou::Verrou(const QString& fichier)
    : verrou_(cheminVerrou(fichier))
{
    verrou_.setStaleLockTime(AgeVerrouAbandonneMs);
    // QLockFile's own wait doubles its pauses up to seconds, which starves a computer
    // among several waiting for the same file: short pauses of random length keep turns
    // fair.
    QDeadlineTimer echeance(attenteMs_);
    while (!(pris_ = verrou_.tryLock(0))) {
        if (verrou_.error() != QLockFile::LockFailedError || echeance.hasExpired())
            break;
        QThread::msleep(2 + QRandomGenerator::global()->bounded(10));
    }
    if (pris_ || verrou_.error() != QLockFile::LockFailedError)
        return;
    refuse_ = true;
    const QString nom = QFileInfo(fichier).fileName();
    qint64 pid = 0;
    QString machine;
    QString programme;
    if (verrou_.getLockInfo(&pid, &machine, &programme) && !machine.isEmpty()
        && machine != QSysInfo::machineHostName())
        message_ = QStringLiteral("Le fichier « %1 » est occupé par l'ordinateur « %2 » : il "
                                  "n'a pas été modifié.")
                       .arg(nom, machine);
    else
        message_ = QStringLiteral("Le fichier « %1 » est occupé : il n'a pas été modifié.").arg(nom);
}

QString Verrou::cheminVerrou(const QString& fichier)
{
    // Absolute, so that a change of current folder while the lock is held does not
    // leave it behind.
    return QFileInfo(fichier).absoluteFilePath() + QStringLiteral(".verrou");
}

void Verrou::fixerAttenteMs(int ms)
{
    attenteMs_ = ms;
}
