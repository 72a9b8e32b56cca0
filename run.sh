#!/usr/bin/env bash
# Sets everything up, writes the sample package into build/sample and starts
# QOR_PLOT on it (run directory, HALDOR, the sample sub-directory).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
build/qorsample build/sample
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: run it under a virtual display with  xvfb-run -a ./run.sh"
  exit 1
fi
exec build/qorplot "$PWD/build/sample/RUN" HALDOR SAMPLE_001
