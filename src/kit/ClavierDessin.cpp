#include "ClavierDessin.h"

#include "Dessin.h"
#include "GesteDessin.h"
#include "PlancheDessin.h"
#include "SurfaceDessin.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The ring that shows the keyboard's crossing; it lets the mouse through.
class AnneauCurseur : public QWidget {
public:
    explicit AnneauCurseur(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("CurseurClavier"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x1E, 0x5A, 0xD0), 3));
        p.drawEllipse(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
};

constexpr int RayonAnneau = 8;

} // namespace

ClavierDessin::ClavierDessin(SurfaceDessin* surface, GesteDessin* geste, const PlancheDessin& planche,
                             const Quadrillage& grille)
    : QObject(surface)
    , surface_(surface)
    , geste_(geste)
    , planche_(planche)
    , grille_(grille)
    , curseur_(new AnneauCurseur(surface))
{
    surface_->setFocusPolicy(Qt::StrongFocus);
    surface_->setAccessibleName(QStringLiteral("Quadrillage"));
    surface_->installEventFilter(this);
    recentrer();
}

void ClavierDessin::recentrer()
{
    noeud_ = QPoint(grille_.NbColonnes / 2, grille_.NbLignes / 2);
    zone_ = 0;
    annoncer();
}

void ClavierDessin::actualiser()
{
    annoncer();
}

bool ClavierDessin::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != surface_)
        return false;
    switch (evenement->type()) {
    case QEvent::FocusIn:
        annoncer();
        curseur_->show();
        return false;
    case QEvent::FocusOut:
        curseur_->hide();
        return false;
    case QEvent::KeyPress:
        return touche(static_cast<QKeyEvent*>(evenement)->key());
    default:
        return false;
    }
}

bool ClavierDessin::touche(int code)
{
    switch (code) {
    case Qt::Key_Left: deplacer({-1, 0}); return true;
    case Qt::Key_Right: deplacer({1, 0}); return true;
    case Qt::Key_Up: deplacer({0, -1}); return true;
    case Qt::Key_Down: deplacer({0, 1}); return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: valider(); return true;
    case Qt::Key_Z:
        if (planche_.outil() != Outil::Peinture)
            return false;
        ++zone_;
        annoncer();
        return true;
    case Qt::Key_Escape:
        if (!planche_.traceEnCours())
            return false;
        geste_->abandonner();
        return true;
    default:
        return false;
    }
}

void ClavierDessin::deplacer(QPoint pas)
{
    noeud_.setX(std::clamp(noeud_.x() + pas.x(), 0, std::max(grille_.NbColonnes, 0)));
    noeud_.setY(std::clamp(noeud_.y() + pas.y(), 0, std::max(grille_.NbLignes, 0)));
    zone_ = 0;
    annoncer();
    if (planche_.traceEnCours())
        geste_->deplacer(pixel());
}

// A stroke starts and ends on the crossing; the paint pot goes into the chosen area of its
// cell, as the picture is now.
void ClavierDessin::valider()
{
    if (planche_.traceEnCours()) {
        geste_->relacher(pixel());
        return;
    }
    const QPoint point = planche_.outil() == Outil::Peinture ? pointPeinture(zones()) : pixel();
    geste_->appuyer(point);
    if (planche_.traceEnCours())
        geste_->deplacer(point);
}

QPoint ClavierDessin::pixel() const
{
    return noeud_ * grille_.TailleCase;
}

// The cell below and to the right of the crossing, or the last one at the grid's far edges.
std::vector<QPoint> ClavierDessin::zones() const
{
    const int c = grille_.TailleCase;
    const QPoint cellule(std::clamp(noeud_.x(), 0, std::max(grille_.NbColonnes - 1, 0)),
                         std::clamp(noeud_.y(), 0, std::max(grille_.NbLignes - 1, 0)));
    return ZonesDansCase(surface_->image(), QRect(cellule * c, QSize(c, c)));
}

QPoint ClavierDessin::pointPeinture(const std::vector<QPoint>& zones) const
{
    if (zones.empty()) // all black: the pot would do nothing anywhere in the cell
        return pixel() + QPoint(grille_.TailleCase / 2, grille_.TailleCase / 2);
    return zones[std::size_t(zone_) % zones.size()];
}

void ClavierDessin::annoncer()
{
    const bool peinture = planche_.outil() == Outil::Peinture && !planche_.traceEnCours();
    const std::vector<QPoint> aires = peinture ? zones() : std::vector<QPoint>{};
    const QPoint centre = peinture ? pointPeinture(aires) : pixel();
    curseur_->setGeometry(QRect(centre - QPoint(RayonAnneau, RayonAnneau), QSize(2 * RayonAnneau, 2 * RayonAnneau)));
    curseur_->raise();
    QString position = QStringLiteral("colonne %1, ligne %2").arg(noeud_.x()).arg(noeud_.y());
    if (aires.size() > 1)
        position += QStringLiteral(", zone %1 sur %2").arg(zone_ % int(aires.size()) + 1).arg(aires.size());
    surface_->setAccessibleDescription(position);
    QAccessibleEvent evenement(surface_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&evenement);
}
