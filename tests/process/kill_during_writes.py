#!/usr/bin/env python3
"""The real game killed with SIGKILL 60 times while it writes its settings: the file must stay
whole (PRAGMA integrity_check) and no value it had confirmed may be lost or go back.

Each run starts the game on one settings folder; it hands out a word (one write transaction) and
waits on its New Game dialog. The kill lands at a random moment between the start and a while after
the first run's write, so some kills come before the write, some during and some after. The word position of the set may only step on (or start the list again), and the best-score record written
before the first run must survive every kill.

usage: kill_test.py GAME_EXECUTABLE [RUNS]    (needs DISPLAY)
"""
import os
import random
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time

KEY = "Software\\Veltrane Corporation\\Veltrane Quillorn\\Veltrane Quillorn"


def values(db_path):
    db = sqlite3.connect(f"file:{db_path}?mode=ro", uri=True, timeout=10)
    try:
        check = db.execute("PRAGMA integrity_check").fetchone()[0]
        rows = dict(((k.lower(), n.lower()), v) for k, n, v in db.execute("SELECT key, name, value FROM registry"))
        return check, rows
    finally:
        db.close()


def first_word_handed_out(game, env, db_path):
    """Starts the game on a new settings folder and ends it once it has handed out its first word;
    the seconds that took."""
    start = time.monotonic()
    proc = subprocess.Popen([game], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while time.monotonic() - start < 60:
            if proc.poll() is not None:
                sys.exit(f"the game ended by itself with {proc.returncode}")
            try:
                if any(name == "beg_index" for (_, name) in values(db_path)[1]):
                    return time.monotonic() - start
            except sqlite3.Error:
                pass  # not made yet
            time.sleep(0.05)
        sys.exit("the game handed out no word within 60 s")
    finally:
        proc.kill()
        proc.wait()


def main():
    game = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 60
    rng = random.Random(12)
    with tempfile.TemporaryDirectory() as config:
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"))
        db_path = os.path.join(config, "veltrane-quillorn", "registry.db")
        # One run creates the file; then a record that every later run must keep.
        first_write = first_word_handed_out(game, env, db_path)
        db = sqlite3.connect(db_path, timeout=10)
        db.execute("INSERT INTO registry(key, name, type, value) VALUES(?, 'TOP_BEG_NAME', 1, 'Keeper') "
                   "ON CONFLICT(key, name) DO UPDATE SET value = excluded.value", (KEY,))
        db.commit()
        db.close()
        check, rows = values(db_path)
        current_set = rows[(KEY.lower(), "current_set")].lower()
        index_key = (KEY.lower() + "\\" + current_set, "beg_index")
        last_index = rows[index_key]
        killed = stepped = 0
        for run in range(runs):
            proc = subprocess.Popen([game], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(rng.uniform(0.0, 1.5 * first_write))
            if proc.poll() is None:
                proc.send_signal(signal.SIGKILL)
                killed += 1
            proc.wait(timeout=60)
            check, rows = values(db_path)
            if check != "ok":
                print(f"run {run}: integrity_check says {check!r}")
                return 1
            # One run hands out at most one word: the position stays, steps on by one, or starts
            # the list again from its first word.
            index = rows.get(index_key)
            if index not in (last_index, last_index + 1, 0):
                print(f"run {run}: the word position went from {last_index} to {index}")
                return 1
            if rows.get((KEY.lower(), "top_beg_name")) != "Keeper":
                print(f"run {run}: the stored record was lost")
                return 1
            stepped += index != last_index
            last_index = index
        print(f"{runs} runs, {killed} killed, {stepped} after handing out a word; file whole, "
              f"position {last_index}, record kept")
        return 0 if killed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
