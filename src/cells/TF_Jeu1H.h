#pragma once

#include "Operations.h"

class TF_Jeu1H : public FenetreNonModale {
    Q_OBJECT
public:
    explicit TF_Jeu1H(QWidget* parent = nullptr);
};
