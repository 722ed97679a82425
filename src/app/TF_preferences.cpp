#include "TF_preferences.h"

#include "ZoneMosaique.h"
#include "Dialogues.h"
#include "Enregistrements.h"
#include "Contexte.h"
#include "Controles.h"
#include "Dossiers.h"
#include "Operations.h"
#include "Preferences.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QShowEvent>
#include <QTabWidget>

namespace {
const QColor lavande(0xD2, 0xD2, 0xFF); // 0x00FFD2D2
const QColor bordeaux(0x80, 0x00, 0x00);
const QColor marine(0x00, 0x00, 0x80);
const QColor orange(0xFF, 0x80, 0x00);  // 0x000080FF

constexpr int LargeurPages = 775;
constexpr int HauteurPages = 435;

QFont police(const QString& famille, int pixels, bool gras = false)
{
    QFont f(famille);
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

void colorer(QWidget* w, QPalette::ColorRole role, const QColor& couleur)
{
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
    if (role == QPalette::Window)
        w->setAutoFillBackground(true);
}

QLabel* etiquette(const QString& texte, const QRect& g, QWidget* parent)
{
    auto* l = new QLabel(texte, parent);
    l->setGeometry(g);
    l->setWordWrap(true);
    return l;
}

QPushButton* bouton(const QString& nom, const QString& texte, const QRect& g, QWidget* parent)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setGeometry(g);
    return b;
}

// A titled box of radio items numbered from 0, filled row by row over the columns.
QButtonGroup* groupeRadio(const QString& nom, const QString& titre, const QStringList& items,
                          const QRect& g, int colonnes, QWidget* parent)
{
    auto* boite = new QGroupBox(titre, parent);
    boite->setObjectName(nom);
    boite->setGeometry(g);
    auto* groupe = new QButtonGroup(boite);
    groupe->setObjectName(nom + QStringLiteral("_items"));
    const int lignes = (items.size() + colonnes - 1) / colonnes;
    const int hauteur = (g.height() - 34) / lignes;
    const int largeur = (g.width() - 24) / colonnes;
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], boite);
        radio->setObjectName(nom + QLatin1Char('_') + QString::number(i));
        radio->setGeometry(16 + (i % colonnes) * largeur, 30 + (i / colonnes) * hauteur, largeur, hauteur);
        groupe->addButton(radio, i);
    }
    return groupe;
}

void selectionner(QButtonGroup* groupe, int item)
{
    if (QAbstractButton* b = groupe->button(item)) {
        b->setChecked(true);
        return;
    }
    // Nothing valid to show: no item stays checked.
    if (QAbstractButton* coche = groupe->checkedButton()) {
        groupe->setExclusive(false);
        coche->setChecked(false);
        groupe->setExclusive(true);
    }
}

// A page of one switch: its titled box, the switch in green, and what it does below.
QCheckBox* pageAUnChoix(QWidget* page, const QString& titre, const QString& nom, const QString& texte,
                        const QString& explication, int hauteurExplication)
{
    auto* cadre = new QGroupBox(titre, page);
    cadre->setGeometry(8, 8, 750, 380);
    auto* choix = new QCheckBox(texte, cadre);
    choix->setObjectName(nom);
    choix->setGeometry(12, 40, 720, 36);
    choix->setFont(police(QStringLiteral("Arial"), 21, true));
    colorer(choix, QPalette::WindowText, QColor(0x00, 0x80, 0x00));
    QLabel* dessous = etiquette(explication, QRect(12, 90, 720, hauteurExplication), cadre);
    dessous->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return choix;
}

// Long folder texts have few blanks: let the label break after every separator.
QString coupable(const QString& dossier)
{
    QString texte = dossier;
    return texte.replace(separateur(), QString(separateur()) + QChar(0x200B));
}
} // namespace

