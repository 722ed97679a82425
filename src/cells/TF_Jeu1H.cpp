#include "TF_Jeu1H.h"

#include "ElementsJeu1.h"
#include "GlyphesBoutons.h"
#include "SigneVerdict.h"
#include "Contexte.h"
#include "TF_ModifCh1.h"
#include "ZoneMosaique.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {
const QString ConsigneSouris = QStringLiteral("Avec la souris, choisis la couleur, puis clique sur les cases.");
const QString ConsigneClavier = QStringLiteral(
    "Choisis la couleur avec un chiffre, puis colorie les cases avec les flèches et Espace.");
const QString ConsigneDoigt = QStringLiteral("Avec ton doigt, choisis la couleur, puis touche les cases.");

struct Crayon {
    const char* nom;
    int ligne;
    int colonne;
    int numeroCouleur;
};

const std::array<Crayon, 12> Crayons = {{
    {"BoutonCrayonNoir", 1, 1, 1},
    {"BoutonCrayonGrisFonce", 1, 2, 2},
    {"BoutonCrayonBleu", 1, 3, 4},
    {"BoutonCrayonBleuClair", 1, 4, 5},
    {"BoutonCrayonMarron", 2, 1, 9},
    {"BoutonCrayonJaune", 2, 2, 10},
    {"BoutonCrayonVert", 2, 3, 11},
    {"BoutonCrayonVertFonce", 2, 4, 12},
    {"BoutonCrayonRose", 3, 1, 7},
    {"BoutonCrayonRouge", 3, 2, 8},
    {"BoutonCrayonBlanc", 3, 3, 15},
    {"BoutonCrayonGris", 3, 4, 16},
}};

constexpr int NumeroCrayonDeDepart = 4; // blue
constexpr quint32 RougeAxe = 0x000000FF;
constexpr char VertJuste[] = "#008000";
constexpr char RougeFaux[] = "#FF0000";

