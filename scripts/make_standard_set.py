#!/usr/bin/env python3
"""Writes resources/sets/Standard.set from Debian's wamerican-small word list.

Only words of five, six or seven lower-case letters a-z are kept: anything with a capital is a
proper name, anything with an apostrophe or accent cannot be typed on the game's keypad. Each
section is shuffled once with a fixed seed, so the game (which plays a set in file order) does not
walk through the alphabet, and the output is the same on every run. Lines end in CR LF.

Usage: scripts/make_standard_set.py [--dict PATH] [--out PATH]
"""
import argparse
import os
import random
import re
import sys

SEED = 20260
SECTIONS = (("<BEGINNER>", 5), ("<INTERMEDIATE>", 6), ("<ADVANCED>", 7))
TITLE = "Standard: everyday English words, from wamerican-small"
WORD = re.compile(r"^[a-z]{5,7}$")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dict", default="/usr/share/dict/american-english-small")
    parser.add_argument("--out", default=os.path.join(here, "..", "resources", "sets", "Standard.set"))
    args = parser.parse_args()

    try:
        with open(args.dict, encoding="utf-8") as f:
            words = sorted({line.strip() for line in f if WORD.match(line.strip())})
    except OSError as e:
        print(f"cannot read {args.dict}: {e} (install wamerican-small)", file=sys.stderr)
        return 2

    rng = random.Random(SEED)
    lines = [TITLE, ""]
    for marker, length in SECTIONS:
        section = [w for w in words if len(w) == length]
        rng.shuffle(section)
        lines.append(marker)
        lines.extend(section)
        lines.append("")
        print(f"{marker} {len(section)} words", file=sys.stderr)

    with open(args.out, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("ascii"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