TF_preferences::TF_preferences(Contexte& contexte, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , contexte_(contexte)
{
    setObjectName(QStringLiteral("F_preferences"));
    setWindowTitle(QStringLiteral("Préférences"));
    resize(LargeurInterieureConception, HauteurInterieureConception);
    colorer(this, QPalette::Window, lavande);

    PageControl1 = new QTabWidget(this);
    PageControl1->setAccessibleName(QStringLiteral("Préférences"));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(12, 8, LargeurPages, HauteurPages);
    PageControl1->setFont(police(QStringLiteral("Arial"), 19));
    colorer(PageControl1, QPalette::WindowText, bordeaux);
    colorer(PageControl1, QPalette::ButtonText, bordeaux);
    auto* exercices = new QWidget;
    exercices->setObjectName(QStringLiteral("TabExercices"));
    auto* images = new QWidget;
    images->setObjectName(QStringLiteral("TabImages"));
    PageControl1->addTab(exercices, QStringLiteral("Les exercices"));
    PageControl1->addTab(images, QStringLiteral("Images pour les fonds"));
    auto* retours = new QWidget;
    retours->setObjectName(QStringLiteral("TabRetours"));
    PageControl1->addTab(retours, QStringLiteral("Aide après « Faux »"));
    construirePageExercices(exercices);
    construirePageImages(images);
    construirePageRetours(retours);
    auto* hasard = new QWidget;
    hasard->setObjectName(QStringLiteral("TabHasard"));
    PageControl1->addTab(hasard, QStringLiteral("Au hasard"));
    construirePageHasard(hasard);
    auto* tableau = new QWidget;
    tableau->setObjectName(QStringLiteral("TabTableau"));
    PageControl1->addTab(tableau, QStringLiteral("Au tableau"));
    construirePageTableau(tableau);
    PageControl1->setCurrentIndex(1);
    construirePanelBoutons();

    Timer1 = new TenirGeometrie(this, contexte_.geometrieReference);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [] { AfficherAide(QStringLiteral("preferences.htm")); });

    AdapterEcran(this);
    MaximiserALaPremiereApparition(this);
}

void TF_preferences::construirePageExercices(QWidget* page)
{
    auto* jeu1 = new QGroupBox(QStringLiteral("Exercice n° 1"), page);
    jeu1->setGeometry(8, 8, 370, 380);
    ModifChoix1 = groupeRadio(QStringLiteral("ModifChoix1"), QStringLiteral("Modifier les choix pendant le jeu"),
                              {QStringLiteral("oui"), QStringLiteral("non")}, QRect(10, 34, 350, 70), 2, jeu1);
    NbCasesJeu1 = groupeRadio(QStringLiteral("NbCasesJeu1"), QStringLiteral("Nombre de cases"),
                              {LegendeTailleJeu1(1), LegendeTailleJeu1(2), LegendeTailleJeu1(3),
                               LegendeTailleJeu1(4)},
                              QRect(10, 112, 350, 152), 1, jeu1);
    NbCasesCouleur = groupeRadio(QStringLiteral("NbCasesCouleur"), QStringLiteral("Nombre de cases colorées"),
                                 TextesCasesColorees(3), QRect(10, 272, 350, 100), 2, jeu1);
    connect(ModifChoix1, &QButtonGroup::idClicked, this, &TF_preferences::ModifChoix1Click);
    connect(NbCasesJeu1, &QButtonGroup::idClicked, this, &TF_preferences::NbCasesJeu1Click);
    connect(NbCasesCouleur, &QButtonGroup::idClicked, this, &TF_preferences::NbCasesCouleurClick);

    auto* jeux25 = new QGroupBox(QStringLiteral("Exercices 2, 3, 4, 5"), page);
    jeux25->setGeometry(388, 8, 370, 380);
    ChoixBilanReussite = new QCheckBox(QStringLiteral("Enregistrement bilan réussite"), jeux25);
    ChoixBilanReussite->setObjectName(QStringLiteral("ChoixBilanReussite"));
    ChoixBilanReussite->setGeometry(12, 34, 350, 36);
    ChoixBilanReussite->setFont(police(QStringLiteral("Arial"), 21, true));
    colorer(ChoixBilanReussite, QPalette::WindowText, QColor(0x00, 0x80, 0x00));
    connect(ChoixBilanReussite, &QCheckBox::clicked, this, &TF_preferences::ChoixBilanReussiteClick);

    auto* choixRep = bouton(QStringLiteral("ChoixRep"), QStringLiteral("Choisir l'emplacement des bilans"),
                            QRect(12, 80, 346, 40), jeux25);
    Label_Emplacement = etiquette(QString(), QRect(12, 124, 346, 104), jeux25);
    Label_Emplacement->setObjectName(QStringLiteral("Label_Emplacement"));
    auto* choixRepExo = bouton(QStringLiteral("ChoixRepExo"), QStringLiteral("Choisir l'emplacement des exercices"),
                               QRect(12, 236, 346, 40), jeux25);
    Label_EmplacementExos = etiquette(QString(), QRect(12, 280, 346, 92), jeux25);
    Label_EmplacementExos->setObjectName(QStringLiteral("Label_EmplacementExos"));
    for (QLabel* l : {Label_Emplacement, Label_EmplacementExos}) {
        l->setFont(police(QStringLiteral("Arial"), 14, true));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setMargin(4);
        colorer(l, QPalette::Window, Qt::white);
        colorer(l, QPalette::WindowText, bordeaux);
    }
    connect(choixRep, &QPushButton::clicked, this, &TF_preferences::ChoixRepClick);
    connect(choixRepExo, &QPushButton::clicked, this, &TF_preferences::ChoixRepExoClick);
}

