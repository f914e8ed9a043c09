"""What the screen-reader tests share: reading the game's accessibility tree over AT-SPI, keys sent
through the X server as a person's would be, a folder of its own for each run of the game, and Orca
run for real with its debug log, whose "SPEECH OUTPUT:" lines are what it said.
"""
import contextlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

SET_TEXT = "Test words\r\n<BEGINNER>\r\napple\r\nplant\r\n<INTERMEDIATE>\r\nplanet\r\n<ADVANCED>\r\nkitchen\r\n"
HELP_PAGES = ("ZentraHelp.htm", "ZentraHelp.de.htm", "ZentraHelp.fr.htm")
RETURN, TAB, ESCAPE, DOWN, UP, LEFT, RIGHT = 0xFF0D, 0xFF09, 0xFF1B, 0xFF54, 0xFF52, 0xFF51, 0xFF53
F1, F4, F10, KP_ADD = 0xFFBE, 0xFFC1, 0xFFC7, 0xFFAB
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def finish():
    """The exit status of a test script: its failures counted."""
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


def pump(seconds=0.05):
    end = time.monotonic() + seconds
    ctx = GLib.MainContext.default()
    while time.monotonic() < end:
        while ctx.pending():
            ctx.iteration(False)
        time.sleep(0.01)


def wait_for(fn, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            value = fn()
        except Exception:  # objects vanish while a window closes
            value = None
        if value:
            return value
        pump(0.05)
    return None


def children(obj):
    try:
        return [obj.getChildAtIndex(i) for i in range(obj.childCount)]
    except Exception:
        return []


def find_all(root, pred, depth=12):
    """Breadth first, every object the predicate accepts, yielded as it is met."""
    level = [root]
    for _ in range(depth):
        nxt = []
        for obj in level:
            if obj is None:
                continue
            try:
                if pred(obj):
                    yield obj
            except Exception:
                continue
            nxt.extend(children(obj))
        level = nxt


def find(root, pred, depth=12):
    """Breadth first, the first object the predicate accepts."""
    return next(find_all(root, pred, depth), None)


def role(obj, r):
    return obj.getRole() == r


def has_state(obj, s):
    return obj.getState().contains(s)


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    pump(0.08)


def type_text(text):
    for c in text:
        key({"\r": RETURN, " ": 0x20}.get(c, ord(c)))


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and "veltrane" in (app.name or "").lower():
            return app
    return None


def dialog_named(app, name):
    return find(app, lambda o: role(o, pyatspi.ROLE_DIALOG) and o.name == name, depth=2)


def labels(obj):
    found = []

    def walk(o, d):
        if d > 8:
            return
        for c in children(o):
            if c is not None and role(c, pyatspi.ROLE_LABEL):
                found.append(c.name)
            walk(c, d + 1)
    walk(obj, 0)
    return found


def plain(text):
    return (text or "").replace("_", "").strip().rstrip(":").strip()


def button(dlg, name):
    return find(dlg, lambda o: role(o, pyatspi.ROLE_PUSH_BUTTON) and o.name.replace("_", "") == name)


def open_tools_item(app, view, downs, title):
    """Runs the item downs places into the Tools menu by keyboard (F10 opens the menu bar, Right
    twice moves to Tools) and returns the dialog titled title, None when it did not come up. A
    menu that opens late on a loaded machine swallows the keys meant for it: then whatever is open
    is closed and the menu walked again, a few times at most."""
    for _attempt in range(3):
        view.queryComponent().grabFocus()  # no window manager hands the focus back
        pump(0.5)
        key(F10)
        pump(0.3)
        key(RIGHT)
        key(RIGHT)
        pump(0.3)
        for _ in range(downs):
            key(DOWN)
        key(RETURN)
        dlg = wait_for(lambda: dialog_named(app, title), 5)
        if dlg is not None:
            return dlg
        key(ESCAPE)
        key(ESCAPE)
        pump(0.5)
    return None


@contextlib.contextmanager
def game_folder(exe, lang=None, user_sets=()):
    """A folder of its own holding a copy of the game, its help pages, a small Test.set and the
    player's settings and data; under lang (a locale such as "de_DE.UTF-8") the build's catalogs
    lie beside the copy and the desktop speaks that language. user_sets are more sets in the
    player's own folder, each a copy of Test.set. Yields (the copy's path, its environment)."""
    exe = os.path.abspath(exe)
    work = tempfile.mkdtemp(prefix="vq-a11y-")
    try:
        copy = os.path.join(work, os.path.basename(exe))
        shutil.copy(exe, copy)
        for page in HELP_PAGES:
            if os.path.exists(os.path.join(os.path.dirname(exe), page)):
                shutil.copy(os.path.join(os.path.dirname(exe), page), work)
        sets = [os.path.join(work, "Test.set")]
        if user_sets:
            folder = os.path.join(work, "data", "veltrane-quillorn", "sets")
            os.makedirs(folder)
            sets += [os.path.join(folder, name + ".set") for name in user_sets]
        for path in sets:
            with open(path, "w", newline="") as f:
                f.write(SET_TEXT)
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"), XDG_DATA_HOME=os.path.join(work, "data"))
        if lang:
            os.symlink(os.path.join(os.path.dirname(exe), "locale"), os.path.join(work, "locale"))
            env.update(LC_ALL=lang, LANGUAGE="")
        env.pop("NO_AT_BRIDGE", None)  # the other window tests switch the bridge off; these need it
        yield copy, env
    finally:
        shutil.rmtree(work, ignore_errors=True)


@contextlib.contextmanager
def running(args, env, cwd=None, quiet=False):
    """A process for the length of the block, stopped and waited for however the block ends."""
    out = subprocess.DEVNULL if quiet else None
    proc = subprocess.Popen(args, env=env, cwd=cwd, stdout=out, stderr=out)
    try:
        yield proc
    finally:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


# Orca, the real program, with two changes to its command-line wrapper: it refuses to start while
# any other Orca of the same user runs (it looks the name up across the whole machine, not the
# session), so parallel test runs would stop each other; and its debug file is written line by
# line, so the test can read what was spoken while the game runs.
ORCA_LAUNCH = """
import builtins, runpy, sys
cli = runpy.run_path("/usr/bin/orca", run_name="orca_cli")
cli["main"].__globals__["otherOrcas"] = lambda: []
cli["main"].__globals__["open"] = lambda path, mode: builtins.open(path, mode, buffering=1)
sys.argv = ["orca"] + sys.argv[1:]
sys.exit(cli["main"]())
"""


class Speech:
    """The lines Orca spoke, read from its debug log, which holds every "SPEECH OUTPUT:" line
    whether or not a speech server came up."""

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
        def find_next():
            spoken = self.lines()
            for i in range(self.seen, len(spoken)):
                if want in spoken[i]:
                    self.seen = i + 1
                    return True
            return False
        return wait_for(find_next, seconds)

    def since(self, start):
        return self.lines()[start:]


def orca_session(exe, run, lang=None, greeting="Screen reader on"):
    """Orca and then the game in a folder of their own (under lang both on that desktop language);
    once Orca has spoken its greeting, run(speech) plays. Returns the exit status."""
    with game_folder(exe, lang) as (game, env):
        log = os.path.join(os.path.dirname(game), "orca-debug.log")
        # No speech server: a test machine has no sound, and one server shared by parallel runs
        # (or left over by one) can hang Orca's start. Orca logs what it says all the same.
        env.update(SPEECHD_ADDRESS="unix_socket:" + os.path.join(os.path.dirname(game), "speechd.sock"),
                   SPEECHD_CMD="/bin/false")
        orca = [sys.executable, "-c", ORCA_LAUNCH, "--user-prefs", os.path.join(os.path.dirname(game), "orca"),
                "--debug-file", log, "--disable", "braille"]
        try:
            with running(orca, env, quiet=True):
                speech = Speech(log)
                if check(speech.heard(greeting, 30), f"Orca starts and speaks {greeting!r}"):
                    with running([game], env, cwd=os.path.dirname(game)):
                        run(speech)
        finally:
            if failures and os.path.exists(log):
                print("Orca spoke:", *Speech(log).lines(), sep="\n  ")
                with open(log, errors="replace") as f:
                    print("The end of Orca's debug log:", *f.readlines()[-15:], sep="\n  ")
    return finish()


def start_word(speech, dialog_heard, view_name="Veltrane Quillorn game",
               guess_heard="Guess: blank blank blank blank blank, cursor on cell 1"):
    """The game's first New Game dialog is heard ((text, what) pairs) and answered with Enter; the
    view then has the keyboard and its empty guess is heard. Returns (app, view), view None when
    the game did not get that far."""
    app = wait_for(find_app, 20)
    if not check(app is not None and wait_for(lambda: dialog_named(app, "Quillorn"), 10),
                 "the game comes up with New Game"):
        return app, None
    for text, what in dialog_heard:
        check(speech.heard(text), what)
    key(RETURN)
    view = wait_for(lambda: find(app, lambda o: o.name == view_name), 5)
    if not check(view is not None, "the game view is up"):
        return app, None
    view.queryComponent().grabFocus()  # no window manager hands the focus back
    check(speech.heard(guess_heard), "the guess is spoken on focus")
    return app, view


def strike_l(speech, struck, marked_row, guess, key_hint=None):
    """Tab into the keypad (where the key's hint is heard), Down to L and Space: the mark is
    heard; Tab on to the list reads the row with its mark, and Escape is back on the guess."""
    key(TAB)
    if key_hint:
        check(speech.heard(key_hint), "a key says what a click does")
    for _ in range(11):
        key(DOWN)
    key(0x20)
    check(speech.heard(struck), "Space on L speaks the mark")
    key(TAB)
    check(speech.heard(marked_row), "Tab on to the list reads the row with its mark")
    key(ESCAPE)
    check(speech.heard(guess), "Escape is back on the guess")


def say_all_help(speech, title, opening):
    """F1 is heard as the help page, and Orca's say-all (KP_Add in the desktop layout) reads the
    page on from the caret."""
    key(F1)
    check(speech.heard(title), f"F1 is heard as the help page {title!r}")
    pump(1.0)
    key(KP_ADD)
    check(speech.heard(opening, 15), "say-all reads the page")
