#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test: the normal build,
# the sanitizer build, and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-debian.sh
scripts/check-format.sh
scripts/check-layering.sh

run_tests() {
  local flavour=$1
  echo "== $flavour build"
  scripts/build.sh "$flavour"
  echo "== $flavour tests"
  ctest --test-dir "build/$flavour" --output-on-failure -j "$(nproc)"
}

run_tests release
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests sanitize

if command -v clang++ >/dev/null && ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  echo "== fuzz targets (${KX_FUZZ_SECONDS:-10} s each)"
  scripts/build.sh fuzz
  for target in build/fuzz/fuzz/*_fuzz; do
    corpus="build/fuzz/corpus/$(basename "$target")"
    mkdir -p "$corpus"
    "$target" "$corpus" -max_total_time="${KX_FUZZ_SECONDS:-10}" -print_final_stats=0 2>"$corpus.log" \
      || { cat "$corpus.log"; echo "fuzz target $target failed" >&2; exit 1; }
    echo "$(basename "$target"): no failure in ${KX_FUZZ_SECONDS:-10} s"
  done
else
  echo "== fuzz targets skipped: clang's fuzzer runtime is not installed"
fi
echo "== all tests passed"