// The help a pupil gets after "Faux": both options off is the program as it always was.
void TF_preferences::construirePageRetours(QWidget* page)
{
    auto* cadre = new QGroupBox(QStringLiteral("Après une réponse « Faux »"), page);
    cadre->setGeometry(8, 8, 750, 380);
    ChoixMontrerErreurs = new QCheckBox(QStringLiteral("Montrer les erreurs après « Faux »"), cadre);
    ChoixMontrerErreurs->setObjectName(QStringLiteral("ChoixMontrerErreurs"));
    ChoixMontrerErreurs->setGeometry(12, 40, 720, 36);
    ChoixProposerSolution = new QCheckBox(QStringLiteral("Proposer la solution après"), cadre);
    ChoixProposerSolution->setObjectName(QStringLiteral("ChoixProposerSolution"));
    ChoixProposerSolution->setGeometry(12, 100, 330, 36);
    EssaisSolution = new QSpinBox(cadre);
    EssaisSolution->setObjectName(QStringLiteral("EssaisSolution"));
    EssaisSolution->setGeometry(346, 100, 70, 36);
    EssaisSolution->setRange(1, EnregistrementRetours::EssaisMax);
    EssaisSolution->setValue(3);
    auto* essais = etiquette(QStringLiteral("essais"), QRect(424, 100, 120, 36), cadre);
    essais->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ChoixLireAVoixHaute = new QCheckBox(QStringLiteral("Lire les consignes à voix haute"), cadre);
    ChoixLireAVoixHaute->setObjectName(QStringLiteral("ChoixLireAVoixHaute"));
    ChoixLireAVoixHaute->setGeometry(12, 150, 720, 36);
    ChoixJouerSons = new QCheckBox(QStringLiteral("Jouer un son pour « Juste » et « Faux »"), cadre);
    ChoixJouerSons->setObjectName(QStringLiteral("ChoixJouerSons"));
    ChoixJouerSons->setGeometry(12, 200, 720, 36);
    auto* explication = etiquette(
        QStringLiteral("Les éléments justes sont montrés en vert, ceux qui manquent en orange et "
                       "ceux qui sont en trop en pointillés rouges, avec une phrase qui dit "
                       "l'erreur. La solution s'affiche quelques secondes ; l'exercice reste à "
                       "faire. La consigne de chaque exercice, «\u00A0Juste\u00A0», "
                       "«\u00A0Faux\u00A0» et la phrase qui dit l'erreur sont lus à voix haute "
                       "pour les élèves qui ne lisent pas encore. Un petit carillon accompagne "
                       "«\u00A0Juste\u00A0», une note douce et grave «\u00A0Faux\u00A0»."),
        QRect(12, 246, 720, 128), cadre);
    explication->setWordWrap(true);
    explication->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QWidget* w : {static_cast<QWidget*>(ChoixMontrerErreurs), static_cast<QWidget*>(ChoixProposerSolution),
                       static_cast<QWidget*>(ChoixLireAVoixHaute), static_cast<QWidget*>(ChoixJouerSons)}) {
        w->setFont(police(QStringLiteral("Arial"), 21, true));
        colorer(w, QPalette::WindowText, QColor(0x00, 0x80, 0x00));
    }
    connect(ChoixMontrerErreurs, &QCheckBox::clicked, this, &TF_preferences::retoursChanges);
    connect(ChoixProposerSolution, &QCheckBox::clicked, this, &TF_preferences::retoursChanges);
    connect(ChoixLireAVoixHaute, &QCheckBox::clicked, this, &TF_preferences::retoursChanges);
    connect(ChoixJouerSons, &QCheckBox::clicked, this, &TF_preferences::retoursChanges);
    connect(EssaisSolution, &QSpinBox::valueChanged, this, &TF_preferences::retoursChanges);
}

