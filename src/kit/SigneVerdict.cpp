#include "SigneVerdict.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

SigneVerdict::SigneVerdict(QLabel* etiquette)
    : QWidget(etiquette->parentWidget())
    , etiquette_(etiquette)
{
    setObjectName(etiquette->objectName() + QStringLiteral("_Signe"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    etiquette->installEventFilter(this);
}

// Just left of the word, wherever the label puts it.
void SigneVerdict::placer()
{
    const QLabel& e = *etiquette_;
    const int cote = e.height();
    const int largeurTexte = e.fontMetrics().horizontalAdvance(verdict_);
    int debutTexte = 0;
    if (e.alignment() & Qt::AlignHCenter)
        debutTexte = (e.width() - largeurTexte) / 2;
    else if (e.alignment() & Qt::AlignRight)
        debutTexte = e.width() - largeurTexte;
    setGeometry(e.x() + std::max(debutTexte, 0) - cote, e.y(), cote, cote);
}

// The label repaints whenever its text changes.
bool SigneVerdict::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == etiquette_ && evenement->type() == QEvent::Paint && etiquette_->text() != verdict_) {
        verdict_ = etiquette_->text();
        setAccessibleName(verdict_);
        placer();
        update();
    }
    return QWidget::eventFilter(objet, evenement);
}

void SigneVerdict::paintEvent(QPaintEvent*)
{
    const bool juste = verdict_ == QStringLiteral("Juste");
    if (!juste && verdict_ != QStringLiteral("Faux"))
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal c = std::min(width(), height());
    p.setPen(QPen(juste ? QColor(0x00, 0x80, 0x00) : QColor(0xFF, 0x00, 0x00), c / 7, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    if (juste) {
        p.drawPolyline(QPolygonF({QPointF(0.18 * c, 0.55 * c), QPointF(0.42 * c, 0.78 * c),
                                  QPointF(0.85 * c, 0.22 * c)}));
    } else {
        p.drawLine(QPointF(0.22 * c, 0.22 * c), QPointF(0.78 * c, 0.78 * c));
        p.drawLine(QPointF(0.78 * c, 0.22 * c), QPointF(0.22 * c, 0.78 * c));
    }
}
