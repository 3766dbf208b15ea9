#!/usr/bin/env bash
# CPU cost of a drag on a real X display: starts its own Xvfb and the program,
# opens Beleaguered Castle from the chooser, deals, and drags one card along a
# fixed 100-move path (10 ms apart) several times. Prints the CPU time per
# pointer move of the program and of the X server, read from
# /proc/PID/task/*/schedstat (nanoseconds) before and after each drag.
#
# Usage: [BEFORE=<other bin dir>] [ROUNDS=n] [SCALES="1 2"] bash tools/bench_xdrag/bench_xdrag.sh <bin dir> [display number] [drags]
# SCALES lists the desktop scales to drag at, each round (QT_SCALE_FACTOR;
# the same path in board pixels, so at 2x a move repaints four times the
# device pixels).
# Then, when bench_floor was built beside it, the same drags in a bare Qt
# window that moves one card-sized picture: the toolkit's floor, measured in
# the same run.
# Run by hand: timings depend on what else the machine is doing.

set -uo pipefail

BIN=$(cd "${1:?usage: $0 <bin dir> [display] [drags]}" && pwd)
DISPLAY_NO=${2:-95}
DRAGS=${3:-5}
ROUNDS=${ROUNDS:-1}
SCALES=${SCALES:-1}
SCALE=1
MAX_SCALE=$(printf '%s\n' $SCALES | sort -n | tail -1)
MOVES=100
export DISPLAY=":$DISPLAY_NO"

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
x() { timeout 10 "$@"; }

# "nanoseconds-on-the-CPU times-scheduled-in" of a process, summed over its
# threads, from one reading.
sched_totals() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1; runs += $3 } END { print ns + 0, runs + 0 }'; }
# launch PROGRAM LOG: starts PROGRAM on the benchmark's display as APP_PID.
launch() {
    (cd "$WORK" && unset QT_QPA_PLATFORM && QT_SCALE_FACTOR=$SCALE XDG_RUNTIME_DIR="$WORK" exec "$1") >"$2" 2>&1 &
    APP_PID=$!
}

window_named() {
    x xwininfo -root -children 2>/dev/null | sed -n "s/^ *\(0x[0-9a-f]*\) \"$1\": (.*$/\1/p" | while read -r id; do
        x xwininfo -id "$id" | grep -q 'IsViewable' && { echo "$id"; break; }
    done
}
wait_window() {
    local i id
    for i in $(seq 1 150); do
        id=$(window_named "$1")
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}
geometry() {
    local info
    info=$(x xwininfo -id "$1")
    GX=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
    GY=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
    GW=$(awk '/Width:/ { print $2 }' <<<"$info")
    GH=$(awk '/Height:/ { print $2 }' <<<"$info")
}

Xvfb "$DISPLAY" -screen 0 $((1024 * MAX_SCALE))x$((768 * MAX_SCALE))x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for i in $(seq 1 50); do x xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
x xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"

# start_game BIN: starts the program in BIN, opens Beleaguered Castle from the
# chooser and deals; leaves BX, BY at the board's top-left corner. Window
# geometry is in device pixels: SCALE of them to a board pixel.
start_game() {
    local s=$SCALE
    launch "$1/quillet" "$WORK/quillet.log"
    CHOOSER=$(wait_window Quillet) || fail "no chooser window"
    geometry "$CHOOSER"
    MENU_H=$((GH - 318 * s))
    # Beleaguered Castle's entry in the chooser picture (2-pixel border).
    x xdotool mousemove $((GX + s * (2 + 32 + 94))) $((GY + MENU_H + s * (2 + 125 + 13)))
    sleep 0.5
    x xdotool click 1
    GAME=$(wait_window "Beleaguered Castle") || fail "no Beleaguered Castle window"
    geometry "$GAME"
    BX=$GX
    BY=$((GY + MENU_H))
    # Game > New.
    x xdotool mousemove $((GX + 20 * s)) $((GY + MENU_H / 2)) click 1
    sleep 0.5
    x xdotool mousemove $((GX + 30 * s)) $((GY + MENU_H + 12 * s)) click 1
    sleep 1
}
stop_app() {
    kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
    APP_PID=""
}

