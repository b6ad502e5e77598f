#!/usr/bin/env bash
# The size of zavora.exe as users download it, and the largest functions and data in it
# (read from zavora-symbols.exe, the same link before its symbols were stripped). Fails
# when the exe is past its limit of 512 KiB: the program is meant to be small, and a
# heavy part of the C++ runtime slips in with one include.
#   scripts/exe-size.sh [BUILD_DIR]   (default: $ZAVORA_WIN_BUILD or build/windows)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${ZAVORA_WIN_BUILD:-$root/build/windows}}"
limit=$((512 * 1024))
shown=20

size=$(stat -c %s "$build/zavora.exe")
symbols="$build/zavora-symbols.exe"
nm=$(command -v x86_64-w64-mingw32-nm || command -v nm)
if [ -f "$symbols" ]; then
  echo "exe-size: largest symbols of zavora.exe (bytes, type, name):"
  # Code and data only (T/t, D/d, R/r, B/b); debugging sections are not in the exe.
  "$nm" --size-sort --print-size --radix=d --demangle "$symbols" |
    awk '$3 ~ /^[TtDdRrBb]$/ { size = $2 + 0; $1 = ""; $2 = ""; print size "\t" substr($0, 3) }' |
    tail -n "$shown" | sort -rn | cut -c1-160
fi
echo "exe-size: zavora.exe is $size bytes ($((size / 1024)) KiB), limit $limit bytes ($((limit / 1024)) KiB)"
if [ "$size" -gt "$limit" ]; then
  echo "exe-size: FAILED, zavora.exe is past its limit"
  exit 1
fi
