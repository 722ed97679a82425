#pragma once

// ZIP archives, made and read whole in memory (the files of one school year weigh a few
// megabytes), so that an archive reaches the disk through the program's own whole-or-
// nothing write.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct FichierArchive {
    QString nom; // its place in the archive, "/" between folders
    QByteArray contenu;
    QDateTime modification;
};

// The bytes of a ZIP archive of the files, compressed, names in UTF-8; nothing, with the
// French cause, when it cannot be made.
std::optional<QByteArray> ContenuArchive(const QList<FichierArchive>& fichiers, QString* erreur = nullptr);

// The files of a ZIP archive, each checked against its checksum, folders left out.
// Refused (nothing, with the French cause naming the archive) when the file is no ZIP
// archive, when an entry is damaged, or when its files would take more than tailleMax
// bytes once read.
std::optional<QList<FichierArchive>> LireArchive(const QString& chemin, qint64 tailleMax,
                                                 QString* erreur = nullptr);
