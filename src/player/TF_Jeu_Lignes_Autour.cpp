#include "TF_Jeu_Lignes_Autour.h"

TF_Jeu_Lignes_Autour::TF_Jeu_Lignes_Autour(QWidget* parent)
    : FenetreNonModale(parent)
{
    setObjectName(QStringLiteral("F_Jeu_Lignes_Autour"));
}
