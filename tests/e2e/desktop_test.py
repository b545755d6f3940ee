#!/usr/bin/env python3
"""Plays the real program on a private X desktop with openbox, as a player would: the first start
with its dialogs, a whole deal won through the window, a deal given up, quitting, and restarts
that bring the window back where the player left it. Positions, frames, hints and pixels are read
from the X server; the store is read from the file the program leaves.

Usage: desktop_test.py PATH_TO_TVDL. Exits 77 (skipped) when Xvfb, openbox or xdotool is missing,
unless TVDL_CI or CI is set, where missing tools are a failure."""

import os
import re
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

SKIPPED = 77
TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "/usr/bin/import")

MAIN_TITLE = "Torvik Vandrel 1.5 - Freeware"
TONGUE_TITLE = "Torvik Vandrel 1.5"
ABOUT_TITLE = "Torvik Bytes - Freeware-Info"
SMALL_TITLE = "Torvik Vandrel"  # give-up, quit and won dialogs
CLIENT_WIDTH, CLIENT_HEIGHT = 683, 342
# A dialog takes no clicks or keys this long after it shows (seconds), and a little more for the
# way from the program to the screen.
INPUT_GUARD = 0.3 + 0.1
DIALOG_CLIENT = {TONGUE_TITLE: (320, 91), ABOUT_TITLE: (385, 473), SMALL_TITLE: (261, 103)}

# A deal the search below wins without reshuffling; a later one is taken if it ever stops being so.
WINNABLE_DEAL = 86
BACKGROUND = (0, 128, 0)
LIME, RED = (0, 255, 0), (255, 0, 0)
NEW_BUTTON, RESET_BUTTON, EXIT_BUTTON = (18, 18), (50, 18), (194, 18)
GAUGE = (328, 8, 89, 17)


def trunc_div(a, b):
    return int(a / b)


def rule_corner(main_outer, dialog_outer_size):
    """Where the placement rule puts a dialog's outer corner over the main window."""
    x, y, width, height = main_outer
    dialog_width, dialog_height = dialog_outer_size
    return (x + trunc_div(width - dialog_width, 2), y + height - trunc_div(CLIENT_HEIGHT + dialog_height, 2))


def place_centre(index):
    column, row = index % deal_solver.COLUMNS, index // deal_solver.COLUMNS
    return column * 48 + 8 + 21, row * 70 + 47 + 30


