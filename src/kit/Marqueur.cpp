#include "Marqueur.h"

#include "Controles.h"
#include "Couleurs.h"
#include "Figure.h"
#include "Tableau.h"
#include "TraceSouris.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

Marqueur::Marqueur(int etiquette, QWidget* parent)
    : QLabel(parent)
    , etiquette_(etiquette)
{
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    // Tab goes from marker to marker, Entrée or Espace removes the element.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Effacer l'élément %1").arg(etiquette));
}

void Marqueur::keyPressEvent(QKeyEvent* evenement)
{
    const int code = evenement->key();
    if (code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_Space)
        emit clique(etiquette_);
    else
        QLabel::keyPressEvent(evenement);
}

void Marqueur::focusInEvent(QFocusEvent* evenement)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    QLabel::focusInEvent(evenement);
}

void Marqueur::focusOutEvent(QFocusEvent* evenement)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    QLabel::focusOutEvent(evenement);
}

void Marqueur::mousePressEvent(QMouseEvent* evenement)
{
    if (evenement->button() == Qt::LeftButton)
        emit clique(etiquette_);
}

Marqueurs::Marqueurs(QWidget* parent, int nombre, const QFont& police, QWidget* surface)
    : QObject(parent)
    , parent_(parent)
    , surface_(surface)
    , nombre_(nombre)
    , police_(police)
{
}

Marqueur* Marqueurs::marqueur(int numero)
{
    while (int(marqueurs_.size()) < numero) {
        const int i = int(marqueurs_.size()) + 1;
        auto* marqueur = new Marqueur(i, parent_);
        marqueur->setObjectName(QStringLiteral("Marqueur%1").arg(i));
        marqueur->setFont(police_);
        marqueur->setGeometry(0, 0, 12, 12);
        marqueur->hide();
        connect(marqueur, &Marqueur::clique, this, &Marqueurs::clique);
        QWidget::setTabOrder(marqueurs_.empty() ? surface_ : marqueurs_.back(), marqueur);
        marqueurs_.push_back(marqueur);
    }
    return marqueurs_[std::size_t(numero - 1)];
}

int Marqueurs::cote(int tailleCase) const
{
    return std::max(CoteMarqueur(tailleCase), CibleMinimale(parent_));
}

QRect Marqueurs::place(const Figure& figure, int i, int cote)
{
    const ElementFigure& e = figure[i];
    return {PositionMarqueur(e.GenreElement, {e.X1, e.Y1}, {e.X2, e.Y2}), QSize(cote, cote)};
}

void Marqueurs::montrer(const Figure& figure, QPoint origine, int tailleCase)
{
    const int cote = this->cote(tailleCase);
    const int nombre = std::min(figure.NbElements, nombre_);
    for (int i = 1; i <= nombre; ++i) {
        const ElementFigure& e = figure[i];
        Marqueur* marqueur = this->marqueur(i);
        marqueur->setGeometry(place(figure, i, cote).translated(origine));
        ColorerFond(marqueur, EstColoriage(e.GenreElement) ? e.Couleur : CouleurGris);
        marqueur->setText(LegendeMarqueur(e.GenreElement));
        marqueur->show();
        marqueur->raise();
    }
}

int Marqueurs::numeroSous(const Figure& figure, QPoint pixel, int tailleCase) const
{
    const int cote = this->cote(tailleCase);
    for (int i = std::min(figure.NbElements, nombre_); i >= 1; --i)
        if (place(figure, i, cote).contains(pixel))
            return i;
    return 0;
}

void Marqueurs::cacher()
{
    for (Marqueur* marqueur : marqueurs_)
        marqueur->hide();
}

void Marqueurs::donnerClavier()
{
    if (!marqueurs_.empty() && marqueurs_.front()->isVisible())
        marqueurs_.front()->setFocus(Qt::TabFocusReason);
}
