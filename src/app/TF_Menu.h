#pragma once

#include "Fenetres.h"
#include "GlyphesMenu.h"

#include <QList>
#include <QPair>
#include <QWidget>

struct Contexte;
class QAction;
class QFrame;
class QMenuBar;
class QPushButton;
class QStatusBar;
class TenirGeometrie;
class ZoneMosaique;

// The main window: every exercise, editor and management window is opened from here,
// and closing it ends the program.
class TF_Menu : public QWidget {
    Q_OBJECT
public:
    explicit TF_Menu(Contexte& contexte, QWidget* parent = nullptr);
    // The windows this one opens; given once, right after they are all created.
    void connaitre(const Fenetres& fenetres);

    // The program's own activation: at the first showing, then whenever an exercise
    // window or the editor closes. Forgets the pupil.
    void FormActivate();

    void BoutonJ1Click();
    void BoutonJLClick(QObject* envoyeur);
    void Bouton_AutourClick(QObject* envoyeur);
    void EditeurClick(int exercice);
    void Prefer1Click();
    void AProposClick();
    void QuitterClick();

signals:
    void fermee(); // the program ends with this window

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void construireMenus();
    // The six buttons, each with the glyph it is to show once the window is scaled.
    QList<QPair<QPushButton*, GlypheMenu>> construireBoutons();
    // The identification before exercises 2 to 5; false when nothing is to be opened.
    bool Identifier();
    void ouvrirJeuLignes(int exercice);
    void disposer();

    Contexte& contexte_;
    Fenetres fenetres_;
    bool dejaMontree_ = false;

    QMenuBar* MainMenu1;
    QFrame* margedroite;
    QFrame* margegauche;
    QFrame* milieu;
    QFrame* menu;
    ZoneMosaique* PaintBox1;
    QStatusBar* StatusBar1;
    TenirGeometrie* Timer1;
    QPushButton* BoutonJ1;
    QPushButton* BoutonJL;
    QPushButton* BoutonJLC;
    QPushButton* Bouton_Autour;
    QPushButton* Bouton_Point;
    QPushButton* SpeedButton3;
    QAction* FJeu2;
    QAction* Jeun3ranger1;
    QAction* FJeu4;
    QAction* FJeu5;
};
