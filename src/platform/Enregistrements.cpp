#include "Enregistrements.h"

#include "Dossiers.h"
#include "Verrou.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
const char* const nomCodage = "windows-1252";

// The converter writes 0x1A for a letter the code page lacks; the program has always
// written '?' there. Letters are taken whole, so a surrogate pair gives one '?'.
constexpr char substitution = '\x1A';

QByteArray encoderLettre(QStringEncoder& encodeur, char32_t point)
{
    const QByteArray lettre = encodeur.encode(QString::fromUcs4(&point, 1));
    const bool connue = lettre.size() == 1 && (lettre[0] != substitution || point == 0x1A);
    return connue ? lettre : QByteArray("?");
}

// Opening a converter costs far more than converting a short text, and the class lists
// and preference files convert one short text at a time: the code page is asked once for
// its 256 characters and both directions are kept. A letter outside them is asked of the
// converter, which answers '?' for any letter it cannot hold.
struct PageWindows1252 {
    // Its letters all lie below U+2200 (the last is the trade mark sign, U+2122).
    static constexpr char32_t Etendue = 0x2200;
    std::array<char16_t, 256> caracteres{};
    std::array<qint16, Etendue> octets; // the byte of a letter, or -1
    bool simple = true; // every byte is one UTF-16 unit

    PageWindows1252()
    {
        QStringDecoder decodeur(nomCodage);
        QStringEncoder encodeur(nomCodage);
        octets.fill(-1);
        for (int b = 0; b < 256; ++b) {
            const QString c = decodeur.decode(QByteArray(1, static_cast<char>(b)));
            if (c.size() != 1) {
                simple = false;
                continue;
            }
            caracteres[std::size_t(b)] = c.at(0).unicode();
            const char32_t point = c.at(0).unicode();
            const QByteArray lettre = encoderLettre(encodeur, point);
            if (point < Etendue && lettre.size() == 1)
                octets[point] = static_cast<uchar>(lettre[0]);
        }
    }
};

const PageWindows1252& page()
{
    static const PageWindows1252 p;
    return p;
}
} // namespace

QByteArray versWindows1252(const QString& texte)
{
    const PageWindows1252& p = page();
    QByteArray octets;
    octets.reserve(texte.size());
    std::optional<QStringEncoder> encodeur;
    for (char32_t point : texte.toUcs4()) {
        if (point < PageWindows1252::Etendue && p.octets[point] >= 0) {
            octets += static_cast<char>(p.octets[point]);
            continue;
        }
        if (!encodeur)
            encodeur.emplace(nomCodage);
        octets += encoderLettre(*encodeur, point);
    }
    return octets;
}

QString depuisWindows1252(const QByteArray& octets)
{
    const PageWindows1252& p = page();
    if (!p.simple) {
        QStringDecoder decodeur(nomCodage);
        return decodeur.decode(octets);
    }
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* sortie = texte.data();
    const auto* entree = reinterpret_cast<const uchar*>(octets.constData());
    for (qsizetype i = 0; i < octets.size(); ++i)
        sortie[i] = QChar(p.caracteres[entree[i]]);
    return texte;
}

QChar caractereWindows1252(uchar octet)
{
    const PageWindows1252& p = page();
    return p.simple ? QChar(p.caracteres[octet]) : depuisWindows1252(QByteArray(1, char(octet))).front();
}

int octetWindows1252(char16_t caractere)
{
    return caractere < PageWindows1252::Etendue ? page().octets[caractere] : -1;
}

