#!/usr/bin/python3
"""What Orca says of the Hint, the words-that-fit line and the word check: Orca runs for real with
its debug log, as in orca_speech.py, and the test reads the lines it spoke while the game is played
by keyboard only.

Usage: orca_hint.py <path to veltrane-quillorn>   (run by run.sh, on its own session bus)
"""
import sys

import pyatspi

from a11y_common import RETURN, check, find, key, orca_session, pump, role, start_word, type_text, wait_for

CONTROL_L = 37  # the key code of Control_L in the X server's standard keymap
ALT_L = 64


def chord(modifier_code, keysym):
    """A key pressed with a modifier held, as the player's fingers do it."""
    pyatspi.Registry.generateKeyboardEvent(modifier_code, None, pyatspi.KEY_PRESS)
    pump(0.05)
    key(keysym)
    pyatspi.Registry.generateKeyboardEvent(modifier_code, None, pyatspi.KEY_RELEASE)
    pump(0.1)


def run(speech):
    app, view = start_word(speech, [("Go =>> push button", "Orca reads the New Game dialog up to Go")])
    if view is None:
        return

    # View > Words That Fit by its mnemonics; then each row is read with the count.
    chord(ALT_L, ord("v"))
    check(speech.heard("View menu"), "Alt+V opens the View menu")
    key(ord("w"))
    pump(0.5)
    view.queryComponent().grabFocus()
    type_text("plant\r")
    check(speech.heard("1. PLANT, match 3, bingo 0, 1 word fits"), "the new row is read with the words that fit")

    # Ctrl+H: the hint's message box is read, and Enter closes it.
    chord(CONTROL_L, ord("h"))
    alert = wait_for(lambda: find(app, lambda o: role(o, pyatspi.ROLE_ALERT), depth=2), 5)
    if not check(alert is not None, "Ctrl+H opens the hint's message box"):
        return
    # A window manager gives a new dialog the focus; here nothing does, so the test does.
    ok = find(alert, lambda o: role(o, pyatspi.ROLE_PUSH_BUTTON))
    if ok is not None:
        ok.queryComponent().grabFocus()
    check(speech.heard("Hint: try APPLE."), "the hint is heard from its message box")
    key(RETURN)
    pump(0.5)
    view.queryComponent().grabFocus()
    check(speech.heard("Guess: blank blank blank blank blank"), "back on the guess after the hint")


if __name__ == "__main__":
    sys.exit(orca_session(sys.argv[1], run))
