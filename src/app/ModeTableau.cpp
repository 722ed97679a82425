#include "ModeTableau.h"

#include "Contexte.h"
#include "Operations.h"
#include "Tableau.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScroller>
#include <QStyleFactory>
#include <QTabBar>
#include <QTableView>

#include <algorithm>
#include <climits>

namespace {

const char* const ProprieteRapport = "orvaneRapportTableau";

// A row as the view shows it; an empty list, as its font would make one.
int hauteurLigne(const QAbstractItemView* vue)
{
    if (const auto* table = qobject_cast<const QTableView*>(vue))
        return table->verticalHeader()->defaultSectionSize();
    const int ligne = vue->model() && vue->model()->rowCount() > 0 ? vue->sizeHintForRow(0) : -1;
    return ligne > 0 ? ligne : vue->fontMetrics().height();
}

int hauteurCible(const QWidget* w)
{
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QMenuBar*>(w))
        return w->height();
    // A table's headers only name its rows and columns.
    if (const auto* vue = qobject_cast<const QAbstractItemView*>(w); vue && !qobject_cast<const QHeaderView*>(w))
        return hauteurLigne(vue);
    if (const auto* onglets = qobject_cast<const QTabBar*>(w))
        return onglets->count() > 0 ? onglets->tabRect(0).height() : INT_MAX;
    return INT_MAX;
}

void defilerAuDoigt(QWidget* fenetre)
{
    for (QAbstractScrollArea* zone : fenetre->findChildren<QAbstractScrollArea*>())
        if (!QScroller::hasScroller(zone->viewport()))
            QScroller::grabGesture(zone->viewport(), QScroller::TouchGesture);
}

// The window's scale, from its own, in board mode: a window that keeps its design size
// (a small dialog, a message) takes the screen's scale as the others have it; then every
// window grows until its smallest control is high enough (font sizes are whole pixels, so
// once may fall a pixel short). Out of board mode, the window gets its own size back.
void ajusterTaille(QWidget* fenetre, bool tableau)
{
    double applique = fenetre->property(ProprieteRapport).toDouble();
    if (applique <= 0)
        applique = 1.0;
    const QSize avant = fenetre->size();
    double voulu = 1.0;
    if (tableau && !AdapteeALEcran(fenetre)) {
        const MesureEcran ecran = MesurerEcran();
        voulu = std::max(1.0, RapportAdaptation(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce));
    }
    if (voulu != applique) {
        MettreALEchelle(fenetre, voulu / applique);
        applique = voulu;
    }
    const int minimum = tableau ? CibleMinimaleEcran(fenetre) : 0;
    for (int essai = 0; essai < 3; ++essai) {
        const int cible = PlusPetiteCible(fenetre);
        if (cible <= 0 || cible >= minimum)
            break;
        const double rapport = double(minimum) / cible;
        MettreALEchelle(fenetre, rapport);
        applique *= rapport;
    }
    fenetre->setProperty(ProprieteRapport, applique);
    // A dialog placed in the middle of the screen stays there.
    if (!fenetre->isMaximized() && fenetre->size() != avant)
        fenetre->move(fenetre->pos()
                      - QPoint(fenetre->width() - avant.width(), fenetre->height() - avant.height()) / 2);
}

// Boxes to tick as big as the line they stand on, for a finger to see where to go: drawn
// by the application's style, only larger, in board mode.
class CasesTableau : public QProxyStyle {
public:
    CasesTableau()
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
    {
    }

    int pixelMetric(PixelMetric mesure, const QStyleOption* option, const QWidget* widget) const override
    {
        const int base = QProxyStyle::pixelMetric(mesure, option, widget);
        const bool indicateur = mesure == PM_IndicatorWidth || mesure == PM_IndicatorHeight
            || mesure == PM_ExclusiveIndicatorWidth || mesure == PM_ExclusiveIndicatorHeight;
        if (!indicateur || !widget || !EnModeTableau(widget))
            return base;
        return std::max(base, std::max(CibleMinimaleEcran(widget), widget->fontMetrics().height()));
    }
};

// One for the application: the widgets given it may outlive any one ModeTableau.
QStyle* stylePartage()
{
    const QString nom = QStringLiteral("CasesTableau");
    if (auto* style = qApp->findChild<QStyle*>(nom, Qt::FindDirectChildrenOnly))
        return style;
    auto* style = new CasesTableau;
    style->setObjectName(nom);
    style->setParent(qApp);
    return style;
}

void grossirCases(QWidget* fenetre, QStyle* style)
{
    for (QAbstractButton* b : fenetre->findChildren<QAbstractButton*>())
        if ((qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)) && b->style() != style) {
            b->setStyle(style);
            b->updateGeometry();
        }
}

} // namespace

int PlusPetiteCible(const QWidget* fenetre)
{
    int plusPetite = INT_MAX;
    for (const QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (w->window() != fenetre || !w->isVisibleTo(fenetre))
            continue;
        plusPetite = std::min(plusPetite, hauteurCible(w));
    }
    return plusPetite == INT_MAX ? 0 : plusPetite;
}

ModeTableau::ModeTableau(const Contexte& contexte, QObject* parent)
    : QObject(parent)
    , contexte_(contexte)
    , cases_(stylePartage())
{
    qApp->installEventFilter(this);
}

ModeTableau::~ModeTableau()
{
    qApp->removeEventFilter(this);
}

// A popup (a menu, a combo box's list) has taken its size and place from its items before
// it shows: it follows the fonts of the window it belongs to, already scaled.
void ModeTableau::appliquer(QWidget* fenetre) const
{
    defilerAuDoigt(fenetre);
    if (fenetre->windowType() == Qt::Popup)
        return;
    const bool tableau = contexte_.modeTableau();
    FixerModeTableau(fenetre, tableau);
    ajusterTaille(fenetre, tableau);
    if (tableau)
        grossirCases(fenetre, cases_);
}

bool ModeTableau::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::Show && objet->isWidgetType()) {
        auto* fenetre = static_cast<QWidget*>(objet);
        if (fenetre->isWindow() && fenetre->windowType() != Qt::ToolTip)
            appliquer(fenetre);
    }
    return false;
}
