#pragma once

// A player window in a world of its own: a temporary program folder with an exercises
// folder, the scripted dialogs, a chooser, and helpers that write exercise files, pick
// them in the chooser and draw with the mouse on Image1.

#include "Contexte.h"
#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "TF_Jeu_Lignes_Autour.h"
#include "TF_choix_exo.h"

#include <QPoint>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class QAbstractButton;
class QLabel;

// One element of an exercise file, as stored: kind, four cell words, colour.
struct MotsElement {
    Genre genre;
    int a, b, c, d;
    quint32 couleur = 0x00FFFFFF;
};

// The words of a current-form file (202..205 header) for a square grid.
QByteArray ContenuFichier(int numero, Axe typeAxe, int nbCases, int tailleCase,
                          const QVector<MotsElement>& elements, int decalage = 0);

// Writes bytes under the exercises folder (series folders are made as needed).
void EcrireDansExercices(const Contexte& contexte, const QString& relatif, const QByteArray& contenu);

// Picks series/exercise in the chooser once it is shown ("" series: Annuler).
void ChoisirAuProchainChoix(const QString& serie, const QString& exercice);

// Hands the chooser to `geste` once it is shown; fails if none is.
void AuProchainChoix(std::function<void(TF_choix_exo&)> geste);

class MondeJeu {
public:
    explicit MondeJeu(int numeroExercice = 2);
    ~MondeJeu();

    TF_Jeu_Lignes_Autour& jeu() { return *jeu_; }
    Contexte& contexte() { return contexte_; }
    DialoguesScriptes& dialogues() { return dialogues_; }
    QString dossier() const { return dossier_.chemin(); }

    // Writes "Série 1/<nom>.ex<n>" and loads it through "Commencer"/"Nouveau".
    void charger(const QByteArray& contenu, const QString& nom = QStringLiteral("Ex01"));
    void cliquer(const QString& nomControle);
    QAbstractButton* bouton(const QString& nom);
    QLabel* etiquette(const QString& nom);
    bool active(const QString& nomControle);

    // Mouse on Image1, in picture pixels.
    void appuyer(QPoint p);
    void deplacer(QPoint p);
    void relacher(QPoint p);
    void tracer(QPoint de, QPoint a, QVector<QPoint> passages = {});
    // The same between grid nodes of the loaded cell size.
    void tracerNoeuds(QPoint de, QPoint a);
    int tailleCase() const;

    QString resultat();

    // A pupil of a class whose successes are recorded.
    void suivre(const QString& eleve, const QString& classe);
    // The exact image of every segment of the model (the only kind it may hold) drawn
    // with the mouse, then "Vérifier"; the verdict.
    QString reussirSegments();
    // A short segment near the left edge, the `essai`-th of its kind, then "Vérifier".
    QString rater(int essai);

private:
    DossierTemporaire dossier_;
    DialoguesScriptes dialogues_;
    Contexte contexte_{dossier_.chemin()};
    std::unique_ptr<TF_choix_exo> choix_;
    std::unique_ptr<TF_Jeu_Lignes_Autour> jeu_;
    int numero_;
};
