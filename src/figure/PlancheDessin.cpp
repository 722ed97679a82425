#include "PlancheDessin.h"

#include "Couleurs.h"
#include "TraceSouris.h"

#include <algorithm>

bool FormeAcceptable(Outil outil, QPoint noeudDepart, QPoint noeudArrivee)
{
    const bool autreColonne = noeudArrivee.x() != noeudDepart.x();
    const bool autreLigne = noeudArrivee.y() != noeudDepart.y();
    if (outil == Outil::Trait)
        return autreColonne || autreLigne;
    return autreColonne && autreLigne;
}

PlancheDessin::PlancheDessin(const Quadrillage& grille, int maxElements)
    : grille_(grille)
    , maxElements_(std::clamp(maxElements, 0, Figure::Capacite))
    , couleur_(CouleurParDefaut)
{
}

void PlancheDessin::choisirOutil(Outil outil)
{
    modeGomme_ = false;
    outil_ = outil;
}

void PlancheDessin::choisirCouleur(quint32 couleur)
{
    couleur_ = couleur;
}

void PlancheDessin::vider()
{
    figure_ = Figure{};
    outil_ = Outil::Trait;
    couleur_ = CouleurParDefaut;
    modeGomme_ = false;
    traceEnCours_ = false;
    noeudDepart_ = depart_ = pointeur_ = QPoint();
}

void PlancheDessin::remplacerFigure(const Figure& figure)
{
    figure_ = figure;
    figure_.NbElements = std::clamp(figure_.NbElements, 0, maxElements_);
    figure_.ViderAuDela(Figure::Capacite);
}

QPoint PlancheDessin::noeudDe(QPoint pixel) const
{
    return {AccrocherAuNoeud(pixel.x(), grille_.NbColonnes, grille_.TailleCase),
            AccrocherAuNoeud(pixel.y(), grille_.NbLignes, grille_.TailleCase)};
}

std::optional<ElementFigure> PlancheDessin::appuyer(QPoint pixel, quint32 couleurSousPointeur)
{
    if (outil_ == Outil::Peinture) {
        traceEnCours_ = false;
        if (couleurSousPointeur == couleur_ || couleurSousPointeur == CouleurNoir)
            return std::nullopt;
        return ElementDepuisPixels(GenreColoriage, pixel.x(), pixel.y(), pixel.x(), pixel.y(),
                                   couleur_, grille_.TailleCase);
    }
    traceEnCours_ = true;
    noeudDepart_ = noeudDe(pixel);
    depart_ = noeudDepart_ * grille_.TailleCase;
    return std::nullopt;
}

void PlancheDessin::deplacer(QPoint pixel)
{
    pointeur_ = BornerPointeur(pixel, grille_.NbColonnes, grille_.NbLignes, grille_.TailleCase);
}

std::optional<ElementFigure> PlancheDessin::relacher(QPoint pixel)
{
    if (!traceEnCours_)
        return std::nullopt;
    traceEnCours_ = false;
    if (outil_ == Outil::Peinture)
        return std::nullopt;
    const int c = grille_.TailleCase;
    const QPoint noeudArrivee = noeudDe({std::min(pixel.x(), grille_.NbColonnes * c),
                                         std::min(pixel.y(), grille_.NbLignes * c)});
    if (!FormeAcceptable(outil_, noeudDepart_, noeudArrivee))
        return std::nullopt;
    QPoint arrivee = noeudArrivee * c;
    if (outil_ == Outil::Cercle || outil_ == Outil::QuartDeCercle)
        arrivee = ArriveeCarree(depart_, arrivee);
    // An outline is always black; its colour word keeps the white of an empty slot, so the
    // files read by earlier versions hold the same bytes for the same drawing.
    return ElementDepuisPixels(GenreDe(outil_), depart_.x(), depart_.y(), arrivee.x(),
                               arrivee.y(), CouleurBlanc, c);
}

void PlancheDessin::abandonnerTrace()
{
    traceEnCours_ = false;
}

bool PlancheDessin::ajouter(const ElementFigure& element)
{
    return figure_.Ajouter(element, maxElements_);
}

bool PlancheDessin::annulerDernier()
{
    modeGomme_ = false;
    if (figure_.NbElements <= 0)
        return false;
    figure_.Retirer(figure_.NbElements);
    return true;
}

bool PlancheDessin::effacerTout()
{
    modeGomme_ = false;
    if (figure_.NbElements <= 0)
        return false;
    figure_.NbElements = 0;
    return true;
}

void PlancheDessin::basculerGomme()
{
    modeGomme_ = !modeGomme_;
}

void PlancheDessin::quitterGomme()
{
    modeGomme_ = false;
}

bool PlancheDessin::retirer(int numero)
{
    if (numero < 1 || numero > figure_.NbElements)
        return false;
    figure_.Retirer(numero);
    modeGomme_ = false;
    return true;
}
