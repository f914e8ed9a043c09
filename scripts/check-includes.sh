#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own, or when code below the line
# includes the toolkit. Layers, top to bottom: app, view, dialogs, ui, game, store, platform; cli
# sits beside the screen's layers, above game, and only app includes it.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(platform store game cli ui dialogs view app)
rank() {
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}

bad=0
for layer in "${layers[@]}"; do
  own=$(rank "$layer")
  while IFS=: read -r file line target; do
    dep=${target%%/*}
    r=$(rank "$dep")
    if [ "$r" -gt "$own" ]; then
      echo "$file:$line: $layer must not include $target ($dep is above $layer)" >&2
      bad=1
    fi
  done < <(grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$layer"/*.h "$layer"/*.cpp 2>/dev/null |
           sed -E 's/^([^:]*):([0-9]+):.*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1:\2:\3/')
done

for layer in ui dialogs view; do
  if grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"cli/' "$layer"/*.h "$layer"/*.cpp 2>/dev/null; then
    echo "check-includes: $layer must not include cli (it sits beside $layer)" >&2
    bad=1
  fi
done

# Below the line nothing knows the toolkit, so the rules run and are tested without a display.
for layer in platform store game cli; do
  if grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*<wx/' "$layer"/*.h "$layer"/*.cpp 2>/dev/null; then
    echo "check-includes: $layer must not include wxWidgets" >&2
    bad=1
  fi
done

[ "$bad" -eq 0 ] && echo "check-includes: every include points down"
exit "$bad"
