#!/usr/bin/env bash
# Configures and builds one variant: scripts/build.sh BUILD_DIR [CMAKE OPTIONS...]
set -euo pipefail
dir=${1:-build}
shift || true
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir"
