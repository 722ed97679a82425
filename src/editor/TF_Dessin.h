#pragma once

#include "Operations.h"

class TF_Dessin : public FenetreNonModale {
    Q_OBJECT
public:
    explicit TF_Dessin(QWidget* parent = nullptr);
};
