#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the game with Qt's Wayland platform under a headless Weston, with
no X server to fall back on, and checks it through AT-SPI: it runs on the
Wayland platform, its window shows under its caption at its fixed size, and
the title page shows none of the main page's controls. Headless Weston has
no seat, so nothing can click or type: the game is played through the
accessibility interface alone. Started over a damaged save, the game must say
so in one box; its OK, the title picture, "noar" and "yest" are pressed
through AT-SPI, and asked to end as a session's end asks (SIGTERM), the game
closes with status 0."""

import os
import random
import signal
import shutil
import subprocess
import sys
import tempfile
import warnings

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import (APP_TITLE, CLIENT_HEIGHT, CLIENT_WIDTH, WINDOW_CAPTION, TestFailure, check,
                         end_group, run_test, spawn, standard_arguments, wait_for)

SOCKET = "wayland-vantik"
# Not a valid save: its check code cannot match (see damaged_save_test.py).
DAMAGED_SAVE = random.Random(20240607).randbytes(100)
DAMAGED_TEXT = "（save.datの内容が不適切です。）"
PROMPT = "あなたが落としたのはこのステータスですか？"
INTRO_FIRST_CHOICE = "≫"


class WaylandSession:
    """A headless Weston, a session bus with the accessibility bus behind it,
    and the game on them, each in a process group of its own."""

    def __init__(self, program, dat, save_bytes=None):
        self.folder = tempfile.mkdtemp(prefix="vantik-wayland-")
        self.processes = []
        self.game = None
        try:
            self._start(program, dat, save_bytes)
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, failure_type, failure, trace):
        if failure_type is not None and self.game is not None:
            print("The game's output:\n" + self.game_output(), file=sys.stderr)
            print("Weston's log:\n" + self._read("weston.log"), file=sys.stderr)
        self.close()

    def _read(self, name):
        with open(os.path.join(self.folder, name), "rb") as log:
            return log.read().decode(errors="replace")

    def _start(self, program, dat, save_bytes):
        self.workdir = os.path.join(self.folder, "work")
        os.makedirs(self.workdir)
        # An installed game's launcher finds its data itself and runs in the
        # player's folder, where its save is kept.
        saves = os.path.join(self.folder, ".local", "share", "vantik")
        if dat is not None:
            os.symlink(os.path.abspath(dat), os.path.join(self.workdir, "dat"))
            saves = self.workdir
        if save_bytes is not None:
            os.makedirs(saves, exist_ok=True)
            with open(os.path.join(saves, "save.dat"), "wb") as out:
                out.write(save_bytes)
        runtime = os.path.join(self.folder, "runtime")
        os.makedirs(runtime, mode=0o700)
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=self.folder)
        for inherited in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_ACCESSIBILITY",
                          "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "XDG_DATA_HOME"):
            env.pop(inherited, None)
        env["PULSE_SERVER"] = "unix:" + os.path.join(self.folder, "no-sound-server")

        weston_log = open(os.path.join(self.folder, "weston.log"), "wb")
        weston = spawn(["weston", "--backend=headless-backend.so", "--socket=" + SOCKET,
                        "--idle-time=0", "--width=1024", "--height=768"],
                       env=env, stdout=weston_log, stderr=subprocess.STDOUT)
        weston_log.close()
        self.processes.append(weston)

        def weston_listens():
            check(weston.poll() is None, "weston ended with status %s:\n%s"
                  % (weston.returncode, self._read("weston.log")))
            return os.path.exists(os.path.join(runtime, SOCKET))
        wait_for("weston's socket", weston_listens, timeout=20.0)

        bus = spawn(["dbus-daemon", "--session", "--nofork", "--nosyslog", "--print-address=1"],
                    env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.processes.append(bus)
        address = bus.stdout.readline().decode().strip()
        check(address, "the session bus did not start")
        env.update(DBUS_SESSION_BUS_ADDRESS=address, WAYLAND_DISPLAY=SOCKET, QT_QPA_PLATFORM="wayland",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # The AT-SPI client in this process finds the accessibility bus
        # through the same session bus as the game.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ.pop("DISPLAY", None)

        self.game_log = open(os.path.join(self.folder, "game.log"), "wb")
        self.game = spawn([os.path.abspath(program)], cwd=self.workdir, env=env,
                          stdout=self.game_log, stderr=subprocess.STDOUT)

    def close(self):
        if self.game is not None:
            end_group(self.game)
            self.game_log.close()
        for process in reversed(self.processes):
            end_group(process)
        shutil.rmtree(self.folder, ignore_errors=True)

    def game_output(self):
        self.game_log.flush()
        return self._read("game.log")

    def check_running(self):
        status = self.game.poll()
        if status is not None:
            raise TestFailure("the game ended early with status %d:\n%s" % (status, self.game_output()))

    def platform_plugins(self):
        """The names of the Qt platform plugins the game has loaded."""
        with open("/proc/%d/maps" % self.game.pid) as maps:
            return {os.path.basename(line.split()[-1]) for line in maps if "/platforms/" in line}


class AccessibleWindows:
    """The game's top-level windows as AT-SPI shows them. Positions mean
    nothing on Wayland, where a client does not know where it is shown, so
    controls are told apart by role and text."""

    def __init__(self, session):
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
        self.Atspi, self.GLib = Atspi, GLib
        self.session = session
        self.app = wait_for("the game on the accessibility bus", self._find_application, timeout=30.0,
                            interval=0.1)
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def _find_application(self):
        self.session.check_running()
        desktop = self.Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(index)
            try:
                if app is not None and app.get_process_id() == self.session.game.pid:
                    return app
            except self.GLib.Error:
                continue
        return None

    def _showing(self, node):
        return node.get_state_set().contains(self.Atspi.StateType.SHOWING)

    def windows(self, name):
        """The showing top-level windows with this name."""
        found = []
        for index in range(self.app.get_child_count()):
            child = self.app.get_child_at_index(index)
            if child is not None and child.get_name() == name and self._showing(child):
                found.append(child)
        return found

    def find_by_role(self, window, role):
        """The first showing node of this role under a window, or None."""
        for index in range(window.get_child_count()):
            child = window.get_child_at_index(index)
            if child is None or not self._showing(child):
                continue
            if child.get_role() == role:
                return child
            found = self.find_by_role(child, role)
            if found is not None:
                return found
        return None

    def controls(self, window):
        """The showing labels and push buttons in a window, as (role, text, node)."""
        roles = {self.Atspi.Role.LABEL: "label", self.Atspi.Role.PUSH_BUTTON: "button"}
        found = []

        def walk(node):
            for index in range(node.get_child_count()):
                child = node.get_child_at_index(index)
                if child is None or not self._showing(child):
                    continue
                role = roles.get(child.get_role())
                if role is not None:
                    found.append((role, child.get_name(), child))
                walk(child)
        for _ in range(20):
            try:
                found.clear()
                walk(window)
                return found
            except self.GLib.Error:
                continue
        raise TestFailure("the accessibility tree kept changing")

    def press(self, node):
        """Does a button's default action, as a screen reader's user would."""
        with warnings.catch_warnings():
            # Debian 12's typelib marks this deprecated for a successor it lacks.
            warnings.simplefilter("ignore", DeprecationWarning)
            names = [node.get_action_name(index) for index in range(node.get_n_actions())]
        check("Press" in names, "%r offers the actions %s, not Press" % (node.get_name(), names))
        node.do_action(names.index("Press"))


def play_on_wayland(program, dat):
    """Plays what Wayland lets a test play; see the module's description."""
    with WaylandSession(program, dat, save_bytes=DAMAGED_SAVE) as session:
        accessible = AccessibleWindows(session)
        boxes = wait_for("the damaged save's message box", lambda: accessible.windows(APP_TITLE))
        check(len(boxes) == 1, "%d message boxes are shown" % len(boxes))
        shown = accessible.controls(boxes[0])
        labels = [text for role, text, _ in shown if role == "label"]
        buttons = [(text, node) for role, text, node in shown if role == "button"]
        check(DAMAGED_TEXT in labels, "the box says %s, not %s" % (labels, DAMAGED_TEXT))
        check([text for text, _ in buttons] == ["OK"], "the box offers %s" % [b[0] for b in buttons])

        plugins = session.platform_plugins()
        check(any(plugin.startswith("libqwayland") for plugin in plugins) and "libqxcb.so" not in plugins,
              "the game runs on the platform plugins %s, not Wayland's" % sorted(plugins))

        accessible.press(buttons[0][1])
        wait_for("the message box to close", lambda: not accessible.windows(APP_TITLE))
        windows = wait_for("the game window", lambda: accessible.windows(WINDOW_CAPTION))
        check(len(windows) == 1, "%d windows are captioned %s" % (len(windows), WINDOW_CAPTION))
        size = windows[0].get_size()
        check((size.x, size.y) == (CLIENT_WIDTH, CLIENT_HEIGHT),
              "the window is %dx%d, not %dx%d" % (size.x, size.y, CLIENT_WIDTH, CLIENT_HEIGHT))
        shown = accessible.controls(windows[0])
        check(not shown, "the title page shows controls of the main page: %s" % shown)

        # The status pick, played through accessible actions alone.
        title = accessible.find_by_role(windows[0], accessible.Atspi.Role.IMAGE)
        check(title is not None, "the title page offers no picture to press")
        accessible.press(title)

        def choices(expected):
            def probe():
                found = {text: node for role, text, node in accessible.controls(windows[0])
                         if role == "button"}
                return found if expected(found) else None
            return probe
        buttons = wait_for("the status pick's choices", choices(lambda b: set(b) == {"noar", "yest"}))
        labels = [text for role, text, _ in accessible.controls(windows[0]) if role == "label"]
        check(PROMPT in labels, "the status pick asks %s" % labels)
        accessible.press(buttons["noar"])
        buttons = wait_for("the choices after noar", choices(lambda b: set(b) == {"noar", "yest"}))
        accessible.press(buttons["yest"])
        wait_for("the intro after yest", choices(lambda b: INTRO_FIRST_CHOICE in b))
        session.check_running()

        session.game.send_signal(signal.SIGTERM)
        status = session.game.wait(timeout=10)
        check(status == 0, "asked to end, the game ended with status %d" % status)


if __name__ == "__main__":
    arguments = standard_arguments(__doc__).parse_args()
    run_test(lambda: play_on_wayland(arguments.program, arguments.dat))
