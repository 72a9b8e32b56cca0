#!/usr/bin/env bash
# Sets everything up and runs every test.
#   ./test.sh              build in build/ and run all tests
#   ./test.sh --sanitize   the same in build-sanitize/ with AddressSanitizer,
#                          UndefinedBehaviorSanitizer and libstdc++ assertions
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup-deps.sh

build=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQOR_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DQOR_WERROR=ON -DQOR_SANITIZE=ON -DQOR_BENCH=OFF)
fi
cmake -S . -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -j"$(nproc)"
