#!/usr/bin/env python3
"""Mutation pass over the rules below the line: breaks one rule at a time in game/ and store/ (a
comparison flipped, && and || swapped, true and false swapped, a number changed, a statement
dropped), rebuilds the unit tests, runs them, and puts the file back. A mutant the tests fail on is
killed; one they pass is a gap worth a look (or a change no player could see). Mutants that do not
compile are counted apart.

usage: tools/mutate.py BUILD_DIR [--count N] [--seed S] [--files GLOB ...] [--jobs J] [--list]
                        [--rerun LOG]
Picks N mutants (default 30) at random, the same ones for the same seed and sources, so a run
before and after new tests compares like with like. The build dir must have been configured by
./test.sh. Each mutant costs a rebuild of one file and the unit-test link, and a run of the unit
tests in J shards at once (default 4): most of their time is spent waiting on locks and deadlines,
not on a core. --rerun takes the printed output of an earlier run with the same seed and sources
and tries again only the mutants that survived it; the others keep their verdict (new tests cannot
revive a killed mutant), so the tally compares with the earlier one in a fraction of the time.
"""
import argparse
import glob
import os
import random
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (name, pattern, replacement); each match on a code line is one mutant.
OPERATORS = [
    ("== to !=", r"(?<![=!<>])==(?!=)", "!="),
    ("!= to ==", r"!=", "=="),
    ("<= to <", r"(?<![<])<=", "<"),
    (">= to >", r"(?<![>-])>=", ">"),
    ("< to <=", r"(?<=\s)<(?=\s)", "<="),
    ("> to >=", r"(?<=\s)>(?=\s)", ">="),
    ("&& to ||", r"&&", "||"),
    ("|| to &&", r"\|\|", "&&"),
    ("true to false", r"\btrue\b", "false"),
    ("false to true", r"\bfalse\b", "true"),
    ("number + 1", r"(?<![\w.])([0-9]+)(?![\w.])", None),
]

SKIP_LINE = re.compile(r"^\s*(//|#|\*|/\*)|static_assert|constexpr .*\[\]|^\s*$")
# A statement on a line of its own that can go without breaking the build: a call or an assignment.
DROPPABLE = re.compile(r"^\s*(?!return\b|break\b|continue\b|case\b|default\b)[A-Za-z_][\w:.\->\[\]()]*\s*(\(.*\)|[+\-*/|&]?=\s*.+|\+\+|--);\s*$")


def mutants_of(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    found = []
    for i, line in enumerate(lines):
        if SKIP_LINE.search(line) or '"' in line and line.strip().startswith(('"', "L\"")):
            continue
        code = line.split("//")[0]
        for name, pattern, repl in OPERATORS:
            for m in re.finditer(pattern, code):
                if repl is None:
                    new = str(int(m.group(1)) + 1)
                else:
                    new = repl
                mutated = line[:m.start()] + new + line[m.end():]
                found.append((path, i, name, line, mutated))
        if DROPPABLE.match(code) and not code.rstrip().endswith(("{", ",")):
            found.append((path, i, "drop statement", line, ""))
    return found


def run(cmd, timeout):
    try:
        return subprocess.run(cmd, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def describe(path, i, name, old, new):
    return f"{os.path.relpath(path, ROOT)}:{i + 1} {name}: {new.strip() or '(dropped: ' + old.strip() + ')'}"


def tests_pass(unit_tests, jobs):
    """Runs the unit tests split into jobs shards side by side; true when every shard passes."""
    shards = [subprocess.Popen([unit_tests, "--gtest_brief=1", "--gtest_fail_fast"], cwd=ROOT,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               env=dict(os.environ, GTEST_TOTAL_SHARDS=str(jobs), GTEST_SHARD_INDEX=str(i)))
              for i in range(jobs)]
    deadline = time.monotonic() + 120  # a shard takes seconds; one stuck on a mutant is killed
    passed = True
    for shard in shards:
        try:
            passed = shard.wait(timeout=max(0, deadline - time.monotonic())) == 0 and passed
        except subprocess.TimeoutExpired:
            shard.kill()
            shard.wait()
            passed = False
    return passed


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build")
    ap.add_argument("--count", type=int, default=30)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--files", nargs="*", default=["game/*.cpp", "store/*.cpp"])
    ap.add_argument("--jobs", type=int, default=4)
    ap.add_argument("--rerun", metavar="LOG")
    ap.add_argument("--list", action="store_true", help="print the chosen mutants and stop")
    args = ap.parse_args()

    files = sorted({f for g in args.files for f in glob.glob(os.path.join(ROOT, g))})
    pool = [m for f in files for m in mutants_of(f)]
    rng = random.Random(args.seed)
    chosen = rng.sample(pool, min(args.count, len(pool)))
    print(f"{len(pool)} possible mutants in {len(files)} files; trying {len(chosen)}", flush=True)
    if args.list:
        for path, i, name, old, new in chosen:
            print(f"{os.path.relpath(path, ROOT)}:{i + 1}: {name}: {new.strip() or '(dropped)'}")
        return 0

    unit_tests = os.path.join(args.build, "bin", "unit_tests")
    tally = {"killed": 0, "survived": 0, "no build": 0}
    if args.rerun:
        with open(args.rerun, encoding="utf-8") as f:
            earlier = {line[10:].rstrip("\n"): line[:9].strip() for line in f
                       if line[:9].strip() in tally}
        again = []
        for mutant in chosen:
            verdict = earlier.get(describe(*mutant))
            if verdict is None or verdict == "survived":
                again.append(mutant)
            else:
                tally[verdict] += 1
        print(f"{len(chosen) - len(again)} keep their earlier verdict; trying {len(again)} again", flush=True)
        chosen = again
    for path, i, name, old, new in chosen:
        with open(path, encoding="utf-8") as f:
            original = f.read()
        lines = original.split("\n")
        lines[i] = new
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write("\n".join(lines))
            if run(["cmake", "--build", args.build, "-j2", "--target", "unit_tests"], 900) != 0:
                verdict = "no build"
            else:
                verdict = "survived" if tests_pass(unit_tests, args.jobs) else "killed"
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        tally[verdict] += 1
        print(f"{verdict:9} {describe(path, i, name, old, new)}", flush=True)
    # Back to the sources as they are.
    run(["cmake", "--build", args.build, "-j2", "--target", "unit_tests"], 900)
    built = tally["killed"] + tally["survived"]
    print(f"killed {tally['killed']} of {built} mutants that built ({tally['no build']} did not build)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
