#include "TF_Listes.h"

#include "Classes.h"
#include "Controles.h"
#include "Couleurs.h"
#include "Contexte.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "ImportClasses.h"
#include "Operations.h"
#include "TF_ApercuImport.h"
#include "Verrou.h"

#include <optional>

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {
constexpr quint32 CouleurFenetre = 0x00404080;
constexpr quint32 CouleurPanneau = 0x00C6FFFF;
constexpr int HauteurMenu = 22;

QLineEdit* creerSaisie(QWidget* parent, const QString& nom, const QRect& geometrie)
{
    auto* saisie = new QLineEdit(parent);
    saisie->setObjectName(nom);
    saisie->setGeometry(geometrie);
    saisie->setFont(PoliceArial(19));
    return saisie;
}

bool contientSeparateur(const QString& nom)
{
    return nom.contains(QLatin1Char('/')) || nom.contains(QLatin1Char('\\'));
}
} // namespace

TF_Listes::TF_Listes(const Contexte& contexte, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
{
    setObjectName(QStringLiteral("F_Listes"));
    setWindowTitle(QStringLiteral("Création de listes d'élèves."));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowMinMaxButtonsHint);
    MaximiserALaPremiereApparition(this);
    resize(808, 580);
    ColorerFond(this, CouleurFenetre);
    creerControles();
    creerMenu();
    AdapterEcran(this);
    CentrerPanneau(Panel1);
    bouton_enregistrer->setEnabled(false);
    bouton_rayer->setEnabled(false);
    Edit1->setEnabled(false);
    Edit2->setEnabled(false);
    bouton_nouveau->setEnabled(true);
    Label4->hide();
}