// The exercises the program makes for a pupil, level by level: without the offers, the
// pupil stays at the level the run starts at.
void TF_preferences::construirePageHasard(QWidget* page)
{
    ChoixProposerNiveaux = pageAUnChoix(
        page, QStringLiteral("Exercices au hasard"), QStringLiteral("ChoixProposerNiveaux"),
        QStringLiteral("Proposer de changer de niveau"),
        QStringLiteral("Un élève qui choisit «\u00A0Au hasard\u00A0» joue des exercices fabriqués "
                       "par Orvane, à son niveau. Après trois exercices réussis de suite, Orvane "
                       "lui propose le niveau suivant ; après trois «\u00A0Faux\u00A0» sur le "
                       "même exercice, le niveau d'en dessous. Sans ces propositions, l'élève "
                       "reste au niveau où il commence : le plus haut qu'il a réussi, ou celui "
                       "d'un code que vous lui donnez."),
        150);
    connect(ChoixProposerNiveaux, &QCheckBox::clicked, this,
            [this](bool coche) { contexte_.hasard.ProposerNiveaux = coche ? 1 : 0; });
}

void TF_preferences::montrerRetours()
{
    const EnregistrementRetours r = contexte_.retours;
    ChoixMontrerErreurs->setChecked(r.MontrerErreurs == 1);
    ChoixProposerSolution->setChecked(r.EssaisAvantSolution > 0);
    ChoixLireAVoixHaute->setChecked(r.LireAVoixHaute == 1);
    ChoixJouerSons->setChecked(r.JouerSons == 1);
    if (r.EssaisAvantSolution > 0)
        EssaisSolution->setValue(r.EssaisAvantSolution);
    EssaisSolution->setEnabled(r.EssaisAvantSolution > 0);
}

void TF_preferences::retoursChanges()
{
    contexte_.retours.MontrerErreurs = ChoixMontrerErreurs->isChecked() ? 1 : 0;
    contexte_.retours.LireAVoixHaute = ChoixLireAVoixHaute->isChecked() ? 1 : 0;
    contexte_.retours.JouerSons = ChoixJouerSons->isChecked() ? 1 : 0;
    const bool solution = ChoixProposerSolution->isChecked();
    contexte_.retours.EssaisAvantSolution = solution ? static_cast<quint8>(EssaisSolution->value()) : 0;
    EssaisSolution->setEnabled(solution);
}

// The classroom's board: the windows are shown for the next opening of each of them.
void TF_preferences::construirePageTableau(QWidget* page)
{
    ChoixModeTableau = pageAUnChoix(
        page, QStringLiteral("Au tableau et sur écran tactile"), QStringLiteral("ChoixModeTableau"),
        QStringLiteral("Mode tableau"),
        QStringLiteral("Pour le tableau interactif de la classe : les boutons et les listes "
                       "sont assez grands pour le doigt, les traits de la figure et de l'élève "
                       "sont trois fois plus épais pour être vus du fond de la classe, et "
                       "«\u00A0Juste\u00A0» ou «\u00A0Faux\u00A0» s'affiche en grand. La "
                       "vérification reste exactement la même. Le réglage vaut pour chaque "
                       "fenêtre dès sa prochaine ouverture ; « orvane --tableau » lance Orvane "
                       "en mode tableau sans changer ce réglage.\n\nLe doigt et le stylet "
                       "dessinent toujours comme la souris, avec ou sans ce mode."),
        280);
    connect(ChoixModeTableau, &QCheckBox::clicked, this,
            [this](bool coche) { contexte_.tableau.ModeTableau = coche ? 1 : 0; });
}

