#!/usr/bin/env bash
# Plays games of the real program on a private Xvfb display with nothing but
# the pointer, the keyboard and screenshots. For each game:
#   chooser -> click the game -> Game > New (again until the deal offers a
#   move the test can see) -> read the cards off the screen -> make one legal
#   move with a real drag -> the moved card shows at its target and its
#   source changed -> Undo -> the board is as before -> Game > Exit.
# At the end Exit in the chooser ends the program.
#
# Usage: bash test_realwindow_games.sh <build>/bin
# The driver it shares with the other real-window tests is realwindow_lib.sh.
# Screenshots land in <build>/e2e-shots/games-*.png.

SHOT_PREFIX=games
source "$(dirname "${BASH_SOURCE[0]}")/realwindow_lib.sh"

# How long a game may deal again looking for a move the test recognises.
FIND_TIMEOUT=40

# board_alike FILE1 FILE2: the whole board but the panel is the same.
board_alike() {
    same_board_area "$1" "$2" 0 0 "$BOARD_W" "$PANEL_Y" &&
        same_board_area "$1" "$2" 0 "$PANEL_Y" "$PANEL_X" "$PANEL_H"
}

# A finder reads the cards off "$WORK/deal.png" and, when it sees a legal
# move, sets MOVE (a description), FROM_X FROM_Y (top-left of the card to
# drag), TO_X TO_Y (top-left of where it lands), LANDED_X LANDED_Y (where
# the card shows afterwards), MOVED (the card) and returns 0.
# A checker then judges "$WORK/moved.png" for what the source shows now.

# ---------------------------------------------------------------- Bisley
# Thirteen columns of four, one card a place; the bottom card of a column
# moves: onto its suit's Ace (Aces are dealt to row 1, columns 1-4), a King
# onto its empty King place above, or onto a bottom card of its suit one
# rank away.
BISLEY_LEFT=2
BISLEY_STEP=57
BISLEY_TOP=87
BISLEY_ROW=83
BISLEY_KING_TOP=4
bisley_find() {
    local bottom=() aces=() xy=() c m t k
    for c in $(seq 0 12); do xy+=("$((BISLEY_LEFT + c * BISLEY_STEP)) $((BISLEY_TOP + 3 * BISLEY_ROW))"); done
    mapfile -t bottom < <(read_cards "$WORK/deal.png" "${xy[@]}")
    xy=()
    for k in 0 1 2 3; do xy+=("$((BISLEY_LEFT + k * BISLEY_STEP)) $BISLEY_TOP"); done
    mapfile -t aces < <(read_cards "$WORK/deal.png" "${xy[@]}")
    for k in 0 1 2 3; do
        [ "$(card_rank "${aces[k]}")" -eq 1 ] || fail "Bisley: row 1, column $((k + 1)) is not an Ace (${aces[k]})"
    done
    for c in $(seq 0 12); do
        m=${bottom[c]}
        [ "$m" -ne 0 ] || fail "Bisley: the bottom card of column $((c + 1)) cannot be read"
    done
    FROM_Y=$((BISLEY_TOP + 3 * BISLEY_ROW))
    for c in $(seq 0 12); do
        m=${bottom[c]}
        FROM_X=$((BISLEY_LEFT + c * BISLEY_STEP))
        MOVED=$m
        SOURCE_COLUMN=$c
        if [ "$(card_rank "$m")" -eq 2 ]; then
            for k in 0 1 2 3; do
                if [ "$(card_suit "${aces[k]}")" -eq "$(card_suit "$m")" ]; then
                    TO_X=$((BISLEY_LEFT + k * BISLEY_STEP)) TO_Y=$BISLEY_TOP
                    LANDED_X=$TO_X LANDED_Y=$TO_Y
                    MOVE="the 2 of column $((c + 1)) onto its Ace"
                    return 0
                fi
            done
        fi
        if [ "$(card_rank "$m")" -eq 13 ]; then
            TO_X=$((BISLEY_LEFT + $(card_suit "$m") * BISLEY_STEP)) TO_Y=$BISLEY_KING_TOP
            LANDED_X=$TO_X LANDED_Y=$TO_Y
            MOVE="the King of column $((c + 1)) onto its King place"
            return 0
        fi
        for t in $(seq 0 12); do
            [ "$t" -eq "$c" ] && continue
            local r=$(($(card_rank "$m") - $(card_rank "${bottom[t]}")))
            if [ "$(card_suit "$m")" -eq "$(card_suit "${bottom[t]}")" ] && [ "${r#-}" -eq 1 ]; then
                TO_X=$((BISLEY_LEFT + t * BISLEY_STEP)) TO_Y=$FROM_Y
                LANDED_X=$TO_X LANDED_Y=$TO_Y
                MOVE="column $((c + 1))'s bottom card onto column $((t + 1))'s"
                return 0
            fi
        done
    done
    return 1
}
# The card above the moved one now is the column's bottom card.
bisley_check() {
    local above
    above=$(read_cards "$WORK/before.png" "$FROM_X $((FROM_Y - BISLEY_ROW))")
    [ "$(read_cards "$WORK/moved.png" "$FROM_X $((FROM_Y - BISLEY_ROW))")" -eq "$above" ] ||
        fail "Bisley: the card above the moved one changed"
    same_board_area "$WORK/moved.png" "$WORK/empty.png" "$FROM_X" "$FROM_Y" "$CARD_W" "$CARD_H" ||
        fail "Bisley: the moved card's place does not show the felt"
}

