#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game on a real X server with the keyboard alone: from the title
page through the status pick and the intro into a fight, stops the dice,
presses "ib", and comes back to the main menu; then Ctrl+Q ends the game
with status 0. Keys are real XTest key presses; the texts are read back
through AT-SPI."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import (INTRO, MENU, NEXT, PICK, PROMPT, AccessibleGame, GameSession, KeyboardPlayer, check,
                         control_at, play_until_undefeated, run_test, standard_arguments, wait_for)

# Where "ib" and the player's dice are on the main page.
BURST_BUTTON = (416, 208)
MY_DICE = (440, 320)


class Announcements:
    """What a screen reader hears: the new names of the game's labels."""

    def __init__(self):
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
        self.Atspi, self.GLib = Atspi, GLib
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


def play_once(args):
    listeners = []

    def listen(_folder, _env):
        # Before the game starts: its accessibility bridge asks at start-up who
        # listens, and sends no event that nobody was listening for then.
        listeners.append(Announcements())

    with GameSession(args.program, args.dat, accessibility=True, prepare=listen) as session:
        window = session.main_window()
        accessible = AccessibleGame(session)
        heard = listeners[0]
        session.focus_keyboard(window)
        player = KeyboardPlayer(session, accessible, window)

        # The title page starts on Enter; the focus is then on "noar".
        player.press_until(["Return"], "the status pick",
                           lambda text, buttons, _: text == PROMPT and buttons == PICK, tries=3)
        # A screen reader hears the new message once.
        wait_for("the message announced", lambda: heard.count(PROMPT) == 1, timeout=5.0)
        player.roll_stars()
        # "yest" is the choice before "noar" in the tab order.
        player.press("Left")
        player.press_until(["Return"], "the intro", lambda text, buttons, _: text == "" and buttons == INTRO)
        player.press_until(["KP_Enter"], "the first line of the intro",
                           lambda text, buttons, _: text and buttons == INTRO)
        player.press("Shift_L", "Tab")
        player.press_until(["Return"], "the main menu after skipl", lambda _, buttons, __: buttons == MENU)
        player.to_first_turn()

        player.press_until(["Return"], "the rolling dice after attax", lambda text, buttons, shown:
                           buttons == NEXT and control_at(shown, BURST_BUTTON, "button") is not None)
        # "ib" comes after the choices in the tab order.
        player.press("Tab")
        player.press("space")

        def burst_spent():
            first = player.page()[2]
            dice = control_at(first, MY_DICE, "label") or ""
            if dice.endswith("100"):
                return True  # the burst forced the dice
            wait_for("the dice to move", lambda: control_at(player.page()[2], MY_DICE, "label") != dice,
                     timeout=5.0)
            # Spent, "ib" keeps its last numbers while the dice roll on.
            return control_at(first, BURST_BUTTON, "button") == \
                control_at(player.page()[2], BURST_BUTTON, "button")
        wait_for("\"ib\" to be pressed", burst_spent, timeout=10.0)

        # Enter stops the dice: the attack's contest line follows.
        rolling = player.page()[0]
        player.press_until(["Return"], "the contest after the dice",
                           lambda text, buttons, _: text != rolling and "＝" in (text or ""))
        player.to_main_menu()

        player.press("Control_L", "q")
        status = session.wait_for_exit()
        check(status == 0, "Ctrl+Q ended the game with status %d:\n%s" % (status, session.game_output()))


def play(args):
    play_until_undefeated(lambda: play_once(args), "the game played from the keyboard")


if __name__ == "__main__":
    arguments = standard_arguments(__doc__).parse_args()
    run_test(lambda: play(arguments))
