#pragma once

#include <QDialog>

struct Contexte;
class ListeEleves;
class QFrame;
class QLabel;
class QPushButton;

// "Gestion des bilans": lists the results files of the results folder and erases the one
// the teacher selects; at the end of a school year, archives the year's results files and
// class lists and erases them.
class TF_efface_bilans : public QDialog {
    Q_OBJECT
public:
    explicit TF_efface_bilans(const Contexte& contexte, QWidget* parent = nullptr);

    void ListBox3Click();
    void BoutonSuppressionReussitesClick();
    void Bouton_QuitterClick();
    void BoutonFinAnneeClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void reject() override;

private:
    const Contexte& contexte_;

    QFrame* Panel1;
    QLabel* Label1;
    QLabel* Label5;
    ListeEleves* ListBox3;
    QPushButton* BoutonSuppressionReussites;
    QPushButton* Bouton_Quitter;
    QPushButton* BoutonFinAnnee;
    QString dossier_; // the results folder listed
    QString FichierAEffacer_;
    int IndiceAEffacer_ = -1;

    void creerControles();
    void FormActivate();
};
