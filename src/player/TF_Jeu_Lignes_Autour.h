#pragma once

#include "Operations.h"

class TF_Jeu_Lignes_Autour : public FenetreNonModale {
    Q_OBJECT
public:
    explicit TF_Jeu_Lignes_Autour(QWidget* parent = nullptr);
};
