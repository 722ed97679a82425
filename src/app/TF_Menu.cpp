#include "TF_Menu.h"

#include "Contexte.h"
#include "Operations.h"
#include "TF_preferences.h"
#include "ZoneMosaique.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>

namespace {
constexpr int TailleGlyphe = 58;

QFrame* panneau(const QString& nom, QWidget* parent)
{
    auto* p = new QFrame(parent);
    p->setObjectName(nom);
    return p;
}
} // namespace

TF_Menu::TF_Menu(Contexte& contexte, QWidget* parent)
    : QWidget(parent)
    , contexte_(contexte)
{
    setObjectName(QStringLiteral("F_Menu"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(13);
    setFont(arial);
    resize(LargeurInterieureConception, HauteurInterieureConception);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setGeometry(0, 0, 800, 24);
    margedroite = panneau(QStringLiteral("margedroite"), this);
    margedroite->setGeometry(0, 24, 18, 526);
    margegauche = panneau(QStringLiteral("margegauche"), this);
    margegauche->setGeometry(783, 24, 17, 526);
    milieu = panneau(QStringLiteral("milieu"), this);
    milieu->setGeometry(18, 24, 765, 526);
    menu = panneau(QStringLiteral("menu"), milieu);
    menu->setFrameStyle(QFrame::Box | QFrame::Plain);
    menu->setGeometry(0, 0, 765, 526);
    PaintBox1 = new ZoneMosaique(menu, [this] { return contexte_.fichierProgramme(contexte_.imageAccueil()); });
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(1, 1, 763, 524);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 550, 800, 22);
    auto* consigne = new QLabel(QStringLiteral("Fais ton choix avec la souris ou le clavier."));
    consigne->setObjectName(QStringLiteral("StatusBar1_Panel0"));
    consigne->setAlignment(Qt::AlignCenter);
    StatusBar1->addWidget(consigne, 1);

    Timer1 = new TenirGeometrie(this, contexte_.geometrieReference);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    construireMenus();
    const QList<QPair<QPushButton*, GlypheMenu>> glyphes = construireBoutons();
    for (QWidget* w : {static_cast<QWidget*>(PaintBox1), static_cast<QWidget*>(margedroite),
                       static_cast<QWidget*>(margegauche), static_cast<QWidget*>(StatusBar1)})
        w->installEventFilter(this);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &AfficherSommaireAide);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] { fenetres_.preferences->exec(); });

    // Creation, in the program's order: scaling, cursors, reference.
    const int cote = qRound(TailleGlyphe * AdapterEcran(this));
    // Each glyph is drawn once, at the size it is shown at on this screen.
    const qreal rapportPixels = devicePixelRatioF();
    for (const auto& [bouton, glyphe] : glyphes) {
        QPixmap dessin = DessinerGlypheMenu(glyphe, qRound(cote * rapportPixels));
        dessin.setDevicePixelRatio(rapportPixels);
        bouton->setIcon(QIcon(dessin));
        bouton->setIconSize(QSize(cote, cote));
    }
    InstallerCurseurApplication();
    contexte_.geometrieReference = {x(), y(), height(), width()};
    setWindowTitle(QStringLiteral("Talvero   -    Orvane"));
}

