#include "TF_efface_bilans.h"

#include "Bilans.h"
#include "Essais.h"
#include "Contexte.h"
#include "Controles.h"
#include "Couleurs.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "FinAnnee.h"
#include "Operations.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
const QString MasqueBilans = QStringLiteral("*.reu");
constexpr int LongueurExtension = 4;
} // namespace

TF_efface_bilans::TF_efface_bilans(const Contexte& contexte, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
{
    PreparerFenetreGestion(this, QStringLiteral("F_efface_bilans"), QStringLiteral("Gestion des bilans"), QSize(816, 615));
    creerControles();
    AdapterEcran(this);
    CentrerPanneau(Panel1);
}

void TF_efface_bilans::creerControles()
{
    Panel1 = CreerPanneau(this, QStringLiteral("Panel1"), {8, 16, 780, 500}, CouleurPanneauGestion);
    Label1 = CreerEtiquette(Panel1, QStringLiteral("Label1"), QString(), {7, 43, 438, 32},
                            PoliceArial(16), CouleurNoir);
    auto* label6 = CreerEtiquette(Panel1, QStringLiteral("Label6"),
                                  QStringLiteral("Bilans des réussites"), {8, 76, 109, 121},
                                  Police(QStringLiteral("Times New Roman"), 21, true),
                                  CouleurVertFonce);
    label6->setWordWrap(true);
    label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ListBox3 = new ListeEleves(Panel1, QStringLiteral("ListBox3"), {120, 74, 321, 375}, true);
    ListBox3->setAccessibleName(QStringLiteral("Bilans des réussites"));
    ListBox3->setFont(PoliceArial(16));
    BoutonSuppressionReussites =
        CreerBouton(Panel1, QStringLiteral("BoutonSuppressionReussites"),
                    QStringLiteral("Effacer le bilan des réussites sélectionné"),
                    {451, 118, 324, 40}, PoliceArial(16, true));
    BoutonSuppressionReussites->setFlat(true);
    ColorerTexte(BoutonSuppressionReussites, CouleurVertFonce);
    Bouton_Quitter = CreerBouton(Panel1, QStringLiteral("Bouton_Quitter"), QStringLiteral("Quitter"),
                                 {566, 400, 133, 49}, PoliceArial(16, true));
    Bouton_Quitter->setFlat(true);
    ColorerTexte(Bouton_Quitter, CouleurSarcelle);
    BoutonFinAnnee = CreerBouton(Panel1, QStringLiteral("BoutonFinAnnee"), QStringLiteral("Fin d'année"),
                                 {451, 230, 324, 40}, PoliceArial(16, true));
    BoutonFinAnnee->setFlat(true);
    ColorerTexte(BoutonFinAnnee, CouleurMarron);
    auto* explication = CreerEtiquette(Panel1, QStringLiteral("LabelFinAnnee"),
                                       QStringLiteral("Range les bilans et les listes d'élèves de l'année dans une "
                                                      "archive, puis les efface."),
                                       {455, 274, 316, 60}, PoliceArial(14), CouleurNoir);
    explication->setWordWrap(true);
    explication->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5 = CreerEtiquette(Panel1, QStringLiteral("Label5"), QString(), {15, 465, 446, 32},
                            PoliceArial(16), CouleurNoir);

    connect(ListBox3, &QListWidget::itemClicked, this, &TF_efface_bilans::ListBox3Click);
    connect(BoutonSuppressionReussites, &QPushButton::clicked, this,
            &TF_efface_bilans::BoutonSuppressionReussitesClick);
    connect(Bouton_Quitter, &QPushButton::clicked, this, &TF_efface_bilans::Bouton_QuitterClick);
    connect(BoutonFinAnnee, &QPushButton::clicked, this, &TF_efface_bilans::BoutonFinAnneeClick);
}

void TF_efface_bilans::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormActivate();
}

void TF_efface_bilans::FormActivate()
{
    dossier_ = contexte_.dossierBilansAccessible();
    BoutonSuppressionReussites->setEnabled(false);
    Label1->clear();
    Label5->clear();
    if (dossier_.isEmpty()) {
        Label1->setText(QStringLiteral("Le dossier des bilans est introuvable :"));
        Label5->setText(contexte_.dossierBilans.dossier());
        return;
    }
    for (const EntreeDossier& entree : listerDossier(dossier_, MasqueBilans)) {
        if (entree.attributs & Attribut::Repertoire)
            continue;
        // The item keeps the file's own name, so that ".Reu" files are erased as listed.
        ListBox3->ajouter(entree.nom.chopped(LongueurExtension), entree.nom);
    }
}

