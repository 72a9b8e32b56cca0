#!/usr/bin/env bash
# Installs the Debian packages QOR_PLOT needs to build, test and run.
#   scripts/setup-deps.sh            the Linux build, its tests and the programs
#   scripts/setup-deps.sh --windows  the Windows cross build and Wine
#                                    (scripts/windows-check.sh)
# As root it runs apt-get; otherwise it prints the exact command and stops.
set -euo pipefail

# clang and libclang-rt-14-dev (libFuzzer's runtime) build the fuzz targets.
packages=(g++ cmake make qt6-base-dev qt6-svg-dev libproj-dev zlib1g-dev libgtest-dev libbenchmark-dev
          fonts-liberation fonts-dejavu-core xvfb xauth openbox locales clang libclang-rt-14-dev)
purpose="QOR_PLOT needs"
if [ "${1:-}" = "--windows" ]; then
  packages=(cmake make g++-mingw-w64-x86-64-posix googletest wine64)
  purpose="The Windows check needs"
fi
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "$purpose these Debian packages; install them as root with:" >&2
  echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