# ---------------------------------------------------------------- Baker's Dozen
# Thirteen columns of four, fanned down; a column's top card moves onto a
# top card one rank higher, or an Ace to an empty foundation.
BD_LEFT=3
BD_STEP=60
BD_TOP=90
BD_FAN=16
BD_FOUNDATION_LEFT=273
BD_FOUNDATION_TOP=5
bakers_find() {
    local tops=() xy=() c t m
    for c in $(seq 0 12); do xy+=("$((BD_LEFT + c * BD_STEP)) $((BD_TOP + 3 * BD_FAN))"); done
    mapfile -t tops < <(read_cards "$WORK/deal.png" "${xy[@]}")
    for c in $(seq 0 12); do
        [ "${tops[c]}" -ne 0 ] || fail "Baker's Dozen: the top card of column $((c + 1)) cannot be read"
    done
    FROM_Y=$((BD_TOP + 3 * BD_FAN))
    for c in $(seq 0 12); do
        m=${tops[c]}
        FROM_X=$((BD_LEFT + c * BD_STEP))
        MOVED=$m
        if [ "$(card_rank "$m")" -eq 1 ]; then
            TO_X=$BD_FOUNDATION_LEFT TO_Y=$BD_FOUNDATION_TOP
            LANDED_X=$TO_X LANDED_Y=$TO_Y
            MOVE="the Ace of column $((c + 1)) to the first foundation"
            return 0
        fi
        for t in $(seq 0 12); do
            [ "$t" -eq "$c" ] && continue
            if [ $(($(card_rank "${tops[t]}") - $(card_rank "$m"))) -eq 1 ]; then
                TO_X=$((BD_LEFT + t * BD_STEP)) TO_Y=$FROM_Y
                LANDED_X=$TO_X LANDED_Y=$((FROM_Y + BD_FAN))
                MOVE="column $((c + 1))'s top card onto column $((t + 1))'s"
                return 0
            fi
        done
    done
    return 1
}
# The card under the moved one now shows whole, and felt below it.
bakers_check() {
    [ "$(read_cards "$WORK/moved.png" "$FROM_X $((FROM_Y - BD_FAN))")" -ne 0 ] ||
        fail "Baker's Dozen: the card under the moved one does not show whole"
    same_board_area "$WORK/moved.png" "$WORK/empty.png" "$FROM_X" $((FROM_Y - BD_FAN + CARD_H)) "$CARD_W" "$BD_FAN" ||
        fail "Baker's Dozen: the moved card still shows in its column"
}

