#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR as `cmake --install --prefix /usr`
# would on a school computer, then checks the installed program: its files,
# the command line without a display, a game played with the installed files
# and its result in the installed results files, and - on a virtual display,
# as an ordinary account - a start and an exit that write the shared
# best-results file in place.
# Usage: installed_program.sh <build folder> <test_installed_game executable>
set -euo pipefail
build="$1"
game_test="$2"

source "$(dirname "$0")/../support/virtual_display.sh"
fail() { echo "FAIL: $*"; exit 1; }

root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

res="$root/usr/share/games/vevider-zuduzad/res"
data="$root/var/games/vevider-zuduzad"
for file in usr/games/vevider etc/VEVIDER.INI \
    usr/share/applications/sk.vevider.Zuduzad.desktop \
    usr/share/icons/hicolor/scalable/apps/sk.vevider.Zuduzad.svg \
    usr/share/metainfo/sk.vevider.Zuduzad.metainfo.xml \
    usr/share/games/vevider-zuduzad/res/svg/bmp/title.svgz \
    usr/share/games/vevider-zuduzad/res/sound/click.wav \
    var/games/vevider-zuduzad/data.dat var/games/vevider-zuduzad/Znamky.dat; do
    [ -s "$root/$file" ] || fail "$file is not installed"
done
ls "$res"/font/*.ttf >/dev/null 2>&1 || fail "no typeface in $res/font"
for name in tab.dat Vysledky.dat; do
    [ "$(stat -c %a "$data/$name")" = 666 ] || fail "$name is not writable for every account"
done
[ "$(stat -c %a "$data")" = 755 ] || fail "the results folder is not the administrator's"

# The command line answers without a display.
program="$root/usr/games/vevider"
version="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" --version)"
[[ "$version" == "Vevider Zuduzad "[0-9]* ]] || fail "--version said: $version"
env -u DISPLAY QT_QPA_PLATFORM= "$program" --help | grep -q -- --version || fail "--help"

# A reinstall keeps the results.
echo keep >"$data/Vysledky.dat"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
[ "$(cat "$data/Vysledky.dat")" = keep ] || fail "a reinstall overwrote the results"
: >"$data/Vysledky.dat"

VZ_INSTALL_ROOT="$root" QT_QPA_PLATFORM=offscreen "$game_test" || fail "the installed game"

# The real installed program as an ordinary account, on a virtual display.
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb: done"; exit 0; }
as_pupil=()
if [ "$(id -u)" -eq 0 ]; then
    as_pupil=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chmod 755 "$work"
fi
start_virtual_display 121

before="$(stat -c %Y.%y "$data/tab.dat")"
sleep 1
runtime="$(mktemp -d)"
[ ${#as_pupil[@]} -eq 0 ] || chown nobody "$runtime"
"${as_pupil[@]}" env HOME="$runtime" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb \
    VEVIDER_INI_DIR="$root/etc" "$program" >"$work/out.log" 2>&1 &
pid=$!
timeout 20 xdotool search --sync --name "Vevider Zuduzad" >/dev/null || fail "no window"
sleep 1
xdotool mousemove 640 500 click 1 # closes the title
sleep 0.5
xdotool mousemove 1182 116 click 1 # the exit button
sleep 1
xdotool key Return # "Áno"
for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { kill -9 "$pid"; fail "the installed program did not end"; }
status=0
wait "$pid" || status=$?
rm -rf "$runtime"
cat "$work/out.log"
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$(stat -c %Y.%y "$data/tab.dat")" != "$before" ] || fail "tab.dat was not written at the exit"
echo "installed program: all checks passed"
