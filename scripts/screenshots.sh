#!/usr/bin/env bash
# Writes PNG pictures of QOR_PLOT's windows into build/screenshots/: the main
# window without a file and with a sample grid file loaded, the windows reached
# from its menus (file-open dialog, Setup, About, Setup printer), the
# messages of "Open (by file)" for a file it refuses, and the settings dialogs
# behind its buttons at 1024 and 800 pixels, and the catalog windows (creation's
# progress and confirmation, the requirement and grid-file windows, their boxes).
# The test program screenshot_scenes plays its scenes on the sample package
# under a virtual X display (Xvfb) with a window manager (openbox) that draws
# the title bars; tests/screenshots/ holds the scenes.
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
cmake --build "$build" --target screenshot_scenes map_window_shots qorsample -j2

# A fresh package: a copy a scene makes in it, left by an interrupted run,
# would stop that scene.
rm -rf "$build/sample"
"$build/qorsample" "$build/sample"
out=$build/screenshots
rm -rf "$out"
mkdir -p "$out"

export LC_ALL=C.UTF-8
# A window manager frames the windows, so that each picture shows its window's
# title bar and whether the caption fits it.
timeout 300 xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  openbox >/dev/null 2>&1 &
  manager=$!
  trap "kill $manager 2>/dev/null" EXIT
  sleep 1
  "$@"' screenshots "$build/screenshot_scenes" --package "$build/sample" "$out"
# The map program's window (Great Circle and Lat/Lon, the pointer resting on
# the map so that the status bar reads its values) and its print dialog.
timeout 300 xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  openbox >/dev/null 2>&1 &
  manager=$!
  trap "kill $manager 2>/dev/null" EXIT
  sleep 1
  "$@"' screenshots "$build/map_window_shots" --package "$build/sample" "$out"
echo "The pictures are in $out/"
