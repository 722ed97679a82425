#include "TF_Dessin.h"

#include "BarreOutils.h"
#include "ClavierDessin.h"
#include "ChoixExercice.h"
#include "CodeExercice.h"
#include "Generateur.h"
#include "GesteDessin.h"
#include "Marqueur.h"
#include "Dossiers.h"
#include "Dessin.h"
#include "Dialogues.h"
#include "Contexte.h"
#include "FichierExercice.h"
#include "GlyphesBoutons.h"
#include "ReglesEditeur.h"
#include "SauvegardeExercice.h"
#include "SurfaceDessin.h"
#include "Symetrie.h"
#include "TForm1.h"
#include "TraceSouris.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QToolButton>

namespace {
constexpr int LargeurConception = 808;
constexpr int HauteurConception = 606;
const QString TexteEnregistrerEnCours = QStringLiteral("Enregistrer l'exercice en cours ?");
const QString SujetAide = QStringLiteral("edit_exo.htm");

QFont arial(int pixels)
{
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(pixels);
    return police;
}

QFrame* panneau(QWidget* parent, const QString& nom, const QRect& place,
                QFrame::Shape forme = QFrame::StyledPanel)
{
    auto* p = new QFrame(parent);
    p->setObjectName(nom);
    p->setGeometry(place);
    p->setFrameShape(forme);
    return p;
}

QPushButton* bouton(QWidget* parent, const QString& nom, const QString& texte, const QRect& place,
                    const QColor& couleur, int pixels)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setGeometry(place);
    b->setFont(arial(pixels));
    QPalette palette = b->palette();
    palette.setColor(QPalette::ButtonText, couleur);
    b->setPalette(palette);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// The list box items of the axis position and of the grid size.
QStringList positionsAxe()
{
    QStringList items;
    for (int d = -5; d <= 5; ++d)
        items.append(d > 0 ? QStringLiteral("+") + QString::number(d) : QString::number(d));
    return items;
}

QStringList taillesQuadrillage()
{
    QStringList items;
    for (int n = 10; n <= 36; n += 2)
        items.append(QString::number(n));
    return items;
}

void selectionner(QListWidget* liste, int index)
{
    if (index >= 0 && index < liste->count())
        liste->setCurrentRow(index);
    else
        liste->setCurrentRow(-1);
}

} // namespace

