# SPDX-License-Identifier: GPL-2.0-or-later
"""What a screen reader sees of the game: its windows and controls on the accessibility bus,
found by role and name and worked by their actions, never by the mouse or the keyboard."""
import time

import pyatspi

TITLE = "Morvane Velkins"


def fail(text):
    raise SystemExit("FAIL: " + text)


def walk(acc):
    yield acc
    for child in acc:
        if child is not None:
            yield from walk(child)


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def application(timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == TITLE:
                return app
        time.sleep(0.2)
    fail("the game never appeared on the accessibility bus")


def windows(app):
    return [w for w in app if w is not None and showing(w)]


def titles(app):
    return [w.name for w in windows(app)]


def window(app, title, timeout=8):
    end = time.time() + timeout
    while time.time() < end:
        for w in windows(app):
            if w.name == title:
                return w
        time.sleep(0.2)
    fail(f"no window {title!r}; showing {titles(app)}")


def controls(where, *roles):
    return [a for a in walk(where) if showing(a) and a.getRoleName() in roles]


def control(where, role, name):
    for a in controls(where, role):
        if a.name == name:
            return a
    fail(f"no {role} {name!r} in {where.name!r}")


def act(acc, action=None):
    """Does the control's first action (what a reader's activation does) or the named one."""
    ai = acc.queryAction()
    names = [ai.getName(i) for i in range(ai.nActions)]
    index = 0 if action is None else names.index(action)
    print(f"  {names[index]} [{acc.getRoleName()}] {acc.name!r}", flush=True)
    ai.doAction(index)


def text_of(acc):
    try:
        t = acc.queryText()
        return t.getText(0, t.characterCount)
    except Exception:
        return acc.name
