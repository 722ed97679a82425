#pragma once

#include "SerieHasard.h"

#include <QDialog>

#include <functional>

struct Contexte;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Créer une série au hasard": a type, a level or a range of levels, a number of
// exercises and, when the teacher wants the same series again, a starting number; the
// series is written into the exercises folder under the name given.
class TF_SerieHasard : public QDialog {
    Q_OBJECT
public:
    // graineAuHasard gives the starting number when none is typed (by default, one drawn
    // from the system).
    explicit TF_SerieHasard(const Contexte& contexte, std::function<quint32()> graineAuHasard = {},
                            QWidget* parent = nullptr);

    void ChoixTypeChange();
    void ChoixNiveauChange(QComboBox* change);
    void BoutonCreerClick();

    // The series as the controls ask for it; nothing when the starting number is no number.
    std::optional<DemandeSerie> demande() const;
    // The last series written by this window.
    const BilanSerie& bilan() const { return bilan_; }

protected:
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    int type() const;
    void proposerNom();
    void decrireNiveaux();

    const Contexte& contexte_;
    std::function<quint32()> graineAuHasard_;
    BilanSerie bilan_;
    QString nomPropose_; // replaced as the choices change, unless the teacher typed another

    QComboBox* ChoixType;
    QComboBox* ChoixPremierNiveau;
    QComboBox* ChoixDernierNiveau;
    QLabel* LabelNiveaux;
    QSpinBox* NombreExercices;
    QLineEdit* EditGraine;
    QLineEdit* EditNom;
    QPushButton* BoutonCreer;
    QPushButton* BoutonAnnuler;
};
