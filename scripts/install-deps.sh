#!/usr/bin/env bash
# Installs the Debian packages the game needs: `--play` what building and playing need (play.sh),
# `--test` that plus the test and benchmark tools (test.sh, the default; `--sanitize` adds clang),
# `--runtime` only what an installed copy needs to run. Quiet and quick when everything is there.
set -euo pipefail

# The package names below are Debian 12's; elsewhere they may not exist or mean something else.
. /etc/os-release 2>/dev/null || true
if [ "${ID:-}" != debian ] || { [ -n "${VERSION_ID:-}" ] && [ "${VERSION_ID%%.*}" -lt 12 ]; }; then
  echo "install-deps.sh: supports Debian 12 (bookworm) or later, not ${PRETTY_NAME:-this system}; install the packages listed in scripts/install-deps.sh by hand." >&2
  exit 1
fi

build=(build-essential cmake pkg-config libwxgtk3.2-dev libgtk-3-dev libsqlite3-dev libcanberra-dev libfontconfig-dev)
play=(fonts-wine fonts-liberation2)
runtime=(libwxgtk3.2-1 libsqlite3-0 libcanberra0 fonts-wine fonts-liberation2)
test=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick
  scowl wngerman wfrench
  dbus-bin at-spi2-core python3-pyatspi orca
  dpkg-dev file appstream appstream-util desktop-file-utils librsvg2-bin groff-base man-db lintian
)

case "${1:---test}" in
  --play) packages=("${build[@]}" "${play[@]}") ;;
  --test) packages=("${build[@]}" "${play[@]}" "${test[@]}") ;;
  # The sanitizer build prefers clang, whose runtime also carries libFuzzer.
  --sanitize) packages=("${build[@]}" "${play[@]}" "${test[@]}" clang libclang-rt-dev) ;;
  --runtime) packages=("${runtime[@]}") ;;
  *) echo "Usage: install-deps.sh [--play | --test | --sanitize | --runtime]" >&2; exit 2 ;;
esac

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
