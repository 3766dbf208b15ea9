#!/usr/bin/env bash
# Start-up time and memory of the program beside a bare Qt window, in one run
# on one private Xvfb display. For each start it takes the time from launching
# the executable to the X server mapping its first window (a watcher on the
# root window stamps every map), then waits HOLD seconds with the window shown
# and reads the process's peak resident memory (VmHWM). Starts alternate
# between the programs, so a busy neighbour slows them alike.
#
# Usage: [BEFORE=<other bin dir>] [HOLD=3] [SCALE=1] bash tools/bench_start/bench_start.sh <bin dir> [display number] [starts]
# Prints each program's median start-up in milliseconds and peak memory in
# MiB, then each program's ratios to the bare window (bench_bare, built with
# the project). BEFORE adds another build's program to the same run.
# Run by hand: timings depend on what else the machine is doing.

set -uo pipefail

BIN=$(cd "${1:?usage: $0 <bin dir> [display] [starts]}" && pwd)
DISPLAY_NO=${2:-96}
STARTS=${3:-9}
HOLD=${HOLD:-3}
SCALE=${SCALE:-1}
export DISPLAY=":$DISPLAY_NO"
[ -x "$BIN/bench_bare" ] || { echo "FAIL: $BIN/bench_bare is missing (build the bench_bare target)" >&2; exit 1; }

WORK=$(mktemp -d)
XVFB_PID="" WATCH_PID="" APP_PID="" BUS_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
    [ -n "$WATCH_PID" ] && kill "$WATCH_PID" 2>/dev/null
    [ -n "$BUS_PID" ] && kill "$BUS_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

Xvfb "$DISPLAY" -screen 0 $((1024 * SCALE))x$((768 * SCALE))x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 1 50); do timeout 5 xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
timeout 5 xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"

# A session bus, as on a desktop: without one each start would first spawn its
# own (D-Bus autolaunch), which no player's desktop does.
if command -v dbus-daemon >/dev/null; then
    BUS=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 --nosyslog 2>/dev/null) || fail "no session bus"
    BUS_PID=$(sed -n 2p <<<"$BUS")
    export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$BUS")
else
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$WORK/no-bus
fi

# Every map of a top-level window, stamped with the shell's microsecond clock.
stdbuf -oL xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
    [[ $line == MapNotify* ]] && echo "${EPOCHREALTIME/./}"
done >"$WORK/maps" &
WATCH_PID=$!
sleep 1

# start PROGRAM: one start; prints "milliseconds KiB".
start() {
    local before t0 deadline mapped="" hwm
    before=$(wc -l <"$WORK/maps")
    t0=${EPOCHREALTIME/./}
    (cd "$WORK" && unset QT_QPA_PLATFORM WAYLAND_DISPLAY && QT_SCALE_FACTOR=$SCALE XDG_RUNTIME_DIR="$WORK" exec "$1") \
        >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    deadline=$((SECONDS + 30))
    while [ -z "$mapped" ]; do
        [ "$SECONDS" -ge "$deadline" ] && fail "$1 mapped no window within 30 s: $(cat "$WORK/app.log")"
        mapped=$(sed -n "$((before + 1))p" "$WORK/maps")
        [ -z "$mapped" ] && sleep 0.05
    done
    sleep "$HOLD"
    hwm=$(awk '/^VmHWM:/ { print $2 }' /proc/"$APP_PID"/status)
    kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
    APP_PID=""
    echo $(((mapped - t0) / 1000)) "$hwm"
    sleep 0.3
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

names=(bare)
programs=("$BIN/bench_bare")
[ -n "${BEFORE:-}" ] && { names+=(before); programs+=("$(cd "$BEFORE" && pwd)/quillet"); }
names+=(quillet)
programs+=("$BIN/quillet")
declare -A MS KIB
for run in $(seq 1 "$STARTS"); do
    for i in "${!names[@]}"; do
        read -r ms kib < <(start "${programs[$i]}")
        MS[${names[$i]}]+="$ms "
        KIB[${names[$i]}]+="$kib "
        echo "start $run ${names[$i]}: $ms ms, peak $((kib / 1024)) MiB"
    done
done
bare_ms=$(median ${MS[bare]})
bare_kib=$(median ${KIB[bare]})
for name in "${names[@]}"; do
    ms=$(median ${MS[$name]})
    kib=$(median ${KIB[$name]})
    awk -v n="$name" -v ms="$ms" -v kib="$kib" -v bms="$bare_ms" -v bkib="$bare_kib" 'BEGIN {
        printf "%s: start-up %d ms (%.2fx bare), peak memory %.1f MiB (%.2fx bare)\n", n, ms, ms / bms, kib / 1024, kib / bkib }'
done
