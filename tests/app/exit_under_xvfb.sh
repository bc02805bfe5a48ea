#!/usr/bin/env bash
# Starts the real program on a virtual X display, closes the title, presses
# the exit button, answers the question with Enter, and expects a clean end:
# exit status 0 and no report of a damaged heap.
# Usage: exit_under_xvfb.sh <stage folder>
set -euo pipefail
stage="$1"
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 77

source "$(dirname "$0")/../support/virtual_display.sh"

# A copy of the installation, so the build's own results files stay untouched.
cp "$stage/vevider" "$stage/VEVIDER.INI" "$work/"
ln -s "$stage/res" "$work/res"
cp -r "$stage/data" "$work/data"

start_virtual_display 90

export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
"$work/vevider" >"$work/out.log" 2>&1 &
program=$!
timeout 20 xdotool search --sync --name "Vevider Zuduzad" >/dev/null
sleep 1
# 1280 x 1024 takes the stage at factor 2, 32 pixels from the top.
xdotool mousemove 640 500 click 1 # closes the title
sleep 0.5
xdotool mousemove 1182 116 click 1 # the exit button at 591, 42 of the stage
sleep 1
xdotool key Return # "Yes" is the question's default button

status=0
for _ in $(seq 150); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program" 2>/dev/null; then
    echo "the program did not end after the exit question"
    kill -9 "$program"
    exit 1
fi
wait "$program" || status=$?
cat "$work/out.log"
if [ "$status" -ne 0 ] || grep -qiE 'malloc|double free|AddressSanitizer' "$work/out.log"; then
    echo "exit status $status"
    exit 1
fi
echo "ended cleanly through the exit question"
