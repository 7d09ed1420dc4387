#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays by ear with Orca beside the game: from the title page through the
status pick, the whole intro and a fight back to the main menu, from the
keyboard alone. Orca's own log must show every message the window showed
spoken once and in order, the state key S speaking both sides' stars and
stats, each new roll speaking the new character's, and a choice's
description spoken when the focus reaches it. Fails,
never skips, when Orca is missing."""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import (DEFEAT, ENCOUNTER, INTRO, MENU, PICK, PROMPT, STARS, TURN, WINDOW_CAPTION,
                         AccessibleGame, Defeated, GameSession, KeyboardPlayer, TestFailure, check, control_at,
                         play_until_undefeated, run_test, standard_arguments, wait_for)

# Orca's words (in English, see ScreenReader) before what a notification says.
NOTIFICATION = "notification "
# The stat names, the player's and the enemy's values and the enemy's stars.
STAT_TOPS = (48, 88, 128, 168, 208)
NAME_LEFT, MINE_LEFT, ENEMY_LEFT = 200, 352, 64
ENEMY_STARS = (8, 8)


def said_as(shown):
    """A message as it is spoken: its lines joined by spaces."""
    return " ".join(shown.splitlines()).strip()


def number_at(text, number, start):
    """Where the whole number stands in text from start, or -1."""
    found = re.compile(r"(?<!\d)%d(?!\d)" % number).search(text, start)
    return found.start() if found else -1


class EarPlayer(KeyboardPlayer):
    """Presses keys, keeps each message the window shows, and reads back
    what Orca said."""

    def __init__(self, session, accessible, window, reader):
        super().__init__(session, accessible, window)
        self.session, self.reader = session, reader
        self.shown = []
        self.state_speeches = []

    def step(self, keys, what, changed=lambda before, after: after[0] != before[0]):
        """Presses keys that take a choice and keeps the message of the step
        it makes, when it shows one."""
        before = self.page()
        self.session.press_key(*keys)
        after = wait_for(what, lambda: (lambda page: page if changed(before, page) else None)(self.page()),
                         timeout=10.0)
        if after[0]:
            self.shown.append(after[0])
            # A player waits for the message before going on.
            self.catch_up()
        return after

    def check_described(self, caption):
        """Checks that Orca, when the focus reached the choice with this
        caption, said it and then what it does, as the choice describes it."""
        said = "%s push button." % caption

        def meaning():
            spoken = self.reader.spoken()
            places = [i for i, u in enumerate(spoken[:-1]) if u == said]
            return spoken[places[-1] + 1] if places else None
        heard = wait_for("Orca to say %r and what follows" % said, meaning)
        node = next(c.node for c in self.page()[2] if c.role == "button" and c.name == caption)
        described = node.get_description()
        check(described and heard.rstrip(".") == described.rstrip("."),
              "after %r Orca said %r, but the choice is described as %r" % (said, heard, described))

    def notes(self):
        """What Orca spoke as notifications, the state aside."""
        return [u[len(NOTIFICATION):] for i, u in enumerate(self.reader.spoken())
                if u.startswith(NOTIFICATION) and i not in self.state_speeches]

    def catch_up(self):
        """Waits until Orca has spoken as many messages as were shown."""
        try:
            self.reader.wait_for("Orca to catch up", lambda _: len(self.notes()) >= len(self.shown))
        except TestFailure:
            raise TestFailure("Orca spoke %d of the %d messages shown; the last shown: %r, the last "
                              "spoken: %s%s" % (len(self.notes()), len(self.shown), self.shown[-1],
                                                self.notes()[-2:], self.floods()))

    def check_state(self, enemy):
        """Presses S and checks what Orca says against the page: the stars
        as two numbers, then each stat's name and value, the player's side
        first, the enemy's after it or none."""
        self.catch_up()
        count = len(self.reader.spoken())
        self.session.press_key("s")
        self.check_sides(self.state_heard(count, "the state spoken"), enemy)

    def roll_stars(self, least=3):
        """Rolls as KeyboardPlayer does; Orca says each new character once,
        its stars and stats as the state key says the player's."""
        for _ in range(200):
            count = len(self.reader.spoken())
            self.press_for_change("space", "a new roll", lambda p: [(c.name, c.x, c.y) for c in p[2]])
            self.check_sides(self.state_heard(count, "the new roll spoken"), enemy=False)
            stars = control_at(self.page()[2], STARS, "label") or ""
            if stars.count("★") >= least:
                return stars
        raise TestFailure("no character with %d stars in 200 rolls" % least)

    def state_heard(self, count, what):
        """The first notification Orca spoke after its utterance count, kept
        apart from the messages."""
        spoken = self.reader.wait_for(what, lambda spoken: (
            spoken if any(u.startswith(NOTIFICATION) for u in spoken[count:]) else None))
        index = next(i for i in range(count, len(spoken)) if spoken[i].startswith(NOTIFICATION))
        self.state_speeches.append(index)
        return spoken[index][len(NOTIFICATION):]

    def check_sides(self, said, enemy):
        """Checks a state utterance against the page's stars and values."""
        shown = self.page()[2]
        names = [control_at(shown, (NAME_LEFT, top), "label") for top in STAT_TOPS]
        sides = [(STARS, MINE_LEFT)] + ([(ENEMY_STARS, ENEMY_LEFT)] if enemy else [])
        at = 0
        for stars_place, left in sides:
            stars = control_at(shown, stars_place, "label")
            for number in (stars.count("★"), len(stars)):
                check(number_at(said, number, at) >= 0,
                      "the stars %s are not said as %d in %r" % (stars, number, said[at:]))
            for name, top in zip(names, STAT_TOPS):
                value = int(control_at(shown, (left, top), "label"))
                named = said.find(name, at)
                check(named >= 0, "%s is not said in %r" % (name, said[at:]))
                at = number_at(said, value, named)
                check(at >= 0, "%s %d is not said in %r" % (name, value, said[named:]))
        check(said.find(names[0], at) < 0, "a side too many in %r" % said)

    def floods(self):
        """What Orca's log says of events it dropped, for a failure's message."""
        log = self.reader.log()
        dropped = log.count("due to flood") + log.count("due to deluge")
        return "; Orca dropped %d events in a flood of events" % dropped if dropped else ""

    def check_each_message_said_once(self):
        """The notifications Orca spoke, the state aside, are the messages
        shown, one for one and in order."""
        self.catch_up()
        heard = self.notes()
        expected = [said_as(message) for message in self.shown]
        for index, (said, message) in enumerate(zip(heard, expected)):
            # Orca ends an utterance that ends in a letter or digit with a full stop.
            check(said in (message, message + "."), "message %d of %d was shown as %r but spoken as %r%s"
                  % (index + 1, len(expected), message, said, self.floods()))
        check(len(heard) == len(expected), "%d messages shown, %d spoken; the last spoken: %s%s"
              % (len(expected), len(heard), heard[len(expected) - 1:], self.floods()))


