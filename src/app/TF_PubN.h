#pragma once

#include <QDialog>

class TF_PubN : public QDialog {
    Q_OBJECT
public:
    explicit TF_PubN(QWidget* parent = nullptr);
};
