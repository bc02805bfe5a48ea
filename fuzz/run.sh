#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each over its seed corpus.
# Usage: fuzz/run.sh [seconds per target] [build folder]
# Prints the executions of every target and their sum; exits non-zero when a
# target finds a crash, a leak, a sanitizer report or a broken property. The
# input that did it is kept in <build folder>/findings/. The seed is fixed
# (VZ_FUZZ_SEED, 1 unless set; 0 draws one), so a short run in the test
# command tries nearly the same inputs each time.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-10}"
build="${2:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVZ_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzz_targets >/dev/null

mkdir -p "$build/findings"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp"
# The drill pages show the pictures of the program's own build.
export VZ_FUZZ_RES_DIR="${VZ_FUZZ_RES_DIR:-$root/build/stage/res}"
total=0
status=0
for corpus in "$root"/fuzz/corpus/*/; do
    target="$(basename "$corpus")"
    work="$(mktemp -d)"
    # Qt is built without frame pointers: the slow unwinder gives whole stacks,
    # which the suppressions of Qt's own caches need.
    unwind=1
    [ "$target" = fuzz_drill_pages ] && unwind=0
    export ASAN_OPTIONS="fast_unwind_on_malloc=$unwind"
    log="$build/findings/$target.log"
    if "$build/fuzz/$target" -seed="${VZ_FUZZ_SEED:-1}" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
        "$work" "$corpus" >"$log" 2>&1; then
        runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
        printf '%-22s %10s executions\n' "$target" "$runs"
        total=$((total + runs))
    else
        printf '%-22s FAILED, see %s\n' "$target" "$log"
        tail -n 30 "$log"
        status=1
    fi
    rm -rf "$work"
done
printf '%-22s %10s executions\n' "total" "$total"
exit "$status"
