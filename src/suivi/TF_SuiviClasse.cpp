#include "TF_SuiviClasse.h"

#include "ChoixExercice.h"
#include "Contexte.h"
#include "Controles.h"
#include "Couleurs.h"
#include "Dialogues.h"
#include "Enregistrements.h"
#include "FinAnnee.h"
#include "MiseEnPageSuivi.h"
#include "Operations.h"
#include "TF_EnDirect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {
const QString TousLesTypes = QStringLiteral("Tous");
const QString ToutesLesSeries = QStringLiteral("Toutes");
const QString Coche = QStringLiteral("✓");
const QString BulleNiveau = QStringLiteral("Le niveau le plus haut réussi au hasard");

QTableWidgetItem* element(const QString& texte, const QString& bulle = QString())
{
    auto* item = new QTableWidgetItem(texte);
    item->setTextAlignment(Qt::AlignCenter);
    item->setToolTip(bulle);
    return item;
}

} // namespace

TF_SuiviClasse::TF_SuiviClasse(const Contexte& contexte, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
{
    PreparerFenetreGestion(this, QStringLiteral("F_SuiviClasse"), QStringLiteral("Suivi de la classe"), QSize(808, 606),
                           Qt::WindowCloseButtonHint);
    creerControles();
    AdapterEcran(this);
    CentrerPanneau(Panel1);
}

TF_SuiviClasse::~TF_SuiviClasse() = default;

void TF_SuiviClasse::creerControles()
{
    Panel1 = CreerPanneau(this, QStringLiteral("Panel1"), {8, 12, 784, 548}, CouleurPanneauGestion);
    const QFont gras = PoliceArial(16, true);
    CreerEtiquette(Panel1, QStringLiteral("LabelClasse"), QStringLiteral("Classe :"), {12, 16, 0, 0}, gras,
                   CouleurNoir);
    ComboClasse = CreerListeDeroulante(Panel1, QStringLiteral("ComboClasse"), {90, 10, 200, 30}, PoliceArial(15),
                                       QStringLiteral("Classe"));
    CreerEtiquette(Panel1, QStringLiteral("LabelType"), QStringLiteral("Exercices :"), {306, 16, 0, 0}, gras,
                   CouleurNoir);
    ComboType = CreerListeDeroulante(Panel1, QStringLiteral("ComboType"), {404, 10, 80, 30}, PoliceArial(15),
                                     QStringLiteral("Exercices"));
    ComboType->addItems({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                         TousLesTypes});
    ComboType->setCurrentText(TousLesTypes);
    CreerEtiquette(Panel1, QStringLiteral("LabelSerie"), QStringLiteral("Série :"), {500, 16, 0, 0}, gras,
                   CouleurNoir);
    ComboSerie = CreerListeDeroulante(Panel1, QStringLiteral("ComboSerie"), {566, 10, 206, 30}, PoliceArial(15),
                                      QStringLiteral("Série"));
    LabelMessage = CreerEtiquette(Panel1, QStringLiteral("LabelMessage"), QString(), {12, 46, 760, 36},
                                  PoliceArial(15, true), CouleurRouge);
    LabelMessage->setWordWrap(true);
    CaseMasquerNoms = new QCheckBox(QStringLiteral("Masquer les noms"), Panel1);
    CaseMasquerNoms->setObjectName(QStringLiteral("CaseMasquerNoms"));
    CaseMasquerNoms->setGeometry(12, 88, 190, 28);
    CaseMasquerNoms->setFont(PoliceArial(15, true));
    LabelArchive = CreerEtiquette(Panel1, QStringLiteral("LabelArchive"), QString(), {214, 88, 340, 28},
                                  PoliceArial(14, true), CouleurBleu);
    BoutonArchive = CreerBouton(Panel1, QStringLiteral("BoutonArchive"), QStringLiteral("Ouvrir une archive..."),
                                {562, 86, 210, 32}, PoliceArial(15, true));
    // Where the archive's name shows: a past year is not followed live.
    BoutonEnDirect = CreerBouton(Panel1, QStringLiteral("BoutonEnDirect"), QStringLiteral("En direct"),
                                 {214, 86, 150, 32}, PoliceArial(15, true));
    ColorerTexte(BoutonEnDirect, CouleurRouge);
    TableSuivi = new QTableWidget(Panel1);
    TableSuivi->setAccessibleName(QStringLiteral("Réussites de la classe"));
    TableSuivi->setObjectName(QStringLiteral("TableSuivi"));
    TableSuivi->setGeometry(12, 124, 760, 358);
    TableSuivi->setFont(PoliceArial(14));
    TableSuivi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableSuivi->verticalHeader()->hide();
    creerBoutons();

    connect(ComboClasse, &QComboBox::activated, this, &TF_SuiviClasse::ComboClasseChange);
    connect(ComboType, &QComboBox::activated, this, &TF_SuiviClasse::ComboTypeChange);
    connect(ComboSerie, &QComboBox::activated, this, &TF_SuiviClasse::ComboClasseChange);
    connect(CaseMasquerNoms, &QCheckBox::clicked, this, &TF_SuiviClasse::ComboClasseChange);
    connect(BoutonArchive, &QPushButton::clicked, this, &TF_SuiviClasse::BoutonArchiveClick);
    connect(BoutonEnDirect, &QPushButton::clicked, this, &TF_SuiviClasse::BoutonEnDirectClick);
}

void TF_SuiviClasse::creerBoutons()
{
    const QFont gras = PoliceArial(16, true);
    BoutonTableur = CreerBouton(Panel1, QStringLiteral("BoutonTableur"), QStringLiteral("Enregistrer (tableur)"),
                                {12, 494, 206, 42}, gras);
    BoutonImprimer = CreerBouton(Panel1, QStringLiteral("BoutonImprimer"), QStringLiteral("Imprimer"),
                                 {230, 494, 150, 42}, gras);
    BoutonPdf = CreerBouton(Panel1, QStringLiteral("BoutonPdf"), QStringLiteral("Enregistrer en PDF"),
                            {392, 494, 206, 42}, gras);
    BoutonFermer = CreerBouton(Panel1, QStringLiteral("BoutonFermer"), QStringLiteral("Fermer"),
                               {642, 494, 130, 42}, gras);
    connect(BoutonTableur, &QPushButton::clicked, this, &TF_SuiviClasse::BoutonTableurClick);
    connect(BoutonImprimer, &QPushButton::clicked, this, &TF_SuiviClasse::BoutonImprimerClick);
    connect(BoutonPdf, &QPushButton::clicked, this, &TF_SuiviClasse::BoutonPdfClick);
    connect(BoutonFermer, &QPushButton::clicked, this, &QDialog::accept);
}

void TF_SuiviClasse::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormActivate();
}