TF_Dessin::TF_Dessin(Contexte& contexte, QWidget* parent)
    : FenetreNonModale(parent)
    , contexte_(contexte)
    , planche_(grille_, NbMarqueurs)
{
    setObjectName(QStringLiteral("F_Dessin"));
    setWindowTitle(QStringLiteral("Dessiner"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowMinMaxButtonsHint);
    resize(LargeurConception, HauteurConception);
    timer1_ = new TenirGeometrie(this, contexte_.geometrieReference);
    timer1_->setObjectName(QStringLiteral("Timer1"));

    creerMenu();
    panelMilieu_ = panneau(this, QStringLiteral("PanelMilieu"), {0, 0, 775, 517}, QFrame::NoFrame);
    edit2_ = new QLineEdit(panelMilieu_);
    edit2_->setAccessibleName(QStringLiteral("Saisie"));
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setGeometry(40, 27, 34, 21);
    panelJeu_ = panneau(panelMilieu_, QStringLiteral("PanelJeu"), {2, 9, 500, 500}, QFrame::NoFrame);
    panelJeu_->setAutoFillBackground(true);
    QPalette blanc = panelJeu_->palette();
    blanc.setColor(QPalette::Window, Qt::white);
    panelJeu_->setPalette(blanc);
    image1_ = new SurfaceDessin(panelJeu_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(1, 1, 1000, 1000);
    geste_ = new GesteDessin(image1_, planche_);
    image1_->epaissirAuTableau([this] { return TraitsTableau{&grille_, {&figure()}}; });
    panelEtalon_ = panneau(panelMilieu_, QStringLiteral("Panel_Etalon"), {3, 51, 500, 1});
    panelEtalon_->hide();
    panelRef_ = panneau(panelMilieu_, QStringLiteral("PanelRef"), {736, 58, 9, 17});
    panelRef_->setFont(arial(8));
    creerOutils();
    creerReglages();
    creerCommandes();
    creerMarqueurs();

    // Any press on the picture counts as a change, even one that makes nothing.
    connect(geste_, &GesteDessin::appui, this, [this] { etat_.DessinModifie = true; });
    connect(geste_, &GesteDessin::elementDessine, this, &TF_Dessin::ajouterForme);

    AdapterEcran(this);
    // The picture keeps the scaled size of its area, so every grid size fits in it.
    image1_->prevoirImage(image1_->size());
    centrerPanneau();
}

void TF_Dessin::creerMenu()
{
    mainMenu1_ = new QMenuBar(this);
    mainMenu1_->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* fichier = mainMenu1_->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("Fichier1"));
    const auto entree = [this](QMenu* menu, const QString& nom, const QString& texte, auto action) {
        QAction* a = menu->addAction(texte, this, action);
        a->setObjectName(nom);
        return a;
    };
    entree(fichier, QStringLiteral("Ouvrir1"), QStringLiteral("&Ouvrir"), &TF_Dessin::BoutonOuvrirClick);
    entree(fichier, QStringLiteral("OuvrirCode1"), QStringLiteral("Ouvrir un &code"), &TF_Dessin::OuvrirCodeClick);
    entree(fichier, QStringLiteral("Enregistrer1"), QStringLiteral("&Enregistrer"),
           &TF_Dessin::BoutonEnregistrerClick);
    entree(fichier, QStringLiteral("Nouveau1"), QStringLiteral("&Nouveau"), &TF_Dessin::BoutonNouveauClick);
    entree(fichier, QStringLiteral("Quitter1"), QStringLiteral("&Quitter"), &TF_Dessin::BoutonQuitterClick);

    QMenu* sens = mainMenu1_->addMenu(QStringLiteral("&Sens de l'axe ou point"));
    sens->setObjectName(QStringLiteral("Sens1"));
    const std::pair<const char*, const char*> axes[] = {
        {"N1axevertical1", "&1 : Axe vertical"},
        {"N2Axehorizontal1", "&2 : Axe horizontal"},
        {"N3AxeobliqueHB1", "&3 : Axe oblique Haut vers basB"},
        {"N4AxeobliqueBH1", "&4 : Axe oblique Bas vers haut"},
        {"Autourdunpoint1", "Par rapport à un &point"}};
    qint32 code = Code(AxeVertical);
    for (const auto& [nom, texte] : axes) {
        const Axe type = static_cast<Axe>(code++);
        QAction* a = sens->addAction(QString::fromUtf8(texte), this, [this, type] { ChoisirAxe(type); });
        a->setObjectName(QLatin1String(nom));
    }
    QAction* aide = mainMenu1_->addAction(QStringLiteral("Ai&de"), this, [] { AfficherAide(SujetAide); });
    aide->setObjectName(QStringLiteral("Aide1"));
}

void TF_Dessin::creerOutils()
{
    panelOutils_ = panneau(panelMilieu_, QStringLiteral("PanelOutils"), {560, 4, 209, 88});
    panelCouleurs_ = panneau(panelMilieu_, QStringLiteral("PanelCouleurs"), {560, 95, 209, 89});
    const DispositionOutils disposition = {
        {{
            {"ModeTrait", "trait", {4, 4}},
            {"ModeRect", "Rectangle ou carré", {44, 4}},
            {"ModeEllipse", "Cercle", {84, 4}},
            {"ModeArc", "quart de cercle", {124, 4}},
            {"ModePeinture", "Colorier", {164, 4}},
        }},
        {"SpeedButton1", "gomme", {4, 44}},
        false,
    };
    barreOutils_ = new BarreOutils(panelOutils_, panelCouleurs_, disposition);
    clavier_ = new ClavierDessin(image1_, geste_, planche_, grille_);
    connect(barreOutils_, &BarreOutils::outilChoisi, this, &TF_Dessin::choisirOutil);
    connect(barreOutils_, &BarreOutils::gommeCliquee, this, &TF_Dessin::SpeedButton1Click);
    connect(barreOutils_, &BarreOutils::couleurChoisie, this,
            [this](quint32 couleur) { planche_.choisirCouleur(couleur); });
    QPushButton* verifier = bouton(panelOutils_, QStringLiteral("SpeedButton2"),
                                   QStringLiteral("Vérifier orvane"), {56, 48, 148, 37},
                                   QColor(0x80, 0, 0), 16);
    connect(verifier, &QPushButton::clicked, this, &TF_Dessin::SpeedButton2Click);
}

void TF_Dessin::creerReglages()
{
    const auto boite = [](QWidget* parent, const QString& nomLabel, const QString& texte,
                              const QString& nomEdit, const QString& nomListe,
                              const QStringList& items, int largeur) {
        auto* label = new QLabel(texte, parent);
        label->setObjectName(nomLabel);
        label->setGeometry(2, 2, largeur - 4, 28);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(arial(11));
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(nomEdit);
        edit->setGeometry(4, 38, 34, 21);
        // Only shows the value: a click sends the focus to Edit2.
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setFont(arial(12));
        auto* liste = new QListWidget(parent);
        liste->setObjectName(nomListe);
        liste->setGeometry(42, 30, largeur - 46, 48);
        liste->addItems(items);
        liste->setFont(arial(12));
        liste->setFocusPolicy(Qt::NoFocus);
        return std::pair{edit, liste};
    };
    QFrame* panel1 = panneau(panelMilieu_, QStringLiteral("Panel1"), {564, 186, 94, 81});
    std::tie(edit1_, listBox2_) = boite(panel1, QStringLiteral("Label1"), QStringLiteral("Position de l'axe"),
                                        QStringLiteral("Edit1"), QStringLiteral("ListBox2"),
                                        positionsAxe(), 94);
    QFrame* panel2 = panneau(panelMilieu_, QStringLiteral("Panel2"), {661, 186, 105, 81});
    std::tie(edit4_, listBox1_) = boite(panel2, QStringLiteral("Label2"),
                                        QStringLiteral("Taille du quadrillage"), QStringLiteral("Edit4"),
                                        QStringLiteral("ListBox1"), taillesQuadrillage(), 105);
    connect(listBox2_, &QListWidget::itemClicked, this, &TF_Dessin::ListBox2Click);
    connect(listBox1_, &QListWidget::itemClicked, this, &TF_Dessin::ListBox1Click);
}

void TF_Dessin::creerCommandes()
{
    const QColor marron(0x80, 0, 0);
    const QColor marine(0, 0, 0x80);
    const struct {
        const char* nom;
        const char* texte;
        QRect place;
        QColor couleur;
        int pixels;
        void (TF_Dessin::*action)();
    } commandes[] = {
        {"BoutonEfface1A", "Annuler", {565, 275, 201, 31}, marron, 19, &TF_Dessin::BoutonEfface1AClick},
        {"BoutonOuvrir", "Ouvrir", {565, 309, 201, 31}, marine, 19, &TF_Dessin::BoutonOuvrirClick},
        {"BoutonEnregistrer", "Enregistrer", {565, 343, 201, 31}, marine, 19,
         &TF_Dessin::BoutonEnregistrerClick},
        {"Button1", "Enregistrer pour imprimer", {565, 377, 201, 30}, Qt::black, 16,
         &TF_Dessin::Button1Click},
        {"BoutonFiches", "Fiches à imprimer", {565, 410, 201, 30}, Qt::black, 16,
         &TF_Dessin::BoutonFichesClick},
        {"BoutonNouveau", "Nouveau", {565, 444, 201, 31}, marine, 19, &TF_Dessin::BoutonNouveauClick},
        {"BoutonQuitter", "Quitter", {565, 478, 201, 31}, marine, 19, &TF_Dessin::BoutonQuitterClick},
    };
    for (const auto& c : commandes) {
        QPushButton* b = bouton(panelMilieu_, QLatin1String(c.nom), QString::fromUtf8(c.texte), c.place,
                                c.couleur, c.pixels);
        connect(b, &QPushButton::clicked, this, c.action);
    }
}

void TF_Dessin::creerMarqueurs()
{
    marqueurs_ = new Marqueurs(panelJeu_, NbMarqueurs, panelRef_->font(), image1_);
    connect(marqueurs_, &Marqueurs::clique, this, &TF_Dessin::MarqueurClick);
    // A pen's eraser end erases the element whose marker the eraser would show there.
    connect(image1_, &SurfaceDessin::gommage, this, [this](QPoint point) {
        MarqueurClick(marqueurs_->numeroSous(figure(), point, grille_.TailleCase));
    });
}

void TF_Dessin::connaitreChoix(ChoisirExercice* choix)
{
    choix_ = choix;
}

void TF_Dessin::connaitreImagesReserve(TForm1* images)
{
    imagesReserve_ = images;
}

void TF_Dessin::connaitreFiches(QDialog* fiches)
{
    fiches_ = fiches;
}

const QImage& TF_Dessin::image() const
{
    return image1_->image();
}

void TF_Dessin::centrerPanneau()
{
    const int haut = mainMenu1_->sizeHint().height();
    mainMenu1_->setGeometry(0, 0, width(), haut);
    panelMilieu_->move((width() - panelMilieu_->width()) / 2,
                       haut + (height() - haut - panelMilieu_->height()) / 2);
}

void TF_Dessin::resizeEvent(QResizeEvent* evenement)
{
    FenetreNonModale::resizeEvent(evenement);
    centrerPanneau();
}

void TF_Dessin::showEvent(QShowEvent* evenement)
{
    FenetreNonModale::showEvent(evenement);
    if (!evenement->spontaneous())
        FormActivate();
}

void TF_Dessin::closeEvent(QCloseEvent* evenement)
{
    timer1_->arreter();
    FenetreNonModale::closeEvent(evenement);
}

void TF_Dessin::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1) {
        AfficherAide(SujetAide);
        return;
    }
    // Tools and colours from the keyboard, Retour arrière to undo the last element.
    if (!(evenement->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        if (barreOutils_->touche(evenement->key()))
            return;
        if (evenement->key() == Qt::Key_Backspace && planche_.figure().NbElements > 0) {
            BoutonEfface1AClick();
            return;
        }
    }
    FenetreNonModale::keyPressEvent(evenement);
}

