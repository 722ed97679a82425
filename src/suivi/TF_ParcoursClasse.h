#pragma once

#include "ParcoursClasse.h"

#include <QDialog>

#include <optional>

struct Contexte;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "Parcours de la classe": the teacher sets, class by class, the steps the pupils go
// through (a series of one exercise type, or a level of the exercises the program makes,
// each with the successes that end it) and whether they may still open other exercises.
// The path is written in the class's path file, under its lock, and a change made on
// another computer since it was read is replaced only when the teacher says so.
class TF_ParcoursClasse : public QDialog {
    Q_OBJECT
public:
    explicit TF_ParcoursClasse(const Contexte& contexte, QWidget* parent = nullptr);

    bool modifie() const { return modifie_; }
    const ParcoursClasse& parcours() const { return parcours_; }

    void ComboClasseChange();
    void ComboTypeEtapeChange();
    void BoutonAjouterClick();
    void BoutonMonterClick();
    void BoutonDescendreClick();
    void BoutonRetirerClick();
    // False when nothing was written.
    bool BoutonEnregistrerClick();
    void BoutonSupprimerClick();
    void BoutonFermerClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void reject() override;

private:
    const Contexte& contexte_;

    QFrame* Panel1;
    QComboBox* ComboClasse;
    QLabel* LabelMessage;
    QListWidget* ListeEtapes;
    QPushButton* BoutonMonter;
    QPushButton* BoutonDescendre;
    QPushButton* BoutonRetirer;
    QCheckBox* CaseAutres;
    QComboBox* ComboTypeEtape;
    QRadioButton* RadioSerie;
    QRadioButton* RadioNiveau;
    QComboBox* ComboSerieEtape;
    QSpinBox* SpinNiveau;
    QSpinBox* SpinReussites;
    QLabel* LabelDescription;
    QPushButton* BoutonAjouter;
    QPushButton* BoutonEnregistrer;
    QPushButton* BoutonSupprimer;
    QPushButton* BoutonFermer;

    QString classe_;       // the class shown
    ParcoursClasse parcours_;
    std::optional<QByteArray> octetsLus_; // the file as read (nothing: there was none)
    bool modifie_ = false;

    void creerControles();
    void creerControlesEtape();
    void relierControles();
    void FormActivate();
    QString dossierExercices() const;
    QString cheminParcours() const;
    void chargerClasse();
    bool quitterClasse();
    void remplirEtapes(int choisie = -1);
    void decrireEtape();
    void deplacer(int decalage);
    void modifier(int choisie);
    int typeEtape() const;
};
