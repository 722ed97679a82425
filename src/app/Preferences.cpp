#include "Preferences.h"

#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "Contexte.h"
#include "Verrou.h"

#include <QDir>
#include <QFile>
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

// The first record of a preference file. A file that is missing or short gives the
// defaults silently; one that is there but refused (a link or a pipe planted in a shared
// folder) or unreadable is said, naming it.
std::optional<QByteArray> lirePreference(const Contexte& contexte, const QString& fichier, qsizetype taille)
{
    QString erreur;
    std::optional<QByteArray> octets = lirePremierEnregistrement(contexte.fichierProgramme(fichier), taille, &erreur);
    if (!erreur.isEmpty())
        avertir(messageErreurFichier(fichier, erreur));
    return octets;
}

// A folder of the program folder, relative to it ("bilans/", "./" for the folder itself),
// or nothing for a folder elsewhere.
std::optional<QString> dossierRelatif(const QString& dossier, const QString& dossierProgramme)
{
    const QString relatif = QDir(dossierProgramme).relativeFilePath(QDir::cleanPath(dossier));
    if (relatif.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(relatif))
        return std::nullopt;
    return avecSeparateur(relatif.isEmpty() ? QStringLiteral(".") : relatif);
}

QByteArray octetsDossier(const Contexte& contexte, const EnregistrementDossier& dossier)
{
    if (!contexte.dossierCommun())
        return dossier.octets;
    const std::optional<QString> relatif = dossierRelatif(dossier.dossier(), contexte.dossierProgramme);
    if (!relatif)
        return dossier.octets;
    EnregistrementDossier ecrit = dossier;
    ecrit.fixerDossier(*relatif);
    return ecrit.octets;
}

