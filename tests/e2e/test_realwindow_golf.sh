#!/usr/bin/env bash
# Plays the real program on a private Xvfb display, the way a player would,
# with nothing but the pointer, the keyboard and screenshots:
#   chooser -> hover and click Golf -> Game > New -> Deal -> play a bottom
#   card (dealing again until one fits) -> Undo -> Game > Exit -> chooser is
#   back -> hover and click Exit -> the program ends.
#
# Usage: bash test_realwindow_golf.sh <build>/bin
# The driver it shares with the other real-window tests is realwindow_lib.sh.
# Needs Xvfb, xdotool, xwininfo/xdpyinfo and ImageMagick (scripts/setup.sh).
# Screenshots of every step land in <build>/e2e-shots/golf-*.png.

SHOT_PREFIX=golf
source "$(dirname "${BASH_SOURCE[0]}")/realwindow_lib.sh"

# Golf's layout.
BOARD_W=470
BOARD_H=320
WASTE_X=209
WASTE_Y=229
BOTTOM_ROW_Y=124
ROW4_BOTTOM=$((98 + CARD_H))   # first pixel row below the fourth row's cards

start_display
start_app

step "choosing Golf"
shot chooser >/dev/null
open_game Golf "$BOARD_W" "$BOARD_H"
shot golf-window >/dev/null

# Repaints reach the display over the socket: with a segment shared with the
# X server, each drag move would first wait for the server to read the last.
shared=$(grep -c -E '/memfd:xorg|SYSV' /proc/"$APP_PID"/maps)
[ "$shared" -eq 0 ] || fail "the program shares $shared memory segment(s) with the X server"
ok "the window's repaints go to the X server over the socket, not through shared memory"

# Before New the board is the background picture, at its own size, with the
# panel in the bottom-right corner.
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
    click_deal
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
click_undo
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
exit_game
shot chooser-again >/dev/null
ok "Exit closes the Golf window and the chooser \"Quillet\" is viewable again, no outline ($LAST_SHOT)"

step "Exit from the chooser"
exit_program

echo "all steps passed; screenshots in $SHOTS"