void TF_efface_bilans::ListBox3Click()
{
    const QListWidgetItem* element = ListBox3->currentItem();
    if (!element || !element->isSelected())
        return;
    BoutonSuppressionReussites->setEnabled(true);
    FichierAEffacer_ = element->data(Qt::UserRole).toString();
    IndiceAEffacer_ = ListBox3->row(element);
}

// The pupil's attempts go with the results: erasing a pupil's record erases all of it.
void TF_efface_bilans::BoutonSuppressionReussitesClick()
{
    if (EffacerBilan(QDir(dossier_).filePath(FichierAEffacer_))) {
        delete ListBox3->takeItem(IndiceAEffacer_);
        const QString essais = CheminEssaisDuBilan(dossier_, FichierAEffacer_);
        if (QFileInfo::exists(essais))
            EffacerBilan(essais);
    }
    BoutonSuppressionReussites->setEnabled(false);
}

void TF_efface_bilans::Bouton_QuitterClick()
{
    ListBox3->clear();
    accept();
}

// The year ends in one archive the teacher keeps where the school keeps its records; the
// files leave the folders only once the archive is written and read back whole.
void TF_efface_bilans::BoutonFinAnneeClick()
{
    // A year is ended whole: never its class lists without its results.
    if (dossier_.isEmpty()) {
        avertir(QStringLiteral("Le dossier des bilans « %1 » est introuvable : rien n'a été archivé.")
                    .arg(contexte_.dossierBilans.dossier()));
        return;
    }
    const FichiersAnnee fichiers = FichiersDeLAnnee(dossier_, contexte_.dossierProgramme);
    if (fichiers.nombre() == 0) {
        informer(QStringLiteral("Il n'y a ni bilan ni liste d'élèves à archiver."));
        return;
    }
    DemandeFichier demande;
    demande.titre = QStringLiteral("Archiver l'année");
    demande.dossierInitial = QDir::homePath();
    demande.nomPropose = NomArchiveAnnee(QDate::currentDate());
    demande.filtre = QStringLiteral("archive ZIP (*.zip)");
    demande.extensionParDefaut = QStringLiteral("zip");
    QString archive = dialogues().enregistrerFichier(demande);
    if (archive.isEmpty())
        return;
    if (!archive.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive))
        archive += QStringLiteral(".zip");
    QString bilans = compter(fichiers.bilans.size(), QStringLiteral("bilan"), QStringLiteral("bilans"));
    if (!fichiers.essais.isEmpty())
        bilans += QStringLiteral(", ")
            + compter(fichiers.essais.size(), QStringLiteral("fichier d'essais"), QStringLiteral("fichiers d'essais"));
    const QString question = QStringLiteral("Ranger dans l'archive « %1 » les fichiers de l'année, puis les effacer ? "
                                            "Cela fait %2 : %3 et %4.")
                                 .arg(QFileInfo(archive).fileName(),
                                      compter(fichiers.nombre(), QStringLiteral("fichier"), QStringLiteral("fichiers")),
                                      bilans,
                                      compter(fichiers.classes.size(), QStringLiteral("liste d'élèves"),
                                              QStringLiteral("listes d'élèves")));
    if (confirmer(question) != Reponse::Oui)
        return;
    const BilanFinAnnee bilan = ArchiverEtEffacer(fichiers, archive);
    ListBox3->clear();
    FormActivate();
    if (!bilan.erreur.isEmpty()) {
        avertir(bilan.erreur);
        return;
    }
    QString compte = QStringLiteral("L'archive « %1 » est écrite et relue ; fichiers effacés : %2. Le suivi de la "
                                    "classe peut l'ouvrir à nouveau.")
                         .arg(QFileInfo(archive).fileName())
                         .arg(bilan.effaces);
    if (!bilan.gardes.isEmpty())
        compte += QStringLiteral("\n\n") + bilan.gardes.join(QLatin1Char('\n'));
    (bilan.gardes.isEmpty() ? informer : avertir)(compte);
}

void TF_efface_bilans::hideEvent(QHideEvent* evenement)
{
    QDialog::hideEvent(evenement);
    if (!evenement->spontaneous())
        AvertirSiDossierProgrammeDisparu(contexte_);
}

void TF_efface_bilans::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    CentrerPanneau(Panel1);
}

void TF_efface_bilans::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
        AfficherAide(QStringLiteral("gestion.htm"));
    else
        QDialog::keyPressEvent(evenement);
}

// Escape leaves like "Quitter", so the next opening lists the folder afresh.
void TF_efface_bilans::reject()
{
    Bouton_QuitterClick();
}
