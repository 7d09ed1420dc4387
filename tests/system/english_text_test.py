#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game under an English locale on a real X server with the
keyboard alone: the title page, the status pick, the intro, a fight to its
end, the F1 help and back to the main menu; then Ctrl+Q ends the game with
status 0. Every text a screen reader gets (window captions, names,
descriptions, the help's text) is read through AT-SPI as it comes: none may
hold Japanese, and the English ones the player needs must be there."""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamesession import (INTRO, MENU, NEXT, PICK, AccessibleGame, GameSession, KeyboardPlayer, check,
                         control_at, message_text, play_until_undefeated, run_test, save_picture,
                         standard_arguments, wait_for)

LOCALE = "en_US.UTF-8"
CAPTION = "Vantik"
HELP_CAPTION = "How to play"
TITLE_NAME = "Title page"
TITLE_DESCRIPTION = "Click, or press Enter or Space, to start a new game. F1 shows how to play."
PROMPT = "Are these the stats you dropped?"
STAT_CAPTIONS = ["Hit", "Evade", "Predict", "Flash", "Reason"]
INTRO_LINES = ["Nameless, shapeless,", "a thing that woke up holding five numbers, nothing more.",
               "That is you."]
MENU_LINES = {"The wind is cold.", "A bell rings far away.", "The die is warm in your hand.", "Drizzle.",
              "The sky hangs oddly low.", "Somebody laughed somewhere.", "Your shadow is a little too long.",
              "A quiet night.", "A star fell.", "The road goes on."}
# A new character and an ordinary enemy.
PLAYER = "U"
ENEMY = "Thatguy"
ESCAPE = ["Ruuun!!", "One of these is safe!"]
WAYS_OUT = {0: "right", 1: "left"}
HELP_HEADINGS = [HELP_CAPTION, "Goal", "Pages and choices", "The five stats", "Stars", "The die and Idea Burst",
                 "Growth", "Saving", "Keys", "Sound: "]
# Kana, CJK ideographs, full-width forms and the ideographic space.
JAPANESE = re.compile("[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]")
# Where the stat captions and "ib" are.
CAPTION_LEFT = 200
BURST_BUTTON = (416, 208)


class Reader:
    """Every text read from the game, each checked as it comes; the main
    page's messages are kept in order, and logged."""

    def __init__(self):
        self.texts = set()
        self.messages = []

    def read(self, where, *texts):
        for text in texts:
            found = JAPANESE.search(text or "")
            check(not found, "Japanese %r in %s: %r" % (found and found.group(), where, text))
            self.texts.add(text or "")

    def page(self, controls):
        for control in controls:
            self.read("the %s at %d,%d" % (control.role, control.x, control.y), control.name)
        message = message_text(controls)
        if message and (not self.messages or self.messages[-1] != message):
            self.messages.append(message)
            print("message: %r" % message, flush=True)

    def tree(self, accessible, frame, where):
        """Reads every showing node of a window; returns their texts."""
        found = accessible.texts(frame)
        for role, name, description, text in found:
            self.read("%s, a %s named %r" % (where, role, name), name, description, text)
        return found


def check_title_page(accessible, reader, frame):
    title = wait_for("the title page", lambda: accessible.find(frame, accessible.Atspi.Role.IMAGE))
    reader.tree(accessible, frame, "the title page")
    check(title.get_name() == TITLE_NAME and title.get_description() == TITLE_DESCRIPTION,
          "the title page is called %r, described %r" % (title.get_name(), title.get_description()))


def check_status_pick(player):
    player.press_until(["Return"], "the status pick",
                       lambda text, buttons, _: text == PROMPT and buttons == PICK, tries=3)
    shown = player.page()[2]
    captions = [c.name for c in sorted(shown, key=lambda c: c.y) if c.role == "label" and c.x == CAPTION_LEFT]
    check(captions == STAT_CAPTIONS, "the stats are captioned %s" % captions)
    values = [c.name for c in shown if c.role == "label" and c.x == 352]
    check(len(values) == 5 and all(re.fullmatch("[0-9]+", value) for value in values),
          "the player's values read %s" % values)
    stars = player.roll_stars()
    check(set(stars) <= set("★☆"), "the stars read %r" % stars)
    # "yest" is the choice before "noar" in the tab order.
    player.press("Left")
    player.press_until(["Return"], "the intro", lambda text, buttons, _: text == "" and buttons == INTRO)


def check_intro(player):
    lines = []
    for _ in INTRO_LINES:
        player.press_for_change("Return", "the next intro line", lambda p: p[0])
        lines.append(player.page()[0])
    check(lines == INTRO_LINES, "the intro reads %s" % lines)
    player.press("Shift_L", "Tab")
    text = player.press_until(["Return"], "the main menu after skipl",
                              lambda text, buttons, _: buttons == MENU)[0]
    check(text in MENU_LINES, "the main menu's line reads %r" % text)


def fight(session, accessible, reader, frame, player, screenshots):
    """Attacks once, then plays on, taking "escapy" on each turn, to the
    main menu."""
    encounter, initiative = player.to_first_turn()
    check(encounter == "Something to kill: %s appears." % ENEMY, "the fight opens with %r" % encounter)
    check(initiative.splitlines() in (["%s and %s face off." % (PLAYER, ENEMY), "Fate weighs their Predict: "
                                       "%s goes first." % name] for name in (PLAYER, ENEMY)),
          "the initiative reads %r" % initiative)
    check(player.page()[0] == "Now what?", "the turn asks %r" % player.page()[0])

    # While the player's dice roll, "ib" shows the reason and its own roll.
    player.press_until(["Return"], "the rolling dice after attax", lambda text, buttons, shown:
                       buttons == NEXT and "+" in (control_at(shown, BURST_BUTTON, "button") or ""))
    reader.tree(accessible, frame, "the fight")
    save_picture(screenshots, "fight-en.png", session.window_picture(player.window))
    rolling = player.page()[0]
    text = player.press_until(["Return"], "the contest after the dice",
                              lambda text, buttons, _: text != rolling and "=" in (text or ""))[0]
    check(text.startswith("%s's Hit " % PLAYER), "the attack's contest reads %r" % text)
    player.to_main_menu()
    if ESCAPE in [message.splitlines() for message in reader.messages]:
        check(all(way in reader.texts for way in WAYS_OUT.values()), "the ways out are not %s" % WAYS_OUT)


def check_help(session, accessible, reader, player):
    player.press("F1")
    help_frame = wait_for("the help window", lambda: len(session.shown_top_levels(HELP_CAPTION)) == 1
                          and next(iter(accessible.windows(HELP_CAPTION)), None))
    found = reader.tree(accessible, help_frame, "the help")
    text = "\n".join(text for _, _, _, text in found)
    missing = [words for words in HELP_HEADINGS + STAT_CAPTIONS if words not in text]
    check(not missing, "the help lacks %s; it reads:\n%s" % (missing, text))
    # The game keeps the keyboard; Escape there closes the help.
    player.press("Escape")
    wait_for("the help to close", lambda: not session.shown_top_levels(HELP_CAPTION)
             and not accessible.windows(HELP_CAPTION))
    check(player.page()[1] == MENU, "the main menu is gone after the help")


def play_once(args):
    with GameSession(args.program, args.dat, accessibility=True, locale=LOCALE) as session:
        window = session.main_window(caption=CAPTION)
        accessible = AccessibleGame(session)
        frame = wait_for("the game window on the accessibility bus",
                         lambda: next(iter(accessible.windows(CAPTION)), None))
        reader = Reader()
        check_title_page(accessible, reader, frame)

        session.focus_keyboard(window)
        player = KeyboardPlayer(session, accessible, window, seen=reader.page)
        check_status_pick(player)
        check_intro(player)
        reader.tree(accessible, frame, "the main menu")
        save_picture(args.screenshots, "mainmenu-en.png", session.window_picture(window))

        fight(session, accessible, reader, frame, player, args.screenshots)
        check_help(session, accessible, reader, player)

        player.press("Control_L", "q")
        status = session.wait_for_exit()
        check(status == 0, "Ctrl+Q ended the game with status %d:\n%s" % (status, session.game_output()))


if __name__ == "__main__":
    arguments = standard_arguments(__doc__).parse_args()
    run_test(lambda: play_until_undefeated(lambda: play_once(arguments), "the game played in English"))
