# Shared driver for the real-window tests: sourced, never run by itself.
#
# It plays the real program on a private Xvfb display with nothing but the
# pointer, the keyboard and screenshots. A test sets SHOT_PREFIX, sources
# this file with its <build>/bin argument, and then calls rw_start_display,
# rw_start_app, rw_open_game, rw_game_menu, rw_settle, ... in turn.
#
# There is no window manager, so a window's X geometry is its client area:
# the menu bar is drawn inside it, which is how the board is found.
# Nothing waits a fixed time for the program: every step polls for what it
# expects, with a deadline, and a move that may or may not have been made is
# judged only after a round trip through the program's own event queue
# (a menu opened and closed again), so a busy machine cannot fake a result.

set -uo pipefail

MAIN_PID=$$
fail() {
    echo "FAIL: $*" >&2
    # What the screen showed at the failure, for whoever looks into it.
    if [ -n "${DISPLAY_NO:-}" ] && [ "$BASHPID" = "$MAIN_PID" ] && kill -0 "$XVFB_PID" 2>/dev/null &&
        timeout 10 import -window root "$SHOTS/$SHOT_PREFIX-failure.png" 2>/dev/null; then
        echo "screen at the failure: $SHOTS/$SHOT_PREFIX-failure.png" >&2
        echo "windows on the screen:" >&2
        viewable_windows | sed 's/^/  /' >&2
    fi
    # From inside a command substitution, end the test itself too.
    [ "$BASHPID" != "$MAIN_PID" ] && kill -USR1 "$MAIN_PID"
    exit 1
}
step() { echo "--- $*"; }
ok() { echo "ok: $*"; }

