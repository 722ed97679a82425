#include "FinAnnee.h"

#include "Archive.h"
#include "Classes.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "Verrou.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <optional>

namespace {
const QString MasqueBilans = QStringLiteral("*.reu");
const QString PrefixeEssais = QStringLiteral("Essais ");
const QString ExtensionEssais = QStringLiteral(".csv");
const QString ExtensionArchive = QStringLiteral(".zip");
// The archives of the largest schools stay far below this once unfolded.
constexpr qint64 TailleMaxArchive = 512LL * 1024 * 1024;

QStringList fichiersDu(const QString& dossier, const QString& masque)
{
    QStringList chemins;
    if (dossier.isEmpty())
        return chemins;
    for (const EntreeDossier& entree : listerDossier(dossier, masque))
        if (!(entree.attributs & Attribut::Repertoire))
            chemins.append(QDir(dossier).filePath(entree.nom));
    return chemins;
}

QString dansArchive(const QString& dossier, const QString& chemin)
{
    return dossier + QLatin1Char('/') + QFileInfo(chemin).fileName();
}

// Erases one archived file unless another computer changed it since it was read.
QString effacer(const QString& chemin, const QByteArray& archive)
{
    const QString nom = QFileInfo(chemin).fileName();
    const Verrou verrou(chemin);
    if (verrou.refuse())
        return verrou.message();
    if (lireFichier(chemin) != archive)
        return QStringLiteral("« %1 » a changé depuis son archivage : il reste dans son dossier.").arg(nom);
    QFile f(chemin);
    if (!f.remove())
        return messageErreurFichier(nom, f.errorString());
    return {};
}

// The place of an entry once unfolded, or nothing for an entry of another kind or a
// name that would leave its folder.
std::optional<QString> placeDepliee(const QString& entree, const QString& dossier)
{
    const QStringList parties = entree.split(QLatin1Char('/'));
    if (parties.size() != 2)
        return std::nullopt;
    const QString& nom = parties[1];
    if (nom.isEmpty() || nom.startsWith(QLatin1Char('.')) || nom.contains(QLatin1Char('\\')))
        return std::nullopt;
    const bool essais = nom.startsWith(PrefixeEssais, Qt::CaseInsensitive) && nom.endsWith(ExtensionEssais, Qt::CaseInsensitive);
    const bool bilan = parties[0] == DossierBilansArchive
        && (nom.endsWith(QStringLiteral(".reu"), Qt::CaseInsensitive) || essais);
    const bool classe = parties[0] == DossierListesArchive && nom.endsWith(ExtensionClasse, Qt::CaseInsensitive);
    if (!bilan && !classe)
        return std::nullopt;
    return QDir(dossier).filePath(parties[0] + QLatin1Char('/') + nom);
}
} // namespace

FichiersAnnee FichiersDeLAnnee(const QString& dossierBilans, const QString& dossierProgramme)
{
    QStringList essais;
    for (const QString& chemin : fichiersDu(dossierBilans, QLatin1Char('*') + ExtensionEssais))
        if (QFileInfo(chemin).fileName().startsWith(PrefixeEssais, Qt::CaseInsensitive))
            essais.append(chemin);
    return {fichiersDu(dossierBilans, MasqueBilans), essais,
            fichiersDu(dossierProgramme, QLatin1Char('*') + ExtensionClasse)};
}

QString NomArchiveAnnee(const QDate& jour)
{
    return QStringLiteral("Orvane fin d'année ") + jour.toString(Qt::ISODate) + ExtensionArchive;
}

BilanFinAnnee ArchiverEtEffacer(const FichiersAnnee& fichiersAnnee, const QString& archive)
{
    BilanFinAnnee bilan;
    const QString rien = QStringLiteral(" Rien n'a été effacé.");
    QList<FichierArchive> contenu;
    QHash<QString, QString> chemins; // of each entry
    const auto lire = [&](const QStringList& liste, const QString& dossier) {
        for (const QString& chemin : liste) {
            const std::optional<QByteArray> octets = lireFichier(chemin);
            if (!octets) {
                bilan.erreur = QStringLiteral("Le fichier « %1 » ne peut pas être lu.").arg(QFileInfo(chemin).fileName()) + rien;
                return false;
            }
            contenu.append({dansArchive(dossier, chemin), *octets, QFileInfo(chemin).lastModified()});
            chemins.insert(contenu.constLast().nom, chemin);
        }
        return true;
    };
    if (!lire(fichiersAnnee.bilans, DossierBilansArchive) || !lire(fichiersAnnee.essais, DossierBilansArchive)
        || !lire(fichiersAnnee.classes, DossierListesArchive))
        return bilan;
    const QString nomArchive = QFileInfo(archive).fileName();
    QString erreur;
    const std::optional<QByteArray> octets = ContenuArchive(contenu, &erreur);
    if (!octets || !ecrireFichier(archive, *octets, &erreur)) {
        bilan.erreur = messageErreurFichier(nomArchive, erreur) + rien;
        return bilan;
    }
    // What is erased is what the archive on the disk gives back, byte for byte.
    const std::optional<QList<FichierArchive>> relus = LireArchive(archive, TailleMaxArchive, &erreur);
    QHash<QString, QByteArray> archives;
    for (const FichierArchive& f : relus.value_or(QList<FichierArchive>()))
        archives.insert(f.nom, f.contenu);
    const bool fidele = relus && relus->size() == contenu.size()
        && std::all_of(contenu.begin(), contenu.end(), [&](const FichierArchive& f) {
               return archives.contains(f.nom) && archives.value(f.nom) == f.contenu;
           });
    if (!fidele) {
        bilan.erreur = QStringLiteral("L'archive « %1 » relue ne rend pas les fichiers de l'année.").arg(nomArchive) + rien;
        return bilan;
    }
    for (const FichierArchive& f : contenu) {
        const QString garde = effacer(chemins.value(f.nom), f.contenu);
        if (garde.isEmpty())
            ++bilan.effaces;
        else
            bilan.gardes.append(garde);
    }
    return bilan;
}

QString DeplierArchiveAnnee(const QString& archive, const QString& dossier)
{
    QString erreur;
    const std::optional<QList<FichierArchive>> contenu = LireArchive(archive, TailleMaxArchive, &erreur);
    if (!contenu)
        return erreur + QLatin1Char('.');
    // Both folders, so that a year without results or without lists reads as empty.
    for (const QString& sous : {DossierBilansArchive, DossierListesArchive})
        if (!QDir(dossier).mkpath(sous))
            return QStringLiteral("Le dossier « %1 » ne peut pas être créé.").arg(QDir(dossier).filePath(sous));
    int deplies = 0;
    for (const FichierArchive& f : *contenu) {
        const std::optional<QString> place = placeDepliee(f.nom, dossier);
        if (!place)
            continue;
        if (!ecrireFichier(*place, f.contenu, &erreur))
            return messageErreurFichier(QFileInfo(*place).fileName(), erreur);
        ++deplies;
    }
    if (deplies == 0)
        return QStringLiteral("« %1 » ne garde aucune année d'Orvane : ni bilan ni liste d'élèves.")
            .arg(QFileInfo(archive).fileName());
    return {};
}
