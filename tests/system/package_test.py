#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the Debian source and binary packages from the tree with
scripts/package.sh (whose build runs the offscreen tests) and has lintian
(pedantic, failing on any warning), reuse, desktop-file-validate and
appstreamcli check them; installs the package on this machine with apt-get,
expects its desktop entry and metainfo to hold the Japanese of po/ja.po,
starts the installed launcher from a clean home on a private X server, rolls
a character and closes the window, then starts it on Wayland under a
headless Weston; removes the package and expects none of its files left.
Then installs the tree's own build with `cmake --install --prefix`, and with
DESTDIR into a tree that is moved elsewhere, and starts the game from each.
Last, builds the package again without its tests, in another folder and
another time zone, and expects the same .deb byte for byte.

Installing system-wide needs root (sudo otherwise). A lock shared by every
checkout on the machine keeps test runs side by side from installing at the
same time, and a mark left while the package is installed lets the next run
remove it should this one be killed before it could."""

import argparse
import fcntl
import filecmp
import gettext
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import AccessibleGame, GameSession, TestFailure, check, in_child, run_test
from wayland_test import play_on_wayland
from window_flow_test import check_status_pick, check_title_page

PACKAGE = "vantik"
APP_ID = "io.github.vantik.vantik"
ICON_SIZES = (16, 32, 48, 64, 128, 256)
LOCK_FOLDER = "/var/lock" if os.path.isdir("/var/lock") else tempfile.gettempdir()
LOCK = os.path.join(LOCK_FOLDER, "vantik-package-test.lock")
MARK = os.path.join(LOCK_FOLDER, "vantik-package-test.installed")
# The PATH Debian gives users' sessions.
USER_PATH = "/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games"
AS_ROOT = [] if os.geteuid() == 0 else ["sudo", "-n"]


def run(command, what, **options):
    """Runs a command to its end; a failure quotes what it printed."""
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, **options)
    output = result.stdout.decode(errors="replace")
    check(result.returncode == 0, "%s failed with status %d:\n%s" % (what, result.returncode, output))
    return output


def apt_get(*arguments):
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    return run(AS_ROOT + ["apt-get", "-o", "DPkg::Lock::Timeout=300", "-y", "-q"] + list(arguments),
               "apt-get " + " ".join(arguments), env=env)


def installed():
    status = subprocess.run(["dpkg-query", "-W", "-f=${db:Status-Status}", PACKAGE],
                            capture_output=True, text=True)
    return status.returncode == 0 and status.stdout not in ("", "not-installed", "config-files")


def build_package(source, folder, **changes):
    """Builds the packages in folder with the environment changed by changes;
    returns the .deb and the .changes file."""
    env = dict(os.environ, **changes)
    run([os.path.join(source, "scripts", "package.sh"), folder], "building the package in " + folder, env=env)
    made = {}
    for kind in ("deb", "changes"):
        found = glob.glob(os.path.join(folder, "%s_*.%s" % (PACKAGE, kind)))
        check(len(found) == 1, "the build in %s made %s, not one .%s file" % (folder, found, kind))
        made[kind] = found[0]
    return made["deb"], made["changes"]


def check_reproducible(args, first):
    """A second build, later, elsewhere, without the tests, gives the same bytes."""
    options = " ".join(filter(None, [os.environ.get("DEB_BUILD_OPTIONS"), "nocheck"]))
    second, _ = build_package(args.source, os.path.join(args.build, "second"),
                              DEB_BUILD_OPTIONS=options, TZ="Pacific/Kiritimati")
    if filecmp.cmp(first, second, shallow=False):
        return
    with tempfile.TemporaryDirectory(prefix="vantik-reproducible-") as folder:
        trees = []
        for number, deb in enumerate((first, second)):
            tree = os.path.join(folder, str(number))
            run(["dpkg-deb", "-R", deb, tree], "unpacking " + deb)
            trees.append(tree)
        differ = []

        def compare(listing, path):
            differ.extend(os.path.join(path, name)
                          for name in listing.diff_files + listing.left_only + listing.right_only)
            for name, below in listing.subdirs.items():
                compare(below, os.path.join(path, name))
        compare(filecmp.dircmp(*trees), "/")
        raise TestFailure("two builds of the same tree differ: %s and %s; in %s"
                          % (first, second, differ or "their archives' headers"))


class Report:
    """Runs the checkers and keeps what they said, which the test command shows."""

    def __init__(self, path):
        self.out = open(path, "w")

    def checker(self, command):
        result = subprocess.run(command, capture_output=True, text=True)
        said = (result.stdout + result.stderr).strip()
        text = "$ %s\n%s\n(exit status %d)\n" % (" ".join(command), said or "(nothing)", result.returncode)
        self.out.write(text + "\n")
        self.out.flush()
        print(text)
        check(result.returncode == 0, "%s found errors" % command[0])

    def close(self):
        self.out.close()


def check_installed_files(files):
    expected = ["/usr/games/vantik", "/usr/libexec/vantik/vantik", "/usr/libexec/vantik/GuruGuruSMF.so",
                "/usr/share/vantik/dat/vuraviv.bmp", "/usr/share/vantik/dat/04b.wav",
                "/usr/share/vantik/dat/vantik.png",
                "/usr/share/applications/%s.desktop" % APP_ID, "/usr/share/metainfo/%s.metainfo.xml" % APP_ID,
                "/usr/share/man/man6/vantik.6.gz", "/usr/share/doc/vantik/copyright",
                "/usr/share/doc/vantik/changelog.Debian.gz"]
    expected += ["/usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, APP_ID) for size in ICON_SIZES]
    missing = [path for path in expected if path not in files or not os.path.exists(path)]
    check(not missing, "the package does not install %s" % missing)
    # The window's icon is the theme's, not a second copy of it.
    check(os.path.islink("/usr/share/vantik/dat/vantik.png"), "dat/vantik.png is a copy of the icon")


def check_japanese(source):
    """The installed desktop entry's name and comment and the metainfo's
    summary are in Japanese as po/ja.po translates them (compiled as the
    build reads it, without fuzzy entries)."""
    with tempfile.TemporaryDirectory(prefix="vantik-ja-") as folder:
        compiled = os.path.join(folder, "ja.mo")
        run(["msgfmt", "-o", compiled, os.path.join(source, "po", "ja.po")], "compiling po/ja.po")
        with open(compiled, "rb") as catalog:
            japanese = gettext.GNUTranslations(catalog)

    def translation(english, what):
        check(english, "the %s has no English text" % what)
        text = japanese.gettext(english)
        check(text != english, "po/ja.po does not translate the %s %r" % (what, english))
        return text

    with open("/usr/share/applications/%s.desktop" % APP_ID, encoding="utf-8") as lines:
        entry = dict(line.rstrip("\n").split("=", 1) for line in lines if "=" in line)
    for key in ("Name", "Comment"):
        expected = translation(entry.get(key), "desktop entry's " + key)
        check(entry.get(key + "[ja]") == expected, "the desktop entry's %s[ja] is %r, po/ja.po's %r"
              % (key, entry.get(key + "[ja]"), expected))
    metainfo = ET.parse("/usr/share/metainfo/%s.metainfo.xml" % APP_ID).getroot()
    summaries = {summary.get("{http://www.w3.org/XML/1998/namespace}lang"): summary.text
                 for summary in metainfo.findall("summary")}
    expected = translation(summaries.get(None), "metainfo's summary")
    check(summaries.get("ja") == expected, "the metainfo's Japanese summary is %r, po/ja.po's %r"
          % (summaries.get("ja"), expected))


def menu_command():
    """The installed program that the menu entry starts."""
    with open("/usr/share/applications/%s.desktop" % APP_ID, encoding="utf-8") as entry:
        execs = [line.split("=", 1)[1].split()[0] for line in entry if line.startswith("Exec=")]
    check(len(execs) == 1, "the desktop entry has %d Exec lines" % len(execs))
    command = shutil.which(execs[0], path=USER_PATH)
    check(command is not None, "the desktop entry's command %r is not on the PATH" % execs[0])
    return command


def play_installed(launcher, prefix):
    play_in_child(lambda: play_opening(launcher, prefix), "the game installed in " + prefix)


def play_in_child(play, what):
    check(in_child(play) == 0, "%s failed (see above)" % what)


def play_opening(launcher, prefix):
    """Starts the launcher from a clean home, checks that it runs the program,
    the MIDI library and the data of this prefix, rolls a character, closes
    the window and checks the player's folder."""
    libexec = os.path.join(prefix, "libexec", "vantik")
    with GameSession(launcher, None, accessibility=True) as session:
        window = session.main_window()
        pid = session.game.pid
        check(os.path.realpath("/proc/%d/exe" % pid) == os.path.join(libexec, "vantik"),
              "the launcher ran %s" % os.path.realpath("/proc/%d/exe" % pid))
        with open("/proc/%d/maps" % pid) as maps:
            check(os.path.join(libexec, "GuruGuruSMF.so") in maps.read(),
                  "the game did not load the MIDI library beside it")
        accessible = AccessibleGame(session)
        check_title_page(session, accessible, window, None)
        check_status_pick(session, accessible, window, None)
        session.request_close(window)
        status = session.wait_for_exit()
        check(status == 0, "closing the window ended the game with status %d:\n%s"
              % (status, session.game_output()))
        player = os.path.join(session.folder, ".local", "share", "vantik")
        check(os.path.isdir(player), "the player's folder %s was not made" % player)
        dat = os.path.realpath(os.path.join(player, "dat"))
        check(dat == os.path.join(prefix, "share", "vantik", "dat"), "the dat link leads to %s" % dat)


