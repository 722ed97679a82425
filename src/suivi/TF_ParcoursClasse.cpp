#include "TF_ParcoursClasse.h"

#include "AvancementParcours.h"
#include "ChoixExercice.h"
#include "Contexte.h"
#include "Controles.h"
#include "Couleurs.h"
#include "Dialogues.h"
#include "Enregistrements.h"
#include "Niveaux.h"
#include "Operations.h"
#include "SuiviClasse.h"
#include "Verrou.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {
const QStringList NomsTypes = {QStringLiteral("2 : lignes"), QStringLiteral("3 : lignes et couleurs"),
                               QStringLiteral("4 : autour d'un axe"), QStringLiteral("5 : par rapport à un point")};
const QString TexteToutes = QStringLiteral("toutes");

QSpinBox* creerNombre(QWidget* parent, const QString& nom, const QRect& place, const QString& accessible)
{
    auto* nombre = new QSpinBox(parent);
    nombre->setObjectName(nom);
    nombre->setGeometry(place);
    nombre->setFont(PoliceArial(15));
    nombre->setAccessibleName(accessible);
    return nombre;
}

// A series name is kept on one line of the path file.
bool surUneLigne(const QString& nom)
{
    return !nom.contains(QLatin1Char('\n')) && !nom.contains(QLatin1Char('\r'));
}
} // namespace

