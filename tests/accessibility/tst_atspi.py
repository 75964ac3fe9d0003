#!/usr/bin/python3
"""The window as a screen reader reads it: the real program on the X server
and the session bus this test runs on (scripts/x-session --wm --buses), its
accessible tree read over AT-SPI, and the announcements it makes when the
exercise starts and stops.

    tst_atspi.py PROGRAM
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

from checks import check, totals

CAPTION_END = "  Биология - упражнения за зрение"
OPTIONS = ["Ляво-Дясно", "Горе-Долу", "Светофар", "Свещ-яркост", "Перспектива", "Срещу часовата", "По часовата"]
EXPECTED_CHILDREN = sorted(
    [("label", "Период"), ("heading", "Тренировка за очите"), ("text", "Описание на упражненията"),
     ("push button", "Започни"), ("push button", "Спри"), ("image", "наблюдаван обект"), ("list", "Период")]
    + [("radio button", name) for name in OPTIONS])
PERIODS = ["200", "300", "400", "500", "500", "700", "800", "900"]
RUNNING = "Упражнението върви: Ляво-Дясно, период 200 ms"
STOPPED = "Упражнението е спряно: Ляво-Дясно, период 200 ms"


def states(accessible):
    return {pyatspi.stateToString(s) for s in accessible.getState().getStates()}


def children(accessible):
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


def walk(accessible, depth=0):
    yield accessible
    if depth < 4:
        for child in children(accessible):
            if child is not None:
                yield from walk(child, depth + 1)


def find_application(name, timeout=20):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.2)
    raise RuntimeError(f"no application {name} on the accessibility bus")


def run_loop_until(condition, timeout):
    """Runs the event loop so AT-SPI events arrive, until condition() or timeout."""
    loop = GLib.MainLoop()
    deadline = time.monotonic() + timeout

    def poll():
        if condition() or time.monotonic() > deadline:
            loop.quit()
            return False
        return True

    GLib.timeout_add(20, poll)
    loop.run()


def press(button):
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    raise RuntimeError(f"{button.name} offers no Press action")


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    env.pop("QT_SCALE_FACTOR", None)
    app_process = subprocess.Popen([program], env=env)
    try:
        app = find_application(os.path.basename(program))
        frames = children(app)
        check(len(frames) == 1, "one top-level object", str(len(frames)))
        frame = frames[0]
        check(frame.getRoleName() == "frame", "the window is a frame", frame.getRoleName())
        check(frame.name.endswith(CAPTION_END), "the frame is named by the caption", frame.name)

        shown = children(frame)
        found = sorted((c.getRoleName(), c.name) for c in shown)
        check(found == EXPECTED_CHILDREN, "the window holds what a sighted user sees, and nothing hidden", str(found))
        for child in shown:
            check({"showing", "visible"} <= states(child), f"{child.getRoleName()} '{child.name}' is showing", str(states(child)))

        lists = [c for c in walk(frame) if c.getRoleName() == "list"]
        check(len(lists) == 1, "one list, the period list", str(len(lists)))
        period_list = lists[0]
        check([c.name for c in children(period_list)] == PERIODS, "the period list holds the periods",
              str([c.name for c in children(period_list)]))
        # Qt 6.4 offers a list's selection through its table interface and
        # its items' states; the Selection interface came with Qt 6.5.
        table = period_list.queryTable()
        rows = list(table.getSelectedRows())
        check(rows == [0], "the list tells its selected row", str(rows))
        selected = [c.name for c in children(period_list) if "selected" in states(c)]
        check(selected == ["200"], "the selected entry says so", str(selected))

        label = next(c for c in shown if c.getRoleName() == "label")
        targets = [t for r in label.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABEL_FOR
                   for t in (r.getTarget(i) for i in range(r.getNTargets()))]
        check(len(targets) == 1 and targets[0].getRoleName() == "list", "'Период' labels the period list", str(targets))

        radios = {c.name: c for c in shown if c.getRoleName() == "radio button"}
        check("checked" in states(radios["Ляво-Дясно"]), "the chosen exercise is checked")

        run_loop_until(lambda: any("focused" in states(o) for o in walk(frame)), 5)
        focused = [f"{o.getRoleName()} '{o.name}'" for o in walk(frame) if "focused" in states(o)]
        check(len(focused) == 1, "one object has the focus", str(focused))

        check(frame.description == STOPPED, "the window tells that the exercise is stopped", frame.description)

        announced = []

        def on_description(event):
            if event.source is not None and event.source.getRoleName() == "frame":
                announced.append(event.source.description)

        pyatspi.Registry.registerEventListener(on_description, "object:property-change:accessible-description")
        buttons = {c.name: c for c in shown if c.getRoleName() == "push button"}
        press(buttons["Започни"])
        run_loop_until(lambda: RUNNING in announced, 5)
        check(RUNNING in announced, "starting is announced", str(announced))
        check(frame.description == RUNNING, "the window tells that the exercise runs", frame.description)
        notifications = [(c.name, "showing" in states(c)) for c in children(frame) if c.getRoleName() == "notification"]
        check(notifications == [(RUNNING, True)], "a notification that shows tells that the exercise runs", str(notifications))
        press(buttons["Спри"])
        run_loop_until(lambda: STOPPED in announced, 5)
        check(STOPPED in announced, "stopping is announced", str(announced))
        pyatspi.Registry.deregisterEventListener(on_description, "object:property-change:accessible-description")
    except Exception as error:  # a broken tree fails the test, it does not crash it
        check(False, "reading the accessible tree", repr(error))
    finally:
        app_process.terminate()
        app_process.wait(5)
    return totals()


if __name__ == "__main__":
    sys.exit(main())