namespace {

const QString CauseNonOrdinaire = QStringLiteral("ce n'est pas un fichier ordinaire, Orvane ne s'en sert pas");
const QString CauseVerrouRepris = QStringLiteral("un autre ordinateur a repris son verrou, il n'a pas été modifié");

#ifdef Q_OS_UNIX
EtatFichier etatDe(const struct stat& etat)
{
    return {static_cast<qint64>(etat.st_size), static_cast<qint64>(etat.st_mtim.tv_sec) * 1000000000 + etat.st_mtim.tv_nsec,
            static_cast<quint64>(etat.st_dev), static_cast<quint64>(etat.st_ino)};
}
#else
EtatFichier etatDe(const QFileInfo& info)
{
    return {info.size(), info.lastModified().toMSecsSinceEpoch() * 1000000, 0, 0};
}
#endif

// Opens a stored file for reading when it is a regular file of at most tailleMax bytes;
// otherwise, when the file exists, the cause in French. The open itself must not wait: a
// named pipe planted in a shared folder blocks an ordinary open until someone writes to
// it, and a link may lead anywhere, so neither is followed.
bool ouvrirFichierOrdinaire(QFile& f, const QString& fichier, QString* cause, qint64 tailleMax = TailleMaxFichierLu,
                            EtatFichier* etatLu = nullptr)
{
    const auto refuser = [&](const QString& raison) {
        if (cause)
            *cause = raison;
        return false;
    };
    const QString tropGrand = QStringLiteral("il dépasse %1 Mo, Orvane ne le lit pas").arg(TailleMaxFichierLu / (1024 * 1024));
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(fichier).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int erreur = errno;
        if (erreur == ENOENT)
            return false;
        return refuser(erreur == ELOOP ? CauseNonOrdinaire : QString::fromLocal8Bit(std::strerror(erreur)));
    }
    struct stat etat {};
    const bool ordinaire = ::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode);
    if (!ordinaire || etat.st_size > tailleMax) {
        ::close(fd);
        return refuser(ordinaire ? tropGrand : CauseNonOrdinaire);
    }
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuser(f.errorString());
    }
    if (etatLu)
        *etatLu = etatDe(etat);
    return true;
#else
    const QFileInfo info(fichier);
    if (!info.exists() && !info.isSymLink())
        return false;
    if (info.isSymLink() || !info.isFile())
        return refuser(CauseNonOrdinaire);
    if (info.size() > tailleMax)
        return refuser(tropGrand);
    f.setFileName(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return refuser(f.errorString());
    if (etatLu)
        *etatLu = etatDe(info);
    return true;
#endif
}

// The new file beside the one it replaces, under a name nobody can guess, created: never
// opened through something already there.
bool creerProvisoire(QFile& provisoire, const QString& fichier)
{
    const QFileInfo info(fichier);
    const QString nom = QStringLiteral(".%1.%2.provisoire")
                            .arg(info.fileName())
                            .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
    provisoire.setFileName(info.dir().filePath(nom));
    return provisoire.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

bool remplacer(const QString& provisoire, const QString& fichier, QString* cause)
{
    std::error_code code;
    // A rename replaces whatever has the name, a link included, without following it.
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(provisoire).toStdString()),
                            std::filesystem::path(QFile::encodeName(fichier).toStdString()), code);
    if (code && cause)
        *cause = QString::fromLocal8Bit(code.message());
    return !code;
}
} // namespace

std::optional<QByteArray> lireFichier(const QString& fichier, QString* erreur)
{
    QFile f;
    if (!ouvrirFichierOrdinaire(f, fichier, erreur))
        return std::nullopt;
    // At most the size found on opening, itself at most TailleMaxFichierLu.
    QByteArray octets = f.read(f.size());
    if (f.error() == QFileDevice::NoError)
        return octets;
    if (erreur)
        *erreur = f.errorString();
    return std::nullopt;
}

std::optional<EtatFichier> etatFichier(const QString& fichier)
{
#ifdef Q_OS_UNIX
    struct stat etat {};
    if (::lstat(QFile::encodeName(fichier).constData(), &etat) != 0 || !S_ISREG(etat.st_mode))
        return std::nullopt;
    return etatDe(etat);
#else
    const QFileInfo info(fichier);
    if (info.isSymLink() || !info.isFile())
        return std::nullopt;
    return etatDe(info);
#endif
}

std::optional<MorceauFichier> lireMorceau(const QString& fichier, qint64 depuis, qint64 maximum, QString* erreur)
{
    QFile f;
    MorceauFichier morceau;
    if (!ouvrirFichierOrdinaire(f, fichier, erreur, std::numeric_limits<qint64>::max(), &morceau.etat))
        return std::nullopt;
    const qint64 debut = std::clamp<qint64>(depuis, 0, morceau.etat.taille);
    // At most what the file held when it was opened: what is added meanwhile is read next time.
    const qint64 longueur = std::min(std::max<qint64>(maximum, 0), morceau.etat.taille - debut);
    if (f.seek(debut))
        morceau.octets = f.read(longueur);
    if (f.error() == QFileDevice::NoError)
        return morceau;
    if (erreur)
        *erreur = f.errorString();
    return std::nullopt;
}

