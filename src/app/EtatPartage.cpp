#include "EtatPartage.h"

#include "Dossiers.h"
#include "Enregistrements.h"

#include <QRandomGenerator>

QString DossierProgramme;
Geometrie GeometrieReference;
quint8 NumeroExercice = 0;
QString NomEleve;
QString NomClasse;
bool SuiviEleve = false;
std::array<QString, TailleTableBilan> TableBilan;
std::array<quint32, 17> TableCouleurs{};
EnregistrementReglages Reglages;
EnregistrementDossier DossierBilans;
EnregistrementDossier DossierExercices;
EnregistrementImages ImagesChoisies;
std::array<QString, NbImages> ImagesParDefaut;
std::array<QString, NbImages> ImagesCourantes;

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

void InitialiserDefauts()
{
    ImagesParDefaut = {QStringLiteral("Orvane_Titre.bmp"), QStringLiteral("fond21.bmp"),
                       QStringLiteral("fond12.bmp")};
    ImagesCourantes = ImagesParDefaut;
    TableCouleurs = {0,          0x00000000, 0x00808080, 0x00800000, 0x00FF0000, 0x00FFFF00,
                     0x00800080, 0x00FF00FF, 0x000000FF, 0x00000080, 0x0000FFFF, 0x0000FF00,
                     0x00008000, 0x00008080, 0x00808000, 0x00FFFFFF, 0x00C0C0C0};
}

void ReinitialiserEtatPartage()
{
    DossierProgramme = dossierCourant();
    GeometrieReference = {};
    NumeroExercice = 0;
    NomEleve.clear();
    NomClasse.clear();
    SuiviEleve = false;
    TableBilan.fill(QString());
    Reglages = {};
    DossierBilans = {};
    DossierExercices = {};
    ImagesChoisies = {};
    InitialiserDefauts();
}

QString ImagePourCase(int slot)
{
    const QString entree = ImagesChoisies.image(slot);
    if (entree == ImageAucune)
        return ImageVide;
    if (entree.isEmpty())
        return ImagesParDefaut[slot];
    return entree;
}

namespace {
QRandomGenerator& generateur()
{
    static QRandomGenerator hasard(QRandomGenerator::system()->generate());
    return hasard;
}
} // namespace

QRandomGenerator& Hasard()
{
    return generateur();
}

void SemerHasard(quint32 graine)
{
    generateur().seed(graine);
}

int NombreAuHasard(int borne)
{
    return borne <= 0 ? 0 : static_cast<int>(generateur().bounded(borne));
}
