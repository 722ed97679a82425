#include "Preferences.h"

#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "EtatPartage.h"
#include "Operations.h"
#include "Verrou.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {
constexpr int CapaciteReserve = 50;
constexpr int DebutReserve1 = 251;
constexpr int DebutReserve2 = 302;

bool reglageValide(quint8 valeur, int plusGrand)
{
    return valeur >= 1 && valeur <= plusGrand;
}

bool reglagesValides(const EnregistrementReglages& r)
{
    return reglageValide(r.TailleJeu1, 4) && reglageValide(r.NbColoreesJeu1, 4) && r.BilanReussite <= 1;
}

bool dossierValide(const QByteArray& octets)
{
    return lireTexteCourt(octets, 0, EnregistrementDossier::CapaciteDossier)
        && lireTexteCourt(octets, DebutReserve1, CapaciteReserve)
        && lireTexteCourt(octets, DebutReserve2, CapaciteReserve);
}

QString existantOuVide(const QString& fichier)
{
    return !fichier.isEmpty() && QFileInfo(fichier).isFile() ? fichier : QString();
}
} // namespace

void ChargerFichierImages()
{
    ChargerImages(lirePremierEnregistrement(FichierImages, EnregistrementImages::Taille));
}

void ChargerImages(const std::optional<QByteArray>& octets)
{
    for (int slot = 0; slot < NbImages; ++slot)
        ImagesChoisies.fixerImage(slot, ImagesParDefaut[slot]);
    if (octets && octets->size() == EnregistrementImages::Taille)
        ImagesChoisies.octets = *octets;
}

void ChargerFichierReglages()
{
    ChargerReglages(lirePremierEnregistrement(FichierReglages, TailleFichierReglages));
}

void ChargerReglages(const std::optional<QByteArray>& octets)
{
    Reglages = {};
    if (!octets || octets->size() != TailleFichierReglages)
        return;
    const auto octet = [&](int i) { return static_cast<quint8>(octets->at(i)); };
    const EnregistrementReglages lus{octet(0), octet(1), octet(2), octet(3)};
    if (reglagesValides(lus))
        Reglages = lus;
}

void ChargerFichierDossier(const QString& fichier, EnregistrementDossier& dossier)
{
    ChargerDossier(lirePremierEnregistrement(fichier, EnregistrementDossier::Taille), dossier);
}

void ChargerDossier(const std::optional<QByteArray>& octets, EnregistrementDossier& dossier)
{
    dossier = {};
    dossier.fixerDossier(DossierParDefaut(DossierProgramme));
    if (octets && octets->size() == EnregistrementDossier::Taille && dossierValide(*octets))
        dossier.octets = *octets;
}

void EcrireFichiersPreferences()
{
    // The four files are one set of settings: one lock, beside the first, covers them.
    const Verrou verrou(FichierReglages);
    if (verrou.refuse()) {
        avertir(verrou.message());
        return;
    }
    QByteArray reglages;
    for (quint8 octet : {Reglages.TailleJeu1, Reglages.NbColoreesJeu1, Reglages.ModifChoixJeu1,
                         Reglages.BilanReussite})
        reglages.append(static_cast<char>(octet));
    ecrireFichier(FichierReglages, reglages);
    ecrireFichier(FichierImages, ImagesChoisies.octets);
    ecrireFichier(FichierDossierBilans, DossierBilans.octets);
    ecrireFichier(FichierDossierExercices, DossierExercices.octets);
}

QString DossierParDefaut(const QString& dossier)
{
    return (dossier + separateur()).left(EnregistrementDossier::CapaciteDossier);
}

QString PartieDossier(const QString& cheminFichier)
{
    // Windows paths also end their drive part with ':'; elsewhere ':' is an ordinary letter.
    const bool avecLecteur = separateur() == QLatin1Char('\\');
    qsizetype fin = cheminFichier.lastIndexOf(separateur());
    if (avecLecteur)
        fin = std::max(fin, cheminFichier.lastIndexOf(QLatin1Char(':')));
    QString dossier = cheminFichier.left(fin + 1);
    const bool finitParSeparateur = dossier.endsWith(separateur());
    const QChar avant = dossier.size() >= 2 ? dossier.at(dossier.size() - 2) : QChar();
    const bool garde = avant == separateur() || (avecLecteur && avant == QLatin1Char(':'));
    if (finitParSeparateur && !garde)
        dossier.chop(1);
    return dossier;
}

void ChoisirDossier(EnregistrementDossier& dossier)
{
    RetourDossierProgramme();
    DemandeFichier demande;
    demande.nomPropose = QStringLiteral("chemin");
    demande.dossierInitial = dossierCourant();
    demande.confirmerRemplacement = false;
    const QString choisi = dialogues().enregistrerFichier(demande);
    if (!choisi.isEmpty()) {
        const QString coupe = choisi.left(EnregistrementDossier::CapaciteDossier);
        dossier.fixerDossier(DossierParDefaut(PartieDossier(coupe)));
    }
    RetourDossierProgramme();
}

bool ChoisirImage(int slot)
{
    RetourDossierProgramme();
    DemandeFichier demande;
    demande.dossierInitial = dossierCourant();
    demande.filtre = QStringLiteral("images bitmap (*.bmp)");
    demande.extensionParDefaut = QStringLiteral("bmp");
    demande.nomPropose = existantOuVide(ImagesChoisies.image(slot));
    if (demande.nomPropose.isEmpty())
        demande.nomPropose = existantOuVide(ImagesParDefaut[slot]);
    const QString choisi = dialogues().ouvrirFichier(demande).left(EnregistrementImages::Capacite);
    if (choisi.isEmpty())
        return false;
    ImagesChoisies.fixerImage(slot, choisi);
    ImagesCourantes[slot] = choisi;
    return true;
}

QString LegendeTailleJeu1(int taille)
{
    return QStringLiteral("Taille %1 (%2 x %3)").arg(taille).arg(taille + 2).arg(taille + 4);
}

std::array<int, 4> NombresCasesColorees(int taille)
{
    static constexpr std::array<std::array<int, 4>, 4> nombres = {{
        {3, 5, 7, 10}, {5, 7, 10, 12}, {7, 10, 15, 20}, {10, 15, 20, 24}}};
    return nombres[std::clamp(taille, 1, 4) - 1];
}

QStringList TextesCasesColorees(int taille)
{
    QStringList textes;
    for (int nombre : NombresCasesColorees(taille))
        textes << QString::number(nombre);
    return textes;
}
