#!/usr/bin/env bash
# Plays the real program on a private Xvfb display, the way a player would,
# with nothing but the pointer, the keyboard and screenshots:
#   chooser -> hover and click Golf -> Game > New -> Deal -> play a bottom
#   card (dealing again until one fits) -> Undo -> Game > Exit -> chooser is
#   back -> hover and click Exit -> the program ends.
#
# Usage: bash test_realwindow_golf.sh <build>/bin
# Needs Xvfb, xdotool, xwininfo/xdpyinfo and ImageMagick (scripts/setup.sh).
# Screenshots of every step land in <build>/e2e-shots/golf-*.png.
#
# There is no window manager, so a window's X geometry is its client area:
# the menu bar is drawn inside it, which is how the board is found.
# Nothing waits a fixed time for the program: every step polls for what it
# expects, with a deadline, and a card that may or may not have played is
# judged only after a round trip through the program's own event queue
# (a menu opened and closed again), so a busy machine cannot fake a result.

set -uo pipefail

MAIN_PID=$$
fail() {
    echo "FAIL: $*" >&2
    # What the screen showed at the failure, for whoever looks into it.
    if [ -n "${DISPLAY_NO:-}" ] && [ "$BASHPID" = "$MAIN_PID" ] && kill -0 "$XVFB_PID" 2>/dev/null &&
        timeout 10 import -window root "$SHOTS/golf-failure.png" 2>/dev/null; then
        echo "screen at the failure: $SHOTS/golf-failure.png" >&2
        echo "windows on the screen:" >&2
        viewable_windows | sed 's/^/  /' >&2
    fi
    # From inside a command substitution, end the test itself too.
    [ "$BASHPID" != "$MAIN_PID" ] && kill -USR1 "$MAIN_PID"
    exit 1
}
step() { echo "--- $*"; }
ok() { echo "ok: $*"; }

[ $# -ge 1 ] && [ -x "$1/quillet" ] || fail "usage: $0 <bin dir holding quillet>"
BIN=$(cd "$1" && pwd)
SHOTS="$(dirname "$BIN")/e2e-shots"

for tool in Xvfb xdotool xwininfo xdpyinfo import convert compare timeout; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (run scripts/setup.sh)"
done

# Deadlines in seconds; generous, since they only matter when something is wrong.
START_TIMEOUT=60
STEP_TIMEOUT=30
EXIT_TIMEOUT=20

# Constants of the windows under test.
CHOOSER_CLIENT_W=457
CHOOSER_CLIENT_H=318
PICTURE_INSET=2            # Picture1's sunken border
GOLF_REGION=(280 96 75 25)
EXIT_REGION=(192 272 58 25)
BOARD_W=470
BOARD_H=320
PANEL_W=88
PANEL_H=70
CARD_W=55
CARD_H=79
WASTE_X=209
WASTE_Y=229
BOTTOM_ROW_Y=124
ROW4_BOTTOM=$((98 + CARD_H))   # first pixel row below the fourth row's cards
# Every card face is at least 59% near-white, the felt none.
CARD_WHITE=40

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
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
rm -f "$SHOTS"/golf-*.png

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
    LAST_SHOT="$SHOTS/golf-$(printf '%02d' "$SHOT_NO")-$1.png"
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

# Message boxes would block the game; any window we do not expect is a fault.
require_no_dialog() {
    local id name
    while IFS=$'\t' read -r id name; do
        [ -z "$id" ] && continue
        [ "$id" = "${CHOOSER_ID:-}" ] && continue
        case "$name" in
        Golf | quillet) ;;
        *) shot unexpected-window >/dev/null
           fail "an unexpected window \"$name\" is open $* (see $LAST_SHOT)" ;;
        esac
    done < <(viewable_windows)
}

popup_open() {
    viewable_windows | awk -F'\t' '$2 == "quillet" { found = 1 } END { exit !found }'
}
popup_closed() { ! popup_open; }

