#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game on a real X server with the keyboard alone: from the title
page through the status pick and the intro into a fight, stops the dice,
presses "ib", and comes back to the main menu; then Ctrl+Q ends the game
with status 0. Keys are real XTest key presses; the texts are read back
through AT-SPI."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import (AccessibleGame, GameSession, TestFailure, check, choice_buttons,
                         message_text, run_test, standard_arguments, wait_for)

PROMPT = "あなたが落としたのはこのステータスですか？"
PICK = {0: "noar", 1: "yest"}
INTRO = {0: "≫", 1: "skipl"}
MENU = {0: "seeek", 1: "bosss!", 2: "savie"}
ENCOUNTER = {0: "killl", 1: "escapo"}
TURN = {0: "attax", 1: "magix", 2: "escapy"}
NEXT = {0: "≫"}
DEFEAT = {0: "gmov"}
# Where "ib" and the player's dice are on the main page.
BURST_BUTTON = (416, 208)
MY_DICE = (440, 320)


class Defeated(Exception):
    """The dice went against the character: a fair end, but not the road
    this test walks, so it is played again."""


class Announcements:
    """What a screen reader hears: the new names of the game's labels."""

    def __init__(self, accessible):
        self.Atspi, self.GLib = accessible.Atspi, accessible.GLib
        self.names = []
        self.listener = self.Atspi.EventListener.new(self._heard)
        self.listener.register("object:property-change:accessible-name")

    def _heard(self, event):
        name = event.any_data if isinstance(event.any_data, str) else None
        try:
            if event.source.get_role() == self.Atspi.Role.LABEL:
                self.names.append(name if name is not None else event.source.get_name())
        except self.GLib.Error:
            pass

    def count(self, text):
        context = self.GLib.MainContext.default()
        while context.iteration(False):
            pass
        return self.names.count(text)


def page(accessible, window):
    shown = accessible.controls(window)
    return message_text(shown), choice_buttons(shown), shown


def control_at(shown, place, role):
    for control in shown:
        if control.role == role and (control.x, control.y) == place:
            return control.name
    return None


def press_until(session, accessible, window, keys, what, test, tries=1):
    """Presses the keys and waits for the page test accepts; presses again
    when the first press came before the window had the keyboard."""
    last = (None, None, None)
    for _ in range(tries):
        session.press_key(*keys)
        try:
            return wait_for(what, lambda: (lambda p: p if test(*p) else None)(
                page(accessible, window)), timeout=5.0)
        except TestFailure:
            last = page(accessible, window)
    raise TestFailure("%s; message %r, choices %s" % (what, last[0], last[1]))


def texts(shown):
    return [(c.role, c.name, c.x, c.y) for c in shown]


def stars(shown):
    return control_at(shown, (280, 8), "label") or ""


def to_main_menu(session, accessible, window):
    """Plays on with Enter from wherever the fight stands, taking "escapy"
    and an escape side on each turn, until the main menu shows."""
    for _ in range(60):
        text, buttons, shown = page(accessible, window)
        if buttons == MENU:
            return
        if buttons == DEFEAT:
            raise Defeated()
        if buttons == TURN:
            # From "attax" the next choice in the tab order is "escapy".
            session.press_key("Tab")
            session.press_key("Return")
            wait_for("the escape sides", lambda: page(accessible, window)[1] != TURN, timeout=5.0)
            continue
        before = (text, buttons)
        session.press_key("Return")
        wait_for("the next step", lambda: page(accessible, window)[:2] != before, timeout=5.0)
    raise TestFailure("no way back to the main menu")


