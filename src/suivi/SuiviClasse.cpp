#include "SuiviClasse.h"

#include "Bilans.h"
#include "ChoixExercice.h"
#include "Classes.h"
#include "Contexte.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "Essais.h"
#include "Rtf.h"
#include "TF_Edit3.h"
#include "Tableur.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <optional>

namespace {
const QString PrefixeSansClasse = QStringLiteral("Bilan ") + NomProduit + QStringLiteral(" individuel ");
const QString ExtensionBilan = QStringLiteral(".Reu");
// The chooser names an exercise by its file name less the last four characters.
constexpr int LongueurExtension = 4;
constexpr int PremierType = 2;
constexpr int DernierType = 5;

QList<int> typesDemandes(int numeroExercice)
{
    if (numeroExercice != 0)
        return {numeroExercice};
    QList<int> types;
    for (int type = PremierType; type <= DernierType; ++type)
        types.append(type);
    return types;
}

bool estFichier(const EntreeDossier& entree)
{
    return !(entree.attributs & Attribut::Repertoire);
}

QStringList elevesSansClasse(const QString& dossierBilans)
{
    QStringList eleves;
    for (const EntreeDossier& entree :
         listerDossier(dossierBilans, PrefixeSansClasse + QLatin1Char('*') + ExtensionBilan)) {
        if (estFichier(entree))
            eleves.append(entree.nom.mid(PrefixeSansClasse.size()).chopped(ExtensionBilan.size()));
    }
    return eleves;
}

// Every exercise file of every series, and the columns of the type and series asked.
// With every type, one record names several files (Ex01.ex2 and Ex01.ex3): the columns
// of a record are chained, first by the record, then column to column.
struct Exercices {
    static constexpr int Aucune = -1;
    // The record of each exercise of the folder, with its first column (Aucune when its
    // files are not shown).
    QHash<QString, int> premiereColonne;
    QList<int> colonneSuivante; // per column: the next column of the same record
    QList<ColonneSuivi> colonnes;

