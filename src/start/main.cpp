#include "Demarrage.h"
#include "TF_Menu.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const auto programme = CreerProgramme();
    QObject::connect(programme->menu.get(), &TF_Menu::fermee, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    programme->menu->showMaximized();
    return QApplication::exec();
}
