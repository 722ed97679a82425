#pragma once

#include <QDialog>

class TF_choix_exo : public QDialog {
    Q_OBJECT
public:
    explicit TF_choix_exo(QWidget* parent = nullptr);
};
