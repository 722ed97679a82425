#include "TF_Jeu_Lignes_Autour.h"

#include "BarreOutils.h"
#include "Bilans.h"
#include "CalqueCorrection.h"
#include "ClavierDessin.h"
#include "ChoixExercice.h"
#include "Controles.h"
#include "Marqueur.h"
#include "Dessin.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Contexte.h"
#include "Diagnostic.h"
#include "Essais.h"
#include "FichierExercice.h"
#include "GesteDessin.h"
#include "Generateur.h"
#include "GlyphesBoutons.h"
#include "Niveaux.h"
#include "SigneVerdict.h"
#include "SurfaceDessin.h"
#include "TraceSouris.h"
#include "ZoneMosaique.h"

#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QToolButton>

namespace {
const QString TexteConsigne = QStringLiteral("Utilise la souris pour dessiner le symétrique");
const QString TexteConsigneClavier =
    QStringLiteral("Utilise les flèches et la touche Espace pour dessiner le symétrique");
const QString TexteConsigneDoigt =
    QStringLiteral("Utilise ton doigt ou le stylet pour dessiner le symétrique");
// The help after "Faux": right images in green, missing ones in orange, strokes that are
// the image of nothing dashed red; the solution in blue.
constexpr int DureeCalqueMs = 4000;
const QColor CouleurCalqueJuste(0x00, 0xA0, 0x00);
const QColor CouleurCalqueManque(0xFF, 0x8C, 0x00);
const QColor CouleurCalqueEnTrop(0xE0, 0x00, 0x00);
const QColor CouleurCalqueSolution(0x1E, 0x64, 0xFF);
constexpr quint32 CouleurBleuMarine = 0x00800000;
constexpr quint32 CouleurMarronTexte = 0x00000080;
constexpr quint32 CouleurVertJuste = 0x00008000;
constexpr int CasesAuDepart = 24;
// "Nouveau" makes room for "Choisir" during a run of made-up exercises.
constexpr int LargeurNouveau = 248;
constexpr int LargeurNouveauCourt = 120;

struct ExerciceJeu {
    const char* legende;
    bool peinture;
    Axe typeAxe;
};

// Caption, paint tool and axis shown before the first exercise, for exercises 2 to 5.
ExerciceJeu exerciceJeu(int numero)
{
    switch (numero) {
    case 3:
        return { "Jeu n°3 : Lignes et couleurs", true, AxeVertical };
    case 4:
        return { "Jeu n°4 : Orvane autour de l'axe", false, AxeVertical };
    case 5:
        return { "Jeu n°5 : Orvane par rapport à un point", false, AxePoint };
    default:
        return { "Jeu n°2 : Lignes", false, AxeVertical };
    }
}

QFrame* creerPanneauEnRelief(QWidget* parent, const QString& nom, const QRect& geometrie)
{
    auto* panneau = new QFrame(parent);
    panneau->setObjectName(nom);
    panneau->setGeometry(geometrie);
    panneau->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panneau;
}
} // namespace

TF_Jeu_Lignes_Autour::TF_Jeu_Lignes_Autour(Contexte& contexte, QWidget* parent)
    : FenetreNonModale(parent)
    , contexte_(contexte)
    , planche_(Quadrillage_, MaxElementsEleve)
{
    setObjectName(QStringLiteral("F_Jeu_Lignes_Autour"));
    setWindowTitle(QString::fromUtf8(exerciceJeu(2).legende));
    setFont(PoliceArial(13));
    resize(800, 600);
    creerControles();
    relierControles();
    AdapterEcran(this);
    centrerPanneau();
    creerMarqueurs();
    Image1->prevoirImage(Image1->size());
    largeurNouveau_ = BoutonNouveau->width();
}

void TF_Jeu_Lignes_Autour::connaitreChoix(ChoisirExercice* choix)
{
    choix_ = choix;
}

std::optional<CodeExercice> TF_Jeu_Lignes_Autour::codeMontre() const
{
    return exercice_.Code;
}

const QImage& TF_Jeu_Lignes_Autour::image() const
{
    return Image1->image();
}

// ---------------------------------------------------------------------------------
// Controls, placed at their design position; AdapterEcran scales them afterwards.

