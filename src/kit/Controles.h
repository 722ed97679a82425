#pragma once

// Building blocks of the windows: controls placed at their design position
// (the windows are scaled afterwards, fonts included), and list boxes that keep their
// items in alphabetical order as the teacher reads it.

#include <QListWidget>
#include <QRect>
#include <QSize>
#include <QString>

class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QPushButton;

QFont Police(const QString& famille, int pixels, bool gras = false);
QFont PoliceArial(int pixels, bool gras = false);

// Colours are given as 0x00BBGGRR, like everywhere else in the program.
void ColorerFond(QWidget* controle, quint32 couleur);
void ColorerTexte(QWidget* controle, quint32 couleur);

// An empty rectangle (size 0) lets the label take the size of its text.
QLabel* CreerEtiquette(QWidget* parent, const QString& nom, const QString& texte,
                       const QRect& geometrie, const QFont& police, quint32 couleur);
QPushButton* CreerBouton(QWidget* parent, const QString& nom, const QString& texte,
                         const QRect& geometrie, const QFont& police);
QFrame* CreerPanneau(QWidget* parent, const QString& nom, const QRect& geometrie,
                     quint32 couleur);
// A drop-down list, named for a screen reader too.
QComboBox* CreerListeDeroulante(QWidget* parent, const QString& nom, const QRect& geometrie, const QFont& police,
                                const QString& nomAccessible);

// Puts a panel in the middle of its window's client area (offsets rounded toward zero).
void CentrerPanneau(QWidget* panneau);

// Maximises a window as it is first shown, just before it reaches the screen. A window
// maximised while hidden gets its place on the display at once, which costs every hidden
// window at start-up.
void MaximiserALaPremiereApparition(QWidget* fenetre);

// The teachers' management windows (results, worksheets, class overview): a blue ground
// with a pale panel, maximised, of the given design size.
constexpr quint32 CouleurFenetreGestion = 0x00FF8080;
constexpr quint32 CouleurPanneauGestion = 0x00FFFFDD;
constexpr quint32 CouleurSarcelle = 0x00808000;
void PreparerFenetreGestion(QDialog* fenetre, const QString& nom, const QString& titre, QSize taille,
                            Qt::WindowFlags autres = {});

// A list box. A sorted one inserts every item in French alphabetical order, without
// regard to case; the other keeps the order of insertion.
class ListeEleves : public QListWidget {
    Q_OBJECT
public:
    ListeEleves(QWidget* parent, const QString& nom, const QRect& geometrie, bool triee);

    // The item's text is shown; donnee (for example a file name) travels with it.
    QListWidgetItem* ajouter(const QString& texte, const QString& donnee = QString());
    QStringList textes() const;
    QString texteChoisi() const; // empty when nothing is selected

private:
    bool triee_;
};
