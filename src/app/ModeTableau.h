#pragma once

// Touch and the classroom's board in every window of the program, applied as each window
// is shown, so that no window has to know of it:
// - every list and text view scrolls under a flick of the finger;
// - in board mode (the teacher's preference, or "orvane --tableau"), the window is marked
//   for the shared widgets inside it (figures three times thicker over the picture, the
//   verdict shown large, eraser markers a finger hits); the windows that keep their design
//   size elsewhere (the small dialogs, the messages) are scaled to the screen as the others
//   are, and any window whose smallest control a finger could miss (CibleMinimaleEcran) is
//   scaled up further, whole, fonts and all, the way AdapterEcran scales; the boxes of
//   check boxes and radio buttons grow to their line's height. Back out of board mode, the
//   window gets its own size back.

#include <QObject>

struct Contexte;
class QStyle;
class QWidget;

class ModeTableau : public QObject {
public:
    // Watches the whole application while it lives.
    explicit ModeTableau(const Contexte& contexte, QObject* parent = nullptr);
    ~ModeTableau() override;

    // What the showing of a window does to it.
    void appliquer(QWidget* fenetre) const;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    const Contexte& contexte_;
    QStyle* cases_; // draws larger boxes in board mode
};

// The height of the smallest thing a finger hits in a window: buttons (check boxes and
// radio buttons too), the rows of lists and tables, boxes to type or pick in, tabs, the
// menu bar. Controls of its own windows (a dialog it owns) and hidden ones do not count;
// 0 when there is none.
int PlusPetiteCible(const QWidget* fenetre);
