#include "EnDirect.h"

#include "Bilans.h"
#include "Classes.h"
#include "SuiviClasse.h"

#include <QDir>

#include <algorithm>
#include <cstdlib>

namespace {
QDateTime dateServeur(const EtatFichier& etat)
{
    return QDateTime::fromMSecsSinceEpoch(etat.modifieNs / 1000000);
}

bool memeFichier(const EtatFichier& a, const EtatFichier& b)
{
    return a.peripherique == b.peripherique && a.noeud == b.noeud;
}
} // namespace

SuiviDirect::SuiviDirect(const DemandeDirect& demande)
    : demande_(demande)
{
    const LectureClasse lecture =
        ElevesDeClasse({demande.dossierClasses, demande.dossierBilans, demande.dossierExercices, demande.classe, 0, {}});
    erreur_ = lecture.erreur;
    const QString classe = demande.classe == SansClasse ? QString() : demande.classe;
    if (!classe.isEmpty())
        cheminParcours_ = CheminParcours(demande.dossierClasses, classe);
    for (const QString& nom : lecture.noms) {
        Fil fil;
        fil.cheminEssais = CheminEssais(demande.dossierBilans, nom, classe);
        fil.cheminBilan = CheminBilan(demande.dossierBilans, nom, classe);
        fils_.append(fil);
        EleveDirect eleve;
        eleve.eleve = nom;
        eleves_.append(eleve);
    }
}

QStringList SuiviDirect::aSurveiller() const
{
    QStringList chemins{demande_.dossierBilans};
    if (parcours_ || !erreurParcours_.isEmpty())
        chemins.append(cheminParcours_);
    for (const Fil& fil : fils_)
        if (fil.etatEssais)
            chemins.append(fil.cheminEssais);
    return chemins;
}

void SuiviDirect::actualiser(const QDateTime& maintenant)
{
    lireParcours();
    bool aAvancer = false;
    for (qsizetype i = 0; i < fils_.size(); ++i) {
        Fil& fil = fils_[i];
        const bool essais = lireEssais(fil, eleves_[i], maintenant);
        const bool bilan = parcours_ && lireBilan(fil);
        if (essais || bilan)
            fil.avancementAJour = false;
        aAvancer = aAvancer || (parcours_ && !fil.avancementAJour);
    }
    // The series are listed once for the pupils who moved on, and again at each reading
    // that needs them: a teacher may add an exercise during the lesson.
    const QList<QStringList> fichiers =
        aAvancer ? FichiersDesEtapes(*parcours_, demande_.dossierExercices) : QList<QStringList>();
    for (qsizetype i = 0; i < fils_.size(); ++i) {
        if (aAvancer && !fils_[i].avancementAJour)
            avancer(fichiers, fils_[i], eleves_[i]);
        if (!parcours_) {
            eleves_[i].etape.clear();
            eleves_[i].rangEtape = 0;
        }
        juger(fils_[i], eleves_[i], maintenant);
    }
}

void SuiviDirect::lireParcours()
{
    if (cheminParcours_.isEmpty())
        return;
    const std::optional<EtatFichier> etat = etatFichier(cheminParcours_);
    if (parcoursLu_ && etat == etatParcours_)
        return;
    parcoursLu_ = true;
    etatParcours_ = etat;
    const LectureParcours lecture = LireParcoursClasse(demande_.dossierClasses, demande_.classe);
    parcours_ = lecture.parcours && !lecture.parcours->etapes.isEmpty() ? lecture.parcours : std::nullopt;
    erreurParcours_ = lecture.erreur;
    for (Fil& fil : fils_)
        fil.avancementAJour = false;
}

// True when the file brought something new: attempts, or another file in its place.
bool SuiviDirect::lireEssais(Fil& fil, EleveDirect& eleve, const QDateTime& maintenant)
{
    const std::optional<EtatFichier> etat = etatFichier(fil.cheminEssais);
    if (fil.lu && etat == fil.etatEssais && eleve.erreur.isEmpty())
        return false;
    const bool premier = !fil.lu;
    fil.lu = true;
    // Another file in its place (a year's end, a copy), or one made shorter: read again
    // from its start.
    if (fil.etatEssais && (!etat || !memeFichier(*etat, *fil.etatEssais) || etat->taille < fil.lus)) {
        fil.lus = 0;
        fil.justesParJour.clear();
        fil.essaisParJour.clear();
        fil.reussisAuHasard.clear();
        if (!etat)
            fil.derniereActivite = QDateTime();
        EleveDirect vide;
        vide.eleve = eleve.eleve;
        vide.etape = eleve.etape;
        vide.rangEtape = eleve.rangEtape;
        eleve = vide;
    }
    QString erreur;
    const std::optional<SuiteEssais> suite = LireSuiteEssais(fil.cheminEssais, fil.lus, &erreur);
    eleve.erreur = erreur;
    fil.etatEssais = suite ? std::optional<EtatFichier>(suite->etat) : std::nullopt;
    if (!suite)
        return true;
    for (const Essai& essai : suite->lecture.essais)
        prendre(fil, eleve, essai);
    eleve.lignesIllisibles += suite->lecture.illisibles;
    fil.lus = suite->lecture.lus;
    // The file server dates a file found at the first reading; afterwards, its change is seen now.
    const QDateTime serveur = dateServeur(suite->etat);
    fil.derniereActivite = premier ? std::min(serveur, maintenant) : maintenant;
    if (!suite->lecture.essais.isEmpty()) {
        const Essai& dernier = suite->lecture.essais.constLast();
        eleve.horlogeDouteuse = std::abs(QDateTime(dernier.jour, dernier.heure).msecsTo(serveur)) > EcartHorlogeMs;
    }
    return true;
}

