#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// A tick beside "Juste", a cross beside "Faux": the verdict told by shape as well as by
// colour, for children who do not see colours well. It follows its label's text, so the
// windows have nothing to tell it; screen readers hear the verdict's word.
//
// In board mode (EnModeTableau) a new verdict is also shown large in the middle of the
// window for a moment, the sign above the word, to be read from the back of the classroom.
// A tap goes through it.
class SigneVerdict : public QWidget {
    Q_OBJECT
public:
    static constexpr int DureeGrandVerdictMs = 2500;

    explicit SigneVerdict(QLabel* etiquette);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void placer();
    void montrerEnGrand();

    QLabel* etiquette_;
    QString verdict_; // "Juste", "Faux" or empty
    QWidget* grand_ = nullptr; // the large verdict, made the first time board mode needs it
    QTimer* minuterie_;
};