void TF_Jeu_Lignes_Autour::creerControles()
{
    Panel1 = new QLabel(TexteConsigne, this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFont(PoliceArial(15));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setGeometry(0, 575, 800, 25);

    PanelMilieu = creerPanneauEnRelief(this, QStringLiteral("PanelMilieu"), QRect(8, 8, 777, 521));
    PaintBox6 = new ZoneMosaique(PanelMilieu, [this] { return contexte_.fichierProgramme(contexte_.imageFondPanneau()); });
    PaintBox6->setObjectName(QStringLiteral("PaintBox6"));
    PaintBox6->setGeometry(0, 0, 777, 521);

    PanelJeu = CreerPanneau(PanelMilieu, QStringLiteral("PanelJeu"), QRect(4, 11, 500, 500),
                            CouleurBlanc);
    Image1 = new SurfaceDessin(PanelJeu);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAttribute(Qt::WA_OpaquePaintEvent);
    Image1->setGeometry(1, 1, 1000, 1000);
    geste_ = new GesteDessin(Image1, planche_);
    Image1->epaissirAuTableau([this] {
        return TraitsTableau{&Quadrillage_, {&FigureReference_, &planche_.figure()}};
    });

    creerOutils();
    creerBoutons();

    PanelRef = new Marqueur(0, PanelMilieu);
    PanelRef->setObjectName(QStringLiteral("PanelRef"));
    PanelRef->setText(QStringLiteral("c"));
    PanelRef->setGeometry(752, 39, 12, 12);
    PanelRef->hide();

    Panel_Etalon = new QFrame(PanelMilieu);
    Panel_Etalon->setObjectName(QStringLiteral("Panel_Etalon"));
    Panel_Etalon->setGeometry(5, 49, 500, 1);
    Panel_Etalon->hide();

    Timer1 = new TenirGeometrie(this, contexte_.geometrieReference);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    saisie_ = new DerniereSaisie(this);
    // The instruction on show follows the pupil's hands as they change (said aloud only
    // when the exercise opens).
    connect(saisie_, &DerniereSaisie::change, this, [this] {
        const QString texte = Panel1->text();
        if (texte == TexteConsigne || texte == TexteConsigneClavier || texte == TexteConsigneDoigt)
            Panel1->setText(consigne());
    });
}

void TF_Jeu_Lignes_Autour::creerOutils()
{
    PanelOutils = creerPanneauEnRelief(PanelMilieu, QStringLiteral("PanelOutils"),
                                       QRect(522, 24, 248, 49));
    PanelCouleurs = creerPanneauEnRelief(PanelMilieu, QStringLiteral("PanelCouleurs"),
                                         QRect(522, 76, 248, 89));
    const DispositionOutils disposition = {
        { {
            { "ModeTrait", "Trait", { 4, 4 } },
            { "ModeRect", "Carré ou rectangle", { 44, 4 } },
            { "ModeEllipse", "Cercle", { 84, 4 } },
            { "ModeArc", "Quart de cercle", { 124, 4 } },
            { "ModePeinture", "Colorier", { 204, 4 } },
        } },
        { "SpeedButton2", "gomme", { 164, 4 } },
        true,
    };
    barreOutils_ = new BarreOutils(PanelOutils, PanelCouleurs, disposition);
    PanelCouleurs->hide();
}

void TF_Jeu_Lignes_Autour::creerBoutons()
{
    const QFont policeMarron = PoliceArial(19, true);
    const QFont policeMarine = PoliceArial(21, true);
    BoutonEffacer1L = CreerBouton(PanelMilieu, QStringLiteral("BoutonEffacer1L"),
                                  QStringLiteral("Annuler dernière action"),
                                  QRect(522, 173, 248, 36), policeMarron);
    BoutonEffacer = CreerBouton(PanelMilieu, QStringLiteral("BoutonEffacer"),
                                QStringLiteral("Effacer tout"), QRect(522, 221, 248, 36),
                                policeMarron);
    LabelResultat = CreerEtiquette(PanelMilieu, QStringLiteral("LabelResultat"), QString(),
                                   QRect(616, 296, 150, 42),
                                   Police(QStringLiteral("Times New Roman"), 37, true),
                                   CouleurRouge);
    BoutonCorrection = CreerBouton(PanelMilieu, QStringLiteral("BoutonCorrection"),
                                   QStringLiteral("Vérifier"), QRect(522, 338, 248, 48),
                                   policeMarine);
    BoutonNouveau = CreerBouton(PanelMilieu, QStringLiteral("BoutonNouveau"),
                                QStringLiteral("Commencer"), QRect(522, 395, 248, 48),
                                policeMarine);
    SpeedButton1 = CreerBouton(PanelMilieu, QStringLiteral("SpeedButton1"), QStringLiteral("Aide"),
                               QRect(524, 452, 108, 48), policeMarine);
    SpeedButton1->setIcon(IconeAide());
    SpeedButton1->setIconSize(QSize(28, 28));
    BoutonQuitter = CreerBouton(PanelMilieu, QStringLiteral("BoutonQuitter"),
                                QStringLiteral("Quitter"), QRect(662, 452, 108, 48), policeMarine);
    BoutonSolution = CreerBouton(PanelMilieu, QStringLiteral("BoutonSolution"),
                                 QStringLiteral("Voir la solution"), QRect(522, 262, 248, 32),
                                 policeMarron);
    BoutonSolution->hide();
    BoutonChoisir = CreerBouton(PanelMilieu, QStringLiteral("BoutonChoisir"), QStringLiteral("Choisir"),
                                QRect(648, 395, 122, 48), policeMarine);
    BoutonChoisir->hide();
    LabelHasard = CreerEtiquette(PanelMilieu, QStringLiteral("LabelHasard"), QString(), QRect(522, 1, 248, 22),
                                 PoliceArial(16, true), CouleurBleuMarine);
    LabelHasard->setAlignment(Qt::AlignCenter);
    ColorerFond(LabelHasard, CouleurBlanc);
    LabelHasard->hide();
    for (QPushButton* b : { BoutonEffacer1L, BoutonEffacer, BoutonSolution })
        ColorerTexte(b, CouleurMarronTexte);
    for (QPushButton* b : { BoutonCorrection, BoutonNouveau, BoutonChoisir, SpeedButton1, BoutonQuitter })
        ColorerTexte(b, CouleurBleuMarine);
}

// Created after the scaling: their size follows the cell size, not the design.
void TF_Jeu_Lignes_Autour::creerMarqueurs()
{
    MarqueursElements = new Marqueurs(PanelJeu, MaxElementsEleve, font(), Image1);
    calque_ = new CalqueCorrection(Image1, DureeCalqueMs);
    new SigneVerdict(LabelResultat);
    clavier_ = new ClavierDessin(Image1, geste_, planche_, Quadrillage_);
    connect(calque_, &CalqueCorrection::cache, this, &TF_Jeu_Lignes_Autour::finDuCalque);
    connect(MarqueursElements, &Marqueurs::clique, this, &TF_Jeu_Lignes_Autour::MarqueurClick);
    // A pen's eraser end erases the element whose marker the eraser would show there.
    connect(Image1, &SurfaceDessin::gommage, this, [this](QPoint point) {
        MarqueurClick(MarqueursElements->numeroSous(planche_.figure(), point, Quadrillage_.TailleCase));
    });
}

void TF_Jeu_Lignes_Autour::relierControles()
{
    connect(geste_, &GesteDessin::elementDessine, this, &TF_Jeu_Lignes_Autour::ajouterElementEleve);
    connect(barreOutils_, &BarreOutils::outilChoisi, this, &TF_Jeu_Lignes_Autour::choisirOutil);
    connect(barreOutils_, &BarreOutils::gommeCliquee, this, &TF_Jeu_Lignes_Autour::SpeedButton2Click);
    connect(barreOutils_, &BarreOutils::couleurChoisie, this,
            [this](quint32 couleur) { planche_.choisirCouleur(couleur); });
    connect(PanelRef, &Marqueur::clique, this, &TF_Jeu_Lignes_Autour::MarqueurClick);
    connect(BoutonEffacer1L, &QPushButton::clicked, this, [this] { effacer(false); });
    connect(BoutonEffacer, &QPushButton::clicked, this, [this] { effacer(true); });
    connect(BoutonCorrection, &QPushButton::clicked, this,
            &TF_Jeu_Lignes_Autour::BoutonCorrectionClick);
    // The first exercise is chosen; the next ones follow the class's path or the run of
    // exercises made by the program, when there is one.
    connect(BoutonNouveau, &QPushButton::clicked, this,
            [this] { NouvelExercice(commence_ ? Provenance::Suite : Provenance::Choix); });
    connect(BoutonChoisir, &QPushButton::clicked, this, [this] { NouvelExercice(Provenance::Choix); });
    connect(SpeedButton1, &QPushButton::clicked, this, &TF_Jeu_Lignes_Autour::afficherAide);
    connect(BoutonQuitter, &QPushButton::clicked, this, &QWidget::close);
    connect(BoutonSolution, &QPushButton::clicked, this, &TF_Jeu_Lignes_Autour::BoutonSolutionClick);
    connect(Timer2, &QTimer::timeout, this, [this] {
        LabelResultat->clear();
        Timer2->stop();
    });
}

void TF_Jeu_Lignes_Autour::centrerPanneau()
{
    Panel1->setGeometry(0, height() - Panel1->height(), width(), Panel1->height());
    PanelMilieu->move((width() - PanelMilieu->width()) / 2,
                      (height() - PanelMilieu->height() - Panel1->height()) / 2);
}

// ---------------------------------------------------------------------------------
// Window events.

// Each opening from the main menu starts afresh; coming back from the chooser, a
// message box or the help does not hide the window, so it does not come here.
void TF_Jeu_Lignes_Autour::showEvent(QShowEvent* evenement)
{
    FenetreNonModale::showEvent(evenement);
    if (!evenement->spontaneous())
        DemarrerJeu();
}

void TF_Jeu_Lignes_Autour::closeEvent(QCloseEvent* evenement)
{
    Timer1->arreter();
    FenetreNonModale::closeEvent(evenement);
}

void TF_Jeu_Lignes_Autour::resizeEvent(QResizeEvent* evenement)
{
    FenetreNonModale::resizeEvent(evenement);
    centrerPanneau();
}

void TF_Jeu_Lignes_Autour::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    DessinerMosaique(contexte_.fichierProgramme(contexte_.imageFondFenetre()), p, width(), height());
}

