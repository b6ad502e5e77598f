#!/usr/bin/env bash
# The long key storm on the simulated desktop: a million random key and mouse events (or
# the number given) over every trigger, with AutoInsert on and off, checking after each
# event that no key stays down and that the key handler comes back to idle.
#   scripts/storm.sh [EVENTS] [BUILD_DIR]   (default: 1000000, build/linux)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
events="${1:-1000000}"
build="${2:-${ZAVORA_LINUX_BUILD:-$root/build/linux}}"
[ -x "$build/zavora_tests" ] || "$root/scripts/build-linux.sh" "$build"
start=$(date +%s)
ZAVORA_STORM_EVENTS="$events" "$build/zavora_tests" --gtest_filter='StormTest.*'
echo "storm: $events events in $(( $(date +%s) - start )) s"
