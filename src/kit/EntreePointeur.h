#pragma once

// The mouse, a finger and a pen on one widget, as one pointer: a press, moves, a release.
// The widget takes touch and pen events itself, so a finger makes one stroke, never the
// stroke of the touch and that of the mouse events the system or Qt makes from it.
//
// - Mouse: the buttons the widget takes, as they come; the mouse events made from a touch
//   or a pen are dropped (their source says so, or their device is a touch screen).
// - Finger: the first finger down is the pointer until it is lifted; other fingers, during
//   its stroke or after it, neither draw nor end it. A touch the system cancels drops the
//   stroke.
// - Pen: its tip is the pointer while it touches; its eraser end reports where it touched,
//   for the window to erase there.
// While one of them draws, the others are ignored.

#include <QObject>
#include <QPoint>

class QWidget;

class EntreePointeur : public QObject {
    Q_OBJECT
public:
    // Watches the widget's events; it becomes the widget's child. Presses of the other
    // mouse buttons are ignored.
    explicit EntreePointeur(QWidget* zone, Qt::MouseButtons boutons = Qt::AllButtons);

signals:
    void appui(QPoint point);
    void deplacement(QPoint point);
    void relachement(QPoint point);
    void abandon();
    void gommage(QPoint point);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    enum class Source { Aucune, Souris, Doigt, Stylet };

    bool souris(QEvent* evenement);
    bool toucher(QEvent* evenement);
    bool stylet(QEvent* evenement);
    void prendreFocus();

    QWidget* zone_;
    Qt::MouseButtons boutons_;
    Source source_ = Source::Aucune;
    int doigt_ = -1; // the finger that draws, while it is down
    bool gomme_ = false; // the pen touches with its eraser end
};
