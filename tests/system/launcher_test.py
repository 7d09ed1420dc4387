#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the launcher of an installed tree, as a plain user and as root, with
player folders it can and cannot prepare. The program beside it is a stand-in
that writes down where and how it was started: a folder that cannot be
prepared must reach the program with the reason (which shows it in its error
box), end with a failure, and leave nothing written anywhere."""

import argparse
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import TestFailure, check, run_test

PLAIN_USER = "65534"

STAND_IN = """#!/bin/sh
{ pwd; for word in "$@"; do echo "$word"; done; } > "$VANTIK_STAND_IN_LOG"
exit 7
"""


def installed_tree(launcher, root):
    """A copy of the launcher at bin/ with a stand-in program and a data
    folder where the launcher looks for them."""
    with open(launcher) as source:
        text = source.read()
    program = re.search(r'program="\$here/([^"]+)"', text).group(1)
    dat = re.search(r'dat=\$\(readlink -f "\$here/([^"]+)"\)', text).group(1)
    bin_folder = os.path.join(root, "tree", "bin")
    os.makedirs(bin_folder)
    for path, content in ((os.path.join(bin_folder, "vantik"), text),
                          (os.path.normpath(os.path.join(bin_folder, program)), STAND_IN)):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as out:
            out.write(content)
        os.chmod(path, 0o755)
    os.makedirs(os.path.normpath(os.path.join(bin_folder, dat)), exist_ok=True)
    return os.path.join(bin_folder, "vantik")


def everything_under(folder):
    return sorted(os.path.join(top, name) for top, folders, files in os.walk(folder)
                  for name in folders + files)


def run_case(launcher, root, name, user, environment, expect_started_in):
    case = os.path.join(root, name)
    os.makedirs(case)
    os.chmod(case, 0o777)
    log = os.path.join(case, "started")
    made = {"<file>": os.path.join(case, "a-file"), "<folder>": os.path.join(case, "home")}
    with open(made["<file>"], "w") as out:
        out.write("not a folder\n")
    os.makedirs(made["<folder>"])
    os.chmod(made["<folder>"], 0o777)
    environment = {key: made.get(value, value) for key, value in environment.items()}
    env = {"PATH": os.environ["PATH"], "VANTIK_STAND_IN_LOG": log}
    env.update({key: value for key, value in environment.items() if value is not None})
    before = everything_under(case)
    root_before = set(os.listdir("/"))
    command = [launcher]
    if user != "0":
        command = ["setpriv", "--reuid", user, "--regid", user, "--clear-groups", "--"] + command
    result = subprocess.run(command, env=env, capture_output=True, timeout=30)
    what = "%s: status %d, standard error %r" % (name, result.returncode, result.stderr)
    check(set(os.listdir("/")) == root_before, what + ": wrote at the root of the file system")
    check(os.path.exists(log), what + ": the program was not started")
    with open(log) as started:
        folder, *arguments = started.read().splitlines()
    if expect_started_in is None:
        check(result.returncode == 1, what + ": expected status 1")
        check(len(arguments) == 2 and arguments[0] == "--cannot-start" and arguments[1],
              "%s: the program was started with %r, not with the reason" % (what, arguments))
        check(arguments[1].encode() in result.stderr, what + ": the reason is not on standard error")
        after = [path for path in everything_under(case) if path != log]
        check(after == before, "%s: wrote %s" % (what, sorted(set(after) - set(before))))
        return
    expected = os.path.join(environment[expect_started_in], *(
        [".local", "share"] if expect_started_in == "HOME" else []), "vantik")
    check(result.returncode == 7, what + ": the program's status was not passed on")
    check(arguments == [], "%s: started with %r" % (what, arguments))
    check(folder == expected, "%s: started in %s, not %s" % (what, folder, expected))
    check(os.path.islink(os.path.join(expected, "dat")), what + ": no dat/ link")


def test_launcher(args):
    with tempfile.TemporaryDirectory(prefix="vantik-launcher-") as root:
        os.chmod(root, 0o755)
        launcher = installed_tree(args.launcher, root)
        cases = [
            ("data-home-a-file", PLAIN_USER, {"XDG_DATA_HOME": "<file>", "HOME": "<folder>"}, None),
            ("no-home", PLAIN_USER, {"XDG_DATA_HOME": None, "HOME": None}, None),
            ("root-without-home", "0", {"XDG_DATA_HOME": None, "HOME": None}, None),
            ("relative-data-home", PLAIN_USER, {"XDG_DATA_HOME": "relative", "HOME": None}, None),
            ("home-a-file", PLAIN_USER, {"HOME": "<file>"}, None),
            ("data-home", PLAIN_USER, {"XDG_DATA_HOME": "<folder>"}, "XDG_DATA_HOME"),
            ("home", PLAIN_USER, {"HOME": "<folder>"}, "HOME"),
        ]
        failures = []
        for name, user, environment, started_in in cases:
            try:
                run_case(launcher, root, name, user, environment, started_in)
            except TestFailure as failure:
                failures.append(str(failure))
        check(not failures, "\n".join(failures))


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--launcher", required=True, help="the configured launcher script")
    args = parser.parse_args()
    run_test(lambda: test_launcher(args))
