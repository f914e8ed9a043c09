#!/usr/bin/env bash
# The Debian package as a player gets it, checked without touching this machine's own system: built
# by CPack, judged by lintian and the software-centre validators, then installed by dpkg into a
# throw-away root, its program run from there (data found from /usr/games, wherever that root lies),
# and removed again.
# Usage: package.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "package.sh: $*" >&2; exit 1; }

(cd "$tmp" && cpack -G DEB -B "$tmp/out" --config "$build/CPackConfig.cmake" >/dev/null) || fail "cpack -G DEB failed"
deb="$(ls "$tmp"/out/*.deb)"
echo "built $(basename "$deb")"

# The sound library may be opened at run time or linked: either way the package must ask for it.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for lib in libwxgtk3.2 libsqlite3 libcanberra libfontconfig libc6 libstdc++ fonts-liberation2; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done

# lintian as Debian's archive would run it. Errors and warnings fail; what it only mentions is
# shown, except what the build itself should have settled: hardening and stripping.
lintian_rc=0
lintian -I -E --pedantic --show-overrides --fail-on error,warning "$deb" >"$tmp/lintian" 2>&1 || lintian_rc=$?
lintian_out="$(grep -v 'running with root privileges' "$tmp/lintian" || true)"
[ "$lintian_rc" -eq 0 ] || fail "lintian found errors or warnings:"$'\n'"$lintian_out"
if grep -E '^[IP]: .* (hardening-no-|binary-has-unneeded-section|unstripped-binary)' <<<"$lintian_out"; then
  fail "built without the distribution's hardening flags or not stripped (configure as ./test.sh does)"
fi
echo "lintian: no errors or warnings${lintian_out:+; it mentions:}"
[ -z "$lintian_out" ] || sed 's/^/  /' <<<"$lintian_out"

# Install into an empty root of its own: dpkg's database there knows none of the dependencies.
root="$tmp/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg_root() { dpkg --root="$root" --force-not-root --force-depends --log=/dev/null "$@"; }
dpkg_root -i "$deb" >/dev/null 2>"$tmp/dpkg.err" || fail "dpkg -i into $root failed: $(cat "$tmp/dpkg.err")"

prog="$root/usr/games/veltrane-quillorn"
data="$root/usr/share/games/veltrane-quillorn"
doc="$root/usr/share/doc/veltrane-quillorn"
[ -x "$prog" ] || fail "no usr/games/veltrane-quillorn in the package"
for page in ZentraHelp.htm ZentraHelp.de.htm ZentraHelp.fr.htm; do
  [ -f "$data/$page" ] || fail "the help page $page is not in usr/share/games/veltrane-quillorn"
done
[ -f "$doc/copyright" ] && [ -f "$doc/changelog.gz" ] || fail "no copyright or changelog.gz in usr/share/doc"
version="$("$prog" --version)"
[ "$version" = "veltrane-quillorn $(dpkg-deb -f "$deb" Version)" ] || fail "--version says '$version'"

