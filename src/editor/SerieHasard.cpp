#include "SerieHasard.h"

#include "Enregistrements.h"
#include "Generateur.h"
#include "Niveaux.h"
#include "Verrou.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

constexpr int LongueurNomMax = 100;

// The entry of the folder whose name is this one, whatever the case of its letters.
QString EntreeDuMemeNom(const QString& dossier, const QString& nom)
{
    QDirIterator entrees(dossier, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entrees.hasNext()) {
        entrees.next();
        if (QString::compare(entrees.fileName(), nom, Qt::CaseInsensitive) == 0)
            return entrees.fileName();
    }
    return {};
}

// A hidden folder that goes away with the object unless it is kept.
class DossierProvisoire
{
public:
    DossierProvisoire(const QString& parent, const QString& nom)
        : parent_(parent)
    {
        // Unique enough that two computers making the same series never share it.
        nom_ = QStringLiteral(".%1.%2-%3")
                   .arg(nom)
                   .arg(QCoreApplication::applicationPid())
                   .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
        cree_ = QDir(parent_).mkdir(nom_);
    }
    ~DossierProvisoire()
    {
        if (cree_ && !garde_)
            QDir(QDir(parent_).filePath(nom_)).removeRecursively();
    }

    bool cree() const { return cree_; }
    QString fichier(const QString& nom) const { return QDir(parent_).filePath(nom_ + QLatin1Char('/') + nom); }
    bool nommer(const QString& nom)
    {
        garde_ = QDir(parent_).rename(nom_, nom);
        return garde_;
    }

private:
    QString parent_;
    QString nom_;
    bool cree_ = false;
    bool garde_ = false;
};

BilanSerie Refus(const QString& message)
{
    BilanSerie bilan;
    bilan.Message = message;
    return bilan;
}

QString MessageExisteDeja(const QString& nom)
{
    return QStringLiteral("Une série « %1 » existe déjà dans le dossier des exercices : rien n'a "
                          "été écrit. Donnez un autre nom à la nouvelle série.")
        .arg(nom);
}

} // namespace

QList<CodeExercice> CodesDeLaSerie(const DemandeSerie& demande)
{
    QList<CodeExercice> codes;
    const int niveaux = demande.DernierNiveau - demande.PremierNiveau + 1;
    CodeExercice code{demande.Type, demande.PremierNiveau, demande.Graine};
    for (int j = 0; j < niveaux; ++j) {
        const int part = demande.Nombre / niveaux + (j < demande.Nombre % niveaux ? 1 : 0);
        for (int i = 0; i < part; ++i) {
            code.Niveau = demande.PremierNiveau + j;
            codes.append(code);
            code = CodeSuivant(code);
        }
    }
    return codes;
}

QString NomFichierHasard(int rang, const CodeExercice& code)
{
    return QStringLiteral("Exercice %1 (%2).ex%3")
        .arg(rang, 2, 10, QLatin1Char('0'))
        .arg(TexteCode(code))
        .arg(code.Type);
}

QString NomSerieProposee(int type, int premierNiveau, int dernierNiveau)
{
    if (premierNiveau == dernierNiveau)
        return QStringLiteral("Au hasard %1 - niveau %2").arg(type).arg(premierNiveau);
    return QStringLiteral("Au hasard %1 - niveaux %2 à %3").arg(type).arg(premierNiveau).arg(dernierNiveau);
}

QString MotifRefusSerie(const QString& dossierExercices, const DemandeSerie& demande)
{
    const QString nom = demande.Nom.trimmed();
    if (nom.isEmpty())
        return QStringLiteral("La série doit avoir un nom.");
    if (nom.contains(QLatin1Char('/')) || nom.contains(QLatin1Char('\\')))
        return QStringLiteral("Le nom de la série ne doit contenir ni « / » ni « \\ ».");
    if (nom.startsWith(QLatin1Char('.')))
        return QStringLiteral("Le nom de la série ne doit pas commencer par un point : la série serait "
                              "cachée.");
    if (nom.size() > LongueurNomMax)
        return QStringLiteral("Le nom de la série est trop long : %1 caractères au plus.").arg(LongueurNomMax);
    const int niveaux = NombreNiveaux(demande.Type);
    if (niveaux == 0)
        return QStringLiteral("Le type d'exercice va de %1 à %2.").arg(PremierTypeHasard).arg(DernierTypeHasard);
    if (demande.PremierNiveau < 1 || demande.DernierNiveau > niveaux
        || demande.PremierNiveau > demande.DernierNiveau)
        return QStringLiteral("Les niveaux de l'exercice %1 vont de 1 à %2, le premier avant le dernier.")
            .arg(demande.Type)
            .arg(niveaux);
    if (demande.Nombre < 1 || demande.Nombre > ExercicesParSerieMax)
        return QStringLiteral("Une série compte de 1 à %1 exercices.").arg(ExercicesParSerieMax);
    if (demande.Graine > CodeExercice::GraineMax)
        return QStringLiteral("Le numéro de départ va de 0 à %1.").arg(CodeExercice::GraineMax);
    const QString existante = EntreeDuMemeNom(dossierExercices, nom);
    if (!existante.isEmpty())
        return MessageExisteDeja(existante);
    return {};
}

BilanSerie CreerSerieHasard(const QString& dossierExercices, const DemandeSerie& demande)
{
    const QString nom = demande.Nom.trimmed();
    QDir().mkpath(dossierExercices);
    // Two teachers of a school may make series of the same name at once: the name is held
    // from the check to the renaming. Inside the hidden folder, nobody else writes.
    const Verrou verrou(QDir(dossierExercices).filePath(nom));
    if (verrou.refuse())
        return Refus(verrou.message());
    const QString refus = MotifRefusSerie(dossierExercices, demande);
    if (!refus.isEmpty())
        return Refus(refus);
    DossierProvisoire provisoire(dossierExercices, nom);
    if (!provisoire.cree())
        return Refus(QStringLiteral("La série « %1 » ne peut pas être créée : le dossier des exercices "
                                    "« %2 » refuse l'écriture.")
                         .arg(nom, QDir::toNativeSeparators(dossierExercices)));
    BilanSerie bilan;
    const QList<CodeExercice> codes = CodesDeLaSerie(demande);
    for (int rang = 1; rang <= codes.size(); ++rang) {
        const QString fichier = NomFichierHasard(rang, codes[rang - 1]);
        QString erreur;
        if (!ecrireFichier(provisoire.fichier(fichier), ContenuExerciceGenere(codes[rang - 1]), &erreur))
            return Refus(messageErreurFichier(fichier, erreur)
                         + QStringLiteral("\nLa série « %1 » n'a pas été créée.").arg(nom));
        bilan.Fichiers.append(fichier);
    }
    if (!provisoire.nommer(nom))
        return Refus(QStringLiteral("La série « %1 » n'a pas pu être créée dans « %2 ».")
                         .arg(nom, QDir::toNativeSeparators(dossierExercices)));
    bilan.Ecrite = true;
    bilan.Dossier = QDir(dossierExercices).filePath(nom);
    return bilan;
}
