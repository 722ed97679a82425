#include "Dossiers.h"

#include <algorithm>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

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
    // The owner's write bit, not access(): as root every file is writable, yet a file
    // marked read-only must still be reported so.
    if (info.isFile() && !info.permission(QFileDevice::WriteOwner))
        attributs |= Attribut::LectureSeule;
    return attributs;
}

bool toutAccepte(const QString& masque)
{
    return masque.isEmpty() || masque == QStringLiteral("*") || masque == QStringLiteral("*.*");
}
} // namespace

QList<EntreeDossier> listerDossier(const QString& dossier, const QString& masque)
{
    const auto motif = toutAccepte(masque)
        ? QRegularExpression()
        : QRegularExpression(QRegularExpression::wildcardToRegularExpression(masque),
                             QRegularExpression::CaseInsensitiveOption);
    QList<EntreeDossier> entrees;
    QDirIterator iterateur(dossier.isEmpty() ? QStringLiteral(".") : dossier,
                           QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (iterateur.hasNext()) {
        iterateur.next();
        const QFileInfo info = iterateur.fileInfo();
        if (motif.isValid() && !motif.pattern().isEmpty() && !motif.match(info.fileName()).hasMatch())
            continue;
        entrees.append({info.fileName(), attributsDe(info), info.isFile() ? info.size() : 0});
    }
    // Linux gives names in no useful order; pupils expect series and exercises in the
    // alphabetical order the program has always shown.
    std::sort(entrees.begin(), entrees.end(), [](const EntreeDossier& a, const EntreeDossier& b) {
        return QString::compare(a.nom, b.nom, Qt::CaseInsensitive) < 0;
    });
    return entrees;
}