def play_once(args):
    with GameSession(args.program, args.dat, accessibility=True) as session:
        reader = session.start_screen_reader()
        window = session.main_window()
        accessible = AccessibleGame(session)
        session.focus_keyboard(window)
        reader.wait_for("Orca to say the window's title", lambda spoken: WINDOW_CAPTION + "." in spoken)
        player = EarPlayer(session, accessible, window, reader)

        player.step(["Return"], "the status pick", lambda _, page: page[0] == PROMPT and page[1] == PICK)
        player.check_state(enemy=False)
        # A new roll keeps the question on the page; the new character is said.
        player.roll_stars()
        session.press_key("Left")
        player.check_described("yest")
        player.step(["Return"], "the intro", lambda _, page: page[1] == INTRO)
        player.check_described("≫")
        while player.page()[1] == INTRO:
            player.step(["Return"], "the next line", lambda before, after: after[:2] != before[:2])
        check(player.page()[1] == MENU, "no main menu after the intro: %s" % player.page()[1])

        player.step(["Return"], "an enemy after seeek", lambda _, page: page[1] == ENCOUNTER)
        player.check_state(enemy=True)
        player.step(["Return"], "the initiative after killl")
        attacked = False
        for _ in range(60):
            buttons = player.page()[1]
            if buttons == MENU:
                break
            if buttons == DEFEAT:
                raise Defeated()
            if buttons == TURN and not attacked:
                # "attax" rolls the dice; "≫" stops them for the contest line.
                player.step(["Return"], "the rolling dice after attax")
                player.step(["Return"], "the contest after the dice")
                attacked = True
            elif buttons == TURN:
                # From "attax" the next choice in the tab order is "escapy".
                player.session.press_key("Tab")
                player.step(["Return"], "the escape sides")
            else:
                player.step(["Return"], "the next step")
        check(player.page()[1] == MENU, "no way back to the main menu")
        if not attacked:
            raise Defeated()
        player.check_each_message_said_once()

        session.press_key("Control_L", "q")
        check(session.wait_for_exit() == 0, "Ctrl+Q did not end the game")


if __name__ == "__main__":
    arguments = standard_arguments(__doc__).parse_args()
    run_test(lambda: play_until_undefeated(lambda: play_once(arguments), "the game played by ear"))