void TF_Dessin::FormActivate()
{
    edit2_->setFocus();
    timer1_->demarrer();
    barreOutils_->bouton(Outil::Peinture)->setVisible(contexte_.numeroExercice == 3);
    Quadrillage& g = grille_;
    g.EpaisseurQuadrillage = 1;
    g.EpaisseurTrait = 3;
    g.NbColonnes = g.NbLignes = 24;
    g.DecalageAxe = 0;
    g.Reserve.fill(0);
    g.TypeAxe = contexte_.numeroExercice == 5 ? AxePoint : AxeVertical;
    cacherMarqueurs();
    etat_ = EtatEditeur();
    image1_->setEnabled(true);
    geste_->abandonner();
    viderFigure();
    noms_ = {};
    afficherReglages();
    dessinerQuadrillage();
    image1_->update();
}

void TF_Dessin::afficherReglages()
{
    const Quadrillage& g = grille_;
    edit4_->setText(QString::number(g.NbColonnes));
    selectionner(listBox1_, g.NbColonnes / 2 - 5);
    edit1_->setText(positionsAxe().value(g.DecalageAxe + 5, QString::number(g.DecalageAxe)));
    selectionner(listBox2_, g.DecalageAxe + 5);
}

void TF_Dessin::viderFigure()
{
    planche_.vider();
    barreOutils_->enfoncer(Outil::Trait);
    panelCouleurs_->hide();
    barreOutils_->enfoncerCouleurParDefaut();
}

