#pragma once

#include "ImportClasses.h"

#include <QDialog>

struct Contexte;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// "Importer des élèves": what a file will give before anything is written. The classes
// found, the pupils of the class chosen as its list will show them, and every line that
// could not be taken as it stood. The teacher chooses how names appear, turns the order
// of names where the file does not give it, names the class of a file without classes,
// and says what becomes of the classes that have a list already.
class TF_ApercuImport : public QDialog {
    Q_OBJECT
public:
    explicit TF_ApercuImport(const Contexte& contexte, QWidget* parent = nullptr);

    // Shows the reading of the file at chemin (made with the order guessed).
    void montrer(const QString& chemin, const LectureImport& lecture);

    const ApercuImport& apercu() const { return apercu_; }
    ModeExistantes mode() const;

    void BoutonImporterClick();

protected:
    void resizeEvent(QResizeEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    const Contexte& contexte_;
    QString chemin_;
    LectureImport lecture_;
    ApercuImport apercu_;

    QFrame* Panel1;
    QLabel* LabelFichier;
    QComboBox* ComboPresentation;
    QCheckBox* CaseOrdre;
    QLabel* LabelClasse;
    QLineEdit* EditClasse;
    QLabel* LabelExistantes;
    QRadioButton* RadioAjouter;
    QRadioButton* RadioRemplacer;
    QListWidget* ListeClasses;
    QListWidget* ListeNoms;
    QListWidget* ListeRemarques;
    QPushButton* BoutonImporter;
    QPushButton* BoutonAnnuler;

    void creerControles();
    void relire();
    void actualiser();
    void montrerClasse();
};
