#pragma once

#include <QDialog>

class TF_ModifCh1 : public QDialog {
    Q_OBJECT
public:
    explicit TF_ModifCh1(QWidget* parent = nullptr);
};
