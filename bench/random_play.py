#!/usr/bin/env python3
"""Plays the real program at random on a private X desktop and reads its resident memory from
/proc: once the first window is settled, every so many events, and at the end, after the game has
been brought back to its own size with no dialog, no help and no full screen left.

Usage: random_play.py PATH_TO_TVDL [EVENTS] [SEED]   (defaults: 10000 events, seed 1)
The events are clicks anywhere in the active window (the main window's exit button excepted) and
the keys a player may press, quitting excepted; a help window that comes up is played in too and
closed now and then. Prints one line per reading and the growth; exits 1 when the program ended."""

import os
import random
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from desktop import Desktop, wait_for  # noqa: E402

MAIN_TITLE = "Torvik Vandrel 1.5 - Freeware"
DESIGN = (683, 342)
EXIT_BUTTON = (176, 0, 38, 38)  # x, y, width, height of the exit button, with a margin, unenlarged
KEYS = ["Left", "Right", "Up", "Down", "space", "Return", "Escape", "Tab", "ctrl+z", "ctrl+y", "ctrl+shift+z",
        "F2", "ctrl+r", "ctrl+m", "F1", "ctrl+plus", "ctrl+minus", "ctrl+0", "F11", "ctrl+comma", "ctrl+t",
        "ctrl+l", "ctrl+i", "Escape", "Return", "space"]
READ_EVERY = 1000


def rss_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def rss_parts(pid):
    """The resident memory by kind: what the first sounds and dialogs load once (library pages,
    in "file") is no growth of the program's own memory ("anon")."""
    with open("/proc/%d/status" % pid) as status:
        parts = [line.split(":", 1) for line in status if line.startswith("Rss")]
    return ", ".join("%s %.1f MB" % (name[3:].lower(), int(value.split()[0]) / 1024) for name, value in parts)


def keep_smaps(pid, suffix):
    """Where the memory lies, for a closer look: the program's mappings, into the file named by
    TVDL_RANDOM_SMAPS with the suffix."""
    if os.environ.get("TVDL_RANDOM_SMAPS"):
        with open("/proc/%d/smaps" % pid) as smaps, open(os.environ["TVDL_RANDOM_SMAPS"] + suffix, "w") as copy:
            copy.write(smaps.read())


def active(desktop):
    """(window, pid, x, y, width, height) of the active window, or None."""
    out = desktop.run("xdotool", "getactivewindow", "getwindowpid", "%1", "getwindowgeometry", "--shell", "%1")
    lines = out.split()
    if not lines or not lines[0].isdigit():
        return None
    values = dict(line.split("=", 1) for line in lines[1:] if "=" in line)
    try:
        return (int(values["WINDOW"]), int(lines[0]), int(values["X"]), int(values["Y"]),
                int(values["WIDTH"]), int(values["HEIGHT"]))
    except (KeyError, ValueError):
        return None


def close(desktop, window):
    """Closes a window as its close box does, through the window manager. (xdotool's windowclose
    destroys the window behind its program's back, which no player can do: a dialog's modal loop
    then never ends.)"""
    desktop.run("xdotool", "windowactivate", str(window))
    time.sleep(0.2)
    desktop.run("xdotool", "key", "--clearmodifiers", "alt+F4")