void SuiviDirect::prendre(Fil& fil, EleveDirect& eleve, const Essai& essai)
{
    const bool meme = eleve.dernier && eleve.dernier->memeExercice(essai);
    eleve.fauxDeSuite = essai.juste ? 0 : (meme ? eleve.fauxDeSuite : 0) + 1;
    eleve.exercice = essai.nom();
    eleve.type = essai.type;
    eleve.dernier = essai;
    ++fil.essaisParJour[essai.jour];
    if (!essai.juste)
        return;
    ++fil.justesParJour[essai.jour];
    if (essai.serie.isEmpty())
        fil.reussisAuHasard.append(essai);
}

bool SuiviDirect::lireBilan(Fil& fil)
{
    const std::optional<EtatFichier> etat = etatFichier(fil.cheminBilan);
    if (fil.avancementAJour && etat == fil.etatBilan)
        return false;
    fil.etatBilan = etat;
    const std::optional<QByteArray> octets = etat ? lireFichier(fil.cheminBilan) : std::nullopt;
    fil.bilan = octets ? LireBilan(*octets) : QStringList();
    return true;
}

void SuiviDirect::avancer(const QList<QStringList>& fichiers, Fil& fil, EleveDirect& eleve)
{
    const AvancementParcours avancement =
        Avancer(*parcours_, fichiers, fil.bilan, ReussitesAuHasard(fil.reussisAuHasard));
    eleve.rangEtape = avancement.fini() ? static_cast<int>(avancement.etapes.size()) + 1 : avancement.courante + 1;
    eleve.etape = avancement.fini() ? QStringLiteral("fini")
                                    : QStringLiteral("%1 / %2").arg(eleve.rangEtape).arg(avancement.etapes.size());
    fil.avancementAJour = true;
}

// A pupil is at work from the first attempt of the day on; stuck after three "Faux" in a
// row on one exercise, or after ten minutes without an attempt, unless the path is done.
void SuiviDirect::juger(const Fil& fil, EleveDirect& eleve, const QDateTime& maintenant) const
{
    eleve.reussitesDuJour = fil.justesParJour.value(maintenant.date());
    eleve.essaisDuJour = fil.essaisParJour.value(maintenant.date());
    const bool seance = fil.derniereActivite.isValid() && fil.derniereActivite.date() == maintenant.date();
    const qint64 silence = seance ? fil.derniereActivite.msecsTo(maintenant) : 0;
    const bool fini = parcours_ && eleve.etape == QStringLiteral("fini");
    eleve.motif.clear();
    if (!eleve.erreur.isEmpty()) {
        eleve.etat = EtatDirect::Illisible;
    } else if (seance && eleve.fauxDeSuite >= FauxPourBloquer) {
        eleve.etat = EtatDirect::Bloque;
        eleve.motif = QStringLiteral("%1 « Faux » de suite").arg(eleve.fauxDeSuite);
    } else if (fini) {
        eleve.etat = EtatDirect::Fini;
    } else if (seance && silence > InactiviteMs) {
        eleve.etat = EtatDirect::Bloque;
        eleve.motif = QStringLiteral("rien depuis %1 min").arg(silence / 60000);
    } else {
        eleve.etat = seance ? EtatDirect::AuTravail : EtatDirect::PasCommence;
    }
}

QString TexteEtatDirect(EtatDirect etat)
{
    switch (etat) {
    case EtatDirect::Bloque:
        return QStringLiteral("bloqué");
    case EtatDirect::AuTravail:
        return QStringLiteral("au travail");
    case EtatDirect::Fini:
        return QStringLiteral("fini");
    case EtatDirect::Illisible:
        return QStringLiteral("illisible");
    case EtatDirect::PasCommence:
        break;
    }
    return QStringLiteral("pas commencé");
}
