#include "SauvegardeExercice.h"

#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "Contexte.h"
#include "FichierExercice.h"
#include "Operations.h"
#include "Verrou.h"

#include <QDir>
#include <QFileInfo>

#include <initializer_list>

namespace {
const QString TexteRefus = QStringLiteral("L'exercice ne sera pas enregistré !");

QString filtreExercice(int numero)
{
    return QStringLiteral("fichiers exercices jeu %1 (*.ex%1)").arg(numero);
}

// The exercise types in the order a save dialog lists them.
QString filtreExercices(std::initializer_list<int> numeros)
{
    QStringList filtres;
    for (int n : numeros)
        filtres.append(filtreExercice(n));
    return filtres.join(QStringLiteral(";;"));
}

QString extension(int numero)
{
    return QStringLiteral(".ex") + QString::number(numero);
}

// The common start of both savers: the path chosen, or nothing when refused or cancelled.
QString demanderChemin(const Figure& figure, int numero, const QString& filtres,
                       const NomsExercice& noms)
{
    if (figure.NbElements == 0) {
        avertir(TexteRefus);
        return {};
    }
    DemandeFichier demande;
    demande.titre = QStringLiteral("Enregistrer l'exercice");
    demande.dossierInitial =
        SousDossierExercices(noms.dossierExercices, QStringLiteral("Nos exercices ") + QString::number(numero));
    demande.nomPropose = noms.nomPropose;
    demande.filtre = filtres;
    demande.filtreInitial = filtreExercice(numero);
    demande.extensionParDefaut = extension(numero).mid(1);
    return dialogues().enregistrerFichier(demande);
}

bool ecrire(const QString& chemin, const Quadrillage& grille, const Figure& figure,
            const ParametresEcriture& parametres)
{
    // Teachers of a school may save into the same shared exercises folder at once.
    return ChangerSousVerrou(chemin, [&] {
        QString erreur;
        return ecrireFichier(chemin, ContenuExercice(grille, figure, parametres), &erreur)
            ? QString()
            : messageErreurFichier(chemin, erreur);
    });
}

// A refusal: the reasons, then the refusal itself.
void refuser(const QString& raison = QString())
{
    if (!raison.isEmpty())
        avertir(raison);
    avertir(TexteRefus);
}
} // namespace

QString SousDossierExercices(const QString& dossierExercices, const QString& nom)
{
    const QString dossier = QDir(dossierExercices).absoluteFilePath(nom);
    // Only inside an exercises folder that is there: one on a share not mounted here
    // must not be made again on this computer, where nobody else would see it.
    if (QFileInfo(dossierExercices).isDir())
        creerDossier(dossier);
    return dossier;
}

QString TypeFichierChoisi(const QString& chemin, const QString& parDefaut)
{
    const QString fin = chemin.right(4).toLower();
    for (int n = 2; n <= 5; ++n) {
        if (fin == extension(n))
            return fin;
    }
    return parDefaut;
}

bool EnregistrerExercice245(int numero, const Quadrillage& grille, const Figure& figure,
                            NomsExercice& noms)
{
    const QString chemin =
        demanderChemin(figure, numero, filtreExercices({2, 3, 4, 5}), noms);
    if (chemin.isEmpty())
        return false;
    noms.nomPropose = chemin.chopped(4);
    const QString type = TypeFichierChoisi(chemin, extension(numero));
    ParametresEcriture parametres;
    parametres.NumeroExercice = numero;
    bool refuse = false;
    if (noms.extensionOuverte.compare(extension(3), Qt::CaseInsensitive) == 0) {
        if (dialogues().message(GenreMessage::Information, QStringLiteral("Les couleurs seront supprimées."),
                                BoutonsMessage::OuiNon)
            == Reponse::Oui) {
            parametres.SansColoriages = true;
        } else {
            refuser();
            refuse = true;
        }
    }
    if (type != extension(5) && grille.TypeAxe == AxePoint) {
        refuser(QStringLiteral("Impossible d'enregistrer sans remplacer le point par un axe."));
        refuse = true;
    }
    if (type == extension(5) && grille.TypeAxe < AxePoint) {
        refuser(QStringLiteral("Impossible d'enregistrer sans remplacer l'axe par un point."));
        refuse = true;
    }
    return !refuse && ecrire(chemin, grille, figure, parametres);
}

bool EnregistrerExercice3(const Quadrillage& grille, const Figure& figure,
                          const NomsExercice& noms)
{
    const QString chemin =
        demanderChemin(figure, 3, filtreExercices({3, 2, 4, 5}), noms);
    if (chemin.isEmpty())
        return false;
    const QString type = TypeFichierChoisi(chemin, extension(3));
    ParametresEcriture parametres;
    parametres.NumeroExercice = 3;
    bool refuse = false;
    if (type != extension(3)) {
        if (confirmer(QStringLiteral("Enregistrer l'exercice en cours sans les couleurs ?")) == Reponse::Oui) {
            parametres.SansColoriages = true;
        } else {
            refuser();
            refuse = true;
        }
    }
    if (type == extension(5)) {
        if (confirmer(QStringLiteral("Enregistrer l'exercice en cours en remplaçant l'axe par un point ?"))
            == Reponse::Oui) {
            parametres.TypeAxeEcrit = AxePoint;
        } else {
            refuser();
            refuse = true;
        }
    }
    return !refuse && ecrire(chemin, grille, figure, parametres);
}
