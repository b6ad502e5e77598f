#!/usr/bin/env bash
# The test command: installs what is missing, builds for Linux and runs the unit tests,
# the benchmarks (briefly), the data generator's tests and the fuzz targets (briefly),
# cross-builds zavora.exe, checks its size and its help file and runs the end-to-end suite
# under Wine (with the speed and memory benchmark beside a bare program). Every step runs
# even when an earlier one failed, unless it needs that step's output; the summary at the
# end names each step's result.
#   scripts/test.sh
# Build folders: $ZAVORA_LINUX_BUILD (build/linux), $ZAVORA_WIN_BUILD (build/windows).
# End-to-end screenshots and logs: $ZAVORA_WIN_BUILD/e2e-artifacts.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
linux_build="${ZAVORA_LINUX_BUILD:-$root/build/linux}"
win_build="${ZAVORA_WIN_BUILD:-$root/build/windows}"
logs="$(mktemp -d)"
trap 'rm -rf "$logs"' EXIT

results=()
failed_steps=0
tests_passed=0
tests_failed=0

# step NAME COMMAND...: runs the command with its output shown and kept for the summary.
step() {
  local name="$1"
  shift
  local log="$logs/$name.log" began=$SECONDS status
  echo
  echo "=== $name: $*"
  "$@" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  local outcome="ok"
  if [ "$status" -ne 0 ]; then
    outcome="FAILED (exit $status)"
    failed_steps=$((failed_steps + 1))
  fi
  runner_summary "$log"
  # A failed step whose runner counted no failure (a build, a crash) counts as one.
  if [ "$status" -ne 0 ] && [ "$counted_failures" -eq 0 ]; then
    tests_failed=$((tests_failed + 1))
  fi
  results+=("$(printf '%-14s %-18s %4ss  %s' "$name" "$outcome" $((SECONDS - began)) "$summary_line")")
  return "$status"
}

skip() {
  results+=("$(printf '%-14s %-18s        %s' "$1" "skipped" "$2")")
  failed_steps=$((failed_steps + 1))
  tests_failed=$((tests_failed + 1))
}

# The closing line of the runner in a step's log (into summary_line), and the counts it
# gives added to the totals.
runner_summary() {
  counted_failures=0
  local line
  line="$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -1)"
  if [ -n "$line" ]; then
    local failed total
    failed="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")"
    total="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")"
    tests_passed=$((tests_passed + total - failed))
    tests_failed=$((tests_failed + failed))
    counted_failures=$failed
    summary_line="$line"
    return
  fi
  line="$(grep -E '^=+ .*([0-9]+ (passed|failed|error|errors)).* in [0-9.]+s' "$1" | tail -1)"
  if [ -n "$line" ]; then
    local p f e
    p="$(grep -oE '[0-9]+ passed' <<<"$line" | grep -oE '[0-9]+' || echo 0)"
    f="$(grep -oE '[0-9]+ failed' <<<"$line" | grep -oE '[0-9]+' || echo 0)"
    e="$(grep -oE '[0-9]+ errors?' <<<"$line" | grep -oE '[0-9]+' || echo 0)"
    tests_passed=$((tests_passed + p))
    tests_failed=$((tests_failed + f + e))
    counted_failures=$((f + e))
    summary_line="$(sed -E 's/^=+ //; s/ =+$//' <<<"$line")"
    return
  fi
  summary_line="$(tail -1 "$1")"
}

step deps bash scripts/install-deps.sh

# Our own code builds without a warning: CI makes every warning an error.
export ZAVORA_WERROR=ON

if step linux-build bash scripts/build-linux.sh "$linux_build"; then
  step unit-tests ctest --test-dir "$linux_build" --output-on-failure -j2
  if [ -x "$linux_build/zavora_bench" ]; then
    step benchmarks "$linux_build/zavora_bench" --benchmark_min_time=0.01
  fi
else
  skip unit-tests "the Linux build failed"
fi

# The data generator is a project of its own with its own unit tests.
if step datagen-build bash -c "cmake -S tools/datagen -B '$linux_build/datagen' -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null && cmake --build '$linux_build/datagen' -j2"; then
  step datagen-tests ctest --test-dir "$linux_build/datagen" --output-on-failure -j2
else
  skip datagen-tests "the data generator's build failed"
fi

if [ -f scripts/fuzz.sh ]; then
  # Its build folder belongs to this checkout: a CMake cache of another one would not fit.
  ZAVORA_FUZZ_BUILD_DIR="$linux_build/fuzz" step fuzz bash scripts/fuzz.sh --short
fi

if step windows-build bash scripts/build-windows.sh "$win_build"; then
  step exe-size bash scripts/exe-size.sh "$win_build"
  step help-check /usr/bin/python3 scripts/check-help.py "$win_build"
  # Bounded as a whole as well; every wait inside the suite has its own bound.
  PYTHONDONTWRITEBYTECODE=1 step wine-e2e timeout --kill-after=30 1200 \
    /usr/bin/python3 -m pytest tests/e2e -v --zavora-build="$win_build" \
    --artifacts="$win_build/e2e-artifacts"
else
  skip wine-e2e "the Windows build failed"
fi

echo
echo "=== summary (end-to-end artifacts: $win_build/e2e-artifacts)"
printf '%s\n' "${results[@]}"
echo "steps failed: $failed_steps"
echo "total: $tests_passed passed, $tests_failed failed"
[ "$failed_steps" -eq 0 ]
