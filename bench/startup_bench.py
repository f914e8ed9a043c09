#!/usr/bin/env python3
"""Start-up of the game against a minimal wxWidgets program, side by side in one run.

Both programs quit after their first paint: the game because VELTRANE_QUILLORN_BENCH_FIRST_PAINT
is set (its New Game dialog is then answered with Cancel without being shown, so the time is the
game's own start-up to its first painted view, not a person's). Runs alternate. Two rounds: a
returning player (settings kept from the run before) and a first start (an empty settings
directory each run, so the settings file is created). Prints the median wall time and peak
resident memory of each program and the ratios.

With VQ_BENCH_AT_BRIDGE=1 both programs load GTK's accessibility bridge (run it under
dbus-run-session so that an accessibility bus answers, with no screen reader listening).

A third round, first start, measures what a person sees first: from the fork to the moment the X
server maps the game's New Game dialog ("Quillorn"), against minimal_wx --dialog, which shows a
241-pixel frame and then one modal dialog. The moment is taken from the server's MapNotify event
(the script listens on the root window), so no polling program competes for the CPU. With
VQ_STARTUP_TRACE=1 set, the games' own milestones are collected too, and the round ends with the
median time of each, from the process's start: where the time before the dialog goes.

usage: startup_bench.py BUILD_BIN_DIR [RUNS] [--only-dialog] [--also NAME=DIR ...]
  --also NAME=DIR  in the dialog round, also the game in DIR (an older build, with its sets
                   beside it), alternated with the others: before and after in one run.
"""
import collections
import ctypes
import os
import re
import select
import shutil
import signal
import statistics
import sys
import tempfile
import time


def run_once(argv, env):
    """Seconds from the fork to the first paint (the program prints its monotonic clock then),
    and the peak resident memory of the whole run."""
    read_end, write_end = os.pipe()
    start = time.monotonic()
    pid = os.fork()
    if pid == 0:
        os.close(read_end)
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(write_end, 1)
        os.dup2(devnull, 2)
        try:
            os.execve(argv[0], argv, env)
        finally:
            os._exit(127)
    os.close(write_end)
    with os.fdopen(read_end) as out:
        output = out.read()
    _, status, usage = os.wait4(pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{argv[0]} failed with {status}")
    painted = [float(line.split()[1]) for line in output.splitlines() if line.startswith("first-paint-monotonic-ms")]
    if not painted:
        sys.exit(f"{argv[0]} did not report its first paint")
    return painted[0] / 1000.0 - start, usage.ru_maxrss  # KiB on Linux


class MapWatch:
    """Top-level windows mapped on the display, as the X server reports them (MapNotify on the
    root window), through Xlib by ctypes: no extra package, no polling."""

    MAP_NOTIFY = 19
    SUBSTRUCTURE_NOTIFY_MASK = 1 << 19

    class XMapEvent(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                    ("override_redirect", ctypes.c_int)]

    class XEvent(ctypes.Union):
        _fields_ = [("type", ctypes.c_int), ("pad", ctypes.c_long * 24)]

    def __init__(self):
        x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x = x
        self.dpy = x.XOpenDisplay(None)
        if not self.dpy:
            sys.exit("startup_bench.py: cannot open the display")
        x.XSelectInput(self.dpy, x.XDefaultRootWindow(self.dpy), self.SUBSTRUCTURE_NOTIFY_MASK)
        x.XSync(self.dpy, 0)
        self.fd = x.XConnectionNumber(self.dpy)

    def drain(self):
        """Forgets the events of the runs before."""
        self.x.XSync(self.dpy, 0)
        event = self.XEvent()
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, ctypes.byref(event))

    def wait_for(self, title, timeout_s):
        """The monotonic time at which a window named title was mapped, or None."""
        deadline = time.monotonic() + timeout_s
        event = self.XEvent()
        while time.monotonic() < deadline:
            while self.x.XPending(self.dpy):
                self.x.XNextEvent(self.dpy, ctypes.byref(event))
                if event.type != self.MAP_NOTIFY:
                    continue
                seen = time.monotonic()
                window = ctypes.cast(ctypes.byref(event), ctypes.POINTER(self.XMapEvent)).contents.window
                name = ctypes.c_char_p()
                if self.x.XFetchName(self.dpy, window, ctypes.byref(name)) and name.value == title.encode():
                    return seen
            select.select([self.fd], [], [], 0.05)
        return None


TRACE_LINE = re.compile(r"startup\s+([0-9.]+) ms\s+(.*)")


def run_until_mapped(argv, env, watch, title):
    """Seconds from the fork to the server mapping the window named title, and the program's
    start-up milestones as (what, milliseconds) when it was asked to print them."""
    watch.drain()
    read_end, write_end = os.pipe()
    start = time.monotonic()
    pid = os.fork()
    if pid == 0:
        os.close(read_end)
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.dup2(write_end, 2)
        try:
            os.execve(argv[0], argv, env)
        finally:
            os._exit(127)
    os.close(write_end)
    mapped = watch.wait_for(title, 30)
    os.kill(pid, signal.SIGKILL)
    os.waitpid(pid, 0)
    with os.fdopen(read_end, errors="replace") as err:
        marks = [(m.group(2), float(m.group(1))) for m in map(TRACE_LINE.match, err.read().splitlines()) if m]
    if mapped is None:
        sys.exit(f"{argv[0]} did not map a window named {title!r}")
    return mapped - start, marks


