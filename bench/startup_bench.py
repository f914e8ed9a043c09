#!/usr/bin/env python3
"""Start-up of the game to its first dialog against a bare wxWidgets program, side by side in one run.

The game shows its New Game dialog ("Quillorn") at every start; minimal_wx shows a 241-pixel frame
and then one modal dialog ("minimal dialog"). Each run is timed from outside the program: from the
fork to the moment the X server maps the dialog, taken from the server's MapNotify event (the
script listens on the root window, so no polling program competes for the CPU). The program's peak
resident memory up to that moment is read from /proc, then the program is killed. Runs alternate
between the programs. Two rounds: a first start (an empty settings folder each run, so the settings
file is made) and a returning player (the folder of the run before kept). Prints the median of each
program and the ratios to minimal_wx.

With VQ_BENCH_AT_BRIDGE=1 the programs load GTK's accessibility bridge (run it under
dbus-run-session so that an accessibility bus answers, with no screen reader listening).

usage: startup_bench.py BUILD_BIN_DIR [RUNS] [--also NAME=DIR ...]
  --also NAME=DIR  also the game in DIR (an older build, with its sets beside it), alternated with
                   the others: before and after in one run.
"""
import ctypes
import os
import select
import shutil
import signal
import statistics
import sys
import tempfile
import time


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


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def cpu_ms(pid):
    """CPU time the program's threads have run so far (ns in /proc's scheduler statistics), in ms: on
    a shared, busy machine it says more than the wall time does."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                total += int(schedstat.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a helper thread that ended meanwhile; what it ran is no longer counted anywhere
    return total / 1e6


def run_until_mapped(argv, env, watch, title):
    """Seconds from the fork to the server mapping the window named title, and the program's peak
    resident memory (KiB) and CPU time (ms) until then."""
    watch.drain()
    start = time.monotonic()
    pid = os.fork()
    if pid == 0:
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.dup2(devnull, 2)
        try:
            os.execve(argv[0], argv, env)
        finally:
            os._exit(127)
    mapped = watch.wait_for(title, 30)
    rss = peak_rss_kib(pid)
    cpu = cpu_ms(pid)
    os.kill(pid, signal.SIGKILL)
    os.waitpid(pid, 0)
    if mapped is None:
        sys.exit(f"{argv[0]} did not map a window named {title!r}")
    return mapped - start, rss, cpu


def run_round(programs, runs, fresh):
    watch = MapWatch()
    kept = {name: tempfile.mkdtemp(prefix="vq-bench-") for name in programs}
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    cpu = {name: [] for name in programs}
    for i in range(runs + 1):
        for name, (argv, title) in programs.items():
            home = tempfile.mkdtemp(prefix="vq-bench-") if fresh else kept[name]
            env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_DATA_HOME=os.path.join(home, "data"), NO_AT_BRIDGE="1")
            if os.environ.get("VQ_BENCH_AT_BRIDGE"):
                env.pop("NO_AT_BRIDGE")  # the accessibility bridge on, as on a desktop
            elapsed, rss, cpu_used = run_until_mapped(argv, env, watch, title)
            if fresh:
                shutil.rmtree(home, ignore_errors=True)
            if i > 0:  # the first round only warms the caches (and the kept settings)
                times[name].append(elapsed)
                memory[name].append(rss)
                cpu[name].append(cpu_used)
    for folder in kept.values():
        shutil.rmtree(folder, ignore_errors=True)
    print("first start (no settings file yet):" if fresh else "returning player (settings file exists):")
    med = {name: (statistics.median(times[name]), statistics.median(memory[name]), statistics.median(cpu[name]))
           for name in programs}
    for name, (t, m, c) in med.items():
        print(f"  {name:18s} to the first dialog: median {t * 1000:7.1f} ms "
              f"(min {min(times[name]) * 1000:.1f}, max {max(times[name]) * 1000:.1f})   "
              f"CPU: median {c:6.1f} ms   peak RSS: median {m / 1024:6.1f} MiB")
    base_t, base_m, base_c = med["minimal_wx"]
    for name, (t, m, c) in med.items():
        if name != "minimal_wx":
            print(f"  ratio {name}/minimal_wx: time {t / base_t:.3f} (goal <= 1.3)   CPU {c / base_c:.3f}   "
                  f"memory {m / base_m:.3f}")


def main():
    also = []
    argv = sys.argv[1:]
    while "--also" in argv:
        i = argv.index("--also")
        name, _, folder = argv[i + 1].partition("=")
        also.append((name, folder))
        del argv[i:i + 2]
    if not argv:
        sys.exit(__doc__)
    bin_dir = argv[0]
    runs = int(argv[1]) if len(argv) > 1 else 15
    if not os.environ.get("DISPLAY"):
        sys.exit("startup_bench.py: needs an X display (set DISPLAY, e.g. to an Xvfb)")
    programs = {
        "minimal_wx": ([os.path.join(bin_dir, "minimal_wx")], "minimal dialog"),
        "veltrane-quillorn": ([os.path.join(bin_dir, "veltrane-quillorn")], "Quillorn"),
    }
    for name, folder in also:
        programs[name] = ([os.path.join(folder, "veltrane-quillorn")], "Quillorn")
    for fresh in (True, False):
        run_round(programs, runs, fresh)
    print(f"runs: {runs} of each program per round, alternating")


if __name__ == "__main__":
    main()
