#pragma once

// How far a pupil has gone along the class's path: each step done, current, still to come
// or missing, by the pupil's results file (the exercises of a series succeeded, as the
// chooser marks them) and attempts file (the exercises made by the program succeeded at a
// level); and what "Continuer" in the chooser and "Nouveau" in the player lead to.

#include "ChoixExercice.h"
#include "Essais.h"
#include "ParcoursClasse.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

struct Contexte;

enum class EtatEtape { Faite, Courante, AVenir, Introuvable };

struct AvancementEtape {
    EtapeParcours etape;
    EtatEtape etat = EtatEtape::AVenir;
    int reussies = 0; // successes that count towards the step
    int requises = 0; // successes that end it
    // A series step: its exercises not yet succeeded, as file names, in the chooser's order.
    QStringList aFaire;
};

struct AvancementParcours {
    ParcoursClasse parcours;
    QList<AvancementEtape> etapes;
    int courante = -1; // the first step neither done nor missing; -1 once none is left

    bool fini() const { return courante < 0; }
    // Whether the pupil may open that step now: one done, the current one, and every one
    // when the teacher lets the pupils open other exercises.
    bool ouverte(qsizetype etape) const;
};

// The exercises made by the program that a pupil succeeded at, each counted once, by type
// and level.
class ReussitesAuHasard {
public:
    explicit ReussitesAuHasard(const QList<Essai>& essais = {});
    int nombre(int type, int niveau) const { return parNiveau_.value(cle(type, niveau)); }

private:
    static int cle(int type, int niveau) { return type * 100 + niveau; }
    QHash<int, int> parNiveau_;
};

// The exercise files of each series step of the path (none for the other steps), in the
// order the chooser lists them: listed once for all the pupils of a class.
QList<QStringList> FichiersDesEtapes(const ParcoursClasse& parcours, const QString& dossierExercices);

// The pupil's place along the path. fichiers: FichiersDesEtapes of the path; bilan: the
// results file's records as the chooser reads them; reussites: the pupil's successes at the
// exercises made by the program.
AvancementParcours Avancer(const ParcoursClasse& parcours, const QList<QStringList>& fichiers, const QStringList& bilan,
                           const ReussitesAuHasard& reussites);

// The path of the identified pupil's class, and the pupil's place along it, read afresh
// from the files (the teacher may change the path during the lesson); nothing when the
// pupil is not tracked, has no class or the class has no path. A path file that is no path
// gives nothing and, in message, the reason in French.
std::optional<AvancementParcours> AvancementDeLEleve(const Contexte& contexte, const QString& dossierExercices,
                                                     QString* message = nullptr);

// The step "Continuer" and "Nouveau" lead to in the window of that exercise type: the
// current step when it is of that type; nothing otherwise.
const AvancementEtape* EtapeAJouer(const AvancementParcours& avancement, int type);

// A series step's next exercise: the first not yet succeeded, in the chooser's order,
// passing over the one just played (its record) while another is left.
ExerciceChoisi ExerciceSuivant(const AvancementEtape& etape, const QString& dernier = QString());

// The mark of a step in a list: a tick for one done, an arrow for the current one, a cross
// for one missing.
QChar MarqueEtape(EtatEtape etat);

// What the pupil's window for an exercise type is called in the main menu, to send the
// pupil there: "Orvane autour d'un axe".
QString NomJeu(int type);
