#!/usr/bin/env bash
# Writes PNG pictures of QOR_PLOT's windows into build/screenshots/: the main
# window without a file and with a sample grid file loaded, and the windows
# reached from its menus (file-open dialog, Setup, About, Setup printer).
# Runs qorplot on the sample package under a virtual X display (Xvfb).
#
#   scripts/screenshots.sh            # build dir: build
#   BUILD_DIR=build-x scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${BUILD_DIR:-build}
case $build in /*) ;; *) build=$root/$build ;; esac

scripts/setup-deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target qorplot qorsample -j2

"$build/qorsample" "$build/sample"
out=$build/screenshots
rm -rf "$out"
mkdir -p "$out"

# The program pictures its windows itself when asked through the environment:
# it pictures the window without a file, opens each listed menu action's window
# and closes it again, opens the grid file, does the same for the loaded file,
# and exits.
export QOR_SCREENSHOT_DIR=$out
export QOR_SCREENSHOT_ACTIONS=OPENDATA,SETUPCB,ABOUT,PRINTER_SETUP
export QOR_SCREENSHOT_OPEN=$build/sample/AREADATA/SAMPLE_001/SAMPLE01.HG1
export LC_ALL=C.UTF-8
timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/qorplot" "$build/sample/RUN" HALDOR SAMPLE_001

# The main window's own picture under its objectName duplicates one of the two
# named ones.
rm -f "$out/SCREEN.png"
shopt -s nullglob
pictures=("$out"/*.png)
if [ ${#pictures[@]} -eq 0 ]; then
  echo "no screenshots were written" >&2
  exit 1
fi
printf '%s\n' "${pictures[@]}"
