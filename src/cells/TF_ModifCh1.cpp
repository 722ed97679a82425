#include "TF_ModifCh1.h"

TF_ModifCh1::TF_ModifCh1(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("F_ModifCh1"));
    setWindowTitle(QStringLiteral("Choix du nombre de cases"));
}
