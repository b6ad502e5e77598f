#!/usr/bin/env bash
# Native build: the portable core on the simulated platform, unit tests, benchmarks.
#   scripts/build-linux.sh [BUILD_DIR]    (default: $ZAVORA_LINUX_BUILD or build/linux)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${ZAVORA_LINUX_BUILD:-$root/build/linux}}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2
