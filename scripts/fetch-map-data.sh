#!/usr/bin/env bash
# Fetches the pinned map data package (npm world-atlas, Natural Earth 1:50m
# coastlines and borders as TopoJSON) again and checks it against the copy kept
# in mapdraw/data/world-atlas. Building and testing never need this script or
# the network; it is for checking the kept copy and for moving to a new version.
#
#   scripts/fetch-map-data.sh           check the package's integrity and the kept files
#   scripts/fetch-map-data.sh --update  replace the kept files with the package's
set -euo pipefail
cd "$(dirname "$0")/.."

version=2.0.2
# The registry's integrity value of world-atlas-2.0.2.tgz.
integrity="sha512-IXfV0qwlKXpckz1FhwXVwKRjiIhOnWttOskm5CtxMsjgE/MXAYRHWJqgXOpM8IkcPBoXnyTU5lFHcYa5ChG0LQ=="
kept=mapdraw/data/world-atlas
files=(countries-50m.json LICENSE package.json)

for tool in npm node tar; do
  command -v "$tool" >/dev/null || { echo "fetch-map-data: $tool is needed" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "world-atlas@$version" >/dev/null)
tarball="$work/world-atlas-$version.tgz"
actual=$(node -e '
  const crypto = require("crypto"), fs = require("fs");
  const digest = crypto.createHash("sha512").update(fs.readFileSync(process.argv[1])).digest("base64");
  console.log("sha512-" + digest);' "$tarball")
if [ "$actual" != "$integrity" ]; then
  echo "fetch-map-data: world-atlas@$version does not match its pinned integrity" >&2
  echo "  expected $integrity" >&2
  echo "  got      $actual" >&2
  exit 1
fi
tar -xzf "$tarball" -C "$work"

if [ "${1:-}" = "--update" ]; then
  for file in "${files[@]}"; do cp "$work/package/$file" "$kept/$file"; done
  (cd "$kept" && sha256sum "${files[@]}" > SHA256SUMS)
  echo "fetch-map-data: $kept updated from world-atlas@$version"
  exit 0
fi

status=0
for file in "${files[@]}"; do
  if cmp -s "$work/package/$file" "$kept/$file"; then
    echo "ok       $file"
  else
    echo "DIFFERS  $file" >&2
    status=1
  fi
done
(cd "$kept" && sha256sum --quiet -c SHA256SUMS) || status=1
exit $status
