#pragma once

#include "Contexte.h"
#include "Preferences.h"

#include <QDialog>

#include <array>

class ZoneMosaique;
class QButtonGroup;
class QCheckBox;
class QSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;
class TenirGeometrie;

// The teacher's settings: exercise 1, the recording switch, the two folders, the three
// background pictures, the help after "Faux", the levels offered au hasard and the
// classroom's board. Every change takes effect in memory at once; the preference files
// change only on "&Valider" (and "Valeurs par &défaut", which deletes them).
class TF_preferences : public QDialog {
    Q_OBJECT
public:
    explicit TF_preferences(Contexte& contexte, QWidget* parent = nullptr);

    // Loads the four preference files into the shared state and into the controls.
    void ChargerPreferences();
    // Writes the preference files from the shared state, asking first when another
    // computer changed them since they were loaded. False when the teacher kept the other
    // computer's preferences (nothing written).
    bool EnregistrerPreferences();

    void FormActivate();
    void ModifChoix1Click(int item);
    void NbCasesJeu1Click(int item);
    void NbCasesCouleurClick(int item);
    void ChoixBilanReussiteClick();
    void ChoixRepClick();
    void ChoixRepExoClick();
    void BoutonImageClick(int slot);
    void AucuneClick(int slot);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Par_defautClick();

    void reject() override; // Escape is "&Annuler": the in-memory changes are undone too

protected:
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    Contexte& contexte_;
    void construirePageExercices(QWidget* page);
    void construirePageImages(QWidget* page);
    void construirePageRetours(QWidget* page);
    void construirePageHasard(QWidget* page);
    void construirePageTableau(QWidget* page);
    void montrerRetours();
    void retoursChanges();
    void construirePanelBoutons();
    void etiqueterNbCasesCouleur();
    void montrerDossiers();
    void repeindreApercus();

    QTabWidget* PageControl1;
    QWidget* PanelBoutons;
    QButtonGroup* ModifChoix1;
    QButtonGroup* NbCasesJeu1;
    QButtonGroup* NbCasesCouleur;
    QCheckBox* ChoixBilanReussite;
    QCheckBox* ChoixMontrerErreurs;
    QCheckBox* ChoixProposerSolution;
    QCheckBox* ChoixLireAVoixHaute;
    QCheckBox* ChoixJouerSons;
    QCheckBox* ChoixProposerNiveaux;
    QCheckBox* ChoixModeTableau;
    QSpinBox* EssaisSolution;
    QLabel* Label_Emplacement;
    QLabel* Label_EmplacementExos;
    std::array<ZoneMosaique*, 3> PaintBox{};
    std::array<QLabel*, 3> Label_Image{};
    TenirGeometrie* Timer1;

    // Copies kept for "&Annuler".
    std::array<quint8, 4> copieReglages_{};
    EnregistrementRetours copieRetours_;
    EnregistrementHasard copieHasard_;
    EnregistrementTableau copieTableau_;
    QString copieDossierBilans_;
    QString copieDossierExercices_;
    std::array<QString, 3> copieImages_;
    // The files as loaded, to tell whether another computer changed them since.
    ContenusPreferences vus_;
};
