#pragma once

#include "SuiviClasse.h"

#include <QDialog>

struct Contexte;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

// "Suivi de la classe": the teacher's table of who has done which exercise, with its
// spreadsheet, print and PDF copies. It only reads the results files.
class TF_SuiviClasse : public QDialog {
    Q_OBJECT
public:
    explicit TF_SuiviClasse(const Contexte& contexte, QWidget* parent = nullptr);

    void ComboClasseChange();
    void ComboTypeChange();
    void BoutonTableurClick();
    void BoutonImprimerClick();
    void BoutonPdfClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    const Contexte& contexte_;

    QFrame* Panel1;
    QComboBox* ComboClasse;
    QComboBox* ComboType;
    QComboBox* ComboSerie;
    QLabel* LabelMessage;
    QTableWidget* TableSuivi;
    QPushButton* BoutonTableur;
    QPushButton* BoutonImprimer;
    QPushButton* BoutonPdf;
    QPushButton* BoutonFermer;
    TableauSuivi tableau_;

    void creerControles();
    void creerBoutons();
    void FormActivate();
    QString dossierExercices() const;
    DemandeSuivi demande() const;
    QString titre() const;
    void remplirTable();
    void remplirSeries();
    void remplirLigne(int ligne, const LigneSuivi& eleve);
    void remplirTotaux(int ligne);
    QString choisirFichier(const QString& extension, const QString& filtre);
};
