#pragma once

// The small services every window uses: scaling to the screen, holding a full-screen
// window in place, tiling a background picture, help, and the program's cursor on
// every window.

#include <QObject>
#include <QRect>
#include <QString>
#include <QWidget>

struct Contexte;
struct Geometrie;
class QPainter;
class QTimer;

// Says that the program folder cannot be found (a share unmounted, a folder removed)
// once work in the results folder is done, as the program always has; nothing when it
// is there.
void AvertirSiDossierProgrammeDisparu(const Contexte& contexte);

// Reads a sentence aloud when the teacher asked for it and a voice is there.
void Dire(const Contexte& contexte, const QString& phrase);
// Marks a verdict that has just appeared with its sound and reads it aloud, each when the
// teacher asked for it.
void AnnoncerVerdict(const Contexte& contexte, bool juste);

// Whether a key, the mouse, or a finger or pen was pressed last, anywhere in the program,
// so that an instruction speaks of the one the pupil is using. The mouse until anything
// else is pressed; the mouse presses the system makes from a touch are not the mouse.
class DerniereSaisie : public QObject {
    Q_OBJECT
public:
    enum class Moyen { Souris, Clavier, Doigt };

    explicit DerniereSaisie(QObject* parent);
    Moyen moyen() const { return moyen_; }

signals:
    void change();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    Moyen moyen_ = Moyen::Souris;
};

void AfficherAide(const QString& sujet);
void AfficherSommaireAide();

// Inside size of a full-screen window's design: its 808 x 606 outline less the frame and
// the title bar, which Qt does not count in a widget's size.
constexpr int LargeurInterieureConception = 800;
constexpr int HauteurInterieureConception = 572;

// The ratio by which a window designed for 800 x 600 at 96 ppi is scaled on a screen of
// W x H pixels at P pixels per inch.
double RapportAdaptation(int largeurEcran, int hauteurEcran, double pixelsParPouce);

// A control's design rectangle on a window scaled by rapport.
QRect ALEchelle(const QRect& conception, double rapport);
// Multiplies positions, sizes and fonts of the window and all its controls (those of its
// own windows apart); once it has been shown, the pictures of its buttons too.
void MettreALEchelle(QWidget* fenetre, double rapport);
// The screen a window is scaled for: size in pixels and pixels per inch.
struct MesureEcran {
    int largeur = 800;
    int hauteur = 600;
    double pixelsParPouce = 96.0;
};
MesureEcran MesurerEcran(); // the primary screen

// Scales a window to the primary screen (RapportAdaptation of its size and ppi), or to
// the given screen; gives back the ratio applied.
double AdapterEcran(QWidget* fenetre);
double AdapterEcran(QWidget* fenetre, const MesureEcran& ecran);
// Whether the window was scaled to the screen (the small dialogs keep their design size).
bool AdapteeALEcran(const QWidget* fenetre);

// Tiles a picture file over an area of width x height from the painter's origin.
// Nothing is painted when the file does not exist or the picture is empty.
void DessinerMosaique(const QString& fichier, QPainter& peintre, int largeur, int hauteur);
// The same with a picture already loaded (nothing for an empty one).
void PaverImage(const QImage& image, QPainter& peintre, int largeur, int hauteur);

// Holds a window at a reference geometry (the main window's): every 500 ms, left, top, width and height are
// compared and put back one by one. A maximised window is left to the window manager,
// which already keeps it in place; moving it would only undo the maximising.
class TenirGeometrie : public QObject {
    Q_OBJECT
public:
    // The reference is read at each tick: it moves with the main window.
    TenirGeometrie(QWidget* fenetre, const Geometrie& reference);
    void demarrer();
    void arreter();
    bool actif() const;
    void corriger(); // one tick

private:
    QWidget* fenetre_;
    const Geometrie& reference_;
    QTimer* minuterie_;
};

// Puts only the main window's left and top back (the main menu's clicks do this);
// a maximised window is left alone, as above.
void RemettreGaucheHaut(QWidget* fenetre, const Geometrie& reference);

// Makes cursor 2 the cursor of every window of the application, shown now or later.
// Controls that choose their own cursor (edit boxes, the editor's tools) keep it.
void InstallerCurseurApplication();

// A window the main menu shows without waiting (exercise windows, the editor): it tells
// when it closes or is hidden by the program ("Quitter"), so that the menu can be
// activated again. Minimising it is not closing it.
class FenetreNonModale : public QWidget {
    Q_OBJECT
public:
    explicit FenetreNonModale(QWidget* parent = nullptr);

signals:
    void fermee();

protected:
    void hideEvent(QHideEvent* evenement) override;
};
