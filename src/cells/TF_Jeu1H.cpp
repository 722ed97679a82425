#include "TF_Jeu1H.h"

TF_Jeu1H::TF_Jeu1H(QWidget* parent)
    : FenetreNonModale(parent)
{
    setObjectName(QStringLiteral("F_Jeu1H"));
    setWindowTitle(QStringLiteral("Jeu n° 1 : cases"));
}
