#pragma once

// The small controls of exercise 1: the cells, the axes and the pencils.

#include <QAbstractButton>
#include <QWidget>

// One square of the grid. Its colour (0x00BBGGRR) is its whole state: silver is empty.
// A click of the left button, a tap of a finger or of a pen colours or empties it, once
// per touch; a pen's eraser end only empties it.
class CaseJeu1 : public QWidget {
    Q_OBJECT
public:
    static constexpr quint32 Argent = 0x00C0C0C0;

    explicit CaseJeu1(const QString& nom, QWidget* parent);
    quint32 couleur() const { return couleur_; }
    void fixerCouleur(quint32 couleur);
    bool vide() const { return couleur_ == Argent; }

signals:
    void clic();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

private:
    quint32 couleur_ = Argent;
    bool appuye_ = false;
};

// A plain coloured strip without bevel (the red axes).
class BandeUnie : public QWidget {
    Q_OBJECT
public:
    BandeUnie(const QString& nom, quint32 couleur, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    quint32 couleur_;
};

// A toggle button showing a pencil of one TableCouleurs colour.
class BoutonCrayon : public QAbstractButton {
    Q_OBJECT
public:
    BoutonCrayon(const QString& nom, int numeroCouleur, QWidget* parent);
    int numeroCouleur() const { return numeroCouleur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int numeroCouleur_;
};

// Draws a pencil of the colour 0x00BBGGRR, pointing up and right, filling the rectangle.
void DessinerCrayon(QPainter& peintre, const QRectF& zone, quint32 couleur);
