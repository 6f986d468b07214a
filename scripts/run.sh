#!/usr/bin/env bash
# Installs what is missing, builds, and runs zorvi-host on the default gallery database, which
# writes gallery.png (the window as a person would see it) in the repository's root folder.
# Arguments go to the gallery: a folder of pictures, then the snapshot's path. With --window first,
# the gallery opens live on the desktop instead, for a person to click, scroll and type in.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
cd "$root"
if [ "${1:-}" = "--window" ]; then
  shift
  exec "$root/build/zorvi-host" --window examples/gallery "$@"
fi
"$root/build/zorvi-host" examples/gallery "$@"
snapshot=${2:-gallery.png}
case "$snapshot" in
/*) ;;
*) snapshot="$root/$snapshot" ;;
esac
echo "gallery: $snapshot"
