#include "TF_ApercuImport.h"

#include "Controles.h"
#include "Couleurs.h"
#include "Contexte.h"
#include "Dialogues.h"
#include "Operations.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {
QListWidget* creerListe(QWidget* parent, const QString& nom, const QString& accessible, const QRect& geometrie)
{
    auto* liste = new QListWidget(parent);
    liste->setObjectName(nom);
    liste->setAccessibleName(accessible);
    liste->setGeometry(geometrie);
    liste->setFont(PoliceArial(15));
    return liste;
}

QString nombreEleves(qsizetype n)
{
    return compter(n, QStringLiteral("élève"), QStringLiteral("élèves"));
}

QString texteClasse(const ClasseApercu& c)
{
    if (!c.refus.isEmpty())
        return c.nom.isEmpty() ? QStringLiteral("(classe sans nom)") : c.nom + QStringLiteral(" : non importée");
    if (!c.existe)
        return QStringLiteral("%1 (%2)").arg(c.nom, nombreEleves(c.eleves.size()));
    return QStringLiteral("%1 (existe : %2 de plus)").arg(c.nom).arg(c.nbNouveaux);
}

QString texteRemarque(const Remarque& r)
{
    return r.ligne > 0 ? QStringLiteral("Ligne %1 : %2").arg(r.ligne).arg(r.texte) : r.texte;
}
} // namespace