// The class lists and the series may have changed since the last opening.
void TF_SuiviClasse::FormActivate()
{
    const QString classe = ComboClasse->currentText();
    ComboClasse->clear();
    ComboClasse->addItems(ClassesDuDossier(dossierListes()));
    if (ComboClasse->findText(classe) >= 0)
        ComboClasse->setCurrentText(classe);
    ComboTypeChange();
}

void TF_SuiviClasse::ComboTypeChange()
{
    const QString serie = ComboSerie->currentText();
    ComboSerie->clear();
    ComboSerie->addItem(ToutesLesSeries);
    ComboSerie->addItems(SeriesDuSuivi(dossierExercices(), demande().numeroExercice));
    if (ComboSerie->findText(serie) >= 0)
        ComboSerie->setCurrentText(serie);
    ComboClasseChange();
}

// A folder chosen in the preferences and since gone is said so, rather than showing the
// series of the program folder as the chooser does for a pupil.
QString TF_SuiviClasse::dossierExercices() const
{
    const QString choisi = contexte_.dossierExercices.dossier();
    return choisi.isEmpty() ? DossierExercicesAccessible(contexte_) : choisi;
}

DemandeSuivi TF_SuiviClasse::demande() const
{
    const QString type = ComboType->currentText();
    const QString serie = ComboSerie->currentText();
    return {dossierListes(), dossierBilans(), dossierExercices(),
            ComboClasse->currentText(),
            type == TousLesTypes ? 0 : type.toInt(), serie == ToutesLesSeries ? QString() : serie};
}