def dialog_round(bin_dir, runs, also=()):
    watch = MapWatch()
    programs = {
        "minimal_wx": ([os.path.join(bin_dir, "minimal_wx"), "--dialog"], "minimal dialog"),
        "veltrane-quillorn": ([os.path.join(bin_dir, "veltrane-quillorn")], "Quillorn"),
    }
    for name, folder in also:
        programs[name] = ([os.path.join(folder, "veltrane-quillorn")], "Quillorn")
    times = {name: [] for name in programs}
    steps = {name: collections.defaultdict(list) for name in programs}
    for i in range(runs + 1):
        for name, (argv, title) in programs.items():
            home = tempfile.mkdtemp(prefix="vq-bench-")
            env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_DATA_HOME=os.path.join(home, "data"), NO_AT_BRIDGE="1")
            elapsed, marks = run_until_mapped(argv, env, watch, title)
            shutil.rmtree(home, ignore_errors=True)
            if i > 0:  # the first round only warms the caches
                times[name].append(elapsed)
                for what, ms in marks:
                    steps[name][what].append(ms)
    print("first start, process start to the first dialog mapped by the X server:")
    med = {name: statistics.median(t) for name, t in times.items()}
    for name, t in times.items():
        print(f"  {name:18s} median {med[name] * 1000:7.1f} ms   "
              f"(min {min(t) * 1000:.1f}, max {max(t) * 1000:.1f})")
    for name in programs:
        if name != "minimal_wx":
            print(f"  ratio {name}/minimal: {med[name] / med['minimal_wx']:.3f} (goal < 1.2)")
    print(f"runs: {runs} of each program, alternating")
    for name, marks in steps.items():
        if marks:
            print(f"{name}, its milestones (median ms from the process's start):")
            for what, ms in sorted(marks.items(), key=lambda item: statistics.median(item[1])):
                print(f"  {statistics.median(ms):7.1f}  {what}")


def main():
    also = []
    argv = sys.argv[1:]
    while "--also" in argv:
        i = argv.index("--also")
        name, _, folder = argv[i + 1].partition("=")
        also.append((name, folder))
        del argv[i:i + 2]
    args = [a for a in argv if not a.startswith("--")]
    if not args:
        sys.exit(__doc__)
    bin_dir = args[0]
    runs = int(args[1]) if len(args) > 1 else 15
    if "--only-dialog" in argv:
        if not os.environ.get("DISPLAY"):
            sys.exit("startup_bench.py: the dialog round needs an X display (set DISPLAY, e.g. to an Xvfb)")
        dialog_round(bin_dir, runs, also)
        return
    if not os.environ.get("DISPLAY") and not os.environ.get("WAYLAND_DISPLAY"):
        sys.exit("startup_bench.py: no display (set DISPLAY, e.g. to an Xvfb)")
    programs = {
        "minimal_wx": [os.path.join(bin_dir, "minimal_wx")],
        "veltrane-quillorn": [os.path.join(bin_dir, "veltrane-quillorn")],
    }
    for fresh in (False, True):
        kept = tempfile.mkdtemp(prefix="vq-bench-")
        results = {name: ([], []) for name in programs}
        for i in range(runs + 1):
            for name, argv in programs.items():
                config = tempfile.mkdtemp(prefix="vq-bench-") if fresh else kept
                env = dict(os.environ, XDG_CONFIG_HOME=config, VELTRANE_QUILLORN_BENCH_FIRST_PAINT="1",
                           NO_AT_BRIDGE="1")
                if os.environ.get("VQ_BENCH_AT_BRIDGE"):
                    env.pop("NO_AT_BRIDGE")  # the accessibility bridge on, as on a desktop
                elapsed, rss = run_once(argv, env)
                if fresh:
                    shutil.rmtree(config, ignore_errors=True)
                if i > 0:  # the first round only warms the caches (and the kept settings)
                    results[name][0].append(elapsed)
                    results[name][1].append(rss)
        shutil.rmtree(kept, ignore_errors=True)
        print("first start (no settings file yet):" if fresh else "returning player (settings file exists):")
        med = {name: (statistics.median(t), statistics.median(m)) for name, (t, m) in results.items()}
        for name, (t, m) in med.items():
            print(f"  {name:18s} start-up to first paint: median {t * 1000:7.1f} ms   "
                  f"peak RSS: median {m / 1024:6.1f} MiB")
        base_t, base_m = med["minimal_wx"]
        game_t, game_m = med["veltrane-quillorn"]
        print(f"  ratio game/minimal: time {game_t / base_t:.3f} (goal <= 1.2)   "
              f"memory {game_m / base_m:.3f} (goal <= 1.15)")
    print(f"runs: {runs} of each program per round, alternating")
    if os.environ.get("DISPLAY"):
        dialog_round(bin_dir, runs, also)


if __name__ == "__main__":
    main()