void TF_Listes::creerControles()
{
    Panel1 = CreerPanneau(this, QStringLiteral("Panel1"), {48, 8, 721, 505}, CouleurPanneau);
    const QFont titres = PoliceArial(19, true);
    CreerEtiquette(Panel1, QStringLiteral("Label1"), QStringLiteral("Nom de la classe :"),
                   {150, 46, 0, 0}, titres, CouleurNoir);
    Edit1 = creerSaisie(Panel1, QStringLiteral("Edit1"), {322, 34, 233, 30});
    Edit1->setAccessibleName(QStringLiteral("Nom de la classe"));
    Label4 = CreerEtiquette(Panel1, QStringLiteral("Label4"),
                            QStringLiteral("Il faut donner un nom à la classe."),
                            {146, 86, 449, 19}, titres, CouleurRouge);
    Label4->setAlignment(Qt::AlignCenter);
    CreerEtiquette(Panel1, QStringLiteral("Label2"), QStringLiteral("Nouvel élève :"),
                   {120, 126, 0, 0}, titres, CouleurNoir);
    Edit2 = creerSaisie(Panel1, QStringLiteral("Edit2"), {60, 174, 251, 30});
    Edit2->setAccessibleName(QStringLiteral("Nom de l'élève"));
    CreerEtiquette(Panel1, QStringLiteral("Label3"), QStringLiteral("Liste des élèves :"),
                   {486, 130, 181, 18}, titres, CouleurNoir)
        ->setAlignment(Qt::AlignCenter);
    ListBox1 = new ListeEleves(Panel1, QStringLiteral("ListBox1"), {410, 170, 257, 241}, true);
    ListBox1->setAccessibleName(QStringLiteral("Élèves de la classe"));
    ListBox1->setFont(PoliceArial(16));
    ColorerTexte(ListBox1, CouleurBleu);

    const QFont boutons = PoliceArial(16, true);
    bouton_nouveau = CreerBouton(Panel1, QStringLiteral("bouton_nouveau"),
                                 QStringLiteral("&Nouvelle classe."), {54, 238, 261, 45}, boutons);
    bouton_ouvrir = CreerBouton(Panel1, QStringLiteral("bouton_ouvrir"),
                                QStringLiteral("&Ouvrir une classe existante."),
                                {54, 301, 261, 45}, boutons);
    bouton_enregistrer = CreerBouton(Panel1, QStringLiteral("bouton_enregistrer"),
                                     QStringLiteral("&Enregistrer la classe en cours."),
                                     {54, 363, 261, 45}, boutons);
    bouton_quitter = CreerBouton(Panel1, QStringLiteral("bouton_quitter"),
                                 QStringLiteral("&Quitter l'éditeur."), {54, 426, 261, 45}, boutons);
    bouton_rayer = CreerBouton(Panel1, QStringLiteral("bouton_rayer"),
                               QStringLiteral("&Rayer l'élève de la liste."), {406, 426, 261, 45},
                               boutons);

    // A class list made from a file the school has, and a class list for a spreadsheet.
    bouton_importer = CreerBouton(Panel1, QStringLiteral("bouton_importer"), QStringLiteral("Importer..."),
                                  {562, 28, 105, 36}, boutons);
    bouton_exporter = CreerBouton(Panel1, QStringLiteral("bouton_exporter"), QStringLiteral("Exporter..."),
                                  {562, 72, 105, 36}, boutons);
    connect(bouton_importer, &QPushButton::clicked, this, &TF_Listes::bouton_importerClick);
    connect(bouton_exporter, &QPushButton::clicked, this, &TF_Listes::bouton_exporterClick);

    connect(bouton_nouveau, &QPushButton::clicked, this, &TF_Listes::bouton_nouveauClick);
    connect(bouton_ouvrir, &QPushButton::clicked, this, &TF_Listes::bouton_ouvrirClick);
    connect(bouton_enregistrer, &QPushButton::clicked, this, &TF_Listes::bouton_enregistrerClick);
    connect(bouton_quitter, &QPushButton::clicked, this, &TF_Listes::bouton_quitterClick);
    connect(bouton_rayer, &QPushButton::clicked, this, &TF_Listes::bouton_rayerClick);
    connect(ListBox1, &QListWidget::itemClicked, this, &TF_Listes::ListBox1Click);
    connect(Edit1, &QLineEdit::textEdited, this, [this] {
        Label4->hide();
        modifiee_ = true;
    });
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { Edit2->setFocus(); });
    connect(Edit2, &QLineEdit::returnPressed, this, &TF_Listes::ajouterEleve);
}

void TF_Listes::creerMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setGeometry(0, 0, width(), HauteurMenu);
    QMenu* fichier = MainMenu1->addMenu(QStringLiteral("Fichier     "));
    fichier->addAction(QStringLiteral("Nouvelle classe"), this, &TF_Listes::bouton_nouveauClick);
    fichier->addAction(QStringLiteral("Ouvrir une classe existante"), this,
                       &TF_Listes::bouton_ouvrirClick);
    fichier->addAction(QStringLiteral("Enregistrer la classe en cours"), this,
                       &TF_Listes::bouton_enregistrerClick);
    fichier->addSeparator();
    fichier->addAction(QStringLiteral("Importer des élèves..."), this, &TF_Listes::bouton_importerClick);
    fichier->addAction(QStringLiteral("Exporter la classe..."), this, &TF_Listes::bouton_exporterClick);
    fichier->addSeparator();
    fichier->addAction(QStringLiteral("Quitter"), this, &TF_Listes::bouton_quitterClick);
    MainMenu1->addAction(QStringLiteral("Aide     "), this,
                         [] { AfficherAide(QStringLiteral("listes.htm")); });
}

void TF_Listes::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    MainMenu1->resize(width(), MainMenu1->height());
    CentrerPanneau(Panel1);
}

void TF_Listes::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
        AfficherAide(QStringLiteral("listes.htm"));
    else
        QDialog::keyPressEvent(evenement);
}

// Escape leaves like "Quitter", with the same question about unsaved changes.
void TF_Listes::reject()
{
    bouton_quitterClick();
}

