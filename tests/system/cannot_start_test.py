#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the program as the launcher does when it cannot prepare the
player's folder: the game window must never show; one message box captioned
VANTIK gives the launcher's reason, and after OK the program ends with a
non-zero status."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import GameSession, answer_error_box, check, run_test, standard_arguments

# Words of a reason as the launcher gives them, with a Japanese folder name.
REASON = "cannot make the data folder: mkdir: cannot create directory '/srv/ゲーム': Permission denied"


def start_with_reason(args):
    with GameSession(args.program, args.dat, accessibility=True,
                     arguments=["--cannot-start", REASON]) as session:
        status = answer_error_box(session, REASON)
        check(status == 1, "the program ended with status %d, not 1" % status)
        check(not os.path.exists(os.path.join(session.workdir, "vantik.lock")),
              "the program took the folder although it did not start")


if __name__ == "__main__":
    parser = standard_arguments(__doc__)
    args = parser.parse_args()
    run_test(lambda: start_with_reason(args))