// The keyboard's play: tools and colours, Retour arrière to undo, V to check, N for the
// next exercise; keys held with Alt or Ctrl keep their menu meaning.
void TF_Jeu_Lignes_Autour::keyPressEvent(QKeyEvent* evenement)
{
    const int code = evenement->key();
    const auto presser = [](QPushButton* b) {
        if (!b->isEnabled() || !b->isVisible())
            return false;
        b->click();
        return true;
    };
    bool pris = false;
    if (code == Qt::Key_F1) {
        afficherAide();
        pris = true;
    } else if (!(evenement->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        pris = barreOutils_->touche(code) || (code == Qt::Key_Backspace && presser(BoutonEffacer1L))
            || (code == Qt::Key_V && presser(BoutonCorrection)) || (code == Qt::Key_N && presser(BoutonNouveau));
    }
    if (!pris)
        FenetreNonModale::keyPressEvent(evenement);
}

void TF_Jeu_Lignes_Autour::afficherAide()
{
    AfficherAide(QStringLiteral("exercice%1.htm").arg(contexte_.numeroExercice));
}

// ---------------------------------------------------------------------------------
// Loading and display.

void TF_Jeu_Lignes_Autour::DemarrerJeu()
{
    ReinitialiserJeu();
    contexte_.imageFondFenetre() = contexte_.imagePourCase(2);
    ParametresAxe_.fill(0);
    const ExerciceJeu jeu = exerciceJeu(contexte_.numeroExercice);
    setWindowTitle(QString::fromUtf8(jeu.legende));
    Panel1->setText(consigne());
    Dire(contexte_, consigne());
    barreOutils_->bouton(Outil::Peinture)->setVisible(jeu.peinture);
    Timer1->demarrer();
    LabelResultat->clear();
    BoutonNouveau->setText(QStringLiteral("Commencer"));
    parcours_.reset();
    exercice_ = {};
    dernierJoue_.clear();
    commence_ = false;
    essaisSignales_ = false;
    montrerParcours();
    appliquerEtat(EtatJeu::Attente);
    Quadrillage& grille = Quadrillage_;
    grille.TypeAxe = jeu.typeAxe;
    grille.DecalageAxe = 0;
    grille.NbColonnes = grille.NbLignes = CasesAuDepart;
    EffacerImage();
    DessinerQuadrillage();
    rafraichir();
    update();
}

void TF_Jeu_Lignes_Autour::ReinitialiserJeu()
{
    EffacerImage();
    // Markers or a stroke left from the last opening belong to a figure that is gone.
    planche_.vider();
    cacherMarqueurs();
    geste_->abandonner();
    PanelCouleurs->hide();
    barreOutils_->enfoncerCouleurParDefaut();
    barreOutils_->enfoncer(Outil::Trait);
    LabelResultat->clear();
    calque_->cacher();
    nbFaux_ = 0;
    figureVerifiee_.reset();
    BoutonSolution->hide();
    // Ready to play, but the picture waits for the exercise.
    appliquerEtat(EtatJeu::EnCours);
    Image1->setEnabled(false);
    exerciceEnCours_ = false;

    FigureReference_ = Figure {};
    RedessinerTout();
    rafraichir();
}

void TF_Jeu_Lignes_Autour::NouvelExercice(Provenance provenance)
{
    // A cancelled choice or a refused file must not leave the last exercise's axis shifted.
    ParametresAxe_.fill(0);
    Quadrillage_.DecalageAxe = 0;
    BoutonNouveau->setText(QStringLiteral("Nouveau"));
    commence_ = true;

    ReinitialiserJeu();
    FigureReference_.NbElements = 0;
    exercice_ = {};
    ChargerExercice(provenance);
    montrerParcours();
    // The chooser covered the window: show it whole again, whatever comes next.
    update();
    if (FigureReference_.NbElements == 0) {
        appliquerEtat(EtatJeu::SansExercice);
        return;
    }
    AfficherModele();
    NbPointsAxeCouverts_ = CompterPointsAxeCouverts(Quadrillage_, Image1->image());
    appliquerEtat(EtatJeu::EnCours);
    clavier_->recentrer();
    Image1->setFocus();
    rafraichir();
}

// | state         | picture | tools | colours        | check | undo, erase | next |
// | Attente       | no      | yes   | no             | no    | no          | yes  |
// | SansExercice  | no      | no    | no             | no    | no          | yes  |
// | EnCours       | yes     | yes   | when shown     | yes   | yes         | no   |
// | Resolu        | no      | no    | no             | no    | no          | yes  |
void TF_Jeu_Lignes_Autour::appliquerEtat(EtatJeu etat)
{
    const bool enCours = etat == EtatJeu::EnCours;
    exerciceEnCours_ = enCours;
    Image1->setEnabled(enCours);
    PanelOutils->setEnabled(enCours || etat == EtatJeu::Attente);
    PanelCouleurs->setEnabled(enCours && !PanelCouleurs->isHidden());
    BoutonCorrection->setEnabled(enCours);
    BoutonEffacer->setEnabled(enCours);
    BoutonEffacer1L->setEnabled(enCours);
    BoutonNouveau->setEnabled(!enCours);
}

// The one place that decides what the pupil plays next.
void TF_Jeu_Lignes_Autour::ChargerExercice(Provenance provenance)
{
    // The class's path, read afresh: the teacher may change it during the lesson.
    if (provenance == Provenance::Suite) {
        if (const std::optional<AvancementParcours> avancement = AvancementDeLEleve(contexte_, dossierDesSeries())) {
            suivreParcoursClasse(*avancement);
            return;
        }
    }
    if (parcours_ && provenance == Provenance::Suite) {
        ExerciceLu genere = GenererExercice(parcours_->suivant());
        if (!prendreExercice(genere, ExerciceDuCode(parcours_->code())))
            FigureReference_.NbElements = 0;
        return;
    }
    // Whatever is chosen now, the run ends here; a code chosen starts another.
    parcours_.reset();
    OuvrirLeChoix();
}

// The current step's next exercise; without one here (the path done, or its step in
// another exercise type), the chooser, which says why.
void TF_Jeu_Lignes_Autour::suivreParcoursClasse(const AvancementParcours& avancement)
{
    const AvancementEtape* etape = EtapeAJouer(avancement, contexte_.numeroExercice);
    if (!etape) {
        parcours_.reset();
        OuvrirLeChoix();
        return;
    }
    if (etape->etape.genre == GenreEtape::Serie) {
        parcours_.reset();
        const ExerciceChoisi suivant = ExerciceSuivant(*etape, dernierJoue_);
        if (lireFichierChoisi(QDir(dossierDesSeries()).filePath(suivant.Serie), suivant))
            return;
        // A file that cannot be read is passed over next time; the pupil chooses meanwhile.
        FigureReference_.NbElements = 0;
        dernierJoue_ = suivant.LigneBilan;
        OuvrirLeChoix();
        return;
    }
    // The run of made-up exercises goes on while it stays at the step's level.
    const int niveau = etape->etape.niveau;
    if (parcours_ && parcours_->code().Type == contexte_.numeroExercice && parcours_->niveauSuivant() == niveau)
        parcours_->suivant();
    else
        parcours_.emplace(CodeExercice{contexte_.numeroExercice, niveau,
                                       QRandomGenerator::system()->bounded(CodeExercice::GraineMax + 1)},
                          false);
    ExerciceChoisi choisi = ExerciceDuCode(parcours_->code());
    choisi.DuParcours = true;
    ExerciceLu genere = GenererExercice(parcours_->code());
    if (!prendreExercice(genere, choisi))
        FigureReference_.NbElements = 0;
}

// The exercises folder; without a series there, the program folder's own series are the
// exercises.
QString TF_Jeu_Lignes_Autour::dossierDesSeries()
{
    QString dossier = DossierExercicesAccessible(contexte_);
    if (!CompterSeries(dossier, contexte_.numeroExercice)) {
        dossier = contexte_.dossierProgramme;
        contexte_.dossierExercices.fixerDossier(dossier);
    }
    return dossier;
}

void TF_Jeu_Lignes_Autour::OuvrirLeChoix()
{
    const QString dossier = dossierDesSeries();
    if (!choix_)
        return;
    const ExerciceChoisi choisi = choix_->choisir(dossier, false);
    if (contexte_.suiviEleve)
        AvertirSiDossierProgrammeDisparu(contexte_); // the pupil's results were read
    if (choisi.estVide())
        return;
    bool lu = false;
    if (choisi.Code) {
        // A level of the class's path is the teacher's: no other level is offered.
        parcours_.emplace(*choisi.Code, contexte_.hasard.ProposerNiveaux == 1 && !choisi.DuParcours);
        ExerciceLu genere = GenererExercice(*choisi.Code);
        lu = prendreExercice(genere, choisi);
    } else {
        lu = lireFichierChoisi(QDir(dossier).filePath(choisi.Serie), choisi);
    }
    if (!lu)
        FigureReference_.NbElements = 0;
}

// Reads the chosen file into the grid and the reference figure, in pixels of the
// player's cell size. A file the reader refuses, or whose grid cannot be shown, is
// reported and leaves both untouched.
bool TF_Jeu_Lignes_Autour::lireFichierChoisi(const QString& dossierSerie,
                                             const ExerciceChoisi& choisi)
{
    ResultatLecture lecture = LireExercice(QDir(dossierSerie).filePath(choisi.Fichier));
    if (!lecture.Reussi) {
        avertir(lecture.Erreur);
        return false;
    }
    return prendreExercice(lecture.Exercice, choisi);
}

// An exercise made by the program is taken as its file would be read.
bool TF_Jeu_Lignes_Autour::prendreExercice(ExerciceLu& exercice, const ExerciceChoisi& choisi)
{
    const QString motif = motifRefus(exercice);
    if (!motif.isEmpty()) {
        avertir(motif);
        return false;
    }
    const int tailleCase = CalculerTailleCase(Panel_Etalon->width(), exercice.Grille.NbColonnes);
    ConvertirPourTailleCase(exercice, tailleCase);
    Quadrillage_ = exercice.Grille;
    TailleCaseFichier_ = exercice.TailleCaseFichier;
    CoteFigure_ = exercice.CoteFigure == 1;
    ParametresAxe_[0] = exercice.Grille.DecalageAxe;
    std::copy(exercice.Grille.Reserve.begin(), exercice.Grille.Reserve.end(),
              ParametresAxe_.begin() + 1);
    FigureReference_ = exercice.Elements;
    exercice_ = choisi;
    dernierJoue_ = choisi.LigneBilan;
    return true;
}

// The reader's refusals, and rows that would not fit the picture: a grid is drawn
// line by line, so a damaged row count must not reach the drawing.
QString TF_Jeu_Lignes_Autour::motifRefus(const ExerciceLu& exercice) const
{
    const QString motif = MotifRefus(exercice, MaxElementsReference, Panel_Etalon->width());
    if (!motif.isEmpty())
        return motif;
    const int tailleCase = CalculerTailleCase(Panel_Etalon->width(), exercice.Grille.NbColonnes);
    const int lignesMax = (Image1->image().height() - 4) / tailleCase;
    if (exercice.Grille.NbLignes <= 0 || exercice.Grille.NbLignes > lignesMax)
        return QStringLiteral("Le quadrillage de cet exercice (%1 lignes) ne peut pas être "
                              "affiché.")
            .arg(exercice.Grille.NbLignes);
    return {};
}

// During a run, the level and the code of the exercise shown (a teacher can make it
// again from the code), and "Choisir" beside "Nouveau" to go back to the series.
void TF_Jeu_Lignes_Autour::montrerParcours()
{
    const bool enParcours = parcours_.has_value();
    LabelHasard->setVisible(enParcours);
    BoutonChoisir->setVisible(enParcours);
    const int largeur = enParcours ? largeurNouveau_ * LargeurNouveauCourt / LargeurNouveau : largeurNouveau_;
    BoutonNouveau->resize(largeur, BoutonNouveau->height());
    if (!enParcours)
        return;
    const CodeExercice& code = parcours_->code();
    LabelHasard->setText(QStringLiteral("Niveau %1 · exercice %2").arg(code.Niveau).arg(TexteCode(code)));
    if (const NiveauExercice* niveau = NiveauDe(code.Type, code.Niveau))
        LabelHasard->setToolTip(DescriptionNiveau(*niveau));
}

// The pupil is asked, and the level changes only with a yes. The exercise found too hard
// is left at once for one of the level below; after a success, "Nouveau" gives the first
// of the next level.
void TF_Jeu_Lignes_Autour::proposerNiveau(OffreNiveau offre)
{
    if (offre == OffreNiveau::Aucune)
        return;
    const int niveau = parcours_->niveauOffert(offre);
    const QString question = offre == OffreNiveau::Suivant
        ? QStringLiteral("Bravo ! Tu as réussi trois exercices de suite au niveau %1. Veux-tu passer au "
                         "niveau %2 ?")
              .arg(parcours_->code().Niveau)
              .arg(niveau)
        : QStringLiteral("Cet exercice est difficile. Veux-tu essayer un exercice du niveau %1 ?").arg(niveau);
    Dire(contexte_, question);
    if (confirmer(question) != Reponse::Oui)
        return;
    parcours_->accepter(offre);
    if (offre == OffreNiveau::Precedent)
        NouvelExercice();
}

void TF_Jeu_Lignes_Autour::AfficherModele()
{
    EffacerImage();
    DessinerQuadrillage();
    Masque_ = MasqueReference(Image1->image().width(), Image1->image().height());
    for (int i = 1; i <= FigureReference_.NbElements; ++i) {
        DessinerElement(FigureReference_[i]);
        MarquerElement(Masque_, FigureReference_[i]);
    }
}

// ---------------------------------------------------------------------------------
// Drawing on Image1. The cell size follows the scaled Panel_Etalon, and the panel
// around the picture follows the grid.

void TF_Jeu_Lignes_Autour::EffacerImage()
{
    ::EffacerImage(Image1->image());
}

void TF_Jeu_Lignes_Autour::DessinerQuadrillage()
{
    Quadrillage& grille = Quadrillage_;
    grille.TailleCase = CalculerTailleCase(Panel_Etalon->width(), grille.NbColonnes);
    if (grille.TailleCase <= 0)
        return;
    PanelJeu->resize(grille.TailleCase * grille.NbColonnes + 4,
                     grille.TailleCase * grille.NbLignes + 4);
    ::DessinerQuadrillage(Image1->image(), grille, contexte_.numeroExercice, Rendu::Joueur);
}

void TF_Jeu_Lignes_Autour::DessinerElement(const ElementFigure& element)
{
    ::DessinerElement(Image1->image(), element, Rendu::Joueur, Quadrillage_.EpaisseurTrait);
}

void TF_Jeu_Lignes_Autour::RedessinerTout()
{
    DessinerQuadrillage();
    DessinerFigure(Image1->image(), FigureReference_, Rendu::Joueur,
                   Quadrillage_.EpaisseurTrait);
    DessinerFigure(Image1->image(), planche_.figure(), Rendu::Joueur,
                   Quadrillage_.EpaisseurTrait);
}

void TF_Jeu_Lignes_Autour::rafraichir()
{
    Image1->update();
}

// ---------------------------------------------------------------------------------
// The pupil's drawing.

void TF_Jeu_Lignes_Autour::ajouterElementEleve(const ElementFigure& element)
{
    if (!planche_.ajouter(element))
        return;
    DessinerElement(element);
    rafraichir();
}

void TF_Jeu_Lignes_Autour::choisirOutil(Outil outil)
{
    if (planche_.modeGomme()) {
        cacherMarqueurs();
        Image1->setEnabled(exerciceEnCours_);
        rendreClavierALaGrille();
    }
    if (outil == Outil::Peinture) {
        PanelCouleurs->setEnabled(true);
        PanelCouleurs->show();
    } else {
        PanelCouleurs->hide();
    }
    planche_.choisirOutil(outil);
    clavier_->actualiser();
}

// Drawing comes back only while an exercise is being played: before the first one,
// the pupil has nothing to draw the image of.
void TF_Jeu_Lignes_Autour::quitterModeGomme(bool peintureSeulementSiCouleurs)
{
    planche_.quitterGomme();
    cacherMarqueurs();
    enfoncerOutilCourant(peintureSeulementSiCouleurs);
    Image1->setEnabled(exerciceEnCours_);
    rendreClavierALaGrille();
}

// Whatever ended the eraser (a marker, its key, a tool), the arrows move the grid's cursor
// again rather than the focus among buttons.
void TF_Jeu_Lignes_Autour::rendreClavierALaGrille()
{
    if (exerciceEnCours_)
        Image1->setFocus(Qt::OtherFocusReason);
}

void TF_Jeu_Lignes_Autour::enfoncerOutilCourant(bool peintureSeulementSiCouleurs)
{
    const Outil outil = planche_.outil();
    if (outil != Outil::Peinture || !peintureSeulementSiCouleurs || !PanelCouleurs->isHidden())
        barreOutils_->enfoncer(outil);
}

void TF_Jeu_Lignes_Autour::SpeedButton2Click()
{
    if (planche_.modeGomme()) {
        quitterModeGomme(true);
        return;
    }
    planche_.basculerGomme();
    MarqueursElements->montrer(planche_.figure(), Image1->pos(), Quadrillage_.TailleCase);
    if (focusWidget() == Image1)
        MarqueursElements->donnerClavier();
    Image1->setEnabled(false);
}

void TF_Jeu_Lignes_Autour::cacherMarqueurs()
{
    MarqueursElements->cacher();
}

// One click removes one element and ends the eraser mode. Only the markers of the
// pupil's elements remove anything: the template panel's tag names no element.
void TF_Jeu_Lignes_Autour::MarqueurClick(int i)
{
    if (!planche_.retirer(i))
        return;
    cacherMarqueurs();
    enfoncerOutilCourant(false);
    EffacerImage();
    RedessinerTout();
    rafraichir();
    Image1->setEnabled(exerciceEnCours_);
    rendreClavierALaGrille();
}

void TF_Jeu_Lignes_Autour::effacer(bool tout)
{
    if (planche_.modeGomme())
        quitterModeGomme();
    if (!(tout ? planche_.effacerTout() : planche_.annulerDernier()))
        return;
    EffacerImage();
    RedessinerTout();
    rafraichir();
}

// ---------------------------------------------------------------------------------
// The check.

void TF_Jeu_Lignes_Autour::BoutonCorrectionClick()
{
    if (planche_.modeGomme()) {
        quitterModeGomme();
        RedessinerTout();
        rafraichir();
    }
    const bool juste = VerifierSymetrie(Quadrillage_, Image1->image(), Masque_,
                                        FigureReference_, planche_.figure(), NbPointsAxeCouverts_);
    const bool nouvelEssai = figureVerifiee_ != planche_.figure();
    figureVerifiee_ = planche_.figure();
    montrerResultat(juste);
    if (nouvelEssai)
        noterEssai(juste);
    if (!juste) {
        nbFaux_ += nouvelEssai ? 1 : 0;
        expliquerFaux();
        proposerSolution();
        if (parcours_ && nouvelEssai)
            proposerNiveau(parcours_->faux());
        return;
    }
    calque_->cacher();
    BoutonSolution->hide();
    appliquerEtat(EtatJeu::Resolu);
    if (contexte_.reglages.BilanReussite == 1) {
        EnregistrerReussite(contexte_.dossierBilansAccessible(), contexte_.nomEleve, contexte_.nomClasse,
                            exercice_.LigneBilan);
        AvertirSiDossierProgrammeDisparu(contexte_);
    }
    if (parcours_)
        proposerNiveau(parcours_->reussite());
}

void TF_Jeu_Lignes_Autour::expliquerFaux()
{
    if (contexte_.retours.MontrerErreurs != 1)
        return;
    const Figure& eleve = planche_.figure();
    const DiagnosticFaux d = DiagnostiquerFaux(Quadrillage_, Image1->image(), Masque_, FigureReference_,
                                               eleve, NbPointsAxeCouverts_);
    std::vector<CalqueCorrection::Trace> traces;
    for (int i = 1; i <= FigureReference_.NbElements && std::size_t(i) <= d.referenceJuste.size(); ++i)
        traces.push_back({FigureReference_[i], d.referenceJuste[std::size_t(i - 1)] ? CouleurCalqueJuste
                                                                               : CouleurCalqueManque});
    for (int i = 1; i <= eleve.NbElements && std::size_t(i) <= d.eleveEnTrop.size(); ++i)
        if (d.eleveEnTrop[std::size_t(i - 1)])
            traces.push_back({eleve[i], CouleurCalqueEnTrop, true});
    calque_->montrer(std::move(traces), Quadrillage_.TailleCase);
    if (!d.phrase.isEmpty()) {
        Panel1->setText(d.phrase);
        Dire(contexte_, d.phrase);
    }
}

void TF_Jeu_Lignes_Autour::proposerSolution()
{
    const int essais = contexte_.retours.EssaisAvantSolution;
    BoutonSolution->setVisible(essais > 0 && nbFaux_ >= essais);
}

// The expected image over the grid for a while; the exercise stays to be done.
void TF_Jeu_Lignes_Autour::BoutonSolutionClick()
{
    const Figure solution = FigureMiroir(Quadrillage_, FigureReference_);
    std::vector<CalqueCorrection::Trace> traces;
    for (int i = 1; i <= solution.NbElements; ++i)
        if (!EstColoriage(solution[i].GenreElement))
            traces.push_back({solution[i], CouleurCalqueSolution});
    // The areas as the fill would paint them, bounded by the solution's own outlines.
    QImage resolu = NouvelleImage(Image1->image().width(), Image1->image().height());
    ::RedessinerTout(resolu, Quadrillage_, contexte_.numeroExercice, FigureReference_, solution);
    calque_->montrer(std::move(traces), Quadrillage_.TailleCase, ZonesColoriees(resolu, solution));
    Panel1->setText(QStringLiteral("Voici la solution. À toi de la dessiner !"));
}

void TF_Jeu_Lignes_Autour::finDuCalque()
{
    Panel1->setText(consigne());
}

// The instruction for the pupil's hands: the way of what was pressed last.
QString TF_Jeu_Lignes_Autour::consigne() const
{
    switch (saisie_->moyen()) {
    case DerniereSaisie::Moyen::Clavier:
        return TexteConsigneClavier;
    case DerniereSaisie::Moyen::Doigt:
        return TexteConsigneDoigt;
    default:
        return TexteConsigne;
    }
}

// "Faux" goes one second after it first appeared, however often it is asked again within
// that second; "Juste" stays, even when a "Faux" shown just before would still have had
// its second to run.
void TF_Jeu_Lignes_Autour::montrerResultat(bool juste)
{
    ColorerTexte(LabelResultat, juste ? CouleurVertJuste : CouleurRouge);
    LabelResultat->setText(juste ? QStringLiteral("Juste") : QStringLiteral("Faux"));
    AnnoncerVerdict(contexte_, juste);
    if (juste)
        Timer2->stop();
    else if (!Timer2->isActive())
        Timer2->start();
}

// Every new try of a tracked pupil, "Juste" or "Faux", for the teacher. A pupil is told
// once per opening when it cannot be written, and plays on.
void TF_Jeu_Lignes_Autour::noterEssai(bool juste)
{
    if (!contexte_.suiviEleve || contexte_.reglages.BilanReussite != 1 || exercice_.estVide())
        return;
    const QDateTime maintenant = QDateTime::currentDateTime();
    Essai essai{maintenant.date(), maintenant.time(), contexte_.numeroExercice, exercice_.Serie, {}, juste};
    if (exercice_.Code)
        essai.exercice = TexteCode(*exercice_.Code);
    else
        essai.exercice = exercice_.LigneBilan.mid(exercice_.Serie.size() + 1);
    const QString message =
        AjouterEssai(contexte_.dossierBilansAccessible(), contexte_.nomEleve, contexte_.nomClasse, essai);
    if (message.isEmpty() || essaisSignales_)
        return;
    essaisSignales_ = true;
    avertir(message + QStringLiteral("\nTes essais ne sont pas notés : préviens ton enseignant."));
}