void TF_Dessin::dessinerQuadrillage()
{
    Quadrillage& g = grille_;
    g.TailleCase = CalculerTailleCase(panelEtalon_->width(), g.NbColonnes);
    const int c = g.TailleCase;
    panelJeu_->resize(c * g.NbColonnes + 4, c * g.NbLignes + 4);
    DessinerQuadrillage(image1_->image(), g, contexte_.numeroExercice, Rendu::Editeur);
}

void TF_Dessin::redessiner()
{
    EffacerImage(image1_->image());
    dessinerQuadrillage();
    DessinerFigure(image1_->image(), figure(), Rendu::Editeur, grille_.EpaisseurTrait);
    image1_->update();
}

void TF_Dessin::choisirOutil(Outil outil)
{
    if (planche_.modeGomme()) {
        cacherMarqueurs();
        image1_->setEnabled(true);
        image1_->setFocus(Qt::OtherFocusReason);
    }
    planche_.choisirOutil(outil);
    clavier_->actualiser();
    panelCouleurs_->setVisible(outil == Outil::Peinture);
    if (outil == Outil::Peinture) {
        setCursor(CurseurProgramme(1));
        image1_->setCursor(CurseurProgramme(2));
    }
}

void TF_Dessin::cacherMarqueurs()
{
    marqueurs_->cacher();
}

