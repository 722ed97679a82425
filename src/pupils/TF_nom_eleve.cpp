#include "TF_nom_eleve.h"

TF_nom_eleve::TF_nom_eleve(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("F_nom_eleve"));
    setWindowTitle(QStringLiteral("Nom de l'utilisateur."));
}