QFont police(const QString& famille, int pixels, bool gras = false)
{
    QFont f(famille);
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

// Big rounded buttons with the caption in the button's colour; a disabled one greys out
// so that a pupil sees at once what cannot be pressed.
QString styleBouton(const QString& couleur, const QString& fond)
{
    return QStringLiteral(
               "QPushButton { color: %1; background-color: %2; border: 3px solid %1;"
               " border-radius: 14px; padding: 2px; }"
               "QPushButton:pressed { background-color: white; }"
               "QPushButton:disabled { color: #A0A0A0; background-color: #ECECEC;"
               " border-color: #C4C4C4; }")
        .arg(couleur, fond);
}

quint32 graineHorloge()
{
    return static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace

TF_Jeu1H::TF_Jeu1H(Contexte& contexte, TF_ModifCh1* dialogueChoix, QWidget* parent)
    : FenetreNonModale(parent)
    , contexte_(contexte)
    , dialogueChoix_(dialogueChoix)
    , sourceGraine_(graineHorloge)
{
    setObjectName(QStringLiteral("F_Jeu1H"));
    setWindowTitle(QStringLiteral("Jeu n° 1 : cases"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(0xD6, 0xEA, 0xFF));
    setPalette(fond);
    resize(808, 606);
    creerControles();

    AdapterEcran(this);
    new SigneVerdict(LabelResultat);
    const int icone = SpeedButton2->height() * 3 / 5;
    SpeedButton2->setIconSize(QSize(icone, icone));
    placerCadre();
}

void TF_Jeu1H::fixerSourceGraine(std::function<quint32()> source)
{
    sourceGraine_ = std::move(source);
}

void TF_Jeu1H::creerControles()
{
    PaintBox1 = new ZoneMosaique(this, [this] { return contexte_.fichierProgramme(contexte_.imageFondFenetre()); });
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(0, 0, 808, 606);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 584, 808, 22);
    saisie_ = new DerniereSaisie(this);
    auto* texte = new QLabel(consigne(), StatusBar1);
    texte->setObjectName(QStringLiteral("StatusBar1Texte"));
    texte->setAlignment(Qt::AlignCenter);
    texte->setFont(police(QStringLiteral("Arial"), 14));
    StatusBar1->addWidget(texte, 1);
    // The instruction follows the pupil's hands as they change (said aloud only when the
    // exercise opens).
    connect(saisie_, &DerniereSaisie::change, texte, [this, texte] { texte->setText(consigne()); });

    PanelMilieu = new QWidget(this);
    PanelMilieu->setObjectName(QStringLiteral("PanelMilieu"));
    PanelMilieu->setGeometry(0, 0, 765, 497);
    PanelMilieu->setAutoFillBackground(true);
    QPalette creme = PanelMilieu->palette();
    creme.setColor(QPalette::Window, QColor(0xFF, 0xF8, 0xE6));
    PanelMilieu->setPalette(creme);
    PaintBox2 = new ZoneMosaique(PanelMilieu, [this] { return contexte_.fichierProgramme(contexte_.imageFondPanneau()); });
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));
    PaintBox2->setGeometry(0, 0, 765, 497);

    PanelExercice = new QFrame(PanelMilieu);
    PanelExercice->setObjectName(QStringLiteral("PanelExercice"));
    PanelExercice->setGeometry(3, 62, 408, 429);
    PanelExercice->setAutoFillBackground(true);
    QPalette blanc = PanelExercice->palette();
    blanc.setColor(QPalette::Window, Qt::white);
    PanelExercice->setPalette(blanc);
    for (int k = 1; k <= NbCasesMax; ++k) {
        G[k] = new CaseJeu1(QStringLiteral("G%1").arg(k), PanelExercice);
        D[k] = new CaseJeu1(QStringLiteral("D%1").arg(k), PanelExercice);
        connect(G[k], &CaseJeu1::clic, this, [this, k] { CaseClick(G[k], true); });
        connect(D[k], &CaseJeu1::clic, this, [this, k] { CaseClick(D[k], false); });
    }
    AxeV = new BandeUnie(QStringLiteral("AxeV"), RougeAxe, PanelExercice);
    AxeV->setGeometry(202, 0, 4, 429);
    AxeH = new BandeUnie(QStringLiteral("AxeH"), RougeAxe, PanelExercice);
    AxeH->setGeometry(0, 212, 408, 4);

    creerCrayons();

    LabelResultat = new QLabel(PanelMilieu);
    LabelResultat->setObjectName(QStringLiteral("LabelResultat"));
    LabelResultat->setGeometry(482, 150, 214, 37);
    LabelResultat->setFont(police(QStringLiteral("Times New Roman"), 32, true));
    LabelResultat->setAlignment(Qt::AlignCenter);

    creerBoutons();

    Timer1 = new TenirGeometrie(this, contexte_.geometrieReference);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(5000);
    connect(Timer2, &QTimer::timeout, this, &TF_Jeu1H::Timer2Timer);
}

void TF_Jeu1H::creerCrayons()
{
    Panel2 = new QWidget(PanelMilieu);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(574, 2, 168, 127);
    crayons_ = new QButtonGroup(this);
    crayons_->setExclusive(true);
    for (const Crayon& c : Crayons) {
        auto* bouton = new BoutonCrayon(QLatin1String(c.nom), c.numeroCouleur, Panel2);
        bouton->setGeometry(4 + (c.colonne - 1) * 40, 4 + (c.ligne - 1) * 40, 40, 40);
        bouton->setChecked(c.numeroCouleur == NumeroCrayonDeDepart);
        crayons_->addButton(bouton);
    }
    connect(crayons_, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* bouton) {
        CrayonClick(static_cast<BoutonCrayon*>(bouton));
    });
}