void TF_SuiviClasse::ComboClasseChange()
{
    tableau_ = ConstruireSuivi(demande());
    if (CaseMasquerNoms->isChecked())
        tableau_ = MasquerNoms(tableau_);
    LabelMessage->setText(tableau_.erreur.isEmpty() ? tableau_.avertissement : tableau_.erreur);
    remplirTable();
}

// The first row names the series over their exercises; the pupils follow, then the
// totals.
void TF_SuiviClasse::remplirTable()
{
    const int nbColonnes = static_cast<int>(tableau_.colonnes.size());
    const int nbNiveaux = static_cast<int>(tableau_.typesHasard.size());
    const bool montre = tableau_.erreur.isEmpty();
    TableSuivi->clear();
    TableSuivi->clearSpans();
    TableSuivi->setColumnCount(nbColonnes + 3 + nbNiveaux);
    TableSuivi->setRowCount(montre ? static_cast<int>(tableau_.lignes.size()) + 2 : 0);
    TableSuivi->setHorizontalHeaderItem(0, element(QStringLiteral("Élève")));
    for (int i = 0; i < nbColonnes; ++i) {
        const ColonneSuivi& c = tableau_.colonnes[i];
        TableSuivi->setHorizontalHeaderItem(i + 1, element(NomColonne(tableau_, c), c.ligneBilan()));
    }
    TableSuivi->setHorizontalHeaderItem(nbColonnes + 1, element(QStringLiteral("Total")));
    TableSuivi->setHorizontalHeaderItem(nbColonnes + 2, element(QStringLiteral("autres")));
    for (int i = 0; i < nbNiveaux; ++i)
        TableSuivi->setHorizontalHeaderItem(nbColonnes + 3 + i,
                                            element(NomColonneNiveau(tableau_.typesHasard[i]), BulleNiveau));
    if (!montre)
        return;
    remplirSeries();
    for (int i = 0; i < tableau_.lignes.size(); ++i)
        remplirLigne(i + 1, tableau_.lignes[i]);
    remplirTotaux(static_cast<int>(tableau_.lignes.size()) + 1);
    TableSuivi->resizeColumnsToContents();
    // A very long name would push every exercise out of sight: it is cut, whole in its
    // tooltip.
    const int largeurNomMax = TableSuivi->width() / 3;
    if (TableSuivi->columnWidth(0) > largeurNomMax)
        TableSuivi->setColumnWidth(0, largeurNomMax);
}

void TF_SuiviClasse::remplirSeries()
{
    TableSuivi->setItem(0, 0, element(QStringLiteral("Série")));
    int debut = 0;
    for (int i = 0; i < tableau_.colonnes.size(); ++i) {
        const QString& serie = tableau_.colonnes[i].serie;
        if (i + 1 < tableau_.colonnes.size() && tableau_.colonnes[i + 1].serie == serie)
            continue;
        if (i > debut)
            TableSuivi->setSpan(0, debut + 1, 1, i + 1 - debut);
        // A long series spans far past the view: its name stays at its start.
        auto* nom = element(serie, serie);
        nom->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        TableSuivi->setItem(0, debut + 1, nom);
        debut = i + 1;
    }
    const int premierNiveau = static_cast<int>(tableau_.colonnes.size()) + 3;
    if (tableau_.typesHasard.size() > 1)
        TableSuivi->setSpan(0, premierNiveau, 1, static_cast<int>(tableau_.typesHasard.size()));
    if (!tableau_.typesHasard.isEmpty())
        TableSuivi->setItem(0, premierNiveau, element(TitreNiveaux));
}

