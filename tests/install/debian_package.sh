#!/usr/bin/env bash
# Builds the Debian package with CPack and checks what it holds: the program,
# its resources and data, the desktop entry, icon and metainfo, the
# maintainer scripts that make the shared results files - and never the
# results files themselves, which an upgrade would otherwise overwrite.
# Usage: debian_package.sh <build folder>
set -euo pipefail
build="$1"
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || exit 77
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
package="$(ls "$work"/*.deb)"
dpkg-deb -c "$package" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
for file in /usr/games/vevider /etc/VEVIDER.INI \
    /usr/share/applications/sk.vevider.Zuduzad.desktop \
    /usr/share/icons/hicolor/scalable/apps/sk.vevider.Zuduzad.svg \
    /usr/share/metainfo/sk.vevider.Zuduzad.metainfo.xml \
    /usr/share/games/vevider-zuduzad/res/svg/bmp/title.svgz \
    /usr/share/games/vevider-zuduzad/res/sound/click.wav \
    /var/games/vevider-zuduzad/data.dat /var/games/vevider-zuduzad/Znamky.dat; do
    grep -qxF "$file" "$work/files" || fail "$file is not in the package"
done
grep -qE '/(tab\.dat|Vysledky\.dat)$' "$work/files" && fail "the package holds results files"

dpkg-deb -f "$package" Depends >"$work/depends"
for dependency in libqt6widgets6 libqt6multimedia6 fonts-liberation2 qt6-translations-l10n; do
    grep -q "$dependency" "$work/depends" || fail "Depends lacks $dependency: $(cat "$work/depends")"
done
dpkg-deb -e "$package" "$work/control"
[ -x "$work/control/postinst" ] && [ -x "$work/control/postrm" ] || fail "maintainer scripts"
grep -qxF /etc/VEVIDER.INI "$work/control/conffiles" || fail "VEVIDER.INI is no conffile"
if command -v appstreamcli >/dev/null; then
    dpkg-deb -x "$package" "$work/tree"
    appstreamcli validate --no-net \
        "$work/tree/usr/share/metainfo/sk.vevider.Zuduzad.metainfo.xml" >/dev/null ||
        fail "metainfo does not validate"
fi
echo "package $(basename "$package"): all checks passed"
