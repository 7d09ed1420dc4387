#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the game over a damaged save.dat on a real X server: the title page
must come up with exactly one message box that names the fault, one OK click
must dismiss it for good, and the title page must go on animating."""

import os
import random
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import numpy as np
from gamesession import (APP_TITLE, AccessibleGame, GameSession, check, colour_share, run_test,
                         standard_arguments, wait_for, wait_for_picture)

# A fixed seed: 100 random bytes whose check code could match by chance would
# make the test flaky, however unlikely.
DAMAGES = {
    "content": (random.Random(20240607).randbytes(100), "（save.datの内容が不適切です。）"),
    "short": (random.Random(20240607).randbytes(99), "（save.datの読み込みに失敗しました。）"),
}

# How long to keep watching for a message box that should not come.
QUIET_SECONDS = 2.0


def boxes(session, accessible):
    """The message boxes now shown, as X sees them and as AT-SPI sees them."""
    return session.shown_top_levels(APP_TITLE), accessible.dialogs(APP_TITLE)


def check_one_box(session, accessible, text):
    wait_for("the message box", lambda: all(boxes(session, accessible)) or None)
    # Give a second box the time to appear: boxes posted together come up together.
    time.sleep(QUIET_SECONDS / 2)
    windows, dialogs = boxes(session, accessible)
    check(len(windows) == 1, "%d windows captioned %s are shown" % (len(windows), APP_TITLE))
    check(len(dialogs) == 1, "AT-SPI shows %d dialogs named %s" % (len(dialogs), APP_TITLE))
    _, labels, buttons = dialogs[0]
    check(text in labels, "the box says %s, not %s" % (labels, text))
    check([name for name, _, _ in buttons] == ["OK"], "the box offers %s" % [b[0] for b in buttons])
    return buttons[0]


def check_no_second_box(session, accessible):
    wait_for("the message box to close", lambda: boxes(session, accessible) == ([], []))
    deadline = time.monotonic() + QUIET_SECONDS
    while time.monotonic() < deadline:
        windows, dialogs = boxes(session, accessible)
        check(not windows and not dialogs, "a second message box came up")
        time.sleep(0.1)


def check_title_runs(session, window):
    dark = wait_for_picture(session, window, "the title page",
                            lambda shown: colour_share(shown, (0, 0, 0)) > 0.6)
    wait_for("the title animation to run after the box",
             lambda: not np.array_equal(session.window_picture(window), dark))


def start_over_damage(args):
    content, text = DAMAGES[args.damage]
    with GameSession(args.program, args.dat, save_bytes=content, accessibility=True) as session:
        window = session.main_window()
        accessible = AccessibleGame(session)
        _, x, y = check_one_box(session, accessible, text)
        session.click(x, y)
        check_no_second_box(session, accessible)
        check_title_runs(session, window)
        shown = accessible.controls(window)
        check(not shown, "the main page shows through the title page: %s" % shown)
        session.request_close(window)
        status = session.wait_for_exit()
        check(status == 0, "closing the window ended the game with status %d:\n%s"
              % (status, session.game_output()))


if __name__ == "__main__":
    parser = standard_arguments(__doc__)
    parser.add_argument("--damage", choices=sorted(DAMAGES), required=True)
    arguments = parser.parse_args()
    run_test(lambda: start_over_damage(arguments))
