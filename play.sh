#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "play.sh: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  exit 1
fi

./scripts/install-deps.sh --play
# The build type is the one the folder has (./test.sh makes it a Release build).
cmake -S . -B build >/dev/null
cmake --build build -j2 --target veltrane-quillorn
exec ./build/bin/veltrane-quillorn "$@"
