#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what the project's .clang-format
# makes of it; `scripts/check-format.sh --fix` rewrites them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "format: clang-format is not installed" >&2; exit 2; }
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
unformatted=$(clang-format --dry-run "${files[@]}" 2>&1 | grep -oE '^[^:]+\.(cpp|h):' | sort -u | tr -d : || true)
if [ -n "$unformatted" ]; then
  echo "format: these files differ from .clang-format (scripts/check-format.sh --fix mends them):" >&2
  echo "$unformatted" >&2
  exit 1
fi
echo "format: ${#files[@]} files as .clang-format has them"
