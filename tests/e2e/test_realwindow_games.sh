#!/usr/bin/env bash
# Plays games of the real program on a private Xvfb display with nothing but
# the pointer, the keyboard and screenshots. For each game:
#   chooser -> click the game -> Game > New (again until the deal offers a
#   move the test can see) -> read the cards off the screen -> make one legal
#   move with real pointer input (a drag, or clicks in the click games) ->
#   the moved card shows where it went and its source changed -> Undo ->
#   the board is as before -> Game > Exit.
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
# drag), TO_X TO_Y (top-left of where it lands) or, with ACTION=click, CLICKS
# (the top-left corners of the cards to click, in turn), LANDED_X LANDED_Y (where
# the card shows afterwards), MOVED (the card) and returns 0.
# A checker then judges "$WORK/moved.png" for what the source shows now.

# fanned_check NAME DX DY: in a fan whose cards lie DX or DY pixels apart,
# the card the moved one lay on shows whole now, and felt where the moved
# card stood out beyond it.
fanned_check() {
    local name=$1 dx=$2 dy=$3
    [ "$(read_cards "$WORK/moved.png" "$((FROM_X - dx)) $((FROM_Y - dy))")" -ne 0 ] ||
        fail "$name: the card under the moved one does not show whole"
    if [ "$dy" -gt 0 ]; then
        same_board_area "$WORK/moved.png" "$WORK/empty.png" "$FROM_X" $((FROM_Y - dy + CARD_H)) "$CARD_W" "$dy"
    else
        same_board_area "$WORK/moved.png" "$WORK/empty.png" $((FROM_X - dx + CARD_W)) "$FROM_Y" "$dx" "$CARD_H"
    fi || fail "$name: the moved card still shows where it lay"
}

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
bakers_check() { fanned_check "Baker's Dozen" 0 "$BD_FAN"; }

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
scorpion_check() { fanned_check Scorpion "$SC_FAN" 0; }

# ---------------------------------------------------------------- Maze
# Nine columns of six cells; the four Kings and two dealt blanks leave six
# gaps. A card drags into a gap whose left neighbour (the track wraps from
# the last cell to the first) is its suit one rank lower, whose right
# neighbour is its suit one rank higher, or, for an Ace, right of a Queen or
# into the first cell.
MZ_COLUMNS=9
MZ_CELLS=54
mz_x() { echo $((4 + 57 * (($1 - 1) % MZ_COLUMNS))); }
mz_y() { echo $((4 + 81 * (($1 - 1) / MZ_COLUMNS))); }
maze_fits() {
    local m=$1 g=$2 before=$3 after=$4
    local rm sm
    rm=$(card_rank "$m") sm=$(card_suit "$m")
    if [ "$before" -ne 0 ] && [ "$rm" -ne 1 ] && [ "$sm" -eq "$(card_suit "$before")" ] &&
        [ $((rm - $(card_rank "$before"))) -eq 1 ]; then return 0; fi
    if [ "$after" -ne 0 ] && [ "$(card_rank "$after")" -ne 1 ] && [ "$sm" -eq "$(card_suit "$after")" ] &&
        [ $(($(card_rank "$after") - rm)) -eq 1 ]; then return 0; fi
    [ "$rm" -eq 1 ] && { [ "$g" -eq 1 ] || { [ "$before" -ne 0 ] && [ "$(card_rank "$before")" -eq 12 ]; }; }
}
maze_find() {
    local cells=(0) xy=() c g m gaps=0
    for c in $(seq 1 $MZ_CELLS); do xy+=("$(mz_x "$c") $(mz_y "$c")"); done
    mapfile -t -O 1 cells < <(read_cards "$WORK/deal.png" "${xy[@]}")
    for c in $(seq 1 $MZ_CELLS); do [ "${cells[c]}" -eq 0 ] && gaps=$((gaps + 1)); done
    [ "$gaps" -eq 6 ] || fail "Maze: $gaps cells show no card that can be read, expected the 6 gaps"
    for g in $(seq 1 $MZ_CELLS); do
        [ "${cells[g]}" -eq 0 ] || continue
        local before=${cells[$((g == 1 ? MZ_CELLS : g - 1))]} after=${cells[$((g == MZ_CELLS ? 1 : g + 1))]}
        for c in $(seq 1 $MZ_CELLS); do
            m=${cells[c]}
            [ "$m" -ne 0 ] || continue
            if maze_fits "$m" "$g" "$before" "$after"; then
                ACTION=drag MOVED=$m
                FROM_X=$(mz_x "$c") FROM_Y=$(mz_y "$c") TO_X=$(mz_x "$g") TO_Y=$(mz_y "$g")
                LANDED_X=$TO_X LANDED_Y=$TO_Y
                MOVE="the card of cell $c into the gap at cell $g"
                return 0
            fi
        done
    done
    return 1
}
# The moved card's cell is a gap now.
maze_check() {
    same_board_area "$WORK/moved.png" "$WORK/empty.png" "$FROM_X" "$FROM_Y" "$CARD_W" "$CARD_H" ||
        fail "Maze: the moved card's cell does not show the felt"
}

