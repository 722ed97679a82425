#include "TF_Edit3.h"

#include "Enregistrements.h"
#include "Operations.h"
#include "Rtf.h"

#include <QKeyEvent>

void TamponLignes::vider()
{
    lignes_.clear();
}

bool TamponLignes::charger(const QString& fichier, QString* erreur)
{
    const std::optional<QByteArray> octets = lireFichier(fichier, erreur);
    if (octets)
        lire(*octets);
    return octets.has_value();
}

void TamponLignes::lire(const QByteArray& octets)
{
    lignes_ = lignesDocument(octets);
    if (!lignes_.isEmpty() && lignes_.constLast().isEmpty())
        lignes_.removeLast();
}

int TamponLignes::nombreLignes() const
{
    return static_cast<int>(lignes_.size());
}

QString TamponLignes::ligne(int indice) const
{
    return lignes_.value(indice);
}

void TamponLignes::ajouter(const QString& ligne)
{
    lignes_.append(ligne);
}

bool TamponLignes::enregistrer(const QString& fichier, QString* erreur) const
{
    return ecrireFichier(fichier, documentRtf(lignes_), erreur);
}

TF_Edit3::TF_Edit3(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("F_Edit3"));
    setWindowTitle(QStringLiteral("F_Edit3"));
}

void TF_Edit3::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
        AfficherSommaireAide();
    else
        QWidget::keyPressEvent(evenement);
}
