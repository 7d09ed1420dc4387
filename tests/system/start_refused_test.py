#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the program where it cannot start: with a data folder that lacks
its backdrop picture, or as the launcher does when it cannot prepare the
player's folder. The game window must never show; one message box captioned
VANTIK gives the reason (the missing file, also on standard error, or the
launcher's words), and after OK the program ends with a failure status; told
by the launcher, with status 1 and without having taken the folder."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import GameSession, answer_error_box, check, run_test, standard_arguments

PICTURE = "vuraviv.bmp"
# Words of a reason as the launcher gives them, with a Japanese folder name.
REASON = "cannot make the data folder: mkdir: cannot create directory '/srv/ゲーム': Permission denied"


def dat_without_picture(dat, folder):
    """A copy of the data folder, as links, with every file but the picture."""
    partial = os.path.join(folder, "dat")
    os.makedirs(partial)
    for name in os.listdir(dat):
        if name != PICTURE:
            os.symlink(os.path.join(os.path.abspath(dat), name), os.path.join(partial, name))
    return partial


def start_refused(args):
    with tempfile.TemporaryDirectory(prefix="vantik-refused-") as folder:
        if args.case == "missing-picture":
            dat, arguments, reason = dat_without_picture(args.dat, folder), (), PICTURE
        else:
            dat, arguments, reason = args.dat, ("--cannot-start", REASON), REASON
        with GameSession(args.program, dat, accessibility=True, arguments=arguments) as session:
            status = answer_error_box(session, reason)
            if arguments:
                check(status == 1, "the program ended with status %d, not 1" % status)
                check(not os.path.exists(os.path.join(session.workdir, "vantik.lock")),
                      "the program took the folder although it did not start")
            else:
                check(status != 0, "the program ended with status 0 although it could not start")
                check(PICTURE in session.game_output(),
                      "standard error does not name the file:\n%s" % session.game_output())


if __name__ == "__main__":
    parser = standard_arguments(__doc__)
    parser.add_argument("--case", choices=("missing-picture", "cannot-start"), required=True)
    args = parser.parse_args()
    run_test(lambda: start_refused(args))
