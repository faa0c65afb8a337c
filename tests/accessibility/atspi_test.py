#!/usr/bin/python3
"""Reads the main window and the project window as a screen reader does, over the AT-SPI accessibility bus.

Starts a window manager (so that the window is active and takes the keys) and the program on the X
display, finds the program on the bus, and checks that every focusable control of the main window has a
name and a role that fits it. Then does a calculation from the keyboard and checks that the result boxes
tell the bus their new text. Then starts the program again with a project file, checks the project
window's controls the same way and opens an item into the main window from the keyboard. Run under
xvfb-run and dbus-run-session.
Usage: atspi_test.py PROGRAM WINDOW-MANAGER
"""
import json
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

failures = 0
checks = 0


def check(condition, what):
    global failures, checks
    checks += 1
    failures += 0 if condition else 1
    print(("ok: " if condition else "FAILED: ") + what, flush=True)


def wait_for(predicate, seconds=10.0):
    """Runs the bus's events until predicate() holds or the time is up."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    return predicate()


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        # A list's items belong to its combo box, not to the window's tab order.
        if child.getRole() != pyatspi.ROLE_COMBO_BOX:
            yield from descendants(child)


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def control(window, name):
    return next((c for c in descendants(window) if c.name == name), None)


def focus(node):
    """Gives the control the keyboard focus, as a screen reader's user moving to it does."""
    node.queryComponent().grabFocus()
    wait_for(lambda: node.getState().contains(pyatspi.STATE_FOCUSED), 3)


def press(*keys):
    for key in keys:
        if len(key) == 1:
            pyatspi.Registry.generateKeyboardEvent(ord(key), None, pyatspi.KEY_SYM)
        else:
            code = {"space": 0x20, "Down": 0xFF54, "Return": 0xFF0D, "Tab": 0xFF09}[key]
            pyatspi.Registry.generateKeyboardEvent(code, None, pyatspi.KEY_SYM)
        time.sleep(0.05)


# What each kind of control is to a screen reader, and one of each as it must be heard.
FITTING_ROLES = {"check box", "radio button", "push button", "text", "combo box", "table"}
EXPECTED = [
    ("工程设计收费计费额（万元）", "text"),
    ("工程类型", "combo box"),
    ("Ⅱ级工程复杂程度", "text"),
    ("总体设计费", "check box"),
    ("非标准设备设计费率", "text"),
    ("单独委托设计", "check box"),
    ("方案设计", "radio button"),
    ("初步设计", "radio button"),
    ("施工图设计", "radio button"),
    ("计算", "push button"),
    ("计算书", "push button"),
    ("设计收费基准价（万元）", "text"),
]
# The conditions of buildings, which the window shows once that type is chosen.
EXPECTED_FOR_BUILDINGS = [
    ("改扩建和技术改造建设项目", "check box"),
    ("改扩建和技术改造建设项目附加调整系数", "text"),
    ("建筑总平面布置及小区规划设计收费计算", "push button"),
]


PROJECT_EXPECTED = [
    ("项目名称", "text"),
    ("发包人", "text"),
    ("单项工程", "table"),
    ("打开到主窗口", "push button"),
    ("浮动幅度值（%）", "text"),
    ("合同额（万元）", "text"),
    ("导出 Excel…", "push button"),
]

# A project of two single works, as the program saves one.
PROJECT = {
    "format": "varnel-project", "version": 1, "name": "读屏测试项目", "client": "", "designer": "",
    "date": "2026-12-09", "float": 0, "contract": None,
    "items": [
        {"name": name, "amount": amount, "type": "建筑、人防工程", "grade": "Ⅱ级", "conditions": [],
         "services": [], "independentPhase": False, "phase": None}
        for name, amount in (("一号楼", "1500"), ("二号楼", "3000"))
    ],
}


def check_focusable(window, least, expected, which=""):
    """Every focusable control of the window has a name and a role that fits it; the expected are heard.
    A table's cells are its own, not the window's tab order. Returns the focusable controls."""
    focusable = [c for c in descendants(window) if c.getState().contains(pyatspi.STATE_FOCUSABLE)
                 and c.getRole() != pyatspi.ROLE_TABLE_CELL]
    unnamed = [c.getRoleName() for c in focusable if not c.name.strip()]
    check(len(focusable) >= least, f"{len(focusable)} focusable controls{which} are read")
    check(not unnamed, f"every focusable control{which} has a name {unnamed}")
    unfitting = [(c.name, c.getRoleName()) for c in focusable if c.getRoleName() not in FITTING_ROLES]
    check(not unfitting, f"every focusable control{which} has a fitting role {unfitting}")
    heard = {(c.name, c.getRoleName()) for c in focusable}
    for name, role in expected:
        check((name, role) in heard, f"{name} is heard as {role}")
    return focusable


