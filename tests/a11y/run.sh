#!/usr/bin/env bash
# Runs a screen-reader test: a session bus of its own, the accessibility bus on it, and the game
# with GTK's accessibility bridge switched on (the other window tests switch it off).
# Usage: run.sh <path to veltrane-quillorn> [test script in this folder, a11y_tree.py by default]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
exec dbus-run-session -- bash -c '
  set -euo pipefail
  unset NO_AT_BRIDGE
  # Ask the session bus for the accessibility bus, so that no other session on the same display
  # (whose address hangs on the root window) is used by mistake.
  addr="$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress)"
  export AT_SPI_BUS_ADDRESS="$(echo $addr)"
  exec /usr/bin/python3 "$0" "$1"
' "$here/${2:-a11y_tree.py}" "$1"
