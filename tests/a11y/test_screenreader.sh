#!/usr/bin/env bash
# The program as a screen reader meets it on a desktop: a private X display,
# a D-Bus session with the accessibility bus, the screen-reader flag set the
# way desktops set it, and then the program, with nothing forced. A pyatspi
# client, listening before the program starts as a screen reader does,
# starts it, reads and drives it (screenreader_client.py).
set -uo pipefail
BIN=$(cd "${1:?usage: $0 <bin dir holding quillet>}" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool dbus-run-session dbus-send timeout; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (run scripts/setup.sh --test)"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

WORK=$(mktemp -d)
for n in $(seq 140 199); do  # a display nobody uses
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { DISPLAY_NO=$n; break; }
done
Xvfb ":$DISPLAY_NO" -nolisten tcp -screen 0 1024x768x24 >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
trap 'kill $XVFB_PID 2>/dev/null; rm -rf "$WORK"' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$DISPLAY_NO" ] && break; sleep 0.1; done
# A throwaway home: the bus launcher keeps the screen-reader flag in the user's settings.
export DISPLAY=":$DISPLAY_NO" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY QT_QPA_PLATFORM

timeout 180 dbus-run-session -- bash -c '
    send() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus "$@" >/dev/null || exit 1; }
    send org.a11y.Bus.GetAddress
    send org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true
    exec /usr/bin/python3 "$3/screenreader_client.py" "$1/quillet" "$2/quillet.log"' _ "$BIN" "$WORK" "$HERE"
rc=$?
[ $rc -ne 0 ] && [ $rc -ne 77 ] && { echo "program output:"; cat "$WORK/quillet.log"; }
exit $rc
