#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang and runs each one.
#   scripts/fuzz.sh --short     each target for a few seconds (part of the test command)
#   scripts/fuzz.sh [SECONDS]   each target for SECONDS (default 300): the longer run
# Environment: ZAVORA_FUZZ_BUILD_DIR (default: $TMPDIR/zavora-build-fuzz), JOBS (default 2).
# Seeds come from the shipped data files; new corpus entries stay in the build folder.
# Exits non-zero when a target crashes, hangs, leaks or trips a sanitizer.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZAVORA_FUZZ_BUILD_DIR:-${TMPDIR:-/tmp}/zavora-build-fuzz}"
jobs="${JOBS:-2}"
seconds=300
case "${1:-}" in
    --short) seconds=5 ;;
    "") ;;
    *[!0-9]*) echo "usage: $0 [--short | SECONDS]" >&2; exit 2 ;;
    *) seconds="$1" ;;
esac

for tool in clang clang++ cmake ninja; do
    command -v "$tool" >/dev/null || { echo "fuzz.sh: $tool is missing" >&2; exit 2; }
done

targets=()
for source in "$repo"/tests/fuzz/*_fuzz.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
[ ${#targets[@]} -gt 0 ] || { echo "fuzz.sh: no targets in tests/fuzz" >&2; exit 2; }

CC=clang CXX=clang++ cmake -S "$repo" -B "$build" -G Ninja -DZAVORA_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

# Seeds per target: the shipped file each parser reads, plus a few hand-made inputs.
seed() {  # seed TARGET NAME CONTENT
    mkdir -p "$build/seeds/$1"
    printf '%b' "$3" >"$build/seeds/$1/$2"
}
mkdir -p "$build/seeds"
for target in "${targets[@]}"; do mkdir -p "$build/seeds/$target"; done
cp "$repo"/data/*.dat "$build/seeds/text_fuzz/" 2>/dev/null || true
cp "$repo/data/characters.dat" "$build/seeds/character_file_fuzz/" 2>/dev/null || true
seed text_fuzz utf16le '\xff\xfea\x00;\x00b\x00\r\x00\n\x00\r\x00\n\x00'
seed text_fuzz utf16be '\xfe\xff\x00a\x00;\x00b'
seed character_file_fuzz short '00e9;00c9;x;3;e with acute\r\n0151;;;4;o\r\n10000;0;;1;big'
seed language_body_fuzz lines 'e 00E900E8;;E 00C9\r\no 00F60F8;;\xc5\x91 0151'
seed language_order_fuzz order 'French;!German;Swiss German;;x\x00French{e 00E9;;c 00E7}German{a 00E4}Swiss German{u 00FC}'
if [ -f "$repo/data/order.dat" ] && [ -f "$repo/data/data.dat" ]; then
    { cat "$repo/data/order.dat"; printf '\0'; cat "$repo/data/data.dat"; } >"$build/seeds/language_order_fuzz/shipped"
    cp "$repo/data/data.dat" "$build/seeds/language_body_fuzz/"
fi
seed text_fuzz notation 'a[[13]]b[[ 65.5]]x[[300]][[91]][66]]'

status=0
total=0
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    log="$build/$target.log"
    echo "== $target: ${seconds}s"
    if "$build/$target" "$corpus" "$build/seeds/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 >"$log" 2>&1; then
        runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
        echo "   ok, ${runs:-?} executions"
        total=$((total + ${runs:-0}))
    else
        echo "   FAILED (log: $log)"
        grep -E 'ERROR|SUMMARY|runtime error|deadly signal|Test unit written' "$log" | head -20 || true
        status=1
    fi
done
echo "fuzz.sh: $total executions in total"
exit $status
