#include "Contexte.h"

#include "Enregistrements.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

QString EnregistrementDossier::dossier() const
{
    return lireTexteCourt(octets, 0, CapaciteDossier).value_or(QString());
}

void EnregistrementDossier::fixerDossier(const QString& texte)
{
    ecrireTexteCourt(octets, 0, CapaciteDossier, texte);
}

QString EnregistrementImages::image(int slot) const
{
    return lireTexteCourt(octets, slot * TailleCase, Capacite).value_or(QString());
}

void EnregistrementImages::fixerImage(int slot, const QString& texte)
{
    ecrireTexteCourt(octets, slot * TailleCase, Capacite, texte);
}

Contexte::Contexte(QString dossier) : dossierProgramme(std::move(dossier)) {}

QString Contexte::imagePourCase(int slot) const
{
    const QString entree = imagesChoisies.image(slot);
    if (entree == ImageAucune)
        return ImageVide;
    if (entree.isEmpty())
        return ImagesParDefaut[slot];
    return entree;
}

QString Contexte::fichierProgramme(const QString& nom) const
{
    return QDir(dossierProgramme).filePath(nom);
}

QString Contexte::dossierBilansAccessible() const
{
    const QString dossier = dossierBilans.dossier();
    if (dossier.isEmpty() || QDir(dossier) == QDir(dossierProgramme))
        return dossierProgramme;
    return QFileInfo(dossier).isDir() ? dossier : QString();
}

bool Contexte::dossierCommun() const
{
    return QFileInfo::exists(fichierProgramme(FichierRepereCommun));
}
