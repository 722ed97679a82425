#pragma once

// The eraser's markers: one small panel per element, laid over the drawing surface, that
// reports its element's number when clicked.

#include <QLabel>

#include <vector>

struct Figure;

// A small panel that reports a click with its tag.
class Marqueur : public QLabel {
    Q_OBJECT
public:
    Marqueur(int etiquette, QWidget* parent);
    int etiquette() const { return etiquette_; }

signals:
    void clique(int etiquette);

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void focusInEvent(QFocusEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;

private:
    int etiquette_;
};

// Markers "Marqueur1" to "MarqueurN", hidden until the eraser shows them. They come in
// the Tab order right after the drawing surface, before every button.
class Marqueurs : public QObject {
    Q_OBJECT
public:
    Marqueurs(QWidget* parent, int nombre, const QFont& police, QWidget* surface);

    // One marker per element of the figure, at its element's mark (PositionMarqueur)
    // offset by `origine`, sized for the cells (in board mode, at least what a finger
    // hits): a painted area's in its colour, the others silver.
    void montrer(const Figure& figure, QPoint origine, int tailleCase);
    // The element whose marker would lie under a point of the picture (the last drawn on
    // top), 0 for none: where a pen's eraser end erases.
    int numeroSous(const Figure& figure, QPoint pixel, int tailleCase) const;
    void cacher();
    // The keyboard to the first marker shown (none: nothing changes).
    void donnerClavier();

signals:
    void clique(int numero);

private:
    // Markers are made the first time a figure needs them: a window made at start-up and
    // never opened makes none.
    Marqueur* marqueur(int numero);
    int cote(int tailleCase) const;
    // Where marker i stands, in the picture's pixels.
    static QRect place(const Figure& figure, int i, int cote);

    QWidget* parent_;
    QWidget* surface_;
    int nombre_;
    QFont police_;
    std::vector<Marqueur*> marqueurs_; // element i has marqueurs_[i - 1]
};
