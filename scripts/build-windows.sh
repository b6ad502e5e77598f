#!/usr/bin/env bash
# Cross build of zavora.exe with MinGW-w64 (x86_64), and the end-to-end test tools.
#   scripts/build-windows.sh [BUILD_DIR]  (default: $ZAVORA_WIN_BUILD or build/windows)
# Results: BUILD_DIR/zavora.exe with the data files and the help file (zavorahelp.chm)
# beside it, the same in BUILD_DIR/dist/ (the folder to copy to a Windows machine),
# BUILD_DIR/zavora-symbols.exe (the exe before stripping, for the size report),
# BUILD_DIR/e2e-tools/{probe,target,bare}.exe and BUILD_DIR/win32-checks/win32_checks.exe.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${ZAVORA_WIN_BUILD:-$root/build/windows}}"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"

# ZAVORA_WERROR=ON (as scripts/test.sh sets it) makes compiler warnings errors.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DZAVORA_WERROR="${ZAVORA_WERROR:-OFF}"
cmake --build "$build" -j2
# The size report; the test command fails on it (scripts/exe-size.sh), the build does not.
bash "$root/scripts/exe-size.sh" "$build" || true

rm -rf "$build/dist"
mkdir -p "$build/dist"
cp "$build/zavora.exe" "$build"/*.dat "$build/dist/"
if [ -f "$build/zavorahelp.chm" ]; then cp "$build/zavorahelp.chm" "$build/dist/"; fi
echo "build-windows: $build/dist holds $(cd "$build/dist" && echo *)"