def check_project_window(environment):
    """The project window read by a screen reader, and an item opened from the keyboard."""
    folder = tempfile.mkdtemp()
    path = os.path.join(folder, "读屏测试.varnel")
    with open(path, "w", encoding="utf-8") as file:
        json.dump(PROJECT, file, ensure_ascii=False)
    program = subprocess.Popen([sys.argv[1], path], env=dict(environment, XDG_CONFIG_HOME=folder))
    try:
        app = wait_for(lambda: application("Varnel"))
        window = wait_for(lambda: next((w for w in app if w and w.name.startswith("项目 - ")), None))
        check(window is not None and window.name == "项目 - 读屏测试项目", "the project window is named after the project")
        if window is None:
            return
        focusable = check_focusable(window, 12, PROJECT_EXPECTED, " of the project window")
        table = control(window, "单项工程")
        cells = [table.getChildAtIndex(i).name for i in range(table.childCount)] if table else []
        check("二号楼" in cells and "合计" in cells, f"the table's cells are read ({len(cells)} cells)")

        # The second row opened into the main window with the keys alone: the focus starts in 项目名称, and
        # Tab passes 编制日期, 发包人 and 设计人 on its way to the table.
        focus(next(c for c in focusable if c.name == "项目名称"))
        press("Tab", "Tab", "Tab", "Tab")
        check(wait_for(lambda: any(c.getState().contains(pyatspi.STATE_FOCUSED) for c in table), 3),
              "Tab reaches the table")
        press("Down", "Return")
        main = wait_for(lambda: next((w for w in app if w and w.name.startswith("Varnel - ")), None))
        amount = control(main, "工程设计收费计费额（万元）") if main else None
        shown = wait_for(lambda: amount and amount.queryText().getText(0, -1) == "3000")
        check(bool(shown), "Down and Enter in the table open the second item into the main window")
    finally:
        program.terminate()
        program.wait(10)


def main():
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    manager = subprocess.Popen([sys.argv[2]], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        app = wait_for(lambda: application("Varnel"))
        check(app is not None, "the program is on the accessibility bus")
        if app is None:
            return
        window = wait_for(lambda: next((w for w in app if w and w.getRole() == pyatspi.ROLE_FRAME), None))
        check(window is not None and window.name == "Varnel", "its main window is a frame named Varnel")

        check_focusable(window, 35, EXPECTED)

        # A calculation from the keyboard; the result boxes announce what they now show.
        announced = []
        pyatspi.Registry.registerEventListener(
            lambda event: announced.append((event.source.name, event.any_data)), "object:text-changed:insert")
        # The focus starts on the type list: the arrow keys choose 建筑、人防工程, and its conditions are read.
        press("Down", "Down", "Down")
        wait_for(lambda: control(window, EXPECTED_FOR_BUILDINGS[-1][0]))
        check_focusable(window, 50, EXPECTED_FOR_BUILDINGS)
        focus(control(window, "Ⅱ级工程复杂程度"))
        press("space")
        focus(control(window, "工程设计收费计费额（万元）"))
        press("1", "5", "0", "0")
        calculate = control(window, "计算")
        action = calculate.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press"))
        result = control(window, "设计收费基准价（万元）")
        shown = wait_for(lambda: result.queryText().getText(0, -1))
        check(shown.strip() == "55.05", f"the calculation fills the fee benchmark box ({shown})")
        check(wait_for(lambda: ("设计收费基准价（万元）", shown) in announced),
              f"the fee benchmark box announces its new text {shown}")
        basic = control(window, "基本设计收费（万元）").queryText().getText(0, -1)
        check(("基本设计收费（万元）", basic) in announced, f"the basic fee box announces its new text {basic}")
        program.terminate()
        program.wait(10)
        check_project_window(environment)
    finally:
        if program.poll() is None:
            program.terminate()
            program.wait(10)
        manager.terminate()
        manager.wait(10)
        print(f"{checks - failures} passed, {failures} failed")
        sys.exit(1 if failures else 0)


main()