focus_game() {
    x xdotool windowfocus --sync "$GOLF_ID" >/dev/null 2>&1 || fail "cannot give the Golf window the keyboard focus"
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

# ------------------------------------------------------------ the display

step "starting a private X display"
# Our own server answers, not one that another test started on the same
# number a moment earlier: the lock file names the server's process.
own_server() {
    kill -0 "$XVFB_PID" 2>/dev/null &&
        [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock")" = "$XVFB_PID" ] &&
        x xdpyinfo -display ":$1" >/dev/null 2>&1
}
DISPLAY_NO=""
# Start at a random number so that tests running side by side rarely collide.
first=$((RANDOM % 10))
for i in 0 1 2 3 4 5 6 7 8 9; do
    n=$((90 + (first + i) % 10))
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
[ -n "$DISPLAY_NO" ] || fail "no free X display among :90 to :99 (or Xvfb does not start: $(cat "$WORK/xvfb.log"))"
export DISPLAY=":$DISPLAY_NO"
ok "Xvfb on $DISPLAY, 1024x768x24"

# ------------------------------------------------------------ the chooser

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
CX=$GX CY=$GY
MENU_H=$((GH - CHOOSER_CLIENT_H))
[ "$GW" -eq "$CHOOSER_CLIENT_W" ] || fail "chooser is $GW pixels wide, expected $CHOOSER_CLIENT_W"
[ "$MENU_H" -ge 10 ] && [ "$MENU_H" -le 60 ] || fail "chooser is $GH pixels high: no room for a menu bar above a $CHOOSER_CLIENT_H pixel client area"
# The picture's inner area, where the entries' regions are measured from.
PIC_X=$((CX + PICTURE_INSET))
PIC_Y=$((CY + MENU_H + PICTURE_INSET))
ok "chooser \"Quillet\" is viewable at $CX,$CY, ${GW}x$GH (menu bar $MENU_H px)"

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

step "choosing Golf"
shot chooser >/dev/null
hover_entry Golf "${GOLF_REGION[@]}"
shot chooser-golf-outlined >/dev/null
ok "pointing at Golf outlines it in green ($LAST_SHOT)"

x xdotool click 1
golf_shown() { require_app; GOLF_ID=$(window_named Golf); [ -n "$GOLF_ID" ]; }
poll "a window titled \"Golf\"" "$STEP_TIMEOUT" golf_shown
chooser_hidden() { [ "$(map_state "$CHOOSER_ID")" != IsViewable ]; }
poll "the chooser to hide" "$STEP_TIMEOUT" chooser_hidden
ok "clicking Golf opens the \"Golf\" window and hides the chooser ($(map_state "$CHOOSER_ID"))"

# ------------------------------------------------------------ the Golf window

geometry "$GOLF_ID"
[ "$GW" -eq "$BOARD_W" ] || fail "Golf window is $GW pixels wide, expected a $BOARD_W pixel board"
[ "$((GH - MENU_H))" -eq "$BOARD_H" ] ||
    fail "Golf window is $GH pixels high: with the $MENU_H pixel menu bar that is a board $((GH - MENU_H)) high, expected $BOARD_H"
BOARD_X=$GX
BOARD_Y=$((GY + MENU_H))
ok "Golf window's client board is ${BOARD_W}x$BOARD_H at $BOARD_X,$BOARD_Y"

# Before New the board is the background picture, at its own size, with the
# panel in the bottom-right corner.
PANEL_X=$((BOARD_W - PANEL_W))
PANEL_Y=$((BOARD_H - PANEL_H))
background_drawn() {
    require_app
    grab "$WORK/empty.png"
    board_crop "$WORK/empty.png" 0 0 "$BOARD_W" "$PANEL_Y" "$WORK/empty-top.png"
    board_crop "$WORK/empty.png" 0 "$PANEL_Y" "$PANEL_X" "$PANEL_H" "$WORK/empty-left.png"
    [ "$(diff_pixels "$WORK/empty-top.png" "$WORK/bg-top.png")" -eq 0 ] &&
        [ "$(diff_pixels "$WORK/empty-left.png" "$WORK/bg-left.png")" -eq 0 ]
}
crop "$BIN/Main.bmp" "$BOARD_W" "$PANEL_Y" 0 0 "$WORK/bg-top.png"
crop "$BIN/Main.bmp" "$PANEL_X" "$PANEL_H" 0 "$PANEL_Y" "$WORK/bg-left.png"
poll "the empty board to show the background picture" "$STEP_TIMEOUT" background_drawn
shot golf-empty >/dev/null
EMPTY=$LAST_SHOT
board_crop "$EMPTY" "$PANEL_X" "$PANEL_Y" "$PANEL_W" "$PANEL_H" "$WORK/panel.png"
crop "$BIN/Main.bmp" "$PANEL_W" "$PANEL_H" "$PANEL_X" "$PANEL_Y" "$WORK/bg-panel.png"
[ "$(diff_pixels "$WORK/panel.png" "$WORK/bg-panel.png")" -eq $((PANEL_W * PANEL_H)) ] ||
    fail "the bottom-right ${PANEL_W}x$PANEL_H corner is not all panel ($EMPTY)"
[ "$(white_percent "$EMPTY" "$CARD_W" "$CARD_H" "$(bx "$WASTE_X")" "$(by "$WASTE_Y")")" -lt 10 ] ||
    fail "the waste place is not empty felt before New ($EMPTY)"
ok "before New the board shows the background picture exactly, panel ${PANEL_W}x$PANEL_H at $PANEL_X,$PANEL_Y ($EMPTY)"

deal() {
    local before=$1
    click_board $((PANEL_X + 42)) $((PANEL_Y + 32))
    board_crop "$before" "$WASTE_X" "$WASTE_Y" "$CARD_W" "$CARD_H" "$WORK/waste-before.png"
    waste_changed() {
        require_app
        grab "$WORK/dealt.png"
        board_crop "$WORK/dealt.png" "$WASTE_X" "$WASTE_Y" "$CARD_W" "$CARD_H" "$WORK/waste-now.png"
        [ "$(diff_pixels "$WORK/waste-before.png" "$WORK/waste-now.png")" -gt 0 ]
    }
    poll "Deal to put a new card on the waste" "$STEP_TIMEOUT" waste_changed
    settle
    require_no_dialog "after Deal"
}

new_game() {
    game_menu n
    tableau_dealt() {
        require_app
        grab "$WORK/new.png"
        [ "$(white_percent "$WORK/new.png" "$CARD_W" "$CARD_H" "$(bx 20)" "$(by "$BOTTOM_ROW_Y")")" -ge "$CARD_WHITE" ] &&
            [ "$(white_percent "$WORK/new.png" "$CARD_W" "$CARD_H" "$(bx 398)" "$(by "$BOTTOM_ROW_Y")")" -ge "$CARD_WHITE" ]
    }
    poll "Game > New to lay out the tableau" "$STEP_TIMEOUT" tableau_dealt
    settle
    require_no_dialog "after New"
}

step "Game > New"
new_game
shot golf-new >/dev/null
BEFORE_DEAL=$LAST_SHOT
[ "$(white_percent "$BEFORE_DEAL" "$CARD_W" "$CARD_H" "$(bx "$WASTE_X")" "$(by "$WASTE_Y")")" -lt 10 ] ||
    fail "the waste shows a card before the first Deal ($BEFORE_DEAL)"
ok "New lays out seven columns and leaves the waste empty ($BEFORE_DEAL)"

step "Deal"
deal "$BEFORE_DEAL"
shot golf-dealt >/dev/null
DEALT=$LAST_SHOT
waste_white=$(white_percent "$DEALT" "$CARD_W" "$CARD_H" "$(bx "$WASTE_X")" "$(by "$WASTE_Y")")
[ "$waste_white" -ge "$CARD_WHITE" ] || fail "the waste place is only $waste_white% white after Deal: no card there ($DEALT)"
board_crop "$BEFORE_DEAL" $((PANEL_X + 3)) $((PANEL_Y + 3)) 79 17 "$WORK/label-before.png"
board_crop "$DEALT" $((PANEL_X + 3)) $((PANEL_Y + 3)) 79 17 "$WORK/label-after.png"
[ "$(diff_pixels "$WORK/label-before.png" "$WORK/label-after.png")" -gt 0 ] ||
    fail "the cards-left label stayed blank after Deal ($DEALT)"
ok "Deal puts a card on the waste ($waste_white% white) and writes the cards-left label ($DEALT)"

# ------------------------------------------------------------ a play and Undo

# try_column C CURRENT_SHOT: clicks the bottom card of column C (0..6);
# succeeds when it went to the waste.
try_column() {
    local c=$1 current=$2
    local x=$((20 + 63 * c))
    board_crop "$current" "$x" "$BOTTOM_ROW_Y" "$CARD_W" "$CARD_H" "$WORK/card.png"
    click_board $((x + 27)) $((BOTTOM_ROW_Y + 40))
    settle
    require_no_dialog "after clicking column $((c + 1))"
    grab "$WORK/after.png"
    board_crop "$WORK/after.png" "$WASTE_X" "$WASTE_Y" "$CARD_W" "$CARD_H" "$WORK/waste.png"
    if [ "$(diff_pixels "$WORK/card.png" "$WORK/waste.png")" -ne 0 ]; then
        # Refused: nothing on the board may have moved.
        board_crop "$current" 0 0 "$BOARD_W" "$PANEL_Y" "$WORK/b1.png"
        board_crop "$WORK/after.png" 0 0 "$BOARD_W" "$PANEL_Y" "$WORK/b2.png"
        [ "$(diff_pixels "$WORK/b1.png" "$WORK/b2.png")" -eq 0 ] ||
            fail "a card that did not reach the waste changed the board anyway (column $((c + 1)))"
        return 1
    fi
    # Played: the card left its column, uncovering felt below the card above.
    board_crop "$WORK/after.png" "$x" "$ROW4_BOTTOM" "$CARD_W" $((BOTTOM_ROW_Y + CARD_H - ROW4_BOTTOM)) "$WORK/gap.png"
    board_crop "$EMPTY" "$x" "$ROW4_BOTTOM" "$CARD_W" $((BOTTOM_ROW_Y + CARD_H - ROW4_BOTTOM)) "$WORK/felt.png"
    [ "$(diff_pixels "$WORK/gap.png" "$WORK/felt.png")" -eq 0 ] ||
        fail "column $((c + 1))'s card is on the waste but still shows in its column"
    return 0
}

step "playing a bottom card"
PLAYED=""
current=$DEALT
deals=1
games=1
while [ -z "$PLAYED" ]; do
    for c in 0 1 2 3 4 5 6; do
        if try_column "$c" "$current"; then
            PLAYED=$((c + 1))
            break
        fi
    done
    [ -n "$PLAYED" ] && break
    echo "no bottom card fits the waste after deal $deals"
    if [ "$deals" -lt 17 ]; then
        grab "$WORK/pre-deal.png"
        deal "$WORK/pre-deal.png"
        deals=$((deals + 1))
    elif [ "$games" -lt 3 ]; then
        # The whole stock went by without a fit: a fresh deal of the pack.
        new_game
        grab "$WORK/pre-deal.png"
        deal "$WORK/pre-deal.png"
        deals=1
        games=$((games + 1))
    else
        fail "no bottom card fitted in $games whole games"
    fi
    grab "$WORK/current.png"
    current="$WORK/current.png"
done
cp "$current" "$WORK/before-play.png"
shot golf-played >/dev/null
AFTER_PLAY=$LAST_SHOT
ok "the bottom card of column $PLAYED went onto the waste and left felt behind ($AFTER_PLAY)"

step "Undo"
board_crop "$WORK/before-play.png" 0 0 "$BOARD_W" "$PANEL_Y" "$WORK/board-before.png"
click_board $((PANEL_X + 42)) $((PANEL_Y + 54))
board_restored() {
    require_app
    grab "$WORK/undone.png"
    board_crop "$WORK/undone.png" 0 0 "$BOARD_W" "$PANEL_Y" "$WORK/board-now.png"
    [ "$(diff_pixels "$WORK/board-before.png" "$WORK/board-now.png")" -eq 0 ]
}
poll "Undo to put the card back in column $PLAYED" "$STEP_TIMEOUT" board_restored
settle
require_no_dialog "after Undo"
shot golf-undone >/dev/null
board_crop "$LAST_SHOT" 0 0 "$BOARD_W" "$PANEL_Y" "$WORK/board-now.png"
[ "$(diff_pixels "$WORK/board-before.png" "$WORK/board-now.png")" -eq 0 ] ||
    fail "the board changed again after Undo ($LAST_SHOT)"
ok "Undo puts the card back: tableau and waste are as before the play ($LAST_SHOT)"

# ------------------------------------------------------------ back to the chooser

step "Game > Exit"
# Off both windows, so the chooser gets no pointer move when it comes back.
x xdotool mousemove 5 5
game_menu x
chooser_back() { require_app; [ "$(map_state "$CHOOSER_ID")" = IsViewable ]; }
poll "the chooser to come back" "$STEP_TIMEOUT" chooser_back
golf_gone() { [ -z "$(window_named Golf)" ]; }
poll "the Golf window to close" "$STEP_TIMEOUT" golf_gone
[ "$(x xdotool getwindowname "$CHOOSER_ID")" = Quillet ] || fail "the window that came back is not titled \"Quillet\""
geometry "$CHOOSER_ID"
PIC_X=$((GX + PICTURE_INSET))
PIC_Y=$((GY + MENU_H + PICTURE_INSET))
chooser_painted() {
    require_app
    grab "$WORK/back.png"
    # The picture shows again (wood, not a blank window) and carries no outline.
    [ "$(white_percent "$WORK/back.png" 200 100 $((PIC_X + 100)) $((PIC_Y + 100)))" -lt 50 ]
}
poll "the chooser's picture to be drawn" "$STEP_TIMEOUT" chooser_painted
shot chooser-again >/dev/null
[ "$(pixel "$LAST_SHOT" $((PIC_X + GOLF_REGION[0])) $((PIC_Y + GOLF_REGION[1] + GOLF_REGION[3] / 2)))" != "0,255,0" ] ||
    fail "the chooser came back with Golf still outlined ($LAST_SHOT)"
require_no_dialog "after closing the game"
ok "Exit closes the Golf window and the chooser \"Quillet\" is viewable again, no outline ($LAST_SHOT)"

step "Exit from the chooser"
hover_entry Exit "${EXIT_REGION[@]}"
shot chooser-exit-outlined >/dev/null
ok "pointing at Exit outlines it in green ($LAST_SHOT)"
x xdotool click 1
deadline=$(($(now) + EXIT_TIMEOUT))
while app_alive; do
    [ "$(now)" -ge "$deadline" ] && fail "quillet still runs ${EXIT_TIMEOUT}s after clicking Exit"
    sleep 0.2
done
status=0
wait "$APP_PID" 2>/dev/null || status=$?
APP_PID=""
[ "$status" -eq 0 ] || fail "quillet ended with exit status $status after Exit"
ok "clicking Exit ends the program (exit status 0)"

echo "all steps passed; screenshots in $SHOTS"
