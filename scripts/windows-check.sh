#!/usr/bin/env bash
# Builds the core for Windows and proves it there, headless, under Wine:
#
#   1. cross-builds qorcore, qortool.exe, qorsample.exe, the stand-in map
#      program and the core's GoogleTest programs with MinGW-w64 (GoogleTest
#      itself from Debian's googletest sources), in build-windows/;
#   2. runs the core tests under Wine (wine64), one ctest entry per test, as on
#      Linux;
#   3. runs qorsample.exe and qortool.exe on a sample package below a folder
#      whose name holds a blank: plot --window starts the stand-in map program
#      with the plot menu's arguments, catalog creates and sorts a catalog.
#
# The windows (Qt 6) are not built: Debian has no Qt for MinGW.
#
#   scripts/windows-check.sh           everything above
#   scripts/windows-check.sh --quick   the build and the core tests only
#
# As root it installs the Debian packages it lacks (scripts/setup-deps.sh
# --windows); as another user it prints the apt-get line and stops.
set -euo pipefail
cd "$(dirname "$0")/.."
# Nothing here reads input; Wine gets a real standard input even where the
# caller has none.
exec </dev/null
source_dir=$PWD
build=$source_dir/build-windows

quick=false
if [ "${1:-}" = "--quick" ]; then quick=true; fi

started=$(date +%s)
elapsed() { echo "$(($(date +%s) - started)) s"; }

scripts/setup-deps.sh --windows
echo "== packages in place ($(elapsed))"

# Wine, quiet and without windows: no debug channels, no Mono or Gecko install
# dialogs, no display. The prefix is made once per build folder.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEPREFIX=$build/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
# One server for every program of this run, not one started per program; Wine's
# own services start now, away from the output pipes that cmake and ctest wait
# on (a service holding such a pipe open would stall them).
echo "== starting Wine ($(elapsed))"
mkdir -p "$WINEPREFIX"
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$wine" wineboot --init </dev/null >/dev/null 2>&1

echo "== building for Windows ($(elapsed))"
options=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DQOR_WERROR=ON
  -DQOR_GUI=OFF -DQOR_BENCH=OFF -DQOR_GTEST_SOURCE=/usr/src/googletest)
if command -v ccache >/dev/null; then
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake --no-warn-unused-cli -S . -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"

echo "== core tests under Wine ($(elapsed))"
# Now and then Wine fails to start a program at all (exit status without a
# line of output, in a hundredth of a second). A test that fails is run once
# more, alone, and its name is printed: a fault of the program fails twice.
if ! (cd "$build" && ctest --output-on-failure -j"$(nproc)"); then
  echo "== running the failed tests once more, one at a time ($(elapsed))"
  (cd "$build" && ctest --rerun-failed --output-on-failure -j1)
fi

if $quick; then
  echo "== Windows check done, end-to-end runs left out ($(elapsed))"
  exit 0
fi

echo "== qorsample and qortool under Wine ($(elapsed))"
# The Windows form of a Linux path (Wine's drive Z: is /).
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
run() { "$wine" "$@" | tr -d '\r'; }
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# A short folder: the run directory field holds 50 characters.
scratch=$(mktemp -d /tmp/qorwin.XXXXXX)
trap 'rm -rf "$scratch"; "$wineserver" -k 2>/dev/null || true' EXIT
root="$scratch/hf plots"
win_root=$(windows_path "$root")
run "$build/qorsample.exe" "$win_root" >/dev/null
[ -f "$root/AREADATA/SAMPLE_001/MIRV01.MG1" ] || fail "qorsample.exe wrote no sample package"

# plot --window: the stand-in map program, installed as the package's Windows
# map program, records the folder it started in and its arguments.
mkdir -p "$root/bin_win"
cp "$build/fake_map_program.exe" "$root/bin_win/terrapix.exe"
grid="$win_root\\AREADATA\\SAMPLE_001\\MIRV01.MG1"
printed=$(run "$build/qortool.exe" plot --window "$grid")
expected="$win_root\\bin_win\\terrapix.exe $win_root\\RUN AREADATA zonegrfx.dat"
[ "$printed" = "$expected" ] || fail "qortool plot printed: $printed"
record="$root/bin_win/terrapix.exe.record"
for _ in $(seq 100); do [ -f "$record" ] && break; sleep 0.1; done
[ -f "$record" ] || fail "the map program was not started (expected $expected)"
expected_record=$(printf 'cwd=%s\nargc=3\narg=%s\narg=AREADATA\narg=zonegrfx.dat\nzonegrfx.dat=%s' \
  "$win_root\\RUN" "$win_root\\RUN" "$(wc -c <"$root/RUN/zonegrfx.dat")")
[ "$(head -n 6 "$record" | tr -d '\r')" = "$expected_record" ] ||
  fail "the map program was started as: $(cat "$record")"
grep -q $'\r$' "$root/RUN/zonegrfx.dat" || fail "zonegrfx.dat does not end its lines in CR LF"
echo "   plot --window started the map program in \"$win_root\\RUN\" with its three arguments"

# catalog create and sort: the catalog lists the sample's three HALDOR runs.
tokens=("$win_root\\RUN" HALDOR SAMPLE_001)
catalog="$root/AREADATA/SAMPLE_001/HALDOR.TXT"
printed=$(run "$build/qortool.exe" catalog "${tokens[@]}" create)
grep -q "created with    3 HALDOR" <<<"$printed" || fail "qortool catalog create printed: $printed"
[ "$(head -c 5 "$catalog")" = "    3" ] || fail "the catalog holds: $(head -n 1 "$catalog")"
printed=$(run "$build/qortool.exe" catalog "${tokens[@]}" sort FTL)
grep -q "Frequency/Time/Location" <<<"$printed" || fail "qortool catalog sort FTL printed: $printed"
frequencies=$(tail -n +3 "$catalog" | cut -c18-22 | tr -d '\r' | tr '\n' ' ')
[ "$frequencies" = " 9.59 11.85 15.26 " ] || fail "catalog after sort FTL: frequencies $frequencies"
# Entry 1 is now SAMPLE02, whose hour 3 was not calculated.
printed=$(run "$build/qortool.exe" catalog "${tokens[@]}" grids 1)
grep -q "^SAMPLE02.HG3=(file not calculated)" <<<"$printed" ||
  fail "qortool catalog grids 1 printed: $printed"
echo "   catalog create and sort FTL: entries by frequency$frequencies"

echo "== Windows check passed ($(elapsed))"