namespace {
bool refuserAjout(QString* erreur, const QString& cause)
{
    if (erreur)
        *erreur = cause;
    return false;
}
} // namespace

bool ajouterAuFichier(const QString& fichier, const QByteArray& octets, const QByteArray& debut, QString* erreur)
{
    if (!Verrou::toujoursTenuSur(fichier))
        return refuserAjout(erreur, CauseVerrouRepris);
#ifdef Q_OS_UNIX
    const QByteArray nom = QFile::encodeName(fichier);
    // Made here when nothing is there, not even a link; otherwise opened without following
    // a link, and without waiting on a pipe.
    bool cree = true;
    int fd = ::open(nom.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) {
        cree = false;
        fd = ::open(nom.constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    }
    if (fd < 0)
        return refuserAjout(erreur, errno == ELOOP || errno == ENXIO ? CauseNonOrdinaire
                                                                     : QString::fromLocal8Bit(std::strerror(errno)));
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(fd);
        return refuserAjout(erreur, CauseNonOrdinaire);
    }
    const QByteArray contenu = etat.st_size == 0 ? debut + octets : octets;
    int code = 0;
    for (qint64 ecrits = 0; code == 0 && ecrits < contenu.size();) {
        const ssize_t n = ::write(fd, contenu.constData() + ecrits, static_cast<size_t>(contenu.size() - ecrits));
        if (n > 0)
            ecrits += n;
        else if (n == 0 || errno != EINTR)
            code = n == 0 ? EIO : errno;
    }
    if (code == 0 && ::fdatasync(fd) != 0)
        code = errno;
    // Taken back; should even that fail, the readers skip the broken line it leaves.
    if (code != 0 && !cree) {
        [[maybe_unused]] const int reprise = ::ftruncate(fd, etat.st_size);
    }
    ::close(fd);
    if (code != 0) {
        if (cree)
            ::unlink(nom.constData());
        return refuserAjout(erreur, QString::fromLocal8Bit(std::strerror(code)));
    }
    if (cree)
        ouvrirAuGroupe(fichier);
    return true;
#else
    const QFileInfo info(fichier);
    const bool existe = info.exists() || info.isSymLink();
    if (existe && (info.isSymLink() || !info.isFile()))
        return refuserAjout(erreur, CauseNonOrdinaire);
    QFile f(fichier);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return refuserAjout(erreur, f.errorString());
    const qint64 avant = f.size();
    const QByteArray contenu = avant == 0 ? debut + octets : octets;
    if (f.write(contenu) == contenu.size() && f.flush())
        return true;
    const QString cause = f.errorString();
    f.resize(avant);
    return refuserAjout(erreur, cause);
#endif
}

std::optional<QByteArray> lirePremierEnregistrement(const QString& fichier, qsizetype taille, QString* erreur)
{
    QFile f;
    if (!ouvrirFichierOrdinaire(f, fichier, erreur))
        return std::nullopt;
    return premierEnregistrement(f.read(taille), taille);
}

std::optional<QByteArray> premierEnregistrement(const QByteArray& contenu, qsizetype taille)
{
    if (contenu.size() < taille)
        return std::nullopt;
    return contenu.left(taille);
}

namespace {
// The new contents in a file of their own beside the file they are to replace, on the
// disk and with the permissions they will have there: its name, or nothing and the cause.
std::optional<QString> preparer(const QString& fichier, const QByteArray& contenu, QString* cause)
{
    const auto echec = [&](const QString& raison) -> std::optional<QString> {
        *cause = raison;
        return std::nullopt;
    };
    const QFileInfo ancien(fichier);
    const bool existe = ancien.exists() || ancien.isSymLink();
    if (existe && (ancien.isSymLink() || !ancien.isFile()))
        return echec(CauseNonOrdinaire);
    if (existe && !ancien.isWritable())
        return echec(QStringLiteral("le fichier est protégé en écriture"));
    QFile provisoire;
    if (!creerProvisoire(provisoire, fichier))
        return echec(provisoire.errorString());
    // The explicit flush reports a write the file system refused (a full disk) before the
    // new file takes the old one's place.
    bool ecrit = provisoire.write(contenu) == contenu.size() && provisoire.flush();
    *cause = provisoire.errorString();
#ifdef Q_OS_UNIX
    // On the disk before it takes the old file's place: a computer switched off just
    // after a pupil's success must not leave an empty results file.
    if (ecrit && ::fdatasync(provisoire.handle()) != 0) {
        ecrit = false;
        *cause = QString::fromLocal8Bit(std::strerror(errno));
    }
#endif
    constexpr QFileDevice::Permissions pourLUtilisateur =
        QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    if (ecrit && existe)
        ecrit = provisoire.setPermissions(ancien.permissions() & ~pourLUtilisateur);
    provisoire.close();
    if (!ecrit) {
        provisoire.remove();
        return std::nullopt;
    }
    ouvrirAuGroupe(provisoire.fileName());
    return provisoire.fileName();
}

// The prepared file in the old one's place; on failure it goes, and the old one stays.
bool mettreEnPlace(const QString& provisoire, const QString& fichier, QString* cause)
{
    bool ecrit = true;
    if (!Verrou::toujoursTenuSur(fichier)) {
        ecrit = false;
        *cause = CauseVerrouRepris;
    }
    if (ecrit && remplacer(provisoire, fichier, cause))
        return true;
    QFile::remove(provisoire);
    return false;
}
} // namespace

