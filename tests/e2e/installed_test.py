#!/usr/bin/env python3
"""Starts an installed game on a private X desktop with openbox, as a player who has chosen a
language before: answers the about box, presses Help and waits for the help viewer, a process of
its own, to show the help file, then quits the game and checks that the viewer went with it.

Usage: installed_test.py PATH_TO_TVDL [SCREENSHOT.png]. Run by .ci/run on the installed package."""

import os
import shutil
import signal
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop_test  # noqa: E402
from desktop import Desktop, Failure, wait_for  # noqa: E402

# The help file's own title, which the viewer shows once it has read the file.
HELP_TITLE = "Torvik Vandrel 1.5"
HELP_BUTTON = (630, 18)


def window_pid(desktop, window):
    text = desktop.run("xprop", "-id", str(window), "-notype", "_NET_WM_PID")
    return int(text.split("=", 1)[1]) if "=" in text else None


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__)
        return 2
    desktop_test.PROGRAM = os.path.abspath(sys.argv[1])
    missing = [tool for tool in desktop_test.TOOLS if shutil.which(tool) is None]
    if missing:
        print("missing: " + " ".join(missing))
        return 1
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    desktop = Desktop()
    folder = tempfile.mkdtemp(prefix="tvdl-installed-")
    config = os.path.join(folder, "config")
    os.makedirs(os.path.join(config, "TorvikGames"))
    with open(os.path.join(config, "TorvikGames", "TorvikVandrel.conf"), "w", encoding="utf-8") as store:
        store.write("[V1]\ncommon\\tongue=0\n")
    try:
        desktop.start()
        game = desktop_test.Game(desktop, config, os.path.join(folder, "game.log"))
        game.answer(game.dialog(desktop_test.ABOUT_TITLE), "Return")
        desktop.click(game.main, *HELP_BUTTON)
        viewer = desktop.framed_window(HELP_TITLE)
        pid = window_pid(desktop, viewer)
        if pid is None or pid == game.process.pid:
            raise Failure("the window %r is not the help viewer's own (pid %s, the game's %d)"
                          % (HELP_TITLE, pid, game.process.pid))
        x, y, width, height = desktop.client_rect(viewer)
        print("help viewer: %s, %dx%d at %d,%d" % (os.readlink("/proc/%d/exe" % pid), width, height, x, y))
        if len(sys.argv) == 3:
            desktop.save_screen(sys.argv[2])
        # The viewer has the focus; the player goes back to the game to quit it.
        desktop.run("xdotool", "windowactivate", "--sync", str(game.main))
        game.quit(via_close_box=True)
        wait_for("the help viewer to close with the game", lambda: not desktop.windows(HELP_TITLE), 10)
    except Failure as failure:
        desktop.report_failure(failure, folder)
        return 1
    finally:
        desktop.stop()
    shutil.rmtree(folder, ignore_errors=True)
    print("installed game: the help opened and closed with the game")
    return 0


if __name__ == "__main__":
    sys.exit(main())
