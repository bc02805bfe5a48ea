#!/usr/bin/env bash
# Benchmarks of the program: start-up against a bare Qt window, memory with
# every menu picture loaded, dealing a page of each drill and a drag frame.
# Usage: bench/startup.sh [build folder] (default: build). Needs the
# offscreen Qt platform only; the start-up pair also runs under Xvfb when
# xvfb-run is there. Times of the start-up are from the start of main
# ("main") and from the launch of the process ("launch": the moment before
# exec, handed over in VEVIDER_TIMING_T0), median of RUNS runs.
# Knobs: RUNS (start-ups, 5), DEALS (deals per game, 200), MOVES (drag moves, 300).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build}
[[ $BUILD = /* ]] || BUILD=$PWD/$BUILD
RUNS=${RUNS:-5}
DEALS=${DEALS:-200}
MOVES=${MOVES:-300}

PROGRAM=$BUILD/stage/vevider
BARE=$BUILD/bench/bench_bare_window
DRILLS=$BUILD/bench/bench_drill_timing
# Always: the build is quick when nothing changed, and a stale binary times old code.
cmake --build "$BUILD" --target vevider bench_bare_window bench_drill_timing

# A folder of our own: the program's single-instance lock lives in TMPDIR,
# so a copy the user has open elsewhere cannot stop these runs.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export TMPDIR=$WORK XDG_RUNTIME_DIR=$WORK
chmod 700 "$WORK"

# One timed start: prints the "key value" lines of the program's stderr.
launch() { # program
    env VEVIDER_TIMING=1 VEVIDER_INI_DIR="$BUILD/stage" VEVIDER_TIMING_T0="$(date +%s%N)" \
        "$1" 2>&1 >/dev/null | grep -E '^[a-z-]+-(ms|kb) ' || true
}

# The pair, RUNS times alternating, as raw lines "p key value" / "b key value".
raw_pair() {
    for ((i = 0; i < RUNS; i++)); do
        launch "$PROGRAM" | sed 's/^/p /'
        launch "$BARE" | sed 's/^/b /'
    done
}

if [[ ${2:-} = --raw-pair ]]; then # called again under xvfb-run
    raw_pair
    exit 0
fi

median() { sort -g | awk '{v[NR]=$1} END {if (NR==0) print "nan"; else if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }

# Medians of the raw lines in file $2, under label $1.
declare -A M
medians() {
    local label=$1 file=$2
    for key in launch-to-main-ms first-window-ms menu-ready-ms rss-kb; do
        for who in p b; do
            M[$label.$who.$key]=$(awk -v w=$who -v k=$key '$1==w && $2==k {print $3}' "$file" | median)
        done
    done
    M[$label.runs]=$(grep -c '^p menu-ready-ms' "$file" || true)
}

QT_QPA_PLATFORM=offscreen raw_pair >"$WORK/offscreen"
medians offscreen "$WORK/offscreen"
HAVE_XVFB=0
if command -v xvfb-run >/dev/null; then
    # One X server for all runs; the launch time is taken inside it.
    xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb RUNS="$RUNS" \
        "$0" "$BUILD" --raw-pair >"$WORK/xvfb" 2>/dev/null || true
    medians xvfb "$WORK/xvfb"
    HAVE_XVFB=1
fi

QT_QPA_PLATFORM=offscreen "$DRILLS" "$DEALS" "$MOVES" 2>/dev/null >"$WORK/d" || true

# ---- the table ----
row() { printf '%-40s %12s %12s  %s\n' "$@"; }
calc() { awk "BEGIN {printf \"%.1f\", $1}"; }
verdict() { awk "BEGIN {print ($1) ? \"ok\" : \"MISSED\"}"; }

echo "build: $BUILD ($(grep -m1 '^CMAKE_BUILD_TYPE' "$BUILD/CMakeCache.txt" 2>/dev/null | cut -d= -f2 | sed 's/^$/no build type/'))"
echo "start-up: median of $RUNS runs; launch = before exec, main = start of main; load average: $(cut -d" " -f1-3 /proc/loadavg)"
row "measure" "value" "goal" "ratio / verdict"
for label in offscreen xvfb; do
    [[ $label = xvfb && $HAVE_XVFB = 0 ]] && continue
    p_main=${M[$label.p.first-window-ms]}
    b_main=${M[$label.b.first-window-ms]}
    p_launch=$(calc "${M[$label.p.launch-to-main-ms]} + $p_main")
    b_launch=$(calc "${M[$label.b.launch-to-main-ms]} + $b_main")
    row "[$label] first window, launch: program" "$p_launch ms" "<=1.4x bare" \
        "$(calc "$p_launch / $b_launch")x $(verdict "$p_launch <= 1.4 * $b_launch")"
    row "[$label] first window, launch: bare" "$b_launch ms" "" ""
    row "[$label] first window, main: program" "$p_main ms" "<=1.4x bare" \
        "$(calc "$p_main / $b_main")x $(verdict "$p_main <= 1.4 * $b_main")"
    row "[$label] first window, main: bare" "$b_main ms" "" ""
    menu=${M[$label.p.menu-ready-ms]}
    row "[$label] menu ready (from main)" "$menu ms" "<=250 ms" "$(verdict "$menu <= 250")"
    rss=${M[$label.p.rss-kb]}
    row "[$label] RSS, all menu pictures" "$(calc "$rss / 1024") MB" "<=60 MB" \
        "$(verdict "$rss <= 60 * 1024")"
    [[ ${M[$label.runs]} = "$RUNS" ]] || echo "  ($label: only ${M[$label.runs]} of $RUNS runs reached the menu)"
done

worst_deal=$(awk '$1=="deal" && $3>0 {print $4}' "$WORK/d" | sort -g | tail -1)
row "deal a page, worst game mean" "${worst_deal:-?} us" "<1000 us" \
    "$(verdict "${worst_deal:-1e9} < 1000")"
awk '$1=="drag" && $3>0 {print $2, $4, $5, $6}' "$WORK/d" | while read -r code mean worst paints; do
    row "drag frame $code: mean / worst" "$mean / $worst ms" "<16 ms" \
        "$(verdict "$worst < 16") ($paints paints/move)"
done

echo
echo "deal per game ($DEALS deals; mean us per deal, and per deal with a full repaint):"
awk '$1=="deal" {n++; printf "  %-3s %8s %9s%s", $2, ($3>0 ? $4 : "-"), ($3>0 ? $5 : "-"), (n%4==0 ? "\n" : "   |")} END {if (n%4) print ""}' "$WORK/d"
