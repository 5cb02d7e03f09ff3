# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the accessible tree of a running application as a screen reader meets
it over AT-SPI: every object that is showing, depth first, one a line, as
depth|role|name|description|checked. Waits up to ten seconds for the application."""
import sys
import time

import pyatspi


def find_application(name):
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == name and application.childCount:
            return application
    return None


def walk(accessible, depth, lines):
    try:
        states = accessible.getState()
    except Exception:  # the object went away while being read
        return
    if depth > 0 and not states.contains(pyatspi.STATE_SHOWING):
        return
    checked = "checked" if states.contains(pyatspi.STATE_CHECKED) else ""
    lines.append("|".join([str(depth), accessible.getRoleName(), accessible.name,
                           accessible.description.replace("\n", " "), checked]))
    for child in accessible:
        if child is not None:
            walk(child, depth + 1, lines)


def main():
    application = None
    for _ in range(100):
        application = find_application(sys.argv[1])
        if application is not None:
            break
        time.sleep(0.1)
    if application is None:
        print("no application named " + sys.argv[1], file=sys.stderr)
        return 2
    lines = []
    walk(application, 0, lines)
    print("\n".join(lines))
    return 0


if __name__ == "__main__":
    sys.exit(main())
