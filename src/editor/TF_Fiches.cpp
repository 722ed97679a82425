#include "TF_Fiches.h"

#include "ChoixExercice.h"
#include "Contexte.h"
#include "Controles.h"
#include "Couleurs.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Operations.h"
#include "Generateur.h"
#include "Niveaux.h"
#include "SauvegardeExercice.h"
#include "SerieHasard.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>

namespace {
constexpr int PremierType = 2;
constexpr int TailleParDefaut = 1; // 7 mm
constexpr int NombreHasardParDefaut = 8;
// Items of the exercise list made by the program carry their code in this role.
constexpr int RoleCode = Qt::UserRole + 1;

// The dialog asked about the name it gave back, never about one made from it nor about
// the answers beside it: those are asked here, all in one question.
bool remplacementAccepte(const QStringList& fichiers, const QString& dejaConfirme)
{
    QStringList noms;
    for (const QString& fichier : fichiers)
        if (fichier != dejaConfirme && QFileInfo::exists(fichier))
            noms.append(QStringLiteral("« %1 »").arg(QFileInfo(fichier).fileName()));
    if (noms.isEmpty())
        return true;
    const QString question = noms.size() == 1
        ? QStringLiteral("Le fichier %1 existe déjà. Voulez-vous le remplacer ?").arg(noms.first())
        : QStringLiteral("Les fichiers %1 existent déjà. Voulez-vous les remplacer ?")
              .arg(noms.join(QStringLiteral(" et ")));
    return confirmer(question) == Reponse::Oui;
}
} // namespace