void TF_Dessin::enfoncerOutilCourant()
{
    barreOutils_->enfoncer(planche_.outil());
}

void TF_Dessin::quitterModeGomme()
{
    if (!planche_.modeGomme())
        return;
    planche_.quitterGomme();
    cacherMarqueurs();
    enfoncerOutilCourant();
    image1_->setEnabled(true);
    image1_->setFocus(Qt::OtherFocusReason);
}

void TF_Dessin::Image1MouseDown(QPoint position)
{
    geste_->appuyer(position);
}

void TF_Dessin::Image1MouseMove(QPoint position)
{
    geste_->deplacer(position);
}

void TF_Dessin::Image1MouseUp(QPoint position)
{
    geste_->relacher(position);
}

// Only a shape whose image stays in the grid can be asked of a pupil; a painted area
// goes wherever its outlines let it.
void TF_Dessin::ajouterForme(const ElementFigure& element)
{
    const Quadrillage& g = grille_;
    if (figure().NbElements >= NbMarqueurs)
        return;
    if (!EstColoriage(element.GenreElement) && !ElementASymetrique(g, element)) {
        avertir(QStringLiteral("Cet élément n'aura pas de symétique."));
        return;
    }
    planche_.ajouter(element);
    DessinerElement(image1_->image(), element, Rendu::Editeur, g.EpaisseurTrait);
    image1_->update();
}

void TF_Dessin::BoutonEfface1AClick()
{
    etat_.DessinModifie = true;
    quitterModeGomme();
    planche_.annulerDernier();
    redessiner();
}

void TF_Dessin::SpeedButton1Click()
{
    if (planche_.modeGomme()) {
        quitterModeGomme();
        return;
    }
    planche_.basculerGomme();
    marqueurs_->montrer(figure(), image1_->pos(), grille_.TailleCase);
    if (focusWidget() == image1_)
        marqueurs_->donnerClavier();
    image1_->setEnabled(false);
}

