#include "ChoixExercice.h"

#include "Bilans.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Contexte.h"

#include <QDir>
#include <QFileInfo>

QString MasqueExercices(int numeroExercice, bool tousLesTypes)
{
    if (tousLesTypes)
        return QStringLiteral("*.ex*");
    return QStringLiteral("*.ex") + QString::number(numeroExercice);
}

// Only the directory bit: hidden folders (and, where the system has them, read-only,
// system or archived ones) are not series.
bool EstSerie(const EntreeDossier& entree)
{
    return entree.attributs % 256 == Attribut::Repertoire;
}

QStringList SeriesDuDossier(const QString& dossier, const QString& masque)
{
    const QDir racine(dossier.isEmpty() ? QStringLiteral(".") : dossier);
    QStringList series;
    for (const EntreeDossier& entree : listerDossier(dossier, QStringLiteral("*.*"))) {
        if (EstSerie(entree) && !listerDossier(racine.filePath(entree.nom), masque).isEmpty())
            series.append(entree.nom);
    }
    return series;
}

bool CompterSeries(const QString& dossier, int numeroExercice)
{
    return !SeriesDuDossier(dossier, MasqueExercices(numeroExercice)).isEmpty();
}

QString DossierExercicesAccessible(const Contexte& contexte)
{
    const QString exercices = contexte.dossierExercices.dossier();
    if (!exercices.isEmpty() && QFileInfo(exercices).isDir())
        return exercices;
    if (!QFileInfo(contexte.dossierProgramme).isDir())
        avertir(QStringLiteral("Impossible de trouver le répertoire ") + contexte.dossierProgramme);
    return contexte.dossierProgramme;
}

ExerciceChoisi ExerciceDuCode(const CodeExercice& code)
{
    ExerciceChoisi choisi;
    choisi.Code = code;
    choisi.LigneBilan = LigneHasard(code.Type, code.Niveau);
    return choisi;
}