TF_Fiches::TF_Fiches(const Contexte& contexte, std::function<quint32()> graineAuHasard, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
    , graineAuHasard_(std::move(graineAuHasard))
{
    if (!graineAuHasard_)
        graineAuHasard_ = [] { return QRandomGenerator::system()->bounded(CodeExercice::GraineMax + 1); };
    PreparerFenetreGestion(this, QStringLiteral("F_Fiches"), QStringLiteral("Fiches à imprimer"), QSize(816, 615));
    creerControles();
    AdapterEcran(this);
    CentrerPanneau(Panel1);
}

QComboBox* TF_Fiches::creerChoix(const QString& nom, const QString& legende,
                                 const QStringList& items, int y)
{
    CreerEtiquette(Panel1, QStringLiteral("Label") + nom, legende, {530, y, 235, 22},
                   PoliceArial(16), CouleurNoir);
    auto* choix = new QComboBox(Panel1);
    choix->setObjectName(nom);
    choix->setGeometry(530, y + 24, 235, 28);
    choix->setFont(PoliceArial(16));
    choix->addItems(items);
    return choix;
}

void TF_Fiches::creerControles()
{
    Panel1 = CreerPanneau(this, QStringLiteral("Panel1"), {8, 16, 780, 500}, CouleurPanneauGestion);
    CreerEtiquette(Panel1, QStringLiteral("Label1"), QStringLiteral("Fiches à imprimer"),
                   {15, 10, 500, 34}, Police(QStringLiteral("Times New Roman"), 24, true),
                   CouleurVertFonce);
    CreerEtiquette(Panel1, QStringLiteral("Label2"), QStringLiteral("Série"), {15, 52, 240, 22},
                   PoliceArial(16), CouleurNoir);
    ListeSeries = new ListeEleves(Panel1, QStringLiteral("ListeSeries"), {15, 76, 240, 224}, true);
    ListeSeries->setAccessibleName(QStringLiteral("Séries"));
    ListeSeries->setFont(PoliceArial(16));
    CreerEtiquette(Panel1, QStringLiteral("Label3"), QStringLiteral("Exercices"), {270, 52, 245, 22},
                   PoliceArial(16), CouleurNoir);
    ListeExercices = new QListWidget(Panel1);
    ListeExercices->setAccessibleName(QStringLiteral("Exercices à imprimer"));
    ListeExercices->setObjectName(QStringLiteral("ListeExercices"));
    ListeExercices->setGeometry(270, 76, 245, 374);
    ListeExercices->setFont(PoliceArial(16));

    ChoixType = creerChoix(QStringLiteral("ChoixType"), QStringLiteral("Type d'exercice"),
                           {QStringLiteral("2 : lignes"), QStringLiteral("3 : lignes et couleurs"),
                            QStringLiteral("4 : autour d'un axe"),
                            QStringLiteral("5 : par rapport à un point")},
                           52);
    ChoixTaille = creerChoix(QStringLiteral("ChoixTaille"), QStringLiteral("Taille des cases"),
                             {QStringLiteral("5 mm"), QStringLiteral("7 mm"), QStringLiteral("1 cm")}, 112);
    ChoixTaille->setCurrentIndex(TailleParDefaut);
    ChoixParPage = creerChoix(QStringLiteral("ChoixParPage"), QStringLiteral("Exercices par page"),
                              {QStringLiteral("1"), QStringLiteral("2")}, 172);
    ChoixCorriges = creerChoix(QStringLiteral("ChoixCorriges"), QStringLiteral("Corrigés"),
                               {QStringLiteral("Sans corrigé"),
                                QStringLiteral("Après les fiches, même fichier"),
                                QStringLiteral("Dans un second fichier")},
                               232);

    BoutonImprimer = CreerBouton(Panel1, QStringLiteral("BoutonImprimer"), QStringLiteral("Imprimer"),
                                 {530, 300, 235, 40}, PoliceArial(16, true));
    BoutonEnregistrerPdf = CreerBouton(Panel1, QStringLiteral("BoutonEnregistrerPdf"),
                                       QStringLiteral("Enregistrer en PDF"), {530, 345, 235, 40},
                                       PoliceArial(16, true));
    BoutonFermer = CreerBouton(Panel1, QStringLiteral("BoutonFermer"), QStringLiteral("Fermer"),
                               {530, 410, 235, 40}, PoliceArial(16, true));
    for (QPushButton* b : {BoutonImprimer, BoutonEnregistrerPdf, BoutonFermer}) {
        b->setFlat(true);
        b->setAutoDefault(false); // Entrée in a list must not print
        ColorerTexte(b, CouleurSarcelle);
    }
    Label5 = CreerEtiquette(Panel1, QStringLiteral("Label5"), QString(), {15, 455, 750, 40},
                            PoliceArial(14), CouleurNoir);
    Label5->setWordWrap(true);

    connect(ChoixType, &QComboBox::currentIndexChanged, this, &TF_Fiches::ChoixTypeChange);
    connect(ListeSeries, &QListWidget::itemSelectionChanged, this, &TF_Fiches::ListeSeriesClick);
    connect(BoutonImprimer, &QPushButton::clicked, this, &TF_Fiches::BoutonImprimerClick);
    connect(BoutonEnregistrerPdf, &QPushButton::clicked, this, &TF_Fiches::BoutonEnregistrerPdfClick);
    connect(BoutonFermer, &QPushButton::clicked, this, &QDialog::accept);
    creerHasard();
}

// Below the series: exercises made by the program, at one level of the type chosen.
void TF_Fiches::creerHasard()
{
    CreerEtiquette(Panel1, QStringLiteral("LabelHasard"), QStringLiteral("Ou des exercices au hasard"),
                   {15, 306, 240, 22}, PoliceArial(16), CouleurNoir);
    ChoixNiveau = new QComboBox(Panel1);
    ChoixNiveau->setObjectName(QStringLiteral("ChoixNiveau"));
    ChoixNiveau->setAccessibleName(QStringLiteral("Niveau"));
    ChoixNiveau->setGeometry(15, 330, 150, 28);
    ChoixNiveau->setFont(PoliceArial(16));
    for (int n = 1; n <= NombreNiveaux(PremierType); ++n)
        ChoixNiveau->addItem(QStringLiteral("Niveau %1").arg(n));
    NombreHasard = new QSpinBox(Panel1);
    NombreHasard->setObjectName(QStringLiteral("NombreHasard"));
    NombreHasard->setAccessibleName(QStringLiteral("Nombre d'exercices au hasard"));
    NombreHasard->setGeometry(175, 330, 80, 28);
    NombreHasard->setFont(PoliceArial(16));
    NombreHasard->setRange(1, ExercicesParSerieMax);
    NombreHasard->setValue(NombreHasardParDefaut);
    BoutonHasard = CreerBouton(Panel1, QStringLiteral("BoutonHasard"), QStringLiteral("Tirer les exercices"),
                               {15, 364, 240, 34}, PoliceArial(16, true));
    BoutonHasard->setFlat(true);
    BoutonHasard->setAutoDefault(false);
    ColorerTexte(BoutonHasard, CouleurSarcelle);
    connect(ChoixNiveau, &QComboBox::currentIndexChanged, this, [this] {
        if (const NiveauExercice* niveau = NiveauDe(numeroExercice(), ChoixNiveau->currentIndex() + 1))
            dire(DescriptionNiveau(*niveau));
    });
    connect(BoutonHasard, &QPushButton::clicked, this, &TF_Fiches::BoutonHasardClick);
}

// Opens on the type of the editor or exercise last used, with the folder listed afresh.
void TF_Fiches::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    dossier_ = DossierExercicesAccessible(contexte_);
    const int numero = std::clamp<int>(contexte_.numeroExercice, PremierType, 5);
    if (ChoixType->currentIndex() == numero - PremierType)
        ChoixTypeChange();
    else
        ChoixType->setCurrentIndex(numero - PremierType);
}

