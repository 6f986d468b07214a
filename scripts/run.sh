#!/usr/bin/env bash
# Installs what is missing, builds, and runs zorvi-host on the default gallery database, which
# writes gallery.png (the window as a person would see it) in the repository's root folder.
# Arguments go to the gallery: a folder of pictures, then the snapshot's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
cd "$root"
"$root/build/zorvi-host" examples/gallery "$@"
snapshot=${2:-gallery.png}
case "$snapshot" in
/*) ;;
*) snapshot="$root/$snapshot" ;;
esac
echo "gallery: $snapshot"
