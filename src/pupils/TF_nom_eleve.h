#pragma once

#include <QDialog>

struct Contexte;
class ListeEleves;
class QLineEdit;
class QPushButton;

// "Nom de l'utilisateur.": the pupil picks a class and a name, types a name, or chooses
// training. The only output is the pupil's and the class's names in the context; an empty
// pupil's name starts nothing.
class TF_nom_eleve : public QDialog {
    Q_OBJECT
public:
    explicit TF_nom_eleve(Contexte& contexte, QWidget* parent = nullptr);

    int nbClasses() const { return NbClasses_; }

    void ListBox3Click();
    void ListBox1Click();
    void ListBox1DblClick();
    void bouton_valideClick();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void reject() override;

private:
    Contexte& contexte_;
    ListeEleves* ListBox3;
    ListeEleves* ListBox1;
    QLineEdit* Edit2;
    QLineEdit* Edit1;
    QPushButton* bouton_valide;
    QPushButton* BitBtn1;
    int NbClasses_ = 0;

    void creerControles();
    void FormActivate();
};
