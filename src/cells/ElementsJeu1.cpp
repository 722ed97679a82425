#include "ElementsJeu1.h"

#include "Couleurs.h"
#include "Contexte.h"
#include "EntreePointeur.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace {

QColor versQColor(quint32 couleurBGR)
{
    return QColor::fromRgb(VersQRgb(couleurBGR));
}

// A dark outline that stays visible on a black pencil as on a white one.
QColor contour(quint32 couleurBGR)
{
    return couleurBGR == 0 ? QColor(0x70, 0x70, 0x70) : QColor(0x20, 0x20, 0x20);
}

} // namespace

CaseJeu1::CaseJeu1(const QString& nom, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(nom);
    setGeometry(0, 0, 40, 40);
    // Tab and the arrows reach a cell; Espace or Entrée colours it, as a click does.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Case"));
    auto* entree = new EntreePointeur(this, Qt::LeftButton);
    connect(entree, &EntreePointeur::appui, this, [this] { appuye_ = true; });
    connect(entree, &EntreePointeur::abandon, this, [this] { appuye_ = false; });
    connect(entree, &EntreePointeur::relachement, this, [this](QPoint point) {
        const bool clique = appuye_ && rect().contains(point);
        appuye_ = false;
        if (clique)
            emit clic();
    });
    connect(entree, &EntreePointeur::gommage, this, [this] {
        if (!vide())
            emit clic();
    });
}

void CaseJeu1::keyPressEvent(QKeyEvent* evenement)
{
    const int code = evenement->key();
    if (code == Qt::Key_Space || code == Qt::Key_Return || code == Qt::Key_Enter)
        emit clic();
    else
        QWidget::keyPressEvent(evenement);
}

void CaseJeu1::fixerCouleur(quint32 couleur)
{
    if (couleur == couleur_)
        return;
    couleur_ = couleur;
    update();
}

void CaseJeu1::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), versQColor(couleur_));
    // A thin frame keeps neighbouring cells of the same colour apart.
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x1E, 0x5A, 0xD0), std::max(3, width() / 10)));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}


BandeUnie::BandeUnie(const QString& nom, quint32 couleur, QWidget* parent)
    : QWidget(parent)
    , couleur_(couleur)
{
    setObjectName(nom);
}

void BandeUnie::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), versQColor(couleur_));
}

namespace {
// The colours' names by number, said on hover and to screen readers.
const std::array<const char*, 17> NomsCouleurs = {
    "",      "Noir",  "Gris",   "Bleu marine", "Bleu",       "Bleu clair", "Violet",   "Rose", "Rouge",
    "Bordeaux", "Jaune", "Vert", "Vert foncé", "Kaki", "Bleu-vert", "Blanc", "Gris clair"};
} // namespace

BoutonCrayon::BoutonCrayon(const QString& nom, int numeroCouleur, QWidget* parent)
    : QAbstractButton(parent)
    , numeroCouleur_(numeroCouleur)
{
    setObjectName(nom);
    const QString couleur = QString::fromUtf8(NomsCouleurs[std::size_t(std::clamp(numeroCouleur, 0, 16))]);
    setToolTip(QStringLiteral("Crayon ") + couleur.toLower());
    setAccessibleName(QStringLiteral("Crayon ") + couleur.toLower());
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
}

void BoutonCrayon::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cadre = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal arrondi = width() / 6.0;
    // The pencil in hand stands out: a warm yellow ground and a thick blue ring.
    if (isChecked()) {
        p.setPen(QPen(QColor(0x1E, 0x5A, 0xD0), std::max(2.0, width() / 14.0)));
        p.setBrush(QColor(0xFF, 0xF0, 0x90));
    } else {
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
        p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    }
    p.drawRoundedRect(cadre, arrondi, arrondi);
    const qreal marge = width() / 8.0;
    DessinerCrayon(p, cadre.adjusted(marge, marge, -marge, -marge), TableCouleurs[numeroCouleur_]);
}

void DessinerCrayon(QPainter& peintre, const QRectF& zone, quint32 couleur)
{
    // Drawn lying along x in a 100-unit box, then turned to point up and right.
    const qreal echelle = std::min(zone.width(), zone.height()) / 100.0;
    peintre.save();
    peintre.translate(zone.center());
    peintre.scale(echelle, echelle);
    peintre.rotate(-45);
    const QColor teinte = versQColor(couleur);
    peintre.setPen(QPen(contour(couleur), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    peintre.setBrush(QColor(0xF2, 0x9C, 0xB4)); // eraser
    peintre.drawRoundedRect(QRectF(-66, -13, 16, 26), 6, 6);
    peintre.setBrush(QColor(0xB8, 0xB8, 0xC0)); // metal band
    peintre.drawRect(QRectF(-54, -13, 10, 26));
    peintre.setBrush(teinte); // body
    peintre.drawRect(QRectF(-44, -13, 68, 26));

    QPainterPath bois;
    bois.moveTo(24, -13);
    bois.lineTo(56, 0);
    bois.lineTo(24, 13);
    bois.closeSubpath();
    peintre.setBrush(QColor(0xF5, 0xD6, 0xA8));
    peintre.drawPath(bois);

    QPainterPath mine;
    mine.moveTo(44, -5);
    mine.lineTo(58, 0);
    mine.lineTo(44, 5);
    mine.closeSubpath();
    peintre.setBrush(teinte);
    peintre.drawPath(mine);
    peintre.restore();
}
