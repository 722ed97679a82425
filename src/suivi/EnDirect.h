#pragma once

// The class during a lesson, as the pupils' attempts files tell it while they grow: for
// each pupil, the exercise in hand, the successes of the day, and who is stuck. Reading
// only, and only what changed: a file whose size, date and identity are those of the
// last reading is not opened, and a grown one is read from where the last reading
// stopped, whole lines only. No file is kept open between readings.

#include "AvancementParcours.h"
#include "Enregistrements.h"
#include "Essais.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// In the order the teacher sorts them by: the pupils to go to first.
enum class EtatDirect { Bloque, AuTravail, PasCommence, Fini, Illisible };

struct EleveDirect {
    QString eleve;
    EtatDirect etat = EtatDirect::PasCommence;
    QString motif;          // French, why the pupil is stuck
    QString exercice;       // the exercise of the last attempt, as Essai::nom names it
    int type = 0;
    int fauxDeSuite = 0;    // "Faux" in a row on that exercise, up to the last attempt
    int reussitesDuJour = 0;
    int essaisDuJour = 0;
    int lignesIllisibles = 0; // lines of the attempts file that are no attempt
    std::optional<Essai> dernier; // dated by the pupil's computer
    bool horlogeDouteuse = false; // that date is far from the file server's
    QString etape;          // along the class's path: "2 / 3", "fini"; empty without a path
    int rangEtape = 0;      // the current step from 1, past the last once the path is done
    QString erreur;         // French, when the attempts file cannot be read
};

struct DemandeDirect {
    QString dossierClasses;
    QString dossierBilans;
    QString dossierExercices;
    QString classe; // a class list's name, or SansClasse
};

class SuiviDirect {
public:
    static constexpr int FauxPourBloquer = 3;
    static constexpr qint64 InactiviteMs = 10 * 60 * 1000;
    // A pupil's computer whose clock is this far from the file server's is said to be off.
    static constexpr qint64 EcartHorlogeMs = 60 * 60 * 1000;

    explicit SuiviDirect(const DemandeDirect& demande);

    // Reads what changed since the last reading, and judges every pupil at that moment
    // (the clock of the teacher's computer).
    void actualiser(const QDateTime& maintenant);

    const QList<EleveDirect>& eleves() const { return eleves_; }
    // French: why the class cannot be followed (its list unreadable).
    QString erreur() const { return erreur_; }
    // French: the path file of the class cannot be read.
    QString erreurParcours() const { return erreurParcours_; }
    bool avecParcours() const { return parcours_.has_value(); }
    // The files and folders whose changes call for a new reading.
    QStringList aSurveiller() const;

private:
    struct Fil {
        QString cheminEssais;
        QString cheminBilan;
        std::optional<EtatFichier> etatEssais;
        std::optional<EtatFichier> etatBilan;
        qint64 lus = 0;
        bool lu = false; // read once at least
        QDateTime derniereActivite;
        QHash<QDate, int> justesParJour;
        QHash<QDate, int> essaisParJour;
        QList<Essai> reussisAuHasard;
        QStringList bilan;
        bool avancementAJour = false;
    };

    DemandeDirect demande_;
    QString erreur_;
    QString erreurParcours_;
    QString cheminParcours_;
    std::optional<EtatFichier> etatParcours_;
    bool parcoursLu_ = false;
    std::optional<ParcoursClasse> parcours_;
    QList<Fil> fils_;
    QList<EleveDirect> eleves_;

    void lireParcours();
    bool lireEssais(Fil& fil, EleveDirect& eleve, const QDateTime& maintenant);
    void prendre(Fil& fil, EleveDirect& eleve, const Essai& essai);
    bool lireBilan(Fil& fil);
    void avancer(const QList<QStringList>& fichiers, Fil& fil, EleveDirect& eleve);
    void juger(const Fil& fil, EleveDirect& eleve, const QDateTime& maintenant) const;
};

// The state as its cell shows it: "bloqué", "au travail", "pas commencé", "fini", "illisible".
QString TexteEtatDirect(EtatDirect etat);
