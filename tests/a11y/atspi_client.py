#!/usr/bin/python3
"""A screen reader's view of the running programs, through AT-SPI (pyatspi).

  atspi_client.py dump APP          prints APP's accessible tree, one line per
                                    object: role, name, states
  atspi_client.py vesk STATE SIM    drives VESK as a screen reader would: finds
                                    Apply, chooses "Profile switch up" for
                                    button 6, picks report rate 500, presses
                                    Apply, then reads the virtual mouse's slot
                                    image (SIM show --state STATE) and checks it
  atspi_client.py updater TEXT      finds W38Updater's first screen text TEXT
                                    (a label) and its OK button

Exit status: 0 passed, 1 failed, 77 when the accessibility bus cannot be
reached.
"""

import json
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    sys.exit(77)

TIMEOUT = 30.0


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find, timeout=TIMEOUT):
    """Polls find() until it gives something other than None."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree changes while it is walked
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    fail("gave up waiting for " + what)


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, name, role=None, showing=True):
    for node in walk(root):
        if node.name != name:
            continue
        if role is not None and node.getRole() != role:
            continue
        if showing and not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        return node
    return None


def do_action(node, wanted):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, name in enumerate(names):
        if name == wanted:
            if not action.doAction(i):
                fail("%s refused %s" % (node.name, wanted))
            return
    fail("%s has no action %s (it has %s)" % (node.name, wanted, names))


def describe(node, depth):
    states = node.getState().getStates()
    words = sorted(pyatspi.stateToString(s) for s in states)
    return "%s%s \"%s\" [%s]" % ("  " * depth, node.getRoleName(), node.name, " ".join(words))


def dump(node, depth=0):
    print(describe(node, depth))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1)


def slot_image(state, sim, slot):
    shown = subprocess.run([sim, "--state", state, "show"], check=True,
                           capture_output=True, text=True).stdout
    return bytes.fromhex(json.loads(shown)["slots"][slot])


def run_vesk(state, sim):
    app = wait_for("VESK on the accessibility bus", lambda: application("VESK"))
    apply = wait_for("Apply", lambda: find(app, "Apply", pyatspi.ROLE_PUSH_BUTTON))
    selector = wait_for("button 6's function selector",
                        lambda: find(app, "Button 6 function", pyatspi.ROLE_COMBO_BOX))
    do_action(selector, "ShowMenu")
    row = wait_for("the open menu's row", lambda: find(selector, "Profile switch up",
                                                       pyatspi.ROLE_MENU_ITEM))
    do_action(row, "Press")
    wait_for("the menu to close after the choice",
             lambda: row if not row.getState().contains(pyatspi.STATE_SHOWING) else None)
    rate = wait_for("report rate 500", lambda: find(app, "500", pyatspi.ROLE_RADIO_BUTTON))
    do_action(rate, "Toggle")
    wait_for("500 to be checked",
             lambda: rate if rate.getState().contains(pyatspi.STATE_CHECKED) else None)
    do_action(apply, "Press")
    # Slot 0 holds profile 1: button 6 is entry 5 of the button actions at
    # offset 101 (7 bytes each); the report rate is the polling interval at 21.
    def written():
        image = slot_image(state, sim, 0)
        entry = image[101 + 5 * 7: 101 + 6 * 7]
        return image if entry[0:2] == b"\x08\xf0" and image[21] == 2 else None
    wait_for("the mouse's slot image to carry the choices", written)
    print("PASS: Apply, button 6 and the report rate reached the mouse")


def run_updater(expected):
    app = wait_for("W38Updater on the accessibility bus", lambda: application("W38Updater"))
    text = wait_for("the screen's message \"%s\"" % expected,
                    lambda: find(app, expected, pyatspi.ROLE_LABEL))
    ok = wait_for("OK", lambda: find(app, "OK", pyatspi.ROLE_PUSH_BUTTON))
    print("PASS: the first screen reads \"%s\" beside %s \"%s\"" % (
        text.name, ok.getRoleName(), ok.name))


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    mode = sys.argv[1]
    if mode == "dump":
        app = wait_for(sys.argv[2] + " on the accessibility bus",
                       lambda: application(sys.argv[2]))
        wait_for("its window", lambda: app if app.childCount > 0 else None)
        dump(app)
    elif mode == "vesk":
        run_vesk(sys.argv[2], sys.argv[3])
    elif mode == "updater":
        run_updater(sys.argv[2])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
