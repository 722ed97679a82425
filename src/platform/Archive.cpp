#include "Archive.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <memory>

namespace {
struct FermerSource {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
struct AbandonnerArchive {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FermerFichier {
    void operator()(zip_file_t* fichier) const { zip_fclose(fichier); }
};
using Source = std::unique_ptr<zip_source_t, FermerSource>;
using Zip = std::unique_ptr<zip_t, AbandonnerArchive>;
using FichierZip = std::unique_ptr<zip_file_t, FermerFichier>;

// No school year holds that many files.
constexpr zip_int64_t NbMaxEntrees = 100000;

std::nullopt_t refuser(QString* erreur, const QString& texte)
{
    if (erreur)
        *erreur = texte;
    return std::nullopt;
}

// The bytes a buffer source holds once the archive written into it is closed.
std::optional<QByteArray> octetsDe(zip_source_t* source)
{
    if (zip_source_open(source) < 0)
        return std::nullopt;
    QByteArray octets;
    if (zip_source_seek(source, 0, SEEK_END) == 0) {
        const zip_int64_t taille = zip_source_tell(source);
        if (taille > 0 && zip_source_seek(source, 0, SEEK_SET) == 0) {
            octets.resize(taille);
            if (zip_source_read(source, octets.data(), static_cast<zip_uint64_t>(taille)) != taille)
                octets.clear();
        }
    }
    zip_source_close(source);
    if (octets.isEmpty())
        return std::nullopt;
    return octets;
}

bool ajouter(zip_t* archive, const FichierArchive& fichier)
{
    // The archive reads the bytes when it is closed, from the caller's list, which outlives it.
    zip_source_t* source = zip_source_buffer(archive, fichier.contenu.constData(),
                                             static_cast<zip_uint64_t>(fichier.contenu.size()), 0);
    if (!source)
        return false;
    const zip_int64_t indice = zip_file_add(archive, fichier.nom.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (indice < 0) {
        zip_source_free(source);
        return false;
    }
    if (fichier.modification.isValid())
        zip_file_set_mtime(archive, static_cast<zip_uint64_t>(indice), fichier.modification.toSecsSinceEpoch(), 0);
    return true;
}

// The whole entry, as long as it claims and no longer; nothing when its checksum fails.
std::optional<QByteArray> lireEntree(zip_t* archive, zip_uint64_t indice, zip_uint64_t taille)
{
    const FichierZip fichier(zip_fopen_index(archive, indice, 0));
    if (!fichier)
        return std::nullopt;
    QByteArray octets(static_cast<qsizetype>(taille) + 1, Qt::Uninitialized);
    qsizetype lus = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(fichier.get(), octets.data() + lus, static_cast<zip_uint64_t>(octets.size() - lus));
        if (n < 0)
            return std::nullopt;
        if (n == 0 || lus + n == octets.size()) {
            lus += n;
            break;
        }
        lus += n;
    }
    if (static_cast<zip_uint64_t>(lus) != taille)
        return std::nullopt;
    octets.truncate(lus);
    return octets;
}
} // namespace

std::optional<QByteArray> ContenuArchive(const QList<FichierArchive>& fichiers, QString* erreur)
{
    const QString echec = QStringLiteral("l'archive n'a pas pu être faite");
    zip_error_t erreurZip;
    zip_error_init(&erreurZip);
    const Source tampon(zip_source_buffer_create(nullptr, 0, 0, &erreurZip));
    zip_error_fini(&erreurZip);
    if (!tampon)
        return refuser(erreur, echec);
    // The archive would free the buffer when closed: it is kept to be read afterwards.
    zip_source_keep(tampon.get());
    Zip archive(zip_open_from_source(tampon.get(), ZIP_TRUNCATE, nullptr));
    if (!archive) {
        zip_source_free(tampon.get());
        return refuser(erreur, echec);
    }
    for (const FichierArchive& fichier : fichiers)
        if (!ajouter(archive.get(), fichier))
            return refuser(erreur, echec + QStringLiteral(" (") + fichier.nom + QLatin1Char(')'));
    if (zip_close(archive.get()) < 0)
        return refuser(erreur, echec);
    archive.release();
    std::optional<QByteArray> octets = octetsDe(tampon.get());
    if (!octets)
        return refuser(erreur, echec);
    return octets;
}

std::optional<QList<FichierArchive>> LireArchive(const QString& chemin, qint64 tailleMax, QString* erreur)
{
    const QString nom = QFileInfo(chemin).fileName();
    const QString illisible = QStringLiteral("« %1 » n'est pas une archive ZIP lisible").arg(nom);
    if (!QFileInfo(chemin).isFile())
        return refuser(erreur, illisible);
    int code = 0;
    const Zip archive(zip_open(QFile::encodeName(chemin).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!archive)
        return refuser(erreur, illisible);
    QList<FichierArchive> fichiers;
    qint64 total = 0;
    const zip_int64_t nombre = zip_get_num_entries(archive.get(), 0);
    if (nombre > NbMaxEntrees)
        return refuser(erreur, QStringLiteral("« %1 » est trop grande pour une archive d'Orvane").arg(nom));
    for (zip_int64_t i = 0; i < nombre; ++i) {
        zip_stat_t etat;
        zip_stat_init(&etat);
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &etat) < 0 || !(etat.valid & ZIP_STAT_NAME)
            || !(etat.valid & ZIP_STAT_SIZE))
            return refuser(erreur, illisible);
        const QString entree = QString::fromUtf8(etat.name);
        if (entree.endsWith(QLatin1Char('/')))
            continue;
        total += static_cast<qint64>(etat.size);
        if (etat.size > static_cast<zip_uint64_t>(tailleMax) || total > tailleMax)
            return refuser(erreur, QStringLiteral("« %1 » est trop grande pour une archive d'Orvane").arg(nom));
        std::optional<QByteArray> contenu = lireEntree(archive.get(), static_cast<zip_uint64_t>(i), etat.size);
        if (!contenu)
            return refuser(erreur, illisible + QStringLiteral(" (") + entree + QStringLiteral(" est endommagé)"));
        const QDateTime date = etat.valid & ZIP_STAT_MTIME ? QDateTime::fromSecsSinceEpoch(etat.mtime) : QDateTime();
        fichiers.append({entree, *contenu, date});
    }
    return fichiers;
}
