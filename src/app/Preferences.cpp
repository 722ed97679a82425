#include "Preferences.h"

#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "Contexte.h"
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
} // namespace

void ChargerFichierImages(Contexte& contexte)
{
    contexte.imagesChoisies = ImagesLues(
        lirePremierEnregistrement(contexte.fichierProgramme(FichierImages), EnregistrementImages::Taille));
}

EnregistrementImages ImagesLues(const std::optional<QByteArray>& octets)
{
    EnregistrementImages images;
    for (int slot = 0; slot < NbImages; ++slot)
        images.fixerImage(slot, ImagesParDefaut[slot]);
    if (octets && octets->size() == EnregistrementImages::Taille)
        images.octets = *octets;
    return images;
}

void ChargerFichierReglages(Contexte& contexte)
{
    contexte.reglages = ReglagesLus(
        lirePremierEnregistrement(contexte.fichierProgramme(FichierReglages), TailleFichierReglages));
}

EnregistrementReglages ReglagesLus(const std::optional<QByteArray>& octets)
{
    if (!octets || octets->size() != TailleFichierReglages)
        return {};
    const auto octet = [&](int i) { return static_cast<quint8>(octets->at(i)); };
    const EnregistrementReglages lus{octet(0), octet(1), octet(2), octet(3)};
    return reglagesValides(lus) ? lus : EnregistrementReglages{};
}

void ChargerFichierRetours(Contexte& contexte)
{
    const QString fichier = contexte.fichierProgramme(FichierRetours);
    std::optional<QByteArray> octets = lirePremierEnregistrement(fichier, EnregistrementRetours::Taille);
    if (!octets)
        octets = lirePremierEnregistrement(fichier, EnregistrementRetours::TailleSansSons);
    contexte.retours = RetoursLus(octets);
}

EnregistrementRetours RetoursLus(const std::optional<QByteArray>& octets)
{
    if (!octets
        || (octets->size() != EnregistrementRetours::Taille && octets->size() != EnregistrementRetours::TailleSansSons))
        return {};
    const auto octet = [&](int i) { return i < octets->size() ? static_cast<quint8>(octets->at(i)) : quint8(0); };
    const EnregistrementRetours lus{octet(0), octet(1), octet(2), octet(3)};
    if (lus.MontrerErreurs > 1 || lus.EssaisAvantSolution > EnregistrementRetours::EssaisMax
        || lus.LireAVoixHaute > 1 || lus.JouerSons > 1)
        return {};
    return lus;
}

void ChargerFichierDossier(const Contexte& contexte, const QString& fichier, EnregistrementDossier& dossier)
{
    dossier = DossierLu(
        lirePremierEnregistrement(contexte.fichierProgramme(fichier), EnregistrementDossier::Taille),
        contexte.dossierProgramme);
}

EnregistrementDossier DossierLu(const std::optional<QByteArray>& octets, const QString& dossierProgramme)
{
    EnregistrementDossier dossier;
    dossier.fixerDossier(DossierParDefaut(dossierProgramme));
    if (octets && octets->size() == EnregistrementDossier::Taille && dossierValide(*octets))
        dossier.octets = *octets;
    return dossier;
}

void EcrireFichiersPreferences(const Contexte& contexte)
{
    // The four files are one set of settings: one lock, beside the first, covers them.
    const Verrou verrou(contexte.fichierProgramme(FichierReglages));
    if (verrou.refuse()) {
        avertir(verrou.message());
        return;
    }
    const EnregistrementReglages& r = contexte.reglages;
    QByteArray reglages;
    for (quint8 octet : {r.TailleJeu1, r.NbColoreesJeu1, r.ModifChoixJeu1, r.BilanReussite})
        reglages.append(static_cast<char>(octet));
    const auto ecrire = [&](const QString& fichier, const QByteArray& octets) {
        ecrireFichier(contexte.fichierProgramme(fichier), octets);
    };
    ecrire(FichierReglages, reglages);
    ecrire(FichierImages, contexte.imagesChoisies.octets);
    ecrire(FichierDossierBilans, contexte.dossierBilans.octets);
    ecrire(FichierDossierExercices, contexte.dossierExercices.octets);
    QByteArray retours;
    retours.append(static_cast<char>(contexte.retours.MontrerErreurs));
    retours.append(static_cast<char>(contexte.retours.EssaisAvantSolution));
    retours.append(static_cast<char>(contexte.retours.LireAVoixHaute));
    retours.append(static_cast<char>(contexte.retours.JouerSons));
    ecrire(FichierRetours, retours);
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

void ChoisirDossier(const Contexte& contexte, EnregistrementDossier& dossier)
{
    DemandeFichier demande;
    demande.nomPropose = QStringLiteral("chemin");
    demande.dossierInitial = contexte.dossierProgramme;
    demande.confirmerRemplacement = false;
    const QString choisi = dialogues().enregistrerFichier(demande);
    if (!choisi.isEmpty()) {
        const QString coupe = choisi.left(EnregistrementDossier::CapaciteDossier);
        dossier.fixerDossier(DossierParDefaut(PartieDossier(coupe)));
    }
}

bool ChoisirImage(Contexte& contexte, int slot)
{
    // A picture is named as chosen: a picture of the program folder by its bare name.
    const auto existantOuVide = [&](const QString& image) {
        return !image.isEmpty() && QFileInfo(contexte.fichierProgramme(image)).isFile() ? image : QString();
    };
    DemandeFichier demande;
    demande.dossierInitial = contexte.dossierProgramme;
    demande.filtre = QStringLiteral("images bitmap (*.bmp)");
    demande.extensionParDefaut = QStringLiteral("bmp");
    demande.nomPropose = existantOuVide(contexte.imagesChoisies.image(slot));
    if (demande.nomPropose.isEmpty())
        demande.nomPropose = existantOuVide(ImagesParDefaut[slot]);
    const QString choisi = dialogues().ouvrirFichier(demande).left(EnregistrementImages::Capacite);
    if (choisi.isEmpty())
        return false;
    contexte.imagesChoisies.fixerImage(slot, choisi);
    contexte.imagesCourantes[slot] = choisi;
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
