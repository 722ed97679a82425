#include "Classes.h"

#include "Enregistrements.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

LectureClasse LireClasse(const QString& fichier)
{
    LectureClasse lecture;
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) {
        lecture.erreur = f.errorString();
        return lecture;
    }
    for (int k = 1;; ++k) {
        const QByteArray enregistrement = f.read(TailleEnregistrementEleve);
        if (enregistrement.size() < TailleEnregistrementEleve)
            break;
        if (k > NbMaxEleves) {
            lecture.complete = false;
            break;
        }
        lecture.enregistrements.append(enregistrement);
        lecture.noms.append(lireTexteCourt(enregistrement, 0, LongueurMaxNom).value_or(QString()));
    }
    if (f.error() != QFileDevice::NoError)
        lecture.erreur = f.errorString();
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
    QByteArray contenu;
    for (int i = 0; i < noms.size(); ++i) {
        QByteArray entree = i < enregistrementsLus.size()
            ? enregistrementsLus.at(i).leftJustified(TailleEnregistrementEleve, '\0', true)
            : QByteArray(TailleEnregistrementEleve, '\0');
        ecrireTexteCourt(entree, 0, LongueurMaxNom, noms.at(i).left(LongueurMaxNom));
        contenu += entree;
    }
    return ecrireFichier(fichier, contenu, erreur);
}

QString NomDeClasse(const QString& fichier)
{
    const QString nom = QFileInfo(fichier).fileName();
    return nom.left(std::max<qsizetype>(0, nom.size() - ExtensionClasse.size()));
}
