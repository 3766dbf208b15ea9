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
    sys.exit("FAIL: %s; last heard: %s" % (message, heard[-8:]))


def on_event(event):
    try:
        if not (event.type.startswith("object:state-changed:focused") and not event.detail1):
            heard.append((event.type, event.source.getRoleName(), event.source.name))
    except Exception:  # an object gone meanwhile is no news
        pass


def pump_until(what, test):
    deadline = time.monotonic() + STEP
    while time.monotonic() < deadline:
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        found = test()
        if found:
            return found
        time.sleep(0.02)
    fail("no %s within %gs" % (what, STEP))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(names), check=True)


def focus_window(title, frame):  # no window manager: the keyboard goes where the client says
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % title, "windowfocus", "--sync"],
                   check=True, timeout=STEP)
    # Keys sent before the program has taken the focus in are lost.
    pump_until(title + " active", lambda: frame.getState().contains(pyatspi.STATE_ACTIVE))


def find(node, role, name=None):
    try:
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
        return next(filter(None, (find(node.getChildAtIndex(i), role, name) for i in range(node.childCount))), None)
    except Exception:
        return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in map(desktop.getChildAtIndex, range(desktop.childCount)) if a and a.name == "quillet"), None)


def since(mark, role, kind):  # names of `role` objects that sent a `kind` event since `mark`
    return [n for k, r, n in heard[mark:] if r == role and k.startswith(kind) and n]


def focus_after(key_names, role="list item"):
    mark = len(heard)
    keys(*key_names)
    return pump_until("focus after " + " ".join(key_names), lambda: since(mark, role, "object:state-changed:focused"))


def said_after(key_names, start):
    mark = len(heard)
    keys(*key_names)
    return pump_until(start + " said", lambda: [n for n in since(mark, "notification", "object:") if n.startswith(start)])


def main(program, log):
    # Listening first: a program that starts while a listener is being
    # registered may miss it and send no events at all.
    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused", "object:state-changed:showing")
    with open(log, "w") as out:
        quillet = subprocess.Popen([program], stdout=out, stderr=subprocess.STDOUT)
    try:
        return drive()
    finally:
        quillet.kill()
        quillet.wait()


def drive():
    app = pump_until("program on the bus", application)
    games = pump_until("chooser list", lambda: find(app, "list", "Games"))
    entries = [games.getChildAtIndex(i).name for i in range(games.childCount)]
    if entries != ["1. Baker's Dozen", "2. Beleaguered Castle", "3. Bisley", "4. Decade", "5. Fourteens", "6. Golf",
                   "7. Maze", "8. Monte Carlo", "9. Pyramid", "10. Scorpion", "Exit"]:
        fail("chooser entries %s" % entries)
    # The outline moves with the arrows, and the focus with it.
    focus_window("Quillet", pump_until("chooser window", lambda: find(app, "frame", "Quillet")))
    if focus_after(["Down"]) != ["1. Baker's Dozen"] or focus_after(["Down"] * 5)[-1] != "6. Golf":
        fail("the chooser's focus does not follow the outline")
    print("ok: chooser entries read, the focus follows the outline")

    keys("Return")
    golf = pump_until("Golf window", lambda: find(application(), "frame", "Golf"))
    focus_window("Golf", golf)
    board = pump_until("Golf's board", lambda: find(golf, "list", "Table"))
    said_after(["alt+g", "n"], "New game")
    if board.childCount == 0:
        fail("Golf's board has no items")
    items = [board.getChildAtIndex(i).name for i in range(board.childCount)]
    first, second = focus_after(["Right"])[-1], focus_after(["Right"])[-1]
    if first == second or first not in items or second not in items:
        fail("the frame's focus went %r then %r" % (first, second))
    print("ok: Golf's %d items read, the focus follows the frame: %r, %r" % (len(items), first, second))
    print("ok: %r" % said_after(["alt+d"], "Deal: ")[0])
    keys("alt+g", "x")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
