#!/usr/bin/env bash
# Checks a Windows build's Zorvi.4DX: it imports only the system's libraries, the C runtime and the
# host's compatibility library, and exports exactly the entry points (in the 32-bit build also
# under their decorated names, each at the same address as its plain name).
#   scripts/check-windows-dll.sh i686|x86_64 BUILD_DIR
set -euo pipefail
arch=$1
dir=$2
case "$arch" in
  i686) dll="$dir/Zorvi.bundle/Contents/Windows/Zorvi.4DX"
        exports="DllMain DllMain@12 FourDDllMain FourDDllMain@12 FourDPackex FourDPackex@16" ;;
  x86_64) dll="$dir/Zorvi.bundle/Contents/Windows64/Zorvi.4DX"
          exports="DllMain FourDDllMain FourDPackex" ;;
  *) echo "usage: $0 i686|x86_64 BUILD_DIR" >&2; exit 2 ;;
esac
[ -f "$dll" ] || { echo "check-windows-dll: no library at $dll" >&2; exit 1; }

dump=$("$arch-w64-mingw32-objdump" -p "$dll")
failed=0

allowed='^(kernel32|user32|gdi32|gdiplus|shlwapi|ole32|msvcrt|asintppc|api-ms-win-crt-[a-z0-9-]+)\.dll$'
imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || { echo "check-windows-dll: $dll imports nothing at all" >&2; failed=1; }
for name in $imports; do
  if ! [[ "$name" =~ $allowed ]]; then
    echo "check-windows-dll: $dll imports $name" >&2
    failed=1
  fi
done

# The export table's name list: lines "[ordinal] name" after "[Ordinal/Name Pointer] Table".
actual=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort | tr '\n' ' ' | sed 's/ $//')
expected=$(printf '%s\n' $exports | sort | tr '\n' ' ' | sed 's/ $//')
if [ "$actual" != "$expected" ]; then
  echo "check-windows-dll: $dll exports [$actual], expected [$expected]" >&2
  failed=1
fi

# The 32-bit library's decorated names are the same functions as the plain ones: each pair must
# point to one address ("name address" lines, from the ordinal and address tables).
if [ "$arch" = i686 ]; then
  addresses=$(printf '%s\n' "$dump" | sed -n '/^Export Address Table -- /,/^$/p' |
    sed -n 's/^[[:space:]]*\[[[:space:]]*\([0-9]*\)\][[:space:]]*+base\[[^]]*\][[:space:]]*\([0-9a-fA-F]*\).*/\1 \2/p')
  named=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^[[:space:]]*\[[[:space:]]*\([0-9]*\)\][[:space:]]*\([^[:space:]]*\)$/\1 \2/p')
  address_of() {
    local ordinal
    ordinal=$(printf '%s\n' "$named" | awk -v name="$1" '$2 == name { print $1 }')
    [ -n "$ordinal" ] && printf '%s\n' "$addresses" | awk -v o="$ordinal" '$1 == o { print $2 }'
  }
  for decorated in DllMain@12 FourDDllMain@12 FourDPackex@16; do
    plain=${decorated%@*}
    a=$(address_of "$plain" || true)
    b=$(address_of "$decorated" || true)
    if [ -z "$a" ] || [ "$a" != "$b" ]; then
      echo "check-windows-dll: $dll exports $plain at [$a] but $decorated at [$b]" >&2
      failed=1
    fi
  done
fi

if [ "$failed" = 0 ]; then
  echo "check-windows-dll: $(basename "$(dirname "$dll")")/Zorvi.4DX imports $(echo $imports), exports $expected"
fi
exit "$failed"