void TF_SuiviClasse::remplirLigne(int ligne, const LigneSuivi& eleve)
{
    const int nbColonnes = static_cast<int>(tableau_.colonnes.size());
    auto* nom = new QTableWidgetItem(eleve.eleve);
    nom->setToolTip(eleve.eleve);
    TableSuivi->setItem(ligne, 0, nom);
    for (int i = 0; i < nbColonnes; ++i)
        if (eleve.reussis[i])
            TableSuivi->setItem(ligne, i + 1, element(Coche, tableau_.colonnes[i].ligneBilan()));
    if (eleve.etat == EtatEleve::Illisible) {
        if (nbColonnes > 1)
            TableSuivi->setSpan(ligne, 1, 1, nbColonnes);
        auto* illisible = element(TexteIllisible);
        illisible->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        illisible->setForeground(QColor::fromRgb(VersQRgb(CouleurRouge)));
        TableSuivi->setItem(ligne, nbColonnes > 0 ? 1 : nbColonnes + 1, illisible);
    } else if (eleve.etat == EtatEleve::Bilan) {
        TableSuivi->setItem(ligne, nbColonnes + 1, element(QString::number(eleve.total)));
        TableSuivi->setItem(ligne, nbColonnes + 2,
                            element(QString::number(eleve.autres.size()), eleve.autres.join(QLatin1Char('\n'))));
    }
    for (int i = 0; i < eleve.niveaux.size(); ++i)
        if (eleve.niveaux[i] > 0)
            TableSuivi->setItem(ligne, nbColonnes + 3 + i, element(TexteNiveau(eleve.niveaux[i]), BulleNiveau));
}

void TF_SuiviClasse::remplirTotaux(int ligne)
{
    auto* total = new QTableWidgetItem(QStringLiteral("Total"));
    total->setFont(PoliceArial(14, true));
    TableSuivi->setItem(ligne, 0, total);
    for (int i = 0; i < tableau_.totauxColonnes.size(); ++i)
        TableSuivi->setItem(ligne, i + 1, element(QString::number(tableau_.totauxColonnes[i])));
    const int nbColonnes = static_cast<int>(tableau_.colonnes.size());
    TableSuivi->setItem(ligne, nbColonnes + 1, element(QString::number(tableau_.totalReussites)));
    TableSuivi->setItem(ligne, nbColonnes + 2, element(QString::number(tableau_.totalAutres)));
}

QString TF_SuiviClasse::titre() const
{
    QString texte = QStringLiteral("Suivi de la classe : ") + tableau_.classe + QStringLiteral(" — exercices ")
        + ComboType->currentText().toLower();
    if (ComboSerie->currentText() != ToutesLesSeries)
        texte += QStringLiteral(" — série ") + ComboSerie->currentText();
    if (archive_)
        texte += QStringLiteral(" — archive « ") + nomArchive_ + QStringLiteral(" »");
    return texte;
}

QString TF_SuiviClasse::choisirFichier(const QString& extension, const QString& filtre)
{
    DemandeFichier demande;
    demande.titre = QStringLiteral("Enregistrer le suivi de la classe");
    demande.dossierInitial = contexte_.dossierProgramme;
    demande.nomPropose = QStringLiteral("Suivi ") + tableau_.classe + QLatin1Char('.') + extension;
    demande.filtre = filtre;
    demande.extensionParDefaut = extension;
    return dialogues().enregistrerFichier(demande);
}

// The table with each pupil's attempts beside the successes, counted only for a copy: a
// year of attempts is far longer to read than the results files.
TableauSuivi TF_SuiviClasse::copie()
{
    const DemandeSuivi d = demande();
    TableauSuivi tableau = ConstruireSuivi(d);
    if (!tableau.erreur.isEmpty())
        return tableau_;
    CompterEssais(tableau, d);
    LabelMessage->setText(tableau.avertissement);
    return CaseMasquerNoms->isChecked() ? MasquerNoms(tableau) : tableau;
}

