#!/usr/bin/env bash
# Refreshes the README's pictures: builds the picture maker and runs it on a private X server
# (1024x768, 96 dpi, 24 bits, no screen saver), so every maintainer gets the same pixels.
# Usage: tools/readme-shots.sh [DIR]   (default docs/)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs}"

./scripts/install-deps.sh --test   # Xvfb, xvfb-run and the game's fonts
cmake -S . -B build >/dev/null
cmake --build build -j2 --target readme_shots

config_dir="$(mktemp -d)"
trap 'rm -rf "$config_dir"' EXIT
# Nothing of the person running it: no settings, no sets of their own, no screen reader.
XDG_CONFIG_HOME="$config_dir" XDG_DATA_HOME="$config_dir/data" NO_AT_BRIDGE=1 \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -s 0 -nolisten tcp" build/bin/readme_shots "$out"
