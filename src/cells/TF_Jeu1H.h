#pragma once

#include "Operations.h"
#include "ReglesJeu1.h"

#include <array>
#include <functional>

struct Contexte;
class BandeUnie;
class BoutonCrayon;
class CaseJeu1;
class QAbstractButton;
class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class TF_ModifCh1;
class ZoneMosaique;

// Exercise 1: the pupil colours, with pencils, the mirror image of randomly coloured
// cells across a red axis, and asks for a check. Games follow one another without end.
class TF_Jeu1H : public FenetreNonModale {
    Q_OBJECT
public:
    // The settings dialog is the program's; a window built on its own (as in a test) makes
    // its own the first time it is needed.
    explicit TF_Jeu1H(Contexte& contexte, TF_ModifCh1* dialogueChoix = nullptr, QWidget* parent = nullptr);

    // Each activation seeds the random generator from this source (the clock unless a
    // test gives its own).
    void fixerSourceGraine(std::function<quint32()> source);

    const DimensionsJeu1& dimensions() const { return Jeu1_; }
    bool axeVertical() const { return AxeJeu1Vertical_; }
    bool modeleCoteG() const { return ModeleCoteG_; }
    bool partieReussie() const { return PartieReussie_; }
    quint32 couleurCourante() const { return CouleurCourante_; }
    const std::array<int, NbCouleursPartie + 1>& couleursPartie() const { return CouleursPartie_; }
    CaseJeu1* caseG(int k) const { return G[k]; }
    CaseJeu1* caseD(int k) const { return D[k]; }

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    Contexte& contexte_;
    TF_ModifCh1* dialogueChoix_;
    void creerControles();
    void creerCrayons();
    void creerBoutons();
    void placerCadre();

    void FormActivate();
    void NouvellePartie();
    void disposer();
    void CaseClick(CaseJeu1* laCase, bool coteG);
    void CrayonClick(const BoutonCrayon* crayon);
    void presserCrayon(int numeroCouleur);
    void BoutonCorrectionClick();
    void BoutonModifChoixClick();
    void Timer2Timer();
    TF_ModifCh1* dialogueChoix();
    bool toucheJeu(int code);
    bool allerVers(QPoint sens);
    QAbstractButton* crayonVoisin(int pas) const;
    QString consigne() const;

    ZoneMosaique* PaintBox1;
    QStatusBar* StatusBar1;
    QWidget* PanelMilieu;
    ZoneMosaique* PaintBox2;
    QFrame* PanelExercice;
    std::array<CaseJeu1*, NbCasesMax + 1> G{};
    std::array<CaseJeu1*, NbCasesMax + 1> D{};
    BandeUnie* AxeV;
    BandeUnie* AxeH;
    QWidget* Panel2;
    QButtonGroup* crayons_;
    QLabel* LabelResultat;
    QPushButton* BoutonCorrection;
    QPushButton* BoutonNouveauJeu;
    QPushButton* BoutonModifChoix;
    QPushButton* SpeedButton2;
    QPushButton* SpeedButton1;
    TenirGeometrie* Timer1;
    QTimer* Timer2;
    DerniereSaisie* saisie_ = nullptr;

    DimensionsJeu1 Jeu1_;
    bool AxeJeu1Vertical_ = true;
    bool ModeleCoteG_ = true; // side G until the first game is drawn
    bool PartieReussie_ = false;
    quint32 CouleurCourante_ = 0; // the pencil in hand, 0x00BBGGRR
    std::array<int, NbCouleursPartie + 1> CouleursPartie_{};
    std::function<quint32()> sourceGraine_;
    QRandomGenerator hasard_; // seeded from sourceGraine_ at each opening
};
