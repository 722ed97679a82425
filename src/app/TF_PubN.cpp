#include "TF_PubN.h"

TF_PubN::TF_PubN(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("F_PubN"));
    setWindowTitle(QStringLiteral("Lisez-moi..."));
}