void TF_Dessin::MarqueurClick(int numero)
{
    if (!planche_.retirer(numero))
        return;
    // Erasing changes the drawing as much as adding does: "Quitter" must ask again.
    etat_.DessinModifie = true;
    cacherMarqueurs();
    enfoncerOutilCourant();
    redessiner();
    image1_->setEnabled(true);
    image1_->setFocus(Qt::OtherFocusReason);
}

void TF_Dessin::SpeedButton2Click()
{
    int echecs = 0;
    for (int i = 1; i <= figure().NbElements; ++i) {
        if (!ElementASymetrique(grille_, figure()[i]))
            ++echecs;
    }
    avertir(TexteVerification(echecs));
}

void TF_Dessin::ChoisirAxe(Axe typeAxe)
{
    grille_.TypeAxe = typeAxe;
    redessiner();
}

void TF_Dessin::ListBox2Click()
{
    const QListWidgetItem* item = listBox2_->currentItem();
    if (!item)
        return;
    edit1_->setText(item->text());
    grille_.DecalageAxe = item->text().toInt();
    redessiner();
}

void TF_Dessin::ListBox1Click()
{
    quitterModeGomme();
    const QListWidgetItem* item = listBox1_->currentItem();
    if (!item)
        return;
    edit4_->setText(item->text());
    const int n = item->text().toInt();
    if (!FigureTientDans(figure(), n)) {
        avertir(QStringLiteral("Opération impossible. Certains objets seraient en-dehors du quadrillage!"));
        afficherReglages();
        return;
    }
    Quadrillage& g = grille_;
    const int ancienneTaille = g.TailleCase;
    g.NbColonnes = g.NbLignes = n;
    EffacerImage(image1_->image());
    dessinerQuadrillage();
    Figure adaptee = figure();
    AdapterTailleCase(adaptee, g.TailleCase, ancienneTaille);
    planche_.remplacerFigure(adaptee);
    DessinerFigure(image1_->image(), figure(), Rendu::Editeur, g.EpaisseurTrait);
    image1_->update();
}

void TF_Dessin::nouveauDessin()
{
    Quadrillage& g = grille_;
    g.DecalageAxe = 0;
    g.Reserve.fill(0);
    viderFigure();
    afficherReglages();
    EffacerImage(image1_->image());
    dessinerQuadrillage();
    image1_->update();
    noms_ = {};
    etat_.DessinModifie = false;
}

bool TF_Dessin::enregistrer()
{
    quitterModeGomme();
    noms_.dossierExercices = contexte_.dossierExercices.dossier();
    const int numero = contexte_.numeroExercice;
    return numero == 3 ? EnregistrerExercice3(grille_, figure(), noms_)
                       : EnregistrerExercice245(numero, grille_, figure(), noms_);
}

void TF_Dessin::BoutonNouveauClick()
{
    quitterModeGomme();
    if (figure().NbElements > 0 && etat_.DessinModifie) {
        const Reponse r = confirmer(TexteEnregistrerEnCours, BoutonsMessage::OuiNonAnnuler);
        if (r == Reponse::Annuler)
            return;
        // A save that wrote nothing keeps the drawing rather than losing it.
        if (r == Reponse::Oui && !enregistrer())
            return;
    }
    nouveauDessin();
}

void TF_Dessin::BoutonQuitterClick()
{
    // A save that wrote nothing keeps the window open rather than losing the drawing.
    const bool garder = figure().NbElements > 0 && etat_.DessinModifie
        && confirmer(TexteEnregistrerEnCours, BoutonsMessage::OuiNon) == Reponse::Oui && !enregistrer();
    if (garder)
        return;
    close();
}

void TF_Dessin::BoutonEnregistrerClick()
{
    if (enregistrer())
        etat_.DessinModifie = false;
}

bool TF_Dessin::laisserLeDessin()
{
    quitterModeGomme();
    return !(figure().NbElements > 0 && etat_.DessinModifie
             && confirmer(TexteEnregistrerEnCours, BoutonsMessage::OuiNon) == Reponse::Oui && !enregistrer());
}

