#include "TF_efface_bilans.h"

TF_efface_bilans::TF_efface_bilans(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("F_efface_bilans"));
    setWindowTitle(QStringLiteral("Gestion des bilans"));
}