# ---------------------------------------------------------------- Scorpion
# Seven columns laid out as rows, fanned to the right; a face-up card moves
# with the cards above it onto the top card of its suit one rank higher.
SC_FAN=12
SC_ROW=80
SC_TOP_LEFT=$((1 + 6 * SC_FAN))   # where a column's seventh card shows whole
# Column 7's cards run one pixel past the board's bottom edge: only columns
# 1-6 are read.
scorpion_find() {
    local tops=() xy=() c t m
    for c in $(seq 0 5); do xy+=("$SC_TOP_LEFT $((2 + c * SC_ROW))"); done
    mapfile -t tops < <(read_cards "$WORK/deal.png" "${xy[@]}")
    for c in $(seq 0 5); do
        [ "${tops[c]}" -ne 0 ] || fail "Scorpion: the top card of column $((c + 1)) cannot be read"
    done
    FROM_X=$SC_TOP_LEFT
    for c in $(seq 0 5); do
        m=${tops[c]}
        FROM_Y=$((2 + c * SC_ROW))
        MOVED=$m
        for t in $(seq 0 5); do
            [ "$t" -eq "$c" ] && continue
            if [ "$(card_suit "${tops[t]}")" -eq "$(card_suit "$m")" ] &&
                [ $(($(card_rank "${tops[t]}") - $(card_rank "$m"))) -eq 1 ]; then
                TO_X=$SC_TOP_LEFT TO_Y=$((2 + t * SC_ROW))
                LANDED_X=$((SC_TOP_LEFT + SC_FAN)) LANDED_Y=$TO_Y
                MOVE="column $((c + 1))'s top card onto column $((t + 1))'s"
                return 0
            fi
        done
    done
    return 1
}
# The card under the moved one now shows whole, and felt beyond it.
scorpion_check() {
    [ "$(read_cards "$WORK/moved.png" "$((FROM_X - SC_FAN)) $FROM_Y")" -ne 0 ] ||
        fail "Scorpion: the card under the moved one does not show whole"
    same_board_area "$WORK/moved.png" "$WORK/empty.png" $((FROM_X - SC_FAN + CARD_W)) "$FROM_Y" "$SC_FAN" "$CARD_H" ||
        fail "Scorpion: the moved card still shows in its column"
}

# ---------------------------------------------------------------- one game

# play NAME WIDTH HEIGHT FINDER CHECKER
play() {
    local name=$1 w=$2 h=$3 finder=$4 checker=$5
    step "$name"
    open_game "$name" "$w" "$h"
    settle
    grab "$WORK/empty.png"
    local deadline=$(($(now) + FIND_TIMEOUT)) deals=0
    while :; do
        grab "$WORK/before-new.png"
        game_menu n
        dealt() { require_app; grab "$WORK/deal.png"; ! board_alike "$WORK/deal.png" "$WORK/before-new.png"; }
        poll "Game > New to deal $name" "$STEP_TIMEOUT" dealt
        settle
        require_no_dialog "after New"
        grab "$WORK/deal.png"
        deals=$((deals + 1))
        "$finder" && break
        [ "$(now)" -ge "$deadline" ] && fail "$name: no move the test recognises in $deals deals"
    done
    shot "$(tr -cd 'a-z' <<<"${name,,}")-dealt" >/dev/null
    cp "$LAST_SHOT" "$WORK/before.png"
    ok "$name: deal $deals offers $MOVE ($LAST_SHOT)"

    drag_board $((FROM_X + 27)) $((FROM_Y + 40)) $((TO_X + 27)) $((TO_Y + 40))
    x xdotool mousemove 5 5
    settle
    require_no_dialog "after the move"
    shot "$(tr -cd 'a-z' <<<"${name,,}")-moved" >/dev/null
    cp "$LAST_SHOT" "$WORK/moved.png"
    [ "$(read_cards "$WORK/moved.png" "$LANDED_X $LANDED_Y")" -eq "$MOVED" ] ||
        fail "$name: after dragging $MOVE the card does not show at its target ($LAST_SHOT)"
    "$checker"
    ok "$name: dragging $MOVE puts the card there and changes its source ($LAST_SHOT)"

    click_undo
    undone() { require_app; grab "$WORK/undone.png"; board_alike "$WORK/undone.png" "$WORK/before.png"; }
    poll "$name: Undo to restore the board" "$STEP_TIMEOUT" undone
    settle
    shot "$(tr -cd 'a-z' <<<"${name,,}")-undone" >/dev/null
    board_alike "$LAST_SHOT" "$WORK/before.png" || fail "$name: the board changed again after Undo ($LAST_SHOT)"
    ok "$name: Undo puts the board back as before the move ($LAST_SHOT)"

    exit_game
    ok "$name: Game > Exit brings the chooser back"
}

start_display
start_app
load_card_sums

play Bisley 744 490 bisley_find bisley_check
play "Baker's Dozen" 782 496 bakers_find bakers_check
play Scorpion 780 560 scorpion_find scorpion_check

step "Exit from the chooser"
exit_program

echo "all steps passed; screenshots in $SHOTS"
