#!/usr/bin/python3
"""What Orca itself says while a word is played by keyboard: the screen reader the game is tested
with runs for real, with its debug log, and the test reads the lines it spoke (the log holds every
"SPEECH OUTPUT:" line whether or not a speech server came up).

Usage: orca_speech.py <path to veltrane-quillorn>   (run by run.sh, on its own session bus)
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import a11y_tree as t

# The real program with two changes to its command-line wrapper: Orca refuses to start while any
# other Orca of the same user runs (it looks the name up across the whole machine, not the
# session), so parallel test runs would stop each other; and its debug file is written line by
# line, so the test can read what was spoken while the game runs.
LAUNCH = """
import builtins, runpy, sys
cli = runpy.run_path("/usr/bin/orca", run_name="orca_cli")
cli["main"].__globals__["otherOrcas"] = lambda: []
cli["main"].__globals__["open"] = lambda path, mode: builtins.open(path, mode, buffering=1)
sys.argv = ["orca"] + sys.argv[1:]
sys.exit(cli["main"]())
"""


class Speech:
    def __init__(self, path):
        self.path = path
        self.seen = 0  # lines before this were matched already

    def lines(self):
        try:
            with open(self.path, errors="replace") as f:
                text = f.read()
        except OSError:
            return []
        return re.findall(r"SPEECH OUTPUT: '(.*?)'", text)

    def heard(self, want, seconds=8.0):
        """Waits until Orca speaks a line containing want after the last one matched."""
        def find():
            spoken = self.lines()
            for i in range(self.seen, len(spoken)):
                if want in spoken[i]:
                    self.seen = i + 1
                    return True
            return False
        return t.wait_for(find, seconds)

    def since(self, start):
        return self.lines()[start:]


def session(exe, run, lang=None, greeting="Screen reader on"):
    """Orca and then the game, in a folder of their own, with the help pages (and under lang the
    build's catalogs) beside the game; once Orca has spoken its greeting, run(speech) plays.
    Returns the exit status."""
    exe = os.path.abspath(exe)
    work = tempfile.mkdtemp(prefix="vq-orca-")
    orca = game = None
    try:
        shutil.copy(exe, work)
        for page in ("ZentraHelp.htm", "ZentraHelp.de.htm", "ZentraHelp.fr.htm"):
            if os.path.exists(os.path.join(os.path.dirname(exe), page)):
                shutil.copy(os.path.join(os.path.dirname(exe), page), work)
        with open(os.path.join(work, "Test.set"), "w", newline="") as f:
            f.write(t.SET_TEXT)
        log = os.path.join(work, "orca-debug.log")
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"), XDG_DATA_HOME=os.path.join(work, "data"))
        if lang:
            # Orca and the game both on the player's desktop language.
            os.symlink(os.path.join(os.path.dirname(exe), "locale"), os.path.join(work, "locale"))
            env.update(LC_ALL=lang, LANGUAGE="")
        # No speech server: a test machine has no sound, and one server shared by parallel runs
        # (or left over by one) can hang Orca's start. Orca logs what it says all the same.
        env.update(SPEECHD_ADDRESS="unix_socket:" + os.path.join(work, "speechd.sock"), SPEECHD_CMD="/bin/false")
        env.pop("NO_AT_BRIDGE", None)
        orca = subprocess.Popen([sys.executable, "-c", LAUNCH, "--user-prefs", os.path.join(work, "orca"),
                                 "--debug-file", log, "--disable", "braille"],
                                env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        speech = Speech(log)
        if t.check(speech.heard(greeting, 30), f"Orca starts and speaks {greeting!r}"):
            game = subprocess.Popen([os.path.join(work, os.path.basename(exe))], env=env, cwd=work)
            run(speech)
    finally:
        for proc in (game, orca):
            if proc is not None:
                proc.terminate()
                try:
                    proc.wait(10)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        if t.failures and os.path.exists(os.path.join(work, "orca-debug.log")):
            print("Orca spoke:", *Speech(os.path.join(work, "orca-debug.log")).lines(), sep="\n  ")
            with open(os.path.join(work, "orca-debug.log"), errors="replace") as f:
                print("The end of Orca's debug log:", *f.readlines()[-15:], sep="\n  ")
        shutil.rmtree(work, ignore_errors=True)
    print(f"{len(t.failures)} failure(s)")
    return 1 if t.failures else 0


def start_word(speech, dialog_heard, view_name, guess_heard):
    """The game's first New Game dialog is heard ((text, what) pairs) and answered with Enter; the
    view then has the keyboard and its empty guess is heard. Returns (app, view), view None when
    the game did not get that far."""
    app = t.wait_for(t.find_app, 20)
    if not t.check(app is not None and t.wait_for(lambda: t.dialog_named(app, "Quillorn"), 10),
                   "the game comes up with New Game"):
        return app, None
    for text, what in dialog_heard:
        t.check(speech.heard(text), what)
    t.key(t.RETURN)
    view = t.wait_for(lambda: t.find(app, lambda o: o.name == view_name), 5)
    if not t.check(view is not None, "the game view is up"):
        return app, None
    view.queryComponent().grabFocus()  # no window manager hands the focus back
    t.check(speech.heard(guess_heard), "the guess is spoken on focus")
    return app, view


def main():
    return session(sys.argv[1], run)


def run(speech):
    app, view = start_word(speech, [("Go =>> push button", "Orca reads the New Game dialog up to Go")],
                           "Veltrane Quillorn game", "Guess: blank blank blank blank blank, cursor on cell 1")
    if view is None:
        return

    t.type_text("plan")
    t.check(speech.heard("Guess: P L A N blank, cursor on cell 5"), "typed letters are spoken in their cells")
    t.type_text("t\r")
    t.check(speech.heard("1. PLANT, match 3, bingo 0"), "a sent guess is spoken with its counts")

    t.key(t.TAB)
    t.check(speech.heard("Click to strike out, highlight or clear this letter"), "a key says what a click does")
    for _ in range(11):
        t.key(t.DOWN)
    t.key(0x20)
    t.check(speech.heard("L, struck"), "Space on L speaks the mark")

    t.key(t.TAB)
    t.check(speech.heard("1. PLANT, match 3, bingo 0, struck L"), "Tab on to the list reads the row with its mark")
    t.key(t.ESCAPE)
    t.check(speech.heard("Guess: blank blank blank blank blank"), "Escape is back on the guess")

    # The help: F1, then Orca's say-all (KP_Add in the desktop layout) reads the page on from
    # the caret, and Tab reaches the page's links.
    t.key(0xFFBE)
    t.check(speech.heard("Veltrane Quillorn Help"), "F1 is heard as the help page")
    t.pump(1.0)
    t.key(0xFFAB)
    t.check(speech.heard("The game hides a magic word", 15), "say-all reads the page")
    t.check(speech.heard("Each word begins with a short rules screen", 20), "say-all reads on into the parts")
    t.key(t.TAB)
    t.check(speech.heard("How to play link"), "Tab reaches the first link, said as a link")
    t.key(t.TAB)
    t.key(t.TAB)
    t.check(speech.heard("Marking letters link"), "Tab goes on through the links")
    t.key(t.RETURN)
    t.check(speech.heard("read only text") and speech.heard("Marking letters."), "Enter on the link reads its part's heading in the page")
    t.key(t.ESCAPE)
    t.pump(0.5)
    view.queryComponent().grabFocus()
    t.check(speech.heard("Guess: blank blank blank blank blank"), "back on the guess")

    t.type_text("apple\r")
    t.check(speech.heard("2. APPLE, match 5, bingo 5"), "the last guess is spoken")
    t.check(speech.heard("Solved APPLE in 2 guesses."), "the solved word is spoken")

    # The Review button of the message (the focus put on it, as no window manager gives the box
    # the keyboard), pressed with Space: the table's rows are read with their column headers.
    box = t.wait_for(lambda: t.find(app, lambda o: t.role(o, t.pyatspi.ROLE_ALERT), depth=2), 5)
    review = t.button(box, "Review") if box else None
    if not t.check(review is not None, "the message has a Review button"):
        return
    review.queryComponent().grabFocus()
    t.check(speech.heard("Review push button"), "Orca reads the Review button")
    start = len(speech.lines())
    t.key(0x20)
    t.check(speech.heard("Review", 10), "Space opens the Review window")
    t.check(speech.heard("PLANT", 10), "the first guess's row is read")
    # Its other cells follow, up to the last column: what the best guess would have left.
    t.check(speech.heard("1.00", 5), "the whole row is read, to its last column")
    t.key(t.DOWN)
    t.check(speech.heard("APPLE", 10), "Down reads the next guess")
    print("Orca said in the review:", *speech.since(start), sep="\n  ")


if __name__ == "__main__":
    sys.exit(main())
