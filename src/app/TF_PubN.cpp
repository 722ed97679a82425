#include "TF_PubN.h"

#include "Contexte.h"
#include "Controles.h"
#include "Operations.h"
#include "ZoneMosaique.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

TF_PubN::TF_PubN(const Contexte& contexte, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
{
    setObjectName(QStringLiteral("F_PubN"));
    setWindowTitle(QStringLiteral("Lisez-moi..."));
    resize(LargeurInterieureConception, HauteurInterieureConception);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(3);
    Panel1->setGeometry(130, 51, 540, 470);
    Panel1->setAutoFillBackground(true);
    QPalette clair = Panel1->palette();
    clair.setColor(QPalette::Window, QColor(0xFF, 0xFA, 0xE8));
    Panel1->setPalette(clair);

    auto* dessin = new ZoneMosaique(Panel1, [this] { return contexte_.fichierProgramme(ImageAPropos); });
    dessin->setObjectName(QStringLiteral("PaintBox1"));
    dessin->setGeometry(20, 20, 500, 320);

    auto* version = new QLabel(TexteVersion, Panel1);
    version->setObjectName(QStringLiteral("Label1"));
    version->setGeometry(20, 350, 500, 44);
    version->setAlignment(Qt::AlignCenter);
    QFont grande(QStringLiteral("Arial"));
    grande.setPixelSize(28);
    grande.setBold(true);
    version->setFont(grande);
    QPalette marine = version->palette();
    marine.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    version->setPalette(marine);

    auto* ok = new QPushButton(QStringLiteral("O K"), Panel1);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(200, 404, 140, 48);
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(19);
    police.setBold(true);
    ok->setFont(police);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    AdapterEcran(this);
    MaximiserALaPremiereApparition(this);
}

void TF_PubN::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    DessinerMosaique(contexte_.fichierProgramme(FondAPropos), peintre, width(), height());
}

void TF_PubN::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    Panel1->move((width() - Panel1->width()) / 2, (height() - Panel1->height()) / 2);
}
