# SPDX-License-Identifier: GPL-2.0-or-later
"""A screen reader's press on the menu while a question is open: the menu is blocked by the
question, so neither Play nor Quit may do anything there."""
import time

from atspi import act, application, control, fail, titles, window, windows

QUESTION_TITLES = ("Describe this image", "Match 'em", "Name Me -- ", "Odd one out -- ")


def questions(app):
    return [w for w in windows(app) if w.name.startswith(QUESTION_TITLES)]


def main():
    app = application()
    menu = window(app, "Morvane Velkins")
    act(control(menu, "push button", "Play"))
    end = time.time() + 10
    while not questions(app) and time.time() < end:
        time.sleep(0.2)
    if len(questions(app)) != 1:
        fail(f"one question window expected; showing {titles(app)}")
    for name in ("Play", "Quit"):
        act(control(menu, "push button", name))
    time.sleep(1.5)
    if len(questions(app)) != 1:
        fail(f"a press on the blocked menu started a game; showing {titles(app)}")
    if "Morvane Velkins" not in titles(app):
        fail("a press on the blocked menu closed it")


main()
print("PASS")
