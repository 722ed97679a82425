#pragma once

#include <QDialog>

class TF_preferences : public QDialog {
    Q_OBJECT
public:
    explicit TF_preferences(QWidget* parent = nullptr);
};
