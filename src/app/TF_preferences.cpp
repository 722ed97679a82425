#include "TF_preferences.h"

TF_preferences::TF_preferences(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("F_preferences"));
    setWindowTitle(QStringLiteral("Préférences"));
}