void TF_Listes::viderBoites()
{
    enregistrementsLus_.clear();
    fichierConnu_.clear();
    contenuConnu_.reset();
    ListBox1->clear();
    Edit1->clear();
    Edit2->clear();
}

void TF_Listes::bouton_nouveauClick()
{
    viderBoites();
    Edit1->setEnabled(true);
    Edit2->setEnabled(true);
    bouton_enregistrer->setEnabled(true);
    modifiee_ = false;
    Edit1->setFocus();
}

void TF_Listes::ajouterEleve()
{
    if (ListBox1->count() >= NbMaxEleves) {
        avertir(QStringLiteral("Une classe ne peut pas compter plus de %1 élèves.")
                    .arg(NbMaxEleves));
        return;
    }
    ListBox1->ajouter(Edit2->text());
    Edit2->clear();
    modifiee_ = true;
}

void TF_Listes::ListBox1Click()
{
    if (!ListBox1->selectedItems().isEmpty())
        bouton_rayer->setEnabled(true);
}

void TF_Listes::bouton_rayerClick()
{
    const auto choisis = ListBox1->selectedItems();
    for (QListWidgetItem* element : choisis)
        delete element;
    if (!choisis.isEmpty())
        modifiee_ = true;
    bouton_rayer->setEnabled(false);
}

void TF_Listes::bouton_ouvrirClick()
{
    DemandeFichier demande;
    demande.dossierInitial = contexte_.dossierProgramme;
    demande.filtre = QStringLiteral("fichiers élèves(*.elv)");
    demande.extensionParDefaut = QStringLiteral("elv");
    const QString fichier = dialogues().ouvrirFichier(demande);
    if (!fichier.isEmpty())
        ouvrirClasse(fichier);
}

// By value: opening first forgets the class known, which may be the one named.
void TF_Listes::ouvrirClasse(QString fichier)
{
    viderBoites();
    const LectureClasse lecture = LireClasse(fichier);
    enregistrementsLus_ = lecture.enregistrements;
    fichierConnu_ = QFileInfo(fichier).absoluteFilePath();
    if (lecture.erreur.isEmpty())
        contenuConnu_ = lecture.octets;
    for (const QString& nom : lecture.noms)
        ListBox1->ajouter(nom);
    if (!lecture.erreur.isEmpty())
        avertir(messageErreurFichier(fichier, lecture.erreur));
    else if (!lecture.complete)
        avertir(MessageClasseIncomplete());
    Edit1->setEnabled(true);
    Edit2->setEnabled(true);
    Edit1->setText(NomDeClasse(fichier));
    bouton_enregistrer->setEnabled(true);
    modifiee_ = false;
}

bool TF_Listes::bouton_enregistrerClick()
{
    const QString classe = Edit1->text();
    if (classe.isEmpty()) {
        Label4->show();
        return false;
    }
    if (contientSeparateur(classe)) {
        avertir(QStringLiteral("Le nom de la classe ne doit contenir ni « / » ni « \\ »."));
        return false;
    }
    // A class is saved in the program folder, into its existing file whatever the case of
    // its letters.
    const QString chemin = QFileInfo(fichierSansCasse(contexte_.dossierProgramme, classe + ExtensionClasse))
                               .absoluteFilePath();
    const QString fichier = QFileInfo(chemin).fileName();
    const QStringList noms = ListBox1->textes();
    // Another teacher may have saved this class since this window read it: read again
    // and written under the lock, it is replaced only when the teacher says so.
    bool changeeAilleurs = false;
    std::optional<QByteArray> actuel;
    const bool ecrite = ChangerSousVerrou(chemin, [&] {
        actuel = lireFichier(chemin);
        if (chemin == fichierConnu_ && actuel != contenuConnu_) {
            changeeAilleurs = true;
            return QString();
        }
        QString erreur;
        if (!EcrireClasse(chemin, noms, enregistrementsLus_, &erreur))
            return messageErreurFichier(fichier, erreur);
        fichierConnu_ = chemin;
        contenuConnu_ = lireFichier(chemin);
        return QString();
    });
    if (changeeAilleurs) {
        if (confirmer(QStringLiteral("La classe « %1 » a été changée sur un autre ordinateur depuis son "
                                     "ouverture. La remplacer par la liste affichée ?")
                          .arg(classe))
            != Reponse::Oui)
            return false;
        contenuConnu_ = actuel;
        return bouton_enregistrerClick();
    }
    if (ecrite)
        modifiee_ = false;
    return ecrite;
}

