# Sourced by the tests that drive the real program: a scratch folder in $work
# and a virtual X display of 1280 x 1024 (the stage at factor 2, 32 pixels
# from the top), both gone when the test ends.
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Usage: start_virtual_display <first display number>
start_virtual_display() {
    local n
    for n in $(seq "$1" $(($1 + 30))); do
        [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}
