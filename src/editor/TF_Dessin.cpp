#include "TF_Dessin.h"

TF_Dessin::TF_Dessin(QWidget* parent)
    : FenetreNonModale(parent)
{
    setObjectName(QStringLiteral("F_Dessin"));
    setWindowTitle(QStringLiteral("Dessiner"));
}
