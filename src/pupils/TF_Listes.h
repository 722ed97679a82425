#pragma once

#include <QDialog>

class TF_Listes : public QDialog {
    Q_OBJECT
public:
    explicit TF_Listes(QWidget* parent = nullptr);
};
