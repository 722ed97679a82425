// One start-up, measured from main's first line until the main menu is on screen with
// every window created; prints the time in nanoseconds, the peak resident memory in
// kilobytes and the processor time in milliseconds (what a busy machine does not inflate). With --plancher it shows one empty window instead: the least any Qt
// program pays before it can show something. orvane_bench runs it many times.

#include "Demarrage.h"
#include "TF_Menu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>

namespace {

void attendreALEcran(QWidget& fenetre)
{
    while (!fenetre.windowHandle() || !fenetre.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer chrono;
    chrono.start();
    const bool plancher = argc > 1 && std::strcmp(argv[1], "--plancher") == 0;
    QApplication application(argc, argv);
    std::unique_ptr<Programme> programme;
    QWidget vide;
    if (plancher) {
        vide.showMaximized();
        attendreALEcran(vide);
    } else {
        programme = CreerProgramme();
        programme->menu->showMaximized();
        attendreALEcran(*programme->menu);
    }
    const qint64 duree = chrono.nsecsElapsed();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    std::printf("%lld %ld %.1f\n", static_cast<long long>(duree), usage.ru_maxrss,
                ms(usage.ru_utime) + ms(usage.ru_stime));
    std::fflush(stdout);
    // Tearing the windows down is not part of the start-up.
    std::_Exit(0);
}
