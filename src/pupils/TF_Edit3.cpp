#include "TF_Edit3.h"

TF_Edit3::TF_Edit3(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("F_Edit3"));
}
