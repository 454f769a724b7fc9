# SPDX-License-Identifier: GPL-2.0-or-later
"""Plays whole games through the accessibility bus: every question answered by the action a
screen reader offers, every score board read and closed, the final score read."""
import os
import sys
import time

import pyatspi
from atspi import act, application, control, controls, fail, text_of, titles, window, windows

QUESTIONS = int(sys.argv[1]) if len(sys.argv) > 1 else 4
# The player chose full screen: every question fills the screen.
LARGE = os.environ.get("VELK_A11Y_LARGE") == "1"


def check_size(w):
    if not LARGE:
        return
    extents = w.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if extents.width < 1800 or extents.height < 1000:
        fail(f"{w.name!r} is {extents.width} x {extents.height}, not full screen")
    print(f"  {w.name!r} is {extents.width} x {extents.height}")


def answer_describe(w, n):
    prompt = [a.name for a in controls(w, "label") if a.name]
    options = controls(w, "radio button")
    pictures = [a for a in controls(w, "image", "label") if a.name and a.name not in prompt]
    if len(options) != 5 or any(not o.name for o in options):
        fail(f"five named options expected, got {[o.name for o in options]}")
    if not prompt or not pictures:
        fail("the prompt and the picture's name must be readable")
    print(f"  prompt {prompt[0]!r}, picture {pictures[0].name!r}")
    act(options[n % 5])


def answer_odd_one_out(w, n):
    pictures = [a for a in controls(w, "push button") if a.name not in ("Help", "Skip")]
    if len(pictures) != 4 or any(not p.name for p in pictures):
        fail(f"four named pictures expected, got {[p.name for p in pictures]}")
    act(pictures[n % 3])


def answer_match(w):
    pictures = [control(w, "push button", f"Picture {p}") for p in range(1, 5)]
    bars = [b for b in controls(w, "push button")
            if b.name not in ("Help", "Done", "Skip") and not b.name.startswith("Picture ")]
    if len(bars) != 4:
        fail(f"four named bars expected, got {[b.name for b in bars]}")
    for bar, picture in zip(bars, pictures):
        act(bar)
        time.sleep(0.3)
        act(picture)
        time.sleep(0.3)
    act(control(w, "push button", "Done"))


LETTERS = "EARIOTNSLCUDPMHGBFYWKVXZJQ"


def answer_name_me(app, w):
    picture = [a for a in controls(w, "image", "label") if a.name == "The animal to name"]
    if not picture:
        fail("the animal's picture must be named without giving the name away")
    for letter in LETTERS:
        # Done once it closes or a window opens over it: the score board, or the word lost.
        if w not in windows(app) or len(windows(app)) > 2:
            return
        key = [k for k in controls(w, "push button") if k.name == letter]
        if key:
            act(key[0])
            time.sleep(0.35)


def close_message(app):
    """Reads and closes the game's message of a word lost or of the final score, if one is
    open; says which it was."""
    for w in windows(app):
        for label in controls(w, "label"):
            for start, kind in (("The word was: ", "lost"), ("You scored ", "final")):
                if label.name.startswith(start):
                    print(f"  {kind}: {label.name!r}", flush=True)
                    act(control(w, "push button", "OK"))
                    return kind
    return None


def main():
    app = application()
    act(control(window(app, "Morvane Velkins"), "push button", "Play"))
    answered = 0
    for _ in range(10 * QUESTIONS + 10):
        time.sleep(0.6)
        shown = titles(app)
        # A message opens over the window it is about: it comes first.
        message = close_message(app)
        if message == "final":
            if answered != QUESTIONS:
                fail(f"{QUESTIONS} questions expected, {answered} answered")
            return
        if message == "lost":
            answered += 1
        elif "Quizmoot Scores" in shown:
            board = window(app, "Quizmoot Scores")
            labels = [a.name for a in controls(board, "label")]
            result = [text_of(a) for a in controls(board, "text")]
            print(f"  score board: {result} {labels}")
            if not any(l.startswith("Current score: ") for l in labels):
                fail("the running score is not readable")
            act(control(board, "push button", "ok"))
            answered += 1
        elif "Describe this image" in shown:
            check_size(window(app, "Describe this image"))
            answer_describe(window(app, "Describe this image"), answered)
        elif "Match 'em" in shown:
            check_size(window(app, "Match 'em"))
            answer_match(window(app, "Match 'em"))
        elif any(t.startswith("Name Me -- ") for t in shown):
            w = window(app, [t for t in shown if t.startswith("Name Me")][0])
            check_size(w)
            answer_name_me(app, w)
        elif any(t.startswith("Odd one out -- ") for t in shown):
            w = window(app, [t for t in shown if t.startswith("Odd one")][0])
            check_size(w)
            answer_odd_one_out(w, answered)
    fail(f"the game did not end; showing {titles(app)}")


main()
print("PASS")
