# Shared by the packaging tests: sourced, never run by itself.
#
# On a developer's machine that lacks a tool these tests need, the test is
# skipped (exit 77, which CTest reports as skipped). In CI (CI=true) the
# set-up has installed them all, so a missing tool is a failure there.

set -uo pipefail

SKIP=77

pkg_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# skip_unless_installed MISSING...: with anything missing the test skips
# (fails in CI).
skip_unless_installed() {
    [ "$#" -eq 0 ] && return 0
    if [ "${CI:-}" = true ]; then
        pkg_fail "not installed: $* (scripts/setup.sh --test installs them)"
    fi
    echo "SKIP: not installed: $* (run: bash scripts/setup.sh --test)"
    exit "$SKIP"
}

# need_tools TOOL...: every tool is on PATH, or the test skips (fails in CI).
need_tools() {
    local missing=() tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    skip_unless_installed "${missing[@]}"
}

# need_packages PACKAGE...: the same for Debian packages that bring no command.
need_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    skip_unless_installed "${missing[@]}"
}

# The build folder from the <build>/bin argument every script test gets.
[ $# -ge 1 ] && [ -d "$1" ] || pkg_fail "usage: $0 <build>/bin"
BUILD=$(cd "$1/.." && pwd)
SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
[ -f "$BUILD/CPackConfig.cmake" ] || pkg_fail "$BUILD is not a configured build folder"

APP_ID=org.quillet.Quillet
VERSION=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$BUILD/CPackConfig.cmake")
[ -n "$VERSION" ] || pkg_fail "no package version in $BUILD/CPackConfig.cmake"
ICON_SIZES=(16 24 32 48 64 96 128 256 512)

# What an install holds below its prefix, files and links only, sorted.
expected_files() {
    local f size
    {
        echo games/quillet
        echo lib/quillet/quillet
        echo lib/quillet/Main.bmp
        for f in "$SOURCE"/assets/help/*.hlp; do echo "lib/quillet/$(basename "$f")"; done
        echo "share/applications/$APP_ID.desktop"
        echo "share/metainfo/$APP_ID.metainfo.xml"
        for size in "${ICON_SIZES[@]}"; do echo "share/icons/hicolor/${size}x$size/apps/$APP_ID.png"; done
        echo share/man/man6/quillet.6.gz
        echo share/doc/quillet/copyright
        echo share/doc/quillet/changelog.gz
    } | sort
}

# check_tree PREFIXDIR: the installed files are exactly the expected ones,
# the launcher links to the program, and the program's files sit beside it.
check_tree() {
    local prefix=$1 actual size
    actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
    if [ "$actual" != "$(expected_files)" ]; then
        diff <(expected_files) <(echo "$actual") | sed 's/^/  /' >&2
        pkg_fail "the files installed under $prefix are not the expected ones (< expected, > installed)"
    fi
    [ "$(readlink "$prefix/games/quillet")" = ../lib/quillet/quillet ] ||
        pkg_fail "games/quillet links to '$(readlink "$prefix/games/quillet")', not ../lib/quillet/quillet"
    [ -x "$prefix/games/quillet" ] || pkg_fail "games/quillet does not lead to an executable"
    cmp -s "$prefix/lib/quillet/Main.bmp" "$SOURCE/assets/Main.bmp" || pkg_fail "lib/quillet/Main.bmp is not assets/Main.bmp"
    for size in "${ICON_SIZES[@]}"; do
        [ "$(identify -format '%wx%h %m' "$prefix/share/icons/hicolor/${size}x$size/apps/$APP_ID.png")" = "${size}x$size PNG" ] ||
            pkg_fail "the ${size}x$size icon is not a ${size}x$size PNG"
    done
    echo "ok: $prefix holds exactly the $(echo "$actual" | wc -l) expected files; games/quillet -> ../lib/quillet/quillet"
}

# check_metadata PREFIXDIR LAUNCHER: the desktop entry and the AppStream
# metadata validate, and the entry starts LAUNCHER under its own icon.
check_metadata() {
    local prefix=$1 launcher=$2 entry out
    entry="$prefix/share/applications/$APP_ID.desktop"
    out=$(desktop-file-validate "$entry" 2>&1) || pkg_fail "desktop-file-validate rejects $entry: $out"
    [ -z "$out" ] || pkg_fail "desktop-file-validate complains about $entry: $out"
    grep -qx "Exec=$launcher" "$entry" || pkg_fail "$entry does not start $launcher: $(grep '^Exec=' "$entry")"
    grep -qx "Icon=$APP_ID" "$entry" || pkg_fail "$entry does not name the icon $APP_ID"
    grep -qx "StartupWMClass=quillet" "$entry" || pkg_fail "$entry does not name the window class quillet"
    grep -qx 'Categories=Game;CardGame;' "$entry" || pkg_fail "$entry is not in Game;CardGame;"
    out=$(appstreamcli validate --no-net "$prefix/share/metainfo/$APP_ID.metainfo.xml" 2>&1) ||
        pkg_fail "appstreamcli rejects the metadata: $out"
    grep -q "<release version=\"$VERSION\"" "$prefix/share/metainfo/$APP_ID.metainfo.xml" ||
        pkg_fail "the metadata has no release $VERSION"
    echo "ok: desktop entry and AppStream metadata validate; Exec=$launcher"
}

# window_icon_sizes WINDOW: the icon sizes the window offers the window manager.
window_icon_sizes() {
    timeout 10 xprop -id "$1" _NET_WM_ICON 2>/dev/null | sed -n 's/.*Icon (\([0-9]*\) x [0-9]*):.*/\1/p' | tr '\n' ' '
}

# require_window_icon WINDOW WHAT: the window carries the program's icon at
# the sizes a window manager or task bar picks from.
require_window_icon() {
    local sizes size
    sizes=" $(window_icon_sizes "$1")"
    for size in 16 32 48 64; do
        [[ "$sizes" == *" $size "* ]] || fail "the $2 window offers no ${size}x$size icon (_NET_WM_ICON sizes:$sizes)"
    done
    # The class the desktop entry's StartupWMClass names, so docks match them.
    [[ "$(timeout 10 xprop -id "$1" WM_CLASS)" == *', "quillet"' ]] || fail "the $2 window's WM_CLASS is not quillet"
    ok "the $2 window carries the program's icon (sizes:$sizes) and window class"
}

# play_installed: with realwindow_lib.sh sourced on an installed games/
# folder, starts the program from a folder that is not its own, opens Golf,
# sees the installed table picture and help, and leaves through Exit.
play_installed() {
    local main_bmp=$1 help
    start_display
    start_app
    require_window_icon "$CHOOSER_ID" chooser

    step "Golf's table and help come from the program's own folder"
    open_game Golf 470 320
    require_window_icon "$GAME_ID" Golf
    crop "$main_bmp" 470 250 0 0 "$WORK/bg.png"
    table_shown() {
        require_app
        grab "$WORK/table.png"
        board_crop "$WORK/table.png" 0 0 470 250 "$WORK/board.png"
        [ "$(diff_pixels "$WORK/board.png" "$WORK/bg.png")" -eq 0 ]
    }
    poll "the board to show the installed Main.bmp" "$STEP_TIMEOUT" table_shown
    ok "the board shows the installed Main.bmp"

    focus_game
    x xdotool key F1
    help_shown() { require_app; help=$(window_named "Golf Help"); [ -n "$help" ]; }
    poll "the help window \"Golf Help\" (read from the program's folder)" "$STEP_TIMEOUT" help_shown
    require_window_icon "$help" help
    x xdotool windowfocus --sync "$help" >/dev/null 2>&1
    x xdotool key Escape
    help_closed() { [ -z "$(window_named "Golf Help")" ]; }
    poll "the help window to close" "$STEP_TIMEOUT" help_closed
    ok "F1 opens Golf's help from the installed file"

    exit_game
    exit_program
}