TF_ParcoursClasse::TF_ParcoursClasse(const Contexte& contexte, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
{
    PreparerFenetreGestion(this, QStringLiteral("F_ParcoursClasse"), QStringLiteral("Parcours de la classe"),
                           QSize(808, 606));
    creerControles();
    relierControles();
    AdapterEcran(this);
    CentrerPanneau(Panel1);
}

void TF_ParcoursClasse::creerControles()
{
    Panel1 = CreerPanneau(this, QStringLiteral("Panel1"), {8, 12, 784, 548}, CouleurPanneauGestion);
    const QFont gras = PoliceArial(16, true);
    CreerEtiquette(Panel1, QStringLiteral("LabelClasse"), QStringLiteral("Classe :"), {12, 16, 0, 0}, gras, CouleurNoir);
    ComboClasse = CreerListeDeroulante(Panel1, QStringLiteral("ComboClasse"), {90, 10, 240, 30}, PoliceArial(15),
                                       QStringLiteral("Classe"));
    LabelMessage = CreerEtiquette(Panel1, QStringLiteral("LabelMessage"), QString(), {12, 46, 760, 38},
                                  PoliceArial(14, true), CouleurRouge);
    LabelMessage->setWordWrap(true);
    CreerEtiquette(Panel1, QStringLiteral("LabelEtapes"), QStringLiteral("Les étapes, dans l'ordre"), {12, 90, 400, 24},
                   gras, CouleurMarron);
    ListeEtapes = new QListWidget(Panel1);
    ListeEtapes->setObjectName(QStringLiteral("ListeEtapes"));
    ListeEtapes->setAccessibleName(QStringLiteral("Étapes du parcours"));
    ListeEtapes->setGeometry(12, 116, 400, 296);
    ListeEtapes->setFont(PoliceArial(15));
    BoutonMonter = CreerBouton(Panel1, QStringLiteral("BoutonMonter"), QStringLiteral("Monter"), {12, 418, 126, 36},
                               PoliceArial(15, true));
    BoutonDescendre = CreerBouton(Panel1, QStringLiteral("BoutonDescendre"), QStringLiteral("Descendre"),
                                  {146, 418, 126, 36}, PoliceArial(15, true));
    BoutonRetirer = CreerBouton(Panel1, QStringLiteral("BoutonRetirer"), QStringLiteral("Retirer"), {280, 418, 132, 36},
                                PoliceArial(15, true));
    CaseAutres = new QCheckBox(QStringLiteral("Les élèves peuvent aussi ouvrir les autres exercices"), Panel1);
    CaseAutres->setObjectName(QStringLiteral("CaseAutres"));
    CaseAutres->setGeometry(12, 460, 420, 28);
    CaseAutres->setFont(PoliceArial(14, true));
    creerControlesEtape();
    BoutonEnregistrer = CreerBouton(Panel1, QStringLiteral("BoutonEnregistrer"), QStringLiteral("Enregistrer"),
                                    {12, 494, 180, 42}, gras);
    BoutonSupprimer = CreerBouton(Panel1, QStringLiteral("BoutonSupprimer"), QStringLiteral("Supprimer le parcours"),
                                  {200, 494, 232, 42}, gras);
    BoutonFermer = CreerBouton(Panel1, QStringLiteral("BoutonFermer"), QStringLiteral("Fermer"), {642, 494, 130, 42},
                               gras);
}

// A new step: its exercise type, a series of that type or a level, and the successes
// that end it.
void TF_ParcoursClasse::creerControlesEtape()
{
    const QFont texte = PoliceArial(15);
    CreerEtiquette(Panel1, QStringLiteral("LabelNouvelle"), QStringLiteral("Une nouvelle étape"), {440, 90, 332, 24},
                   PoliceArial(16, true), CouleurMarron);
    CreerEtiquette(Panel1, QStringLiteral("LabelTypeEtape"), QStringLiteral("Exercice :"), {440, 126, 0, 0}, texte,
                   CouleurNoir);
    ComboTypeEtape = CreerListeDeroulante(Panel1, QStringLiteral("ComboTypeEtape"), {540, 120, 232, 30}, texte,
                                          QStringLiteral("Exercice"));
    ComboTypeEtape->addItems(NomsTypes);
    RadioSerie = new QRadioButton(QStringLiteral("une série"), Panel1);
    RadioSerie->setObjectName(QStringLiteral("RadioSerie"));
    RadioSerie->setGeometry(440, 158, 130, 28);
    RadioNiveau = new QRadioButton(QStringLiteral("un niveau au hasard"), Panel1);
    RadioNiveau->setObjectName(QStringLiteral("RadioNiveau"));
    RadioNiveau->setGeometry(576, 158, 196, 28);
    for (QRadioButton* r : {RadioSerie, RadioNiveau})
        r->setFont(texte);
    RadioSerie->setChecked(true);
    CreerEtiquette(Panel1, QStringLiteral("LabelSerieEtape"), QStringLiteral("Série :"), {440, 200, 0, 0}, texte,
                   CouleurNoir);
    ComboSerieEtape = CreerListeDeroulante(Panel1, QStringLiteral("ComboSerieEtape"), {540, 194, 232, 30}, texte,
                                           QStringLiteral("Série"));
    CreerEtiquette(Panel1, QStringLiteral("LabelNiveauEtape"), QStringLiteral("Niveau :"), {440, 238, 0, 0}, texte,
                   CouleurNoir);
    SpinNiveau = creerNombre(Panel1, QStringLiteral("SpinNiveau"), {540, 232, 70, 30}, QStringLiteral("Niveau"));
    CreerEtiquette(Panel1, QStringLiteral("LabelReussites"), QStringLiteral("Réussites qui la terminent :"),
                   {440, 276, 0, 0}, texte, CouleurNoir);
    SpinReussites = creerNombre(Panel1, QStringLiteral("SpinReussites"), {670, 270, 102, 30},
                                QStringLiteral("Réussites qui terminent l'étape"));
    SpinReussites->setMaximum(ParcoursClasse::ReussitesMax);
    BoutonAjouter = CreerBouton(Panel1, QStringLiteral("BoutonAjouter"), QStringLiteral("Ajouter l'étape"),
                                {540, 310, 232, 40}, PoliceArial(16, true));
    LabelDescription = CreerEtiquette(Panel1, QStringLiteral("LabelDescription"), QString(), {440, 360, 332, 96},
                                      PoliceArial(14), CouleurNoir);
    LabelDescription->setWordWrap(true);
    LabelDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TF_ParcoursClasse::relierControles()
{
    connect(ComboClasse, &QComboBox::activated, this, &TF_ParcoursClasse::ComboClasseChange);
    connect(ComboTypeEtape, &QComboBox::activated, this, &TF_ParcoursClasse::ComboTypeEtapeChange);
    connect(RadioSerie, &QRadioButton::toggled, this, &TF_ParcoursClasse::ComboTypeEtapeChange);
    connect(ComboSerieEtape, &QComboBox::activated, this, &TF_ParcoursClasse::decrireEtape);
    connect(SpinNiveau, &QSpinBox::valueChanged, this, &TF_ParcoursClasse::decrireEtape);
    connect(BoutonAjouter, &QPushButton::clicked, this, &TF_ParcoursClasse::BoutonAjouterClick);
    connect(BoutonMonter, &QPushButton::clicked, this, &TF_ParcoursClasse::BoutonMonterClick);
    connect(BoutonDescendre, &QPushButton::clicked, this, &TF_ParcoursClasse::BoutonDescendreClick);
    connect(BoutonRetirer, &QPushButton::clicked, this, &TF_ParcoursClasse::BoutonRetirerClick);
    connect(BoutonEnregistrer, &QPushButton::clicked, this, &TF_ParcoursClasse::BoutonEnregistrerClick);
    connect(BoutonSupprimer, &QPushButton::clicked, this, &TF_ParcoursClasse::BoutonSupprimerClick);
    connect(BoutonFermer, &QPushButton::clicked, this, &TF_ParcoursClasse::BoutonFermerClick);
    connect(CaseAutres, &QCheckBox::clicked, this, [this](bool autres) {
        parcours_.autresExercices = autres;
        modifie_ = true;
    });
}

void TF_ParcoursClasse::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormActivate();
}

// The classes, the series and the path are read again at each opening: another teacher
// may have changed them.
void TF_ParcoursClasse::FormActivate()
{
    QStringList classes = ClassesDuDossier(contexte_.dossierProgramme);
    classes.removeAll(SansClasse);
    ComboClasse->clear();
    ComboClasse->addItems(classes);
    if (classes.contains(classe_))
        ComboClasse->setCurrentText(classe_);
    ComboTypeEtapeChange();
    chargerClasse();
}

QString TF_ParcoursClasse::dossierExercices() const
{
    return DossierExercicesAccessible(contexte_);
}

QString TF_ParcoursClasse::cheminParcours() const
{
    return QFileInfo(CheminParcours(contexte_.dossierProgramme, classe_)).absoluteFilePath();
}

void TF_ParcoursClasse::chargerClasse()
{
    classe_ = ComboClasse->currentText();
    modifie_ = false;
    parcours_ = {};
    octetsLus_.reset();
    const bool classe = !classe_.isEmpty();
    for (QWidget* controle : std::initializer_list<QWidget*>{BoutonAjouter, BoutonEnregistrer, BoutonSupprimer,
                                                              CaseAutres, ListeEtapes})
        controle->setEnabled(classe);
    if (!classe) {
        LabelMessage->setText(QStringLiteral("Aucune liste d'élèves : un parcours se fait pour une classe. Créez-la "
                                             "d'abord avec « Listes d'élèves »."));
        remplirEtapes();
        return;
    }
    const LectureParcours lecture = LireParcoursClasse(contexte_.dossierProgramme, classe_);
    if (lecture.parcours) {
        parcours_ = *lecture.parcours;
        octetsLus_ = lecture.octets;
    } else if (!lecture.erreur.isEmpty()) {
        octetsLus_ = lireFichier(cheminParcours());
    }
    QStringList messages{lecture.erreur};
    messages += lecture.remarques;
    messages.removeAll(QString());
    LabelMessage->setText(messages.join(QLatin1Char('\n')));
    LabelMessage->setToolTip(LabelMessage->text());
    CaseAutres->setChecked(parcours_.autresExercices);
    remplirEtapes();
}

// False when the teacher stays on the class shown.
bool TF_ParcoursClasse::quitterClasse()
{
    if (!modifie_)
        return true;
    const Reponse reponse =
        confirmer(QStringLiteral("Le parcours de la classe « %1 » a changé. L'enregistrer ?").arg(classe_),
                  BoutonsMessage::OuiNonAnnuler);
    return reponse == Reponse::Non || (reponse == Reponse::Oui && BoutonEnregistrerClick());
}

void TF_ParcoursClasse::ComboClasseChange()
{
    if (ComboClasse->currentText() == classe_)
        return;
    if (!quitterClasse()) {
        ComboClasse->setCurrentText(classe_);
        return;
    }
    chargerClasse();
}

int TF_ParcoursClasse::typeEtape() const
{
    return PremierTypeHasard + ComboTypeEtape->currentIndex();
}

// The series of that type in the exercises folder, or the levels of its made-up exercises.
void TF_ParcoursClasse::ComboTypeEtapeChange()
{
    const int type = typeEtape();
    const bool serie = RadioSerie->isChecked();
    ComboSerieEtape->clear();
    for (const QString& nom : SeriesDuDossier(dossierExercices(), MasqueExercices(type)))
        if (surUneLigne(nom))
            ComboSerieEtape->addItem(nom);
    ComboSerieEtape->setEnabled(serie);
    SpinNiveau->setEnabled(!serie);
    SpinNiveau->setRange(1, NombreNiveaux(type));
    // For a series, 0 is every exercise of it; a level has no end of its own.
    SpinReussites->setMinimum(serie ? 0 : 1);
    SpinReussites->setSpecialValueText(serie ? TexteToutes : QString());
    SpinReussites->setValue(serie ? 0 : ParcoursClasse::ReussitesNiveauParDefaut);
    decrireEtape();
}

void TF_ParcoursClasse::decrireEtape()
{
    const int type = typeEtape();
    if (RadioNiveau->isChecked()) {
        const NiveauExercice* niveau = NiveauDe(type, SpinNiveau->value());
        LabelDescription->setText(niveau ? DescriptionNiveau(*niveau) : QString());
        BoutonAjouter->setEnabled(!classe_.isEmpty() && niveau);
        return;
    }
    const QString serie = ComboSerieEtape->currentText();
    if (serie.isEmpty()) {
        LabelDescription->setText(QStringLiteral("Aucune série de l'exercice %1 dans le dossier des exercices.").arg(type));
    } else {
        EtapeParcours etape;
        etape.type = type;
        etape.serie = serie;
        const qsizetype nombre = FichiersDesEtapes(ParcoursClasse{{etape}, true}, dossierExercices()).value(0).size();
        LabelDescription->setText(QStringLiteral("« %1 » : %2.").arg(serie, compter(nombre, QStringLiteral("exercice"),
                                                                                   QStringLiteral("exercices"))));
    }
    BoutonAjouter->setEnabled(!classe_.isEmpty() && !serie.isEmpty());
}

void TF_ParcoursClasse::BoutonAjouterClick()
{
    if (parcours_.etapes.size() >= ParcoursClasse::EtapesMax) {
        avertir(QStringLiteral("Un parcours a au plus %1 étapes.").arg(ParcoursClasse::EtapesMax));
        return;
    }
    EtapeParcours etape;
    etape.type = typeEtape();
    etape.reussites = SpinReussites->value();
    if (RadioNiveau->isChecked()) {
        etape.genre = GenreEtape::Niveau;
        etape.niveau = SpinNiveau->value();
    } else {
        etape.serie = ComboSerieEtape->currentText();
        if (etape.serie.isEmpty())
            return;
    }
    parcours_.etapes.append(etape);
    modifier(static_cast<int>(parcours_.etapes.size()) - 1);
}

void TF_ParcoursClasse::BoutonMonterClick()
{
    deplacer(-1);
}

void TF_ParcoursClasse::BoutonDescendreClick()
{
    deplacer(1);
}

void TF_ParcoursClasse::deplacer(int decalage)
{
    const int i = ListeEtapes->currentRow();
    const int j = i + decalage;
    if (i < 0 || j < 0 || j >= parcours_.etapes.size())
        return;
    parcours_.etapes.swapItemsAt(i, j);
    modifier(j);
}

void TF_ParcoursClasse::BoutonRetirerClick()
{
    const int i = ListeEtapes->currentRow();
    if (i < 0 || i >= parcours_.etapes.size())
        return;
    parcours_.etapes.removeAt(i);
    modifier(std::min(i, static_cast<int>(parcours_.etapes.size()) - 1));
}

void TF_ParcoursClasse::modifier(int choisie)
{
    modifie_ = true;
    remplirEtapes(choisie);
}

// Each step as the pupils meet it; a series gone from the exercises folder, or a line of
// the file that is no step, is marked: the pupils pass over it.
void TF_ParcoursClasse::remplirEtapes(int choisie)
{
    ListeEtapes->clear();
    const QList<QStringList> fichiers = FichiersDesEtapes(parcours_, dossierExercices());
    for (qsizetype i = 0; i < parcours_.etapes.size(); ++i) {
        const EtapeParcours& etape = parcours_.etapes[i];
        QString texte;
        bool manque = !etape.lisible();
        if (!etape.lisible()) {
            texte = QStringLiteral("%1. étape illisible : %2").arg(i + 1).arg(etape.illisible);
        } else {
            const QString fin = etape.genre == GenreEtape::Serie && etape.reussites == 0
                ? QStringLiteral("toute la série")
                : compter(etape.reussites, QStringLiteral("réussite"), QStringLiteral("réussites"));
            texte = QStringLiteral("%1. Exercice %2 · %3 · %4").arg(i + 1).arg(etape.type).arg(etape.titre(), fin);
            manque = etape.genre == GenreEtape::Serie && fichiers.value(i).isEmpty();
            if (manque)
                texte += QStringLiteral(" (introuvable)");
        }
        auto* element = new QListWidgetItem(texte, ListeEtapes);
        element->setToolTip(texte);
        if (manque)
            element->setForeground(QColor::fromRgb(VersQRgb(CouleurRouge)));
    }
    if (choisie >= 0)
        ListeEtapes->setCurrentRow(choisie);
}

bool TF_ParcoursClasse::BoutonEnregistrerClick()
{
    if (classe_.isEmpty())
        return false;
    const QString chemin = cheminParcours();
    // Another teacher may have changed the path since this window read it: read again and
    // written under the lock, it is replaced only when the teacher says so.
    bool changeAilleurs = false;
    std::optional<QByteArray> actuel;
    const QByteArray contenu = ContenuParcours(parcours_, classe_);
    const bool ecrit = ChangerSousVerrou(chemin, [&] {
        actuel = lireFichier(chemin);
        if (actuel != octetsLus_) {
            changeAilleurs = true;
            return QString();
        }
        QString erreur;
        if (!ecrireFichier(chemin, contenu, &erreur))
            return messageErreurFichier(QFileInfo(chemin).fileName(), erreur);
        octetsLus_ = contenu;
        return QString();
    });
    if (changeAilleurs) {
        if (confirmer(QStringLiteral("Le parcours de la classe « %1 » a été changé sur un autre ordinateur depuis "
                                     "son ouverture. Le remplacer par celui affiché ?")
                          .arg(classe_))
            != Reponse::Oui)
            return false;
        octetsLus_ = actuel;
        return BoutonEnregistrerClick();
    }
    if (ecrit) {
        modifie_ = false;
        LabelMessage->clear();
    }
    return ecrit;
}

void TF_ParcoursClasse::BoutonSupprimerClick()
{
    if (confirmer(QStringLiteral("Supprimer le parcours de la classe « %1 » ? Ses élèves choisiront de nouveau "
                                 "leurs exercices librement.")
                      .arg(classe_))
        != Reponse::Oui)
        return;
    const QString chemin = cheminParcours();
    const bool supprime = ChangerSousVerrou(chemin, [&] {
        QFile f(chemin);
        return !f.exists() || f.remove() ? QString() : messageErreurFichier(QFileInfo(chemin).fileName(), f.errorString());
    });
    if (supprime)
        chargerClasse();
}

void TF_ParcoursClasse::BoutonFermerClick()
{
    if (quitterClasse())
        accept();
}

// Escape closes the window like "Fermer".
void TF_ParcoursClasse::reject()
{
    BoutonFermerClick();
}

void TF_ParcoursClasse::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    CentrerPanneau(Panel1);
}

void TF_ParcoursClasse::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
        AfficherAide(QStringLiteral("parcours.htm"));
    else
        QDialog::keyPressEvent(evenement);
}
