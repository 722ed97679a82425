#pragma once

#include <QDialog>

class TF_efface_bilans : public QDialog {
    Q_OBJECT
public:
    explicit TF_efface_bilans(QWidget* parent = nullptr);
};
