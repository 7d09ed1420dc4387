# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the built game on a private X server, or a headless Weston, and
drives it from outside.

A GameSession owns everything it starts (Xvfb or Weston, a session D-Bus with
the accessibility bus behind it, optionally a PulseAudio server with a null
sink, and the game itself), each in its own process group, and ends them all
when the session closes. On X the game sees only real X events (XTest pointer
clicks, a WM_DELETE_WINDOW client message); its texts are read back through
AT-SPI, its pictures from the X server's screen. Headless Weston has no seat,
so there the game is played through AT-SPI's actions alone.
"""

import argparse
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import traceback
import tty
import warnings
import zlib

import numpy as np
from Xlib import X, XK, display as xdisplay, protocol
from Xlib.ext import xtest

WINDOW_CAPTION = "ヴェスカ"
APP_TITLE = "VANTIK"
CLIENT_WIDTH = 500
CLIENT_HEIGHT = 400
SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768
WAYLAND_SOCKET = "wayland-vantik"

# Choice buttons share one row; slot 0 is the right-most.
BUTTON_TOP = 352
BUTTON_HEIGHT = 41
BUTTON_WIDTH = 89
BUTTON_LEFTS = (400, 304, 208, 112, 16)

# The message area of the main page.
MESSAGE_RECT = (8, 256, 481, 89)

# Colours as the screen shows them, (red, green, blue).
MAIN_PAGE_GROUND = (223, 255, 255)


class TestFailure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise TestFailure(message)


def wait_for(what, probe, timeout=15.0, interval=0.05):
    """Polls probe() until it returns something other than None or False;
    the machine may be busy, so nothing waits a fixed time."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result is not None and result is not False:
            return result
        if time.monotonic() > deadline:
            raise TestFailure("timed out waiting for " + what)
        time.sleep(interval)


def standard_arguments(description):
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--program", required=True, help="the built game")
    parser.add_argument("--dat", required=True, help="the generated data folder")
    parser.add_argument("--screenshots", help="folder for PNG pictures of the pages")
    return parser


def run_test(body):
    """Runs one test body and turns its outcome into an exit status for CTest."""
    try:
        body()
    except TestFailure as failure:
        print("FAIL:", failure, file=sys.stderr)
        sys.exit(1)
    print("PASS")


def write_png(path, rgb):
    """Writes an (h, w, 3) uint8 array as a PNG, without any imaging library."""
    height, width, _ = rgb.shape
    rows = b"".join(b"\x00" + rgb[y].tobytes() for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(rows, 6)))
        out.write(chunk(b"IEND", b""))


def in_child(play):
    """Runs play in a forked child and returns its exit status: play's
    number, 0 when it returns none, 1 when it fails. The accessibility client
    stays bound to the first session bus it met, and each game session has a
    bus of its own, so a process plays one session."""
    child = os.fork()
    if child == 0:
        status = 1
        try:
            status = play() or 0
        except TestFailure as failure:
            print("FAIL:", failure, file=sys.stderr)
        except BaseException:
            traceback.print_exc()
        finally:
            sys.stdout.flush()
            sys.stderr.flush()
            os._exit(status)
    try:
        _, status = os.waitpid(child, 0)
    except BaseException:
        # Ended from outside: the child closes its game session too.
        os.kill(child, signal.SIGTERM)
        os.waitpid(child, 0)
        raise
    return os.waitstatus_to_exitcode(status)


def spawn(command, **options):
    """Starts a helper in a process group of its own, which end_group ends
    with everything it started. Should this script die without cleaning up,
    the helper gets SIGTERM from the kernel rather than live on."""
    return subprocess.Popen(["setpriv", "--pdeathsig", "TERM", "--"] + command,
                            start_new_session=True, **options)


