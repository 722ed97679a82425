#include "SigneVerdict.h"

#include "Tableau.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

const QColor VertJuste(0x00, 0x80, 0x00);
const QColor RougeFaux(0xFF, 0x00, 0x00);

bool estVerdict(const QString& texte)
{
    return texte == QStringLiteral("Juste") || texte == QStringLiteral("Faux");
}

// The tick or the cross in the square of side c at the painter's origin.
void dessinerSigne(QPainter& p, bool juste, qreal c)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(juste ? VertJuste : RougeFaux, c / 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (juste) {
        p.drawPolyline(QPolygonF({QPointF(0.18 * c, 0.55 * c), QPointF(0.42 * c, 0.78 * c),
                                  QPointF(0.85 * c, 0.22 * c)}));
    } else {
        p.drawLine(QPointF(0.22 * c, 0.22 * c), QPointF(0.78 * c, 0.78 * c));
        p.drawLine(QPointF(0.78 * c, 0.22 * c), QPointF(0.22 * c, 0.78 * c));
    }
}

// The verdict over the window: a pale card, the sign, the word below in the label's font.
class GrandVerdict : public QWidget {
public:
    GrandVerdict(QWidget* fenetre, const QLabel* etiquette)
        : QWidget(fenetre)
        , etiquette_(etiquette)
    {
        setObjectName(etiquette->objectName() + QStringLiteral("_Grand"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    void montrer(const QString& verdict)
    {
        verdict_ = verdict;
        const QWidget* fenetre = parentWidget();
        const int hauteur = fenetre->height() * 2 / 5;
        const QRect carte(0, 0, hauteur * 3 / 2, hauteur);
        setGeometry(carte.translated(fenetre->rect().center() - carte.center()));
        show();
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const bool juste = verdict_ == QStringLiteral("Juste");
        const QColor couleur = juste ? VertJuste : RougeFaux;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal bord = height() / 30.0;
        p.setPen(QPen(couleur, bord));
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawRoundedRect(QRectF(rect()).adjusted(bord, bord, -bord, -bord), 4 * bord, 4 * bord);
        const qreal cote = height() * 0.55;
        p.save();
        p.translate((width() - cote) / 2, bord);
        dessinerSigne(p, juste, cote);
        p.restore();
        QFont police = etiquette_->font();
        police.setPixelSize(std::max(1, int(height() * 0.28)));
        p.setFont(police);
        p.setPen(couleur);
        p.drawText(QRectF(0, bord + cote, width(), height() - 2 * bord - cote), Qt::AlignCenter, verdict_);
    }

private:
    const QLabel* etiquette_;
    QString verdict_;
};

} // namespace

SigneVerdict::SigneVerdict(QLabel* etiquette)
    : QWidget(etiquette->parentWidget())
    , etiquette_(etiquette)
    , minuterie_(new QTimer(this))
{
    setObjectName(etiquette->objectName() + QStringLiteral("_Signe"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    etiquette->installEventFilter(this);
    minuterie_->setSingleShot(true);
    minuterie_->setInterval(DureeGrandVerdictMs);
    connect(minuterie_, &QTimer::timeout, this, [this] {
        if (grand_)
            grand_->hide();
    });
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

void SigneVerdict::montrerEnGrand()
{
    const bool enGrand = estVerdict(verdict_) && EnModeTableau(this);
    if (!enGrand) {
        minuterie_->stop();
        if (grand_)
            grand_->hide();
        return;
    }
    if (!grand_)
        grand_ = new GrandVerdict(window(), etiquette_);
    static_cast<GrandVerdict*>(grand_)->montrer(verdict_);
    minuterie_->start();
}

// The label repaints whenever its text changes.
bool SigneVerdict::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == etiquette_ && evenement->type() == QEvent::Paint && etiquette_->text() != verdict_) {
        verdict_ = etiquette_->text();
        setAccessibleName(verdict_);
        placer();
        update();
        montrerEnGrand();
    }
    return QWidget::eventFilter(objet, evenement);
}

void SigneVerdict::paintEvent(QPaintEvent*)
{
    if (!estVerdict(verdict_))
        return;
    QPainter p(this);
    dessinerSigne(p, verdict_ == QStringLiteral("Juste"), std::min(width(), height()));
}