: "${SHOT_PREFIX:?set SHOT_PREFIX before sourcing realwindow_lib.sh}"
[ $# -ge 1 ] && [ -x "$1/quillet" ] || fail "usage: $0 <bin dir holding quillet>"
BIN=$(cd "$1" && pwd)
SHOTS="$(dirname "$BIN")/e2e-shots"
CARDS_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../assets/cards" && pwd)"

for tool in Xvfb xdotool xwininfo xdpyinfo import convert compare timeout md5sum; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (run scripts/setup.sh)"
done

# Deadlines in seconds; generous, since they only matter when something is wrong.
START_TIMEOUT=60
STEP_TIMEOUT=30
EXIT_TIMEOUT=20

# Constants of the chooser and the game window.
CHOOSER_CLIENT_W=457
CHOOSER_CLIENT_H=318
PICTURE_INSET=2            # Picture1's sunken border
EXIT_REGION=(192 272 58 25)
PANEL_W=88
PANEL_H=70
CARD_W=55
CARD_H=79
# Every card face is at least 59% near-white, the felt none.
CARD_WHITE=40

# The chooser's entries (left top width height), as the game window titles them.
declare -A CHOOSER_REGION=(
    ["Baker's Dozen"]="32 96 155 25"
    ["Beleaguered Castle"]="32 125 188 27"
    ["Bisley"]="32 158 91 27"
    ["Decade"]="32 192 89 25"
    ["Fourteens"]="32 221 113 25"
    ["Golf"]="280 96 75 25"
    ["Maze"]="280 126 73 22"
    ["Monte Carlo"]="280 160 131 23"
    ["Pyramid"]="280 193 105 25"
    ["Scorpion"]="272 224 105 24"
)

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
GAME_NAME=""
GAME_ID=""
CHOOSER_ID=""
cleanup() {
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
        kill "$APP_PID" 2>/dev/null
        wait "$APP_PID" 2>/dev/null
    fi
    if [ -n "$XVFB_PID" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' USR1
trap 'exit 130' INT TERM

mkdir -p "$SHOTS" || fail "cannot create $SHOTS"
rm -f "$SHOTS/$SHOT_PREFIX"-*.png

# ---------------------------------------------------------------- helpers

now() { date +%s; }

# X clients must never hang the test, whatever state the server is in.
x() { timeout 10 "$@"; }

app_alive() {
    [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null
}

# The program must stay up until the test itself ends it.
require_app() {
    kill -0 "$XVFB_PID" 2>/dev/null || fail "the X server on $DISPLAY ended unexpectedly"
    if ! app_alive; then
        local status=0
        wait "$APP_PID" 2>/dev/null || status=$?
        echo "program output:" >&2
        sed 's/^/  /' "$WORK/quillet.log" >&2
        fail "quillet ended unexpectedly (exit status $status)"
    fi
}

# poll DESCRIPTION TIMEOUT COMMAND...: retries COMMAND until it succeeds.
poll() {
    local what=$1 limit=$2
    shift 2
    local deadline=$(($(now) + limit))
    while :; do
        "$@" && return 0
        [ "$(now)" -ge "$deadline" ] && fail "timed out after ${limit}s waiting for: $what"
        sleep 0.2
    done
}

# Viewable top-level windows as "id<TAB>name" lines.
viewable_windows() {
    local id name
    x xwininfo -root -children 2>/dev/null |
        sed -n 's/^ *\(0x[0-9a-f]*\) "\(.*\)": (.*$/\1\t\2/p' |
        while IFS=$'\t' read -r id name; do
            if x xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
                printf '%s\t%s\n' "$id" "$name"
            fi
        done
}

# The one viewable window with exactly this title, or nothing.
window_named() {
    viewable_windows | awk -F'\t' -v n="$1" '$2 == n { print $1; exit }'
}

map_state() {
    x xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ { print $3 }'
}

# Sets GX GY GW GH to a window's absolute position and size.
geometry() {
    local info
    info=$(x xwininfo -id "$1" 2>/dev/null) || fail "window $1 has gone"
    GX=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
    GY=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
    GW=$(awk '/^ *Width:/ { print $2 }' <<<"$info")
    GH=$(awk '/^ *Height:/ { print $2 }' <<<"$info")
}

grab() { x import -window root "$1" 2>/dev/null || fail "could not take a screenshot"; }

SHOT_NO=0
# Keeps a screenshot for developers; the path is left in LAST_SHOT.
shot() {
    SHOT_NO=$((SHOT_NO + 1))
    LAST_SHOT="$SHOTS/$SHOT_PREFIX-$(printf '%02d' "$SHOT_NO")-$1.png"
    grab "$LAST_SHOT"
}

# pixel FILE X Y -> "r,g,b"
pixel() {
    convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}

# crop FILE W H X Y OUT
crop() { convert "$1" -crop "${2}x${3}+${4}+${5}" +repage "$6" || fail "cannot crop $1"; }

# Number of differing pixels between two images of the same size.
diff_pixels() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1)
    [[ "$n" =~ ^[0-9]+$ ]] || fail "cannot compare $1 with $2: $n"
    echo "$n"
}

# Share of near-white pixels in a rectangle, in percent.
white_percent() {
    convert "$1" -crop "${2}x${3}+${4}+${5}" +repage -colorspace gray -threshold 90% \
        -format '%[fx:round(100*mean)]' info:
}

# Board coordinates -> screen coordinates of the game window.
bx() { echo $((BOARD_X + $1)); }
by() { echo $((BOARD_Y + $1)); }

# board_crop FILE X Y W H OUT: a rectangle of the board from a screenshot.
board_crop() { crop "$1" "$4" "$5" "$(bx "$2")" "$(by "$3")" "$6"; }

# same_board_area FILE1 FILE2 X Y W H: the rectangle is alike in both shots.
same_board_area() {
    board_crop "$1" "$3" "$4" "$5" "$6" "$WORK/area1.png"
    board_crop "$2" "$3" "$4" "$5" "$6" "$WORK/area2.png"
    [ "$(diff_pixels "$WORK/area1.png" "$WORK/area2.png")" -eq 0 ]
}

# Message boxes would block the game; any window we do not expect is a fault.
require_no_dialog() {
    local id name
    while IFS=$'\t' read -r id name; do
        [ -z "$id" ] && continue
        [ "$id" = "${CHOOSER_ID:-}" ] && continue
        [ -n "$GAME_NAME" ] && [ "$name" = "$GAME_NAME" ] && continue
        [ "$name" = quillet ] && continue
        shot unexpected-window >/dev/null
        fail "an unexpected window \"$name\" is open $* (see $LAST_SHOT)"
    done < <(viewable_windows)
}

popup_open() {
    viewable_windows | awk -F'\t' '$2 == "quillet" { found = 1 } END { exit !found }'
}
popup_closed() { ! popup_open; }

focus_game() {
    x xdotool windowfocus --sync "$GAME_ID" >/dev/null 2>&1 || fail "cannot give the $GAME_NAME window the keyboard focus"
}

# A round trip through the program's event queue: open the Game menu, see it,
# close it, see it gone. Everything sent before has then been handled and drawn.
settle() {
    require_app
    focus_game
    x xdotool key alt+g
    poll "the Game menu to open" "$STEP_TIMEOUT" popup_open
    x xdotool key Escape
    poll "the Game menu to close" "$STEP_TIMEOUT" popup_closed
    # Leave the menu bar's keyboard mode too.
    x xdotool key Escape
    require_app
}

# Game menu item by its access key.
game_menu() {
    require_app
    focus_game
    x xdotool key alt+g
    poll "the Game menu to open" "$STEP_TIMEOUT" popup_open
    x xdotool key "$1"
    # The menu closes when the item has been chosen; a later step must not
    # mistake it for a menu of its own.
    poll "the Game menu to close after choosing an item" "$STEP_TIMEOUT" popup_closed
}

click_board() {
    x xdotool mousemove "$(bx "$1")" "$(by "$2")"
    x xdotool click 1
}

# drag_board X1 Y1 X2 Y2: presses at one board point, moves in steps (as a
# hand does, so the program sees the drag) and releases at the other.
drag_board() {
    local x1=$1 y1=$2 x2=$3 y2=$4 i
    x xdotool mousemove "$(bx "$x1")" "$(by "$y1")"
    x xdotool mousedown 1
    for i in 1 2 3 4 5 6 7 8; do
        x xdotool mousemove "$(bx $((x1 + (x2 - x1) * i / 8)))" "$(by $((y1 + (y2 - y1) * i / 8)))"
        sleep 0.02
    done
    x xdotool mouseup 1
}

# The panel's buttons, at the board's bottom-right corner.
click_deal() { click_board $((PANEL_X + 42)) $((PANEL_Y + 32)); }
click_undo() { click_board $((PANEL_X + 42)) $((PANEL_Y + 54)); }

# ------------------------------------------------------------ card pictures

# Cards are read off the screen by comparing pixels exactly with the card
# pictures: a checksum of each picture's raw pixels names its card.
declare -A CARD_OF_SUM=()
load_card_sums() {
    local n sum
    for n in $(seq 1 52); do
        sum=$(convert "$CARDS_DIR/$(printf '%02d' "$n").bmp" -depth 8 rgb:- | md5sum | cut -d' ' -f1)
        CARD_OF_SUM[$sum]=$n
    done
}

# read_cards FILE "X Y" ...: prints the card (1..52) shown with its top-left
# corner at each board point, or 0 where no whole face shows.
read_cards() {
    local file=$1 xy sum
    shift
    for xy in "$@"; do
        set -- $xy
        sum=$(convert "$file" -crop "${CARD_W}x${CARD_H}+$(bx "$1")+$(by "$2")" +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1)
        echo "${CARD_OF_SUM[$sum]:-0}"
    done
}

# Card numbers run in suit blocks of thirteen, Ace low.
card_rank() { echo $((($1 - 1) % 13 + 1)); }
card_suit() { echo $((($1 - 1) / 13)); }

# ------------------------------------------------------------ the display

# Uses a free display among QUILLET_E2E_DISPLAYS (default :90 to :99).
start_display() {
    step "starting a private X display"
    own_server() {
        # Our own server answers, not one that another test started on the
        # same number a moment earlier: the lock file names the server's process.
        kill -0 "$XVFB_PID" 2>/dev/null &&
            [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock")" = "$XVFB_PID" ] &&
            x xdpyinfo -display ":$1" >/dev/null 2>&1
    }
    local numbers=(${QUILLET_E2E_DISPLAYS:-90 91 92 93 94 95 96 97 98 99})
    local count=${#numbers[@]} first n i deadline
    DISPLAY_NO=""
    # Start at a random number so that tests running side by side rarely collide.
    first=$((RANDOM % count))
    for ((i = 0; i < count; i++)); do
        n=${numbers[$(((first + i) % count))]}
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
        XVFB_PID=$!
        deadline=$(($(now) + START_TIMEOUT))
        while kill -0 "$XVFB_PID" 2>/dev/null && [ "$(now)" -lt "$deadline" ]; do
            if own_server "$n"; then
                DISPLAY_NO=$n
                break 2
            fi
            sleep 0.2
        done
        # Taken meanwhile by someone else, or too slow: try the next number.
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    done
    [ -n "$DISPLAY_NO" ] || fail "no free X display among :${numbers[*]} (or Xvfb does not start: $(cat "$WORK/xvfb.log"))"
    export DISPLAY=":$DISPLAY_NO"
    ok "Xvfb on $DISPLAY, 1024x768x24"
}

# ------------------------------------------------------------ the chooser

start_app() {
    step "starting quillet"
    mkdir -m 700 "$WORK/runtime"
    (
        cd "$WORK" || exit 1
        unset QT_QPA_PLATFORM WAYLAND_DISPLAY
        export XDG_RUNTIME_DIR="$WORK/runtime"
        exec "$BIN/quillet"
    ) >"$WORK/quillet.log" 2>&1 &
    APP_PID=$!

    chooser_shown() { require_app; CHOOSER_ID=$(window_named Quillet); [ -n "$CHOOSER_ID" ]; }
    poll "the chooser window \"Quillet\"" "$START_TIMEOUT" chooser_shown
    geometry "$CHOOSER_ID"
    MENU_H=$((GH - CHOOSER_CLIENT_H))
    [ "$GW" -eq "$CHOOSER_CLIENT_W" ] || fail "chooser is $GW pixels wide, expected $CHOOSER_CLIENT_W"
    [ "$MENU_H" -ge 10 ] && [ "$MENU_H" -le 60 ] || fail "chooser is $GH pixels high: no room for a menu bar above a $CHOOSER_CLIENT_H pixel client area"
    # The picture's inner area, where the entries' regions are measured from.
    PIC_X=$((GX + PICTURE_INSET))
    PIC_Y=$((GY + MENU_H + PICTURE_INSET))
    ok "chooser \"Quillet\" is viewable at $GX,$GY, ${GW}x$GH (menu bar $MENU_H px)"
}

# hover_entry NAME LEFT TOP WIDTH HEIGHT: points at an entry's middle and
# waits for its green outline.
hover_entry() {
    local name=$1 left=$2 top=$3 width=$4 height=$5
    x xdotool mousemove $((PIC_X + left + width / 2)) $((PIC_Y + top + height / 2))
    outline_shown() {
        require_app
        grab "$WORK/hover.png"
        [ "$(pixel "$WORK/hover.png" $((PIC_X + left)) $((PIC_Y + top + height / 2)))" = "0,255,0" ] &&
            [ "$(pixel "$WORK/hover.png" $((PIC_X + left + width - 1)) $((PIC_Y + top + height / 2)))" = "0,255,0" ]
    }
    poll "a green outline round $name" "$STEP_TIMEOUT" outline_shown
}

# open_game NAME W H: clicks the game's entry, waits for its window and
# sets BOARD_X BOARD_Y (screen), BOARD_W BOARD_H and PANEL_X PANEL_Y (board).
open_game() {
    local name=$1 w=$2 h=$3
    local region=(${CHOOSER_REGION[$name]})
    hover_entry "$name" "${region[@]}"
    x xdotool click 1
    game_shown() { require_app; GAME_ID=$(window_named "$name"); [ -n "$GAME_ID" ]; }
    poll "a window titled \"$name\"" "$STEP_TIMEOUT" game_shown
    GAME_NAME=$name
    chooser_hidden() { [ "$(map_state "$CHOOSER_ID")" != IsViewable ]; }
    poll "the chooser to hide" "$STEP_TIMEOUT" chooser_hidden
    geometry "$GAME_ID"
    [ "$GW" -eq "$w" ] || fail "$name window is $GW pixels wide, expected a $w pixel board"
    [ "$((GH - MENU_H))" -eq "$h" ] ||
        fail "$name window is $GH pixels high: with the $MENU_H pixel menu bar that is a board $((GH - MENU_H)) high, expected $h"
    BOARD_X=$GX
    BOARD_Y=$((GY + MENU_H))
    BOARD_W=$w
    BOARD_H=$h
    PANEL_X=$((BOARD_W - PANEL_W))
    PANEL_Y=$((BOARD_H - PANEL_H))
    ok "clicking $name opens the \"$name\" window (board ${w}x$h at $BOARD_X,$BOARD_Y) and hides the chooser"
}

# Game > Exit, then the chooser must be back, drawn and without an outline.
exit_game() {
    local name=$GAME_NAME
    # Off both windows, so the chooser gets no pointer move when it comes back.
    x xdotool mousemove 5 5
    game_menu x
    chooser_back() { require_app; [ "$(map_state "$CHOOSER_ID")" = IsViewable ]; }
    poll "the chooser to come back" "$STEP_TIMEOUT" chooser_back
    game_gone() { [ -z "$(window_named "$name")" ]; }
    poll "the $name window to close" "$STEP_TIMEOUT" game_gone
    GAME_NAME="" GAME_ID=""
    [ "$(x xdotool getwindowname "$CHOOSER_ID")" = Quillet ] || fail "the window that came back is not titled \"Quillet\""
    geometry "$CHOOSER_ID"
    PIC_X=$((GX + PICTURE_INSET))
    PIC_Y=$((GY + MENU_H + PICTURE_INSET))
    chooser_painted() {
        require_app
        grab "$WORK/back.png"
        # The picture shows again (wood, not a blank window).
        [ "$(white_percent "$WORK/back.png" 200 100 $((PIC_X + 100)) $((PIC_Y + 100)))" -lt 50 ]
    }
    poll "the chooser's picture to be drawn" "$STEP_TIMEOUT" chooser_painted
    local region=(${CHOOSER_REGION[$name]})
    [ "$(pixel "$WORK/back.png" $((PIC_X + region[0])) $((PIC_Y + region[1] + region[3] / 2)))" != "0,255,0" ] ||
        fail "the chooser came back with $name still outlined"
    require_no_dialog "after closing $name"
}

# Clicks Exit in the chooser; the program must end with status 0.
exit_program() {
    hover_entry Exit "${EXIT_REGION[@]}"
    shot chooser-exit-outlined >/dev/null
    ok "pointing at Exit outlines it in green ($LAST_SHOT)"
    x xdotool click 1
    local deadline=$(($(now) + EXIT_TIMEOUT)) status=0
    while app_alive; do
        [ "$(now)" -ge "$deadline" ] && fail "quillet still runs ${EXIT_TIMEOUT}s after clicking Exit"
        sleep 0.2
    done
    wait "$APP_PID" 2>/dev/null || status=$?
    APP_PID=""
    [ "$status" -eq 0 ] || fail "quillet ended with exit status $status after Exit"
    ok "clicking Exit ends the program (exit status 0)"
}
