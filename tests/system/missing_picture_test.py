#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the game with a data folder that lacks its backdrop picture: the
game window must never show; one message box captioned VANTIK names the
missing file, standard error names it too, and after OK the program ends
with a non-zero status."""

import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import (APP_TITLE, WINDOW_CAPTION, AccessibleGame, GameSession, check, run_test,
                         standard_arguments, wait_for)

PICTURE = "vuraviv.bmp"


def dat_without_picture(dat, folder):
    """A copy of the data folder, as links, with every file but the picture."""
    partial = os.path.join(folder, "dat")
    os.makedirs(partial)
    for name in os.listdir(dat):
        if name != PICTURE:
            os.symlink(os.path.join(os.path.abspath(dat), name), os.path.join(partial, name))
    return partial


def start_without_picture(args):
    with tempfile.TemporaryDirectory(prefix="vantik-nopicture-") as folder:
        dat = dat_without_picture(args.dat, folder)
        with GameSession(args.program, dat, accessibility=True) as session:
            accessible = AccessibleGame(session)

            def one_box():
                session.check_running()
                check(not session.shown_top_levels(WINDOW_CAPTION), "the game window was shown")
                dialogs = accessible.dialogs(APP_TITLE)
                return dialogs[0] if len(session.shown_top_levels(APP_TITLE)) == 1 and dialogs else None

            _, labels, buttons = wait_for("the message box", one_box)
            check(any(PICTURE in label for label in labels), "the box says %s" % labels)
            check([name for name, _, _ in buttons] == ["OK"], "the box offers %s" % buttons)
            time.sleep(0.5)
            check(len(session.shown_top_levels(APP_TITLE)) == 1, "more than one message box")
            _, x, y = buttons[0]
            session.click(x, y)
            status = session.wait_for_exit()
            check(status != 0, "the program ended with status 0 although it could not start")
            check(PICTURE in session.game_output(),
                  "standard error does not name the file:\n%s" % session.game_output())


if __name__ == "__main__":
    parser = standard_arguments(__doc__)
    args = parser.parse_args()
    run_test(lambda: start_without_picture(args))