void TF_Listes::bouton_quitterClick()
{
    if (modifiee_) {
        const Reponse reponse = confirmer(QStringLiteral("Enregistrer la classe en cours ?"));
        if (reponse == Reponse::Oui && !bouton_enregistrerClick())
            return;
    }
    viderBoites();
    modifiee_ = false;
    accept();
}

void TF_Listes::bouton_importerClick()
{
    // The import may write the class on show: its changes are saved first if the teacher
    // wishes, and a class the import changed is shown again as the import left it.
    if (modifiee_) {
        const Reponse reponse = confirmer(QStringLiteral("Enregistrer la classe en cours ?"), BoutonsMessage::OuiNonAnnuler);
        if (reponse == Reponse::Annuler || (reponse == Reponse::Oui && !bouton_enregistrerClick()))
            return;
    }
    DemandeFichier demande;
    demande.titre = QStringLiteral("Importer des élèves");
    demande.dossierInitial = QDir::homePath();
    demande.filtre = QStringLiteral("listes d'élèves (*.csv *.txt);;tous les fichiers (*)");
    const QString fichier = dialogues().ouvrirFichier(demande);
    if (fichier.isEmpty())
        return;
    const LectureImport lecture = LireFichierImport(fichier);
    if (!lecture.erreur.isEmpty()) {
        avertir(lecture.erreur);
        return;
    }
    if (!apercuImport_)
        apercuImport_ = new TF_ApercuImport(contexte_, this);
    apercuImport_->montrer(fichier, lecture);
    if (apercuImport_->exec() != QDialog::Accepted)
        return;
    const ResultatImport resultat =
        EcrireImport(apercuImport_->apercu(), apercuImport_->mode(), contexte_.dossierProgramme);
    if (!resultat.ecrites.isEmpty())
        informer(QStringLiteral("Classes importées : %1.").arg(resultat.ecrites.join(QStringLiteral(", "))));
    if (!resultat.echecs.isEmpty())
        avertir(resultat.echecs.join(QLatin1Char('\n')));
    if (!fichierConnu_.isEmpty() && lireFichier(fichierConnu_) != contenuConnu_)
        ouvrirClasse(fichierConnu_);
}

// The list shown, as a spreadsheet opens it.
void TF_Listes::bouton_exporterClick()
{
    if (!Edit1->isEnabled()) {
        avertir(QStringLiteral("Ouvrez ou créez d'abord une classe : c'est la liste affichée qui est exportée."));
        return;
    }
    const QString classe = Edit1->text();
    DemandeFichier demande;
    demande.titre = QStringLiteral("Exporter la classe");
    demande.dossierInitial = contexte_.dossierProgramme;
    demande.nomPropose = (classe.isEmpty() ? QStringLiteral("classe") : classe) + QStringLiteral(".csv");
    demande.filtre = QStringLiteral("tableur (*.csv)");
    demande.extensionParDefaut = QStringLiteral("csv");
    const QString fichier = dialogues().enregistrerFichier(demande);
    QString erreur;
    if (!fichier.isEmpty() && !ecrireFichier(fichier, ContenuExportClasse(classe, ListBox1->textes()), &erreur))
        avertir(messageErreurFichier(QFileInfo(fichier).fileName(), erreur));
}
