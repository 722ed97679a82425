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
    : m_grille(grille)
    , m_maxElements(std::clamp(maxElements, 0, Figure::Capacite))
    , m_couleur(CouleurParDefaut)
{
}

void PlancheDessin::choisirOutil(Outil outil)
{
    m_modeGomme = false;
    m_outil = outil;
}

void PlancheDessin::choisirCouleur(quint32 couleur)
{
    m_couleur = couleur;
}

void PlancheDessin::vider()
{
    m_figure = Figure{};
    m_outil = Outil::Trait;
    m_couleur = CouleurParDefaut;
    m_modeGomme = false;
    m_traceEnCours = false;
    m_noeudDepart = m_depart = m_pointeur = QPoint();
}

void PlancheDessin::remplacerFigure(const Figure& figure)
{
    m_figure = figure;
    m_figure.NbElements = std::clamp(m_figure.NbElements, 0, m_maxElements);
    m_figure.ViderAuDela(Figure::Capacite);
}

QPoint PlancheDessin::noeudDe(QPoint pixel) const
{
    return {AccrocherAuNoeud(pixel.x(), m_grille.NbColonnes, m_grille.TailleCase),
            AccrocherAuNoeud(pixel.y(), m_grille.NbLignes, m_grille.TailleCase)};
}

std::optional<ElementFigure> PlancheDessin::appuyer(QPoint pixel, quint32 couleurSousPointeur)
{
    if (m_outil == Outil::Peinture) {
        m_traceEnCours = false;
        if (couleurSousPointeur == m_couleur || couleurSousPointeur == CouleurNoir)
            return std::nullopt;
        return ElementDepuisPixels(GenreColoriage, pixel.x(), pixel.y(), pixel.x(), pixel.y(),
                                   m_couleur, m_grille.TailleCase);
    }
    m_traceEnCours = true;
    m_noeudDepart = noeudDe(pixel);
    m_depart = m_noeudDepart * m_grille.TailleCase;
    return std::nullopt;
}

void PlancheDessin::deplacer(QPoint pixel)
{
    m_pointeur = BornerPointeur(pixel, m_grille.NbColonnes, m_grille.NbLignes, m_grille.TailleCase);
}

std::optional<ElementFigure> PlancheDessin::relacher(QPoint pixel)
{
    if (!m_traceEnCours)
        return std::nullopt;
    m_traceEnCours = false;
    if (m_outil == Outil::Peinture)
        return std::nullopt;
    const int c = m_grille.TailleCase;
    const QPoint noeudArrivee = noeudDe({std::min(pixel.x(), m_grille.NbColonnes * c),
                                         std::min(pixel.y(), m_grille.NbLignes * c)});
    if (!FormeAcceptable(m_outil, m_noeudDepart, noeudArrivee))
        return std::nullopt;
    QPoint arrivee = noeudArrivee * c;
    if (m_outil == Outil::Cercle || m_outil == Outil::QuartDeCercle)
        arrivee = ArriveeCarree(m_depart, arrivee);
    return ElementDepuisPixels(GenreDe(m_outil), m_depart.x(), m_depart.y(), arrivee.x(),
                               arrivee.y(), m_couleur, c);
}

void PlancheDessin::abandonnerTrace()
{
    m_traceEnCours = false;
}

bool PlancheDessin::ajouter(const ElementFigure& element)
{
    return m_figure.Ajouter(element, m_maxElements);
}

bool PlancheDessin::annulerDernier()
{
    m_modeGomme = false;
    if (m_figure.NbElements <= 0)
        return false;
    m_figure.Retirer(m_figure.NbElements);
    return true;
}

bool PlancheDessin::effacerTout()
{
    m_modeGomme = false;
    if (m_figure.NbElements <= 0)
        return false;
    m_figure.NbElements = 0;
    return true;
}

void PlancheDessin::basculerGomme()
{
    m_modeGomme = !m_modeGomme;
}

void PlancheDessin::quitterGomme()
{
    m_modeGomme = false;
}

bool PlancheDessin::retirer(int numero)
{
    if (numero < 1 || numero > m_figure.NbElements)
        return false;
    m_figure.Retirer(numero);
    m_modeGomme = false;
    return true;
}
