#!/usr/bin/env bash
# Plays the real program natively on Wayland, in weston (X11 backend, kiosk
# shell: each window centred on black) nested in a private Xvfb display that
# xdotool drives: Golf (New, Deal, a card clicked onto the waste), Beleaguered
# Castle (a card dragged: it follows the pointer, and dropped on bare felt
# goes back), each closed back to the chooser. The app id is the desktop
# entry's; nothing is said at error level. Usage: bash $0 <build>/bin

command -v weston >/dev/null && ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 || { echo "SKIP: needs weston and qt6-wayland (scripts/setup.sh --test)"; exit 77; }
SHOT_PREFIX=wayland
source "$(dirname "${BASH_SOURCE[0]}")/realwindow_lib.sh"
trap '[ -n "$WESTON_PID" ] && kill "$WESTON_PID" 2>/dev/null; cleanup' EXIT
start_display
mkdir -m 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime" WAYLAND_DISPLAY=quillet-test
weston --backend=x11-backend.so --shell=kiosk-shell.so --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 \
    --use-pixman --idle-time=0 >"$WORK/weston.log" 2>&1 &
WESTON_PID=$!
weston_up() { kill -0 "$WESTON_PID" 2>/dev/null || fail "weston ended: $(tail -5 "$WORK/weston.log")"; [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && [ -n "$(window_named 'Weston Compositor - screen0')" ]; }
poll "weston's output window" "$START_TIMEOUT" weston_up

# The one window shown: what is not black, pointer parked inside. Sets GX GY GW GH.
window_box() {
    x xdotool mousemove 512 384 && grab "$WORK/screen.png"
    read -r GW GH GX GY < <(convert "$WORK/screen.png" -fuzz 2% -trim -format '%w %h %X %Y' info: 2>/dev/null | tr -d '+')
    [ -n "$GY" ]
}
# wait_window W H: until the window shown is W x H plus a menu bar.
wait_window() {
    shown() { require_app; window_box; [ "$GW" -eq "$1" ] && [ "$((GH - $2))" -ge 10 ] && [ "$((GH - $2))" -le 60 ]; }
    poll "a ${1}x$2 window with a menu bar" "$STEP_TIMEOUT" shown "$@"
    MENU_H=$((GH - $2)) BOARD_X=$GX BOARD_Y=$((GY + GH - $2)) PANEL_X=$(($1 - PANEL_W)) PANEL_Y=$(($2 - PANEL_H))
    PIC_X=$((GX + PICTURE_INSET)) PIC_Y=$((GY + GH - $2 + PICTURE_INSET))
}
open_on_wayland() {
    wait_window "$CHOOSER_CLIENT_W" "$CHOOSER_CLIENT_H"
    hover_entry "$1" ${CHOOSER_REGION[$1]} && x xdotool click 1
    wait_window "$2" "$3"
    ok "$1 opens natively (board ${2}x$3 at $BOARD_X,$BOARD_Y)"
}
card_at() { [ "$(white_percent "$1" "$CARD_W" "$CARD_H" "$(bx "$2")" "$(by "$3")")" -ge "$CARD_WHITE" ]; }
# keys_until KEYS WHAT CHECK...: again until CHECK holds (a new window may not have the keyboard yet).
keys_until() {
    local keys=$1 what=$2 && shift 2
    for _ in 1 2 3 4 5 6; do x xdotool key $keys; for _ in {1..10}; do "$@" && return 0; sleep 0.3; done; done
    fail "timed out waiting for: $what"
}
chooser_back() { require_app; window_box && [ "$GW" -eq "$CHOOSER_CLIENT_W" ]; }
close_game() { keys_until "alt+g x" "the chooser to come back" chooser_back && wait_window "$CHOOSER_CLIENT_W" "$CHOOSER_CLIENT_H"; }

(cd "$WORK" && unset DISPLAY && QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client QT_MESSAGE_PATTERN='%{type}: %{category}: %{message}' \
    exec "$BIN/quillet") >"$WORK/quillet.log" 2>&1 &
APP_PID=$!
started=$(date +%s%N)
wait_window "$CHOOSER_CLIENT_W" "$CHOOSER_CLIENT_H"
ok "the chooser shows after $((($(date +%s%N) - started) / 1000000)) ms"
grep -q 'set_app_id("org.quillet.Quillet")' "$WORK/quillet.log" || fail "the window's app id is not org.quillet.Quillet"

step "Golf: Deal and a card clicked onto the waste"
open_on_wayland Golf 470 320
dealt() { require_app; grab "$WORK/g.png"; card_at "$WORK/g.png" 20 124; }
keys_until "alt+g n" "New to lay out Golf's columns" dealt
played=""
for deal in $(seq 1 17); do
    click_deal
    waste() { require_app; grab "$WORK/g.png"; card_at "$WORK/g.png" 209 229; }
    poll "Deal to put a card on the waste" "$STEP_TIMEOUT" waste
    for c in 0 1 2 3 4 5 6; do
        board_crop "$WORK/g.png" $((20 + 63 * c)) 124 "$CARD_W" "$CARD_H" "$WORK/card.png"
        click_board $((47 + 63 * c)) 164
        on_waste() { grab "$WORK/g.png"; board_crop "$WORK/g.png" 209 229 "$CARD_W" "$CARD_H" "$WORK/w.png"; [ "$(diff_pixels "$WORK/card.png" "$WORK/w.png")" -eq 0 ]; }
        for _ in 1 2 3; do on_waste && { played=$((c + 1)); break 3; }; sleep 0.1; done
    done
done
[ -n "$played" ] || fail "no card of 17 deals could be clicked onto the waste"
ok "deal $deal: column $played's bottom card went onto the waste by a click"
close_game

step "Beleaguered Castle: a card dragged"
open_on_wayland "Beleaguered Castle" 720 470
# The pointer, which the compositor draws into screenshots, waits off the window.
row_dealt() { require_app; x xdotool mousemove 5 5; grab "$WORK/before.png"; card_at "$WORK/before.png" 162 18; }
keys_until "alt+g n" "New to lay out the rows" row_dealt
x xdotool mousemove "$(bx 182)" "$(by 48)" mousedown 1
# Out to the bare felt left of the rows.
for i in 1 2 3 4 5 6 7 8; do x xdotool mousemove "$(bx $((182 - 18 * i)))" "$(by $((48 + 23 * i)))"; sleep 0.02; done
follows() { require_app; grab "$WORK/mid.png"; card_at "$WORK/mid.png" 18 202; }
poll "the card to follow the pointer" "$STEP_TIMEOUT" follows
x xdotool mouseup 1 mousemove 5 5
back() { require_app; grab "$WORK/after.png"; same_board_area "$WORK/before.png" "$WORK/after.png" 0 0 720 "$PANEL_Y"; }
poll "the card dropped on bare felt to go back" "$STEP_TIMEOUT" back
ok "the card follows the pointer and goes back to its row"
close_game
exit_program

grep -E '^(warning|critical|fatal):' "$WORK/quillet.log" | sed 's/^/  /'
! grep -qE '^(critical|fatal):' "$WORK/quillet.log" || fail "the program reported errors on Wayland"
ok "no error-level messages from the program"
