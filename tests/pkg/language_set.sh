#!/usr/bin/env bash
# The shipped German and French sets are exactly what --make-set makes of the everyday words of
# Debian's word lists (wngerman, wfrench), as common_words.py picks them, so anyone can check and
# rebuild them with the game and python3 alone.
# Usage: language_set.sh [--update] PROGRAM German|French SHIPPED_SET
#   --update writes the set made over SHIPPED_SET instead of comparing (after a new word list).
set -euo pipefail
update=""
[ "${1:-}" = --update ] && { update=1; shift; }
program="$1" name="$2" shipped="$3"
here="$(cd "$(dirname "$0")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
case "$name" in
  German)
    python3 "$here/common_words.py" de /usr/share/dict/ngerman >"$tmp/words"
    "$program" --make-set German --shuffle 20261 --ascii --output "$tmp" \
      --title "Deutsch: Alltagswörter aus wngerman, ohne Ä, Ö, Ü und ß" \
      "$tmp/words" >/dev/null ;;
  French)
    python3 "$here/common_words.py" fr /usr/share/dict/french >"$tmp/words"
    "$program" --make-set French --shuffle 20262 --fold-accents --ascii --output "$tmp" \
      --title "Français : mots courants de wfrench, sans accents (É → E)" \
      "$tmp/words" >/dev/null ;;
  *) echo "Usage: language_set.sh [--update] PROGRAM German|French SHIPPED_SET" >&2; exit 2 ;;
esac
if [ -n "$update" ]; then
  cp "$tmp/$name.set" "$shipped"
else
  cmp "$tmp/$name.set" "$shipped"
fi
# What the game reads from it: words for every skill, and nothing it passes over but the title
# (no word it cannot type, no line too long).
report="$("$program" --check-set "$shipped")"
if grep '^line ' <<<"$report" | grep -vqx 'line 1: before any section marker'; then
  echo "$report" >&2
  exit 1
fi
echo "$name.set is what --make-set makes of the everyday words of Debian's list, and --check-set has nothing to say"
