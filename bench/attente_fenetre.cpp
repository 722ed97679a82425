// Starts a program from a given folder and prints, in milliseconds, how long it took from
// exec until one of its top-level windows was mapped and viewable on the X display. The
// window manager may reparent the window into a frame: the window counts once it and
// every ancestor are mapped. The program is then ended.
//
//   orvane_attente_fenetre FOLDER PROGRAM [ARGUMENTS...]

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <poll.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double Maintenant()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

long PidDe(Display* ecran, Window fenetre)
{
    const Atom pid = XInternAtom(ecran, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long nombre = 0, reste = 0;
    unsigned char* donnees = nullptr;
    long valeur = -1;
    if (XGetWindowProperty(ecran, fenetre, pid, 0, 1, False, XA_CARDINAL, &type, &format, &nombre,
                           &reste, &donnees)
            == Success
        && donnees && nombre == 1 && format == 32)
        valeur = *reinterpret_cast<long*>(donnees);
    if (donnees)
        XFree(donnees);
    return valeur;
}

bool Visible(Display* ecran, Window fenetre)
{
    XWindowAttributes attributs{};
    return XGetWindowAttributes(ecran, fenetre, &attributs) && attributs.map_state == IsViewable
        && attributs.width > 1 && attributs.height > 1;
}

int IgnorerErreurs(Display*, XErrorEvent*)
{
    return 0; // a window may be gone before it is looked at
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display* ecran = XOpenDisplay(nullptr);
    if (!ecran) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnorerErreurs);
    const Window racine = DefaultRootWindow(ecran);
    XSelectInput(ecran, racine, SubstructureNotifyMask);
    XSync(ecran, False);

    const double debut = Maintenant();
    const pid_t enfant = fork();
    if (enfant == 0) {
        if (chdir(argv[1]) != 0)
            _exit(127);
        execv(argv[2], argv + 2);
        _exit(127);
    }
    if (enfant < 0)
        return 2;

    // Windows created by anyone: the program's own are told by their _NET_WM_PID, which
    // Qt sets before mapping them.
    std::set<Window> suivies;
    double fin = -1;
    const auto verifier = [&] {
        for (Window w : suivies)
            if (PidDe(ecran, w) == enfant && Visible(ecran, w)) {
                fin = Maintenant();
                return;
            }
    };
    while (fin < 0) {
        if (!XPending(ecran)) {
            // A window mapped before its events were asked for sends none: look again
            // every few milliseconds when nothing comes.
            pollfd attente{ConnectionNumber(ecran), POLLIN, 0};
            if (poll(&attente, 1, 5) <= 0) {
                verifier();
                if (fin < 0 && Maintenant() - debut > 30000) {
                    std::fprintf(stderr, "no window within 30 s\n");
                    break;
                }
            }
            XPending(ecran);
            continue;
        }
        XEvent evenement;
        XNextEvent(ecran, &evenement);
        if (evenement.type == CreateNotify && !evenement.xcreatewindow.override_redirect) {
            const Window w = evenement.xcreatewindow.window;
            XSelectInput(ecran, w, StructureNotifyMask);
            suivies.insert(w);
        } else if (evenement.type == ReparentNotify) {
            suivies.insert(evenement.xreparent.window);
        }
        if (evenement.type == MapNotify || evenement.type == CreateNotify
            || evenement.type == ReparentNotify)
            verifier();
    }
    kill(enfant, SIGTERM);
    waitpid(enfant, nullptr, 0);
    XCloseDisplay(ecran);
    if (fin < 0)
        return 1;
    std::printf("%.1f\n", fin - debut);
    return 0;
}
