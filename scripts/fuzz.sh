#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/, clang with libFuzzer, ASan and UBSan) and
# runs one of them for as long as asked:
#   scripts/fuzz.sh TARGET SECONDS   e.g. scripts/fuzz.sh requirement_file 600
#   scripts/fuzz.sh TARGET SECONDS RUNS
#                                    stops after RUNS inputs if that comes first,
#                                    e.g. scripts/fuzz.sh colors_con 1800 10000000
#   scripts/fuzz.sh all SECONDS      every target in turn, SECONDS each (CI's smoke run)
#   scripts/fuzz.sh list             the targets
# Each target starts from its seed corpus (written from the sample package into
# build-fuzz/seeds/TARGET) and keeps what it finds in build-fuzz/corpus/TARGET,
# so a later run goes on from there. An input that crashes, hangs (10 s), runs
# out of memory or trips a sanitizer is saved as build-fuzz/artifacts/TARGET-*
# and the run fails; turn it into a regression test in tests/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh

if [ $# -lt 1 ] || { [ "$1" != list ] && [ $# -ne 2 ] && [ $# -ne 3 ]; }; then
  echo "usage: scripts/fuzz.sh TARGET|all SECONDS [RUNS]  or  scripts/fuzz.sh list" >&2
  exit 2
fi
runs=-1
if [ $# -eq 3 ]; then
  runs=$3
  if ! [[ "$runs" =~ ^[1-9][0-9]*$ ]]; then
    echo "RUNS must be a whole number of inputs, not '$runs'" >&2
    exit 2
  fi
fi

build=build-fuzz
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" >/dev/null

mapfile -t targets < "$build/targets.txt"
if [ "$1" = list ]; then
  printf '%s\n' "${targets[@]}"
  exit 0
fi

seconds=$2
if [ "$1" = all ]; then
  selected=("${targets[@]}")
else
  if ! printf '%s\n' "${targets[@]}" | grep -qx "$1"; then
    echo "no fuzz target '$1'; the targets are: ${targets[*]}" >&2
    exit 2
  fi
  selected=("$1")
fi

rm -rf "$build/seeds"
"$build/fuzz_seeds" "$build/seeds"
mkdir -p "$build/artifacts"

failed=()
for target in "${selected[@]}"; do
  mkdir -p "$build/corpus/$target"
  echo "== fuzz_$target for ${seconds}s"
  if ! "$build/fuzz_$target" "$build/corpus/$target" "$build/seeds/$target" \
      -max_total_time="$seconds" -runs="$runs" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$target-" 2>"$build/$target.log"; then
    failed+=("$target")
    tail -n 60 "$build/$target.log" >&2
  fi
  # The final statistics: inputs run, inputs a second, corpus size.
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|Done )' \
    "$build/$target.log" | sed 's/^/   /' || true
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzzing found a problem in: ${failed[*]} (inputs in $build/artifacts/)" >&2
  exit 1
fi
