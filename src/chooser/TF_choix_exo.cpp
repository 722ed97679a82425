#include "TF_choix_exo.h"

#include "Bilans.h"
#include "ChoixExercice.h"
#include "Controles.h"
#include "Dessin.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Contexte.h"
#include "FichierExercice.h"
#include "Generateur.h"
#include "Niveaux.h"
#include "Operations.h"

#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>

#include <algorithm>

namespace {
constexpr quint32 CouleurFenetre = 0x00CCFFFF;
constexpr quint32 CouleurBleuMarine = 0x00800000;
constexpr QRect PlaceSeries(6, 68, 213, 387);
constexpr QRect PlaceToutesSeries(6, 326, 213, 129);
constexpr QRect PlaceBoutonEntier(6, 459, 213, 49);
constexpr QRect PlaceContinuer(6, 459, 104, 49);
constexpr QRect PlaceHasardCourt(115, 459, 104, 49);
constexpr QRect PlaceSituation(6, 242, 213, 60);
constexpr QRect PlaceSituationSeule(6, 242, 213, 213);
constexpr int CasesAccueil = 20;
// A preview taller than this many reference widths belongs to a damaged file.
constexpr int HauteurMaxEnEtalons = 4;

const QString TexteTousLesFichiers = QStringLiteral("Tous les fichiers");
const QString TexteConsigne = QStringLiteral("A l'aide de la souris, choisis d'abord la série, puis l'exercice dans la "
                                             "liste et enfin clique sur le bouton Valider.");
const QString TexteConsigneParcours = QStringLiteral("Clique sur « Continuer », ou choisis une étape de ton parcours "
                                                     "puis un exercice, et enfin clique sur Valider.");

QString extensionDe(const QString& fichier)
{
    const qsizetype point = fichier.lastIndexOf(QLatin1Char('.'));
    return point < 0 ? QString() : fichier.mid(point).left(4);
}

QString sansExtension(const QString& fichier)
{
    const qsizetype point = fichier.lastIndexOf(QLatin1Char('.'));
    return point < 0 ? fichier : fichier.left(point);
}

// White, with the thin black border at the picture's edge.
void effacerAvecBord(QImage& image)
{
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(0, 0, image.width() - 1, image.height() - 1);
}
} // namespace

ImageApercu::ImageApercu(QWidget* parent, const QString& nom, const QRect& geometrie)
    : QWidget(parent)
{
    setObjectName(nom);
    move(geometrie.topLeft());
    dimensionner(geometrie.size());
}

void ImageApercu::dimensionner(const QSize& taille)
{
    resize(taille);
    QImage nouvelle = NouvelleImage(taille.width(), taille.height());
    QPainter(&nouvelle).drawImage(0, 0, image_);
    image_ = nouvelle;
}

void ImageApercu::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, image_);
}

