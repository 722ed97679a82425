#include "TF_Listes.h"

TF_Listes::TF_Listes(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("F_Listes"));
    setWindowTitle(QStringLiteral("Création de listes d'élèves."));
}
