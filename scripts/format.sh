#!/usr/bin/env bash
# Formats every C and C++ source of the repository with the project's .clang-format, which needs
# clang-format 16 (installed by scripts/install-deps.sh). With --check, changes nothing and fails
# when a file is not formatted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
formatter=${CLANG_FORMAT:-clang-format-16}
if ! command -v "$formatter" >/dev/null; then
  echo "format.sh: $formatter is missing: run scripts/install-deps.sh" >&2
  exit 2
fi
# Every folder of the tree but the build folders.
mapfile -t files < <(find . \( -path './build*' -o -path './.*' \) -prune -o \
  -type f \( -name '*.c' -o -name '*.cpp' -o -name '*.h' \) -print | sort)
if [ "${1:-}" = "--check" ]; then
  "$formatter" --dry-run --Werror "${files[@]}"
else
  "$formatter" -i "${files[@]}"
fi
