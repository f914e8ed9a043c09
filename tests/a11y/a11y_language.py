#!/usr/bin/python3
"""The game under a German and a French desktop, as a screen reader meets it over AT-SPI: the menu
bar, the New Game dialog's painted texts and button, the game view's spoken parts and the Options
dialog all read in the player's language.

Usage: a11y_language.py <path to veltrane-quillorn>   (run by run.sh, on its own session bus)
"""
import os
import shutil
import subprocess
import sys
import tempfile

import pyatspi

from a11y_tree import (DOWN, ESCAPE, RETURN, SET_TEXT, button, check, children, dialog_named, failures,
                       find, find_app, key, labels, pump, role, wait_for)

LANGUAGES = (
    ("de_DE.UTF-8", {
        "menus": ["Spiel", "Ansicht", "Extras"],
        "word_length": "Errate das Zauberwort mit 5 Buchstaben",
        "go": "Los =>>",
        "view": "Veltrane-Quillorn-Spiel",
        "guess": "Versuch: leer leer leer leer leer, Cursor auf Feld 1",
        "options": "Optionen", "cancel": "Abbruch", "set": "Wortschatz",
    }),
    ("fr_FR.UTF-8", {
        "menus": ["Jeu", "Affichage", "Outils"],
        "word_length": "Devinez le mot magique de 5 lettres",
        "go": "Jouer =>>",
        "view": "Partie de Veltrane Quillorn",
        "guess": "Essai : vide vide vide vide vide, curseur sur la case 1",
        "options": "Options", "cancel": "Annuler", "set": "Lexique",
    }),
)


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

    # Options from the keyboard, as in the English test: F10, Right twice to the third menu, four
    # items down.
    dlg = None
    for _attempt in range(3):
        view.queryComponent().grabFocus()
        pump(0.5)
        key(0xFFC7)
        pump(0.3)
        key(0xFF53)
        key(0xFF53)
        pump(0.3)
        for _ in range(4):
            key(DOWN)
        key(RETURN)
        dlg = wait_for(lambda: dialog_named(app, want["options"]), 5)
        if dlg is not None:
            break
        key(ESCAPE)
        key(ESCAPE)
        pump(0.5)
    if check(dlg is not None, f"{lang}: the third menu opens {want['options']!r}"):
        check(button(dlg, want["cancel"]) is not None, f"{lang}: its Cancel reads {want['cancel']!r}")
        combo = find(dlg, lambda o: role(o, pyatspi.ROLE_COMBO_BOX))
        check(combo is not None and combo.name == want["set"], f"{lang}: the set list is named {combo and combo.name!r}")
        key(ESCAPE)


def main():
    exe = os.path.abspath(sys.argv[1])
    for lang, want in LANGUAGES:
        work = tempfile.mkdtemp(prefix="vq-a11y-lang-")
        try:
            shutil.copy(exe, work)
            # The catalogs lie beside the executable in the build tree.
            os.symlink(os.path.join(os.path.dirname(exe), "locale"), os.path.join(work, "locale"))
            with open(os.path.join(work, "Test.set"), "w", newline="") as f:
                f.write(SET_TEXT)
            env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"),
                       XDG_DATA_HOME=os.path.join(work, "data"), LC_ALL=lang, LANGUAGE="")
            env.pop("NO_AT_BRIDGE", None)
            game = subprocess.Popen([os.path.join(work, os.path.basename(exe))], env=env, cwd=work)
            try:
                app = wait_for(find_app, 20)
                if check(app is not None, f"{lang}: the game is on the accessibility bus"):
                    run(app, want, lang)
            finally:
                game.kill()
                game.wait()
        finally:
            shutil.rmtree(work, ignore_errors=True)
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