void TF_Dessin::BoutonOuvrirClick()
{
    if (!laisserLeDessin())
        return; // the drawing would be lost to the opened file
    const QString dossier = DossierExercicesAccessible(contexte_);
    const ExerciceChoisi choisi = choix_ ? choix_->choisir(dossier, true) : ExerciceChoisi();
    if (!choisi.estVide())
        ouvrirFichierChoisi(QDir(dossier).filePath(choisi.Serie), choisi);
    afficherReglages();
}

void TF_Dessin::ouvrirFichierChoisi(const QString& dossierSerie, const ExerciceChoisi& choisi)
{
    // Even a file that is then refused becomes the name the next save proposes.
    noms_.extensionOuverte = choisi.Extension;
    noms_.nomPropose = choisi.Fichier.chopped(std::min<qsizetype>(4, choisi.Fichier.size()));
    afficherExercice(LireExercice(QDir(dossierSerie).filePath(choisi.Fichier)));
}

// A teacher shows on the board the very exercise a pupil got from the program: its code
// makes it again, as its file would read. Saved, it goes by its code.
void TF_Dessin::OuvrirCodeClick()
{
    if (!laisserLeDessin())
        return;
    const std::optional<QString> tape = dialogues().demanderTexte(
        {QStringLiteral("Ouvrir un code"),
         QStringLiteral("Code de l'exercice (type-niveau-numéro, par exemple 4-3-8271) :"), QString()});
    if (!tape)
        return;
    const CodeLu lu = LireCode(*tape);
    if (!lu.Code) {
        avertir(lu.Erreur);
        return;
    }
    noms_.extensionOuverte = QStringLiteral(".ex%1").arg(lu.Code->Type);
    noms_.nomPropose = TexteCode(*lu.Code);
    ResultatLecture genere;
    genere.Reussi = true;
    genere.Exercice = GenererExercice(*lu.Code);
    afficherExercice(genere);
    afficherReglages();
}

void TF_Dessin::afficherExercice(ResultatLecture lu)
{
    QString refus = lu.Reussi ? MotifRefus(lu.Exercice, NbMarqueurs, panelEtalon_->width()) : lu.Erreur;
    if (refus.isEmpty() && !GrilleAffichable(lu.Exercice.Grille))
        refus = QStringLiteral("Cet exercice ne peut pas être ouvert : son quadrillage ne tient pas "
                               "dans la zone de dessin.");
    if (!refus.isEmpty()) {
        avertir(refus);
        return;
    }
    Quadrillage& g = grille_;
    const Quadrillage& lue = lu.Exercice.Grille;
    g.TypeAxe = lue.TypeAxe;
    g.NbColonnes = lue.NbColonnes;
    g.NbLignes = lue.NbLignes;
    g.DecalageAxe = lue.DecalageAxe;
    g.Reserve = lue.Reserve;
    viderFigure();
    EffacerImage(image1_->image());
    dessinerQuadrillage();
    ConvertirPourTailleCase(lu.Exercice, g.TailleCase);
    planche_.remplacerFigure(lu.Exercice.Elements);
    DessinerFigure(image1_->image(), figure(), Rendu::Editeur, g.EpaisseurTrait);
    image1_->update();
    etat_.DessinModifie = false;
}

bool TF_Dessin::GrilleAffichable(const Quadrillage& lue) const
{
    const int c = CalculerTailleCase(panelEtalon_->width(), lue.NbColonnes);
    return c > 0 && lue.NbLignes > 0 && lue.NbLignes <= image1_->image().height() / c;
}

void TF_Dessin::Button1Click()
{
    quitterModeGomme();
    if (imagesReserve_)
        imagesReserve_->exporterExercice(grille_, figure(), noms_.nomPropose);
}

void TF_Dessin::BoutonFichesClick()
{
    quitterModeGomme();
    if (fiches_)
        fiches_->exec();
}