    void ajouter(const ColonneSuivi& colonne, bool montre)
    {
        const QString cle = colonne.ligneBilan();
        auto trouve = premiereColonne.find(cle);
        if (trouve == premiereColonne.end())
            trouve = premiereColonne.insert(cle, Aucune);
        int& premiere = *trouve;
        if (!montre)
            return;
        // Columns come in the folder's order: the new one goes to the chain's end.
        int* fin = &premiere;
        while (*fin != Aucune)
            fin = &colonneSuivante[*fin];
        *fin = static_cast<int>(colonnes.size());
        colonnes.append(colonne);
        colonneSuivante.append(Aucune);
    }
};

// The exercise type of a file by the chooser's masks (".ex2" to ".ex5" ending the name, in
// any letter case), or 0 for the other files that "*.ex*" takes: locks, files being
// saved, the launcher's copies.
int typeExercice(const QString& nom)
{
    static const QStringList extensions = [] {
        QStringList liste;
        for (int type = PremierType; type <= DernierType; ++type)
            liste.append(MasqueExercices(type).mid(1));
        return liste;
    }();
    for (int i = 0; i < extensions.size(); ++i)
        if (nom.endsWith(extensions[i], Qt::CaseInsensitive))
            return PremierType + i;
    return 0;
}

bool typeDemande(int type, int numeroExercice)
{
    return type != 0 && (numeroExercice == 0 || type == numeroExercice);
}

// The folders the chooser takes for series, in its order.
QStringList dossiersDeSeries(const QString& dossierExercices)
{
    QStringList series;
    for (const EntreeDossier& dossier : listerDossier(dossierExercices, QStringLiteral("*.*")))
        if (EstSerie(dossier))
            series.append(dossier.nom);
    return series;
}

Exercices listerExercices(const DemandeSuivi& demande)
{
    const QString tous = MasqueExercices(0, true);
    const QDir racine(demande.dossierExercices);
    Exercices exercices;
    for (const QString& serie : dossiersDeSeries(demande.dossierExercices)) {
        const bool montree = demande.serie.isEmpty() || demande.serie == serie;
        const QList<EntreeDossier> entrees = listerDossier(racine.filePath(serie), tous);
        exercices.premiereColonne.reserve(exercices.premiereColonne.size() + entrees.size());
        for (const EntreeDossier& entree : entrees) {
            const int type = typeExercice(entree.nom);
            if (type == 0)
                continue;
            exercices.ajouter({serie, entree.nom.chopped(LongueurExtension), entree.nom.right(LongueurExtension)},
                              montree && typeDemande(type, demande.numeroExercice));
        }
    }
    return exercices;
}

LigneSuivi ligneEleve(const DemandeSuivi& demande, const QString& eleve, const Exercices& exercices,
                      const QList<int>& typesHasard)
{
    const QString classe = demande.classe == SansClasse ? QString() : demande.classe;
    LigneSuivi ligne{eleve, EtatEleve::SansBilan, QList<bool>(exercices.colonnes.size(), false), 0, {},
                     QList<int>(typesHasard.size(), 0)};
    const QFileInfo fichier(CheminBilan(demande.dossierBilans, eleve, classe));
    if (!fichier.exists())
        return ligne;
    const std::optional<QByteArray> octets =
        fichier.isDir() ? std::nullopt : lireFichier(fichier.filePath());
    // Bytes that are no list of records would fill "autres" with garbage.
    if (!octets || !documentLisible(*octets)) {
        ligne.etat = EtatEleve::Illisible;
        return ligne;
    }
    ligne.etat = EtatEleve::Bilan;
    TamponLignes tampon;
    tampon.lire(*octets);
    // The chooser's exact comparison, each record looked up once: a folder holds
    // thousands of exercises and a results file a thousand records.
    for (const QString& enregistrement : LignesComparees(tampon)) {
        const auto trouve = exercices.premiereColonne.constFind(enregistrement);
        if (trouve == exercices.premiereColonne.cend()) {
            if (!enregistrement.isEmpty() && !EstLigneHasard(enregistrement))
                ligne.autres.append(enregistrement);
            continue;
        }
        // A record counts once, whether written twice or naming a file of each type.
        if (*trouve == Exercices::Aucune || ligne.reussis[*trouve])
            continue;
        ++ligne.total;
        for (int colonne = *trouve; colonne != Exercices::Aucune; colonne = exercices.colonneSuivante[colonne])
            ligne.reussis[colonne] = true;
    }
    for (qsizetype i = 0; i < typesHasard.size(); ++i)
        ligne.niveaux[i] = NiveauAtteint(tampon.lignes(), typesHasard[i]);
    return ligne;
}

void compterTotaux(TableauSuivi& tableau)
{
    tableau.totauxColonnes = QList<int>(tableau.colonnes.size(), 0);
    for (const LigneSuivi& ligne : tableau.lignes) {
        for (qsizetype i = 0; i < ligne.reussis.size(); ++i)
            tableau.totauxColonnes[i] += ligne.reussis[i] ? 1 : 0;
        tableau.totalReussites += ligne.total;
        tableau.totalAutres += static_cast<int>(ligne.autres.size());
    }
}

QString nombreOuRien(int n)
{
    return n > 0 ? QString::number(n) : QString();
}

QStringList champsEleve(const TableauSuivi& tableau, qsizetype rang)
{
    const LigneSuivi& ligne = tableau.lignes[rang];
    QStringList champs{ligne.eleve};
    for (qsizetype i = 0; i < ligne.reussis.size(); ++i) {
        champs.append(ligne.reussis[i] ? QStringLiteral("x") : QString());
        if (tableau.essaisComptes)
            champs.append(nombreOuRien(tableau.essais.value(rang).value(i)));
    }
    if (ligne.etat == EtatEleve::Illisible)
        champs << TexteIllisible << QString();
    else if (ligne.etat == EtatEleve::SansBilan)
        champs << QString() << QString();
    else
        champs << QString::number(ligne.total) << QString::number(ligne.autres.size());
    for (int niveau : ligne.niveaux)
        champs << TexteNiveau(niveau);
    return champs;
}
} // namespace

