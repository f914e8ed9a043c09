#!/usr/bin/env bash
# The Debian package as a player gets it, checked without installing it on this machine: built by
# CPack, unpacked into a temporary root, its program run from there, its desktop files validated.
# Usage: package.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "package.sh: $*" >&2; exit 1; }

(cd "$tmp" && cpack -G DEB -B "$tmp/out" --config "$build/CPackConfig.cmake" >/dev/null) || fail "cpack -G DEB failed"
deb="$(ls "$tmp"/out/*.deb)"
echo "built $(basename "$deb")"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for lib in libwxgtk3.2 libsqlite3 libcanberra libfontconfig libc6 libstdc++ fonts-liberation2; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
prog="$root/usr/bin/veltrane-quillorn"
[ -x "$prog" ] || fail "no usr/bin/veltrane-quillorn in the package"
version="$("$prog" --version)"
[ "$version" = "veltrane-quillorn $(dpkg-deb -f "$deb" Version)" ] || fail "--version says '$version'"

# The unpacked program reads the sets and finds the help page that came with it.
libdir="$root/usr/lib/veltrane-quillorn"
[ -f "$libdir/ZentraHelp.htm" ] || fail "the help page is not beside the program"
for set in "$libdir"/*.set; do
  "$prog" --check-set "$set" >/dev/null || fail "--check-set failed on $(basename "$set")"
done
"$prog" --check-set "$libdir/Standard.set" | head -4

share="$root/usr/share"
desktop-file-validate "$share/applications/veltrane-quillorn.desktop"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml
for size in 16 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/veltrane-quillorn.png"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "no ${size}px icon"
done
[ -f "$share/icons/hicolor/scalable/apps/veltrane-quillorn.svg" ] || fail "no scalable icon"

# The manual page is well formed and names every option the program's usage names.
man="$share/man/man6/veltrane-quillorn.6.gz"
warnings="$(zcat "$man" | groff -t -man -ww -z -K utf8 2>&1)"
[ -z "$warnings" ] || fail "man page: $warnings"
manual="$(zcat "$man" | sed 's/\\-/-/g')"
for option in $("$prog" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -qF -- "$option" <<<"$manual" || fail "the man page does not mention $option"
done
echo "package checks passed"
