#include "TF_Menu.h"

TF_Menu::TF_Menu(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("F_Menu"));
    setWindowTitle(QStringLiteral("Talvero   -    Orvane"));
}

void TF_Menu::connaitre(const Fenetres& fenetres)
{
    fenetres_ = fenetres;
}
