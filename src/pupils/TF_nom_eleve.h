#pragma once

#include <QDialog>

class TF_nom_eleve : public QDialog {
    Q_OBJECT
public:
    explicit TF_nom_eleve(QWidget* parent = nullptr);
};
