#!/usr/bin/env bash
# Installs the build the two ways a packager does, into throw-away folders:
#   DESTDIR=<root> cmake --install <build> --prefix /usr
#   cmake --install <build> --prefix <dir>
# checks the layout, the desktop entry and the AppStream metadata, then starts
# the installed program through its games/ link from another folder on a
# private Xvfb display: the chooser shows with its icon, and Golf's table
# picture and help come from the install folder.
#
# Usage: bash test_install.sh <build>/bin
# Needs desktop-file-validate, appstreamcli, xprop and the real-window tools
# (scripts/setup.sh --test). Leaves the last install in <build>/packaging-test/.

source "$(dirname "${BASH_SOURCE[0]}")/packaging_lib.sh"
need_tools cmake desktop-file-validate appstreamcli identify xprop Xvfb xdotool xwininfo xdpyinfo import convert compare

OUT="$BUILD/packaging-test/install"
rm -rf "$OUT"
mkdir -p "$OUT"

echo "--- DESTDIR=$OUT/root cmake --install --prefix /usr"
DESTDIR="$OUT/root" cmake --install "$BUILD" --prefix /usr >"$OUT/destdir.log" 2>&1 ||
    { cat "$OUT/destdir.log" >&2; pkg_fail "the DESTDIR install failed"; }
[ "$(ls "$OUT/root")" = usr ] || pkg_fail "the DESTDIR install wrote outside usr/: $(ls "$OUT/root")"
check_tree "$OUT/root/usr"
check_metadata "$OUT/root/usr" /usr/games/quillet

echo "--- cmake --install --prefix $OUT/prefix"
cmake --install "$BUILD" --prefix "$OUT/prefix" >"$OUT/prefix.log" 2>&1 ||
    { cat "$OUT/prefix.log" >&2; pkg_fail "the --prefix install failed"; }
check_tree "$OUT/prefix"
check_metadata "$OUT/prefix" "$OUT/prefix/games/quillet"

SHOT_PREFIX=installed
source "$SOURCE/tests/e2e/realwindow_lib.sh" "$OUT/root/usr/games"
play_installed "$OUT/root/usr/lib/quillet/Main.bmp"
echo "PASS: the installed program starts through games/quillet and reads its files from lib/quillet"
