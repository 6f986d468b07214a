#!/usr/bin/env bash
# Installs what is missing, builds, and runs zorvi-host on the default gallery database.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
cd "$root"
exec "$root/build/zorvi-host" examples/gallery "$@"