class PulseServer:
    """A private PulseAudio server whose only sink discards what it plays,
    so its monitor source hears exactly what the game sends out."""

    SINK = "vantik_out"

    def __init__(self, folder):
        self.folder = folder
        self.socket = os.path.join(folder, "native")
        runtime = os.path.join(folder, "runtime")
        os.makedirs(runtime, mode=0o700)
        # Root in a machine without systemd: no system mode, no D-Bus, no
        # realtime scheduling, state and cookie kept in the private folder.
        env = dict(os.environ, HOME=folder, XDG_RUNTIME_DIR=runtime, PULSE_RUNTIME_PATH=runtime,
                   XDG_CONFIG_HOME=os.path.join(folder, "config"),
                   PULSE_STATE_PATH=os.path.join(folder, "state"))
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("PULSE_SERVER", None)
        self.log = open(os.path.join(folder, "pulseaudio.log"), "wb")
        self.process = spawn(
            ["pulseaudio", "-n", "--daemonize=no", "--system=false", "--use-pid-file=no",
             "--exit-idle-time=-1", "--disallow-exit", "--realtime=no", "--high-priority=no",
             "--log-target=stderr",
             "-L", "module-null-sink sink_name=%s rate=44100 channels=2" % self.SINK,
             "-L", "module-native-protocol-unix socket=%s auth-anonymous=1" % self.socket],
            env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.server = "unix:" + self.socket
        wait_for("the PulseAudio server", self._answers, timeout=20.0, interval=0.1)

    def _answers(self):
        if self.process.poll() is not None:
            self.log.flush()
            with open(self.log.name, "rb") as log:
                output = log.read().decode(errors="replace")
            raise TestFailure("pulseaudio ended with status %d:\n%s" % (self.process.returncode, output))
        probe = subprocess.run(["pactl", "--server", self.server, "info"], capture_output=True)
        return probe.returncode == 0

    def close(self):
        end_group(self.process)
        self.log.close()


class MonitorRecorder:
    """Records the null sink's monitor continuously as mono 16-bit samples;
    positions in the recording are sample counts, so marks can be taken
    while it runs."""

    RATE = 22050

    def __init__(self, pulse):
        self.lock = threading.Lock()
        self.chunks = []
        self.count = 0
        self.process = spawn(
            ["parec", "--server", pulse.server, "--device", pulse.SINK + ".monitor",
             "--format=s16le", "--rate=%d" % self.RATE, "--channels=1", "--raw", "--latency-msec=20"],
            stdout=subprocess.PIPE)
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        wait_for("the recorder's first samples", lambda: self.position() > self.RATE // 10, timeout=20.0)

    def _read(self):
        leftover = b""
        while True:
            data = self.process.stdout.read1(4096)
            if not data:
                return
            data = leftover + data
            whole = len(data) // 2 * 2
            leftover = data[whole:]
            samples = np.frombuffer(data[:whole], dtype="<i2").astype(np.float32) / 32768.0
            with self.lock:
                self.chunks.append(samples)
                self.count += len(samples)

    def position(self):
        with self.lock:
            return self.count

    def samples(self, start=0, end=None):
        with self.lock:
            if len(self.chunks) > 1:
                self.chunks = [np.concatenate(self.chunks)]
            whole = self.chunks[0] if self.chunks else np.zeros(0, np.float32)
        return whole[start:end]

    def close(self):
        end_group(self.process)


def end_group(process):
    """Ends a process this session started, and whatever it started in turn."""
    if process.poll() is None:
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
    else:
        # The leader is gone; helpers it activated may still hold the group.
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass


class ScreenReader:
    """Orca with its debug log, in a home of its own. What it says is read
    from the log's SPEECH OUTPUT lines, which it writes whether or not a
    speech server takes them; none is started, so nothing is heard and no
    server outlives the test. Orca buffers a log file but writes a terminal
    line by line, so its log goes to a pseudo-terminal that this session
    reads as Orca writes."""

    UTTERANCE = re.compile(r" - SPEECH OUTPUT: '(.*?)'(?: voice=\S+)? ?(?:\{'.*)?$")

    def __init__(self, folder, env):
        check(shutil.which("orca"), "Orca is missing (scripts/install-deps-test.sh installs it)")
        os.makedirs(folder)
        env = dict(env, HOME=folder, XDG_DATA_HOME=os.path.join(folder, "data"),
                   XDG_CONFIG_HOME=os.path.join(folder, "config"),
                   XDG_CACHE_HOME=os.path.join(folder, "cache"),
                   # Its own words in English, whatever the machine's locale.
                   LANG="C.UTF-8", LANGUAGE="",
                   # Never reach or start a speech server.
                   SPEECHD_ADDRESS="unix_socket:" + os.path.join(folder, "no-speech-server"),
                   SPEECHD_CMD=os.path.join(folder, "no-speech-dispatcher"))
        env.pop("LC_ALL", None)
        self.lock = threading.Lock()
        self.text = b""
        self.terminal, self.log_end = os.openpty()
        tty.setraw(self.log_end)
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        self.output = open(os.path.join(folder, "orca.out"), "wb")
        self.process = spawn(["orca", "--replace", "--debug-file", os.ttyname(self.log_end)], env=env,
                             stdout=self.output, stderr=subprocess.STDOUT)
        try:
            # Orca speaks once it listens to the accessibility bus.
            self.wait_for("Orca to start", lambda said: len(said) > 0)
        except BaseException:
            self.close()
            raise

    def _read(self):
        while True:
            try:
                data = os.read(self.terminal, 65536)
            except OSError:
                return
            if not data:
                return
            with self.lock:
                self.text += data

    def spoken(self):
        """Every utterance so far, in order."""
        check(self.process.poll() is None, "Orca ended with status %s:\n%s"
              % (self.process.returncode, self.log()[-3000:]))
        return [match.group(1) for match in map(self.UTTERANCE.search, self.log().splitlines()) if match]

    def log(self):
        with self.lock:
            return self.text.decode(errors="replace")

    def wait_for(self, what, test, timeout=20.0):
        """Waits until test accepts the utterances so far; returns its answer."""
        return wait_for(what, lambda: test(self.spoken()), timeout=timeout)

    def close(self):
        end_group(self.process)
        self.output.close()
        os.close(self.log_end)
        os.close(self.terminal)


class GameSession:
    def __init__(self, program, dat, save_bytes=None, accessibility=False, sound=False,
                 arguments=(), wayland=False, locale="C.UTF-8", prepare=None):
        self.folder = tempfile.mkdtemp(prefix="vantik-system-")
        self.processes = []
        self.pulse = None
        self.recorder = None
        self.screen_reader = None
        self.game = None
        self.x = None
        try:
            self._start([os.path.abspath(program)] + list(arguments), dat, save_bytes,
                        accessibility, sound, wayland, locale, prepare)
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, failure_type, failure, trace):
        # What the game printed often explains a failure seen from outside.
        if failure_type is not None and self.game is not None:
            output = self.game_output().strip()
            if output:
                print("The game's output:\n" + output, file=sys.stderr)
            if os.path.exists(os.path.join(self.folder, "weston.log")):
                print("Weston's log:\n" + self._log("weston.log"), file=sys.stderr)
        self.close()

    # -- start and stop --------------------------------------------------

    def _start(self, command, dat, save_bytes, accessibility, sound, wayland, locale, prepare):
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
                          "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "DBUS_SESSION_BUS_ADDRESS",
                          "AT_SPI_BUS_ADDRESS", "XDG_DATA_HOME", "LANGUAGE", "LC_ALL",
                          "LC_MESSAGES"):
            env.pop(inherited, None)
        # The game speaks the session's language; whoever runs the tests
        # keeps theirs.
        env["LANG"] = locale
        if wayland:
            # No X server to fall back on.
            env.update(WAYLAND_DISPLAY=self._start_weston(env), QT_QPA_PLATFORM="wayland")
        else:
            env.update(DISPLAY=self._start_x_server(), QT_QPA_PLATFORM="xcb")
        # Without a sound server of its own the game must not find the
        # machine's one, nor start one.
        env["PULSE_SERVER"] = "unix:" + os.path.join(self.folder, "no-sound-server")
        if sound:
            self.pulse = PulseServer(os.path.join(self.folder, "pulse"))
            self.recorder = MonitorRecorder(self.pulse)
            env["PULSE_SERVER"] = self.pulse.server
        if accessibility:
            env["DBUS_SESSION_BUS_ADDRESS"] = self._start_session_bus(env)
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            # The AT-SPI client in this process finds the accessibility bus
            # through the same session bus as the game.
            for name in ("DBUS_SESSION_BUS_ADDRESS", "DISPLAY"):
                os.environ.pop(name, None)
                if name in env:
                    os.environ[name] = env[name]

        self.env = env
        if not wayland:
            self.x = xdisplay.Display(env["DISPLAY"])
            self.root = self.x.screen().root
        if prepare is not None:
            # Last words on the game's folder and environment before it starts.
            prepare(self.workdir, env)
        self.game_log = open(os.path.join(self.folder, "game.log"), "wb")
        self.game = spawn(command, cwd=self.workdir, env=env,
                          stdout=self.game_log, stderr=subprocess.STDOUT)

    def _start_x_server(self):
        ready, report = os.pipe()
        try:
            xvfb = spawn(
                ["Xvfb", "-displayfd", str(report), "-nolisten", "tcp", "-noreset",
                 "-screen", "0", "%dx%dx24" % (SCREEN_WIDTH, SCREEN_HEIGHT)],
                pass_fds=(report,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.processes.append(xvfb)
            os.close(report)
            report = -1
            number = b""
            deadline = time.monotonic() + 20
            # Xvfb writes its display number once it accepts clients.
            while not number.endswith(b"\n"):
                waiting = select.select([ready], [], [], max(0.0, deadline - time.monotonic()))[0]
                check(waiting and xvfb.poll() is None, "Xvfb did not start")
                part = os.read(ready, 16)
                check(part, "Xvfb did not report its display")
                number += part
            return ":" + number.decode().strip()
        finally:
            os.close(ready)
            if report >= 0:
                os.close(report)

    def _start_weston(self, env):
        log = open(os.path.join(self.folder, "weston.log"), "wb")
        weston = spawn(["weston", "--backend=headless-backend.so", "--socket=" + WAYLAND_SOCKET,
                        "--idle-time=0", "--width=%d" % SCREEN_WIDTH, "--height=%d" % SCREEN_HEIGHT],
                       env=env, stdout=log, stderr=subprocess.STDOUT)
        log.close()
        self.processes.append(weston)

        def listens():
            check(weston.poll() is None, "weston ended with status %s:\n%s"
                  % (weston.returncode, self._log("weston.log")))
            return os.path.exists(os.path.join(env["XDG_RUNTIME_DIR"], WAYLAND_SOCKET))
        wait_for("weston's socket", listens, timeout=20.0)
        return WAYLAND_SOCKET

    def _start_session_bus(self, env):
        # The accessibility bus launcher that this bus starts puts its socket
        # under the runtime folder, or under the home folder without one; both
        # are private, so tests running side by side keep their own.
        bus = spawn(["dbus-daemon", "--session", "--nofork", "--nosyslog", "--print-address=1"],
                    env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.processes.append(bus)
        address = bus.stdout.readline().decode().strip()
        check(address, "the session bus did not start")
        return address

    def close(self):
        if self.game is not None:
            end_group(self.game)
            self.game_log.close()
        if self.x is not None:
            self.x.close()
        if self.screen_reader is not None:
            self.screen_reader.close()
        if self.recorder is not None:
            self.recorder.close()
        if self.pulse is not None:
            self.pulse.close()
        for process in reversed(self.processes):
            end_group(process)
        shutil.rmtree(self.folder, ignore_errors=True)

    def _log(self, name):
        with open(os.path.join(self.folder, name), "rb") as log:
            return log.read().decode(errors="replace")

    def game_output(self):
        self.game_log.flush()
        return self._log("game.log")

    def wait_for_exit(self, timeout=15.0):
        try:
            return self.game.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise TestFailure("the game did not end within %g s" % timeout)

    def check_running(self):
        status = self.game.poll()
        if status is not None:
            raise TestFailure("the game ended early with status %d:\n%s" % (status, self.game_output()))

    def start_screen_reader(self):
        """Starts Orca on this session's display and accessibility bus; see
        ScreenReader."""
        reader = ScreenReader(os.path.join(self.folder, "orca"), self.env)
        self.screen_reader = reader
        return reader

    # -- X windows -------------------------------------------------------

    def window_name(self, window):
        try:
            net_name = window.get_full_property(self.x.intern_atom("_NET_WM_NAME"),
                                                self.x.intern_atom("UTF8_STRING"))
            if net_name is not None:
                return net_name.value.decode("utf-8")
            name = window.get_wm_name()
            return name.decode("latin-1") if isinstance(name, bytes) else name
        except Exception:
            # The window went away between the listing and the question.
            return None

    def shown_top_levels(self, name):
        """Top-level windows with this caption that are mapped on the screen."""
        found = []
        for window in self.root.query_tree().children:
            try:
                if window.get_attributes().map_state != X.IsViewable:
                    continue
            except Exception:
                continue
            if self.window_name(window) == name:
                found.append(window)
        return found

    def main_window(self, timeout=20.0, caption=WINDOW_CAPTION):
        """The one shown window captioned as the game's in the session's
        language."""
        def probe():
            self.check_running()
            shown = self.shown_top_levels(caption)
            return shown[0] if len(shown) == 1 else None
        try:
            return wait_for("the game window", probe, timeout=timeout)
        except TestFailure:
            names = [self.window_name(w) for w in self.root.query_tree().children
                     if w.get_attributes().map_state == X.IsViewable]
            raise TestFailure("no single window captioned %r; shown: %s" % (caption, names))

    def client_rect(self, window):
        """The window's client area in screen coordinates."""
        geometry = window.get_geometry()
        origin = window.translate_coords(self.root, 0, 0)
        return (-origin.x, -origin.y, geometry.width, geometry.height)

    def click(self, x, y):
        """A real left click: the pointer moves there, presses and releases."""
        xtest.fake_input(self.x, X.MotionNotify, x=int(x), y=int(y))
        self.x.sync()
        xtest.fake_input(self.x, X.ButtonPress, 1)
        self.x.sync()
        xtest.fake_input(self.x, X.ButtonRelease, 1)
        self.x.sync()

    def click_in(self, window, x, y):
        left, top, _, _ = self.client_rect(window)
        self.click(left + x, top + y)

    def click_slot(self, window, slot):
        self.click_in(window, BUTTON_LEFTS[slot] + BUTTON_WIDTH // 2, BUTTON_TOP + BUTTON_HEIGHT // 2)

    def focus_keyboard(self, window):
        """Gives the window the keyboard, as a window manager does when the
        player picks it."""
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.x.sync()

    def press_key(self, *names):
        """Real key presses: holds the keys named (X keysym names such as
        "Control_L", "Return", "Tab") in order, then lets them go in reverse."""
        codes = [self.x.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
        check(all(codes), "no key code for %s" % (names,))
        for code in codes:
            xtest.fake_input(self.x, X.KeyPress, code)
            self.x.sync()
        for code in reversed(codes):
            xtest.fake_input(self.x, X.KeyRelease, code)
            self.x.sync()

    def request_close(self, window):
        """What a window manager's close box sends."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        offered = window.get_wm_protocols() or []
        check(delete in offered, "the window does not take WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        self.x.sync()

    def screenshot(self, rect):
        """The screen's pixels in rect as an (h, w, 3) array of red, green, blue."""
        left, top, width, height = rect
        image = self.root.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF)
        pixels = np.frombuffer(image.data, dtype=np.uint8).reshape(height, width, 4)
        return pixels[:, :, 2::-1].copy()

    def window_picture(self, window):
        return self.screenshot(self.client_rect(window))


def colour_share(picture, colour):
    """The share of pixels that have exactly this colour."""
    return float(np.mean(np.all(picture == np.array(colour, dtype=np.uint8), axis=2)))


def wait_for_picture(session, window, what, test):
    """Polls the window's pixels until test accepts them; returns that picture."""
    def probe():
        picture = session.window_picture(window)
        return picture if test(picture) else None
    return wait_for(what, probe)


def save_picture(folder, name, picture):
    if not folder:
        return
    os.makedirs(folder, exist_ok=True)
    write_png(os.path.join(folder, name), picture)


class Control:
    """One label or button as the accessibility interface reports it; x and
    y are relative to the game window's client area."""

    def __init__(self, role, name, x, y, width, height, node=None):
        self.role, self.name, self.node = role, name, node
        self.x, self.y, self.width, self.height = x, y, width, height

    def __repr__(self):
        return "%s %r at %d,%d %dx%d" % (self.role, self.name, self.x, self.y, self.width, self.height)


class AccessibleGame:
    """The game's widgets as AT-SPI shows them to a screen reader."""

    def __init__(self, session, timeout=20.0):
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
        self.Atspi, self.GLib = Atspi, GLib
        self.session = session
        self.app = wait_for("the game on the accessibility bus", self._find_application,
                            timeout=timeout, interval=0.1)
        # Texts change under us with every click; ask the game each time.
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

    def _walk(self, node, visit):
        for index in range(node.get_child_count()):
            child = node.get_child_at_index(index)
            if child is None:
                continue
            visit(child)
            self._walk(child, visit)

    def _showing(self, node):
        return node.get_state_set().contains(self.Atspi.StateType.SHOWING)

    def _snapshot(self, collect):
        """Runs collect over the tree, again if the tree changed under it."""
        for _ in range(20):
            try:
                return collect()
            except self.GLib.Error:
                time.sleep(0.05)
        raise TestFailure("the accessibility tree kept changing")

    def _collect(self, frame, left=0, top=0):
        """Showing labels and push buttons under frame, placed from left, top."""
        Atspi = self.Atspi
        roles = {Atspi.Role.LABEL: "label", Atspi.Role.PUSH_BUTTON: "button"}
        found = []

        def visit(node):
            role = roles.get(node.get_role())
            if role is None or not self._showing(node):
                return
            box = node.get_extents(Atspi.CoordType.SCREEN)
            found.append(Control(role, node.get_name(), box.x - left, box.y - top, box.width, box.height,
                                 node))
        if frame is not None:
            self._walk(frame, visit)
        return found

    def controls(self, window):
        """Showing labels and push buttons of the game's X window, found on
        the bus by its caption, whatever the language."""
        left, top, _, _ = self.session.client_rect(window)
        caption = self.session.window_name(window)
        return self._snapshot(lambda: self._collect(next(iter(self._windows(caption)), None), left, top))

    def controls_in(self, frame):
        """The same under an accessible window. A Wayland client does not know
        where it is shown, so there controls are told apart by role and text."""
        return self._snapshot(lambda: self._collect(frame))

    def _windows(self, name):
        found = []
        for index in range(self.app.get_child_count()):
            child = self.app.get_child_at_index(index)
            if child is not None and child.get_name() == name and self._showing(child):
                found.append(child)
        return found

    def windows(self, name):
        """The showing top-level windows of the game with this name."""
        return self._snapshot(lambda: self._windows(name))

    def dialogs(self, name):
        """Showing top-level windows of the game with this name, each as its
        role, label texts and buttons (text and screen centre)."""
        def collect():
            found = []
            for window in self._windows(name):
                shown = self._collect(window)
                found.append((window.get_role_name(), [c.name for c in shown if c.role == "label"],
                              [(c.name, c.x + c.width // 2, c.y + c.height // 2)
                               for c in shown if c.role == "button"]))
            return found
        return self._snapshot(collect)

    def texts(self, frame):
        """Every showing node under frame, the frame too, as its role name,
        name, description and, where it has one, its text."""
        def collect():
            found = []

            def visit(node):
                if not self._showing(node):
                    return
                text = node.get_text_iface()
                found.append((node.get_role_name(), node.get_name(), node.get_description(),
                              text.get_text(0, text.get_character_count()) if text is not None else ""))
            visit(frame)
            self._walk(frame, visit)
            return found
        return self._snapshot(collect)

    def find(self, window, role):
        """The first showing node of this role under a window, or None."""
        found = []
        self._walk(window, lambda node: found.append(node)
                   if node.get_role() == role and self._showing(node) else None)
        return found[0] if found else None

    def press(self, node):
        """Does a control's default action, as a screen reader's user would."""
        with warnings.catch_warnings():
            # Debian 12's typelib marks this deprecated for a successor it lacks.
            warnings.simplefilter("ignore", DeprecationWarning)
            names = [node.get_action_name(index) for index in range(node.get_n_actions())]
        check("Press" in names, "%r offers the actions %s, not Press" % (node.get_name(), names))
        node.do_action(names.index("Press"))


def choice_buttons(controls):
    """The showing choice buttons by slot, from their place on the bottom row."""
    slots = {}
    for control in controls:
        if control.role != "button" or control.y != BUTTON_TOP:
            continue
        if control.x in BUTTON_LEFTS:
            slots[BUTTON_LEFTS.index(control.x)] = control.name
    return slots


def message_text(controls):
    """The text of the main page's message area, or None when it is not shown."""
    for control in controls:
        if control.role == "label" and (control.x, control.y, control.width, control.height) == MESSAGE_RECT:
            return control.name
    return None


# The choices of the main page by slot; the game's made-up words read the
# same in every language.
PICK = {0: "noar", 1: "yest"}
INTRO = {0: "≫", 1: "skipl"}
MENU = {0: "seeek", 1: "bosss!", 2: "savie"}
ENCOUNTER = {0: "killl", 1: "escapo"}
TURN = {0: "attax", 1: "magix", 2: "escapy"}
NEXT = {0: "≫"}
DEFEAT = {0: "gmov"}
PROMPT = "あなたが落としたのはこのステータスですか？"
# The player's stars on the main page.
STARS = (280, 8)


def control_at(shown, place, role):
    """The name of the control of this role at place, or None."""
    for control in shown:
        if control.role == role and (control.x, control.y) == place:
            return control.name
    return None


class Defeated(Exception):
    """A fair end that is not the road the test walks (the dice went against
    the character, the enemy ran first): the game is played again."""


# The exit status of one game that ended in defeat.
DEFEATED = 3


def play_until_undefeated(play_once, what, attempts=4):
    """Plays play_once, each game in a child process of its own (see
    in_child), and again while the game ends in defeat."""
    def once():
        try:
            play_once()
        except Defeated:
            return DEFEATED
    for attempt in range(attempts):
        status = in_child(once)
        if status != DEFEATED:
            check(status == 0, what + " failed")
            return
        print("off the road on attempt %d; playing again" % (attempt + 1), flush=True)
    raise TestFailure("%d games running ended off the road" % attempts)


class KeyboardPlayer:
    """Presses keys in the game window and reads its main page back; seen,
    when given, gets the controls of every page read."""

    def __init__(self, session, accessible, window, seen=None):
        self.press, self.accessible, self.window = session.press_key, accessible, window
        self.seen = seen

    def page(self):
        shown = self.accessible.controls(self.window)
        if self.seen is not None:
            self.seen(shown)
        return message_text(shown), choice_buttons(shown), shown

    def press_until(self, keys, what, test, tries=1):
        """Presses the keys and waits for the page test accepts; presses again
        when the first press came before the window had the keyboard."""
        last = (None, None, None)
        for _ in range(tries):
            self.press(*keys)
            try:
                return wait_for(what, lambda: (lambda p: p if test(*p) else None)(self.page()), timeout=5.0)
            except TestFailure:
                last = self.page()
        raise TestFailure("%s; message %r, choices %s" % (what, last[0], last[1]))

    def press_for_change(self, key, what, part):
        """Presses the key and waits for part of the page to change."""
        before = part(self.page())
        self.press(key)
        wait_for(what, lambda: part(self.page()) != before, timeout=5.0)

    def roll_stars(self, least=3):
        """Rolls new stats with Space, once and then until the character has
        this many stars, enough to live through a turn of the enemy's;
        returns the stars."""
        for _ in range(200):
            self.press_for_change("space", "a new roll", lambda p: [(c.name, c.x, c.y) for c in p[2]])
            stars = control_at(self.page()[2], STARS, "label") or ""
            if stars.count("★") >= least:
                return stars
        raise TestFailure("no character with %d stars in 200 rolls" % least)

    def to_first_turn(self):
        """From the main menu: "seeek", "killl" and Enter on to the player's
        first turn; returns the encounter's and the initiative's messages."""
        encounter = self.press_until(["Return"], "a fight after seeek", lambda _, b, __: b == ENCOUNTER)[0]
        initiative = self.press_until(["Return"], "the initiative after killl", lambda _, b, __: b == NEXT)[0]
        for _ in range(20):
            if self.page()[1] != NEXT:
                break
            self.press_for_change("Return", "the next step", lambda p: p[0])
        text, buttons, _ = self.page()
        if buttons == DEFEAT:
            raise Defeated()
        check(buttons == TURN, "no turn menu: %r %s" % (text, buttons))
        return encounter, initiative

    def to_main_menu(self):
        """Plays on with Enter from wherever the fight stands, taking "escapy"
        on each turn, until the main menu shows."""
        for _ in range(60):
            buttons = self.page()[1]
            if buttons == MENU:
                return
            if buttons == DEFEAT:
                raise Defeated()
            if buttons == TURN:
                # From "attax" the next choice in the tab order is "escapy".
                self.press("Tab")
                self.press_for_change("Return", "the ways out", lambda p: p[1])
                # The second way out, before the first in the tab order, is
                # the safe one two times in three.
                self.press("Left")
                self.press_for_change("Return", "the way out taken", lambda p: p[:2])
            else:
                self.press_for_change("Return", "the next step", lambda p: p[:2])
        raise TestFailure("no way back to the main menu")


def answer_error_box(session, text):
    """Waits for the program's one error box, with no game window shown,
    checks that it says text and offers OK alone, clicks OK and returns the
    program's exit status."""
    accessible = AccessibleGame(session)

    def one_box():
        session.check_running()
        check(not session.shown_top_levels(WINDOW_CAPTION), "the game window was shown")
        dialogs = accessible.dialogs(APP_TITLE)
        return dialogs[0] if len(session.shown_top_levels(APP_TITLE)) == 1 and dialogs else None

    _, labels, buttons = wait_for("the message box", one_box)
    check(any(text in label for label in labels), "the box says %s" % labels)
    check([name for name, _, _ in buttons] == ["OK"], "the box offers %s" % buttons)
    time.sleep(0.5)
    check(len(session.shown_top_levels(APP_TITLE)) == 1, "more than one message box")
    _, x, y = buttons[0]
    session.click(x, y)
    return session.wait_for_exit()
