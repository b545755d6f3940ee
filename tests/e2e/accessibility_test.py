#!/usr/bin/env python3
"""Reads the real program through the desktop's accessibility bus, as a screen reader would: the
nine tool buttons by name and key, the score strip and the banner in English and, after a switch
by keys, in German; the board as a table of 56 cells named by their cards; the keyboard cursor as
the focused cell; the options dialog's colour buttons and preview.

Usage: accessibility_test.py PATH_TO_TVDL. Runs itself again inside a private D-Bus session with
its own accessibility bus. Exits 77 (skipped) when a tool is missing, unless TVDL_CI or CI is set."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop, Failure, wait_for  # noqa: E402

SKIPPED = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "dbus-run-session", BUS_LAUNCHER)
DEAL = 5
BUTTONS = {
    "en": ["New deal", "Replay this deal", "Reshuffle", "Options", "Statistics", "Quit", "Language", "Help", "About"],
    "de": ["Neues Spiel", "Gleiches Spiel nochmals", "Neu auslegen", "Einstellungen", "Statistik", "Beenden",
           "Sprache", "Hilfe", "Über das Spiel"],
}
KEYS = ["F2", "Ctrl+R", "Ctrl+M", "Ctrl+,", "Ctrl+T", "Ctrl+Q", "Ctrl+L", "F1", "Ctrl+I"]
SCORE = {"en": ["Won: 0", "Lost: 0", "50 % won"], "de": ["Gewonnen: 0", "Verloren: 0", "50 % gewonnen"]}
BANNER = {"en": "Click here", "de": "Klicke hier"}
PREVIEW = ("Preview", "Field red 0, green 128, blue 0; frame red 0, green 0, blue 0")
RANKS = {"en": ["ace", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "jack", "queen", "king"],
         "de": ["Ass", "Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame", "König"]}
SUITS = {"en": ["clubs", "spades", "diamonds", "hearts"], "de": ["Kreuz", "Pik", "Karo", "Herz"]}


def card_name(token, language):
    if token == "--":
        return "gap" if language == "en" else "Lücke"
    rank = RANKS[language]["A23456789TJQK".index(token[0])]
    suit = SUITS[language]["csdh".index(token[1])]
    return "%s of %s" % (rank, suit) if language == "en" else "%s-%s" % (suit, rank.capitalize())


def check(condition, message):
    if not condition:
        raise Failure(message)


def application(pyatspi):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "tvdl":
            return app
    return None


def find_all(node, role, found, depth=0):
    if depth > 8:
        return found
    if node.getRoleName() == role:
        found.append(node)
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            find_all(child, role, found, depth + 1)
    return found


def main_frame(app):
    for index in range(app.childCount):
        child = app.getChildAtIndex(index)
        if child is not None and child.name == "Torvik Vandrel 1.5 - Freeware":
            return child
    return None


def names(node, found, depth=0):
    """(role, name, description) of every node under `node`."""
    if depth > 8:
        return found
    found.append((node.getRoleName(), node.name, node.description))
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            names(child, found, depth + 1)
    return found


def read_tree(pyatspi, language, layout):
    app = wait_for("the program on the accessibility bus", lambda: application(pyatspi))
    frame = wait_for("the main window on the accessibility bus", lambda: main_frame(app))
    wait_for("the %s button names" % language,
             lambda: [b.name for b in find_all(frame, "push button", [])] == BUTTONS[language] or None)
    # Each button's key is in its description, never in its tooltip.
    for button, key in zip(find_all(frame, "push button", []), KEYS):
        key = key.replace("Ctrl+", "Strg+") if language == "de" else key
        check(button.description.endswith(": %s)" % key), "%s is described as %r" % (button.name, button.description))
    # The score strip and the banner, named in the same language.
    readings = names(frame, [])
    for wanted in SCORE[language]:
        check(any(name == wanted for _, name, _ in readings), "nothing on the strip is named %r" % wanted)
    check(any(name.startswith(BANNER[language]) for _, name, _ in readings), "the banner is not named")
    tables = find_all(frame, "table", [])
    check(len(tables) == 1 and tables[0].childCount == 56, "no board table of 56 cells: %s" % tables)
    table = tables[0].queryTable()
    check((table.nRows, table.nColumns) == (4, 14), "the board table is %dx%d" % (table.nRows, table.nColumns))
    # The deal may still be laying its cards out (a sanitised build is slow).
    for row, column in ((0, 1), (2, 7), (3, 13)):
        expected = card_name(layout[row][column], language)
        try:
            wait_for("cell %d,%d to read %r" % (column, row, expected),
                     lambda: table.getAccessibleAt(row, column).name == expected or None)
        except Failure:
            raise Failure("cell %d,%d reads %r, the deal has %r"
                          % (column, row, table.getAccessibleAt(row, column).name, expected))


def run_inside_session(program):
    import pyatspi  # Debian's python3-pyatspi
    rows = subprocess.run([program, "--print-deal", str(DEAL)], capture_output=True, text=True, check=True).stdout
    layout = [line.split() for line in rows.splitlines() if line.strip()]
    desktop = Desktop()
    folder = tempfile.mkdtemp(prefix="tvdl-a11y-")
    try:
        desktop.start()
        bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], env=desktop.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        desktop.processes.insert(0, bus)
        config = os.path.join(folder, "config")
        os.makedirs(os.path.join(config, "TorvikGames"))
        with open(os.path.join(config, "TorvikGames", "TorvikVandrel.conf"), "w", encoding="utf-8") as store:
            store.write("[V1]\ncommon\\tongue=0\n")
        env = {"XDG_CONFIG_HOME": config, "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
               "ASAN_OPTIONS": os.environ.get("ASAN_OPTIONS", "") + ":strict_string_checks=0"}
        game = desktop.spawn([program, "--deal", str(DEAL)], env, os.path.join(folder, "tvdl.log"))
        wait_for("the about box", lambda: desktop.windows("Torvik Bytes - Freeware-Info") or None)
        time.sleep(0.5)
        desktop.key("Return")
        wait_for("the about box to close", lambda: not desktop.windows("Torvik Bytes - Freeware-Info") or None)
        # A key pressed before the main window has the focus back would go nowhere.
        desktop.wait_active(desktop.framed_window("Torvik Vandrel 1.5 - Freeware"))
        desktop.key("F2")
        time.sleep(2)

        read_tree(pyatspi, "en", layout)
        # The arrow key shows the keyboard cursor on column 1, row 0: the reader's focus is there.
        desktop.key("Right")
        app = application(pyatspi)
        table = find_all(main_frame(app), "table", [])[0].queryTable()
        wait_for("the cursor's cell to take the focus",
                 lambda: table.getAccessibleAt(0, 1).getState().contains(pyatspi.STATE_FOCUSED) or None)
        print("English names, cells and cursor focus: passed")

        # The options dialog's picture-only controls.
        desktop.key("ctrl+comma")
        options = wait_for("the options dialog on the accessibility bus",
                           lambda: next((child for child in application(pyatspi)
                                         if child is not None and child.name == "Torvik Vandrel - Options"), None))
        readings = wait_for("the options dialog's controls", lambda: names(options, []) if options.childCount else None)
        for wanted in ("Field colour", "Frame colour"):
            check(any(name == wanted for _, name, _ in readings), "no control is named %r: %s" % (wanted, readings))
        check(any((name, description) == PREVIEW for _, name, description in readings),
              "the preview is not described: %s" % readings)
        # A dialog takes no input for its first moments.
        time.sleep(0.5)
        desktop.key("Escape")
        wait_for("the options dialog to close", lambda: not desktop.windows("Torvik Vandrel - Options") or None)
        print("Options dialog names: passed")

        desktop.key("ctrl+l")
        wait_for("the language dialog", lambda: desktop.windows("Torvik Vandrel 1.5") or None)
        time.sleep(0.5)
        desktop.key("Tab")
        desktop.key("Return")
        read_tree(pyatspi, "de", layout)
        print("German names and cells: passed")
        game.terminate()
        game.wait(timeout=30)
        return 0
    except Failure as failure:
        print("FAILED: %s (program log in %s)" % (failure, folder))
        return 1
    finally:
        desktop.stop()


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    program = os.path.abspath(sys.argv[1])
    if os.environ.get("TVDL_A11Y_SESSION"):
        return run_inside_session(program)
    missing = [tool for tool in TOOLS if shutil.which(tool) is None and not os.path.exists(tool)]
    try:
        subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"], check=True, capture_output=True)
    except (OSError, subprocess.CalledProcessError):
        missing.append("python3-pyatspi")
    if missing:
        print("missing: " + " ".join(missing))
        return 1 if os.environ.get("TVDL_CI") or os.environ.get("CI") else SKIPPED
    # pyatspi is Debian's, for Debian's own interpreter.
    env = dict(os.environ, TVDL_A11Y_SESSION="1")
    return subprocess.run(["dbus-run-session", "--", "/usr/bin/python3", os.path.abspath(__file__), program],
                          env=env).returncode


if __name__ == "__main__":
    sys.exit(main())
