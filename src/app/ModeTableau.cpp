#include "ModeTableau.h"

#include "Contexte.h"
#include "Operations.h"
#include "Tableau.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QScroller>
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

// Scales the window until its smallest control is high enough (font sizes are whole
// pixels, so once may fall a pixel short), or back to its own size.
void ajusterTaille(QWidget* fenetre, bool tableau)
{
    double applique = fenetre->property(ProprieteRapport).toDouble();
    if (applique <= 0)
        applique = 1.0;
    const QSize avant = fenetre->size();
    if (!tableau) {
        if (applique != 1.0)
            MettreALEchelle(fenetre, 1.0 / applique);
        applique = 1.0;
    } else {
        const int minimum = CibleMinimaleEcran(fenetre);
        for (int essai = 0; essai < 3; ++essai) {
            const int cible = PlusPetiteCible(fenetre);
            if (cible <= 0 || cible >= minimum)
                break;
            const double rapport = double(minimum) / cible;
            MettreALEchelle(fenetre, rapport);
            applique *= rapport;
        }
    }
    fenetre->setProperty(ProprieteRapport, applique);
    // A dialog placed in the middle of the screen stays there.
    if (!fenetre->isMaximized() && fenetre->size() != avant)
        fenetre->move(fenetre->pos() - QPoint(fenetre->width() - avant.width(), fenetre->height() - avant.height()) / 2);
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
{
    qApp->installEventFilter(this);
}

ModeTableau::~ModeTableau()
{
    qApp->removeEventFilter(this);
}

void ModeTableau::appliquer(QWidget* fenetre) const
{
    defilerAuDoigt(fenetre);
    const bool tableau = contexte_.modeTableau();
    FixerModeTableau(fenetre, tableau);
    ajusterTaille(fenetre, tableau);
}

bool ModeTableau::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::Show && objet->isWidgetType()) {
        auto* fenetre = static_cast<QWidget*>(objet);
        if (fenetre->isWindow() && !(fenetre->windowType() == Qt::ToolTip))
            appliquer(fenetre);
    }
    return false;
}