# drag_series NAME X Y: DRAGS drags of MOVES moves from board point (X, Y),
# out to the right and down and back again, so a card ends where it began.
drag_series() {
    local name=$1 sx=$((BX + $2 * SCALE)) sy=$((BY + $3 * SCALE)) d m off a0 a1 s0 s1 w0 w1 app srv total_app=0 total_x=0 total_w=0 path="" apps=() srvs=()
    for m in $(seq 1 "$MOVES"); do
        if [ "$m" -le 50 ]; then off=$((m * 4)); else off=$(((100 - m) * 4)); fi
        path+=" mousemove $((sx + off * SCALE)) $((sy + off / 2 * SCALE)) sleep 0.01"
    done
    for d in $(seq 1 "$DRAGS"); do
        x xdotool mousemove "$sx" "$sy"
        sleep 0.3
        read -r a0 w0 < <(sched_totals "$APP_PID")
        read -r s0 _ < <(sched_totals "$XVFB_PID")
        # One xdotool for the whole drag, so the server is not also counting
        # a client connection per move.
        x xdotool mousedown 1 $path mouseup 1
        sleep 0.3
        read -r a1 w1 < <(sched_totals "$APP_PID")
        read -r s1 _ < <(sched_totals "$XVFB_PID")
        total_w=$((total_w + w1 - w0))
        app=$(((a1 - a0) / MOVES))
        srv=$(((s1 - s0) / MOVES))
        total_app=$((total_app + app))
        total_x=$((total_x + srv))
        apps+=("$app")
        srvs+=("$srv")
        printf '%s drag %d: program %d us/move, X server %d us/move\n' "$name" "$d" $((app / 1000)) $((srv / 1000))
    done
    printf '%s, mean of %d drags: program %d us/move, X server %d us/move, program scheduled in %s times/move\n' \
        "$name" "$DRAGS" $((total_app / DRAGS / 1000)) $((total_x / DRAGS / 1000)) \
        "$(awk -v w="$total_w" -v n=$((DRAGS * MOVES)) 'BEGIN { printf "%.2f", w / n }')"
    # The median drag: a neighbour's burst on a shared machine moves the mean
    # of a few drags far more than it moves this.
    printf '%s, median of %d drags: program %d us/move, X server %d us/move\n' "$name" "$DRAGS" \
        $(($(median "${apps[@]}") / 1000)) $(($(median "${srvs[@]}") / 1000))
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# The outermost card of the first left row has its corner at (162, 18);
# the felt below the left rows holds no card, so a drag there moves nothing
# and measures the pointer events alone. With BEFORE set to another build's
# bin folder, each round drags in that program first, then in this one, so
# the two are compared under the same load.
for round in $(seq 1 "$ROUNDS"); do
    [ "$ROUNDS" -gt 1 ] && echo "round $round"
    for SCALE in $SCALES; do
        tag=""
        [ "$SCALES" != 1 ] && tag=" ${SCALE}x"
        if [ -n "${BEFORE:-}" ]; then
            start_game "$BEFORE"
            drag_series "before: card$tag" 182 48
            stop_app
        fi
        start_game "$BIN"
        drag_series "card$tag" 182 48
        drag_series "felt$tag" 20 400
        [ -n "${SHOT:-}" ] && x import -window root "$SHOT"
        stop_app
    done
    SCALE=1

    # The toolkit's floor on the same display and path: a bare Qt window
    # that moves one card-sized picture and repaints only its two rectangles.
    if [ -x "$BIN/bench_floor" ]; then
        launch "$BIN/bench_floor" "$WORK/floor.log"
        FLOOR=$(wait_window bench_floor) || fail "no bench_floor window"
        geometry "$FLOOR"
        BX=$GX
        BY=$GY
        sleep 0.5
        drag_series "toolkit floor" 182 48
        stop_app
    fi
done
exit 0