int TF_Fiches::numeroExercice() const
{
    return ChoixType->currentIndex() + PremierType;
}

void TF_Fiches::ChoixTypeChange()
{
    ListeSeries->clear();
    for (const QString& serie : SeriesDuDossier(dossier_, MasqueExercices(numeroExercice())))
        ListeSeries->ajouter(serie, serie);
    if (ListeSeries->count() > 0)
        ListeSeries->setCurrentRow(0);
    ListeSeriesClick();
}

void TF_Fiches::ListeSeriesClick()
{
    const QListWidgetItem* serie = ListeSeries->currentItem();
    dossierSerie_ = serie ? QDir(dossier_).filePath(serie->text()) : QString();
    listerExercices();
}

void TF_Fiches::listerExercices()
{
    ListeExercices->clear();
    dire(QString());
    if (dossierSerie_.isEmpty())
        return;
    for (const EntreeDossier& entree : listerDossier(dossierSerie_, MasqueExercices(numeroExercice()))) {
        if (entree.attributs & Attribut::Repertoire)
            continue;
        auto* element = new QListWidgetItem(QFileInfo(entree.nom).completeBaseName(), ListeExercices);
        element->setData(Qt::UserRole, QDir(dossierSerie_).filePath(entree.nom));
        element->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        element->setCheckState(Qt::Checked);
    }
}

// The exercises in the order of the list: files read, codes made again.
SerieFiches TF_Fiches::serieCochee() const
{
    SerieFiches serie;
    for (int i = 0; i < ListeExercices->count(); ++i) {
        const QListWidgetItem* item = ListeExercices->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        if (const std::optional<CodeExercice> code = LireCode(item->data(RoleCode).toString()).Code) {
            serie.Exercices.push_back(FicheDepuisCode(*code));
            continue;
        }
        SerieFiches lue = LireSerieFiches({item->data(Qt::UserRole).toString()});
        serie.Exercices.insert(serie.Exercices.end(), lue.Exercices.begin(), lue.Exercices.end());
        serie.Illisibles += lue.Illisibles;
    }
    return serie;
}

