#!/usr/bin/python3
"""The game under a German and a French desktop, as a screen reader meets it over AT-SPI: the menu
bar, the New Game dialog's painted texts and button, the game view's spoken parts and the Options
dialog all read in the player's language.

Usage: a11y_language.py <path to veltrane-quillorn>   (run by run.sh, on its own session bus)
"""
import os
import sys

import pyatspi

from a11y_common import (ESCAPE, RETURN, button, check, children, dialog_named, find, find_app, finish, game_folder, key,
                         labels, open_tools_item, role, running, wait_for)

LANGUAGES = ("de_DE.UTF-8", "fr_FR.UTF-8")
# What each part reads, in the order of LANGUAGES.
TEXTS = {
    "menus": (["Spiel", "Ansicht", "Extras"], ["Jeu", "Affichage", "Outils"]),
    "word_length": ("Errate das Zauberwort mit 5 Buchstaben", "Devinez le mot magique de 5 lettres"),
    "go": ("Los =>>", "Jouer =>>"),
    "view": ("Veltrane-Quillorn-Spiel", "Partie de Veltrane Quillorn"),
    "guess": ("Versuch: leer leer leer leer leer, Cursor auf Feld 1",
              "Essai : vide vide vide vide vide, curseur sur la case 1"),
    "options": ("Optionen", "Options"),
    "cancel": ("Abbruch", "Annuler"),
    "set": ("Wortschatz", "Lexique"),
}


def run(app, want, lang):
    dlg = wait_for(lambda: dialog_named(app, "Quillorn"), 10)
    if not check(dlg is not None, f"{lang}: New Game comes up"):
        return
    check(want["word_length"] in labels(dlg), f"{lang}: New Game reads {want['word_length']!r}: {labels(dlg)}")
    check(button(dlg, want["go"]) is not None, f"{lang}: the Go button reads {want['go']!r}")
    key(RETURN)
    check(wait_for(lambda: dialog_named(app, "Quillorn") is None, 5), f"{lang}: Enter starts the word")

    bar = find(app, lambda o: role(o, pyatspi.ROLE_MENU_BAR))
    menus = [m.name.replace("_", "") for m in children(bar)] if bar is not None else []
    check(menus == want["menus"], f"{lang}: the menu bar reads {menus}")

    view = wait_for(lambda: find(app, lambda o: o.name == want["view"]), 5)
    if not check(view is not None, f"{lang}: the view is named {want['view']!r}"):
        return
    guess = next((c for c in children(view) if role(c, pyatspi.ROLE_TEXT)), None)
    check(guess is not None and guess.name == want["guess"], f"{lang}: the guess reads {guess and guess.name!r}")

    # Options from the keyboard, as in the English test.
    dlg = open_tools_item(app, view, 4, want["options"])
    if check(dlg is not None, f"{lang}: the third menu opens {want['options']!r}"):
        check(button(dlg, want["cancel"]) is not None, f"{lang}: its Cancel reads {want['cancel']!r}")
        combo = find(dlg, lambda o: role(o, pyatspi.ROLE_COMBO_BOX))
        check(combo is not None and combo.name == want["set"], f"{lang}: the set list is named {combo and combo.name!r}")
        key(ESCAPE)


def main():
    for n, lang in enumerate(LANGUAGES):
        with game_folder(sys.argv[1], lang) as (game, env), running([game], env, cwd=os.path.dirname(game)):
            app = wait_for(find_app, 20)
            if check(app is not None, f"{lang}: the game is on the accessibility bus"):
                run(app, {part: texts[n] for part, texts in TEXTS.items()}, lang)
    return finish()


if __name__ == "__main__":
    sys.exit(main())
