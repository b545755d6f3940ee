"""A private X desktop for end-to-end tests: Xvfb on a free display with openbox, and what a
player's eyes and hands need there: windows by title, their frames and hints, pixels, pointer and
keys. Everything is read from the X server, never from the program under test."""

import ctypes
import os
import select
import signal
import subprocess
import tempfile
import time

DEFAULT_TIMEOUT = 60.0


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=DEFAULT_TIMEOUT, step=0.05):
    """Polls `probe` until it gives something true and returns that; fails after `timeout`."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(step)


def _die_with_parent():
    # A test runner that kills this script outright must not leave the X server behind.
    try:
        ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
    except OSError:
        pass


class Desktop:
    WIDTH = 1280
    HEIGHT = 1024

    def __init__(self):
        self.processes = []
        self.folder = tempfile.TemporaryDirectory(prefix="tvdl-e2e-")
        self.env = dict(os.environ)

    # --- start and stop -------------------------------------------------------------------

    def start(self):
        read_end, write_end = os.pipe()
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (self.WIDTH, self.HEIGHT),
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=_die_with_parent)
        self.processes.append(server)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + DEFAULT_TIMEOUT
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                raise Failure("Xvfb did not report its display")
            number += chunk
        os.close(read_end)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        # openbox and the program get folders of their own, away from the user's settings.
        for name in ("config", "runtime"):
            os.makedirs(os.path.join(self.folder.name, name), mode=0o700)
        self.env["XDG_RUNTIME_DIR"] = os.path.join(self.folder.name, "runtime")
        manager_env = dict(self.env, XDG_CONFIG_HOME=os.path.join(self.folder.name, "config"))
        self.processes.append(subprocess.Popen(["openbox", "--sm-disable"], env=manager_env,
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                               preexec_fn=_die_with_parent))
        wait_for("openbox to manage the screen",
                 lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.processes.clear()
        self.folder.cleanup()

    def spawn(self, arguments, extra_env, log_path):
        log = open(log_path, "wb")
        process = subprocess.Popen(arguments, env=dict(self.env, **extra_env), stdout=log, stderr=log,
                                   preexec_fn=_die_with_parent)
        log.close()
        self.processes.append(process)
        return process

    # --- reading the screen ---------------------------------------------------------------

    def run(self, *command):
        result = subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=DEFAULT_TIMEOUT)
        return result.stdout

    def windows(self, title):
        """Ids of the mapped windows with exactly this title."""
        pattern = "^" + "".join("\\" + c if c in ".[]{}()*+?^$|\\" else c for c in title) + "$"
        return [int(line) for line in self.run("xdotool", "search", "--onlyvisible", "--name", pattern).split()]

    def framed_window(self, title, timeout=DEFAULT_TIMEOUT):
        """The one mapped window with this title, once the window manager has framed it."""
        def probe():
            ids = self.windows(title)
            return ids[0] if len(ids) == 1 and self.frame(ids[0]) is not None else None
        return wait_for("the window %r" % title, probe, timeout)

    def client_rect(self, window):
        values = {}
        for line in self.run("xwininfo", "-id", str(window)).splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def frame(self, window):
        """(left, right, top, bottom) of the frame, or None before the window manager set it."""
        text = self.run("xprop", "-id", str(window), "-notype", "_NET_FRAME_EXTENTS")
        if "=" not in text:
            return None
        return tuple(int(item) for item in text.split("=", 1)[1].split(","))

    def outer_rect(self, window):
        x, y, width, height = self.client_rect(window)
        left, right, top, bottom = self.frame(window)
        return (x - left, y - top, width + left + right, height + top + bottom)

    def atoms(self, window, name):
        text = self.run("xprop", "-id", str(window), "-notype", name)
        return [item.strip() for item in text.split("=", 1)[1].split(",")] if "=" in text else []

    def active_window(self):
        text = self.run("xdotool", "getactivewindow").strip()
        return int(text) if text.isdigit() else None

    def wait_active(self, window):
        wait_for("window %d to become active" % window, lambda: self.active_window() == window)

    def pixels(self, rect):
        """The pixels of a screen rectangle (x, y, width, height) as rows of (r, g, b)."""
        x, y, width, height = rect
        raw = subprocess.run(["/usr/bin/import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, x, y),
                              "+repage", "-depth", "8", "rgb:-"],
                             env=self.env, capture_output=True, timeout=DEFAULT_TIMEOUT).stdout
        if len(raw) != width * height * 3:
            raise Failure("screen capture gave %d bytes for %dx%d" % (len(raw), width, height))
        return [[tuple(raw[(row * width + column) * 3:(row * width + column) * 3 + 3]) for column in range(width)]
                for row in range(height)]

    def save_screen(self, path):
        subprocess.run(["/usr/bin/import", "-window", "root", path], env=self.env, timeout=DEFAULT_TIMEOUT)

    def report_failure(self, failure, folder):
        """Says what failed, with the screen as it was left and where the program's logs are."""
        shot = os.path.join(folder, "failure.png")
        if "DISPLAY" in self.env:
            self.save_screen(shot)
        print("FAILED: %s\n(screen: %s, program logs in %s)" % (failure, shot, folder))

    # --- the player's hands ---------------------------------------------------------------

    def click(self, window, x, y, button=1):
        """A click at client coordinates of `window`."""
        left, top, _, _ = self.client_rect(window)
        self.run("xdotool", "mousemove", "--sync", str(left + x), str(top + y), "click", str(button))

    def key(self, name):
        self.run("xdotool", "key", "--clearmodifiers", name)

    def move_window(self, window, x, y):
        """Moves the window's outer corner, as dragging its title bar would."""
        self.run("xdotool", "windowmove", str(window), str(x), str(y))
