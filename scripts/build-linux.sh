#!/usr/bin/env bash
# Native build: the portable core on the simulated platform, unit tests, benchmarks.
#   scripts/build-linux.sh [BUILD_DIR]    (default: $ZAVORA_LINUX_BUILD or build/linux)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${ZAVORA_LINUX_BUILD:-$root/build/linux}}"

# ZAVORA_WERROR=ON (as scripts/test.sh sets it) makes compiler warnings errors.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAVORA_WERROR="${ZAVORA_WERROR:-OFF}"
cmake --build "$build" -j2
