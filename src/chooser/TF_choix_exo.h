#pragma once

#include "AvancementParcours.h"
#include "ChoixExercice.h"

#include <QDialog>
#include <QImage>

#include <functional>

struct Contexte;
class ListeEleves;
class QFrame;
class QLabel;
class QLineEdit;
struct ExerciceLu;
class QListWidgetItem;
class QPushButton;

// The picture of the preview, drawn by the chooser and shown as it is.
class ImageApercu : public QWidget {
    Q_OBJECT
public:
    ImageApercu(QWidget* parent, const QString& nom, const QRect& geometrie);
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // New size of the control and its picture; the drawing so far stays at the top left.
    void dimensionner(const QSize& taille);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QImage image_;
};

// The exercise chooser: series on the left, their exercises ("réussis" and "à faire" for
// a tracked pupil playing, a plain list otherwise and always in the editor), a preview of the exercise clicked, and
// "Valider" (accepted) or "Annuler" (rejected), which hands back the exercise or nothing.
// A pupil may also ask for exercises made by the program ("Au hasard", at the pupil's
// level) or type the code of one. When the pupil's class has a path, the chooser shows its
// steps, opens on the pupil's current one and offers "Continuer" to the next exercise not
// yet done; when the teacher keeps the pupils on the path, nothing else is offered.
class TF_choix_exo : public QDialog, public ChoisirExercice {
    Q_OBJECT
public:
    explicit TF_choix_exo(const Contexte& contexte, QWidget* parent = nullptr);

    // Shows the chooser modally and hands back the exercise validated, or nothing.
    ExerciceChoisi choisir(const QString& dossierExercices, bool depuisEditeur) override;
    // What the next showing lists: the series of that folder, and from the editor also
    // the files of every type.
    void preparer(const QString& dossierExercices, bool depuisEditeur);
    // The exercise clicked last (empty after "Annuler" or a change of series).
    const ExerciceChoisi& choisi() const { return choisi_; }

    QString serieChoisie() const { return SerieChoisie_; }
    int tailleCaseApercu() const { return TailleCaseApercu_; }
    // Where "Au hasard" takes the number of its first exercise (the system's randomness
    // unless a test gives its own).
    void fixerSourceGraine(std::function<quint32()> source);

    void ListBox1Click();
    void ExerciceClick(ListeEleves* liste);
    void SpeedButton1Click();
    void Button1Click();
    void Button2Click();
    void BoutonHasardClick();
    void BoutonCodeClick();
    void ListeParcoursClick();
    void BoutonContinuerClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void reject() override;

private:
    const Contexte& contexte_;

    QFrame* Panel_Etalon;
    QFrame* PanelMilieu;
    QLabel* consigne;
    QLabel* Label1;
    ListeEleves* ListBox1;
    QPushButton* SpeedButton1;
    QFrame* Panel_exos1;
    QFrame* Panel_exos2;
    ListeEleves* ListBox2;
    ListeEleves* ListBox3;
    ListeEleves* ListBox4;
    QFrame* PanelJeu;
    ImageApercu* Image1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* BoutonHasard;
    QLabel* LabelCode;
    QLineEdit* EditCode;
    QPushButton* BoutonCode;
    QFrame* Panel_hasard;
    QLabel* LabelNiveau;
    QLabel* LabelDescription;
    QLabel* LabelCodeChoisi;
    QLabel* LabelExplication;
    ListeEleves* ListeParcours;
    QLabel* LabelParcours;
    QLabel* LabelAutres;
    QPushButton* BoutonContinuer;

    QString SerieChoisie_;
    ExerciceChoisi choisi_;
    QString dossier_;
    bool depuisEditeur_ = false;
    bool tousLesTypes_ = false;
    QStringList bilan_; // the tracked pupil's records, read for each series listed
    int TailleCaseApercu_ = 0;
    double echelle_ = 1.0;
    // The pupil's place along the class's path, read at each opening; nothing without one.
    std::optional<AvancementParcours> avancement_;
    std::function<quint32()> sourceGraine_;

    void creerControles();
    void creerControlesHasard();
    void creerControlesParcours();
    void disposer(bool parcours);
    void montrerParcours(const QString& message);
    QString texteEtape(qsizetype i) const;
    QString situationParcours() const;
    void ouvrirEtape(qsizetype i);
    CodeExercice codeAuNiveau(int niveau);
    void relierControles();
    void FormActivate();
    bool suiviMontre() const;
    bool hasardOffert() const;
    void montrerListes();
    void choisirCode(const CodeExercice& code, bool duParcours = false);
    void ListerSeries();
    void ouvrirSerie(const QString& serie);
    void ListerExercices();
    void ajouterExercice(const QString& fichier);
    void viderApercu();
    void DessinerApercu();
    void dessinerExercice(ExerciceLu& exercice, const QString& nom);
    void dimensionnerApercu(int nbColonnes, int nbLignes);
};
