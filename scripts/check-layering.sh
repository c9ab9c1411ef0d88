#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own in the
# module's layers: platform <- devmode <- framework <- utilities <- store <-
# pages <- host <- apps. Tests, benchmarks and fuzz targets may include any
# folder. With a folder argument it checks that tree instead of this one.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

layers="platform devmode framework utilities store pages host apps"
files=$(find $layers -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort)
[ -n "$files" ] || { echo "layering: no sources under $root" >&2; exit 2; }

violations=$(printf '%s\n' $files | xargs awk -v layers="$layers" '
  BEGIN { n = split(layers, order, " "); for (i = 1; i <= n; i++) rank[order[i]] = i }
  /^[ \t]*#[ \t]*include[ \t]*"/ {
    split(FILENAME, own, "/")
    target = $0; sub(/^[^"]*"/, "", target); split(target, included, "/")
    if ((included[1] in rank) && rank[included[1]] > rank[own[1]])
      print FILENAME ":" FNR ": " own[1] " includes " included[1] ": " $0
  }')
if [ -n "$violations" ]; then
  echo "layering: these includes reach a folder above their own ($layers, lowest first):" >&2
  echo "$violations" >&2
  exit 1
fi
echo "layering: $(printf '%s\n' $files | wc -l) files, no upward include"