void TF_SuiviClasse::BoutonTableurClick()
{
    const QString fichier = choisirFichier(QStringLiteral("csv"), QStringLiteral("tableur (*.csv)"));
    QString erreur;
    if (!fichier.isEmpty() && !ecrireFichier(fichier, ContenuCsv(copie()), &erreur))
        avertir(messageErreurFichier(QFileInfo(fichier).fileName(), erreur));
}

void TF_SuiviClasse::BoutonPdfClick()
{
    const QString fichier = choisirFichier(QStringLiteral("pdf"), QStringLiteral("document PDF (*.pdf)"));
    QString erreur;
    if (!fichier.isEmpty()
        && !EnregistrerPdfSuivi(fichier, copie(), titre(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")),
                                &erreur))
        avertir(messageErreurFichier(QFileInfo(fichier).fileName(), erreur));
}

void TF_SuiviClasse::BoutonImprimerClick()
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(titre());
    QPrintDialog choix(&imprimante, this);
    if (choix.exec() == QDialog::Accepted)
        ImprimerSuivi(imprimante, copie(), titre(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
}

QString TF_SuiviClasse::dossierListes() const
{
    return archive_ ? archive_->filePath(DossierListesArchive) : contexte_.dossierProgramme;
}

QString TF_SuiviClasse::dossierBilans() const
{
    if (archive_)
        return archive_->filePath(DossierBilansArchive);
    // A results folder out of reach is named in the overview's message, never replaced.
    const QString accessible = contexte_.dossierBilansAccessible();
    return accessible.isEmpty() ? contexte_.dossierBilans.dossier() : accessible;
}

// A past year, read from its archive unfolded in a private temporary folder; nothing of it
// is ever written back.
void TF_SuiviClasse::BoutonArchiveClick()
{
    if (archive_) {
        fermerArchive();
        ComboClasse->clear();
        FormActivate();
        return;
    }
    DemandeFichier demande;
    demande.titre = QStringLiteral("Ouvrir une archive de fin d'année");
    demande.dossierInitial = QDir::homePath();
    demande.filtre = QStringLiteral("archive ZIP (*.zip)");
    demande.extensionParDefaut = QStringLiteral("zip");
    const QString fichier = dialogues().ouvrirFichier(demande);
    if (fichier.isEmpty())
        return;
    auto dossier = std::make_unique<QTemporaryDir>();
    const QString erreur = dossier->isValid() ? DeplierArchiveAnnee(fichier, dossier->path())
                                              : QStringLiteral("Aucun dossier temporaire ne peut être créé.");
    if (!erreur.isEmpty()) {
        avertir(erreur);
        return;
    }
    archive_ = std::move(dossier);
    nomArchive_ = QFileInfo(fichier).fileName();
    BoutonEnDirect->hide();
    LabelArchive->setText(QStringLiteral("Archive « %1 », en lecture").arg(nomArchive_));
    LabelArchive->setToolTip(fichier);
    BoutonArchive->setText(QStringLiteral("Revenir à l'année"));
    // Another year has other classes: its first is shown.
    ComboClasse->clear();
    FormActivate();
}

void TF_SuiviClasse::fermerArchive()
{
    archive_.reset();
    nomArchive_.clear();
    LabelArchive->clear();
    LabelArchive->setToolTip(QString());
    BoutonArchive->setText(QStringLiteral("Ouvrir une archive..."));
    BoutonEnDirect->show();
}

void TF_SuiviClasse::BoutonEnDirectClick()
{
    if (!enDirect_)
        enDirect_ = new TF_EnDirect(this);
    enDirect_->suivre({dossierListes(), dossierBilans(), dossierExercices(), ComboClasse->currentText()},
                      CaseMasquerNoms->isChecked());
    enDirect_->exec();
}

void TF_SuiviClasse::hideEvent(QHideEvent* evenement)
{
    QDialog::hideEvent(evenement);
    if (!evenement->spontaneous())
        fermerArchive();
}

void TF_SuiviClasse::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    CentrerPanneau(Panel1);
}

void TF_SuiviClasse::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
        AfficherAide(QStringLiteral("suivi.htm"));
    else
        QDialog::keyPressEvent(evenement);
}