# The player's own folders, so that nothing of the runs below lands in the root.
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
sets=("$data"/*.set)
[ -f "${sets[0]}" ] || fail "no word sets in usr/share/games/veltrane-quillorn"
for set in "${sets[@]}"; do
  "$prog" --check-set "$set" >/dev/null || fail "--check-set failed on $(basename "$set")"
done
"$prog" --check-set "$data/Standard.set" | head -4
# The word check's dictionary ships beside the sets, in its own folder: readable, never a set.
"$prog" --check-set "$data/dictionary/Everyday.set" >/dev/null || fail "no readable dictionary/Everyday.set"
# A first start plays the set of the desktop's language (what --solve reports is the set the game
# would start with), English for any other.
for wanted in de_DE.UTF-8:German fr_CA.UTF-8:French C.UTF-8:Standard it_IT.UTF-8:Standard; do
  first="$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="${wanted%%:*}" XDG_CONFIG_HOME="$tmp/first-${wanted%%:*}" \
    "$prog" --solve --json | grep -o '"set": "[^"]*"')"
  [ "$first" = "\"set\": \"${wanted#*:}\"" ] || fail "a first start under ${wanted%%:*} would play $first"
done
"$prog" --stats --skill beginner >"$tmp/stats" || fail "--stats failed"
# The catalogs where gettext looks, found by the installed game from /usr/games.
for lang in de fr; do
  [ -f "$root/usr/share/locale/$lang/LC_MESSAGES/veltrane-quillorn.mo" ] || fail "no $lang catalog in usr/share/locale"
done
if locale -a 2>/dev/null | grep -qx de_DE.utf8; then
  LC_ALL=de_DE.UTF-8 "$prog" --help | grep -q '^Aufruf: ' || fail "the installed game's --help is not German under de_DE"
fi
grep -q "Words played" "$tmp/stats" || fail "--stats printed: $(cat "$tmp/stats")"

# The installed program knows its own sets: making a set of a shipped name tells which file the
# game plays instead, found from usr/games.
printf 'tiger\n' >"$tmp/words"
"$prog" --make-set Animals "$tmp/words" >/dev/null 2>"$tmp/make.err" || true
grep -qF "the game's own $data/Animals.set" "$tmp/make.err" ||
  fail "the installed program did not find its own sets: $(cat "$tmp/make.err")"
# With a display, the game itself starts from there, finds its sets and opens its New Game dialog
# (without sets it would stop at a message box instead, and time out).
if [ -n "${DISPLAY:-}" ]; then
  NO_AT_BRIDGE=1 "$prog" >/dev/null 2>&1 &
  game=$!
  shown=""
  for _ in $(seq 300); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Quillorn"' && { shown=1; break; }
    kill -0 "$game" 2>/dev/null || break
    sleep 0.2
  done
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  [ -n "$shown" ] || fail "the installed game did not open its New Game dialog on $DISPLAY"
fi

share="$root/usr/share"
desktop-file-validate "$share/applications/veltrane-quillorn.desktop"
for metainfo in "$share"/metainfo/*.metainfo.xml; do
  appstreamcli validate --pedantic --no-net "$metainfo" >"$tmp/as.out" 2>&1 ||
    fail "appstreamcli: $(cat "$tmp/as.out")"
  grep -q '^\(E\|W\):' "$tmp/as.out" && fail "appstreamcli: $(cat "$tmp/as.out")"
  appstream-util validate-strict --nonet "$metainfo" >"$tmp/as.out" 2>&1 ||
    fail "appstream-util: $(cat "$tmp/as.out")"
  grep -q "<release version=\"$(dpkg-deb -f "$deb" Version)\"" "$metainfo" ||
    fail "the AppStream data has no release $(dpkg-deb -f "$deb" Version)"
done
echo "AppStream data passes appstreamcli --pedantic and appstream-util validate-strict"
for size in 16 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/veltrane-quillorn.png"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "no ${size}px icon"
done
[ -f "$share/icons/hicolor/scalable/apps/veltrane-quillorn.svg" ] || fail "no scalable icon"

# The manual pages, English and German, are well formed and name every option the program's usage
# names.
for man in "$share/man/man6/veltrane-quillorn.6.gz" "$share/man/de/man6/veltrane-quillorn.6.gz"; do
  [ -f "$man" ] || fail "no ${man#"$root"}"
  warnings="$(zcat "$man" | groff -t -man -ww -z -K utf8 2>&1)"
  [ -z "$warnings" ] || fail "man page ${man#"$root"}: $warnings"
  manual="$(zcat "$man" | sed 's/\\-/-/g')"
  for option in $("$prog" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "$option" <<<"$manual" || fail "the man page ${man#"$root"} does not mention $option"
  done
done

# man itself finds the German page where a German desktop looks for it, and the English one otherwise.
MANPATH="$share/man" man -L de 6 veltrane-quillorn 2>&1 | grep -q '^BEZEICHNUNG' || fail "man -L de does not show the German page"
MANPATH="$share/man" man -L en 6 veltrane-quillorn 2>&1 | grep -q '^NAME' || fail "man -L en does not show the English page"

# Removed, the package leaves nothing behind in the root but dpkg's own records.
dpkg_root --purge veltrane-quillorn >/dev/null 2>"$tmp/dpkg.err" || fail "dpkg --purge failed: $(cat "$tmp/dpkg.err")"
left="$(cd "$root" && find . -mindepth 1 -path ./var -prune -o -print)"
[ -z "$left" ] || fail "left behind after removal:"$'\n'"$left"
! ls "$root/var/lib/dpkg/info" | grep -q veltrane || fail "dpkg still keeps the package's records"
echo "installed into a throw-away root, run from there and removed without a trace"
echo "package checks passed"
