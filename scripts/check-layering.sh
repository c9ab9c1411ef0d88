#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own in the
# module's layers: platform <- devmode <- framework <- utilities <- store <-
# pages <- host <- apps. Tests, benchmarks and fuzz targets may include any
# folder. The host program (apps/) prints records through their published
# format alone: of devmode/ it may include only the format headers, which
# themselves include nothing above the platform. With a folder argument it
# checks that tree instead of this one.
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
format="devmode/devmode_field.h devmode/devmode_field_table.h devmode/devmode_record.h"
format_violations=$(printf '%s\n' $files | xargs awk -v format="$format" '
  BEGIN { n = split(format, headers, " "); for (i = 1; i <= n; i++) published[headers[i]] = 1 }
  /^[ \t]*#[ \t]*include[ \t]*"/ {
    split(FILENAME, own, "/")
    target = $0; sub(/^[^"]*"/, "", target); sub(/".*$/, "", target); split(target, included, "/")
    if (own[1] == "apps" && included[1] == "devmode" && !(target in published))
      print FILENAME ":" FNR ": apps includes devmode beyond the record format: " $0
    if ((FILENAME in published) && included[1] != "platform" && !(target in published))
      print FILENAME ":" FNR ": the record format includes more than the platform: " $0
  }')
violations=$(printf '%s\n%s' "$violations" "$format_violations" | sed '/^$/d')
if [ -n "$violations" ]; then
  echo "layering: these includes reach a folder above their own ($layers, lowest first)," >&2
  echo "or reach past the record's published format:" >&2
  echo "$violations" >&2
  exit 1
fi
echo "layering: $(printf '%s\n' $files | wc -l) files, no upward include"
