#include "Demarrage.h"
#include "Dialogues.h"
#include "DialoguesQt.h"
#include "Polices.h"
#include "TF_Menu.h"

#include <QApplication>

int main(int argc, char** argv)
{
    std::jthread polices = LireConfigurationPolices();
    QApplication application(argc, argv);
    polices.join();
    InstallerTraductionsQt();
    // The launcher shows through the program why it cannot start it (a shared folder
    // that is not mounted), since a menu entry has no terminal to read.
    if (argc == 3 && qstrcmp(argv[1], "--avertissement") == 0) {
        avertir(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    const auto programme = CreerProgramme(QCoreApplication::arguments().mid(1));
    QObject::connect(programme->menu.get(), &TF_Menu::fermee, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    programme->menu->showMaximized();
    return QApplication::exec();
}