QString NomColonneNiveau(int type)
{
    return QStringLiteral("Au hasard %1").arg(type);
}

QString TexteNiveau(int niveau)
{
    return niveau > 0 ? QString::number(niveau) : QString();
}

QString NomColonne(const TableauSuivi& tableau, const ColonneSuivi& colonne)
{
    return tableau.tousLesTypes ? colonne.exercice + colonne.extension : colonne.exercice;
}

QStringList ClassesDuDossier(const QString& dossierProgramme)
{
    QStringList classes;
    for (const EntreeDossier& entree : listerDossier(dossierProgramme, QLatin1Char('*') + ExtensionClasse))
        if (estFichier(entree))
            classes.append(NomDeClasse(entree.nom));
    classes.append(SansClasse);
    return classes;
}

LectureClasse ElevesDeClasse(const DemandeSuivi& demande)
{
    LectureClasse lecture;
    if (demande.classe == SansClasse) {
        lecture.noms = elevesSansClasse(demande.dossierBilans);
        return lecture;
    }
    const QString nom = demande.classe + ExtensionClasse;
    lecture = LireClasse(fichierSansCasse(demande.dossierProgramme, nom));
    if (!lecture.erreur.isEmpty())
        lecture.erreur = messageErreurFichier(nom, lecture.erreur);
    return lecture;
}

QStringList SeriesDuSuivi(const QString& dossierExercices, int numeroExercice)
{
    const QDir racine(dossierExercices);
    const QString masque = MasqueExercices(numeroExercice, numeroExercice == 0);
    QStringList series;
    for (const QString& serie : dossiersDeSeries(dossierExercices)) {
        const QList<EntreeDossier> entrees = listerDossier(racine.filePath(serie), masque);
        if (std::any_of(entrees.begin(), entrees.end(), [&](const EntreeDossier& entree) {
                return typeDemande(typeExercice(entree.nom), numeroExercice);
            }))
            series.append(serie);
    }
    return series;
}

TableauSuivi ConstruireSuivi(const DemandeSuivi& demande)
{
    TableauSuivi tableau;
    tableau.classe = demande.classe;
    tableau.tousLesTypes = demande.numeroExercice == 0;
    if (demande.dossierExercices.isEmpty() || !QFileInfo(demande.dossierExercices).isDir()) {
        tableau.erreur = QStringLiteral("Le dossier des exercices est introuvable : ")
            + demande.dossierExercices + QStringLiteral("\nChoisissez-le dans les préférences.");
        return tableau;
    }
    if (!QFileInfo(demande.dossierBilans).isDir()) {
        tableau.erreur = QStringLiteral("Le dossier des bilans est introuvable : ") + demande.dossierBilans
            + QStringLiteral("\nChoisissez-le dans les préférences.");
        return tableau;
    }
    const LectureClasse eleves = ElevesDeClasse(demande);
    tableau.erreur = eleves.erreur;
    if (!tableau.erreur.isEmpty())
        return tableau;
    if (!eleves.complete)
        tableau.avertissement = MessageClasseIncomplete();
    const Exercices exercices = listerExercices(demande);
    tableau.colonnes = exercices.colonnes;
    tableau.typesHasard = typesDemandes(demande.numeroExercice);
    tableau.lignes.reserve(eleves.noms.size());
    for (const QString& eleve : eleves.noms)
        tableau.lignes.append(ligneEleve(demande, eleve, exercices, tableau.typesHasard));
    compterTotaux(tableau);
    return tableau;
}

