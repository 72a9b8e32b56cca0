#!/usr/bin/env bash
# Starts QOR_PLOT on the sample package (its run directory, HALDOR and the
# sample sub-directory SAMPLE_001).
#
#   ./run.sh                 installs what is missing, builds the programs
#                            (qorplot, the map program terrapix, qorsample) in
#                            build-run/, writes the sample package into
#                            build-run/sample and opens QOR_PLOT's main window
#   ./run.sh --screenshots   the same without a display: drives the windows
#                            under a virtual display and writes their pictures
#                            into build-run/screenshots/
#
# build-run/ is this script's own build folder (an optimised build of the
# programs alone); ./test.sh builds and tests in build/. Neither rebuilds the
# other's, and a second ./run.sh only starts the program.
set -euo pipefail
cd "$(dirname "$0")"
build=build-run

mode=window
case "${1:-}" in
  "") ;;
  --screenshots) mode=screenshots ;;
  -h | --help)
    sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'
    exit 0
    ;;
  *)
    echo "run.sh: unknown option '$1' (./run.sh or ./run.sh --screenshots)" >&2
    exit 2
    ;;
esac

if [ "$mode" = window ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<EOF
No display: DISPLAY and WAYLAND_DISPLAY are unset, so QOR_PLOT's window cannot
be shown here. Nothing was built.

To look at the program without a display, run

  ./run.sh --screenshots

It builds the programs, drives QOR_PLOT's windows on the sample package under
a virtual display, writes a picture of each window (main window without and
with a grid file, file-open dialog, Setup, About, Setup printer, ...) into
  $PWD/$build/screenshots/
and ends. From a display, ./run.sh opens the window itself.
EOF
  exit 1
fi

scripts/setup-deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQOR_BENCH=OFF >/dev/null
fi

if [ "$mode" = screenshots ]; then
  BUILD_DIR=$build exec scripts/screenshots.sh
fi

cmake --build "$build" --target qorplot terrapix qorsample -j"$(nproc)"
"$build/qorsample" "$build/sample" >/dev/null
# "Plot to" starts the package's map programs: bin_win\terrapix.exe for a
# window or the printer, bin\terradox.exe for the full screen (offered when
# fonts\vgafix.fon is there too). Both are the program just built, which
# takes its form from the name it is started under.
scripts/install-map-programs.sh "$PWD/$build/terrapix" "$build/sample"
# The run directory field holds 50 characters: below a deep checkout the
# sample is reached through a short link instead.
run_dir="$PWD/$build/sample/RUN"
if [ ${#run_dir} -gt 50 ]; then
  link="/tmp/qorplot-sample-$(id -u)"
  ln -sfn "$PWD/$build/sample" "$link"
  run_dir="$link/RUN"
fi
exec "$build/qorplot" "$run_dir" HALDOR SAMPLE_001