void TF_Jeu1H::creerBoutons()
{
    const QString navy = QStringLiteral("#000080");
    const QString maroon = QStringLiteral("#800000");
    struct Bouton {
        QPushButton*& membre;
        const char* nom;
        QString texte;
        QRect place;
        QString style;
    };
    const Bouton boutons[] = {
        {BoutonCorrection, "BoutonCorrection", QStringLiteral("Vérifier"), {557, 226, 202, 73},
         styleBouton(navy, QStringLiteral("#E3ECFF"))},
        {BoutonNouveauJeu, "BoutonNouveauJeu", QStringLiteral("Nouveau jeu"), {557, 306, 202, 73},
         styleBouton(QStringLiteral("#008000"), QStringLiteral("#E2F6E2"))},
        {BoutonModifChoix, "BoutonModifChoix", QStringLiteral("Modifier les choix"),
         {557, 386, 202, 41}, styleBouton(maroon, QStringLiteral("#FBEDE4"))},
        {SpeedButton2, "SpeedButton2", QStringLiteral("Aide"), {557, 434, 92, 53},
         styleBouton(maroon, QStringLiteral("#FBEDE4"))},
        {SpeedButton1, "SpeedButton1", QStringLiteral("Quitter"), {667, 434, 92, 53},
         styleBouton(maroon, QStringLiteral("#FBEDE4"))},
    };
    for (const Bouton& b : boutons) {
        b.membre = new QPushButton(b.texte, PanelMilieu);
        b.membre->setObjectName(QLatin1String(b.nom));
        b.membre->setGeometry(b.place);
        b.membre->setFont(police(QStringLiteral("Arial"), 21));
        b.membre->setStyleSheet(b.style);
        b.membre->setFocusPolicy(Qt::NoFocus);
    }
    SpeedButton2->setIcon(IconeAide());

    connect(BoutonCorrection, &QPushButton::clicked, this, &TF_Jeu1H::BoutonCorrectionClick);
    connect(BoutonNouveauJeu, &QPushButton::clicked, this, &TF_Jeu1H::NouvellePartie);
    connect(BoutonModifChoix, &QPushButton::clicked, this, &TF_Jeu1H::BoutonModifChoixClick);
    connect(SpeedButton2, &QPushButton::clicked, this,
            [] { AfficherAide(QStringLiteral("exercice1.htm")); });
    connect(SpeedButton1, &QPushButton::clicked, this, &QWidget::close);
}

// The window is held at the main window's size, which may differ from the design, so
// the background, the status bar and the centred middle panel follow every resize.
void TF_Jeu1H::placerCadre()
{
    PaintBox1->setGeometry(rect());
    StatusBar1->setGeometry(0, height() - StatusBar1->height(), width(), StatusBar1->height());
    PanelMilieu->move((width() - PanelMilieu->width()) / 2,
                      (height() - PanelMilieu->height() - StatusBar1->height()) / 2);
}

void TF_Jeu1H::showEvent(QShowEvent* evenement)
{
    FenetreNonModale::showEvent(evenement);
    if (!evenement->spontaneous())
        FormActivate();
}

void TF_Jeu1H::closeEvent(QCloseEvent* evenement)
{
    Timer1->arreter();
    FenetreNonModale::closeEvent(evenement);
}

void TF_Jeu1H::resizeEvent(QResizeEvent* evenement)
{
    FenetreNonModale::resizeEvent(evenement);
    placerCadre();
}

