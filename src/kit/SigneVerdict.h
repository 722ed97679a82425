#pragma once

#include <QWidget>

class QLabel;

// A tick beside "Juste", a cross beside "Faux": the verdict told by shape as well as by
// colour, for children who do not see colours well. It follows its label's text, so the
// windows have nothing to tell it; screen readers hear the verdict's word.
class SigneVerdict : public QWidget {
    Q_OBJECT
public:
    explicit SigneVerdict(QLabel* etiquette);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void placer();

    QLabel* etiquette_;
    QString verdict_; // "Juste", "Faux" or empty
};