// A file of one switch: one byte, 0 or 1; nothing for any other content.
std::optional<quint8> interrupteurLu(const std::optional<QByteArray>& octets)
{
    if (!octets || octets->size() != 1 || static_cast<quint8>(octets->at(0)) > 1)
        return std::nullopt;
    return static_cast<quint8>(octets->at(0));
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
    contexte.imagesChoisies = ImagesLues(lirePreference(contexte, FichierImages, EnregistrementImages::Taille));
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
    contexte.reglages = ReglagesLus(lirePreference(contexte, FichierReglages, TailleFichierReglages));
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
    std::optional<QByteArray> octets = lirePreference(contexte, FichierRetours, EnregistrementRetours::Taille);
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

void ChargerFichierHasard(Contexte& contexte)
{
    contexte.hasard = HasardLu(lirePreference(contexte, FichierHasard, EnregistrementHasard::Taille));
}

EnregistrementHasard HasardLu(const std::optional<QByteArray>& octets)
{
    const std::optional<quint8> lu = interrupteurLu(octets);
    return lu ? EnregistrementHasard{*lu} : EnregistrementHasard{};
}

void ChargerFichierTableau(Contexte& contexte)
{
    contexte.tableau = TableauLu(lirePreference(contexte, FichierTableau, EnregistrementTableau::Taille));
}

EnregistrementTableau TableauLu(const std::optional<QByteArray>& octets)
{
    const std::optional<quint8> lu = interrupteurLu(octets);
    return lu ? EnregistrementTableau{*lu} : EnregistrementTableau{};
}

void ChargerFichierDossier(const Contexte& contexte, const QString& fichier, EnregistrementDossier& dossier)
{
    dossier = DossierLu(lirePreference(contexte, fichier, EnregistrementDossier::Taille), contexte.dossierProgramme);
}

EnregistrementDossier DossierLu(const std::optional<QByteArray>& octets, const QString& dossierProgramme)
{
    EnregistrementDossier dossier;
    dossier.fixerDossier(DossierParDefaut(dossierProgramme));
    if (octets && octets->size() == EnregistrementDossier::Taille && dossierValide(*octets))
        dossier.octets = *octets;
    // A folder of a school's shared folder is stored relative to it, since each computer
    // may mount the share elsewhere.
    const QString texte = dossier.dossier();
    if (!texte.isEmpty() && QDir::isRelativePath(texte))
        dossier.fixerDossier(avecSeparateur(QDir::cleanPath(QDir(dossierProgramme).filePath(texte))));
    return dossier;
}

ContenusPreferences ContenusAEcrire(const Contexte& contexte)
{
    const EnregistrementReglages& r = contexte.reglages;
    const EnregistrementRetours& retours = contexte.retours;
    QByteArray reglages;
    for (quint8 octet : {r.TailleJeu1, r.NbColoreesJeu1, r.ModifChoixJeu1, r.BilanReussite})
        reglages.append(static_cast<char>(octet));
    QByteArray aide;
    for (quint8 octet : {retours.MontrerErreurs, retours.EssaisAvantSolution, retours.LireAVoixHaute, retours.JouerSons})
        aide.append(static_cast<char>(octet));
    return {{FichierReglages, reglages},
            {FichierImages, contexte.imagesChoisies.octets},
            {FichierDossierBilans, octetsDossier(contexte, contexte.dossierBilans)},
            {FichierDossierExercices, octetsDossier(contexte, contexte.dossierExercices)},
            {FichierRetours, aide},
            {FichierHasard, QByteArray(1, static_cast<char>(contexte.hasard.ProposerNiveaux))},
            {FichierTableau, QByteArray(1, static_cast<char>(contexte.tableau.ModeTableau))}};
}

ContenusPreferences LireFichiersPreferences(const Contexte& contexte)
{
    ContenusPreferences contenus;
    for (const QString& fichier : FichiersPreferences)
        contenus.insert(fichier, lireFichier(contexte.fichierProgramme(fichier)));
    return contenus;
}

ResultatPreferences EcrireFichiersPreferences(const Contexte& contexte, const std::optional<ContenusPreferences>& vus)
{
    // The files are one set of settings: one lock, beside the first, covers them all.
    ResultatPreferences resultat = ResultatPreferences::Echec;
    ChangerSousVerrou(contexte.fichierProgramme(FichierReglages), [&] {
        // A program folder gone (a share lost) is no change made elsewhere: the writes
        // below fail and say so.
        if (vus && QFileInfo(contexte.dossierProgramme).isDir() && LireFichiersPreferences(contexte) != *vus) {
            resultat = ResultatPreferences::ChangeesAilleurs;
            return QString();
        }
        QStringList echecs;
        const ContenusPreferences contenus = ContenusAEcrire(contexte);
        for (auto c = contenus.cbegin(); c != contenus.cend(); ++c) {
            QString erreur;
            if (!ecrireFichier(contexte.fichierProgramme(c.key()), *c.value(), &erreur))
                echecs.append(messageErreurFichier(c.key(), erreur));
        }
        if (echecs.isEmpty()) {
            resultat = ResultatPreferences::Ecrites;
            return QString();
        }
        return QStringLiteral("Les préférences n'ont pas toutes été enregistrées.\n") + echecs.join(QLatin1Char('\n'));
    });
    return resultat;
}

bool EffacerFichiersPreferences(const Contexte& contexte)
{
    return ChangerSousVerrou(contexte.fichierProgramme(FichierReglages), [&] {
        QStringList echecs;
        for (const QString& fichier :
             {FichierReglages, FichierImages, FichierDossierBilans, FichierRetours, FichierHasard, FichierTableau}) {
            QFile f(contexte.fichierProgramme(fichier));
            if ((f.exists() || QFileInfo(f.fileName()).isSymLink()) && !f.remove())
                echecs.append(messageErreurFichier(fichier, f.errorString()));
        }
        return echecs.isEmpty() ? QString()
                                : QStringLiteral("Les préférences n'ont pas toutes été effacées.\n")
                + echecs.join(QLatin1Char('\n'));
    });
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
