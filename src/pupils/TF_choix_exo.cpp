#include "TF_choix_exo.h"

TF_choix_exo::TF_choix_exo(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("F_choix_exo"));
    setWindowTitle(QStringLiteral("Choix de l'exercice"));
}
