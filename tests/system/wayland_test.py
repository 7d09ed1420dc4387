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
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import (APP_TITLE, CLIENT_HEIGHT, CLIENT_WIDTH, WINDOW_CAPTION, AccessibleGame, GameSession,
                         check, run_test, standard_arguments, wait_for)

# Not a valid save: its check code cannot match (see damaged_save_test.py).
DAMAGED_SAVE = random.Random(20240607).randbytes(100)
DAMAGED_TEXT = "（save.datの内容が不適切です。）"
PROMPT = "あなたが落としたのはこのステータスですか？"
INTRO_FIRST_CHOICE = "≫"


def platform_plugins(pid):
    """The names of the Qt platform plugins a process has loaded."""
    with open("/proc/%d/maps" % pid) as maps:
        return {os.path.basename(line.split()[-1]) for line in maps if "/platforms/" in line}


def play_on_wayland(program, dat):
    """Plays what Wayland lets a test play; see the module's description."""
    with GameSession(program, dat, save_bytes=DAMAGED_SAVE, accessibility=True, wayland=True) as session:
        accessible = AccessibleGame(session, timeout=30.0)
        boxes = wait_for("the damaged save's message box", lambda: accessible.windows(APP_TITLE))
        check(len(boxes) == 1, "%d message boxes are shown" % len(boxes))
        shown = accessible.controls_in(boxes[0])
        labels = [c.name for c in shown if c.role == "label"]
        buttons = [c for c in shown if c.role == "button"]
        check(DAMAGED_TEXT in labels, "the box says %s, not %s" % (labels, DAMAGED_TEXT))
        check([c.name for c in buttons] == ["OK"], "the box offers %s" % buttons)

        plugins = platform_plugins(session.game.pid)
        check(any(plugin.startswith("libqwayland") for plugin in plugins) and "libqxcb.so" not in plugins,
              "the game runs on the platform plugins %s, not Wayland's" % sorted(plugins))

        accessible.press(buttons[0].node)
        wait_for("the message box to close", lambda: not accessible.windows(APP_TITLE))
        windows = wait_for("the game window", lambda: accessible.windows(WINDOW_CAPTION))
        check(len(windows) == 1, "%d windows are captioned %s" % (len(windows), WINDOW_CAPTION))
        window = windows[0]
        size = window.get_size()
        check((size.x, size.y) == (CLIENT_WIDTH, CLIENT_HEIGHT),
              "the window is %dx%d, not %dx%d" % (size.x, size.y, CLIENT_WIDTH, CLIENT_HEIGHT))
        shown = accessible.controls_in(window)
        check(not shown, "the title page shows controls of the main page: %s" % shown)

        # The status pick, played through accessible actions alone.
        title = accessible.find(window, accessible.Atspi.Role.IMAGE)
        check(title is not None, "the title page offers no picture to press")
        accessible.press(title)

        def choices(expected):
            def probe():
                found = {c.name: c.node for c in accessible.controls_in(window) if c.role == "button"}
                return found if expected(found) else None
            return probe
        buttons = wait_for("the status pick's choices", choices(lambda b: set(b) == {"noar", "yest"}))
        labels = [c.name for c in accessible.controls_in(window) if c.role == "label"]
        check(PROMPT in labels, "the status pick asks %s" % labels)
        accessible.press(buttons["noar"])
        buttons = wait_for("the choices after noar", choices(lambda b: set(b) == {"noar", "yest"}))
        accessible.press(buttons["yest"])
        wait_for("the intro after yest", choices(lambda b: INTRO_FIRST_CHOICE in b))
        session.check_running()

        session.game.send_signal(signal.SIGTERM)
        status = session.wait_for_exit(timeout=10)
        check(status == 0, "asked to end, the game ended with status %d" % status)


if __name__ == "__main__":
    arguments = standard_arguments(__doc__).parse_args()
    run_test(lambda: play_on_wayland(arguments.program, arguments.dat))
