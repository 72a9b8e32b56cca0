#!/usr/bin/env bash
# Installs the Debian packages QOR_PLOT needs to build, test and run.
# As root it runs apt-get; otherwise it prints the exact command and stops.
set -euo pipefail

# clang and libclang-rt-14-dev (libFuzzer's runtime) build the fuzz targets.
packages=(g++ cmake make qt6-base-dev libgtest-dev libbenchmark-dev
          fonts-liberation xvfb xauth locales clang libclang-rt-14-dev)
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
  echo "QOR_PLOT needs these Debian packages; install them as root with:" >&2
  echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
