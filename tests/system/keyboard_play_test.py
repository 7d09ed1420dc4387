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

from gamesession import (AccessibleGame, GameSession, TestFailure, check, choice_buttons, in_child,
                         message_text, run_test, standard_arguments, wait_for)

PROMPT = "あなたが落としたのはこのステータスですか？"
PICK = {0: "noar", 1: "yest"}
INTRO = {0: "≫", 1: "skipl"}
MENU = {0: "seeek", 1: "bosss!", 2: "savie"}
ENCOUNTER = {0: "killl", 1: "escapo"}
TURN = {0: "attax", 1: "magix", 2: "escapy"}
NEXT = {0: "≫"}
DEFEAT = {0: "gmov"}
# Where "ib", the player's dice and the stars are on the main page.
BURST_BUTTON = (416, 208)
MY_DICE = (440, 320)
STARS = (280, 8)


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


def showing(choices):
    return lambda text, buttons, shown: buttons == choices


def control_at(shown, place, role):
    for control in shown:
        if control.role == role and (control.x, control.y) == place:
            return control.name
    return None


def texts(page):
    return [(c.role, c.name, c.x, c.y) for c in page[2]]


class Player:
    """Presses keys in the game window and reads its main page back."""

    def __init__(self, session, accessible, window):
        self.press, self.accessible, self.window = session.press_key, accessible, window

    def page(self):
        shown = self.accessible.controls(self.window)
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

    def to_main_menu(self):
        """Plays on with Enter from wherever the fight stands, taking "escapy"
        and an escape side on each turn, until the main menu shows."""
        for _ in range(60):
            buttons = self.page()[1]
            if buttons == MENU:
                return
            if buttons == DEFEAT:
                raise Defeated()
            if buttons == TURN:
                # From "attax" the next choice in the tab order is "escapy".
                self.press("Tab")
                self.press_for_change("Return", "the escape sides", lambda p: p[1])
            else:
                self.press_for_change("Return", "the next step", lambda p: p[:2])
        raise TestFailure("no way back to the main menu")


def play_once(args):
    with GameSession(args.program, args.dat, accessibility=True) as session:
        window = session.main_window()
        accessible = AccessibleGame(session)
        heard = Announcements(accessible)
        session.focus_keyboard(window)
        player = Player(session, accessible, window)

        # The title page starts on Enter; the focus is then on "noar".
        player.press_until(["Return"], "the status pick",
                           lambda text, buttons, _: text == PROMPT and buttons == PICK, tries=3)
        # A screen reader hears the new message once.
        wait_for("the message announced", lambda: heard.count(PROMPT) == 1, timeout=5.0)
        # A character with a few stars lives through a turn of the enemy's.
        for tries in range(200):
            if tries > 0 and len(control_at(player.page()[2], STARS, "label") or "") >= 3:
                break
            player.press_for_change("space", "a new roll", texts)
        # "yest" is the choice before "noar" in the tab order.
        player.press("Left")
        player.press_until(["Return"], "the intro", lambda text, buttons, _: text == "" and buttons == INTRO)
        player.press_until(["KP_Enter"], "the first line of the intro",
                           lambda text, buttons, _: text and buttons == INTRO)
        player.press("Shift_L", "Tab")
        player.press_until(["Return"], "the main menu after skipl", showing(MENU))
        player.press_until(["Return"], "a fight after seeek", showing(ENCOUNTER))
        player.press_until(["Return"], "the initiative after killl", showing(NEXT))
        for _ in range(20):
            if player.page()[1] != NEXT:
                break
            player.press_for_change("Return", "the next step", lambda p: p[0])
        text, buttons, _ = player.page()
        if buttons == DEFEAT:
            raise Defeated()
        check(buttons == TURN, "no turn menu: %r %s" % (text, buttons))

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


# The exit status of one game that ended in defeat.
DEFEATED = 3


def once(args):
    try:
        play_once(args)
    except Defeated:
        return DEFEATED


def play(args):
    """Plays each game in a child process of its own (see in_child)."""
    for attempt in range(4):
        status = in_child(lambda: once(args))
        if status != DEFEATED:
            check(status == 0, "the game played from the keyboard failed")
            return
        print("defeated on attempt %d; playing again" % (attempt + 1), flush=True)
    raise TestFailure("defeated four times running")


if __name__ == "__main__":
    arguments = standard_arguments(__doc__).parse_args()
    run_test(lambda: play(arguments))
