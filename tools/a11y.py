#!/usr/bin/python3
"""What a screen reader finds in Dravino: the accessibility tree as AT-SPI
shows it, then the Tab cycle of each panel with the name, role and
description spoken at every step. Run by tools/a11y.sh (make a11y)."""
import subprocess
import sys
import time

import pyatspi

KEYS = {"Tab": 0xFF09, "F2": 0xFFBF, "F3": 0xFFC0, "F4": 0xFFC1, "F6": 0xFFC3, "F7": 0xFFC4, "F8": 0xFFC5, "Escape": 0xFF1B, "Return": 0xFF0D}
KEYS.update({digit: ord(digit) for digit in "0123456789"})


def app_named(name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.2)
    sys.exit("dravino did not appear on the accessibility bus")


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def walk(acc, depth, out):
    for child in acc:
        if child is None or not showing(child):
            continue
        out.append("  " * depth + describe(child))
        walk(child, depth + 1, out)


def describe(acc):
    text = "%s [%s]" % (acc.name or "(no name)", acc.getRoleName())
    if acc.description:
        text += " - " + acc.description
    labels = [r.getTarget(0).name for r in acc.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    if labels:
        text += " (labelled by %s)" % ", ".join(labels)
    return text


def focused(acc):
    # The control that has the focus; a panel that says it has it (a button
    # box, when one of its buttons has) is looked into. A table's current
    # cell, and a tab bar's current tab, stay "focused" after the focus has
    # left them: a control elsewhere that has it goes first.
    found = []

    def collect(node):
        for child in node:
            if child is None:
                continue
            if child.getState().contains(pyatspi.STATE_FOCUSED) and child.getRoleName() != "panel":
                found.append(child)
            collect(child)

    collect(acc)
    others = [f for f in found if f.getRoleName() not in ("table cell", "page tab")]
    return (others or found or [None])[0]

def press(key):
    if key.startswith("Shift+"):  # (held down around the key)
        pyatspi.Registry.generateKeyboardEvent(50, None, pyatspi.KEY_PRESS)  # (Shift_L: press and release take a keycode)
        pyatspi.Registry.generateKeyboardEvent(KEYS[key[6:]], None, pyatspi.KEY_SYM)
        pyatspi.Registry.generateKeyboardEvent(50, None, pyatspi.KEY_RELEASE)
    else:
        pyatspi.Registry.generateKeyboardEvent(KEYS[key], None, pyatspi.KEY_SYM)
    time.sleep(0.25)


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = app_named("dravino")
        time.sleep(1.5)
        main_window = app[0]
        for title, opening, closing in (("Main panel", None, None), ("Scale panel (F2)", "F2", "Escape"),
                                        ("Sensata panel (F3)", "F3", "Escape"),
                                        ("Archive window (F4)", "F4", "Escape"),
                                        ("Calibration window (F6)", "F6", "Escape"),
                                        ("Trace window (F7)", "F7", "Escape"),
                                        ("Guided test window (Shift+F7)", "Shift+F7", "Escape"),
                                        ("Multimeter dialog (F8)", "F8", "Escape")):
            if opening:
                press(opening)
            window = main_window
            if opening in ("F4", "F6", "F7", "Shift+F7", "F8"):
                # A window of its own, which answers once the archive, or
                # libsigrok's list of drivers, has.
                time.sleep(1.5)
                title_shown = {"F4": "Archivio prove", "F6": "Taratura del sensore", "F7": "Traccia del sensore",
                               "Shift+F7": "Prova guidata del sensore", "F8": "Strumento"}[opening]
                window = next(w for w in app if w is not None and w.name == title_shown)
            print("## %s\n" % title)
            print("What is showing:\n")
            tree = []
            walk(window, 0, tree)
            print("```\n" + "\n".join(tree) + "\n```\n")
            print("Tab, from the control that has the focus:\n")
            steps = []
            first = focused(window)
            steps.append(describe(first) if first else "(nothing focused)")
            for _ in range(40):
                press("Tab")
                now = focused(window)
                steps.append(describe(now) if now else "(nothing focused)")
                if now is not None and first is not None and now.name == first.name \
                        and now.getRoleName() == first.getRoleName():
                    break
            print("```\n" + "\n".join(steps) + "\n```\n")
            if closing:
                press(closing)
        # A conversion is heard in the field the user is in.
        window = main_window
        press("Escape")
        print("## A result\n\nBack in the voltage field, 4500 and Enter; the field's description then reads:\n")
        for digit in "4500":
            press(digit)
        press("Return")
        field = focused(window)
        print("```\n%s\n```" % (describe(field) if field else "(nothing focused)"))
    finally:
        program.terminate()
        program.wait()


if __name__ == "__main__":
    main()
