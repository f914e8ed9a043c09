#!/usr/bin/env bash
# The word check's dictionary is exactly what --make-set makes of SCOWL's everyday word lists up
# to size 35, a larger list than the Standard set's, so anyone can check it and rebuild it.
# Usage: dictionary.sh PROGRAM SHIPPED_DICTIONARY
set -euo pipefail
program="$1" shipped="$2"
scowl=/usr/share/dict/scowl
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
lists=()
for size in 10 20 35; do
  lists+=("$scowl/english-words.$size" "$scowl/american-words.$size")
done
"$program" --make-set Everyday --title "Everyday: the word check's dictionary, from SCOWL sizes 10, 20 and 35" \
  --ascii --output "$tmp" "${lists[@]}" >/dev/null
cmp "$tmp/Everyday.set" "$shipped"
echo "Everyday.set is what --make-set makes of SCOWL sizes 10, 20 and 35"
