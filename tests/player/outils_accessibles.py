#!/usr/bin/python3
"""Prints, one a line, the names of the buttons that a screen reader finds in the
application whose process id is given, through the accessibility bus.

Exits 77 when that bus cannot be reached, 1 when the application never shows on it."""
import sys
import time

try:
    import pyatspi
except ImportError:
    print("pyatspi missing", file=sys.stderr)
    sys.exit(77)

BOUTONS = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON,
           pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON}


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def main():
    pid = int(sys.argv[1])
    try:
        pyatspi.Registry.getDesktop(0).childCount
    except Exception as erreur:  # no registry on the bus
        print(f"accessibility bus unreachable: {erreur}", file=sys.stderr)
        return 77
    fin = time.monotonic() + 20
    app = application(pid)
    while app is None and time.monotonic() < fin:
        time.sleep(0.2)
        app = application(pid)
    if app is None:
        print(f"no application with process {pid} on the bus", file=sys.stderr)
        return 1
    for bouton in pyatspi.findAllDescendants(app, lambda a: a.getRole() in BOUTONS):
        print(bouton.name)
    return 0


sys.exit(main())
