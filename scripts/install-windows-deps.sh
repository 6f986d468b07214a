#!/usr/bin/env bash
# Installs the Debian packages that the Windows cross builds and their runs under Wine need, only
# those missing: the two mingw-w64 C++ compilers, Wine (64-bit), a virtual display, and the
# GoogleTest sources to build the unit tests with the cross compiler.
set -euo pipefail

packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth fonts-dejavu-core googletest
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
