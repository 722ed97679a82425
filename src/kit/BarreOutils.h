#pragma once

// The tool buttons (the shapes, the paint pot and the eraser) and the ten colour buttons
// of a drawing window. The player and the editor place and label them differently; what
// the buttons do is the same.

#include "PlancheDessin.h"

#include <QObject>
#include <QPoint>

#include <array>

class QButtonGroup;
class QToolButton;
class QWidget;

struct PlaceBouton {
    const char* nom;   // objectName
    const char* bulle; // tooltip, UTF-8
    QPoint place;      // design position of the 40 x 40 button in its panel
};

struct DispositionOutils {
    // Trait, Rectangle, Cercle, QuartDeCercle, Peinture, in that order.
    std::array<PlaceBouton, 5> outils;
    PlaceBouton gomme;
    bool prendFocus; // whether the buttons take the keyboard focus when clicked
};

class BarreOutils : public QObject {
    Q_OBJECT
public:
    // Tools and eraser go in panneauOutils, one exclusive group; the colours in
    // panneauCouleurs, another, with the default colour pressed.
    BarreOutils(QWidget* panneauOutils, QWidget* panneauCouleurs, const DispositionOutils& d);

    QToolButton* bouton(Outil outil) const;
    QToolButton* gomme() const { return gomme_; }
    // Presses a tool's button again (after the eraser), or the default colour's.
    void enfoncer(Outil outil);
    void enfoncerCouleurParDefaut();
    // The keyboard's way to the same buttons: T, R, C, Q, P for the tools, G for the eraser,
    // 1 to 9 and 0 for the colours in the panel's order. True when a button was there to
    // press (shown and usable).
    bool touche(int code);

signals:
    void outilChoisi(Outil outil);
    void gommeCliquee();
    void couleurChoisie(quint32 couleur);

private:
    std::array<QToolButton*, 5> outils_ {};
    QToolButton* gomme_ = nullptr;
    QToolButton* couleurParDefaut_ = nullptr;
    std::array<QToolButton*, 10> couleurs_ {};
};
