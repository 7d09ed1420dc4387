#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Opens the game with no save file on a real X server and plays the way
from the title page through the status pick and the intro to the main menu
with pointer clicks, reading the texts back through AT-SPI; then closes the
window as a window manager would and expects a clean exit."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import numpy as np
from gamesession import (CLIENT_HEIGHT, CLIENT_WIDTH, INTRO, MAIN_PAGE_GROUND, MENU, PICK, AccessibleGame,
                         GameSession, TestFailure, check, choice_buttons, colour_share, message_text,
                         run_test, save_picture, standard_arguments, wait_for, wait_for_picture)

PROMPT = "あなたが落としたのはこのステータスですか？"


def check_window(session, window):
    left, top, width, height = session.client_rect(window)
    check((width, height) == (CLIENT_WIDTH, CLIENT_HEIGHT),
          "client area is %dx%d, not %dx%d" % (width, height, CLIENT_WIDTH, CLIENT_HEIGHT))
    screen = session.x.screen()
    # No window manager runs, so the client area is the whole window.
    centre_left = (screen.width_in_pixels - width) // 2
    centre_top = (screen.height_in_pixels - height) // 2
    check(abs(left - centre_left) <= 1 and abs(top - centre_top) <= 1,
          "window at %d,%d is not centred (%d,%d)" % (left, top, centre_left, centre_top))
    hints = window.get_wm_normal_hints()
    check(hints is not None and (hints.min_width, hints.min_height) == (width, height)
          and (hints.max_width, hints.max_height) == (width, height),
          "the window can be resized: %s" % (hints,))


def trace_share(picture):
    """Share of pixels in the traces' colours: no red, green 128, blue 64..127."""
    red, green, blue = picture[:, :, 0], picture[:, :, 1], picture[:, :, 2]
    return float(np.mean((red == 0) & (green == 128) & (blue >= 64) & (blue <= 127)))


def check_title_page(session, accessible, window, screenshots):
    def dark_with_traces(shown):
        return colour_share(shown, (0, 0, 0)) > 0.6 and trace_share(shown) > 0.005
    first = wait_for_picture(session, window, "the title animation on a dark page", dark_with_traces)
    save_picture(screenshots, "title.png", first)
    wait_for("the title animation to move on",
             lambda: not np.array_equal(session.window_picture(window), first))
    shown = accessible.controls(window)
    check(not shown, "the title page leaves controls of the main page visible: %s" % shown)


def player_side(controls):
    """The player's star text and five stat values, top row first."""
    stars = [c.name for c in controls if c.role == "label" and (c.x, c.y) == (280, 8)]
    stats = sorted((c.y, c.name) for c in controls if c.role == "label" and c.x == 352)
    return tuple(stars) + tuple(name for _, name in stats)


def enemy_side(controls):
    return [c.name for c in controls if c.role == "label" and ((c.x, c.y) == (8, 8) or c.x == 64)]


def wait_for_page(accessible, window, what, test):
    """Polls the window's texts until test accepts them; a timeout tells what was shown."""
    last = []

    def probe():
        last[:] = accessible.controls(window)
        return list(last) if test(message_text(last), choice_buttons(last), last) else None
    try:
        return wait_for(what, probe)
    except TestFailure as failure:
        raise TestFailure("%s; message %r, choices %s" % (failure, message_text(last), choice_buttons(last)))


def check_status_pick(session, accessible, window, screenshots):
    session.click_in(window, CLIENT_WIDTH // 2, CLIENT_HEIGHT // 2)
    controls = wait_for_page(accessible, window, "the status pick",
                             lambda text, buttons, _: text == PROMPT and buttons == PICK)
    picture = wait_for_picture(session, window, "the main page on the screen",
                               lambda shown: colour_share(shown, MAIN_PAGE_GROUND) > 0.1)
    save_picture(screenshots, "statuspick.png", picture)

    player = player_side(controls)
    check(len(player) == 6, "the player's side shows %s" % (player,))
    check(player[0] and set(player[0]) == {"★"}, "a new character has no full stars: %r" % player[0])
    for value in player[1:]:
        check(value.isdigit() and 0 <= int(value) <= 100, "a stat value reads %r" % value)
    check(all(name == "" for name in enemy_side(controls)), "the enemy's side is not blank")

    # "noar" rolls again and leaves the question and both choices in place.
    session.click_slot(window, 0)
    controls = wait_for_page(accessible, window, "a new roll after noar",
                             lambda text, buttons, shown: player_side(shown) != player)
    check(message_text(controls) == PROMPT and choice_buttons(controls) == PICK,
          "noar changed the question or the choices")
    return player_side(controls)


def check_intro(session, accessible, window, player):
    session.click_slot(window, 1)
    controls = wait_for_page(accessible, window, "the intro after yest",
                             lambda text, buttons, _: text == "" and buttons == INTRO)
    check(player_side(controls) == player, "yest did not keep the character last shown")
    lines = []
    for _ in range(3):
        session.click_slot(window, 0)
        controls = wait_for_page(accessible, window, "the next intro line",
                                 lambda text, buttons, _: text and text not in lines)
        lines.append(message_text(controls))
        check(choice_buttons(controls) == INTRO, "the intro's choices changed")
    check(lines[0].endswith("、") and lines[2] == "それがあなた。", "the intro reads %s" % lines)


def check_main_menu(session, accessible, window, screenshots):
    session.click_slot(window, 1)
    controls = wait_for_page(accessible, window, "the main menu after skipl",
                             lambda text, buttons, _: buttons == MENU)
    line = message_text(controls)
    check(line and line.endswith("。") and "\n" not in line and "\r" not in line,
          "the main menu's flavour line reads %r" % line)
    check(all(name == "" for name in enemy_side(controls)), "the enemy's side is not blank")
    save_picture(screenshots, "mainmenu.png", session.window_picture(window))


def play_opening(args):
    with GameSession(args.program, args.dat, accessibility=True) as session:
        window = session.main_window()
        check_window(session, window)
        accessible = AccessibleGame(session)
        check_title_page(session, accessible, window, args.screenshots)
        player = check_status_pick(session, accessible, window, args.screenshots)
        check_intro(session, accessible, window, player)
        check_main_menu(session, accessible, window, args.screenshots)
        session.request_close(window)
        status = session.wait_for_exit()
        check(status == 0, "closing the window ended the game with status %d:\n%s"
              % (status, session.game_output()))


if __name__ == "__main__":
    arguments = standard_arguments(__doc__).parse_args()
    run_test(lambda: play_opening(arguments))
