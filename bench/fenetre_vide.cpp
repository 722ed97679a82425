// The least a Qt Widgets program pays before it shows something: one empty window,
// maximised as the program's main menu is. demarrage_ecran.sh measures it beside Orvane.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.showMaximized();
    return QApplication::exec();
}
