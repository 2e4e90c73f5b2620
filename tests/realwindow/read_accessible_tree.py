"""Prints what a screen reader is told about one running program.

usage: /usr/bin/python3 read_accessible_tree.py PID

Finds the application with that process id on the AT-SPI desktop and prints
one line per accessible object below it, depth first:
ROLE<TAB>NAME<TAB>DESCRIPTION. Exits 2 while the program is not (yet) on
the desktop, so that callers can retry while the tree is being built.
"""

import sys

import pyatspi

# Each call to the program, in milliseconds: a program that stops answering
# ends the read instead of hanging it.
CALL_TIMEOUT_MS = 2000


def flat(text):
    """Keeps each object on one line whatever its texts hold."""
    return (text or "").replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def print_below(node):
    for child in node:
        if child is None:
            continue
        print("\t".join([child.getRoleName(), flat(child.name), flat(child.description)]))
        print_below(child)


def main():
    pyatspi.setTimeout(CALL_TIMEOUT_MS, CALL_TIMEOUT_MS)
    app = application(int(sys.argv[1]))
    if app is None:
        return 2
    print_below(app)
    return 0


if __name__ == "__main__":
    sys.exit(main())
