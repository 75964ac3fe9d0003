#!/usr/bin/python3
"""The window as a screen reader reads it: the real program on the X server
and the session bus this test runs on (scripts/x-session --wm --buses), its
accessible tree read over AT-SPI, and the announcements it makes when the
exercise starts and stops.

    tst_atspi.py PROGRAM
"""
import os
import sys
import time

import pyatspi
from gi.repository import GLib

from checks import RUNNING, STOPPED, check, start_program, stop, totals

CAPTION_END = "  Биология - упражнения за зрение"
OPTIONS = ["Ляво-Дясно", "Горе-Долу", "Светофар", "Свещ-яркост", "Перспектива", "Срещу часовата", "По часовата"]
# Roles by value: AT-SPI 2.56 (Debian 13) renamed "push button" to "button".
EXPECTED_CHILDREN = sorted(
    [(pyatspi.ROLE_LABEL, "Период"), (pyatspi.ROLE_HEADING, "Тренировка за очите"),
     (pyatspi.ROLE_TEXT, "Описание на упражненията"), (pyatspi.ROLE_PUSH_BUTTON, "Започни"),
     (pyatspi.ROLE_PUSH_BUTTON, "Спри"), (pyatspi.ROLE_IMAGE, "наблюдаван обект"), (pyatspi.ROLE_LIST, "Период")]
    + [(pyatspi.ROLE_RADIO_BUTTON, name) for name in OPTIONS])
PERIODS = ["200", "300", "400", "500", "500", "700", "800", "900"]


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
    app_process = start_program(program, env)
    try:
        app = find_application(os.path.basename(program))
        frames = children(app)
        check(len(frames) == 1, "one top-level object", str(len(frames)))
        frame = frames[0]
        check(frame.getRole() == pyatspi.ROLE_FRAME, "the window is a frame", frame.getRoleName())
        check(frame.name.endswith(CAPTION_END), "the frame is named by the caption", frame.name)

        shown = children(frame)
        found = sorted((c.getRole(), c.name) for c in shown)
        check(found == EXPECTED_CHILDREN, "the window holds what a sighted user sees, and nothing hidden",
              str([(c.getRoleName(), c.name) for c in shown]))
        for child in shown:
            check({"showing", "visible"} <= states(child), f"{child.getRoleName()} '{child.name}' is showing", str(states(child)))

        lists = [c for c in walk(frame) if c.getRole() == pyatspi.ROLE_LIST]
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

        label = next(c for c in shown if c.getRole() == pyatspi.ROLE_LABEL)
        targets = [t for r in label.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABEL_FOR
                   for t in (r.getTarget(i) for i in range(r.getNTargets()))]
        check(len(targets) == 1 and targets[0].getRole() == pyatspi.ROLE_LIST, "'Период' labels the period list", str(targets))

        radios = {c.name: c for c in shown if c.getRole() == pyatspi.ROLE_RADIO_BUTTON}
        check("checked" in states(radios["Ляво-Дясно"]), "the chosen exercise is checked")

        run_loop_until(lambda: any("focused" in states(o) for o in walk(frame)), 5)
        focused = [f"{o.getRoleName()} '{o.name}'" for o in walk(frame) if "focused" in states(o)]
        check(len(focused) == 1, "one object has the focus", str(focused))

        check(frame.description == STOPPED, "the window tells that the exercise is stopped", frame.description)

        # Qt 6.8 announces through AT-SPI's announcement event; before it, a
        # notification shows.
        announced = []

        def on_announcement(event):
            if event.type.startswith("object:announcement"):
                announced.append(event.any_data)
            elif event.source is not None and event.source.getRole() == pyatspi.ROLE_NOTIFICATION and event.detail1:
                announced.append(event.source.name)

        events = ["object:announcement", "object:state-changed:showing"]
        pyatspi.Registry.registerEventListener(on_announcement, *events)
        buttons = {c.name: c for c in shown if c.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        for button, state in (("Започни", RUNNING), ("Спри", STOPPED)):
            press(buttons[button])
            run_loop_until(lambda: state in announced, 5)
            run_loop_until(lambda: False, 0.3)  # a second announcement, were there one
            check(announced == [state], f"'{button}' is announced once", str(announced))
            check(frame.description == state, f"after '{button}' the window's description tells so", frame.description)
            announced.clear()
        found = sorted((c.getRole(), c.name) for c in children(frame) if c.getRole() != pyatspi.ROLE_NOTIFICATION)
        check(found == EXPECTED_CHILDREN, "announcing leaves the controls as they were",
              str([(c.getRoleName(), c.name) for c in children(frame)]))
        pyatspi.Registry.deregisterEventListener(on_announcement, *events)
    except Exception as error:  # a broken tree fails the test, it does not crash it
        check(False, "reading the accessible tree", repr(error))
    finally:
        stop(app_process)
    return totals()


if __name__ == "__main__":
    sys.exit(main())
