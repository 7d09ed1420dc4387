#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the game, with a valid save, over what a crash, a power cut, a full
disk or a curious player can leave in the files it opens at start-up: the
lock file, the settings, the data and the MIDI library. Within a few seconds
each start must either open on the main menu, or show one message box that
says why it cannot, and end with a failure after OK; never end without a
word, never wait for good."""

import errno
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import (MENU, AccessibleGame, GameSession, answer_error_box, check, choice_buttons, run_test,
                         standard_arguments, wait_for)

HERE = os.path.dirname(os.path.abspath(__file__))
SAVE = os.path.join(HERE, "..", "rules", "golden", "fresh.dat")
# Generous for a shared, loaded machine; a start that waits for good never gets there.
START_SECONDS = 10.0
LOCK = "vantik.lock"


def lock_holding(data):
    def prepare(work, env):
        with open(os.path.join(work, LOCK), "wb") as out:
            out.write(data)
    return prepare


def fifo_at(*parts):
    """A FIFO at a path under the game's folder, or under its settings
    folder when the first part is the settings' key."""
    def prepare(work, env):
        if parts[0] == "settings":
            env["XDG_CONFIG_HOME"] = os.path.join(os.path.dirname(work), "config")
            path = os.path.join(env["XDG_CONFIG_HOME"], *parts[1:])
        else:
            path = os.path.join(work, *parts)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        os.mkfifo(path)
    return prepare


def killed_game_on_full_disk(program, mounts):
    """The folder on a small file system of its own, with the lock of a game
    that was killed there, filled up to its last block."""
    def prepare(work, env):
        with open(os.path.join(work, "save.dat"), "rb") as saved:
            save = saved.read()
        dat = os.readlink(os.path.join(work, "dat"))
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=256k", "vantik-full", work],
                                 capture_output=True, text=True)
        check(mounted.returncode == 0, "missing on this machine: a small tmpfs mount (root): %s"
              % mounted.stderr.strip())
        mounts.append(work)
        os.symlink(dat, os.path.join(work, "dat"))
        with open(os.path.join(work, "save.dat"), "wb") as out:
            out.write(save)
        first = subprocess.Popen([program], cwd=work, env=dict(env, QT_QPA_PLATFORM="offscreen"),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            wait_for("the first game to take its folder",
                     lambda: os.path.exists(os.path.join(work, LOCK)), timeout=START_SECONDS)
            time.sleep(1.0)  # well into its start, its socket made
        finally:
            first.send_signal(signal.SIGKILL)
            first.wait()
        fd = os.open(os.path.join(work, "filler"), os.O_WRONLY | os.O_CREAT, 0o644)
        try:
            while True:
                os.write(fd, b"\0" * 4096)
        except OSError as full:
            check(full.errno == errno.ENOSPC, "filling the disk: %s" % full)
        finally:
            os.close(fd)
        check(os.statvfs(work).f_bavail == 0, "the small file system is not full")
    return prepare


def data_with_fifo(name):
    """A copy of the data folder, as links, with a FIFO in the place of name."""
    def setup(args, folder, mounts):
        partial = os.path.join(folder, "dat")
        os.makedirs(partial)
        for entry in os.listdir(args.dat):
            if entry != name:
                os.symlink(os.path.join(os.path.abspath(args.dat), entry), os.path.join(partial, entry))
        os.mkfifo(os.path.join(partial, name))
        return args.program, partial, None, name
    return setup


def program_with_fifo_library(args, folder, mounts):
    """A copy of the program with a FIFO in the place of the MIDI library beside it."""
    copy = os.path.join(folder, "bin", os.path.basename(args.program))
    os.makedirs(os.path.dirname(copy))
    shutil.copy2(args.program, copy)
    library = [name for name in os.listdir(os.path.dirname(os.path.abspath(args.program)))
               if name.startswith("GuruGuruSMF")]
    check(len(library) == 1, "no single MIDI library beside the program: %s" % library)
    os.mkfifo(os.path.join(folder, "bin", library[0]))
    return copy, args.dat, None, library[0]


def at_start(prepare):
    """A case that changes the game's folder or environment as it starts."""
    return lambda args, folder, mounts: (args.program, args.dat, prepare, None)


def opens_on_the_main_menu(session, unguarded):
    window = session.main_window(timeout=START_SECONDS)
    accessible = AccessibleGame(session)
    wait_for("the main menu of the save", lambda: choice_buttons(accessible.controls(window)) == MENU,
             timeout=START_SECONDS)
    if unguarded:
        check(LOCK in session.game_output() and "without" in session.game_output(),
              "standard error does not say the folder is played unguarded:\n%s"
              % session.game_output())
    session.request_close(window)
    status = session.wait_for_exit()
    check(status == 0, "closing the window ended the game with status %d" % status)


DAMAGE_SEED = 20261209
# case: (what to set up, what the start must show: the main menu, the menu and
# a word on the folder played unguarded, or a box that names its reason).
CASES = {
    "lock-empty": (at_start(lock_holding(b"")), "menu"),
    "lock-damaged": (at_start(lock_holding(random.Random(DAMAGE_SEED).randbytes(64))), "menu"),
    "lock-other-host": (at_start(lock_holding(b"4242\nvantik\nanother-host.example\n")), "menu"),
    "lock-folder": (at_start(lambda work, env: os.mkdir(os.path.join(work, LOCK))), "unguarded"),
    "lock-fifo": (at_start(fifo_at(LOCK)), "unguarded"),
    "lock-dangling-link":
        (at_start(lambda work, env: os.symlink("/nonexistent/vantik.lock", os.path.join(work, LOCK))),
         "unguarded"),
    "lock-killed-on-full-disk": (lambda args, folder, mounts: (
        args.program, args.dat, killed_game_on_full_disk(args.program, mounts), None), "menu"),
    "settings-fifo": (at_start(fifo_at("settings", "vantik", "vantik.conf")), "menu"),
    "icon-fifo": (data_with_fifo("vantik.png"), "menu"),
    "sound-fifo": (data_with_fifo("04b.wav"), "menu"),
    "picture-fifo": (data_with_fifo("vuraviv.bmp"), "box"),
    "midi-fifo": (program_with_fifo_library, "box"),
}


def start(args):
    mounts = []
    setup, expected = CASES[args.case]
    if args.case == "lock-damaged":
        print("seed %d" % DAMAGE_SEED, flush=True)
    with tempfile.TemporaryDirectory(prefix="vantik-start-") as folder:
        program, dat, prepare, box = setup(args, folder, mounts)
        with open(SAVE, "rb") as saved:
            save = saved.read()
        try:
            with GameSession(program, dat, save_bytes=save, accessibility=True,
                             prepare=prepare) as session:
                if expected == "box":
                    status = answer_error_box(session, box)
                    check(status != 0, "the program ended with status 0 although it could not start")
                else:
                    opens_on_the_main_menu(session, expected == "unguarded")
        finally:
            for mount in mounts:
                subprocess.run(["umount", mount], check=False)
                shutil.rmtree(os.path.dirname(mount), ignore_errors=True)

if __name__ == "__main__":
    parser = standard_arguments(__doc__)
    parser.add_argument("--case", required=True, choices=CASES)
    arguments = parser.parse_args()
    run_test(lambda: start(arguments))
