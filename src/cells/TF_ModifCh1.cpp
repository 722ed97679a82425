#include "TF_ModifCh1.h"

#include "ElementsJeu1.h"
#include "GlyphesBoutons.h"
#include "Contexte.h"
#include "GroupeRadio.h"
#include "Preferences.h"
#include "ReglesJeu1.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

QFont police(const QString& famille, int pixels)
{
    QFont f(famille);
    f.setPixelSize(pixels);
    return f;
}

QStringList legendesTailles()
{
    QStringList legendes;
    for (int taille = 1; taille <= NbChoixJeu1; ++taille)
        legendes << LegendeTailleJeu1(taille);
    return legendes;
}

} // namespace

TF_ModifCh1::TF_ModifCh1(Contexte& contexte, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
{
    setObjectName(QStringLiteral("F_ModifCh1"));
    setWindowTitle(QStringLiteral("Choix du nombre de cases"));
    setFixedSize(467, 325);

    auto* Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::StyledPanel);
    Panel3->setGeometry(8, 11, 265, 262);

    auto* Label6 = new QLabel(QStringLiteral("Exercice n° 1"), Panel3);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(police(QStringLiteral("Times New Roman"), 19));
    Label6->setStyleSheet(QStringLiteral("color: #800080;"));
    Label6->setGeometry(12, 8, 245, 26);

    NbCasesJeu1 = new GroupeRadio(QStringLiteral("NbCasesJeu1"), QStringLiteral("Nombre de cases"),
                                  legendesTailles(), Panel3);
    NbCasesJeu1->setGeometry(12, 40, 245, 113);
    NbCasesCouleur = new GroupeRadio(QStringLiteral("NbCasesCouleur"),
                                     QStringLiteral("Nombre de cases colorées"),
                                     TextesCasesColorees(1), Panel3);
    NbCasesCouleur->setGeometry(12, 159, 245, 98);
    for (GroupeRadio* groupe : {NbCasesJeu1, NbCasesCouleur}) {
        groupe->setFont(police(QStringLiteral("Arial"), 13));
        groupe->setStyleSheet(QStringLiteral("color: black;"));
    }

    BitBtn2 = new QPushButton(IconeValider(), QStringLiteral("OK"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(312, 104, 97, 41);
    BitBtn2->setDefault(true);
    BitBtn1 = new QPushButton(IconeAnnuler(), QStringLiteral("Annuler"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(312, 168, 97, 41);

    connect(NbCasesJeu1, &GroupeRadio::itemClique, this, &TF_ModifCh1::NbCasesJeu1Click);
    connect(NbCasesCouleur, &GroupeRadio::itemClique, this, &TF_ModifCh1::NbCasesCouleurClick);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn1, &QPushButton::clicked, this, &TF_ModifCh1::BitBtn1Click);
}

void TF_ModifCh1::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->geometry().center() - rect().center());
    FormActivate();
}

// Escape is the cancel button, as the pupil expects from "Annuler"; other ways of
// closing keep the choices made.
void TF_ModifCh1::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_Escape) {
        BitBtn1->click();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void TF_ModifCh1::FormActivate()
{
    CorrigerReglagesJeu1(contexte_.reglages);
    NbCasesJeu1->fixerItemIndex(contexte_.reglages.TailleJeu1 - 1);
    NbCasesCouleur->fixerItemIndex(contexte_.reglages.NbColoreesJeu1 - 1);
    tailleActivation_ = contexte_.reglages.TailleJeu1;
    colorationActivation_ = contexte_.reglages.NbColoreesJeu1;
    NbCasesCouleur->fixerItems(TextesCasesColorees(contexte_.reglages.TailleJeu1));
}

void TF_ModifCh1::NbCasesJeu1Click(int index)
{
    contexte_.reglages.TailleJeu1 = static_cast<quint8>(index + 1);
    NbCasesCouleur->fixerItems(TextesCasesColorees(contexte_.reglages.TailleJeu1));
}

void TF_ModifCh1::NbCasesCouleurClick(int index)
{
    contexte_.reglages.NbColoreesJeu1 = static_cast<quint8>(index + 1);
}

void TF_ModifCh1::BitBtn1Click()
{
    contexte_.reglages.TailleJeu1 = static_cast<quint8>(tailleActivation_);
    contexte_.reglages.NbColoreesJeu1 = static_cast<quint8>(colorationActivation_);
    reject();
}
