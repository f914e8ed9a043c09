#!/usr/bin/env bash
# Every catalog in po/ is complete against the template the build made from the sources (passed as
# $1): each text translated, none fuzzy, none left over from texts the game no longer has, and
# msgfmt --check content with the formats, plural forms and header, and every %1 place kept.
set -uo pipefail
pot="$1"
cd "$(dirname "$0")"
status=0
for po in *.po; do
  stats="$(msgfmt --check --statistics --output-file=/dev/null "$po" 2>&1)" || { echo "$po: $stats"; status=1; continue; }
  echo "$po: $stats"
  case "$stats" in *untranslated* | *fuzzy*) echo "$po: not complete" >&2; status=1 ;; esac
  # Each text of the template has a finished translation here.
  msgcmp "$po" "$pot" || status=1
  # And nothing is translated that the game no longer says (an obsolete entry is a text that changed).
  obsolete="$(msgattrib --only-obsolete "$po" | grep -c '^#~ msgid' || true)"
  stale="$(msgcomm --less-than=2 --unique "$po" "$pot" 2>/dev/null | msgattrib --no-obsolete | grep -c '^msgid ' || true)"
  [ "$obsolete" -eq 0 ] || { echo "$po: $obsolete obsolete entries" >&2; status=1; }
  [ "$stale" -eq 0 ] || { echo "$po: texts the sources no longer have:" >&2
                          msgcomm --less-than=2 --unique "$po" "$pot" | grep '^msgid ' | head -20 >&2; status=1; }
done
# The game's own %1..%9 places, which msgfmt does not know about.
python3 ./check_placeholders.py *.po || status=1
exit $status