void TF_preferences::construirePageImages(QWidget* page)
{
    const std::array<QString, 3> titres = {QStringLiteral("Image pour la mosaïque de la page d'accueil :"),
                                           QStringLiteral("Image pour le premier plan"),
                                           QStringLiteral("Image pour les fonds")};
    for (int slot = 0; slot < 3; ++slot) {
        const QString n = QString::number(slot);
        auto* panneau = new QGroupBox(page);
        panneau->setGeometry(8 + slot * 252, 8, 244, 380);
        auto* titre = etiquette(titres[slot], QRect(8, 8, 228, 64), panneau);
        titre->setAlignment(Qt::AlignCenter);

        auto* cadre = new QLabel(panneau);
        cadre->setGeometry(62, 80, 120, 107);
        cadre->setFrameStyle(QFrame::Box | QFrame::Plain);
        colorer(cadre, QPalette::Window, Qt::white);
        PaintBox[slot] = new ZoneMosaique(panneau, [this, slot] { return contexte_.fichierProgramme(contexte_.imagesCourantes[slot]); });
        PaintBox[slot]->setObjectName(QStringLiteral("PaintBox0") + n);
        PaintBox[slot]->setGeometry(66, 84, 112, 99);

        Label_Image[slot] = etiquette(QString(), QRect(8, 194, 228, 30), panneau);
        Label_Image[slot]->setObjectName(QStringLiteral("Label_Image") + n);
        Label_Image[slot]->setAlignment(Qt::AlignCenter);

        auto* changer = bouton(QStringLiteral("Bouton0") + n, QStringLiteral("Changer l'image."),
                               QRect(22, 236, 200, 50), panneau);
        auto* aucune = bouton(QStringLiteral("Aucune") + n, QStringLiteral("aucune"),
                              QRect(22, 300, 200, 50), panneau);
        connect(changer, &QPushButton::clicked, this, [this, slot] { BoutonImageClick(slot); });
        connect(aucune, &QPushButton::clicked, this, [this, slot] { AucuneClick(slot); });
    }
}

void TF_preferences::construirePanelBoutons()
{
    PanelBoutons = new QWidget(this);
    PanelBoutons->setObjectName(QStringLiteral("PanelBoutons"));
    PanelBoutons->setGeometry(12, 450, LargeurPages, 116);
    const QFont times = police(QStringLiteral("Times New Roman"), 19, true);
    auto* valider = bouton(QStringLiteral("SpeedButton1"), QStringLiteral("&Valider"),
                           QRect(10, 26, 170, 64), PanelBoutons);
    auto* annuler = bouton(QStringLiteral("SpeedButton2"), QStringLiteral("&Annuler"),
                           QRect(196, 26, 170, 64), PanelBoutons);
    for (QPushButton* b : {valider, annuler}) {
        b->setFont(times);
        colorer(b, QPalette::ButtonText, marine);
    }
    connect(valider, &QPushButton::clicked, this, &TF_preferences::SpeedButton1Click);
    connect(annuler, &QPushButton::clicked, this, &TF_preferences::SpeedButton2Click);

    auto* orange_ = new QFrame(PanelBoutons);
    orange_->setGeometry(384, 4, 386, 108);
    orange_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    colorer(orange_, QPalette::Window, orange);
    auto* parDefaut = bouton(QStringLiteral("Par_defaut"), QStringLiteral("Valeurs par &défaut"),
                             QRect(10, 19, 180, 70), orange_);
    parDefaut->setToolTip(QStringLiteral("Supprime les fichiers \"préférences\""));
    parDefaut->setFont(police(QStringLiteral("Arial"), 16, true));
    connect(parDefaut, &QPushButton::clicked, this, &TF_preferences::Par_defautClick);

    auto* alerte = new QFrame(orange_);
    alerte->setGeometry(200, 6, 176, 96);
    colorer(alerte, QPalette::Window, Qt::red);
    colorer(alerte, QPalette::WindowText, Qt::white);
    auto* attention = etiquette(QStringLiteral("Attention !"), QRect(4, 6, 168, 26), alerte);
    attention->setFont(police(QStringLiteral("Arial"), 18, true));
    attention->setAlignment(Qt::AlignCenter);
    auto* irreversible = etiquette(QStringLiteral("Vous ne pourrez pas annuler cette action."),
                                   QRect(4, 34, 168, 60), alerte);
    irreversible->setFont(police(QStringLiteral("Arial"), 14, true));
    irreversible->setAlignment(Qt::AlignCenter);
}

