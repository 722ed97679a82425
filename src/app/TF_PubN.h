#pragma once

#include <QDialog>

struct Contexte;
class QFrame;

// The about window: the version text over the program's pictures.
class TF_PubN : public QDialog {
    Q_OBJECT
public:
    explicit TF_PubN(const Contexte& contexte, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    const Contexte& contexte_;
    QFrame* Panel1;
};
