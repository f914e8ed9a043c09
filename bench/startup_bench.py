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

usage: startup_bench.py BUILD_BIN_DIR [RUNS]
"""
import os
import shutil
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


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    bin_dir = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
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


if __name__ == "__main__":
    main()
