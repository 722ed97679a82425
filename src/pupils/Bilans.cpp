#include "Bilans.h"

#include "ChoixExercice.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "EtatPartage.h"
#include "Operations.h"
#include "TF_Edit3.h"
#include "Verrou.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

int NbLignesBilan = 0;

namespace {
const QString NomEntrainement = QStringLiteral("entrainement");
constexpr int DerniereLigneLue = TailleTableBilan - 1;
constexpr int LongueurLigneMax = 255;

// A name may hold any character, but the file must stay in the results folder.
QString sansSeparateurs(QString nom)
{
    return nom.remove(QLatin1Char('\\')).remove(QLatin1Char('/'));
}

// Loads the pupil's file into the buffer when it exists. False (after telling the user)
// when it exists but cannot be read, so that nobody writes over records not read.
bool chargerBilan(TamponLignes& tampon, const QString& fichier)
{
    tampon.vider();
    if (!QFileInfo::exists(fichier))
        return true;
    QString erreur;
    if (tampon.charger(fichier, &erreur))
        return true;
    avertir(messageErreurFichier(fichier, erreur));
    return false;
}

void remplirTableBilan(const TamponLignes& tampon)
{
    NbLignesBilan = std::min(tampon.nombreLignes(), DerniereLigneLue);
    for (int i = 0; i <= NbLignesBilan; ++i)
        TableBilan[i] = tampon.ligne(i).left(LongueurLigneMax);
}

bool contientLigne(const TamponLignes& tampon, const QString& ligne)
{
    for (int i = 0; i <= tampon.nombreLignes(); ++i)
        if (tampon.ligne(i) == ligne)
            return true;
    return false;
}
} // namespace

QString NomFichierBilan()
{
    const QString eleve = sansSeparateurs(NomEleve).remove(QLatin1Char('.'));
    const QString classe = sansSeparateurs(NomClasse);
    if (classe.isEmpty())
        return QStringLiteral("Bilan ") + NomProduit + QStringLiteral(" individuel ") + eleve
            + QStringLiteral(".Reu");
    return QStringLiteral("Bilan ") + NomProduit + QLatin1Char(' ') + classe + QLatin1Char(' ')
        + eleve + QStringLiteral(".reu");
}

void AllerDossierBilans()
{
    if (!changerDossierCourant(DossierBilans.dossier()))
        RetourDossierProgramme();
}

void EnregistrerReussite(const QString& ligneBilan)
{
    if (NomEleve.isEmpty() || NomEleve == NomEntrainement)
        return;
    AllerDossierBilans();
    const QString fichier = NomFichierBilan();
    TamponLignes& tampon = RichEdit1();
    // Other computers record for the same pupil, or erase the file: it is read again and
    // written under the lock, so that no record of theirs is written over.
    const Verrou verrou(fichier);
    if (verrou.refuse()) {
        avertir(verrou.message());
    } else if (chargerBilan(tampon, fichier) && !contientLigne(tampon, ligneBilan)) {
        tampon.ajouter(ligneBilan);
        QString erreur;
        if (!tampon.enregistrer(fichier, &erreur))
            avertir(messageErreurFichier(fichier, erreur));
    }
    RetourDossierProgramme();
}

bool EffacerBilan(const QString& fichier)
{
    const Verrou verrou(fichier);
    if (verrou.refuse()) {
        avertir(verrou.message());
        return false;
    }
    QFile f(fichier);
    if (f.remove())
        return true;
    avertir(messageErreurFichier(fichier, f.errorString()));
    return false;
}

void LireBilan()
{
    NbLignesBilan = 0;
    AllerDossierBilans();
    TamponLignes& tampon = RichEdit1();
    chargerBilan(tampon, NomFichierBilan());
    remplirTableBilan(tampon);
}

void LireBilan(const QByteArray& octets)
{
    TamponLignes& tampon = RichEdit1();
    tampon.lire(octets);
    remplirTableBilan(tampon);
}

bool ExerciceReussi(const QString& ligne)
{
    for (int i = 0; i <= NbLignesBilan && i < TailleTableBilan; ++i)
        if (TableBilan[i] == ligne)
            return true;
    return false;
}