def one_event(desktop, rng, game_pid, main):
    window = active(desktop)
    if window is not None and window[1] != game_pid and rng.random() < 0.2:
        close(desktop, window[0])  # a help window is closed by the player
        return
    if rng.random() < 0.5 or window is None:
        desktop.run("xdotool", "key", "--clearmodifiers", rng.choice(KEYS))
        return
    wid, _, _, _, width, height = window
    x, y = rng.randrange(max(1, width)), rng.randrange(max(1, height))
    if wid == main:
        # Enlarged, or centred on the whole screen, the button is elsewhere.
        scale = max(1, min(width // DESIGN[0], height // DESIGN[1]))
        dx = (x - (width - DESIGN[0] * scale) // 2) / scale
        dy = (y - (height - DESIGN[1] * scale) // 2) / scale
        bx, by, bw, bh = EXIT_BUTTON
        if bx <= dx < bx + bw and by <= dy < by + bh:
            return
    button = "3" if rng.random() < 0.2 else "1"
    desktop.run("xdotool", "mousemove", "--window", str(wid), str(x), str(y), "click", button)


def open_boxes(desktop, game_pid, main):
    """The game's shown windows other than the main window."""
    out = desktop.run("xdotool", "search", "--onlyvisible", "--pid", str(game_pid))
    return [int(w) for w in out.split() if w.isdigit() and int(w) != main]


def settle(desktop, game_pid, main):
    """Back to the game's own size, with nothing but its main window open. A box may be open
    while the main window has the focus (the last click went there), so the game's shown windows
    are asked for, not only the active one."""
    for attempt in range(30):
        window = active(desktop)
        if window is not None and window[1] != game_pid:
            close(desktop, window[0])
        else:
            boxes = open_boxes(desktop, game_pid, main)
            if not boxes:
                break
            desktop.run("xdotool", "windowactivate", str(boxes[-1]))
            time.sleep(0.4)  # past the input guard of a dialog
            # The close box (Alt+F4) first: the about box has no Cancel, and with the focus in its
            # licence text it does not answer Return either. Keys for a box that would not close.
            desktop.run("xdotool", "key", "--clearmodifiers", ("alt+F4", "Escape", "Return")[attempt % 3])
        time.sleep(0.3)
    if "_NET_WM_STATE_FULLSCREEN" in desktop.run("xprop", "-id", str(main), "_NET_WM_STATE"):
        desktop.run("xdotool", "key", "--clearmodifiers", "F11")
        time.sleep(0.5)
    desktop.run("xdotool", "key", "--clearmodifiers", "ctrl+0")
    time.sleep(2)


def main():
    program = sys.argv[1]
    events = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    rng = random.Random(seed)
    desktop = Desktop()
    desktop.start()
    try:
        with tempfile.TemporaryDirectory(prefix="tvdl-random-") as folder:
            config = os.path.join(folder, "config")
            os.makedirs(os.path.join(config, "TorvikGames"))
            with open(os.path.join(config, "TorvikGames", "TorvikVandrel.conf"), "w") as store:
                store.write("[V1]\ncommon\\tongue=0\n")
            game = desktop.spawn([program], {"XDG_CONFIG_HOME": config, "QT_QPA_PLATFORM": "xcb"},
                                 os.path.join(folder, "game.log"))
            main_window = desktop.framed_window(MAIN_TITLE)
            time.sleep(2)
            settle(desktop, game.pid, main_window)
            start = rss_kib(game.pid)
            keep_smaps(game.pid, ".start")
            print("seed %d; at start: %.1f MB" % (seed, start / 1024), flush=True)
            print("  " + rss_parts(game.pid), flush=True)
            began = time.monotonic()
            for done in range(1, events + 1):
                one_event(desktop, rng, game.pid, main_window)
                if game.poll() is not None:
                    print("the program ended with %d after %d events" % (game.returncode, done))
                    return 1
                if done % READ_EVERY == 0:
                    print("after %d events: %.1f MB (%.0f s)" % (done, rss_kib(game.pid) / 1024,
                                                              time.monotonic() - began), flush=True)
            peak_note = ""
            with open("/proc/%d/status" % game.pid) as status:
                for line in status:
                    if line.startswith("VmHWM:"):
                        peak_note = "; peak %.1f MB" % (int(line.split()[1]) / 1024)
            settle(desktop, game.pid, main_window)
            end = rss_kib(game.pid)
            print("back at 1x with no window open: %.1f MB (%+.1f MB)%s" % (end / 1024, (end - start) / 1024,
                                                                          peak_note), flush=True)
            print("  " + rss_parts(game.pid), flush=True)
            keep_smaps(game.pid, ".end")
            game.terminate()
            game.wait(timeout=30)
    finally:
        desktop.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
