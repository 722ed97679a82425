#include "Demarrage.h"
#include "TF_Menu.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const auto programme = CreerProgramme();
    programme->menu->showMaximized();
    return QApplication::exec();
}
