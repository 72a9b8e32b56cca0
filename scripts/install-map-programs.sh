#!/usr/bin/env bash
# Puts the map program into a package as "Plot to" finds it:
#   bin_win/terrapix          the map window and printing
#   bin/terradox.exe          the full screen (the front end looks for this name)
#   fonts/vgafix.fon          the marker the front end needs beside terradox
# Both programs are links to the one terrapix given, which chooses its form by
# the name it is started under.
#
#   scripts/install-map-programs.sh BUILT_TERRAPIX PACKAGE_DIR
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILT_TERRAPIX PACKAGE_DIR" >&2
  exit 2
fi
program=$(realpath "$1")
package=$2
if [ ! -x "$program" ]; then
  echo "$0: $1 is not a program" >&2
  exit 1
fi
mkdir -p "$package/bin_win" "$package/bin" "$package/fonts"
ln -sfn "$program" "$package/bin_win/terrapix"
ln -sfn "$program" "$package/bin/terradox.exe"
if [ ! -f "$package/fonts/vgafix.fon" ]; then
  echo "terradox's font marker: the map program draws with the system's fonts" \
    >"$package/fonts/vgafix.fon"
fi