// The keyboard's play: the arrows go from cell to cell, 1 to 9 and 0 pick the first ten
// pencils in their order, + and - the next and the previous one, V checks and N draws a
// new game; keys held with Alt or Ctrl keep their meaning.
void TF_Jeu1H::keyPressEvent(QKeyEvent* evenement)
{
    const int code = evenement->key();
    const bool sansModificateur = !(evenement->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    if (code == Qt::Key_F1) {
        AfficherAide(QStringLiteral("exercice1.htm"));
        return;
    }
    if (sansModificateur && toucheJeu(code))
        return;
    FenetreNonModale::keyPressEvent(evenement);
}

bool TF_Jeu1H::toucheJeu(int code)
{
    const auto presser = [](QAbstractButton* b) {
        if (!b || !b->isEnabled() || !b->isVisible())
            return false;
        b->click();
        return true;
    };
    switch (code) {
    case Qt::Key_Left: return allerVers({-1, 0});
    case Qt::Key_Right: return allerVers({1, 0});
    case Qt::Key_Up: return allerVers({0, -1});
    case Qt::Key_Down: return allerVers({0, 1});
    case Qt::Key_V: return presser(BoutonCorrection);
    case Qt::Key_N: return presser(BoutonNouveauJeu);
    case Qt::Key_0: return presser(crayons_->buttons().value(9));
    case Qt::Key_Plus: return presser(crayonVoisin(1));
    case Qt::Key_Minus: return presser(crayonVoisin(-1));
    default:
        if (code >= Qt::Key_1 && code <= Qt::Key_9)
            return presser(crayons_->buttons().value(code - Qt::Key_1));
        return false;
    }
}

// The instruction for the pupil's hands: the way of what was pressed last.
QString TF_Jeu1H::consigne() const
{
    switch (saisie_->moyen()) {
    case DerniereSaisie::Moyen::Clavier:
        return ConsigneClavier;
    case DerniereSaisie::Moyen::Doigt:
        return ConsigneDoigt;
    default:
        return ConsigneSouris;
    }
}

QAbstractButton* TF_Jeu1H::crayonVoisin(int pas) const
{
    const auto crayons = crayons_->buttons();
    const qsizetype n = crayons.size();
    const qsizetype i = crayons.indexOf(crayons_->checkedButton());
    return n == 0 ? nullptr : crayons.value(((i + pas) % n + n) % n);
}

// The nearest shown cell in that direction from the cell that has the keyboard (the
// middle of the grid when none has it).
bool TF_Jeu1H::allerVers(QPoint sens)
{
    const auto centre = [this](const QWidget* w) { return w->mapTo(PanelExercice, w->rect().center()); };
    const QWidget* actuelle = qobject_cast<CaseJeu1*>(focusWidget());
    const QPoint depart = actuelle ? centre(actuelle) : PanelExercice->rect().center();
    CaseJeu1* meilleure = nullptr;
    int meilleureDistance = 0;
    for (const auto& cote : {G, D}) {
        for (int k = 1; k <= NbCasesMax; ++k) {
            CaseJeu1* c = cote[std::size_t(k)];
            if (!c || c == actuelle || !c->isVisible())
                continue;
            const QPoint ecart = centre(c) - depart;
            const int avance = ecart.x() * sens.x() + ecart.y() * sens.y();
            if (avance <= 0)
                continue;
            const int cote90 = std::abs(ecart.x() * sens.y()) + std::abs(ecart.y() * sens.x());
            const int distance = avance + 3 * cote90;
            if (!meilleure || distance < meilleureDistance) {
                meilleure = c;
                meilleureDistance = distance;
            }
        }
    }
    if (meilleure)
        meilleure->setFocus();
    return true;
}

void TF_Jeu1H::FormActivate()
{
    Dire(contexte_, consigne());
    contexte_.imageFondPanneau() = contexte_.imagePourCase(1);
    Timer1->demarrer();
    hasard_.seed(sourceGraine_());
    // Scaling may have rounded the cells differently; the layout counts on equal cells.
    for (int k = 2; k <= NbCasesMax; ++k) {
        G[k]->resize(G[1]->size());
        D[k]->resize(D[1]->size());
    }
    BoutonModifChoix->setVisible(contexte_.reglages.ModifChoixJeu1 != 0);
    NouvellePartie();
}

void TF_Jeu1H::NouvellePartie()
{
    CorrigerReglagesJeu1(contexte_.reglages);
    Jeu1_ = DimensionsPour(contexte_.reglages.TailleJeu1, contexte_.reglages.NbColoreesJeu1);
    for (int k = 1; k <= NbCasesMax; ++k) {
        G[k]->setVisible(k <= Jeu1_.NbCasesCote);
        D[k]->setVisible(k <= Jeu1_.NbCasesCote);
    }
    const PartieJeu1 partie = TirerPartie(Jeu1_, hasard_);
    AxeJeu1Vertical_ = partie.axeVertical;
    ModeleCoteG_ = partie.modeleCoteG;
    disposer();

    LabelResultat->clear();
    Timer2->stop(); // nothing left for it to clear; the next "Faux" gets its full time
    BoutonNouveauJeu->setEnabled(false);
    BoutonCorrection->setEnabled(true);
    BoutonModifChoix->setEnabled(true);
    PartieReussie_ = false;

    for (int k = 1; k <= NbCasesMax; ++k) {
        G[k]->fixerCouleur(CaseJeu1::Argent);
        D[k]->fixerCouleur(CaseJeu1::Argent);
    }
    CouleursPartie_ = partie.couleurs;
    const auto& modele = ModeleCoteG_ ? G : D;
    for (int i = 1; i <= partie.nbModele; ++i)
        modele[partie.modele[i].numero]->fixerCouleur(TableCouleurs[partie.modele[i].couleur]);

    const int premiereCouleur = partie.modele[1].couleur;
    CouleurCourante_ = TableCouleurs[premiereCouleur];
    presserCrayon(premiereCouleur);
}

void TF_Jeu1H::disposer()
{
    AxeV->setVisible(AxeJeu1Vertical_);
    AxeH->setVisible(!AxeJeu1Vertical_);
    BandeUnie* axe = AxeJeu1Vertical_ ? AxeV : AxeH;
    const int epaisseur = AxeJeu1Vertical_ ? AxeV->width() : AxeH->height();
    const DispositionJeu1 d =
        Disposer(Jeu1_, AxeJeu1Vertical_, G[1]->size(), epaisseur, PanelMilieu->height());
    PanelExercice->setGeometry(d.panneau);
    for (int k = 1; k <= Jeu1_.NbCasesCote; ++k) {
        G[k]->move(d.G[k]);
        D[k]->move(d.D[k]);
    }
    axe->setGeometry(d.axe);
    axe->raise();
}

void TF_Jeu1H::CaseClick(CaseJeu1* laCase, bool coteG)
{
    BoutonModifChoix->setEnabled(false);
    if (PartieReussie_ || coteG == ModeleCoteG_)
        return;
    laCase->fixerCouleur(laCase->vide() ? CouleurCourante_ : CaseJeu1::Argent);
}

void TF_Jeu1H::CrayonClick(const BoutonCrayon* crayon)
{
    CouleurCourante_ = TableCouleurs[crayon->numeroCouleur()];
}

void TF_Jeu1H::presserCrayon(int numeroCouleur)
{
    for (QAbstractButton* bouton : crayons_->buttons()) {
        if (static_cast<BoutonCrayon*>(bouton)->numeroCouleur() == numeroCouleur)
            bouton->setChecked(true);
    }
}

void TF_Jeu1H::BoutonCorrectionClick()
{
    int pairesEgales = 0;
    for (int k = 1; k <= Jeu1_.NbCasesCote; ++k) {
        if (G[k]->couleur() == D[k]->couleur())
            ++pairesEgales;
    }
    const bool juste = pairesEgales == Jeu1_.NbCasesCote;
    if (juste) {
        LabelResultat->setText(QStringLiteral("Juste"));
        LabelResultat->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(VertJuste)));
        // A "Faux" still waiting to be cleared must not wipe the success away.
        Timer2->stop();
        PartieReussie_ = true;
        BoutonNouveauJeu->setEnabled(true);
        BoutonModifChoix->setEnabled(true);
        BoutonCorrection->setEnabled(false);
    } else {
        LabelResultat->setText(QStringLiteral("Faux"));
        LabelResultat->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(RougeFaux)));
        if (!Timer2->isActive())
            Timer2->start();
    }
    AnnoncerVerdict(contexte_, juste);
}

void TF_Jeu1H::BoutonModifChoixClick()
{
    const quint8 taille = contexte_.reglages.TailleJeu1;
    const quint8 choix = contexte_.reglages.NbColoreesJeu1;
    dialogueChoix()->exec();
    if (contexte_.reglages.TailleJeu1 != taille || contexte_.reglages.NbColoreesJeu1 != choix)
        NouvellePartie();
}

void TF_Jeu1H::Timer2Timer()
{
    LabelResultat->clear();
    Timer2->stop();
}

TF_ModifCh1* TF_Jeu1H::dialogueChoix()
{
    if (!dialogueChoix_)
        dialogueChoix_ = new TF_ModifCh1(contexte_, this);
    return dialogueChoix_;
}
