#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>

#include <optional>

struct Contexte;
class ListeEleves;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class TF_ApercuImport;

// "Création de listes d'élèves.": the teacher makes, opens and saves class lists.
class TF_Listes : public QDialog {
    Q_OBJECT
public:
    explicit TF_Listes(const Contexte& contexte, QWidget* parent = nullptr);

    bool modifiee() const { return modifiee_; }

    void bouton_nouveauClick();
    void bouton_ouvrirClick();
    // False when nothing was written (no name, a refused name, or a failed write).
    bool bouton_enregistrerClick();
    void bouton_quitterClick();
    void bouton_rayerClick();
    void ListBox1Click();
    void ajouterEleve();
    void bouton_importerClick();
    void bouton_exporterClick();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void reject() override;

private:
    const Contexte& contexte_;

    QMenuBar* MainMenu1;
    QFrame* Panel1;
    QLabel* Label4;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    ListeEleves* ListBox1;
    QPushButton* bouton_nouveau;
    QPushButton* bouton_ouvrir;
    QPushButton* bouton_enregistrer;
    QPushButton* bouton_quitter;
    QPushButton* bouton_rayer;
    QPushButton* bouton_importer;
    QPushButton* bouton_exporter;
    TF_ApercuImport* apercuImport_ = nullptr; // made at the first import
    bool modifiee_ = false;
    QList<QByteArray> enregistrementsLus_; // of the class opened, kept when it is saved
    // The class file as this window last read or wrote it, to tell whether another
    // teacher changed it since.
    QString fichierConnu_;
    std::optional<QByteArray> contenuConnu_;

    void creerControles();
    void creerMenu();
    void viderBoites();
    void ouvrirClasse(QString fichier);
};
