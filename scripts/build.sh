#!/usr/bin/env bash
# Configures and builds one flavour of the project into build/<flavour>:
#   release   optimised with debug information (the default)
#   sanitize  AddressSanitizer + UndefinedBehaviorSanitizer
#   fuzz      clang with libFuzzer targets
# Further arguments name the targets to build (all when none are given).
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=${1:-release}
shift || true
targets=()
for target in "$@"; do targets+=(--target "$target"); done
case "$flavour" in
  release)  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) options=(-DCMAKE_BUILD_TYPE=Debug -DKX_SANITIZE=ON -DKX_BENCH=OFF) ;;
  fuzz)     options=(-DCMAKE_BUILD_TYPE=Debug -DKX_FUZZ=ON -DKX_TESTS=OFF -DKX_BENCH=OFF
                     -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  *) echo "build: unknown flavour '$flavour' (release, sanitize, fuzz)" >&2; exit 2 ;;
esac

cmake -S . -B "build/$flavour" -G Ninja "${options[@]}" >/dev/null
cmake --build "build/$flavour" -j "$(nproc)" "${targets[@]}"