# ---------------------------------------------------------------- Decade
# Deal lays the stock's cards in a row, each 12 pixels right of the one
# before; with three or more in the row either end card can be picked, and
# a picked card shows at once on the discard place.
DC_STEP=12
DC_TOP=30
DC_DISCARD=(12 135)
DC_DEALT=3
decade_prepare() {
    local i
    for i in $(seq 1 $DC_DEALT); do click_deal; done
}
decade_find() {
    MOVED=$(read_cards "$WORK/deal.png" "$((DC_DEALT * DC_STEP)) $DC_TOP")
    [ "$MOVED" -ne 0 ] || fail "Decade: the row's right end card cannot be read after $DC_DEALT deals"
    FROM_X=$((DC_DEALT * DC_STEP)) FROM_Y=$DC_TOP
    ACTION=click CLICKS=("$FROM_X $FROM_Y")
    LANDED_X=${DC_DISCARD[0]} LANDED_Y=${DC_DISCARD[1]}
    MOVE="a pick of the row's right end card"
}
decade_check() { fanned_check Decade "$DC_STEP" 0; }

# ---------------------------------------------------------------- Fourteens
# Eight columns fanned down 39 pixels: four of seven cards, then four of
# six. A free bottom card picked goes at once to the discard pile.
FT_STEP=57
FT_FAN=39
FT_DISCARD=(206 360)
ft_bottom_y() { echo $((8 + FT_FAN * ($1 < 4 ? 6 : 5))); }
fourteens_find() {
    local bottom=() xy=() c t
    for c in $(seq 0 7); do xy+=("$((8 + c * FT_STEP)) $(ft_bottom_y "$c")"); done
    mapfile -t bottom < <(read_cards "$WORK/deal.png" "${xy[@]}")
    for c in $(seq 0 7); do
        [ "${bottom[c]}" -ne 0 ] || fail "Fourteens: the bottom card of column $((c + 1)) cannot be read"
    done
    # The first card of a pair that adds up to 14.
    for c in $(seq 0 7); do
        for t in $(seq 0 7); do
            [ "$t" -ne "$c" ] && [ $(($(card_rank "${bottom[c]}") + $(card_rank "${bottom[t]}"))) -eq 14 ] || continue
            FROM_X=$((8 + c * FT_STEP)) FROM_Y=$(ft_bottom_y "$c")
            ACTION=click CLICKS=("$FROM_X $FROM_Y") MOVED=${bottom[c]}
            LANDED_X=${FT_DISCARD[0]} LANDED_Y=${FT_DISCARD[1]}
            MOVE="a pick of column $((c + 1))'s bottom card, which pairs with column $((t + 1))'s"
            return 0
        done
    done
    return 1
}
fourteens_check() { fanned_check Fourteens 0 "$FT_FAN"; }

# ---------------------------------------------------------------- Monte Carlo
# Twenty-five cards in a 5 x 5 grid; two neighbours (diagonals too) of the
# same rank, picked one after the other, go to the discard pile.
MC_DISCARD=(32 356)
mc_x() { echo $((120 + 63 * (($1 - 1) % 5))); }
mc_y() { echo $((8 + 87 * (($1 - 1) / 5))); }
montecarlo_find() {
    local cells=(0) xy=() a b
    for a in $(seq 1 25); do xy+=("$(mc_x "$a") $(mc_y "$a")"); done
    mapfile -t -O 1 cells < <(read_cards "$WORK/deal.png" "${xy[@]}")
    for a in $(seq 1 25); do
        [ "${cells[a]}" -ne 0 ] || fail "Monte Carlo: the card of cell $a cannot be read"
    done
    for a in $(seq 1 25); do
        for b in $(($a + 1)) $(($a + 4)) $(($a + 5)) $(($a + 6)); do
            [ "$b" -le 25 ] || continue
            local dc=$(((b - 1) % 5 - (a - 1) % 5)) dr=$(((b - 1) / 5 - (a - 1) / 5))
            [ "${dc#-}" -le 1 ] && [ "$dr" -le 1 ] || continue
            [ "$(card_rank "${cells[a]}")" -eq "$(card_rank "${cells[b]}")" ] || continue
            ACTION=click CLICKS=("$(mc_x "$a") $(mc_y "$a")" "$(mc_x "$b") $(mc_y "$b")")
            PAIR=("$(mc_x "$a") $(mc_y "$a")" "$(mc_x "$b") $(mc_y "$b")")
            MOVED=${cells[b]}
            LANDED_X=${MC_DISCARD[0]} LANDED_Y=${MC_DISCARD[1]}
            MOVE="the pair of cells $a and $b"
            return 0
        done
    done
    return 1
}
# Both cells of the pair are empty now.
montecarlo_check() {
    local xy
    for xy in "${PAIR[@]}"; do
        set -- $xy
        same_board_area "$WORK/moved.png" "$WORK/empty.png" "$1" "$2" "$CARD_W" "$CARD_H" ||
            fail "Monte Carlo: a card of the pair still shows in the grid"
    done
}

