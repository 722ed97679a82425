#include "Dossiers.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

QString dossierCourant()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

bool changerDossierCourant(const QString& dossier)
{
    return !dossier.isEmpty() && QDir::setCurrent(dossier);
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
    if (info.isFile() && !info.isWritable())
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
    return entrees;
}
