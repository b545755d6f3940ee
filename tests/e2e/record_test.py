#!/usr/bin/env python3
"""The player's record on a private X desktop with openbox, as a player keeps it: deals given up
and quit, a move taken back, the history window opened by its key, a deal played again from it,
and the rows read back from the SQLite file with the sqlite3 program, never through the game.

Usage: record_test.py PATH_TO_TVDL [SCREENSHOT_FOLDER]. Exits 77 (skipped) when a tool is missing,
unless TVDL_CI or CI is set, where missing tools are a failure."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import deal_solver  # noqa: E402
from desktop import Desktop, Failure, wait_for  # noqa: E402
from desktop_test import (ABOUT_TITLE, CLIENT_HEIGHT, CLIENT_WIDTH, INPUT_GUARD, MAIN_TITLE,  # noqa: E402
                          SMALL_TITLE, missing_tools, TONGUE_TITLE, check, place_centre)

TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "/usr/bin/import", "sqlite3")
HISTORY_TITLE = "Torvik Vandrel - Your deals"
DEAL = 86


def first_move(cells):
    """A move the gap rule allows on a fresh deal: the successor of a gap's left neighbour."""
    for target, cell in enumerate(cells):
        if cell != deal_solver.GAP or target % deal_solver.COLUMNS == 0:
            continue
        left = cells[target - 1]
        if left != deal_solver.GAP and left % 13 != 12:
            return cells.index(left + 1), target
    raise Failure("no move on the fresh deal")


class Run:
    def __init__(self, desktop, folder, name, arguments=()):
        self.desktop = desktop
        self.data = os.path.join(folder, "data")
        env = {"XDG_CONFIG_HOME": os.path.join(folder, "config"), "XDG_DATA_HOME": self.data,
               "QT_QPA_PLATFORM": "xcb",
               "ASAN_OPTIONS": os.environ.get("ASAN_OPTIONS", "") + ":strict_string_checks=0"}
        self.log = os.path.join(folder, name + ".log")
        self.process = desktop.spawn([PROGRAM, *arguments], env, self.log)
        self.main = wait_for("the main window", lambda: self.window(MAIN_TITLE))

    def window(self, title):
        if self.process.poll() is not None:
            raise Failure("the program ended with %d; see %s" % (self.process.returncode, self.log))
        ids = self.desktop.windows(title)
        return ids[0] if len(ids) == 1 and self.desktop.frame(ids[0]) is not None else None

    def answer(self, title, key):
        window = wait_for(title, lambda: self.window(title))
        self.desktop.wait_active(window)
        time.sleep(INPUT_GUARD)
        self.desktop.key(key)
        wait_for("%s to close" % title, lambda: window not in self.desktop.windows(title))

    def key(self, name):
        self.desktop.wait_active(self.main)
        self.desktop.key(name)

    def play(self, move):
        for index in move:
            self.desktop.click(self.main, *place_centre(index))

    def cards_at(self, indices):
        x, y, _, _ = self.desktop.client_rect(self.main)
        picture = self.desktop.pixels((x, y, CLIENT_WIDTH, CLIENT_HEIGHT))
        found = []
        for index in indices:
            cx, cy = place_centre(index)
            found.append(any(picture[cy + dy][cx + dx] != (0, 128, 0) for dx in (-18, 0, 18) for dy in (-27, 0, 27)))
        return found

    def wait_cards(self, move, before, what):
        """Waits until the move's source and target show a card (True) or a gap as given."""
        wanted = [True, False] if before else [False, True]
        wait_for(what, lambda: self.cards_at(move) == wanted)

    def rows(self):
        path = os.path.join(self.data, "TorvikGames", "TorvikVandrel.sqlite")
        text = subprocess.run(["sqlite3", "-readonly", "-separator", "|", path,
                               "SELECT deal, result, reshuffles, moves, undos, hints, language, ended >= started "
                               "FROM deals ORDER BY id"], capture_output=True, text=True, timeout=60, check=True).stdout
        return [tuple(line.split("|")) for line in text.splitlines()]

    def schema_version(self):
        path = os.path.join(self.data, "TorvikGames", "TorvikVandrel.sqlite")
        return subprocess.run(["sqlite3", "-readonly", path, "PRAGMA user_version"], capture_output=True, text=True,
                              timeout=60, check=True).stdout.strip()


