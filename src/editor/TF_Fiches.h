#pragma once

#include "Fiches.h"

#include <QDialog>

#include <functional>

struct Contexte;
class ListeEleves;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// "Fiches à imprimer": the exercises of one series, or exercises made by the program at a
// level, ticked, printed or saved as PDF worksheets with their answer sheets.
class TF_Fiches : public QDialog {
    Q_OBJECT
public:
    // graineAuHasard gives the number the exercises made by the program start from (by
    // default, one drawn from the system).
    explicit TF_Fiches(const Contexte& contexte, std::function<quint32()> graineAuHasard = {},
                       QWidget* parent = nullptr);

    void ChoixTypeChange();
    void ListeSeriesClick();
    void BoutonImprimerClick();
    void BoutonEnregistrerPdfClick();
    void BoutonHasardClick();

    // The ticked exercises as read, and the options chosen.
    SerieFiches serieCochee() const;
    OptionsFiches options() const;

protected:
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    const Contexte& contexte_;
    std::function<quint32()> graineAuHasard_;
    QString dossier_;      // the exercises folder listed
    QString dossierSerie_; // the series shown, empty when none

    QFrame* Panel1;
    QComboBox* ChoixType;
    ListeEleves* ListeSeries;
    QListWidget* ListeExercices;
    QComboBox* ChoixTaille;
    QComboBox* ChoixParPage;
    QComboBox* ChoixCorriges;
    QPushButton* BoutonImprimer;
    QPushButton* BoutonEnregistrerPdf;
    QPushButton* BoutonFermer;
    QComboBox* ChoixNiveau;
    QSpinBox* NombreHasard;
    QPushButton* BoutonHasard;
    QLabel* Label5;

    void creerControles();
    void creerHasard();
    QComboBox* creerChoix(const QString& nom, const QString& legende, const QStringList& items,
                          int y);
    int numeroExercice() const;
    void listerExercices();
    bool imprimable(const SerieFiches& serie) const;
    void dire(const QString& texte);
};
