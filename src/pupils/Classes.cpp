#include "Classes.h"

#include "Enregistrements.h"

#include <QBuffer>
#include <QFileInfo>

#include <algorithm>

QString MessageClasseIncomplete()
{
    return QStringLiteral("Cette classe compte plus de %1 élèves : seuls les %1 premiers sont affichés.")
        .arg(NbMaxEleves);
}

LectureClasse LireClasse(const QString& fichier)
{
    QString erreur;
    const std::optional<QByteArray> octets = lireFichier(fichier, &erreur);
    if (!octets) {
        LectureClasse lecture;
        lecture.erreur = erreur.isEmpty() ? QStringLiteral("le fichier est introuvable") : erreur;
        return lecture;
    }
    QByteArray contenu = *octets;
    QBuffer tampon(&contenu);
    tampon.open(QIODevice::ReadOnly);
    LectureClasse lecture = LireClasse(tampon);
    lecture.octets = contenu;
    return lecture;
}

LectureClasse LireClasse(QIODevice& source)
{
    LectureClasse lecture;
    for (int k = 1;; ++k) {
        const QByteArray enregistrement = source.read(TailleEnregistrementEleve);
        if (enregistrement.size() < TailleEnregistrementEleve)
            break;
        if (k > NbMaxEleves) {
            lecture.complete = false;
            break;
        }
        lecture.enregistrements.append(enregistrement);
        lecture.noms.append(lireTexteCourt(enregistrement, 0, LongueurMaxNom).value_or(QString()));
    }
    return lecture;
}

bool EcrireClasse(const QString& fichier, const QStringList& noms,
                  const QList<QByteArray>& enregistrementsLus, QString* erreur)
{
    if (noms.size() > NbMaxEleves) {
        if (erreur)
            *erreur = QStringLiteral("une classe compte au plus %1 élèves").arg(NbMaxEleves);
        return false;
    }
    return ecrireFichier(fichier, ContenuClasse(noms, enregistrementsLus), erreur);
}

QByteArray ContenuClasse(const QStringList& noms, const QList<QByteArray>& enregistrementsLus)
{
    QByteArray contenu;
    for (int i = 0; i < noms.size() && i < NbMaxEleves; ++i) {
        QByteArray entree = i < enregistrementsLus.size()
            ? enregistrementsLus.at(i).leftJustified(TailleEnregistrementEleve, '\0', true)
            : QByteArray(TailleEnregistrementEleve, '\0');
        ecrireTexteCourt(entree, 0, LongueurMaxNom, noms.at(i).left(LongueurMaxNom));
        contenu += entree;
    }
    return contenu;
}

QString NomDeClasse(const QString& fichier)
{
    const QString nom = QFileInfo(fichier).fileName();
    return nom.left(std::max<qsizetype>(0, nom.size() - ExtensionClasse.size()));
}
