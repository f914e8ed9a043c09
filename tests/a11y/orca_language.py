#!/usr/bin/python3
"""What Orca itself says while a word is played by keyboard on a German desktop: Orca and the game
both under de_DE, and the lines Orca spoke (its debug log) carry the game's German texts as the
catalog gives them, from the New Game dialog to the solved word.

Usage: orca_language.py <path to veltrane-quillorn>   (run by run.sh, on its own session bus)
"""
import sys

import a11y_tree as t
from orca_speech import session, start_word


def run(speech):
    _, view = start_word(speech, [("Errate das Zauberwort mit 5 Buchstaben", "Orca reads the New Game dialog's rules in German"),
                                    ("Los =>>", "and its Go button")],
                           "Veltrane-Quillorn-Spiel", "Versuch: leer leer leer leer leer, Cursor auf Feld 1")
    if view is None:
        return

    t.type_text("plant\r")
    t.check(speech.heard("1. PLANT, Treffer 3, Bingo 0"), "a sent guess is spoken with its counts")

    t.key(t.TAB)
    for _ in range(11):
        t.key(t.DOWN)
    t.key(0x20)
    t.check(speech.heard("L, gestrichen"), "Space on L speaks the mark")
    t.key(t.TAB)
    t.check(speech.heard("1. PLANT, Treffer 3, Bingo 0, gestrichen L"), "Tab on to the list reads the row with its mark")
    t.key(t.ESCAPE)
    t.check(speech.heard("Versuch: leer"), "Escape is back on the guess")

    # The help in German: its title, and say-all reads the German page.
    t.key(0xFFBE)
    t.check(speech.heard("Hilfe zu Veltrane Quillorn"), "F1 is heard as the German help page")
    t.pump(1.0)
    t.key(0xFFAB)
    t.check(speech.heard("Das Spiel versteckt ein", 15), "say-all reads the German page")
    t.key(t.ESCAPE)
    t.pump(0.5)
    view.queryComponent().grabFocus()

    t.type_text("apple\r")
    t.check(speech.heard("2. APPLE, Treffer 5, Bingo 5"), "the last guess is spoken")
    t.check(speech.heard("APPLE in 2 Versuchen gelöst."), "the solved word is spoken")


if __name__ == "__main__":
    sys.exit(session(sys.argv[1], run, lang="de_DE.UTF-8", greeting="Bildschirmleser an"))