void TF_Menu::construireMenus()
{
    const auto action = [this](QWidget* dans, const QString& nom, const QString& texte, auto&& faire) {
        QAction* a = dans->addAction(texte);
        a->setObjectName(nom);
        connect(a, &QAction::triggered, this, faire);
        return a;
    };
    QMenu* fichier = MainMenu1->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("Fichier1"));
    action(fichier, QStringLiteral("FJeu1"), QStringLiteral("Exercice &1 : cases"), [this] { BoutonJ1Click(); });
    FJeu2 = action(fichier, QStringLiteral("FJeu2"), QStringLiteral("Exercice &2 : lignes"),
                   [this] { BoutonJLClick(FJeu2); });
    Jeun3ranger1 = action(fichier, QStringLiteral("Jeun3ranger1"), QStringLiteral("Exercice &3 : lignes et couleurs"),
                          [this] { BoutonJLClick(Jeun3ranger1); });
    FJeu4 = action(fichier, QStringLiteral("FJeu4"), QStringLiteral("Exercice &4 : orvane autour d'un axe"),
                   [this] { Bouton_AutourClick(FJeu4); });
    FJeu5 = action(fichier, QStringLiteral("FJeu5"), QStringLiteral("Exercice &5 : orvane par rapport à un point"),
                   [this] { Bouton_AutourClick(FJeu5); });
    action(fichier, QStringLiteral("ModeEmpl"), QStringLiteral("Ai&de"), &AfficherSommaireAide);
    action(fichier, QStringLiteral("Aide1"), QStringLiteral("&A propos"), [this] { AProposClick(); });
    fichier->addSeparator()->setObjectName(QStringLiteral("N2"));
    action(fichier, QStringLiteral("Quitter1"), QStringLiteral("&Quitter"), [this] { QuitterClick(); });

    QMenu* editeurs = MainMenu1->addMenu(QStringLiteral("&Editeurs"));
    editeurs->setObjectName(QStringLiteral("Editeurs1"));
    action(editeurs, QStringLiteral("Editeurdexercices1"), QStringLiteral("Editeur pour exercice &2 : lignes"),
           [this] { EditeurClick(2); });
    action(editeurs, QStringLiteral("Editeurdexercicespourjeu31"),
           QStringLiteral("Editeur pour exercice &3 : lignes et couleurs"), [this] { EditeurClick(3); });
    action(editeurs, QStringLiteral("Editeurdexercicespourjeu41"),
           QStringLiteral("Editeur pour exercice &4 : orvane autour d'un axe"), [this] { EditeurClick(4); });
    action(editeurs, QStringLiteral("Editeurdexercicespourjeu51"),
           QStringLiteral("Editeur pour exercice &5 : orvane par rapport à un point"), [this] { EditeurClick(5); });
    action(editeurs, QStringLiteral("Fichesaimprimer1"), QStringLiteral("&Fiches à imprimer"),
           [this] { fenetres_.fiches->exec(); });
    action(editeurs, QStringLiteral("Creeruneserieauhasard1"), QStringLiteral("&Créer une série au hasard"),
           [this] { fenetres_.serieHasard->exec(); });
    editeurs->addSeparator()->setObjectName(QStringLiteral("N1"));
    action(editeurs, QStringLiteral("Effacerlesbilans1"), QStringLiteral("Effacer les bilans"),
           [this] { fenetres_.effaceBilans->exec(); });
    action(editeurs, QStringLiteral("Listesdlves1"), QStringLiteral("Listes d'élèves"),
           [this] { fenetres_.listes->exec(); });
    action(editeurs, QStringLiteral("Suividelaclasse1"), QStringLiteral("Suivi de la classe"),
           [this] { fenetres_.suiviClasse->exec(); });
    action(editeurs, QStringLiteral("Parcoursdelaclasse1"), QStringLiteral("Parcours de la classe"),
           [this] { fenetres_.parcoursClasse->exec(); });
    action(editeurs, QStringLiteral("Prefer1"), QStringLiteral("&Préférences"), [this] { Prefer1Click(); });
    action(editeurs, QStringLiteral("Lisezmoi2"), QStringLiteral("&A propos..."), [this] { AProposClick(); });
    action(editeurs, QStringLiteral("Lapagepdagogique1"), QStringLiteral("&La page pédagogique"),
           [] { AfficherAide(QStringLiteral("pedagogie.htm")); });
    // The help contents sit on the bar itself too, beside the two menus.
    action(MainMenu1, QStringLiteral("Aide2"), QStringLiteral("Ai&de"), &AfficherSommaireAide);

    for (QMenu* m : {fichier, editeurs})
        connect(m, &QMenu::aboutToShow, this, [this] { RemettreGaucheHaut(this, contexte_.geometrieReference); });
}

QList<QPair<QPushButton*, GlypheMenu>> TF_Menu::construireBoutons()
{
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(16);
    police.setBold(true);
    QPalette marine = palette();
    marine.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0x80));
    QList<QPair<QPushButton*, GlypheMenu>> glyphes;
    const auto bouton = [&](const QString& nom, int haut, const QString& texte, GlypheMenu glyphe) {
        auto* b = new QPushButton(texte, PaintBox1);
        b->setObjectName(nom);
        b->setGeometry(424, haut, 311, 73);
        b->setFont(police);
        b->setPalette(marine);
        glyphes.append({b, glyphe});
        return b;
    };
    BoutonJ1 = bouton(QStringLiteral("BoutonJ1"), 20, QStringLiteral("Orvane : &cases"), GlypheMenu::Cases);
    BoutonJL = bouton(QStringLiteral("BoutonJL"), 100, QStringLiteral("Orvane : &lignes"), GlypheMenu::Lignes);
    BoutonJLC = bouton(QStringLiteral("BoutonJLC"), 180, QStringLiteral("Orvane : lignes et c&ouleurs"),
                       GlypheMenu::LignesCouleurs);
    Bouton_Autour = bouton(QStringLiteral("Bouton_Autour"), 259, QStringLiteral("Orvane autour d'un &axe"),
                           GlypheMenu::Axe);
    Bouton_Point = bouton(QStringLiteral("Bouton_Point"), 339, QStringLiteral("Orvane par rapport à un &point"),
                          GlypheMenu::Point);
    SpeedButton3 = bouton(QStringLiteral("SpeedButton3"), 419, QStringLiteral("&Quitter"), GlypheMenu::Quitter);
    connect(BoutonJ1, &QPushButton::clicked, this, &TF_Menu::BoutonJ1Click);
    connect(BoutonJL, &QPushButton::clicked, this, [this] { BoutonJLClick(BoutonJL); });
    connect(BoutonJLC, &QPushButton::clicked, this, [this] { BoutonJLClick(BoutonJLC); });
    connect(Bouton_Autour, &QPushButton::clicked, this, [this] { Bouton_AutourClick(Bouton_Autour); });
    connect(Bouton_Point, &QPushButton::clicked, this, [this] { Bouton_AutourClick(Bouton_Point); });
    connect(SpeedButton3, &QPushButton::clicked, this, &TF_Menu::QuitterClick);
    return glyphes;
}

