#pragma once

// Drawing without a mouse: a cursor on a grid crossing, moved by the arrow keys; Espace or
// Entrée starts a stroke with the tool in hand and ends it, Échap drops it. The stroke
// goes through the same gesture as the mouse, so snapping, the rubber band and the rules
// that accept a stroke are the mouse's own.
//
// The paint pot goes into the cell below and to the right of the crossing (a crossing lies
// on the grid), into one of the areas the outlines cut that cell into: the biggest first,
// Z for the next one. The ring then shows where the pot will be dropped.

#include "Quadrillage.h"

#include <QObject>
#include <QPoint>

#include <vector>

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
    // The tool in hand has changed: the ring goes where it now acts.
    void actualiser();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool touche(int code);
    void deplacer(QPoint pas);
    void valider();
    QPoint pixel() const;
    // The areas of the pot's cell, and the point where the pot goes.
    std::vector<QPoint> zones() const;
    QPoint pointPeinture(const std::vector<QPoint>& zones) const;
    void annoncer();

    SurfaceDessin* surface_;
    GesteDessin* geste_;
    const PlancheDessin& planche_;
    const Quadrillage& grille_;
    QWidget* curseur_;
    QPoint noeud_;
    int zone_ = 0; // among the areas of the pot's cell
};
