#!/usr/bin/env bash
# The map program's speed and memory, as a whole process, against matplotlib
# drawing the same field in the same run (on a shared machine only the ratio
# is worth comparing between runs).
#
#   bench/map_bench.sh [BUILD_DIR] [RUNS]
#
# 1. A 361 x 181 global grid (1 degree steps), 7 levels, shaded bands with
#    labelled lines, countries and a title, to a 1600 x 900 PNG: terrapix and
#    matplotlib (python3-matplotlib from Debian, installed here when missing),
#    CPU time (user + system) and peak memory, the median of RUNS runs each.
# 2. Every grid file of the sample package (37 x 37 points) to a 1600 x 900
#    PNG with terrapix: CPU time of each.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
python=/usr/bin/python3

if ! dpkg-query -W -f='${Status}' python3-matplotlib 2>/dev/null | grep -q "install ok installed"; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "map_bench: the baseline needs python3-matplotlib: apt-get install python3-matplotlib" >&2
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends python3-matplotlib >/dev/null
fi
for program in terrapix qorsample; do
  [ -x "$build/$program" ] || { echo "map_bench: build $build/$program first" >&2; exit 1; }
done

work=$(mktemp -d /tmp/qormapbench.XXXXXX)
trap 'rm -rf "$work"' EXIT
"$build/qorsample" "$work/pkg" >/dev/null
$python bench/map_bench_field.py "$work/pkg"
atlas=mapdraw/data/world-atlas/countries-50m.json

# CPU seconds (user + system) and peak resident memory (MB) of one run.
measure() {
  /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" >/dev/null 2>"$work/err" || {
    cat "$work/err" >&2
    return 1
  }
  awk '{ printf "%.3f %.1f\n", $1 + $2, $3 / 1024 }' "$work/time"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/ours"
: >"$work/theirs"
for _ in $(seq "$runs"); do
  measure "$build/terrapix" --export "$work/ours.png" "$work/pkg/RUN" AREADATA zonegrfx.dat >>"$work/ours"
  measure $python bench/map_bench_matplotlib.py "$work/pkg/AREADATA/BENCH/GLOBAL.HG1" "$atlas" \
    "$work/theirs.png" >>"$work/theirs"
done
ours_cpu=$(cut -d' ' -f1 "$work/ours" | median)
ours_mb=$(cut -d' ' -f2 "$work/ours" | median)
theirs_cpu=$(cut -d' ' -f1 "$work/theirs" | median)
theirs_mb=$(cut -d' ' -f2 "$work/theirs" | median)
echo "global 361x181 grid, 7 levels, PNG 1600x900, median of $runs runs (CPU seconds, peak MB):"
printf "  terrapix    %6.3f s  %6.1f MB\n" "$ours_cpu" "$ours_mb"
printf "  matplotlib  %6.3f s  %6.1f MB\n" "$theirs_cpu" "$theirs_mb"
awk -v a="$theirs_cpu" -v b="$ours_cpu" 'BEGIN { printf "  terrapix is %.1f times faster\n", a / b }'

echo "sample package grid files (37x37 and 45x37), PNG 1600x900 (CPU seconds, peak MB):"
for grid in "$work"/pkg/AREADATA/SAMPLE_001/*.?G? "$work"/pkg/AREA_INV/SAMPLE_INV/*.?G?; do
  sub=$(basename "$(dirname "$grid")")
  root=$(basename "$(dirname "$(dirname "$grid")")")
  printf "%-30s\n%-75s\n" "$sub\\$(basename "$grid")" "Sample map" >"$work/pkg/RUN/zonegrfx.dat"
  result=$(measure "$build/terrapix" --export "$work/sample.png" "$work/pkg/RUN" "$root" zonegrfx.dat)
  printf "  %-14s %s\n" "$(basename "$grid")" "$result"
done
