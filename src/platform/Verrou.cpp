#include "Verrou.h"

#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
constexpr int AttenteParDefautMs = 5000;
// A lock is held for the few milliseconds of one read and one write, and its holder
// writes it again every quarter of this time: one left unchanged this long was left by a
// program that stopped.
constexpr int AbandonParDefautMs = 20000;
// Judging a lock writes a file to the share: a waiter does it at most this often.
constexpr int PauseJugementMs = 100;

// One value each for the whole process, which only tests change; globals rather than
// parameters of every writer that takes a lock.
int attenteMs_ = AttenteParDefautMs;
int abandonMs_ = AbandonParDefautMs;
QString ordinateurFixe_;

QString ordinateur()
{
    return ordinateurFixe_.isEmpty() ? QSysInfo::machineHostName() : ordinateurFixe_;
}

// This boot of this computer: a process number means something only there. Computers
// cloned from one disk share their machine identity, never this.
QByteArray demarrage()
{
    static const QByteArray identite = [] {
        QFile f(QStringLiteral("/proc/sys/kernel/random/boot_id"));
        return f.open(QIODevice::ReadOnly) ? f.read(64).trimmed() : QByteArray();
    }();
    return identite;
}

struct Tenant {
    QString ordinateur;
    qint64 processus = 0;
    QByteArray demarrage;
};

Tenant tenantDe(const QByteArray& contenu)
{
    Tenant tenant;
    for (const QByteArray& ligne : contenu.split('\n')) {
        const qsizetype egal = ligne.indexOf('=');
        const QByteArray cle = ligne.left(egal);
        const QByteArray valeur = ligne.mid(egal + 1);
        if (cle == "ordinateur")
            tenant.ordinateur = QString::fromUtf8(valeur);
        else if (cle == "processus")
            tenant.processus = valeur.toLongLong();
        else if (cle == "demarrage")
            tenant.demarrage = valeur;
    }
    return tenant;
}

QByteArray contenuVerrou(const QByteArray& jeton)
{
    return "Verrou Orvane\nordinateur=" + ordinateur().toUtf8() + "\njeton=" + jeton
        + "\nprocessus=" + QByteArray::number(QCoreApplication::applicationPid())
        + "\ndemarrage=" + demarrage() + '\n';
}

QByteArray nouveauJeton()
{
    QByteArray jeton;
    for (int i = 0; i < 2; ++i)
        jeton += QByteArray::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, '0');
    return jeton;
}

// The lock files of the locks this process holds, for the writers' last check.
QHash<QString, const Verrou*>& tenus()
{
    static QHash<QString, const Verrou*> verrous;
    return verrous;
}

QByteArray lire(const QString& chemin)
{
    return lireFichier(chemin).value_or(QByteArray());
}

enum class Creation { Cree, Occupe, Impossible };

