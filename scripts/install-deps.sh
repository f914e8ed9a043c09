#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and be tested. Quiet and quick when
# everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libwxgtk3.2-dev libsqlite3-dev libcanberra-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick xdg-utils
  fonts-wine fonts-liberation2
  wamerican-small
  libgtk-3-dev dbus-bin at-spi2-core python3-pyatspi
)
# The sanitizer build prefers clang, whose runtime also carries libFuzzer.
[ "${1:-}" = "--sanitize" ] && packages+=(clang libclang-rt-dev)
[ "${1:-}" = "--runtime" ] && packages=(libwxgtk3.2-1 libsqlite3-0 libcanberra0 xdg-utils fonts-wine fonts-liberation2)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
