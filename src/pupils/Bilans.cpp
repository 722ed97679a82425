#include "Bilans.h"

#include "Contexte.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "Niveaux.h"
#include "TF_Edit3.h"
#include "Verrou.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
const QString NomEntrainement = QStringLiteral("entrainement");
constexpr int NbLignesLues = 1001;
constexpr int LongueurLigneMax = 255;

// A name may hold any character, but the file must stay in the results folder.
QString sansSeparateurs(QString nom)
{
    return nom.remove(QLatin1Char('\\')).remove(QLatin1Char('/'));
}

// Loads the pupil's file into the buffer when it exists. The French message when it
// exists but cannot be read, so that nobody writes over records not read.
QString chargerBilan(TamponLignes& tampon, const QString& chemin)
{
    tampon.vider();
    QString erreur;
    if (tampon.charger(chemin, &erreur) || erreur.isEmpty())
        return {};
    return messageErreurFichier(QFileInfo(chemin).fileName(), erreur);
}

bool contientLigne(const TamponLignes& tampon, const QString& ligne)
{
    for (int i = 0; i <= tampon.nombreLignes(); ++i)
        if (tampon.ligne(i) == ligne)
            return true;
    return false;
}
} // namespace

QString NomFichierBilan(const QString& eleve, const QString& classe)
{
    const QString nom = sansSeparateurs(eleve).remove(QLatin1Char('.'));
    const QString sansBarre = sansSeparateurs(classe);
    if (sansBarre.isEmpty())
        return QStringLiteral("Bilan ") + NomProduit + QStringLiteral(" individuel ") + nom
            + QStringLiteral(".Reu");
    return QStringLiteral("Bilan ") + NomProduit + QLatin1Char(' ') + sansBarre + QLatin1Char(' ')
        + nom + QStringLiteral(".reu");
}

bool EleveEnregistre(const QString& eleve)
{
    return !eleve.isEmpty() && eleve != NomEntrainement;
}

QString CheminBilan(const QString& dossier, const QString& eleve, const QString& classe)
{
    return fichierSansCasse(dossier, NomFichierBilan(eleve, classe));
}

void EnregistrerReussite(const QString& dossier, const QString& eleve, const QString& classe,
                         const QString& ligneBilan)
{
    if (!EleveEnregistre(eleve))
        return;
    if (dossier.isEmpty()) {
        avertir(MessageDossierBilansIntrouvable());
        return;
    }
    const QString chemin = CheminBilan(dossier, eleve, classe);
    // Other computers record for the same pupil, or erase the file: it is read again and
    // written under the lock, so that no record of theirs is written over.
    ChangerSousVerrou(chemin, [&] {
        TamponLignes tampon;
        QString message = chargerBilan(tampon, chemin);
        if (!message.isEmpty() || contientLigne(tampon, ligneBilan))
            return message;
        tampon.ajouter(ligneBilan);
        QString erreur;
        if (!tampon.enregistrer(chemin, &erreur))
            message = messageErreurFichier(QFileInfo(chemin).fileName(), erreur);
        return message;
    });
}

bool EffacerBilan(const QString& chemin)
{
    return ChangerSousVerrou(chemin, [&] {
        QFile f(chemin);
        return f.remove() ? QString() : messageErreurFichier(QFileInfo(chemin).fileName(), f.errorString());
    });
}

QStringList LireBilan(const QString& chemin)
{
    TamponLignes tampon;
    const QString message = chargerBilan(tampon, chemin);
    if (!message.isEmpty())
        avertir(message);
    return LignesComparees(tampon);
}

QString MessageDossierBilansIntrouvable()
{
    return QStringLiteral("Le dossier des bilans choisi dans les préférences est introuvable : la réussite n'a pas "
                          "été enregistrée. Préviens ton enseignant.");
}

QStringList LireBilan(const QByteArray& octets)
{
    TamponLignes tampon;
    tampon.lire(octets);
    return LignesComparees(tampon);
}

QStringList LignesComparees(const TamponLignes& tampon)
{
    // The buffer's own lines are shared where none is cut.
    QStringList lignes = tampon.lignes();
    if (lignes.size() > NbLignesLues)
        lignes.resize(NbLignesLues);
    for (qsizetype i = 0; i < lignes.size(); ++i)
        if (lignes.at(i).size() > LongueurLigneMax)
            lignes[i].truncate(LongueurLigneMax);
    return lignes;
}

bool ExerciceReussi(const QStringList& bilan, const QString& ligne)
{
    return bilan.contains(ligne);
}

QString LigneHasard(int type, int niveau)
{
    return QStringLiteral("Au hasard %1\\Niveau %2").arg(type).arg(niveau);
}

int NiveauDeLigne(const QString& ligne, int type)
{
    // Only the form the program writes, so that a record typed otherwise is no level.
    const QString debut = QStringLiteral("Au hasard %1\\Niveau ").arg(type);
    if (!ligne.startsWith(debut))
        return 0;
    const QString nombre = ligne.mid(debut.size());
    bool lu = false;
    const int niveau = nombre.toInt(&lu);
    const bool forme = lu && nombre == QString::number(niveau);
    return forme && niveau >= 1 && niveau <= NombreNiveaux(type) ? niveau : 0;
}

bool EstLigneHasard(const QString& ligne)
{
    for (int type = PremierTypeHasard; type <= DernierTypeHasard; ++type)
        if (NiveauDeLigne(ligne, type) > 0)
            return true;
    return false;
}

int NiveauAtteint(const QStringList& lignes, int type)
{
    int plusHaut = 0;
    for (const QString& ligne : lignes)
        plusHaut = std::max(plusHaut, NiveauDeLigne(ligne, type));
    return plusHaut;
}

int NiveauAtteint(const QString& chemin, int type)
{
    TamponLignes tampon;
    chargerBilan(tampon, chemin);
    return NiveauAtteint(tampon.lignes(), type);
}
