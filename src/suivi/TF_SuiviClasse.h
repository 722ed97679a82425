#pragma once

#include "SuiviClasse.h"

#include <QDialog>

#include <memory>

struct Contexte;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class QTemporaryDir;
class TF_EnDirect;

// "Suivi de la classe": the teacher's table of who has done which exercise, with its
// spreadsheet, print and PDF copies. It only reads the results files, those of the year
// or those an archive of a past year keeps. Names may be hidden behind initials for a
// table shown to the whole class. "En direct" follows the class during the lesson.
class TF_SuiviClasse : public QDialog {
    Q_OBJECT
public:
    explicit TF_SuiviClasse(const Contexte& contexte, QWidget* parent = nullptr);
    ~TF_SuiviClasse() override;

    void ComboClasseChange();
    void ComboTypeChange();
    void BoutonTableurClick();
    void BoutonImprimerClick();
    void BoutonPdfClick();
    void BoutonArchiveClick();
    void BoutonEnDirectClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    const Contexte& contexte_;

    QFrame* Panel1;
    QComboBox* ComboClasse;
    QComboBox* ComboType;
    QComboBox* ComboSerie;
    QLabel* LabelMessage;
    QCheckBox* CaseMasquerNoms;
    QLabel* LabelArchive;
    QPushButton* BoutonArchive;
    QPushButton* BoutonEnDirect;
    QTableWidget* TableSuivi;
    QPushButton* BoutonTableur;
    QPushButton* BoutonImprimer;
    QPushButton* BoutonPdf;
    QPushButton* BoutonFermer;
    TableauSuivi tableau_;
    // The archive unfolded while it is shown, removed when the window closes.
    std::unique_ptr<QTemporaryDir> archive_;
    QString nomArchive_;
    TF_EnDirect* enDirect_ = nullptr; // made at its first opening

    void creerControles();
    void creerBoutons();
    void FormActivate();
    QString dossierExercices() const;
    QString dossierListes() const;
    QString dossierBilans() const;
    void fermerArchive();
    DemandeSuivi demande() const;
    QString titre() const;
    TableauSuivi copie();
    void remplirTable();
    void remplirSeries();
    void remplirLigne(int ligne, const LigneSuivi& eleve);
    void remplirTotaux(int ligne);
    QString choisirFichier(const QString& extension, const QString& filtre);
};
