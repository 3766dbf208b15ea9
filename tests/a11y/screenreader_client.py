#!/usr/bin/python3
# A screen reader's view of the running program, through the desktop's
# accessibility bus: reads the chooser's entries, opens Golf from the
# keyboard, reads its board's items, follows the focus as the arrows move
# the frame, and hears what a Deal said. Every wait has a deadline.
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STEP = 20.0  # seconds; only reached when something is wrong
heard = []   # (event type, role, name) in arrival order


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def on_event(event):
    try:
        if event.type.startswith("object:state-changed:focused") and not event.detail1:
            return  # the old focus losing it
        heard.append((event.type, event.source.getRoleName(), event.source.name))
    except Exception:  # an object gone meanwhile is no news
        pass


def pump_until(what, test):
    deadline = time.monotonic() + STEP
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        found = test()
        if found:
            return found
        time.sleep(0.02)
    fail("no " + what + " within %gs; heard: %s" % (STEP, heard[-8:]))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(names), check=True)


def focus_window(title):
    # No window manager: the client gives the window the keyboard, as a click on it would.
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % title,
                    "windowfocus", "--sync"], check=True, timeout=STEP)


def find(node, role, name=None):
    if node is None:
        return None
    try:
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
        for i in range(node.childCount):
            hit = find(node.getChildAtIndex(i), role, name)
            if hit:
                return hit
    except Exception:
        return None
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "quillet":
            return app
    return None


def names(node):
    return [node.getChildAtIndex(i).name for i in range(node.childCount)]


def focused_item(after, role="list item"):
    def test():
        for kind, r, name in heard[after:]:
            if kind.startswith("object:state-changed:focused") and r == role and name:
                return name
        return None
    return test


def said(start, mark):
    """The first announcement since `mark` that starts with `start`."""
    return pump_until(start + " said", lambda: next(
        (n for k, r, n in heard[mark:] if r == "notification" and n.startswith(start)), None))


def main():
    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused",
                                           "object:state-changed:showing", "focus:")
    app = pump_until("program on the bus", application)
    games = pump_until("chooser list", lambda: find(app, "list", "Games"))
    expected = ["1. Baker's Dozen", "2. Beleaguered Castle", "3. Bisley", "4. Decade", "5. Fourteens",
                "6. Golf", "7. Maze", "8. Monte Carlo", "9. Pyramid", "10. Scorpion", "Exit"]
    if names(games) != expected:
        fail("chooser entries %s" % names(games))
    print("ok: chooser entries", names(games))

    # The outline moves with the arrows, and the focus with it.
    focus_window("Quillet")
    mark = len(heard)
    keys("Down")
    got = pump_until("focus on the first entry", focused_item(mark))
    if got != "1. Baker's Dozen":
        fail("first arrow focused %r" % got)
    mark = len(heard)
    keys(*["Down"] * 5)
    pump_until("focus on Golf", lambda: any(n == "6. Golf" and k.endswith("focused") for k, _, n in heard[mark:]))
    print("ok: the chooser's focus follows the outline to 6. Golf")
    keys("Return")
    golf = pump_until("Golf window", lambda: find(application(), "frame", "Golf"))
    focus_window("Golf")
    board = pump_until("Golf's board", lambda: find(golf, "list", "Table"))

    mark = len(heard)
    keys("alt+g", "n")
    said("New game", mark)
    count = board.childCount
    if count == 0:  # the board is a list of what the game describes of its table
        print("SKIP: Golf does not describe its table yet")
        return 77
    items = names(board)
    print("ok: Golf's board has %d items, the first %s" % (count, items[:3]))
    mark = len(heard)
    keys("Right")
    first = pump_until("focus on a card", focused_item(mark))
    mark = len(heard)
    keys("Right")
    second = pump_until("focus on the next card", focused_item(mark))
    if first == second or first not in items or second not in items:
        fail("the frame's focus went %r then %r" % (first, second))
    print("ok: the focus follows the frame: %r, %r" % (first, second))

    mark = len(heard)
    keys("alt+d")
    said_text = said("Deal", mark)
    print("ok: the Deal was said: %r" % said_text)
    keys("alt+g", "x")
    return 0


if __name__ == "__main__":
    sys.exit(main())