// The exercises of one endless run at the level chosen, each ticked, in place of a series.
void TF_Fiches::BoutonHasardClick()
{
    ListeSeries->setCurrentRow(-1);
    ListeSeries->clearSelection();
    dossierSerie_.clear();
    ListeExercices->clear();
    CodeExercice code{numeroExercice(), ChoixNiveau->currentIndex() + 1, graineAuHasard_()};
    for (int i = 0; i < NombreHasard->value(); ++i) {
        auto* element = new QListWidgetItem(TexteCode(code), ListeExercices);
        element->setData(RoleCode, TexteCode(code));
        element->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        element->setCheckState(Qt::Checked);
        code = CodeSuivant(code);
    }
    if (const NiveauExercice* niveau = NiveauDe(code.Type, code.Niveau))
        dire(DescriptionNiveau(*niveau));
}

OptionsFiches TF_Fiches::options() const
{
    OptionsFiches options;
    options.MillimetresParCase = TaillesCasePapier[ChoixTaille->currentIndex()];
    options.ExercicesParPage = ChoixParPage->currentIndex() + 1;
    options.AvecCorriges = static_cast<Corriges>(ChoixCorriges->currentIndex());
    return options;
}

// Nothing ticked, or nothing readable among the ticked files, is said, naming the files.
bool TF_Fiches::imprimable(const SerieFiches& serie) const
{
    if (!serie.Exercices.empty())
        return true;
    avertir(serie.Illisibles.isEmpty() ? QStringLiteral("Aucun exercice à imprimer.")
                                       : MessageFiches(serie, options(), {}));
    return false;
}

void TF_Fiches::dire(const QString& texte)
{
    Label5->setText(texte);
}

void TF_Fiches::BoutonEnregistrerPdfClick()
{
    const SerieFiches serie = serieCochee();
    if (!imprimable(serie))
        return;
    DemandeFichier demande;
    demande.titre = QStringLiteral("Enregistrer en PDF");
    demande.dossierInitial = SousDossierExercices(dossier_, QStringLiteral("Exercices à imprimer"));
    demande.nomPropose = dossierSerie_.isEmpty()
        ? NomSerieProposee(numeroExercice(), ChoixNiveau->currentIndex() + 1, ChoixNiveau->currentIndex() + 1)
        : ListeSeries->texteChoisi();
    demande.filtre = QStringLiteral("Documents PDF (*.pdf)");
    demande.extensionParDefaut = QStringLiteral("pdf");
    const QString choisi = dialogues().enregistrerFichier(demande);
    if (choisi.isEmpty())
        return;
    // The dialog leaves some typed names as they are: a PDF must say so to be opened.
    QString chemin = choisi;
    if (QFileInfo(chemin).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0)
        chemin += QStringLiteral(".pdf");
    if (!remplacementAccepte(FichiersFiches(options(), chemin), choisi))
        return;
    const BilanFiches bilan = EnregistrerFiches(serie, options(), chemin);
    if (!bilan.Ecrit) {
        avertir(bilan.Message);
        return;
    }
    dire(QStringLiteral("Enregistré : ") + bilan.Fichiers.join(QStringLiteral(", ")));
    if (!bilan.Message.isEmpty())
        informer(bilan.Message);
}

void TF_Fiches::BoutonImprimerClick()
{
    const SerieFiches serie = serieCochee();
    if (!imprimable(serie))
        return;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(QStringLiteral("Fiches à imprimer"));
    QPrintDialog dialogue(&imprimante, this);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    const OptionsFiches choisies = options();
    // On paper a second file is simply the answer pages after the worksheets.
    const Pages pages = choisies.AvecCorriges == Corriges::Aucun ? Pages::Fiches : Pages::Tout;
    const QString message = MessageFiches(serie, choisies, PeindreFiches(imprimante, serie, choisies, pages));
    if (!message.isEmpty())
        informer(message);
}

void TF_Fiches::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    CentrerPanneau(Panel1);
}

void TF_Fiches::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
        AfficherAide(QStringLiteral("fiches.htm"));
    else
        QDialog::keyPressEvent(evenement);
}