void CompterEssais(TableauSuivi& tableau, const DemandeSuivi& demande)
{
    // The columns of each record, one per type of file.
    QHash<QString, QList<qsizetype>> colonnes;
    for (qsizetype i = 0; i < tableau.colonnes.size(); ++i)
        colonnes[tableau.colonnes[i].ligneBilan()].append(i);
    const QString classe = demande.classe == SansClasse ? QString() : demande.classe;
    tableau.totauxEssais = QList<int>(tableau.colonnes.size(), 0);
    tableau.essais = QList<QList<int>>(tableau.lignes.size());
    QStringList illisibles;
    for (qsizetype rang = 0; rang < tableau.lignes.size(); ++rang) {
        const LigneSuivi& ligne = tableau.lignes[rang];
        const QString chemin = CheminEssais(demande.dossierBilans, ligne.eleve, classe);
        QString erreur;
        const std::optional<QByteArray> octets = lireFichier(chemin, &erreur);
        if (!erreur.isEmpty())
            illisibles.append(messageErreurFichier(QFileInfo(chemin).fileName(), erreur));
        if (!octets)
            continue;
        QList<int>& essais = tableau.essais[rang];
        essais = QList<int>(tableau.colonnes.size(), 0);
        for (const Essai& essai : LireEssais(*octets).essais) {
            for (qsizetype colonne : colonnes.value(essai.nom())) {
                if (typeExercice(tableau.colonnes[colonne].extension) != essai.type)
                    continue;
                ++essais[colonne];
                ++tableau.totauxEssais[colonne];
            }
        }
    }
    tableau.essaisComptes = true;
    if (!illisibles.isEmpty())
        tableau.avertissement += (tableau.avertissement.isEmpty() ? QString() : QStringLiteral("\n"))
            + QStringLiteral("Essais non comptés : ") + illisibles.join(QLatin1Char('\n'));
}

QString Initiales(const QString& eleve)
{
    QStringList mots;
    for (const QString& mot : eleve.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStringList parties;
        for (const QString& partie : mot.split(QLatin1Char('-'), Qt::SkipEmptyParts)) {
            const auto lettre = std::find_if(partie.begin(), partie.end(), [](QChar c) { return c.isLetter(); });
            if (lettre != partie.end())
                parties.append(lettre->toUpper() + QStringLiteral("."));
        }
        if (!parties.isEmpty())
            mots.append(parties.join(QLatin1Char('-')));
    }
    return mots.join(QLatin1Char(' '));
}

QStringList NomsMasques(const QStringList& eleves)
{
    QHash<QString, int> vus;
    QStringList masques;
    for (const QString& eleve : eleves) {
        const QString initiales = Initiales(eleve);
        const int rang = ++vus[initiales];
        masques.append(rang == 1 ? initiales : QStringLiteral("%1 (%2)").arg(initiales).arg(rang));
    }
    return masques;
}

TableauSuivi MasquerNoms(TableauSuivi tableau)
{
    QStringList eleves;
    for (const LigneSuivi& ligne : tableau.lignes)
        eleves.append(ligne.eleve);
    const QStringList masques = NomsMasques(eleves);
    for (qsizetype i = 0; i < tableau.lignes.size(); ++i)
        tableau.lignes[i].eleve = masques[i];
    return tableau;
}

QByteArray ContenuCsv(const TableauSuivi& tableau)
{
    QStringList entete{QStringLiteral("Élève")};
    for (const ColonneSuivi& colonne : tableau.colonnes) {
        entete.append(colonne.serie + QLatin1Char('\\') + NomColonne(tableau, colonne));
        if (tableau.essaisComptes)
            entete.append(entete.constLast() + QStringLiteral(" essais"));
    }
    entete << QStringLiteral("Total") << QStringLiteral("autres");
    for (int type : tableau.typesHasard)
        entete << TitreNiveaux + QLatin1Char(' ') + NomColonneNiveau(type).toLower();
    QString texte = LigneCsv(entete);
    for (qsizetype i = 0; i < tableau.lignes.size(); ++i)
        texte += LigneCsv(champsEleve(tableau, i));
    QStringList totaux{QStringLiteral("Total")};
    for (qsizetype i = 0; i < tableau.totauxColonnes.size(); ++i) {
        totaux.append(QString::number(tableau.totauxColonnes[i]));
        if (tableau.essaisComptes)
            totaux.append(QString::number(tableau.totauxEssais.value(i)));
    }
    totaux << QString::number(tableau.totalReussites) << QString::number(tableau.totalAutres);
    for (qsizetype i = 0; i < tableau.typesHasard.size(); ++i)
        totaux << QString();
    texte += LigneCsv(totaux);
    return DocumentCsv(texte);
}
