#include "ChoixExercice.h"

#include "Dossiers.h"
#include "EtatPartage.h"

#include <QDir>

QString SerieExercice;
QString FichierChoisi;
QString LigneBilan;
QString NomExerciceChoisi;
QString ExtensionExercice;
bool TousLesFichiers = false;

void ReinitialiserChoixExercice()
{
    SerieExercice.clear();
    FichierChoisi.clear();
    LigneBilan.clear();
    NomExerciceChoisi.clear();
    ExtensionExercice.clear();
    TousLesFichiers = false;
}

QString MasqueExercices()
{
    if (TousLesFichiers)
        return QStringLiteral("*.ex*");
    return QStringLiteral("*.ex") + QString::number(NumeroExercice);
}

namespace {
// Only the directory bit: hidden folders (and, where the system has them, read-only,
// system or archived ones) are not series.
bool estSerie(const EntreeDossier& entree)
{
    return entree.attributs % 256 == Attribut::Repertoire;
}
} // namespace

QStringList SeriesDuDossier(const QString& dossier, const QString& masque)
{
    const QDir racine(dossier.isEmpty() ? QStringLiteral(".") : dossier);
    QStringList series;
    for (const EntreeDossier& entree : listerDossier(dossier, QStringLiteral("*.*"))) {
        if (estSerie(entree) && !listerDossier(racine.filePath(entree.nom), masque).isEmpty())
            series.append(entree.nom);
    }
    return series;
}

bool CompterSeries()
{
    return !SeriesDuDossier(QString(), MasqueExercices()).isEmpty();
}