TF_ApercuImport::TF_ApercuImport(const Contexte& contexte, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
{
    PreparerFenetreGestion(this, QStringLiteral("F_ApercuImport"), QStringLiteral("Importer des élèves"),
                           QSize(808, 606));
    creerControles();
    AdapterEcran(this);
    CentrerPanneau(Panel1);
}

void TF_ApercuImport::creerControles()
{
    Panel1 = CreerPanneau(this, QStringLiteral("Panel1"), {8, 12, 784, 548}, CouleurPanneauGestion);
    const QFont gras = PoliceArial(16, true);
    const QFont texte = PoliceArial(15);
    LabelFichier = CreerEtiquette(Panel1, QStringLiteral("LabelFichier"), QString(), {12, 8, 760, 26}, gras, CouleurNoir);
    CreerEtiquette(Panel1, QStringLiteral("LabelPresentation"), QStringLiteral("Noms :"), {12, 48, 0, 0}, gras, CouleurNoir);
    ComboPresentation = new QComboBox(Panel1);
    ComboPresentation->setObjectName(QStringLiteral("ComboPresentation"));
    ComboPresentation->setAccessibleName(QStringLiteral("Noms"));
    ComboPresentation->setGeometry(76, 42, 330, 30);
    ComboPresentation->setFont(texte);
    ComboPresentation->addItems({QStringLiteral("Prénom (initiale du nom si besoin)"), QStringLiteral("Prénom et nom")});
    CaseOrdre = new QCheckBox(QStringLiteral("Le nom de famille vient en premier"), Panel1);
    CaseOrdre->setObjectName(QStringLiteral("CaseOrdre"));
    CaseOrdre->setGeometry(424, 42, 348, 30);
    CaseOrdre->setFont(texte);

    LabelClasse = CreerEtiquette(Panel1, QStringLiteral("LabelClasse"), QStringLiteral("Classe :"), {12, 88, 0, 0},
                                 gras, CouleurNoir);
    EditClasse = new QLineEdit(Panel1);
    EditClasse->setObjectName(QStringLiteral("EditClasse"));
    EditClasse->setAccessibleName(QStringLiteral("Nom de la classe"));
    EditClasse->setGeometry(86, 82, 320, 30);
    EditClasse->setFont(texte);
    EditClasse->setMaxLength(LongueurMaxClasseImportee);
    LabelExistantes = CreerEtiquette(Panel1, QStringLiteral("LabelExistantes"), QStringLiteral("Classes déjà là :"),
                                     {424, 88, 0, 0}, gras, CouleurNoir);
    RadioAjouter = new QRadioButton(QStringLiteral("Ajouter les nouveaux élèves"), Panel1);
    RadioAjouter->setObjectName(QStringLiteral("RadioAjouter"));
    RadioAjouter->setGeometry(424, 112, 240, 26);
    RadioRemplacer = new QRadioButton(QStringLiteral("Remplacer"), Panel1);
    RadioRemplacer->setObjectName(QStringLiteral("RadioRemplacer"));
    RadioRemplacer->setGeometry(670, 112, 110, 26);
    for (QRadioButton* bouton : {RadioAjouter, RadioRemplacer})
        bouton->setFont(texte);
    auto* groupe = new QButtonGroup(this);
    groupe->addButton(RadioAjouter);
    groupe->addButton(RadioRemplacer);
    RadioAjouter->setChecked(true);

    CreerEtiquette(Panel1, QStringLiteral("LabelClasses"), QStringLiteral("Classes"), {12, 146, 0, 0}, gras, CouleurNoir);
    ListeClasses = creerListe(Panel1, QStringLiteral("ListeClasses"), QStringLiteral("Classes trouvées"), {12, 170, 260, 190});
    CreerEtiquette(Panel1, QStringLiteral("LabelNoms"), QStringLiteral("La liste de la classe après l'import"),
                   {286, 146, 0, 0}, gras, CouleurNoir);
    ListeNoms = creerListe(Panel1, QStringLiteral("ListeNoms"), QStringLiteral("Élèves de la classe"), {286, 170, 486, 190});
    CreerEtiquette(Panel1, QStringLiteral("LabelRemarques"), QStringLiteral("Ce qui n'a pas pu être lu tel quel"),
                   {12, 368, 0, 0}, gras, CouleurNoir);
    ListeRemarques = creerListe(Panel1, QStringLiteral("ListeRemarques"), QStringLiteral("Remarques"), {12, 392, 760, 100});
    ListeRemarques->setWordWrap(true);
    ColorerTexte(ListeRemarques, CouleurMarron);

    BoutonImporter = CreerBouton(Panel1, QStringLiteral("BoutonImporter"), QStringLiteral("Importer"), {480, 500, 140, 40}, gras);
    BoutonAnnuler = CreerBouton(Panel1, QStringLiteral("BoutonAnnuler"), QStringLiteral("Annuler"), {632, 500, 140, 40}, gras);

    connect(ComboPresentation, &QComboBox::activated, this, &TF_ApercuImport::actualiser);
    connect(CaseOrdre, &QCheckBox::clicked, this, &TF_ApercuImport::relire);
    connect(EditClasse, &QLineEdit::textEdited, this, &TF_ApercuImport::actualiser);
    connect(groupe, &QButtonGroup::buttonClicked, this, &TF_ApercuImport::actualiser);
    connect(ListeClasses, &QListWidget::currentRowChanged, this, &TF_ApercuImport::montrerClasse);
    connect(BoutonImporter, &QPushButton::clicked, this, &TF_ApercuImport::BoutonImporterClick);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

ModeExistantes TF_ApercuImport::mode() const
{
    return RadioRemplacer->isChecked() ? ModeExistantes::Remplacer : ModeExistantes::Ajouter;
}

void TF_ApercuImport::montrer(const QString& chemin, const LectureImport& lecture)
{
    chemin_ = chemin;
    lecture_ = lecture;
    CaseOrdre->setChecked(lecture.ordre == OrdreNoms::NomPuisPrenom);
    CaseOrdre->setVisible(lecture.ordreModifiable);
    LabelClasse->setVisible(!lecture.colonneClasse);
    EditClasse->setVisible(!lecture.colonneClasse);
    EditClasse->setText(lecture.classeProposee);
    RadioAjouter->setChecked(true);
    actualiser();
}

// The order of names changes how the file is read.
void TF_ApercuImport::relire()
{
    const LectureImport lecture =
        LireFichierImport(chemin_, CaseOrdre->isChecked() ? OrdreNoms::NomPuisPrenom : OrdreNoms::PrenomPuisNom);
    if (!lecture.erreur.isEmpty()) {
        avertir(lecture.erreur);
        return;
    }
    lecture_ = lecture;
    actualiser();
}

void TF_ApercuImport::actualiser()
{
    const auto presentation =
        ComboPresentation->currentIndex() == 0 ? PresentationNoms::Prenom : PresentationNoms::PrenomEtNom;
    apercu_ = ConstruireApercu(lecture_, presentation, mode(), EditClasse->text(),
                               ClassesDuDossierProgramme(contexte_.dossierProgramme));
    QString resume = QStringLiteral("« %1 » : %2, %3")
                         .arg(QFileInfo(chemin_).fileName(), compter(lecture_.classes.size(), QStringLiteral("classe"), QStringLiteral("classes")),
                              nombreEleves(lecture_.nbEleves));
    if (!lecture_.codage.isEmpty())
        resume += QStringLiteral(" (texte %1)").arg(lecture_.codage);
    LabelFichier->setText(resume + QLatin1Char('.'));
    const bool existantes = apercu_.existantes();
    LabelExistantes->setVisible(existantes);
    RadioAjouter->setVisible(existantes);
    RadioRemplacer->setVisible(existantes);

    const int choisie = std::max(0, ListeClasses->currentRow());
    ListeClasses->blockSignals(true);
    ListeClasses->clear();
    for (const ClasseApercu& c : apercu_.classes) {
        auto* element = new QListWidgetItem(texteClasse(c), ListeClasses);
        element->setToolTip(c.refus);
        if (!c.refus.isEmpty())
            element->setForeground(QColor::fromRgb(VersQRgb(CouleurRouge)));
    }
    ListeClasses->setCurrentRow(std::min(choisie, ListeClasses->count() - 1));
    ListeClasses->blockSignals(false);
    montrerClasse();

    ListeRemarques->clear();
    for (const Remarque& r : apercu_.remarques)
        ListeRemarques->addItem(texteRemarque(r));
    if (apercu_.remarques.isEmpty())
        ListeRemarques->addItem(QStringLiteral("Rien : chaque ligne a été lue."));
    BoutonImporter->setEnabled(apercu_.nbEcrites() > 0);
}

// The pupils the list keeps are greyed; those the import brings stand out.
void TF_ApercuImport::montrerClasse()
{
    ListeNoms->clear();
    const int rang = ListeClasses->currentRow();
    if (rang < 0 || rang >= apercu_.classes.size())
        return;
    const ClasseApercu& c = apercu_.classes[rang];
    const qsizetype gardes = c.eleves.size() - c.nbNouveaux;
    for (qsizetype i = 0; i < c.eleves.size(); ++i) {
        auto* element = new QListWidgetItem(c.eleves[i], ListeNoms);
        element->setForeground(QColor::fromRgb(VersQRgb(i < gardes ? CouleurGrisFonce : CouleurBleu)));
    }
}

void TF_ApercuImport::BoutonImporterClick()
{
    if (mode() == ModeExistantes::Remplacer && apercu_.existantes()) {
        QStringList classes;
        int eleves = 0;
        for (const ClasseApercu& c : apercu_.classes)
            if (c.existe && c.refus.isEmpty()) {
                classes.append(c.nom);
                eleves += c.nbExistants;
            }
        const QString question = QStringLiteral("Remplacer les listes de %1 (%2 en tout) par celles du fichier ? Les "
                                                "élèves absents du fichier en seront retirés ; leurs bilans restent.")
                                     .arg(classes.join(QStringLiteral(", ")), nombreEleves(eleves));
        if (!classes.isEmpty() && confirmer(question) != Reponse::Oui)
            return;
    }
    accept();
}

void TF_ApercuImport::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    CentrerPanneau(Panel1);
}

void TF_ApercuImport::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
        AfficherAide(QStringLiteral("listes.htm"));
    else
        QDialog::keyPressEvent(evenement);
}
