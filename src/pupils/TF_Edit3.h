#pragma once

#include <QWidget>

class TF_Edit3 : public QWidget {
    Q_OBJECT
public:
    explicit TF_Edit3(QWidget* parent = nullptr);
};