# ---------------------------------------------------------------- Pyramid
# Seven rows; the bottom row's seven cards are free. Deal turns a stock card
# onto the waste, and a free card one rank above or below the waste's (King
# and Ace touch) goes onto it.
PY_BOTTOM_Y=196
PY_WASTE=(252 305)
pyramid_prepare() { click_deal; }
pyramid_find() {
    local bottom=() xy=() i w
    w=$(read_cards "$WORK/deal.png" "${PY_WASTE[0]} ${PY_WASTE[1]}")
    [ "$w" -ne 0 ] || fail "Pyramid: the waste card cannot be read after Deal"
    for i in $(seq 0 6); do xy+=("$((60 + 64 * i)) $PY_BOTTOM_Y"); done
    mapfile -t bottom < <(read_cards "$WORK/deal.png" "${xy[@]}")
    for i in $(seq 0 6); do
        local m=${bottom[i]} d
        [ "$m" -ne 0 ] || fail "Pyramid: bottom card $((i + 1)) cannot be read"
        d=$(($(card_rank "$m") - $(card_rank "$w")))
        [ "${d#-}" -eq 1 ] || [ "${d#-}" -eq 12 ] || continue
        FROM_X=$((60 + 64 * i)) FROM_Y=$PY_BOTTOM_Y
        ACTION=click CLICKS=("$FROM_X $FROM_Y") MOVED=$m
        LANDED_X=${PY_WASTE[0]} LANDED_Y=${PY_WASTE[1]}
        MOVE="bottom card $((i + 1)) onto the waste"
        return 0
    done
    return 1
}
# Below the row above, the played card's place shows the felt.
pyramid_check() {
    same_board_area "$WORK/moved.png" "$WORK/empty.png" "$FROM_X" $((FROM_Y + 50)) "$CARD_W" 29 ||
        fail "Pyramid: the played card still shows in the bottom row"
}

# ---------------------------------------------------------------- one game

# play NAME WIDTH HEIGHT FINDER CHECKER [PREPARE]: PREPARE runs after every
# New, for games whose cards come out with Deal.
play() {
    local name=$1 w=$2 h=$3 finder=$4 checker=$5 prepare=${6:-}
    local tag
    tag=$(tr -cd 'a-z' <<<"${name,,}")
    step "$name"
    open_game "$name" "$w" "$h"
    settle
    grab "$WORK/empty.png"
    local deadline=$(($(now) + FIND_TIMEOUT)) deals=0
    while :; do
        grab "$WORK/before-new.png"
        game_menu n
        settle
        [ -n "$prepare" ] && "$prepare"
        dealt() { require_app; grab "$WORK/deal.png"; ! board_alike "$WORK/deal.png" "$WORK/before-new.png"; }
        poll "Game > New to deal $name" "$STEP_TIMEOUT" dealt
        settle
        require_no_dialog "after New"
        grab "$WORK/deal.png"
        deals=$((deals + 1))
        ACTION=drag
        "$finder" && break
        [ "$(now)" -ge "$deadline" ] && fail "$name: no move the test recognises in $deals deals"
    done
    shot "$tag-dealt" >/dev/null
    cp "$LAST_SHOT" "$WORK/before.png"
    ok "$name: deal $deals offers $MOVE ($LAST_SHOT)"

    if [ "$ACTION" = drag ]; then
        drag_board $((FROM_X + 27)) $((FROM_Y + 40)) $((TO_X + 27)) $((TO_Y + 40))
    else
        local xy
        for xy in "${CLICKS[@]}"; do
            set -- $xy
            click_board $(($1 + 27)) $(($2 + 40))
        done
    fi
    x xdotool mousemove 5 5
    settle
    require_no_dialog "after the move"
    shot "$tag-moved" >/dev/null
    cp "$LAST_SHOT" "$WORK/moved.png"
    [ "$(read_cards "$WORK/moved.png" "$LANDED_X $LANDED_Y")" -eq "$MOVED" ] ||
        fail "$name: after $MOVE the card does not show where it went ($LAST_SHOT)"
    "$checker"
    ok "$name: $MOVE by $ACTION puts the card there and changes its source ($LAST_SHOT)"

    click_undo
    undone() { require_app; grab "$WORK/undone.png"; board_alike "$WORK/undone.png" "$WORK/before.png"; }
    poll "$name: Undo to restore the board" "$STEP_TIMEOUT" undone
    settle
    shot "$tag-undone" >/dev/null
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
play Maze 620 492 maze_find maze_check
play Decade 697 240 decade_find decade_check decade_prepare
play Fourteens 471 450 fourteens_find fourteens_check
play "Monte Carlo" 540 446 montecarlo_find montecarlo_check
play Pyramid 560 400 pyramid_find pyramid_check pyramid_prepare

step "Exit from the chooser"
exit_program

echo "all steps passed; screenshots in $SHOTS"
