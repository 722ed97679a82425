#include "ControlesJeu.h"

#include <QMouseEvent>

Marqueur::Marqueur(int etiquette, QWidget* parent)
    : QLabel(parent)
    , etiquette_(etiquette)
{
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
}

void Marqueur::mousePressEvent(QMouseEvent* evenement)
{
    if (evenement->button() == Qt::LeftButton)
        emit clique(etiquette_);
}