void TF_preferences::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    PageControl1->move((width() - PageControl1->width()) / 2, PageControl1->y());
    PanelBoutons->move((width() - PanelBoutons->width()) / 2, PanelBoutons->y());
}

void TF_preferences::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormActivate();
}

void TF_preferences::hideEvent(QHideEvent* evenement)
{
    Timer1->arreter();
    QDialog::hideEvent(evenement);
}

void TF_preferences::FormActivate()
{
    Timer1->demarrer();
    ChargerPreferences();
    repeindreApercus();
}

void TF_preferences::ChargerPreferences()
{
    // Read before the values are: a change made in between is taken for one made since.
    vus_ = LireFichiersPreferences(contexte_);
    ChargerFichierImages(contexte_);
    ChargerFichierReglages(contexte_);

    selectionner(NbCasesJeu1, contexte_.reglages.TailleJeu1 - 1);
    selectionner(NbCasesCouleur, contexte_.reglages.NbColoreesJeu1 - 1);
    selectionner(ModifChoix1, contexte_.reglages.ModifChoixJeu1 != 0 ? 0 : 1);
    etiqueterNbCasesCouleur();
    const EnregistrementReglages& r = contexte_.reglages;
    copieReglages_ = {r.TailleJeu1, r.NbColoreesJeu1, r.ModifChoixJeu1, r.BilanReussite};
    ChargerFichierRetours(contexte_);
    copieRetours_ = contexte_.retours;
    montrerRetours();
    ChargerFichierHasard(contexte_);
    copieHasard_ = contexte_.hasard;
    ChoixProposerNiveaux->setChecked(contexte_.hasard.ProposerNiveaux == 1);
    ChargerFichierTableau(contexte_);
    copieTableau_ = contexte_.tableau;
    ChoixModeTableau->setChecked(contexte_.tableau.ModeTableau == 1);

    for (int slot = 0; slot < 3; ++slot) {
        copieImages_[slot] = contexte_.imagesChoisies.image(slot);
        contexte_.imagesCourantes[slot] = copieImages_[slot];
        Label_Image[slot]->setText(copieImages_[slot] == ImageAucune ? ImageAucune : QString());
    }

    ChoixBilanReussite->setChecked(contexte_.reglages.BilanReussite == 1);

    ChargerFichierDossier(contexte_, FichierDossierBilans, contexte_.dossierBilans);
    ChargerFichierDossier(contexte_, FichierDossierExercices, contexte_.dossierExercices);
    copieDossierBilans_ = contexte_.dossierBilans.dossier();
    copieDossierExercices_ = contexte_.dossierExercices.dossier();
    montrerDossiers();
}

