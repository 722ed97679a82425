#pragma once

// Drawing without a mouse: a cursor on a grid crossing, moved by the arrow keys; Espace or
// Entrée starts a stroke with the tool in hand and ends it, Échap drops it. The stroke
// goes through the same gesture as the mouse, so snapping, the rubber band and the rules
// that accept a stroke are the mouse's own.

#include "Quadrillage.h"

#include <QObject>
#include <QPoint>

class GesteDessin;
class PlancheDessin;
class SurfaceDessin;
class QWidget;

class ClavierDessin : public QObject {
    Q_OBJECT
public:
    ClavierDessin(SurfaceDessin* surface, GesteDessin* geste, const PlancheDessin& planche,
                  const Quadrillage& grille);

    QPoint noeud() const { return noeud_; }
    // Back to the grid's middle, as when a new exercise is shown.
    void recentrer();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool touche(int code);
    void deplacer(QPoint pas);
    void valider();
    QPoint pixel() const;
    void annoncer();

    SurfaceDessin* surface_;
    GesteDessin* geste_;
    const PlancheDessin& planche_;
    const Quadrillage& grille_;
    QWidget* curseur_;
    QPoint noeud_;
};
