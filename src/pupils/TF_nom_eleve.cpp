#include "TF_nom_eleve.h"

#include "Classes.h"
#include "Controles.h"
#include "Couleurs.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "Contexte.h"
#include "GlyphesBoutons.h"
#include "GlyphesEleves.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {
const QString NomEntrainement = QStringLiteral("entrainement");

QLineEdit* creerSaisie(QWidget* parent, const QString& nom, const QRect& geometrie)
{
    auto* saisie = new QLineEdit(parent);
    saisie->setObjectName(nom);
    saisie->setGeometry(geometrie);
    saisie->setFont(PoliceArial(13));
    return saisie;
}
} // namespace

TF_nom_eleve::TF_nom_eleve(Contexte& contexte, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
{
    setObjectName(QStringLiteral("F_nom_eleve"));
    setWindowTitle(QStringLiteral("Nom de l'utilisateur."));
    // No title-bar buttons: the pupil leaves by validating or by choosing training.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(712, 399);
    creerControles();
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->geometry().center() - rect().center());
}

void TF_nom_eleve::creerControles()
{
    auto* panel1 = CreerPanneau(this, QStringLiteral("Panel1"), {40, 9, 633, 281}, CouleurGris);
    panel1->setFrameShape(QFrame::Panel);
    panel1->setFrameShadow(QFrame::Sunken);
    ListBox3 = new ListeEleves(panel1, QStringLiteral("ListBox3"), {20, 8, 189, 256}, false);
    ListBox3->setAccessibleName(QStringLiteral("Classes"));
    ListBox1 = new ListeEleves(panel1, QStringLiteral("ListBox1"), {224, 8, 161, 256}, false);
    ListBox1->setAccessibleName(QStringLiteral("Élèves"));
    auto* label1 = CreerEtiquette(panel1, QStringLiteral("Label1"),
                                  QStringLiteral("Choisis ta classe puis clique sur ton nom ou "
                                                 "écris-le sous la liste puis valide."),
                                  {400, 8, 217, 81}, PoliceArial(13), CouleurBleu);
    label1->setWordWrap(true);
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFont titres = Police(QStringLiteral("Times New Roman"), 19, true);
    CreerEtiquette(panel1, QStringLiteral("Label4"), QStringLiteral("Ta classe"),
                   {416, 91, 169, 25}, titres, CouleurBleu)
        ->setAlignment(Qt::AlignCenter);
    Edit2 = creerSaisie(panel1, QStringLiteral("Edit2"), {408, 118, 201, 24});
    Edit2->setAccessibleName(QStringLiteral("Classe"));
    CreerEtiquette(panel1, QStringLiteral("Label5"), QStringLiteral("Ton nom"),
                   {416, 158, 169, 25}, titres, CouleurBleu)
        ->setAlignment(Qt::AlignCenter);
    Edit1 = creerSaisie(panel1, QStringLiteral("Edit1"), {408, 184, 201, 24});
    Edit1->setAccessibleName(QStringLiteral("Nom"));
    Edit1->installEventFilter(this);

    bouton_valide = CreerBouton(panel1, QStringLiteral("bouton_valide"),
                                QStringLiteral("Valider le nom"), {440, 224, 145, 41},
                                PoliceArial(16, true));
    ColorerTexte(bouton_valide, CouleurMarron);
    bouton_valide->setIcon(IconeValider());
    BitBtn1 = CreerBouton(this, QStringLiteral("BitBtn1"), QStringLiteral("Entraînement"),
                          {224, 312, 257, 41}, PoliceArial(16, true));
    ColorerTexte(BitBtn1, CouleurVertFonce);
    BitBtn1->setIcon(GlypheEntrainement());

    connect(ListBox3, &QListWidget::itemClicked, this, &TF_nom_eleve::ListBox3Click);
    connect(ListBox1, &QListWidget::itemClicked, this, &TF_nom_eleve::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TF_nom_eleve::ListBox1DblClick);
    connect(bouton_valide, &QPushButton::clicked, this, &TF_nom_eleve::bouton_valideClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TF_nom_eleve::BitBtn1Click);
}

void TF_nom_eleve::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormActivate();
}

void TF_nom_eleve::FormActivate()
{
    ListBox3->clear();
    NbClasses_ = 0;
    for (const EntreeDossier& entree :
         listerDossier(contexte_.dossierProgramme, QLatin1Char('*') + ExtensionClasse)) {
        ListBox3->ajouter(NomDeClasse(entree.nom), entree.nom);
        ++NbClasses_;
    }
    if (!contexte_.nomEleve.isEmpty()) {
        Edit1->setText(contexte_.nomEleve);
        Edit2->setText(contexte_.nomClasse);
        Edit1->selectAll();
    }
    if (NbClasses_ == 0)
        Edit1->setFocus();
}

void TF_nom_eleve::ListBox3Click()
{
    const QListWidgetItem* element = ListBox3->currentItem();
    const bool choisie = element && element->isSelected();
    if (choisie) {
        contexte_.nomClasse = element->text();
        Edit2->setText(contexte_.nomClasse);
        Edit1->clear();
    }
    if (contexte_.nomClasse.isEmpty())
        return;
    ListBox1->clear();
    Edit1->clear();
    // The class files live in the program folder. The listed file is opened by its own
    // name, a class typed by hand whatever the case of its letters.
    const QString dossier = contexte_.dossierProgramme;
    const QString chemin = choisie
        ? QDir(dossier).filePath(element->data(Qt::UserRole).toString())
        : fichierSansCasse(dossier, contexte_.nomClasse + ExtensionClasse);
    const QString fichier = QFileInfo(chemin).fileName();
    const LectureClasse lecture = LireClasse(chemin);
    for (const QString& nom : lecture.noms)
        ListBox1->ajouter(nom);
    if (!lecture.erreur.isEmpty())
        avertir(messageErreurFichier(fichier, lecture.erreur));
}

void TF_nom_eleve::ListBox1Click()
{
    const QString nom = ListBox1->texteChoisi();
    if (!nom.isEmpty())
        Edit1->setText(nom);
}

void TF_nom_eleve::ListBox1DblClick()
{
    ListBox1Click();
    bouton_valideClick();
}

void TF_nom_eleve::bouton_valideClick()
{
    contexte_.nomClasse = Edit2->text();
    contexte_.nomEleve = Edit1->text();
    accept();
}

void TF_nom_eleve::BitBtn1Click()
{
    contexte_.nomEleve = NomEntrainement;
    accept();
}

// A name typed by hand is not tied to a class: clicking into the name box forgets the
// class, and typing forgets the pupil picked in the list.
bool TF_nom_eleve::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == Edit1) {
        if (evenement->type() == QEvent::MouseButtonPress) {
            Edit2->clear();
            contexte_.nomClasse.clear();
        } else if (evenement->type() == QEvent::KeyRelease) {
            ListBox1->clearSelection();
            ListBox1->setCurrentItem(nullptr);
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

// The window has no close button; Escape does not close it either.
void TF_nom_eleve::reject() {}
