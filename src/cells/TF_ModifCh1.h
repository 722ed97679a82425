#pragma once

#include <QDialog>

struct Contexte;
class GroupeRadio;
class QPushButton;

// Lets the pupil change the size of exercise 1 and its count of coloured cells during a
// game. Edits the settings in memory only; the caller compares the values afterwards.
class TF_ModifCh1 : public QDialog {
    Q_OBJECT
public:
    explicit TF_ModifCh1(Contexte& contexte, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    Contexte& contexte_;
    void FormActivate();
    void NbCasesJeu1Click(int index);
    void NbCasesCouleurClick(int index);
    void BitBtn1Click();

    GroupeRadio* NbCasesJeu1;
    GroupeRadio* NbCasesCouleur;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;
    int tailleActivation_ = 0;
    int colorationActivation_ = 0;
};
