#!/usr/bin/env bash
# Makes the guide's pictures: runs every block of docs/guide.md that names an image through
# zorvi-host, as the manual's tests do, and writes the window it shows to docs/images/NAME.png.
# scripts/make-doc-images.sh [BUILD_DIR] (default: build, built first when needed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${1:-build}
cmake --build "$build" --target zorvi-host zvdocs >/dev/null
plugin=$build/Zorvi.bundle/Contents/Linux/libzorvi.so
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p docs/images
index=0
# The runnable blocks in the order the harness numbers them.
while IFS= read -r fence; do
  index=$((index + 1))
  case $fence in
  *image=*)
    name=${fence#*image=}
    name=${name%% *}
    "$build/zvdocs" run docs/guide.md "$index" "$build/zorvi-host" "$plugin" "$work/$index" \
      --images "$root/docs/images" >/dev/null
    echo "docs/images/$name"
    ;;
  esac
done < <(grep '^```4d runnable' docs/guide.md)
