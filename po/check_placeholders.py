#!/usr/bin/env python3
"""Each translation in the given .po files keeps the %1..%9 places of its English text: msgfmt
checks printf formats (%s, %d), but the game's own %1 places are plain text to it, and a lost one
would drop a number or a word from what the player reads."""
import re
import sys


def entries(path):
    """(msgid, msgid_plural, [msgstr...]) for each entry, obsolete ones left out."""
    out, cur, field = [], {}, None
    for raw in open(path, encoding="utf-8"):
        line = raw.strip()
        if not line or line.startswith("#"):
            if cur.get("msgid") is not None:
                out.append(cur)
            cur, field = {}, None
            continue
        m = re.match(r'(msgid_plural|msgid|msgstr(?:\[\d+\])?|msgctxt)\s+(".*")$', line)
        if m:
            field = m.group(1)
            cur[field] = ""
            line = m.group(2)
        cur[field] += line[1:-1].encode().decode("unicode_escape").encode("latin-1").decode("utf-8")
    if cur.get("msgid") is not None:
        out.append(cur)
    return out


def places(text):
    return sorted(set(re.findall(r"%[1-9]", text.replace("%%", ""))))


status = 0
for path in sys.argv[1:]:
    for e in entries(path):
        if not e["msgid"]:
            continue
        strs = [v for k, v in e.items() if k.startswith("msgstr")]
        want = places(e.get("msgid_plural", e["msgid"]))
        for s in strs:
            if s and places(s) != want:
                print(f"{path}: {e['msgid']!r}: the translation has {places(s)}, the English {want}")
                status = 1
sys.exit(status)
