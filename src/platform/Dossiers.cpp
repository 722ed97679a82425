#include "Dossiers.h"

#include <algorithm>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

QString fichierSansCasse(const QString& dossier, const QString& nom)
{
    const QDir ici(dossier);
    if (!ici.exists(nom)) {
        QDirIterator iterateur(dossier, QDir::Files | QDir::Hidden | QDir::System);
        while (iterateur.hasNext()) {
            iterateur.next();
            if (QString::compare(iterateur.fileName(), nom, Qt::CaseInsensitive) == 0)
                return iterateur.filePath();
        }
    }
    return ici.filePath(nom);
}

void ouvrirAuGroupe(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (!(QFileInfo(info.absolutePath()).permissions() & QFileDevice::WriteGroup))
        return;
#ifdef Q_OS_UNIX
    // By its mode bits: Qt's permissions would drop the set-group bit that a new folder
    // takes from a shared one, and with it the group of what is made inside later.
    struct stat etat {};
    const QByteArray nom = QFile::encodeName(chemin);
    if (::lstat(nom.constData(), &etat) != 0 || S_ISLNK(etat.st_mode))
        return;
    const mode_t groupe = S_IRGRP | S_IWGRP | (S_ISDIR(etat.st_mode) ? S_IXGRP : 0);
    if ((etat.st_mode & groupe) != groupe)
        ::chmod(nom.constData(), (etat.st_mode & 07777) | groupe);
#else
    QFileDevice::Permissions groupe = QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    if (info.isDir())
        groupe |= QFileDevice::ExeGroup;
    QFile::setPermissions(chemin, info.permissions() | groupe);
#endif
}

bool creerDossier(const QString& dossier)
{
    const QFileInfo info(dossier);
    if (info.isDir())
        return true;
    // From the top down, so that each new folder takes its group from the one above it.
    if (!creerDossier(info.absolutePath()) || !QDir().mkdir(info.absoluteFilePath()))
        return QFileInfo(dossier).isDir();
    ouvrirAuGroupe(info.absoluteFilePath());
    return true;
}

QChar separateur()
{
    return QDir::separator();
}

QString avecSeparateur(const QString& dossier)
{
    if (dossier.endsWith(separateur()))
        return dossier;
    return dossier + separateur();
}

namespace {
int attributsDe(const QFileInfo& info)
{
    int attributs = 0;
    if (info.isDir())
        attributs |= Attribut::Repertoire;
    if (info.fileName().startsWith(QLatin1Char('.')))
        attributs |= Attribut::Cache;
    return attributs;
}

bool toutAccepte(const QString& masque)
{
    return masque.isEmpty() || masque == QStringLiteral("*") || masque == QStringLiteral("*.*");
}
} // namespace

namespace {
bool sansJoker(QStringView texte)
{
    return !texte.contains(QLatin1Char('*')) && !texte.contains(QLatin1Char('?'))
        && !texte.contains(QLatin1Char('['));
}

// Whether a name passes the mask. The common masks, "*.ext" (an end) and "*.ex*" (a
// part), are compared without regard to case as they stand; others go through the
// wildcard pattern.
class Masque {
public:
    explicit Masque(const QString& masque)
    {
        if (toutAccepte(masque))
            return;
        const QStringView sansEtoile = QStringView(masque).mid(1);
        if (masque.startsWith(QLatin1Char('*')) && sansJoker(sansEtoile)) {
            fin_ = sansEtoile.toString();
            return;
        }
        if (masque.size() > 2 && masque.startsWith(QLatin1Char('*')) && masque.endsWith(QLatin1Char('*'))
            && sansJoker(sansEtoile.chopped(1))) {
            partie_ = sansEtoile.chopped(1).toString();
            return;
        }
        motif_ = QRegularExpression(QRegularExpression::wildcardToRegularExpression(masque),
                                    QRegularExpression::CaseInsensitiveOption);
    }

    bool accepte(const QString& nom) const
    {
        if (!fin_.isEmpty())
            return nom.endsWith(fin_, Qt::CaseInsensitive);
        if (!partie_.isEmpty())
            return nom.contains(partie_, Qt::CaseInsensitive);
        return motif_.pattern().isEmpty() || motif_.match(nom).hasMatch();
    }

private:
    QString fin_;
    QString partie_;
    QRegularExpression motif_;
};
} // namespace

QList<EntreeDossier> listerDossier(const QString& dossier, const QString& masque)
{
    const Masque filtre(masque);
    QList<std::pair<QString, EntreeDossier>> trouvees;
    QDirIterator iterateur(dossier.isEmpty() ? QStringLiteral(".") : dossier,
                           QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (iterateur.hasNext()) {
        iterateur.next();
        const QString nom = iterateur.fileName();
        if (!filtre.accepte(nom))
            continue;
        const QFileInfo info = iterateur.fileInfo();
        trouvees.append({nom.toCaseFolded(), {nom, attributsDe(info)}});
    }
    // Linux gives names in no useful order; pupils expect series and exercises in the
    // alphabetical order the program has always shown (the names folded once, not at each
    // comparison).
    std::sort(trouvees.begin(), trouvees.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<EntreeDossier> entrees;
    entrees.reserve(trouvees.size());
    for (auto& [cle, entree] : trouvees)
        entrees.append(std::move(entree));
    return entrees;
}
