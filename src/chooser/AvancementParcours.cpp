#include "AvancementParcours.h"

#include "Bilans.h"
#include "Contexte.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "Niveaux.h"
#include "OrdreAlphabetique.h"

#include <QDir>
#include <QSet>

#include <algorithm>

namespace {
QString sansExtension(const QString& fichier)
{
    const qsizetype point = fichier.lastIndexOf(QLatin1Char('.'));
    return point < 0 ? fichier : fichier.left(point);
}

// The exercise files of a series for one type, in the order the chooser lists them.
QStringList exercicesDeSerie(const QString& dossierExercices, const EtapeParcours& etape)
{
    QStringList fichiers;
    for (const EntreeDossier& entree :
         listerDossier(QDir(dossierExercices).filePath(etape.serie), MasqueExercices(etape.type)))
        if (!(entree.attributs & Attribut::Repertoire))
            fichiers.append(entree.nom);
    std::stable_sort(fichiers.begin(), fichiers.end(), [](const QString& a, const QString& b) {
        return OrdreAlphabetique().compare(sansExtension(a), sansExtension(b)) < 0;
    });
    return fichiers;
}

void avancerSerie(AvancementEtape& avancement, const QStringList& fichiers, const QStringList& bilan)
{
    const EtapeParcours& etape = avancement.etape;
    if (fichiers.isEmpty()) {
        avancement.etat = EtatEtape::Introuvable;
        return;
    }
    for (const QString& fichier : fichiers) {
        if (ExerciceReussi(bilan, etape.serie + QLatin1Char('\\') + sansExtension(fichier)))
            ++avancement.reussies;
        else
            avancement.aFaire.append(fichier);
    }
    const int tous = static_cast<int>(fichiers.size());
    avancement.requises = etape.reussites == 0 ? tous : std::min(etape.reussites, tous);
}

// A success at a level before attempts were kept is in the results file, once.
void avancerNiveau(AvancementEtape& avancement, const QStringList& bilan, const ReussitesAuHasard& reussites)
{
    const EtapeParcours& etape = avancement.etape;
    avancement.reussies = reussites.nombre(etape.type, etape.niveau);
    if (avancement.reussies == 0 && ExerciceReussi(bilan, LigneHasard(etape.type, etape.niveau)))
        avancement.reussies = 1;
    avancement.requises = etape.reussites;
}

// Read in silence: the chooser says so itself when it cannot read the results file.
QStringList bilanDe(const Contexte& contexte)
{
    const QString dossier = contexte.dossierBilansAccessible();
    if (dossier.isEmpty())
        return {};
    const std::optional<QByteArray> octets = lireFichier(CheminBilan(dossier, contexte.nomEleve, contexte.nomClasse));
    return octets ? LireBilan(*octets) : QStringList();
}

ReussitesAuHasard reussitesDe(const Contexte& contexte, const ParcoursClasse& parcours)
{
    const QString dossier = contexte.dossierBilansAccessible();
    const bool niveaux = std::any_of(parcours.etapes.begin(), parcours.etapes.end(), [](const EtapeParcours& e) {
        return e.lisible() && e.genre == GenreEtape::Niveau;
    });
    if (!niveaux || dossier.isEmpty())
        return ReussitesAuHasard();
    const std::optional<SuiteEssais> suite = LireSuiteEssais(CheminEssais(dossier, contexte.nomEleve, contexte.nomClasse), 0);
    return ReussitesAuHasard(suite ? suite->lecture.essais : QList<Essai>());
}
} // namespace

bool AvancementParcours::ouverte(qsizetype etape) const
{
    if (etape < 0 || etape >= etapes.size() || etapes[etape].etat == EtatEtape::Introuvable)
        return false;
    return parcours.autresExercices || etapes[etape].etat == EtatEtape::Faite || etape == courante;
}

ReussitesAuHasard::ReussitesAuHasard(const QList<Essai>& essais)
{
    QSet<QString> comptes;
    for (const Essai& essai : essais) {
        if (!essai.juste || !essai.serie.isEmpty() || comptes.contains(essai.exercice))
            continue;
        if (const std::optional<CodeExercice> code = essai.code()) {
            comptes.insert(essai.exercice);
            ++parNiveau_[cle(code->Type, code->Niveau)];
        }
    }
}

