#!/usr/bin/env bash
# Builds everything and runs every test: unit tests without a display, window tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"

# --sanitize: the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer in a
# folder of their own (clang when present, which also builds and briefly runs the fuzzers).
build=build
build_type=Release
cmake_args=(-DVQ_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  shift
  ./scripts/install-deps.sh --sanitize
  build=build-asan
  build_type=RelWithDebInfo
  cmake_args+=(-DVQ_SANITIZE=ON)
  command -v clang++ >/dev/null && cmake_args+=(-DCMAKE_CXX_COMPILER=clang++ -DVQ_FUZZ=ON)
  export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  ./scripts/install-deps.sh --test
  # The tests run on what a Debian packager builds: a Release build with the distribution's
  # flags (optimisation, fortify, stack protector, relro and bindnow), the package made from it.
  flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
  cmake_args+=(-DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)"
               -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)")
fi
./scripts/check-includes.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE="$build_type" "${cmake_args[@]}" >/dev/null
cmake --build "$build" -j2

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
# Another run may take the same free number at the same moment: then the next one is tried.
for n in $(seq 90 299); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do
    xdpyinfo -display ":$n" >/dev/null 2>&1 && { display=":$n"; break; }
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$display" ] && break
  kill "$xvfb_pid" 2>/dev/null; xvfb_pid=""
done
[ -n "$display" ] || { echo "test.sh: Xvfb did not start on any free display number" >&2; exit 1; }
export DISPLAY="$display"
# No sound server, no settings of the person running the tests.
export XDG_CONFIG_HOME="$config_dir"
export XDG_DATA_HOME="$config_dir/data"   # nor their game log or sets
export NO_AT_BRIDGE=1

ctest --test-dir "$build" --output-on-failure -j2 "$@"

# Each fuzzer for a fixed number of runs from its committed seeds; README says how to run longer.
for fuzzer in "$build"/bin/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name="$(basename "$fuzzer")"
  corpus="$(mktemp -d)"
  cp -r "fuzz/corpus/${name#fuzz_}/." "$corpus/"
  runs=20000
  [ "$name" = fuzz_registry ] && runs=500  # each run opens, checks and writes a database file: ~50 ms
  "$fuzzer" -runs="$runs" -seed=1 "$corpus" 2>&1 | tail -n 2
  rm -rf "$corpus"
done
