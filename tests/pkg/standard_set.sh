#!/usr/bin/env bash
# The shipped Standard set is exactly what --make-set makes of SCOWL's everyday word lists, so
# anyone can check it, and rebuild it, with the game alone.
# Usage: standard_set.sh PROGRAM SHIPPED_SET
set -euo pipefail
program="$1" shipped="$2"
scowl=/usr/share/dict/scowl
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$program" --make-set Standard --title "Standard: everyday English words, from SCOWL's size-10 and size-20 lists" \
  --shuffle 20260 --ascii --output "$tmp" \
  "$scowl/english-words.10" "$scowl/english-words.20" "$scowl/american-words.10" "$scowl/american-words.20" >/dev/null
cmp "$tmp/Standard.set" "$shipped"
echo "Standard.set is what --make-set makes of SCOWL sizes 10 and 20"