TF_choix_exo::TF_choix_exo(const Contexte& contexte, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
    , sourceGraine_([] { return QRandomGenerator::system()->bounded(CodeExercice::GraineMax + 1); })
{
    setObjectName(QStringLiteral("F_choix_exo"));
    setWindowTitle(QStringLiteral("Choix de l'exercice"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowMinMaxButtonsHint);
    MaximiserALaPremiereApparition(this);
    resize(808, 606);
    ColorerFond(this, CouleurFenetre);
    creerControles();
    relierControles();
    echelle_ = AdapterEcran(this);
    Panel_Etalon->move((width() - Panel_Etalon->width()) / 2, Panel_Etalon->y());
    CentrerPanneau(PanelMilieu);
}

void TF_choix_exo::creerControles()
{
    Panel_Etalon = CreerPanneau(this, QStringLiteral("Panel_Etalon"), {450, 155, 250, 17},
                                CouleurFenetre);
    Panel_Etalon->hide();
    PanelMilieu = CreerPanneau(this, QStringLiteral("PanelMilieu"), {0, 0, 780, 521}, CouleurBlanc);

    consigne = CreerEtiquette(PanelMilieu, QStringLiteral("consigne"), TexteConsigne, {2, 4, 777, 30},
                              PoliceArial(15, true), CouleurVertFonce);
    consigne->setWordWrap(true);
    Label1 = CreerEtiquette(PanelMilieu, QStringLiteral("Label1"), QStringLiteral("Séries d'exercices"),
                            {10, 39, 209, 25}, PoliceArial(16, true), CouleurMarron);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* label2 = CreerEtiquette(PanelMilieu, QStringLiteral("Label2"),
                                  QStringLiteral("Exercices"), {252, 39, 233, 21},
                                  PoliceArial(16, true), CouleurBleuMarine);
    label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    ListBox1 = new ListeEleves(PanelMilieu, QStringLiteral("ListBox1"), {6, 68, 213, 387}, true);
    ListBox1->setAccessibleName(QStringLiteral("Séries d'exercices"));
    SpeedButton1 = CreerBouton(PanelMilieu, QStringLiteral("SpeedButton1"), TexteTousLesFichiers,
                               {6, 459, 213, 49}, PoliceArial(16, true));
    SpeedButton1->setFlat(true);

    Panel_exos1 = CreerPanneau(PanelMilieu, QStringLiteral("Panel_exos1"), {224, 66, 289, 161},
                               CouleurVertFonce);
    auto* label3 = CreerEtiquette(Panel_exos1, QStringLiteral("Label3"), QStringLiteral("réussis"),
                                  {8, 4, 273, 22}, PoliceArial(16, true), CouleurBlanc);
    label3->setAlignment(Qt::AlignCenter);
    ListBox2 = new ListeEleves(Panel_exos1, QStringLiteral("ListBox2"), {8, 28, 273, 123}, true);
    ListBox2->setAccessibleName(QStringLiteral("Exercices réussis"));

    Panel_exos2 = CreerPanneau(PanelMilieu, QStringLiteral("Panel_exos2"), {224, 230, 289, 278},
                               CouleurGrisFonce);
    auto* label4 = CreerEtiquette(Panel_exos2, QStringLiteral("Label4"), QStringLiteral("à faire"),
                                  {8, 4, 273, 22}, PoliceArial(16, true), CouleurBlanc);
    label4->setAlignment(Qt::AlignCenter);
    ListBox3 = new ListeEleves(Panel_exos2, QStringLiteral("ListBox3"), {8, 28, 273, 242}, true);
    ListBox3->setAccessibleName(QStringLiteral("Exercices à faire"));

    ListBox4 = new ListeEleves(PanelMilieu, QStringLiteral("ListBox4"), {223, 67, 289, 441}, false);
    ListBox4->setAccessibleName(QStringLiteral("Exercices"));
    for (ListeEleves* liste : {ListBox1, ListBox2, ListBox3, ListBox4})
        liste->setFont(PoliceArial(15));

    PanelJeu = CreerPanneau(PanelMilieu, QStringLiteral("PanelJeu"), {518, 143, 250, 250},
                            CouleurBlanc);
    Image1 = new ImageApercu(PanelJeu, QStringLiteral("Image1"), {1, 1, 248, 248});

    Button1 = CreerBouton(PanelMilieu, QStringLiteral("Button1"), QStringLiteral("Valider"),
                          {561, 403, 177, 49}, PoliceArial(16, true));
    Button2 = CreerBouton(PanelMilieu, QStringLiteral("Button2"), QStringLiteral("Annuler"),
                          {561, 459, 177, 49}, PoliceArial(16, true));
    creerControlesHasard();
    creerControlesParcours();
}

// "Au hasard" sits under the series, where the editor has its "Tous les fichiers"; the
// code goes above the preview; what the program makes takes the place of the exercises.
void TF_choix_exo::creerControlesHasard()
{
    BoutonHasard = CreerBouton(PanelMilieu, QStringLiteral("BoutonHasard"), QStringLiteral("Au hasard"),
                               {6, 459, 213, 49}, PoliceArial(16, true));
    ColorerTexte(BoutonHasard, CouleurBleuMarine);
    LabelCode = CreerEtiquette(PanelMilieu, QStringLiteral("LabelCode"), QStringLiteral("Code d'un exercice :"),
                               {518, 40, 250, 22}, PoliceArial(15, true), CouleurBleuMarine);
    EditCode = new QLineEdit(PanelMilieu);
    EditCode->setObjectName(QStringLiteral("EditCode"));
    EditCode->setGeometry(518, 66, 162, 32);
    EditCode->setFont(PoliceArial(16));
    EditCode->setPlaceholderText(QStringLiteral("4-3-8271"));
    EditCode->setAccessibleName(QStringLiteral("Code d'un exercice"));
    BoutonCode = CreerBouton(PanelMilieu, QStringLiteral("BoutonCode"), QStringLiteral("Ouvrir"),
                             {686, 66, 82, 32}, PoliceArial(15, true));

    Panel_hasard = CreerPanneau(PanelMilieu, QStringLiteral("Panel_hasard"), {224, 66, 289, 442},
                                CouleurSarcelle);
    auto* titre = CreerEtiquette(Panel_hasard, QStringLiteral("LabelHasard"), QStringLiteral("Au hasard"),
                                 {8, 4, 273, 22}, PoliceArial(16, true), CouleurBlanc);
    titre->setAlignment(Qt::AlignCenter);
    LabelNiveau = CreerEtiquette(Panel_hasard, QStringLiteral("LabelNiveau"), QString(), {8, 36, 273, 34},
                                 PoliceArial(26, true), CouleurBlanc);
    LabelDescription = CreerEtiquette(Panel_hasard, QStringLiteral("LabelDescription"), QString(),
                                      {12, 78, 265, 130}, PoliceArial(16), CouleurBlanc);
    LabelCodeChoisi = CreerEtiquette(Panel_hasard, QStringLiteral("LabelCodeChoisi"), QString(),
                                     {8, 214, 273, 26}, PoliceArial(16, true), CouleurBlanc);
    LabelExplication = CreerEtiquette(Panel_hasard, QStringLiteral("LabelExplication"), QString(),
                                      {12, 254, 265, 180}, PoliceArial(15), CouleurBlanc);
    for (QLabel* texte : {LabelNiveau, LabelCodeChoisi})
        texte->setAlignment(Qt::AlignCenter);
    for (QLabel* texte : {LabelDescription, LabelExplication}) {
        texte->setWordWrap(true);
        texte->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    Panel_hasard->hide();
}

// The class's path takes the top of the series' place; the series, when the pupils may
// open them, go under it.
void TF_choix_exo::creerControlesParcours()
{
    ListeParcours = new ListeEleves(PanelMilieu, QStringLiteral("ListeParcours"), {6, 68, 213, 170}, false);
    ListeParcours->setAccessibleName(QStringLiteral("Parcours de la classe"));
    ListeParcours->setFont(PoliceArial(15));
    LabelParcours = CreerEtiquette(PanelMilieu, QStringLiteral("LabelParcours"), QString(), PlaceSituation,
                                   PoliceArial(13, true), CouleurBleuMarine);
    LabelParcours->setWordWrap(true);
    LabelParcours->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelAutres = CreerEtiquette(PanelMilieu, QStringLiteral("LabelAutres"), QStringLiteral("Toutes les séries"),
                                 {6, 304, 213, 20}, PoliceArial(15, true), CouleurMarron);
    LabelAutres->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    BoutonContinuer = CreerBouton(PanelMilieu, QStringLiteral("BoutonContinuer"), QStringLiteral("Continuer"),
                                  PlaceBoutonEntier, PoliceArial(16, true));
    ColorerTexte(BoutonContinuer, CouleurVertFonce);
    for (QWidget* controle : std::initializer_list<QWidget*>{ListeParcours, LabelParcours, LabelAutres, BoutonContinuer})
        controle->hide();
}

void TF_choix_exo::relierControles()
{
    // A click, or a move of the selection with the keyboard while the list has the focus.
    // The keyboard selects the item it makes current; a mouse press makes the item current
    // before selecting it, and the click that follows answers it.
    const auto relier = [this](ListeEleves* liste, auto action) {
        connect(liste, &QListWidget::itemClicked, this, action);
        connect(liste, &QListWidget::currentItemChanged, this,
                [liste, action](QListWidgetItem* courant) {
                    if (courant && courant->isSelected() && liste->hasFocus())
                        action();
                });
    };
    relier(ListBox1, [this] { ListBox1Click(); });
    relier(ListeParcours, [this] { ListeParcoursClick(); });
    connect(BoutonContinuer, &QPushButton::clicked, this, &TF_choix_exo::BoutonContinuerClick);
    for (ListeEleves* liste : {ListBox2, ListBox3, ListBox4})
        relier(liste, [this, liste] { ExerciceClick(liste); });
    connect(SpeedButton1, &QPushButton::clicked, this, &TF_choix_exo::SpeedButton1Click);
    connect(Button1, &QPushButton::clicked, this, &TF_choix_exo::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TF_choix_exo::Button2Click);
    connect(BoutonHasard, &QPushButton::clicked, this, &TF_choix_exo::BoutonHasardClick);
    connect(BoutonCode, &QPushButton::clicked, this, &TF_choix_exo::BoutonCodeClick);
}

void TF_choix_exo::fixerSourceGraine(std::function<quint32()> source)
{
    sourceGraine_ = std::move(source);
}

ExerciceChoisi TF_choix_exo::choisir(const QString& dossierExercices, bool depuisEditeur)
{
    preparer(dossierExercices, depuisEditeur);
    if (exec() != QDialog::Accepted)
        return {};
    return choisi_;
}

void TF_choix_exo::preparer(const QString& dossierExercices, bool depuisEditeur)
{
    dossier_ = dossierExercices;
    depuisEditeur_ = depuisEditeur;
    tousLesTypes_ = false;
    choisi_ = {};
}

void TF_choix_exo::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormActivate();
}

void TF_choix_exo::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    CentrerPanneau(PanelMilieu);
}

void TF_choix_exo::keyPressEvent(QKeyEvent* evenement)
{
    const bool entree = evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter;
    if (evenement->key() == Qt::Key_F1)
        AfficherSommaireAide();
    else if (entree && EditCode->hasFocus())
        BoutonCodeClick(); // the code typed, not "Valider" on what was chosen before
    else
        QDialog::keyPressEvent(evenement);
}

// Escape closes the chooser like "Annuler".
void TF_choix_exo::reject()
{
    Button2Click();
}

void TF_choix_exo::FormActivate()
{
    QString messageParcours;
    avancement_ = suiviMontre() ? AvancementDeLEleve(contexte_, dossier_, &messageParcours) : std::nullopt;
    montrerListes();
    for (QWidget* controle : std::initializer_list<QWidget*>{BoutonHasard, LabelCode, EditCode, BoutonCode})
        controle->setVisible(hasardOffert());
    EditCode->clear();
    dimensionnerApercu(CasesAccueil, CasesAccueil);
    Image1->image().fill(Qt::white);
    Image1->update();
    tousLesTypes_ = false;
    SpeedButton1->setText(TexteTousLesFichiers);
    SpeedButton1->setVisible(depuisEditeur_);
    Button1->setEnabled(false);
    for (ListeEleves* liste : {ListBox1, ListBox2, ListBox3, ListBox4})
        liste->clear();
    SerieChoisie_.clear();
    ListerSeries();
    montrerParcours(messageParcours);
}

// The teacher's editor lists exercises, whoever played last.
bool TF_choix_exo::suiviMontre() const
{
    return contexte_.suiviEleve && !depuisEditeur_;
}

// For the pupil, unless the teacher keeps the class on its path; the editor opens a code
// from its own menu.
bool TF_choix_exo::hasardOffert() const
{
    const bool garde = avancement_ && !avancement_->parcours.autresExercices;
    return !depuisEditeur_ && !garde && NombreNiveaux(contexte_.numeroExercice) > 0;
}

void TF_choix_exo::montrerListes()
{
    const bool suivi = suiviMontre();
    Panel_hasard->hide();
    Panel_exos1->setVisible(suivi);
    Panel_exos2->setVisible(suivi);
    ListBox4->setVisible(!suivi);
}

void TF_choix_exo::ListerSeries()
{
    for (const QString& serie :
         SeriesDuDossier(dossier_, MasqueExercices(contexte_.numeroExercice, tousLesTypes_)))
        ListBox1->ajouter(serie);
}

void TF_choix_exo::ListBox1Click()
{
    viderApercu();
    const QString choisie = ListBox1->texteChoisi();
    if (!choisie.isEmpty())
        SerieChoisie_ = choisie;
    if (SerieChoisie_.isEmpty())
        return;
    ListeParcours->clearSelection();
    ouvrirSerie(SerieChoisie_);
}

void TF_choix_exo::ouvrirSerie(const QString& serie)
{
    SerieChoisie_ = serie;
    // The exercise chosen in the previous series is not in this one.
    choisi_ = {};
    Button1->setEnabled(false);
    montrerListes();
    for (ListeEleves* liste : {ListBox2, ListBox3, ListBox4})
        liste->clear();
    ListerExercices();
}

void TF_choix_exo::ListerExercices()
{
    // A results folder out of reach has no records to show; the player says so when it
    // cannot record.
    const QString bilans = contexte_.dossierBilansAccessible();
    if (suiviMontre())
        bilan_ = bilans.isEmpty() ? QStringList()
                                  : LireBilan(CheminBilan(bilans, contexte_.nomEleve, contexte_.nomClasse));
    const QString masque = MasqueExercices(contexte_.numeroExercice, tousLesTypes_);
    for (const EntreeDossier& entree : listerDossier(QDir(dossier_).filePath(SerieChoisie_), masque))
        ajouterExercice(entree.nom);
}

void TF_choix_exo::ajouterExercice(const QString& fichier)
{
    const QString base = sansExtension(fichier);
    if (!suiviMontre())
        ListBox4->ajouter(base, fichier);
    else if (ExerciceReussi(bilan_, SerieChoisie_ + QLatin1Char('\\') + base))
        ListBox2->ajouter(base, fichier);
    else
        ListBox3->ajouter(base, fichier);
}

void TF_choix_exo::ExerciceClick(ListeEleves* liste)
{
    const QListWidgetItem* element = liste->currentItem();
    if (!element || !element->isSelected())
        return;
    Button1->setEnabled(true);
    const QString base = element->text();
    // Each listed name keeps the file it came from: in the all-types listing the files of
    // one series may have different extensions.
    const QString fichier = element->data(Qt::UserRole).toString();
    choisi_ = {SerieChoisie_, fichier, extensionDe(fichier), SerieChoisie_ + QLatin1Char('\\') + base, std::nullopt};
    DessinerApercu();
}

void TF_choix_exo::SpeedButton1Click()
{
    tousLesTypes_ = !tousLesTypes_;
    SpeedButton1->setText(tousLesTypes_
                              ? QStringLiteral("Exercices ") + QString::number(contexte_.numeroExercice)
                              : TexteTousLesFichiers);
    for (ListeEleves* liste : {ListBox1, ListBox2, ListBox3})
        liste->clear();
    SerieChoisie_.clear();
    ListerSeries();
}

void TF_choix_exo::Button1Click()
{
    accept();
}

void TF_choix_exo::Button2Click()
{
    SerieChoisie_.clear();
    choisi_ = {};
    QDialog::reject();
}

// The pupil's level: the highest where the results file records a success (the first the
// first time, and always in training).
void TF_choix_exo::BoutonHasardClick()
{
    const int type = contexte_.numeroExercice;
    int niveau = 1;
    if (suiviMontre())
        niveau = std::max(niveau, NiveauAtteint(CheminBilan(contexte_.dossierBilansAccessible(), contexte_.nomEleve,
                                                            contexte_.nomClasse),
                                                type));
    choisirCode({type, niveau, sourceGraine_() % (CodeExercice::GraineMax + 1)});
}

// "Valider" opens what was typed last: a code refused leaves nothing chosen.
void TF_choix_exo::BoutonCodeClick()
{
    const CodeLu lu = LireCode(EditCode->text());
    QString refus = lu.Erreur;
    if (lu.Code && lu.Code->Type != contexte_.numeroExercice)
        refus = QStringLiteral("Le code %1 est celui d'un exercice n°%2 : ouvre-le depuis le jeu n°%2.")
                    .arg(TexteCode(*lu.Code))
                    .arg(lu.Code->Type);
    if (refus.isEmpty()) {
        choisirCode(*lu.Code);
        return;
    }
    if (choisi_.Code) {
        choisi_ = {};
        Button1->setEnabled(false);
        montrerListes();
        viderApercu();
    }
    avertir(refus);
}

// The exercise is made, shown and chosen; a series clicked afterwards takes its place.
void TF_choix_exo::choisirCode(const CodeExercice& code, bool duParcours)
{
    ListBox1->clearSelection();
    if (!duParcours)
        ListeParcours->clearSelection();
    SerieChoisie_.clear();
    choisi_ = ExerciceDuCode(code);
    choisi_.DuParcours = duParcours;
    const NiveauExercice* niveau = NiveauDe(code.Type, code.Niveau);
    Panel_exos1->hide();
    Panel_exos2->hide();
    ListBox4->hide();
    Panel_hasard->show();
    LabelNiveau->setText(QStringLiteral("Niveau %1").arg(code.Niveau));
    LabelDescription->setText(TitreNiveau(*niveau) + QStringLiteral(" ; ") + TexteAxeNiveau(*niveau)
                              + QStringLiteral(" ; ") + TextePlaceNiveau(*niveau) + QLatin1Char('.'));
    LabelCodeChoisi->setText(QStringLiteral("Exercice ") + TexteCode(code));
    QString explication = QStringLiteral("Orvane invente l'exercice pour toi. Quand tu l'as réussi, "
                                         "« Nouveau » t'en donne un autre du même niveau.");
    if (duParcours)
        explication = QStringLiteral("Orvane invente l'exercice pour toi. Quand tu l'as réussi, « Nouveau » t'en "
                                     "donne un autre du même niveau, jusqu'à la fin de l'étape.");
    else if (contexte_.hasard.ProposerNiveaux == 1)
        explication += QStringLiteral(" Après trois exercices réussis de suite, Orvane te propose le niveau "
                                      "suivant.");
    LabelExplication->setText(explication);
    Button1->setEnabled(true);
    viderApercu();
    DessinerApercu();
}

void TF_choix_exo::viderApercu()
{
    effacerAvecBord(Image1->image());
    Image1->update();
}

void TF_choix_exo::dimensionnerApercu(int nbColonnes, int nbLignes)
{
    TailleCaseApercu_ = CalculerTailleCase(Panel_Etalon->width(), nbColonnes);
    PanelJeu->resize(TailleCaseApercu_ * nbColonnes + 4, TailleCaseApercu_ * nbLignes + 4);
    Image1->dimensionner(PanelJeu->size());
}

void TF_choix_exo::DessinerApercu()
{
    if (choisi_.estVide())
        return;
    if (choisi_.Code) {
        ExerciceLu exercice = GenererExercice(*choisi_.Code);
        dessinerExercice(exercice, TexteCode(*choisi_.Code));
        return;
    }
    const QString chemin = QDir(QDir(dossier_).filePath(choisi_.Serie)).filePath(choisi_.Fichier);
    ResultatLecture lecture = LireExercice(chemin);
    if (!lecture.Reussi) {
        avertir(lecture.Erreur);
        return;
    }
    dessinerExercice(lecture.Exercice, choisi_.Fichier);
}

void TF_choix_exo::dessinerExercice(ExerciceLu& exercice, const QString& nom)
{
    const Quadrillage& grille = exercice.Grille;
    const int c = CalculerTailleCase(Panel_Etalon->width(), grille.NbColonnes);
    if (c <= 0 || grille.NbLignes <= 0
        || qint64(c) * grille.NbLignes > qint64(HauteurMaxEnEtalons) * Panel_Etalon->width()) {
        avertir(QStringLiteral("L'aperçu de « %1 » ne peut pas être dessiné : son quadrillage "
                               "(%2 colonnes, %3 lignes) ne tient pas dans le cadre.")
                    .arg(nom)
                    .arg(grille.NbColonnes)
                    .arg(grille.NbLignes));
        return;
    }
    dimensionnerApercu(grille.NbColonnes, grille.NbLignes);
    if (exercice.Elements.NbElements == 0)
        return;
    // A stored cell size of 0 puts each seed at its cell's corner instead of dividing.
    ConvertirPourTailleCase(exercice, c);
    QImage& image = Image1->image();
    effacerAvecBord(image);
    DessinerQuadrillage(image, exercice.Grille, contexte_.numeroExercice, Rendu::Apercu);
    DessinerFigure(image, exercice.Elements, Rendu::Apercu, 2);
    Image1->update();
}

// ---------------------------------------------------------------------------------
// The class's path.

void TF_choix_exo::disposer(bool parcours)
{
    const bool garde = parcours && !avancement_->parcours.autresExercices;
    Label1->setText(parcours ? QStringLiteral("Parcours de la classe") : QStringLiteral("Séries d'exercices"));
    ListeParcours->setVisible(parcours);
    LabelParcours->setVisible(parcours);
    LabelParcours->setGeometry(ALEchelle(garde ? PlaceSituationSeule : PlaceSituation, echelle_));
    LabelAutres->setVisible(parcours && !garde);
    ListBox1->setVisible(!garde);
    ListBox1->setGeometry(ALEchelle(parcours ? PlaceToutesSeries : PlaceSeries, echelle_));
    BoutonContinuer->setVisible(parcours);
    BoutonContinuer->setGeometry(ALEchelle(hasardOffert() ? PlaceContinuer : PlaceBoutonEntier, echelle_));
    BoutonHasard->setGeometry(ALEchelle(parcours ? PlaceHasardCourt : PlaceBoutonEntier, echelle_));
}

// The steps, each marked, and the current one opened when it can be played here. A path
// that cannot be read is said in the instruction; the pupil chooses as without one.
void TF_choix_exo::montrerParcours(const QString& message)
{
    const bool parcours = avancement_.has_value();
    disposer(parcours);
    consigne->setText(!message.isEmpty() ? QStringLiteral("Le parcours de ta classe est illisible : préviens ton "
                                                          "enseignant, et choisis un exercice.")
                      : parcours         ? TexteConsigneParcours
                                         : TexteConsigne);
    ColorerTexte(consigne, message.isEmpty() ? CouleurVertFonce : CouleurRouge);
    ListeParcours->clear();
    if (!parcours)
        return;
    for (qsizetype i = 0; i < avancement_->etapes.size(); ++i) {
        const AvancementEtape& etape = avancement_->etapes[i];
        QListWidgetItem* element = ListeParcours->ajouter(texteEtape(i), QString::number(i));
        // Only a step open now, of this window's type, can be played here.
        if (!avancement_->ouverte(i) || etape.etape.type != contexte_.numeroExercice)
            element->setFlags(element->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        if (etape.etat == EtatEtape::Courante) {
            QFont gras = ListeParcours->font();
            gras.setBold(true);
            element->setFont(gras);
        }
    }
    LabelParcours->setText(situationParcours());
    const bool aJouer = EtapeAJouer(*avancement_, contexte_.numeroExercice) != nullptr;
    BoutonContinuer->setEnabled(aJouer);
    if (aJouer) {
        ListeParcours->setCurrentRow(avancement_->courante);
        ouvrirEtape(avancement_->courante);
    }
}

QString TF_choix_exo::texteEtape(qsizetype i) const
{
    const AvancementEtape& a = avancement_->etapes[i];
    QString texte = QStringLiteral("%1 %2. %3").arg(MarqueEtape(a.etat)).arg(i + 1).arg(a.etape.titre());
    if (a.etape.lisible() && a.etape.type != contexte_.numeroExercice)
        texte += QStringLiteral(" (exercice %1)").arg(a.etape.type);
    if (a.etat == EtatEtape::Introuvable)
        texte += QStringLiteral(" : introuvable");
    else if (a.etat == EtatEtape::Courante)
        texte += QStringLiteral(" %1/%2").arg(a.reussies).arg(a.requises);
    return texte;
}

QString TF_choix_exo::situationParcours() const
{
    QString texte;
    if (avancement_->fini()) {
        texte = QStringLiteral("Bravo, tu as fini le parcours de ta classe !");
    } else {
        const EtapeParcours& etape = avancement_->etapes[avancement_->courante].etape;
        texte = etape.type == contexte_.numeroExercice
            ? QStringLiteral("« Continuer » te donne l'exercice suivant de ton parcours.")
            : QStringLiteral("Ta prochaine étape est dans l'exercice %1 : retourne au menu et choisis « %2 ».")
                  .arg(etape.type)
                  .arg(NomJeu(etape.type));
    }
    if (!avancement_->parcours.autresExercices)
        texte += QStringLiteral(" Ton enseignant a choisi ce parcours pour la classe : les autres séries ne sont "
                                "pas proposées.");
    return texte;
}

void TF_choix_exo::ouvrirEtape(qsizetype i)
{
    const EtapeParcours& etape = avancement_->etapes[i].etape;
    ListBox1->clearSelection();
    if (etape.genre == GenreEtape::Niveau) {
        choisirCode(codeAuNiveau(etape.niveau), true);
        return;
    }
    viderApercu();
    ouvrirSerie(etape.serie);
}

CodeExercice TF_choix_exo::codeAuNiveau(int niveau)
{
    return {contexte_.numeroExercice, niveau, sourceGraine_() % (CodeExercice::GraineMax + 1)};
}

void TF_choix_exo::ListeParcoursClick()
{
    const QListWidgetItem* element = ListeParcours->currentItem();
    if (!avancement_ || !element || !element->isSelected())
        return;
    ouvrirEtape(element->data(Qt::UserRole).toString().toInt());
}

// The next exercise of the path, chosen and validated at once.
void TF_choix_exo::BoutonContinuerClick()
{
    const AvancementEtape* etape = avancement_ ? EtapeAJouer(*avancement_, contexte_.numeroExercice) : nullptr;
    if (!etape)
        return;
    choisi_ = etape->etape.genre == GenreEtape::Niveau ? ExerciceDuCode(codeAuNiveau(etape->etape.niveau))
                                                      : ExerciceSuivant(*etape);
    choisi_.DuParcours = true;
    accept();
}