class Game:
    """One run of the program with its store folder."""

    def __init__(self, desktop, config_home, log_path, arguments=()):
        self.desktop = desktop
        self.config_home = config_home
        env = {"XDG_CONFIG_HOME": config_home, "XDG_DATA_HOME": os.path.join(config_home, "data"),
               "QT_QPA_PLATFORM": "xcb",
               # Strict string checks trip over the X keyboard library's own strndup calls.
               "ASAN_OPTIONS": os.environ.get("ASAN_OPTIONS", "") + ":strict_string_checks=0"}
        self.process = desktop.spawn([PROGRAM, *arguments], env, log_path)
        self.log_path = log_path
        self.main = wait_for("the main window", self.main_window)
        self.first_main_outer = desktop.outer_rect(self.main)

    def main_window(self):
        if self.process.poll() is not None:
            raise Failure("the program ended with %d at its start; see %s" % (self.process.returncode, self.log_path))
        ids = self.desktop.windows(MAIN_TITLE)
        return ids[0] if len(ids) == 1 and self.desktop.frame(ids[0]) is not None else None

    def store(self):
        path = os.path.join(self.config_home, "TorvikGames", "TorvikVandrel.conf")
        values = {}
        section = ""
        with open(path, encoding="utf-8") as file:
            for line in file:
                line = line.strip()
                if line.startswith("[") and line.endswith("]"):
                    section = line[1:-1] + "/"
                    continue
                key, sep, value = line.partition("=")
                if sep:
                    values[section + key.replace("\\", "/")] = value.strip('"')
        return values

    def wait_exit(self):
        wait_for("the program to end", lambda: self.process.poll() is not None)
        if self.process.returncode != 0:
            raise Failure("the program ended with %d; see %s" % (self.process.returncode, self.log_path))

    # --- dialogs --------------------------------------------------------------------------

    def dialog(self, title, report=None, name=None):
        """Waits for a dialog, checks it is placed by the rule from its first mapped moment on, and
        returns its window once it is active."""
        desktop = self.desktop
        window = desktop.framed_window(title)
        first = desktop.outer_rect(window)
        desktop.wait_active(window)
        settled = desktop.outer_rect(window)
        main_outer = desktop.outer_rect(self.main)
        client = DIALOG_CLIENT[title]
        expected = rule_corner(main_outer, (first[2], first[3]))
        check(desktop.client_rect(window)[2:] == client and first[2] > client[0] and first[3] > client[1],
              "%s is not a framed %dx%d client: %s" % (title, client[0], client[1], first))
        check(first[:2] == expected, "%s first mapped at %s, the rule gives %s" % (title, first[:2], expected))
        check(settled == first, "%s jumped from %s to %s after mapping" % (title, first, settled))
        if report is not None:
            report.append("%s: outer %d,%d %dx%d; rule %d,%d" % (name or title, *first, *expected))
        check_dialog_hints(desktop, window, title)
        return window

    def answer(self, window, key):
        time.sleep(INPUT_GUARD)
        self.desktop.key(key)
        wait_for("the dialog to close", lambda: window not in self.desktop.windows(self.title_of(window)))

    def title_of(self, window):
        return self.desktop.run("xdotool", "getwindowname", str(window)).strip()

    def quit(self, via_close_box):
        """Quits through the quit confirmation and the about box that follows."""
        if via_close_box:
            self.desktop.wait_active(self.main)
            self.desktop.key("alt+F4")
        else:
            self.desktop.click(self.main, *EXIT_BUTTON)
        confirm = self.dialog(SMALL_TITLE)
        self.answer(confirm, "Return")
        about = self.dialog(ABOUT_TITLE)
        self.answer(about, "Return")
        self.wait_exit()

    # --- the board through pixels ---------------------------------------------------------

    def board_pattern(self):
        """For each of the 56 places, whether a card is drawn there (False for a gap)."""
        x, y, _, _ = self.desktop.client_rect(self.main)
        picture = self.desktop.pixels((x, y, CLIENT_WIDTH, CLIENT_HEIGHT))
        pattern = []
        for index in range(deal_solver.ROWS * deal_solver.COLUMNS):
            cx, cy = place_centre(index)
            samples = [picture[cy + dy][cx + dx] for dx in (-18, 0, 18) for dy in (-27, 0, 27)]
            pattern.append(any(sample != BACKGROUND for sample in samples))
        return pattern

    def wait_board(self, cells, what):
        wanted = [cell != deal_solver.GAP for cell in cells]
        wait_for(what, lambda: self.board_pattern() == wanted)

    def gauge_at(self, percent_point):
        x, y, _, _ = self.desktop.client_rect(self.main)
        gx, gy, gw, gh = GAUGE
        return self.desktop.pixels((x + gx + percent_point * gw // 100, y + gy + gh // 2, 1, 1))[0][0]

    def play(self, source, target):
        self.desktop.click(self.main, *place_centre(source))
        self.desktop.click(self.main, *place_centre(target))


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_dialog_hints(desktop, window, title):
    actions = desktop.atoms(window, "_NET_WM_ALLOWED_ACTIONS")
    check("_NET_WM_ACTION_CLOSE" in actions, "%s cannot be closed: %s" % (title, actions))
    for banned in ("_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"):
        check(banned not in actions, "%s allows %s" % (title, banned))
    motif = [int(item, 16) for item in desktop.atoms(window, "_MOTIF_WM_HINTS")]
    # Functions and decorations: a close box only, no minimise or maximise.
    check(len(motif) >= 3 and motif[1] & 0x20 and not motif[1] & 0x18 and not motif[2] & 0x60,
          "%s has the hints %s" % (title, motif))


def check_main_hints(desktop, window):
    actions = desktop.atoms(window, "_NET_WM_ALLOWED_ACTIONS")
    for wanted in ("_NET_WM_ACTION_CLOSE", "_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MOVE"):
        check(wanted in actions, "the main window lacks %s: %s" % (wanted, actions))
    for banned in ("_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"):
        check(banned not in actions, "the main window allows %s" % banned)
    motif = [int(item, 16) for item in desktop.atoms(window, "_MOTIF_WM_HINTS")]
    check(len(motif) >= 3 and motif[1] & 0x28 == 0x28 and not motif[1] & 0x10 and not motif[2] & 0x40,
          "the main window has the hints %s" % motif)


def find_winnable_deal():
    for deal in range(WINNABLE_DEAL, WINNABLE_DEAL + 200):
        text = subprocess.run([PROGRAM, "--print-deal", str(deal)], capture_output=True, text=True,
                              timeout=60).stdout
        cells = deal_solver.parse_board(text)
        line = deal_solver.solve(PROGRAM, deal, cells)
        if line is not None:
            return deal, cells, line
    raise Failure("no deal near %d is won without reshuffling" % WINNABLE_DEAL)


# --- the cases -------------------------------------------------------------------------------

def first_start_win_and_give_up(desktop, folder, report):
    """A first start from an empty store, a deal won, a deal given up, the window moved, quit."""
    deal, cells, line = find_winnable_deal()
    config = os.path.join(folder, "store")
    game = Game(desktop, config, os.path.join(folder, "first.log"), ["--deal", str(deal)])
    check(game.first_main_outer[:2] == (269, 375),
          "the main window first came up at %s, designed 269,375" % (game.first_main_outer[:2],))
    check(game.first_main_outer[2:] == (CLIENT_WIDTH + 2, CLIENT_HEIGHT + 21),
          "the main window's outer size is %s" % (game.first_main_outer[2:],))
    check_main_hints(desktop, game.main)

    # The language question, then the about box, each where the rule puts it at its first showing.
    tongue = game.dialog(TONGUE_TITLE, report, "language dialog")
    game.answer(tongue, "Return")
    about = game.dialog(ABOUT_TITLE, report, "about box")
    game.answer(about, "Return")
    check(game.board_pattern() == [False] * 56, "the board is not empty before the first deal")

    # The quit confirmation's first showing, answered No: the program goes on.
    desktop.click(game.main, *EXIT_BUTTON)
    confirm = game.dialog(SMALL_TITLE, report, "quit confirmation")
    game.answer(confirm, "Escape")
    check(game.process.poll() is None and desktop.windows(MAIN_TITLE) == [game.main], "No quit the program")

    # A whole deal won through the window.
    desktop.click(game.main, *NEW_BUTTON)
    game.wait_board(cells, "deal %d on the board" % deal)
    state = list(cells)
    for number, (source, target) in enumerate(line, 1):
        game.play(source, target)
        state[target], state[source] = state[source], deal_solver.GAP
        if number % 25 == 0 and number < len(line):
            game.wait_board(state, "the board after move %d of %d" % (number, len(line)))
    won = game.dialog(SMALL_TITLE, report, "won message")
    game.answer(won, "Return")
    # Counted once the message is answered, and written a moment after its window has gone.
    wait_for("the win in the store while the game runs", lambda: game.store().get("V1/common/won") == "1")
    check(game.board_pattern() == [index % 14 != 13 for index in range(56)],
          "the won board does not have its gaps in the last column")
    check(game.gauge_at(95) == LIME, "the gauge does not show one won and none lost")

    # The same deal again, one move made, then given up for a new one: a lost deal.
    desktop.click(game.main, *RESET_BUTTON)
    game.wait_board(cells, "deal %d dealt again" % deal)
    game.play(*line[0])
    state = list(cells)
    state[line[0][1]], state[line[0][0]] = state[line[0][0]], deal_solver.GAP
    game.wait_board(state, "the first move made")
    desktop.click(game.main, *NEW_BUTTON)
    give_up = game.dialog(SMALL_TITLE, report, "give-up confirmation")
    game.answer(give_up, "Return")
    wait_for("the gauge at one won and one lost", lambda: game.gauge_at(45) == LIME and game.gauge_at(55) == RED)

    # The player moves the window, then closes it with its close box.
    desktop.move_window(game.main, 150, 100)
    wait_for("the main window to move", lambda: desktop.outer_rect(game.main)[:2] == (150, 100))
    game.quit(via_close_box=True)

    stored = game.store()
    expected = {"V1/common/tongue": "0", "V1/common/sound": "1", "V1/common/back": "32768", "V1/common/frame": "0",
                "V1/Form/MainForm": "200,0,1,150,100,%d,%d" % (150 + CLIENT_WIDTH + 2, 100 + CLIENT_HEIGHT + 21)}
    for key, value in expected.items():
        check(stored.get(key) == value, "the store has %s=%r, expected %r" % (key, stored.get(key), value))
    # The all-time counters, where the store keeps them.
    for key, value in (("V1/common/won", "1"), ("V1/common/lost", "1")):
        check(stored.get(key, value) == value, "the store has %s=%r, expected %r" % (key, stored.get(key), value))
    return config


def restarts(desktop, folder, config):
    """Restarts bring the window back where it was left, frame included, as does a return from
    full screen, and keep a language number the program does not know; a SIGTERM ends the last
    one, losing nothing."""
    path = os.path.join(config, "TorvikGames", "TorvikVandrel.conf")
    with open(path, encoding="utf-8") as file:
        text = file.read()
    with open(path, "w", encoding="utf-8") as file:
        file.write(re.sub(r"common\\tongue=.*", r"common\\tongue=7", text))

    game = Game(desktop, config, os.path.join(folder, "second.log"))
    check(game.first_main_outer[:2] == (150, 100),
          "the moved window came back at %s, not 150,100" % (game.first_main_outer[:2],))
    about = game.dialog(ABOUT_TITLE)
    check(desktop.windows(TONGUE_TITLE) == [], "a known language number brought the language question")
    game.answer(about, "Return")
    check(desktop.outer_rect(game.main)[:2] == (150, 100), "the main window moved after it was shown")
    # Full screen and back (F11): the whole screen, then the window where it was, at its size.
    desktop.wait_active(game.main)
    desktop.key("F11")
    wait_for("full screen", lambda: desktop.client_rect(game.main) == (0, 0, Desktop.WIDTH, Desktop.HEIGHT))
    desktop.key("F11")
    wait_for("the window back from full screen",
             lambda: desktop.outer_rect(game.main) == (150, 100, CLIENT_WIDTH + 2, CLIENT_HEIGHT + 21), timeout=10)
    game.quit(via_close_box=False)
    check(game.store().get("V1/common/tongue") == "7", "the language number was not written back unchanged")

    # A position past the desktop's far corner: the whole frame is pulled back onto it.
    with open(path, encoding="utf-8") as file:
        text = file.read()
    with open(path, "w", encoding="utf-8") as file:
        file.write(re.sub(r"Form\\MainForm=.*", r'Form\\MainForm="200,0,1,5000,5000,0,0"', text))
    game = Game(desktop, config, os.path.join(folder, "third.log"))
    x, y, width, height = game.first_main_outer
    check((x + width, y + height) == (Desktop.WIDTH, Desktop.HEIGHT),
          "the window came back at %s, past or short of the desktop's corner" % (game.first_main_outer,))
    game.answer(game.dialog(ABOUT_TITLE), "Return")

    # A logout ends the game the orderly way, without its questions, and loses nothing.
    game.process.send_signal(signal.SIGTERM)
    game.wait_exit()
    stored = game.store()
    for key, value in (("V1/common/won", "1"), ("V1/common/lost", "1"), ("V1/common/tongue", "7")):
        check(stored.get(key) == value, "after SIGTERM the store has %s=%r, expected %r" % (key, stored.get(key), value))


def missing_tools(tools):
    """None when every tool is there; otherwise the exit code: a failure in CI, a skip elsewhere."""
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if not missing:
        return None
    print("missing: " + " ".join(missing))
    return 1 if os.environ.get("TVDL_CI") or os.environ.get("CI") else SKIPPED


def main():
    global PROGRAM
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    PROGRAM = os.path.abspath(sys.argv[1])
    lacking = missing_tools(TOOLS)
    if lacking is not None:
        return lacking

    # A runner that stops the test must still get the desktop cleaned up.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    desktop = Desktop()
    folder = tempfile.mkdtemp(prefix="tvdl-e2e-run-")
    report = []
    try:
        desktop.start()
        print("desktop on display " + desktop.env["DISPLAY"])
        config = first_start_win_and_give_up(desktop, folder, report)
        print("first start, won deal, given-up deal and quit: passed")
        restarts(desktop, folder, config)
        print("restarts: passed")
    except Failure as failure:
        desktop.report_failure(failure, folder)
        return 1
    finally:
        desktop.stop()
        print("first showings under openbox:\n  " + "\n  ".join(report))
    shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
