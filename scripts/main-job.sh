#!/usr/bin/env bash
# Installs what is needed, builds, and runs the reference host on the bundled
# sample prefix.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-debian.sh
# Only what the main job runs: the host program and the module it loads.
scripts/build.sh release kxhost kxui
build/release/apps/kxhost demo "$@"