def play_once(args):
    with GameSession(args.program, args.dat, accessibility=True) as session:
        window = session.main_window()
        accessible = AccessibleGame(session)
        heard = Announcements(accessible)
        session.focus_keyboard(window)

        # The title page starts on Enter; the focus is then on "noar".
        press_until(session, accessible, window, ["Return"], "the status pick",
                    lambda text, buttons, _: text == PROMPT and buttons == PICK, tries=3)
        # A screen reader hears the new message once.
        wait_for("the message announced", lambda: heard.count(PROMPT) == 1, timeout=5.0)
        # A character with a few stars lives through a turn of the enemy's.
        for tries in range(200):
            if tries > 0 and len(stars(page(accessible, window)[2])) >= 3:
                break
            before = texts(page(accessible, window)[2])
            session.press_key("space")
            wait_for("a new roll", lambda: texts(page(accessible, window)[2]) != before,
                     timeout=5.0)
        # "yest" is the choice before "noar" in the tab order.
        session.press_key("Left")
        press_until(session, accessible, window, ["Return"], "the intro",
              lambda text, buttons, _: text == "" and buttons == INTRO)
        press_until(session, accessible, window, ["KP_Enter"], "the first line of the intro",
              lambda text, buttons, _: text and buttons == INTRO)
        session.press_key("Shift_L", "Tab")
        press_until(session, accessible, window, ["Return"], "the main menu after skipl",
              lambda text, buttons, _: buttons == MENU)

        press_until(session, accessible, window, ["Return"], "a fight after seeek",
              lambda text, buttons, _: buttons == ENCOUNTER)
        press_until(session, accessible, window, ["Return"], "the initiative after killl",
              lambda text, buttons, _: buttons == NEXT)
        for _ in range(20):
            text, buttons, _ = page(accessible, window)
            if buttons != NEXT:
                break
            session.press_key("Return")
            wait_for("the next step", lambda: page(accessible, window)[0] != text, timeout=5.0)
        text, buttons, _ = page(accessible, window)
        if buttons == DEFEAT:
            raise Defeated()
        check(buttons == TURN, "no turn menu: %r %s" % (text, buttons))

        press_until(session, accessible, window, ["Return"], "the rolling dice after attax",
                    lambda text, buttons, shown: buttons == NEXT
                    and control_at(shown, BURST_BUTTON, "button") is not None)
        # "ib" comes after the choices in the tab order.
        session.press_key("Tab")
        session.press_key("space")

        def burst_spent():
            first = page(accessible, window)[2]
            dice = control_at(first, MY_DICE, "label") or ""
            if dice.endswith("100"):
                return True  # the burst forced the dice
            wait_for("the dice to move", lambda: control_at(page(accessible, window)[2], MY_DICE,
                                                           "label") != dice, timeout=5.0)
            # Spent, "ib" keeps its last numbers while the dice roll on.
            return control_at(first, BURST_BUTTON, "button") == \
                control_at(page(accessible, window)[2], BURST_BUTTON, "button")
        wait_for("\"ib\" to be pressed", burst_spent, timeout=10.0)

        # Enter stops the dice: the attack's contest line follows.
        rolling = page(accessible, window)[0]
        press_until(session, accessible, window, ["Return"], "the contest after the dice",
              lambda text, buttons, _: text != rolling and "＝" in (text or ""))
        to_main_menu(session, accessible, window)

        session.press_key("Control_L", "q")
        status = session.wait_for_exit()
        check(status == 0, "Ctrl+Q ended the game with status %d:\n%s" % (status, session.game_output()))


# The exit status of one game that ended in defeat.
DEFEATED = 3


def play(args):
    """Plays in a process of its own each time: the accessibility client of a
    process stays bound to the first session's bus."""
    for attempt in range(4):
        status = subprocess.call([sys.executable, os.path.abspath(__file__), "--once",
                                  "--program", args.program, "--dat", args.dat])
        if status != DEFEATED:
            check(status == 0, "the game played from the keyboard failed")
            return
        print("defeated on attempt %d; playing again" % (attempt + 1))
    raise TestFailure("defeated four times running")


def play_alone(args):
    try:
        play_once(args)
    except Defeated:
        sys.exit(DEFEATED)


if __name__ == "__main__":
    parser = standard_arguments(__doc__)
    parser.add_argument("--once", action="store_true", help="one game, status 3 on a defeat")
    arguments = parser.parse_args()
    run_test(lambda: (play_alone if arguments.once else play)(arguments))
