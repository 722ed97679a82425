#pragma once

// A player's check from outside: the grid, the reference shown and marked, the pupil's
// elements drawn one by one, as the player does it.

#include "Dessin.h"
#include "Symetrie.h"

namespace {

constexpr int T = 20;

ElementFigure Forme(Genre genre, QPoint a, QPoint b)
{
    return ElementDepuisPixels(genre, a.x() * T, a.y() * T, b.x() * T, b.y() * T, 0, T);
}

ElementFigure Peinture(QPoint graine, quint32 couleur)
{
    return ElementDepuisPixels(GenreColoriage, graine.x(), graine.y(), 0, 0, couleur, T);
}

// A player's picture on a 24 x 24 grid: the reference shown and marked, then the pupil's
// elements drawn one by one, then the check.
class Partie
{
public:
    explicit Partie(Axe typeAxe, int exercice = 2, int decalage = 0)
        : m_exercice(exercice)
        , m_image(NouvelleImage(500, 500))
        , m_masque(500, 500)
    {
        m_grille.TypeAxe = typeAxe;
        m_grille.DecalageAxe = decalage;
    }

    const Quadrillage& grille() const { return m_grille; }

    void montrer(const Figure& reference)
    {
        m_reference = reference;
        EffacerImage(m_image);
        DessinerQuadrillage(m_image, m_grille, m_exercice, Rendu::Joueur);
        m_masque.effacer();
        for (int i = 1; i <= m_reference.NbElements; ++i) {
            DessinerElement(m_image, m_reference[i], Rendu::Joueur);
            MarquerElement(m_masque, m_reference[i]);
        }
        m_axeInitial = CompterPointsAxeCouverts(m_grille, m_image);
    }

    void tracer(const ElementFigure& e)
    {
        m_eleve.Ajouter(e);
        DessinerElement(m_image, e, Rendu::Joueur);
    }

    // The pupil's perfect answer: every reference element's image, in order.
    void tracerLeMiroir()
    {
        for (int i = 1; i <= m_reference.NbElements; ++i)
            tracer(miroir(m_reference[i]));
    }

    ElementFigure miroir(const ElementFigure& e) const { return ElementMiroir(m_grille, e); }

    const QImage& image() const { return m_image; }
    const MasqueReference& masque() const { return m_masque; }
    const Figure& reference() const { return m_reference; }
    const Figure& eleve() const { return m_eleve; }
    int axeInitial() const { return m_axeInitial; }

    bool verifier() const
    {
        return VerifierSymetrie(m_grille, m_image, m_masque, m_reference, m_eleve, m_axeInitial);
    }

private:
    Quadrillage m_grille;
    int m_exercice;
    QImage m_image;
    MasqueReference m_masque;
    Figure m_reference;
    Figure m_eleve;
    int m_axeInitial = 0;
};

// Every kind of element in the block of columns 0 to 5 and rows 6 to 11, which lies off
// every axis and whose image under each axis does not meet it.
Figure FigureDeChaqueGenre(quint32 couleur = CouleurRouge)
{
    Figure f;
    f.Ajouter(Forme(GenreTrait, {1, 6}, {5, 9}));
    f.Ajouter(Forme(GenreRectangle, {1, 10}, {3, 11}));
    f.Ajouter(Forme(GenreCercle, {0, 6}, {2, 8}));
    f.Ajouter(Forme(GenreQuartDeCercle, {4, 11}, {5, 10}));
    f.Ajouter(Forme(GenreTrait, {0, 11}, {2, 9}));
    f.Ajouter(Peinture({45, 205}, couleur));
    return f;
}

} // namespace
