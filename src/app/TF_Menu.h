#pragma once

#include "Fenetres.h"

#include <QWidget>

class TF_Menu : public QWidget {
    Q_OBJECT
public:
    explicit TF_Menu(QWidget* parent = nullptr);
    void connaitre(const Fenetres& fenetres);

private:
    Fenetres fenetres_;
};
