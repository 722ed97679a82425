#include "Operations.h"

#include <QMouseEvent>

#include "Dialogues.h"
#include "Contexte.h"
#include "GlyphesBoutons.h"
#include "Sons.h"
#include "Voix.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHideEvent>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int LargeurConception = 800;
constexpr int HauteurConception = 600;
constexpr double PpiConception = 96.0;
} // namespace

void AvertirSiDossierProgrammeDisparu(const Contexte& contexte)
{
    if (!QFileInfo(contexte.dossierProgramme).isDir())
        avertir(QStringLiteral("Impossible de trouver le répertoire ") + contexte.dossierProgramme);
}

void Dire(const Contexte& contexte, const QString& phrase)
{
    if (contexte.retours.LireAVoixHaute == 1 && contexte.voix)
        contexte.voix->dire(phrase);
}

void AnnoncerVerdict(const Contexte& contexte, bool juste)
{
    if (contexte.retours.JouerSons == 1 && contexte.sons)
        contexte.sons->jouer(juste ? Son::Juste : Son::Faux);
    Dire(contexte, juste ? QStringLiteral("Juste") : QStringLiteral("Faux"));
}

DerniereSaisie::DerniereSaisie(QObject* parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool DerniereSaisie::eventFilter(QObject*, QEvent* evenement)
{
    const Moyen avant = moyen_;
    switch (evenement->type()) {
    case QEvent::KeyPress:
        moyen_ = Moyen::Clavier;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (const auto* souris = static_cast<QMouseEvent*>(evenement);
            souris->source() == Qt::MouseEventNotSynthesized
            && souris->device()->type() == QInputDevice::DeviceType::Mouse)
            moyen_ = Moyen::Souris;
        break;
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        moyen_ = Moyen::Doigt;
        break;
    default:
        break;
    }
    if (moyen_ != avant)
        emit change();
    return false;
}

void AfficherAide(const QString& sujet)
{
    dialogues().afficherAide(FichierAide + QStringLiteral("::") + sujet);
}

void AfficherSommaireAide()
{
    dialogues().afficherAide(FichierAide);
}

double RapportAdaptation(int largeurEcran, int hauteurEcran, double pixelsParPouce)
{
    const bool ecranLarge = hauteurEcran > 0
        && static_cast<double>(largeurEcran) / hauteurEcran >= 1.5;
    const bool resolutionFine = pixelsParPouce >= PpiConception;
    if (ecranLarge)
        return resolutionFine ? hauteurEcran * PpiConception / (pixelsParPouce * HauteurConception)
                              : static_cast<double>(hauteurEcran) / HauteurConception;
    return resolutionFine ? largeurEcran * PpiConception / (pixelsParPouce * LargeurConception)
                          : static_cast<double>(largeurEcran) / LargeurConception;
}

namespace {
int multiplier(int valeur, double rapport)
{
    return qRound(valeur * rapport);
}

QFont policeALEchelle(QFont police, double rapport)
{
    if (police.pixelSize() > 0)
        police.setPixelSize(std::max(1, multiplier(police.pixelSize(), rapport)));
    else
        police.setPointSizeF(police.pointSizeF() * rapport);
    return police;
}

void mettreALEchellePolice(QWidget* w, double rapport)
{
    w->setFont(policeALEchelle(w->font(), rapport));
}
} // namespace

QRect ALEchelle(const QRect& g, double rapport)
{
    return {multiplier(g.x(), rapport), multiplier(g.y(), rapport), multiplier(g.width(), rapport),
            multiplier(g.height(), rapport)};
}

// The geometries and fonts are all read before any is set: a control that places its
// children when it is resized (a window already shown) must not have them scaled twice,
// nor a font inherited from a scaled parent be scaled again.
void MettreALEchelle(QWidget* fenetre, double rapport)
{
    const bool montree = fenetre->testAttribute(Qt::WA_WState_Polished);
    struct Controle {
        QWidget* w;
        QRect geometrie;
        QFont police;
    };
    QList<Controle> controles;
    for (QWidget* w : fenetre->findChildren<QWidget*>())
        if (w->window() == fenetre)
            controles.append({w, w->geometry(), w->font()});
    mettreALEchellePolice(fenetre, rapport);
    for (const Controle& c : controles) {
        c.w->setGeometry(ALEchelle(c.geometrie, rapport));
        // Shown once, a control's font and pictures are fixed (a style sheet keeps the
        // inherited font it was given), so each gets its own.
        if (montree || c.w->testAttribute(Qt::WA_SetFont))
            c.w->setFont(policeALEchelle(c.police, rapport));
        if (auto* bouton = qobject_cast<QAbstractButton*>(c.w); bouton && montree)
            bouton->setIconSize(bouton->iconSize() * rapport);
    }
    const QSize taille(multiplier(fenetre->width(), rapport), multiplier(fenetre->height(), rapport));
    // A dialog of fixed size keeps one, at the new size.
    if (fenetre->minimumSize() == fenetre->maximumSize())
        fenetre->setFixedSize(taille);
    else
        fenetre->resize(taille);
}

MesureEcran MesurerEcran()
{
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return {};
    return {ecran->size().width(), ecran->size().height(), ecran->logicalDotsPerInch()};
}

double AdapterEcran(QWidget* fenetre)
{
    return AdapterEcran(fenetre, MesurerEcran());
}

namespace {
const char* const ProprieteAdaptee = "orvaneAdapteeALEcran";
} // namespace

double AdapterEcran(QWidget* fenetre, const MesureEcran& ecran)
{
    const double rapport = RapportAdaptation(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce);
    MettreALEchelle(fenetre, rapport);
    fenetre->setProperty(ProprieteAdaptee, true);
    return rapport;
}

bool AdapteeALEcran(const QWidget* fenetre)
{
    return fenetre->property(ProprieteAdaptee).toBool();
}

void DessinerMosaique(const QString& fichier, QPainter& peintre, int largeur, int hauteur)
{
    if (fichier.isEmpty() || !QFileInfo(fichier).isFile())
        return;
    PaverImage(QImage(fichier), peintre, largeur, hauteur);
}

void PaverImage(const QImage& image, QPainter& peintre, int largeur, int hauteur)
{
    if (image.width() <= 0 || image.height() <= 0)
        return;
    peintre.save();
    peintre.setClipRect(0, 0, largeur, hauteur, Qt::IntersectClip);
    int x = 0;
    int y = 0;
    for (;;) {
        peintre.drawImage(x, y, image);
        x += image.width();
        if (x > largeur) {
            y += image.height();
            if (y > hauteur)
                break;
            x = 0;
        }
    }
    peintre.restore();
}

TenirGeometrie::TenirGeometrie(QWidget* fenetre, const Geometrie& reference)
    : QObject(fenetre)
    , fenetre_(fenetre)
    , reference_(reference)
    , minuterie_(new QTimer(this))
{
    minuterie_->setInterval(500);
    connect(minuterie_, &QTimer::timeout, this, &TenirGeometrie::corriger);
}

void TenirGeometrie::demarrer()
{
    minuterie_->start();
}

void TenirGeometrie::arreter()
{
    minuterie_->stop();
}

bool TenirGeometrie::actif() const
{
    return minuterie_->isActive();
}

void TenirGeometrie::corriger()
{
    if (fenetre_->isMaximized())
        return;
    const Geometrie& ref = reference_;
    if (fenetre_->x() != ref.left)
        fenetre_->move(ref.left, fenetre_->y());
    if (fenetre_->y() != ref.top)
        fenetre_->move(fenetre_->x(), ref.top);
    if (fenetre_->width() != ref.width)
        fenetre_->resize(ref.width, fenetre_->height());
    if (fenetre_->height() != ref.height)
        fenetre_->resize(fenetre_->width(), ref.height);
}

void RemettreGaucheHaut(QWidget* fenetre, const Geometrie& reference)
{
    if (fenetre->isMaximized())
        return;
    fenetre->move(reference.left, reference.top);
}

namespace {
// Gives cursor 2 to each window as it is first shown, unless the window chose its own.
class PoseCurseur : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Show && objet->isWidgetType()) {
            auto* fenetre = static_cast<QWidget*>(objet);
            if (fenetre->isWindow() && !fenetre->testAttribute(Qt::WA_SetCursor))
                fenetre->setCursor(CurseurProgramme(2));
        }
        return false;
    }
};
} // namespace

void InstallerCurseurApplication()
{
    // Once per application: the filter is a child of the application, found by its name.
    const QString nom = QStringLiteral("PoseCurseur");
    if (qApp->findChild<QObject*>(nom, Qt::FindDirectChildrenOnly))
        return;
    auto* pose = new PoseCurseur(qApp);
    pose->setObjectName(nom);
    qApp->installEventFilter(pose);
}

FenetreNonModale::FenetreNonModale(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
}

void FenetreNonModale::hideEvent(QHideEvent* evenement)
{
    QWidget::hideEvent(evenement);
    if (!evenement->spontaneous())
        emit fermee();
}