void TF_Menu::connaitre(const Fenetres& fenetres)
{
    fenetres_ = fenetres;
    for (FenetreNonModale* f : {fenetres_.jeu1, fenetres_.jeuLignes, fenetres_.dessin})
        connect(f, &FenetreNonModale::fermee, this, &TF_Menu::FormActivate);
}

void TF_Menu::showEvent(QShowEvent* evenement)
{
    QWidget::showEvent(evenement);
    if (dejaMontree_)
        return;
    dejaMontree_ = true;
    fenetres_.preferences->ChargerPreferences();
    PaintBox1->update();
    FormActivate();
}

void TF_Menu::FormActivate()
{
    contexte_.nomEleve.clear();
    contexte_.nomClasse.clear();
    contexte_.imageAccueil() = contexte_.imagePourCase(0);
    PaintBox1->update();
    Timer1->demarrer();
}

void TF_Menu::closeEvent(QCloseEvent* evenement)
{
    Timer1->arreter();
    QWidget::closeEvent(evenement);
    emit fermee();
}

void TF_Menu::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    disposer();
}

// The margins stay at the edges and the middle fills the rest, whatever the window's size.
void TF_Menu::disposer()
{
    const int haut = MainMenu1->height();
    const int bas = height() - StatusBar1->height();
    MainMenu1->setGeometry(0, 0, width(), haut);
    StatusBar1->setGeometry(0, bas, width(), StatusBar1->height());
    margedroite->setGeometry(0, haut, margedroite->width(), bas - haut);
    margegauche->setGeometry(width() - margegauche->width(), haut, margegauche->width(), bas - haut);
    milieu->setGeometry(margedroite->width(), haut, width() - margedroite->width() - margegauche->width(),
                        bas - haut);
    menu->setGeometry(0, 0, milieu->width(), milieu->height());
    PaintBox1->setGeometry(menu->contentsRect());
}

bool TF_Menu::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseButtonPress)
        RemettreGaucheHaut(this, contexte_.geometrieReference);
    return QWidget::eventFilter(objet, evenement);
}

bool TF_Menu::Identifier()
{
    contexte_.suiviEleve = true;
    if (contexte_.reglages.BilanReussite != 1) {
        contexte_.suiviEleve = false;
        return true;
    }
    fenetres_.nomEleve->exec();
    if (contexte_.nomEleve.isEmpty())
        return false;
    if (contexte_.nomEleve == QStringLiteral("entrainement"))
        contexte_.suiviEleve = false;
    return true;
}

void TF_Menu::ouvrirJeuLignes(int exercice)
{
    if (!Identifier())
        return;
    contexte_.numeroExercice = static_cast<quint8>(exercice);
    fenetres_.jeuLignes->showMaximized();
}

void TF_Menu::BoutonJ1Click()
{
    RemettreGaucheHaut(this, contexte_.geometrieReference);
    contexte_.numeroExercice = 1;
    fenetres_.jeu1->showMaximized();
}

void TF_Menu::BoutonJLClick(QObject* envoyeur)
{
    ouvrirJeuLignes(envoyeur == FJeu2 || envoyeur == BoutonJL ? 2 : 3);
}

void TF_Menu::Bouton_AutourClick(QObject* envoyeur)
{
    ouvrirJeuLignes(envoyeur == FJeu4 || envoyeur == Bouton_Autour ? 4 : 5);
}

void TF_Menu::EditeurClick(int exercice)
{
    contexte_.numeroExercice = static_cast<quint8>(exercice);
    fenetres_.dessin->showMaximized();
}

void TF_Menu::Prefer1Click()
{
    RemettreGaucheHaut(this, contexte_.geometrieReference);
    fenetres_.preferences->exec();
}

void TF_Menu::AProposClick()
{
    RemettreGaucheHaut(this, contexte_.geometrieReference);
    fenetres_.pubN->exec();
}

void TF_Menu::QuitterClick()
{
    RemettreGaucheHaut(this, contexte_.geometrieReference);
    close();
}
