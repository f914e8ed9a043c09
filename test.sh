#!/usr/bin/env bash
# Builds everything and runs every test: unit tests without a display, window tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
./scripts/check-includes.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2

# Window tests need a display of their own: a private Xvfb keeps them off the player's screen and
# gives every run the same 96-dpi, 24-bit picture.
xvfb_pid=""
config_dir="$(mktemp -d)"
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$config_dir"
}
trap cleanup EXIT
display=""
for n in $(seq 90 299); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }
done
[ -n "$display" ] || { echo "test.sh: no free X display number for Xvfb" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo -display "$display" >/dev/null 2>&1 || { echo "test.sh: Xvfb did not start on $display" >&2; exit 1; }
export DISPLAY="$display"
# No sound server, no settings of the person running the tests.
export XDG_CONFIG_HOME="$config_dir"
export XDG_DATA_HOME="$config_dir/data"   # nor their game log
export NO_AT_BRIDGE=1

ctest --test-dir build --output-on-failure -j2 "$@"
