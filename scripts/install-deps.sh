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

build=(build-essential cmake pkg-config libwxgtk3.2-dev libgtk-3-dev libsqlite3-dev libcanberra-dev libfontconfig-dev libfreetype-dev gettext librsvg2-bin)
# wx3.2-i18n: the toolkit's own texts (its stock buttons) in the player's language.
play=(fonts-wine fonts-liberation2 wx3.2-i18n)
runtime=(libwxgtk3.2-1 libsqlite3-0 libcanberra0 fonts-wine fonts-liberation2 wx3.2-i18n)
test=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick
  scowl wngerman wfrench locales
  dbus-bin at-spi2-core python3-pyatspi orca
  dpkg-dev file appstream appstream-util desktop-file-utils groff-base man-db lintian
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
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The translations are tested under a German and a French desktop's locale.
case "${1:---test}" in
  --test | --sanitize)
    for l in de_DE fr_FR; do
      locale -a 2>/dev/null | grep -qx "$l.utf8" && continue
      if grep -q "^# *$l.UTF-8 UTF-8" /etc/locale.gen; then
        $sudo sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
      else
        echo "$l.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
      fi
      $sudo locale-gen >/dev/null
    done ;;
esac
