#pragma once

#include "AvancementParcours.h"
#include "ChoixExercice.h"
#include "FichierExercice.h"
#include "Figure.h"
#include "GesteSouris.h"
#include "Operations.h"
#include "ParcoursHasard.h"
#include "PlancheDessin.h"
#include "Symetrie.h"

#include <QPoint>

#include <array>
#include <optional>

struct Contexte;
class BarreOutils;
class CalqueCorrection;
class ClavierDessin;
class GesteDessin;
class Marqueur;
class Marqueurs;
class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class SurfaceDessin;
class ZoneMosaique;

// The player of exercises 2 to 5: an exercise is chosen and shown, the pupil draws its
// symmetric figure with the mouse, and "Vérifier" compares the two on the picture.
class TF_Jeu_Lignes_Autour : public FenetreNonModale {
    Q_OBJECT
public:
    // The player keeps the pupil's elements to this many, one eraser marker each.
    static constexpr int MaxElementsEleve = 100;
    // The reference count is one byte: files with more records are refused.
    static constexpr int MaxElementsReference = 255;

    explicit TF_Jeu_Lignes_Autour(Contexte& contexte, QWidget* parent = nullptr);

    // The chooser shown by "Commencer" and "Nouveau" (and "Choisir" during a run of
    // exercises made by the program).
    void connaitreChoix(ChoisirExercice* choix);
    // The exercise shown when it was made by the program from its code.
    std::optional<CodeExercice> codeMontre() const;

    const Figure& figureReference() const { return FigureReference_; }
    const Quadrillage& grille() const { return Quadrillage_; }
    const Figure& figureEleve() const { return planche_.figure(); }
    const QImage& image() const;
    Genre outilCourant() const { return GenreDe(planche_.outil()); }
    bool modeGomme() const { return planche_.modeGomme(); }
    quint32 couleurCourante() const { return planche_.couleur(); }

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    Contexte& contexte_;

    // Controls.
    QLabel* Panel1;
    QFrame* PanelMilieu;
    ZoneMosaique* PaintBox6;
    QFrame* PanelJeu;
    SurfaceDessin* Image1;
    GesteDessin* geste_; // the mouse on Image1, with its rubber band PaintBox4
    QFrame* PanelOutils;
    QFrame* PanelCouleurs;
    BarreOutils* barreOutils_;
    QPushButton* BoutonEffacer1L;
    QPushButton* BoutonEffacer;
    QLabel* LabelResultat;
    QPushButton* BoutonCorrection;
    QPushButton* BoutonNouveau;
    QPushButton* BoutonChoisir;
    QLabel* LabelHasard;
    int largeurNouveau_ = 0;
    QPushButton* SpeedButton1;
    QPushButton* BoutonQuitter;
    Marqueur* PanelRef;
    QFrame* Panel_Etalon;
    TenirGeometrie* Timer1;
    QTimer* Timer2;
    Marqueurs* MarqueursElements = nullptr;
    QPushButton* BoutonSolution;
    CalqueCorrection* calque_ = nullptr;
    ClavierDessin* clavier_ = nullptr;
    DerniereSaisie* saisie_ = nullptr;

    ChoisirExercice* choix_ = nullptr;
    ExerciceChoisi exercice_; // the exercise shown; its record is written on success
    QString dernierJoue_;     // the record of the last exercise shown, kept past "Nouveau"
    bool commence_ = false;   // "Commencer" was pressed since the window opened
    bool essaisSignales_ = false; // the pupil was told the attempts cannot be written
    // The exercises the program makes for the pupil, while the pupil plays them.
    std::optional<ParcoursHasard> parcours_;

    // Exercise and drawing state.
    Quadrillage Quadrillage_; // the grid shown, in this window's cell size
    Figure FigureReference_;
    PlancheDessin planche_; // the pupil's figure and the tool in hand
    qint32 TailleCaseFichier_ = 0;
    bool CoteFigure_ = false;
    std::array<qint32, 9> ParametresAxe_ {}; // DecalageAxe, then the eight reserved words
    MasqueReference Masque_;
    int NbPointsAxeCouverts_ = 0; // covered axis samples when the exercise was shown
    bool exerciceEnCours_ = false;
    int nbFaux_ = 0; // "Faux" on the exercise shown, for the offer of the solution
    // The drawing at the last check: pressing "Vérifier" again without a change is no new try.
    std::optional<Figure> figureVerifiee_;

    void creerControles();
    void creerOutils();
    void creerBoutons();
    void creerMarqueurs();
    void relierControles();
    void centrerPanneau();

    // Loading and display.
    void DemarrerJeu();
    void ReinitialiserJeu();
    // Where the next exercise comes from: the run of made-up exercises while one goes on,
    // the chooser otherwise and whenever the pupil asks for it.
    enum class Provenance { Suite, Choix };
    void NouvelExercice(Provenance provenance = Provenance::Suite);
    void ChargerExercice(Provenance provenance);
    void OuvrirLeChoix();
    QString dossierDesSeries();
    void suivreParcoursClasse(const AvancementParcours& avancement);
    bool lireFichierChoisi(const QString& dossierSerie, const ExerciceChoisi& choisi);
    bool prendreExercice(ExerciceLu& exercice, const ExerciceChoisi& choisi);
    void montrerParcours();
    void proposerNiveau(OffreNiveau offre);
    QString motifRefus(const ExerciceLu& exercice) const;
    // What can be used in each state of the window.
    enum class EtatJeu { Attente, SansExercice, EnCours, Resolu };
    void appliquerEtat(EtatJeu etat);
    void AfficherModele();

    // Drawing on Image1.
    void EffacerImage();
    void DessinerQuadrillage();
    void DessinerElement(const ElementFigure& element);
    void RedessinerTout();
    void rafraichir();

    // The pupil's drawing.
    void ajouterElementEleve(const ElementFigure& element);
    void choisirOutil(Outil outil);
    void quitterModeGomme(bool peintureSeulementSiCouleurs = false);
    void enfoncerOutilCourant(bool peintureSeulementSiCouleurs);
    void rendreClavierALaGrille();
    void SpeedButton2Click();
    void cacherMarqueurs();
    void MarqueurClick(int i);
    void effacer(bool tout);

    // The check.
    void BoutonCorrectionClick();
    void montrerResultat(bool juste);
    void noterEssai(bool juste);
    // The teacher's help after "Faux": the mistakes, then the offer of the solution.
    void expliquerFaux();
    void proposerSolution();
    void BoutonSolutionClick();
    void finDuCalque();
    QString consigne() const;

    void afficherAide();
};