bool ecrireFichier(const QString& fichier, const QByteArray& contenu, QString* erreur)
{
    QString cause;
    const std::optional<QString> provisoire = preparer(fichier, contenu, &cause);
    if (provisoire && mettreEnPlace(*provisoire, fichier, &cause))
        return true;
    if (erreur)
        *erreur = cause;
    return false;
}

bool ecrireFichiers(const QList<FichierAEcrire>& fichiers, QString* fichierEnEchec, QString* erreur)
{
    QStringList provisoires;
    // File i failed: the new files not yet in place, from `restants` on, go.
    const auto echec = [&](qsizetype i, qsizetype restants, const QString& cause) {
        for (qsizetype k = restants; k < provisoires.size(); ++k)
            QFile::remove(provisoires[k]);
        if (fichierEnEchec)
            *fichierEnEchec = fichiers[i].chemin;
        if (erreur)
            *erreur = cause;
        return false;
    };
    // Written whole first: a full disk or a folder refused shows before any old file goes.
    QString cause;
    for (const FichierAEcrire& f : fichiers) {
        const std::optional<QString> provisoire = preparer(f.chemin, f.contenu, &cause);
        if (!provisoire)
            return echec(provisoires.size(), 0, cause);
        provisoires.append(*provisoire);
    }
    // Then put in place; should one of them still fail, the ones already replaced get
    // their old bytes back, or go if they were not there.
    struct Ancien {
        bool present;
        std::optional<QByteArray> octets;
    };
    std::vector<Ancien> anciens;
    for (const FichierAEcrire& f : fichiers)
        anciens.push_back({QFileInfo::exists(f.chemin), lireFichier(f.chemin)});
    for (qsizetype i = 0; i < fichiers.size(); ++i) {
        if (mettreEnPlace(provisoires[i], fichiers[i].chemin, &cause))
            continue;
        for (qsizetype j = 0; j < i; ++j) {
            const Ancien& ancien = anciens[std::size_t(j)];
            if (!ancien.present)
                QFile::remove(fichiers[j].chemin);
            else if (ancien.octets)
                ecrireFichier(fichiers[j].chemin, *ancien.octets);
        }
        return echec(i, i + 1, cause);
    }
    return true;
}

std::optional<QString> lireTexteCourt(const QByteArray& enregistrement, qsizetype offset,
                                      int capacite)
{
    if (offset < 0 || offset + 1 + capacite > enregistrement.size())
        return std::nullopt;
    const int longueur = static_cast<unsigned char>(enregistrement.at(offset));
    if (longueur > capacite)
        return std::nullopt;
    return depuisWindows1252(enregistrement.mid(offset + 1, longueur));
}

void ecrireTexteCourt(QByteArray& enregistrement, qsizetype offset, int capacite,
                      const QString& texte)
{
    if (offset < 0 || offset + 1 + capacite > enregistrement.size())
        return;
    const QByteArray octets = versWindows1252(texte).left(capacite);
    enregistrement[offset] = static_cast<char>(octets.size());
    enregistrement.replace(offset + 1, octets.size(), octets);
}

QString messageErreurFichier(const QString& fichier, const QString& cause)
{
    return QStringLiteral("Erreur d'entrée/sortie sur le fichier « %1 » : %2").arg(fichier, cause);
}