def remove_package(files):
    apt_get("remove", PACKAGE)
    check(not installed(), "the package is still installed after its removal")
    left = [path for path in files if os.path.lexists(path)]
    left += [folder for folder in ("/usr/libexec/vantik", "/usr/share/vantik", "/usr/share/doc/vantik")
             if os.path.lexists(folder)]
    check(not left, "removing the package left %s" % left)


def system_install(args, deb, report):
    with open(LOCK, "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if os.path.exists(MARK):
            # An earlier run was killed while the package was installed.
            apt_get("purge", PACKAGE)
            os.remove(MARK)
        check(not installed(), "%s is installed on this machine; this test installs and removes it, "
              "so remove it first" % PACKAGE)
        open(MARK, "w").close()
        try:
            apt_get("install", "--no-install-recommends", os.path.abspath(deb))
            listing = run(["dpkg-query", "-L", PACKAGE], "listing the package's files")
            files = [path for path in listing.splitlines() if path and not os.path.isdir(path)]
            check_installed_files(files)
            report.checker(["desktop-file-validate", "/usr/share/applications/%s.desktop" % APP_ID])
            report.checker(["appstreamcli", "validate", "--no-net",
                            "/usr/share/metainfo/%s.metainfo.xml" % APP_ID])
            check_japanese(args.source)
            play_installed(menu_command(), "/usr")
            play_in_child(lambda: play_on_wayland(menu_command(), None), "the installed game on Wayland")
            remove_package(files)
        finally:
            if installed():
                apt_get("purge", PACKAGE)
            os.remove(MARK)


def relocated_installs(args):
    """Installs the tested build, configured for its default prefix, elsewhere."""
    with tempfile.TemporaryDirectory(prefix="vantik-install-") as folder:
        prefix = os.path.join(folder, "prefix")
        run(["cmake", "--install", args.install_build, "--prefix", prefix], "cmake --install --prefix")
        play_installed(os.path.join(prefix, "bin", "vantik"), prefix)

        stage = os.path.join(folder, "stage")
        run(["cmake", "--install", args.install_build], "cmake --install with DESTDIR",
            env=dict(os.environ, DESTDIR=stage))
        moved = os.path.join(folder, "moved")
        os.rename(stage + args.install_prefix, moved)
        play_installed(os.path.join(moved, "bin", "vantik"), moved)


def package_test(args):
    deb, changes = build_package(args.source, os.path.join(args.build, "first"))
    report = Report(args.report)
    try:
        report.checker(["lintian", "--pedantic", "--fail-on", "error,warning", "--display-info", changes])
        report.checker(["reuse", "--root", args.source, "lint"])
        system_install(args, deb, report)
    finally:
        report.close()
    relocated_installs(args)
    check_reproducible(args, deb)


def end_on_signal(number, frame):
    # Turns CTest's or a user's termination into an exception, so that the
    # package is removed on the way out.
    raise TestFailure("ended by signal %d" % number)


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--source", required=True, help="the source tree")
    parser.add_argument("--build", required=True, help="the package's build folder")
    parser.add_argument("--report", required=True, help="where the checkers' output is kept")
    parser.add_argument("--install-build", required=True, help="a build to install into temporary folders")
    parser.add_argument("--install-prefix", required=True, help="the prefix that build was configured for")
    arguments = parser.parse_args()
    if AS_ROOT:
        check_sudo = subprocess.run(["sudo", "-n", "true"], capture_output=True)
        if check_sudo.returncode != 0:
            print("FAIL: installing the package needs root or password-less sudo", file=sys.stderr)
            sys.exit(1)
    signal.signal(signal.SIGTERM, end_on_signal)
    signal.signal(signal.SIGINT, end_on_signal)
    run_test(lambda: package_test(arguments))