def play_and_replay(desktop, folder, shots):
    cells = deal_solver.parse_board(subprocess.run([PROGRAM, "--print-deal", str(DEAL)], capture_output=True,
                                                   text=True, timeout=60, check=True).stdout)
    move = first_move(cells)
    run = Run(desktop, folder, "first", ["--deal", str(DEAL)])
    run.answer(TONGUE_TITLE, "Return")
    run.answer(ABOUT_TITLE, "Return")

    # One move, then the same deal again: the first deal is given up.
    run.key("F2")
    run.wait_cards(move, True, "deal %d on the board" % DEAL)
    run.play(move)
    run.wait_cards(move, False, "the first move")
    run.key("ctrl+r")
    run.answer(SMALL_TITLE, "Return")
    run.wait_cards(move, True, "deal %d dealt again" % DEAL)
    check(len(run.rows()) == 1, "the given-up deal is not in the record while the game runs")

    # A move, taken back, made again, and a hint asked for.
    run.play(move)
    run.wait_cards(move, False, "the move")
    run.key("ctrl+z")
    run.wait_cards(move, True, "the move taken back")
    run.play(move)
    run.wait_cards(move, False, "the move made again")
    run.key("h")

    # The history, newest deal chosen, played again through the give-up question.
    run.key("ctrl+h")
    history = wait_for("the history window", lambda: run.window(HISTORY_TITLE))
    desktop.wait_active(history)
    if shots:
        time.sleep(0.5)
        shot(desktop, history, os.path.join(shots, "history.png"))
    time.sleep(INPUT_GUARD)
    desktop.key("Return")
    wait_for("the history to close", lambda: history not in desktop.windows(HISTORY_TITLE))
    run.answer(SMALL_TITLE, "Return")
    run.wait_cards(move, True, "deal %d played again from the history" % DEAL)

    # The status line, then a move and quit: the deal in play counts as lost at quit.
    run.key("ctrl+b")
    run.play(move)
    run.wait_cards(move, False, "the move after the replay")
    if shots:
        time.sleep(1.0)
        shot(desktop, run.main, os.path.join(shots, "status-line.png"))
    run.key("ctrl+b")
    run.key("ctrl+q")
    run.answer(SMALL_TITLE, "Return")
    run.answer(ABOUT_TITLE, "Return")
    wait_for("the program to end", lambda: run.process.poll() is not None)
    check(run.process.returncode == 0, "the program ended with %d" % run.process.returncode)

    rows = run.rows()
    expected = [(str(DEAL), "given-up", "0", "1", "0", "0", "en", "1"),
                (str(DEAL), "given-up", "0", "2", "1", "1", "en", "1"),
                (str(DEAL), "quit", "0", "1", "0", "0", "en", "1")]
    check(rows == expected, "the record holds %s, played %s" % (rows, expected))
    check(run.schema_version() == "1", "the schema version is %r" % run.schema_version())


def shot(desktop, window, path):
    x, y, width, height = desktop.outer_rect(window)
    subprocess.run(["/usr/bin/import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage",
                    path], env=desktop.env, timeout=60, check=True)


def main():
    global PROGRAM
    if len(sys.argv) not in (2, 3):
        print(__doc__)
        return 2
    PROGRAM = os.path.abspath(sys.argv[1])
    shots = os.path.abspath(sys.argv[2]) if len(sys.argv) == 3 else None
    lacking = missing_tools(TOOLS)
    if lacking is not None:
        return lacking
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    desktop = Desktop()
    folder = tempfile.mkdtemp(prefix="tvdl-e2e-record-")
    try:
        desktop.start()
        play_and_replay(desktop, folder, shots)
        print("deals given up, replayed from the history and quit, read back with sqlite3: passed")
    except Failure as failure:
        desktop.report_failure(failure, folder)
        return 1
    finally:
        desktop.stop()
    shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
