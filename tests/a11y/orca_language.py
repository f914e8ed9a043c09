#!/usr/bin/python3
"""What Orca itself says while a word is played by keyboard on a German desktop: Orca and the game
both under de_DE, and the lines Orca spoke (its debug log) carry the game's German texts as the
catalog gives them, from the New Game dialog to the solved word.

Usage: orca_language.py <path to veltrane-quillorn>   (run by run.sh, on its own session bus)
"""
import sys

from a11y_common import ESCAPE, check, key, orca_session, pump, say_all_help, start_word, strike_l, type_text


def run(speech):
    _, view = start_word(speech, [("Errate das Zauberwort mit 5 Buchstaben", "Orca reads the New Game dialog's rules in German"),
                                  ("Los =>>", "and its Go button")],
                         "Veltrane-Quillorn-Spiel", "Versuch: leer leer leer leer leer, Cursor auf Feld 1")
    if view is None:
        return

    type_text("plant\r")
    check(speech.heard("1. PLANT, Treffer 3, Bingo 0"), "a sent guess is spoken with its counts")
    strike_l(speech, "L, gestrichen", "1. PLANT, Treffer 3, Bingo 0, gestrichen L", "Versuch: leer")

    say_all_help(speech, "Hilfe zu Veltrane Quillorn", "Das Spiel versteckt ein")
    key(ESCAPE)
    pump(0.5)
    view.queryComponent().grabFocus()

    type_text("apple\r")
    check(speech.heard("2. APPLE, Treffer 5, Bingo 5"), "the last guess is spoken")
    check(speech.heard("APPLE in 2 Versuchen gelöst."), "the solved word is spoken")


if __name__ == "__main__":
    sys.exit(orca_session(sys.argv[1], run, lang="de_DE.UTF-8", greeting="Bildschirmleser an"))
