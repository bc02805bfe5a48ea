#!/usr/bin/env bash
# The long soak: ten thousand random clicks, drags and keys in every game,
# offscreen, in the sanitizer build of the fuzz targets (clang, AddressSanitizer
# and UndefinedBehaviorSanitizer over the whole program).
# Usage: bench/soak.sh [events per game] [build folder]
# Prints per game the events sent and the games finished on the way, the
# total time, and any sanitizer report (the run fails on one).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
events="${1:-10000}"
build="${2:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVZ_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target test_soak >/dev/null

export QT_QPA_PLATFORM=offscreen
export VZ_SOAK_EVENTS="$events" VZ_SOAK_PAUSE_EVERY="${VZ_SOAK_PAUSE_EVERY:-100}"
# Leaks are left to the fuzz targets: Qt keeps some caches until the process ends.
export ASAN_OPTIONS="detect_leaks=0:halt_on_error=1" UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
log="$build/soak.log"
start=$(date +%s)
status=0
"$build/tests/test_soak" >"$log" 2>&1 || status=$?
grep -E '^soak |^(PASS|FAIL)|Totals' "$log" || true
grep -E 'runtime error|ERROR: AddressSanitizer' "$log" || echo "sanitizer reports: 0"
echo "time: $(( $(date +%s) - start )) s, exit status $status (log: $log)"
exit "$status"
