#pragma once

#include "ChoixExercice.h"
#include "FichierExercice.h"
#include "Figure.h"
#include "Operations.h"
#include "PlancheDessin.h"
#include "SauvegardeExercice.h"

#include <QImage>
#include <QPoint>

#include <array>

struct Contexte;
class BarreOutils;
class ClavierDessin;
class GesteDessin;
class Marqueurs;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class SurfaceDessin;
class TForm1;

// What the editor remembers between two events of one opening, beside its drawing board.
struct EtatEditeur {
    bool DessinModifie = false;
};

class TF_Dessin : public FenetreNonModale {
    Q_OBJECT
public:
    static constexpr int NbMarqueurs = 200;

    explicit TF_Dessin(Contexte& contexte, QWidget* parent = nullptr);

    // The chooser that "Ouvrir" shows, and the window that draws the printed picture.
    void connaitreChoix(ChoisirExercice* choix);
    void connaitreImagesReserve(TForm1* images);
    // The worksheets window, opened beside the printed picture.
    void connaitreFiches(QDialog* fiches);

    const EtatEditeur& etat() const { return etat_; }
    const PlancheDessin& planche() const { return planche_; }
    const Figure& figure() const { return planche_.figure(); }
    const Quadrillage& grille() const { return grille_; }
    const NomsExercice& noms() const { return noms_; }
    const QImage& image() const;

    // The start state, as when the main menu opens the window.
    void FormActivate();

    void Image1MouseDown(QPoint position);
    void Image1MouseMove(QPoint position);
    void Image1MouseUp(QPoint position);
    void BoutonEfface1AClick();
    void SpeedButton1Click();
    void MarqueurClick(int numero);
    void SpeedButton2Click();
    void ChoisirAxe(Axe typeAxe);
    void ListBox2Click();
    void ListBox1Click();
    void BoutonNouveauClick();
    void BoutonQuitterClick();
    void BoutonEnregistrerClick();
    void BoutonOuvrirClick();
    void OuvrirCodeClick();
    void Button1Click();
    void BoutonFichesClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    Contexte& contexte_;
    void creerMenu();
    void creerOutils();
    void creerReglages();
    void creerCommandes();
    void creerMarqueurs();
    void centrerPanneau();

    void choisirOutil(Outil outil);
    void quitterModeGomme();
    void enfoncerOutilCourant();
    void cacherMarqueurs();
    void viderFigure();
    void redessiner();
    void dessinerQuadrillage();
    void afficherReglages();
    void nouveauDessin();
    // Runs the saver of the exercise type; true when a file was written.
    bool enregistrer();
    void ajouterForme(const ElementFigure& element);
    // Reads the file chosen; a file refused is reported and the drawing stays.
    void ouvrirFichierChoisi(const QString& dossierSerie, const ExerciceChoisi& choisi);
    // Shows an exercise read from a file or made from its code, unless it is refused.
    void afficherExercice(ResultatLecture lu);
    // Asks whether to save a changed drawing that is about to be replaced; false when it
    // must stay (a save that wrote nothing).
    bool laisserLeDessin();
    // Whether the rows of a grid read from a file fit the drawing area.
    bool GrilleAffichable(const Quadrillage& lue) const;

    EtatEditeur etat_;
    Quadrillage grille_;
    PlancheDessin planche_;
    ChoisirExercice* choix_ = nullptr;
    NomsExercice noms_;
    TForm1* imagesReserve_ = nullptr;
    QDialog* fiches_ = nullptr;
    TenirGeometrie* timer1_;

    QMenuBar* mainMenu1_;
    QFrame* panelMilieu_;
    QFrame* panelJeu_;
    SurfaceDessin* image1_;
    GesteDessin* geste_; // the mouse on Image1, with its rubber band PaintBox4
    ClavierDessin* clavier_ = nullptr;
    QFrame* panelEtalon_;
    QFrame* panelOutils_;
    QFrame* panelCouleurs_;
    QFrame* panelRef_;
    BarreOutils* barreOutils_;
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QLineEdit* edit4_;
    QListWidget* listBox1_;
    QListWidget* listBox2_;
    Marqueurs* marqueurs_ = nullptr;
};
