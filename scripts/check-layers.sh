#!/usr/bin/env bash
# Fails when a source file includes a header from a folder its layer may not
# use. The layers, from the ground up:
#   platform/                 includes nothing of ours (operating system services)
#   base/                     platform/
#   toolkit/                  base/, platform/ (and Qt): knows no record of the system
#   areadata/ plotsettings/   base/, platform/, each other, and of app/ only the first
#   plotout/ catalog/         subsystem's records and settings (path_state.h, color_tables.h,
#                             settings_files.h, window_style.h); their *_view.cpp files
#                             also toolkit/
#   app/                      everything above (start-up, the Session, the main window)
#   mapdraw/                  base/, platform/, the subsystems and app/'s records and settings
#                             (the map program: no Session, no window toolkit); its core,
#                             the files directly in mapdraw/, uses no Qt; paint/ (Qt Gui)
#                             does not reach up into window/ (Qt Widgets), and only the
#                             program's main uses both
# Programs, the sample writer, tests and benchmarks sit on top and may use any layer.
set -euo pipefail
cd "$(dirname "$0")/.."

subsystems="areadata plotsettings plotout catalog"
app_records="app/(path_state|color_tables|settings_files|window_style)\.h"
failed=0

report() {
  echo "layer rule broken: $1" >&2
  failed=1
}

check_folder() {  # folder, extended regex of the folders it may include
  local folder=$1 allowed=$2 line file header
  while IFS= read -r line; do
    file=${line%%:*}
    header=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$line")
    case $header in */*) ;; *) continue ;; esac
    if [[ $header == "$folder"/* ]]; then continue; fi
    if [[ $file == *_view.cpp || $file == *_view.h ]] && [[ $header == toolkit/* ]]; then
      if [[ " $subsystems " == *" $folder "* ]]; then continue; fi
    fi
    if ! grep -qE "^($allowed)" <<<"$header"; then report "$file includes $header"; fi
  done < <(git grep -n -E '^#include "[^"]+"' -- "$folder" || true)
}

check_folder platform '$^'
check_folder base 'platform/'
check_folder toolkit 'base/|platform/'
for folder in $subsystems; do
  check_folder "$folder" "base/|platform/|areadata/|plotsettings/|plotout/|catalog/|$app_records"
done

check_folder mapdraw "base/|platform/|areadata/|plotsettings/|plotout/|$app_records"

# The map core is tested and drawn to files without a display: no Qt in it.
while IFS= read -r line; do
  report "${line%%:*} uses Qt in the map core"
done < <(git grep -n -E '^#include <Q' -- 'mapdraw/*.cpp' 'mapdraw/*.h' \
  ':!mapdraw/paint/' ':!mapdraw/window/' ':!mapdraw/*_main.cpp' || true)
while IFS= read -r line; do
  report "${line%%:*} includes the map window"
done < <(git grep -n -E '^#include "mapdraw/window/' -- 'mapdraw/*' ':!mapdraw/window/' \
  ':!mapdraw/*_main.cpp' || true)

if [ $failed -ne 0 ]; then exit 1; fi
echo "layers: every include keeps to its layer"
