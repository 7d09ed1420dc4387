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

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import GameSession, answer_error_box, check, run_test, standard_arguments

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
            status = answer_error_box(session, PICTURE)
            check(status != 0, "the program ended with status 0 although it could not start")
            check(PICTURE in session.game_output(),
                  "standard error does not name the file:\n%s" % session.game_output())


if __name__ == "__main__":
    parser = standard_arguments(__doc__)
    args = parser.parse_args()
    run_test(lambda: start_without_picture(args))