Creation creer(const QString& chemin, const QByteArray& contenu)
{
    QFile f;
#ifdef Q_OS_UNIX
    // Created only where nothing is, not even a link; only "already there" means held.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? Creation::Occupe : Creation::Impossible;
    f.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
#else
    f.setFileName(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QFileInfo::exists(chemin) ? Creation::Occupe : Creation::Impossible;
#endif
    const bool ecrit = f.write(contenu) == contenu.size() && f.flush();
    f.close();
    if (!ecrit) {
        QFile::remove(chemin);
        return Creation::Impossible;
    }
    ouvrirAuGroupe(chemin);
    return Creation::Cree;
}

bool processusVivant(qint64 processus)
{
#ifdef Q_OS_UNIX
    return ::kill(static_cast<pid_t>(processus), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(processus);
    return true;
#endif
}

// The file server's clock, read from a file just written beside the lock: the lock's own
// date comes from that clock too.
QDateTime heureServeur(const QString& dossier, const QByteArray& jeton)
{
    const QString sonde = QDir(dossier).filePath(QStringLiteral(".orvane-heure.") + QString::fromLatin1(jeton));
    QFile f(sonde);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return {};
    f.write("?");
    f.close();
    const QDateTime heure = QFileInfo(sonde).lastModified();
    f.remove();
    return heure;
}

// Whether the lock file, read as contenu, was left by a program that stopped.
bool abandonne(const QString& chemin, const QByteArray& contenu, const QByteArray& jeton)
{
    const QFileInfo info(chemin);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return true; // nothing this program makes: planted, and in the way
    const Tenant tenant = tenantDe(contenu);
    if (!tenant.demarrage.isEmpty() && tenant.demarrage == demarrage() && tenant.ordinateur == ordinateur()
        && tenant.processus > 0 && !processusVivant(tenant.processus))
        return true;
    const QDateTime date = info.lastModified();
    const QDateTime maintenant = heureServeur(info.absolutePath(), jeton);
    return date.isValid() && maintenant.isValid() && date.msecsTo(maintenant) > abandonMs_;
}

// Removes an abandoned lock, still as it was judged, under a takeover file of its own, so
// that of two waiters judging it at once only one removes it, and never the lock the other
// has just taken. A takeover file left by a program stopped in the middle is abandoned
// in its turn.
void reprendre(const QString& chemin, const QByteArray& juge, const QByteArray& jeton)
{
    const QString reprise = chemin + QStringLiteral(".reprise");
    const Creation creation = creer(reprise, contenuVerrou(jeton));
    if (creation != Creation::Cree) {
        if (creation == Creation::Occupe && abandonne(reprise, lire(reprise), jeton))
            QFile::remove(reprise);
        return;
    }
    if (lire(chemin) == juge)
        QFile::remove(chemin);
    QFile::remove(reprise);
}
} // namespace

// Writes the lock again while it is held, so that its date on the server stays recent
// however long the holder's reading and writing take.
class Verrou::Battement {
public:
    Battement(const QString& chemin, const QByteArray& contenu)
        : fil_([this, chemin, contenu] { battre(chemin, contenu); })
    {
    }
    ~Battement()
    {
        {
            const std::lock_guard<std::mutex> garde(mutex_);
            fin_ = true;
        }
        reveil_.notify_all();
        fil_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable reveil_;
    bool fin_ = false;
    std::thread fil_;

    void battre(const QString& chemin, const QByteArray& contenu)
    {
        const auto periode = std::chrono::milliseconds(std::max(1, abandonMs_ / 4));
        std::unique_lock<std::mutex> garde(mutex_);
        while (!reveil_.wait_for(garde, periode, [this] { return fin_; })) {
            QFile f(chemin);
            if (f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) && f.readAll() == contenu && f.seek(0))
                f.write(contenu);
        }
    }
};

Verrou::Verrou(const QString& fichier)
    : chemin_(cheminVerrou(fichier))
{
    const QByteArray jeton = nouveauJeton();
    contenu_ = contenuVerrou(jeton);
    // Short pauses of random length keep turns fair among several computers waiting for
    // the same file.
    QDeadlineTimer echeance(attenteMs_);
    QElapsedTimer depuisJugement;
    QByteArray vu;
    for (;;) {
        const Creation creation = creer(chemin_, contenu_);
        if (creation == Creation::Cree) {
            pris_ = true;
            tenus().insert(chemin_, this);
            battement_ = std::make_unique<Battement>(chemin_, contenu_);
            return;
        }
        if (creation == Creation::Impossible)
            return;
        vu = lire(chemin_);
        if (!depuisJugement.isValid() || depuisJugement.elapsed() >= PauseJugementMs) {
            depuisJugement.start();
            if (abandonne(chemin_, vu, jeton)) {
                reprendre(chemin_, vu, jeton);
                continue;
            }
        }
        if (echeance.hasExpired())
            break;
        QThread::msleep(2 + QRandomGenerator::global()->bounded(10));
    }
    refuse_ = true;
    const QString nom = QFileInfo(fichier).fileName();
    const QString autre = tenantDe(vu).ordinateur;
    if (!autre.isEmpty() && autre != ordinateur())
        message_ = QStringLiteral("Le fichier « %1 » est occupé par l'ordinateur « %2 » : il "
                                  "n'a pas été modifié.")
                       .arg(nom, autre);
    else
        message_ = QStringLiteral("Le fichier « %1 » est occupé : il n'a pas été modifié.").arg(nom);
}

Verrou::~Verrou()
{
    battement_.reset();
    if (!pris_)
        return;
    tenus().remove(chemin_);
    if (toujoursTenu())
        QFile::remove(chemin_);
}

bool Verrou::toujoursTenu() const
{
    return pris_ && lire(chemin_) == contenu_;
}

QString Verrou::cheminVerrou(const QString& fichier)
{
    // Absolute, so that a change of current folder while the lock is held does not
    // leave it behind.
    return QFileInfo(fichier).absoluteFilePath() + QStringLiteral(".verrou");
}

bool Verrou::toujoursTenuSur(const QString& fichier)
{
    const auto verrou = tenus().constFind(cheminVerrou(fichier));
    return verrou == tenus().constEnd() || verrou.value()->toujoursTenu();
}

void Verrou::fixerAttenteMs(int ms)
{
    attenteMs_ = ms;
}

void Verrou::fixerAbandonMs(int ms)
{
    abandonMs_ = ms;
}

void Verrou::fixerOrdinateur(const QString& nom)
{
    ordinateurFixe_ = nom;
}

bool ChangerSousVerrou(const QString& fichier, const std::function<QString()>& changer)
{
    QString message;
    {
        const Verrou verrou(fichier);
        message = verrou.refuse() ? verrou.message() : changer();
    }
    if (message.isEmpty())
        return true;
    avertir(message);
    return false;
}