bool TF_preferences::EnregistrerPreferences()
{
    const ResultatPreferences resultat = EcrireFichiersPreferences(contexte_, vus_);
    if (resultat == ResultatPreferences::ChangeesAilleurs) {
        const ContenusPreferences autres = LireFichiersPreferences(contexte_);
        if (confirmer(QStringLiteral("Les préférences ont été changées sur un autre ordinateur depuis "
                                     "l'ouverture de cette fenêtre. Les remplacer par celles-ci ?"))
            != Reponse::Oui)
            return false;
        vus_ = autres;
        return EnregistrerPreferences();
    }
    if (resultat == ResultatPreferences::Ecrites)
        vus_ = LireFichiersPreferences(contexte_);
    for (int slot = 0; slot < 3; ++slot)
        contexte_.imagesCourantes[slot] = contexte_.imagesChoisies.image(slot);
    return true;
}

void TF_preferences::etiqueterNbCasesCouleur()
{
    const QStringList textes = TextesCasesColorees(contexte_.reglages.TailleJeu1);
    for (int i = 0; i < textes.size(); ++i)
        NbCasesCouleur->button(i)->setText(textes[i]);
}

void TF_preferences::montrerDossiers()
{
    Label_Emplacement->setText(coupable(contexte_.dossierBilans.dossier()));
    Label_EmplacementExos->setText(coupable(contexte_.dossierExercices.dossier()));
}

void TF_preferences::repeindreApercus()
{
    for (ZoneMosaique* apercu : PaintBox)
        apercu->update();
}

void TF_preferences::ModifChoix1Click(int item)
{
    contexte_.reglages.ModifChoixJeu1 = item == 0 ? 1 : 0;
}

void TF_preferences::NbCasesJeu1Click(int item)
{
    contexte_.reglages.TailleJeu1 = static_cast<quint8>(item + 1);
    etiqueterNbCasesCouleur();
}

void TF_preferences::NbCasesCouleurClick(int item)
{
    contexte_.reglages.NbColoreesJeu1 = static_cast<quint8>(item + 1);
}

void TF_preferences::ChoixBilanReussiteClick()
{
    contexte_.reglages.BilanReussite = ChoixBilanReussite->isChecked() ? 1 : 0;
}

void TF_preferences::ChoixRepClick()
{
    ChoisirDossier(contexte_, contexte_.dossierBilans);
    montrerDossiers();
}

void TF_preferences::ChoixRepExoClick()
{
    ChoisirDossier(contexte_, contexte_.dossierExercices);
    montrerDossiers();
}

void TF_preferences::BoutonImageClick(int slot)
{
    if (!ChoisirImage(contexte_, slot))
        return;
    Label_Image[slot]->hide();
    PaintBox[slot]->update();
}

void TF_preferences::AucuneClick(int slot)
{
    contexte_.imagesChoisies.fixerImage(slot, ImageAucune);
    contexte_.imagesCourantes[slot] = ImageAucune;
    Label_Image[slot]->setText(ImageAucune);
    Label_Image[slot]->show();
    PaintBox[slot]->update();
}

void TF_preferences::SpeedButton1Click()
{
    // Kept from being written over, the other computer's preferences are shown instead.
    if (EnregistrerPreferences()) {
        accept();
        return;
    }
    ChargerPreferences();
    repeindreApercus();
}

void TF_preferences::SpeedButton2Click()
{
    contexte_.reglages = {copieReglages_[0], copieReglages_[1], copieReglages_[2], copieReglages_[3]};
    contexte_.retours = copieRetours_;
    contexte_.hasard = copieHasard_;
    contexte_.tableau = copieTableau_;
    contexte_.dossierBilans.fixerDossier(copieDossierBilans_);
    contexte_.dossierExercices.fixerDossier(copieDossierExercices_);
    for (int slot = 0; slot < 3; ++slot) {
        contexte_.imagesChoisies.fixerImage(slot, copieImages_[slot]);
        contexte_.imagesCourantes[slot] = copieImages_[slot];
    }
    QDialog::reject();
}

void TF_preferences::reject()
{
    SpeedButton2Click();
}

void TF_preferences::Par_defautClick()
{
    if (!EffacerFichiersPreferences(contexte_))
        return;
    ChargerPreferences();
    repeindreApercus();
    const QString ici = DossierParDefaut(contexte_.dossierProgramme);
    contexte_.dossierBilans.fixerDossier(ici);
    contexte_.dossierExercices.fixerDossier(ici);
    montrerDossiers();
}