QList<QStringList> FichiersDesEtapes(const ParcoursClasse& parcours, const QString& dossierExercices)
{
    QList<QStringList> fichiers;
    for (const EtapeParcours& etape : parcours.etapes)
        fichiers.append(etape.lisible() && etape.genre == GenreEtape::Serie ? exercicesDeSerie(dossierExercices, etape)
                                                                             : QStringList());
    return fichiers;
}

AvancementParcours Avancer(const ParcoursClasse& parcours, const QList<QStringList>& fichiers, const QStringList& bilan,
                           const ReussitesAuHasard& reussites)
{
    AvancementParcours avancement;
    avancement.parcours = parcours;
    for (qsizetype i = 0; i < parcours.etapes.size(); ++i) {
        const EtapeParcours& etape = parcours.etapes[i];
        AvancementEtape a;
        a.etape = etape;
        if (!etape.lisible() || (etape.genre == GenreEtape::Niveau && !NiveauDe(etape.type, etape.niveau)))
            a.etat = EtatEtape::Introuvable;
        else if (etape.genre == GenreEtape::Serie)
            avancerSerie(a, fichiers.value(i), bilan);
        else
            avancerNiveau(a, bilan, reussites);
        if (a.etat != EtatEtape::Introuvable)
            a.etat = a.reussies >= a.requises ? EtatEtape::Faite : EtatEtape::AVenir;
        if (a.etat == EtatEtape::AVenir && avancement.courante < 0) {
            a.etat = EtatEtape::Courante;
            avancement.courante = static_cast<int>(avancement.etapes.size());
        }
        avancement.etapes.append(a);
    }
    return avancement;
}

std::optional<AvancementParcours> AvancementDeLEleve(const Contexte& contexte, const QString& dossierExercices,
                                                     QString* message)
{
    if (!contexte.suiviEleve || contexte.nomClasse.isEmpty() || !EleveEnregistre(contexte.nomEleve))
        return std::nullopt;
    const LectureParcours lecture = LireParcoursClasse(contexte.dossierProgramme, contexte.nomClasse);
    if (message)
        *message = lecture.erreur;
    // A path without a step leaves the pupils free, as without one.
    if (!lecture.parcours || lecture.parcours->etapes.isEmpty())
        return std::nullopt;
    return Avancer(*lecture.parcours, FichiersDesEtapes(*lecture.parcours, dossierExercices), bilanDe(contexte),
                   reussitesDe(contexte, *lecture.parcours));
}

const AvancementEtape* EtapeAJouer(const AvancementParcours& avancement, int type)
{
    if (avancement.fini() || avancement.etapes[avancement.courante].etape.type != type)
        return nullptr;
    return &avancement.etapes[avancement.courante];
}

ExerciceChoisi ExerciceSuivant(const AvancementEtape& etape, const QString& dernier)
{
    if (etape.aFaire.isEmpty())
        return {};
    const QString& serie = etape.etape.serie;
    const auto ligne = [&](const QString& fichier) { return serie + QLatin1Char('\\') + sansExtension(fichier); };
    const auto suivant = std::find_if(etape.aFaire.begin(), etape.aFaire.end(),
                                      [&](const QString& fichier) { return ligne(fichier) != dernier; });
    const QString fichier = suivant != etape.aFaire.end() ? *suivant : etape.aFaire.first();
    const qsizetype point = fichier.lastIndexOf(QLatin1Char('.'));
    return {serie, fichier, point < 0 ? QString() : fichier.mid(point).left(4), ligne(fichier), std::nullopt};
}

QChar MarqueEtape(EtatEtape etat)
{
    switch (etat) {
    case EtatEtape::Faite:
        return QChar(0x2713);
    case EtatEtape::Courante:
        return QChar(0x279C);
    case EtatEtape::Introuvable:
        return QChar(0x2717);
    case EtatEtape::AVenir:
        break;
    }
    return QLatin1Char(' ');
}

QString NomJeu(int type)
{
    switch (type) {
    case 3:
        return QStringLiteral("Orvane : lignes et couleurs");
    case 4:
        return QStringLiteral("Orvane autour d'un axe");
    case 5:
        return QStringLiteral("Orvane par rapport à un point");
    default:
        return QStringLiteral("Orvane : lignes");
    }
}
