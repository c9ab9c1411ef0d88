#!/usr/bin/env bash
# Installs what is needed, builds, and runs the reference host on the bundled
# sample prefix.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-debian.sh
scripts/build.sh release
build/release/apps/kxhost demo "$@"
