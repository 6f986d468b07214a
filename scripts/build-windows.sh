#!/usr/bin/env bash
# The Windows cross builds: installs what is missing, then configures and builds
#   build-win32/          32-bit, with the grid   (Zorvi.bundle/Contents/Windows/Zorvi.4DX)
#   build-win64/          64-bit, with the grid   (Zorvi.bundle/Contents/Windows64/Zorvi.4DX)
#   build-win64-nogrid/   64-bit, without it      (Zorvi.bundle/Contents/Windows64/Zorvi.4DX)
# with zorvi-host.exe and the host's ASINTPPC.dll beside it, and checks each library's imports and
# exports.
#
#   scripts/build-windows.sh [--only NAME]... [--test]
# --only builds the named folders alone (win32, win64, win64-nogrid); --test also runs each
# build's tests under Wine (the 32-bit ones only where 32-bit programs run).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

only=()
test=0
while [ $# -gt 0 ]; do
  case "$1" in
    --only) only+=("$2"); shift 2 ;;
    --test) test=1; shift ;;
    *) echo "usage: $0 [--only win32|win64|win64-nogrid]... [--test]" >&2; exit 2 ;;
  esac
done
[ ${#only[@]} -eq 0 ] && only=(win32 win64 win64-nogrid)

"$root/scripts/install-windows-deps.sh"

# Wine's 32-bit loader (Debian's wine32) runs only where the kernel runs 32-bit programs.
runs_32bit_programs() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

for name in "${only[@]}"; do
  case "$name" in
    win32) arch=i686; options=() ;;
    win64) arch=x86_64; options=() ;;
    win64-nogrid) arch=x86_64; options=(-DZORVI_WITH_GRID=OFF) ;;
    *) echo "unknown build: $name" >&2; exit 2 ;;
  esac
  dir="$root/build-$name"
  echo "== build-$name"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$dir" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-$arch.cmake" "${launcher[@]}" \
      "${options[@]}" >/dev/null
  fi
  cmake --build "$dir"
  "$root/scripts/check-windows-dll.sh" "$arch" "$dir"
  if [ "$test" = 1 ]; then
    if [ "$arch" = i686 ] && ! runs_32bit_programs; then
      echo "build-$name: this machine runs no 32-bit programs; its tests run where they can"
      continue
    fi
    # The host's windows are real: without a display, a virtual one large enough for the
    # scenarios' windows (Wine keeps no pixels of a window beyond the screen).
    if [ -n "${DISPLAY:-}" ]; then
      ctest --test-dir "$dir" --output-on-failure -j2
    else
      xvfb-run -a -s "-screen 0 3200x2400x24" ctest --test-dir "$dir" --output-on-failure -j2
    fi
  fi
done
