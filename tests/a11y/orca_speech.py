#!/usr/bin/python3
"""What Orca itself says while a word is played by keyboard: the screen reader the game is tested
with runs for real, with its debug log, and the test reads the lines it spoke (the log holds every
"SPEECH OUTPUT:" line whether or not a speech server came up).

Usage: orca_speech.py <path to veltrane-quillorn>   (run by run.sh, on its own session bus)
"""
import sys

import pyatspi

from a11y_common import (DOWN, ESCAPE, RETURN, TAB, button, check, find, key, orca_session, pump, role, say_all_help,
                         start_word, strike_l, type_text, wait_for)


def run(speech):
    app, view = start_word(speech, [("Go =>> push button", "Orca reads the New Game dialog up to Go")])
    if view is None:
        return

    type_text("plan")
    check(speech.heard("Guess: P L A N blank, cursor on cell 5"), "typed letters are spoken in their cells")
    type_text("t\r")
    check(speech.heard("1. PLANT, match 3, bingo 0"), "a sent guess is spoken with its counts")

    strike_l(speech, "L, struck", "1. PLANT, match 3, bingo 0, struck L", "Guess: blank blank blank blank blank",
             key_hint="Click to strike out, highlight or clear this letter")

    # The help: say-all reads the page on from the caret, and Tab reaches the page's links.
    say_all_help(speech, "Veltrane Quillorn Help", "The game hides a magic word")
    check(speech.heard("Each word begins with a short rules screen", 20), "say-all reads on into the parts")
    key(TAB)
    check(speech.heard("How to play link"), "Tab reaches the first link, said as a link")
    key(TAB)
    key(TAB)
    check(speech.heard("Marking letters link"), "Tab goes on through the links")
    key(RETURN)
    check(speech.heard("read only text") and speech.heard("Marking letters."), "Enter on the link reads its part's heading in the page")
    key(ESCAPE)
    pump(0.5)
    view.queryComponent().grabFocus()
    check(speech.heard("Guess: blank blank blank blank blank"), "back on the guess")

    type_text("apple\r")
    check(speech.heard("2. APPLE, match 5, bingo 5"), "the last guess is spoken")
    check(speech.heard("Solved APPLE in 2 guesses."), "the solved word is spoken")

    # The Review button of the message (the focus put on it, as no window manager gives the box
    # the keyboard), pressed with Space: the table's rows are read with their column headers.
    box = wait_for(lambda: find(app, lambda o: role(o, pyatspi.ROLE_ALERT), depth=2), 5)
    review = button(box, "Review") if box else None
    if not check(review is not None, "the message has a Review button"):
        return
    review.queryComponent().grabFocus()
    check(speech.heard("Review push button"), "Orca reads the Review button")
    start = len(speech.lines())
    key(0x20)
    check(speech.heard("Review", 10), "Space opens the Review window")
    check(speech.heard("PLANT", 10), "the first guess's row is read")
    # Its other cells follow, up to the last column: what the best guess would have left.
    check(speech.heard("1.00", 5), "the whole row is read, to its last column")
    key(DOWN)
    check(speech.heard("APPLE", 10), "Down reads the next guess")
    print("Orca said in the review:", *speech.since(start), sep="\n  ")


if __name__ == "__main__":
    sys.exit(orca_session(sys.argv[1], run))
