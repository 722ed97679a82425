#include "Classes.h"

#include "Enregistrements.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

std::array<QByteArray, NbMaxEleves + 1> TableEleves = [] {
    std::array<QByteArray, NbMaxEleves + 1> table;
    table.fill(QByteArray(TailleEnregistrementEleve, '\0'));
    return table;
}();

LectureClasse LireClasse(const QString& fichier)
{
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) {
        LectureClasse lecture;
        lecture.erreur = f.errorString();
        return lecture;
    }
    LectureClasse lecture = LireClasse(f);
    if (f.error() != QFileDevice::NoError)
        lecture.erreur = f.errorString();
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
        TableEleves[k] = enregistrement;
        lecture.noms.append(lireTexteCourt(enregistrement, 0, LongueurMaxNom).value_or(QString()));
    }
    return lecture;
}

bool EcrireClasse(const QString& fichier, const QStringList& noms, QString* erreur)
{
    if (noms.size() > NbMaxEleves) {
        if (erreur)
            *erreur = QStringLiteral("une classe compte au plus %1 élèves").arg(NbMaxEleves);
        return false;
    }
    return ecrireFichier(fichier, ContenuClasse(noms), erreur);
}

QByteArray ContenuClasse(const QStringList& noms)
{
    QByteArray contenu;
    for (int i = 0; i < noms.size() && i < NbMaxEleves; ++i) {
        QByteArray& entree = TableEleves[i + 1];
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
