// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeyCombination>
#include <QString>
#include <QWidget>

#include <array>

class QTextBrowser;

// What a key of the game's own does; None for the keys the controls handle.
enum class TKeyAction { None, ToggleHelp, CloseHelp, Quit, ToggleSound, SpeakState };

// One of the game's keys: the key the window binds (none for the controls'
// own), its name and what it does as the help says them, and its action.
struct TGameKey {
    QKeyCombination Key;
    const char *Names;
    const char *Does;
    TKeyAction Action;
};
extern const std::array<TGameKey, 8> GameKeys;

// The "how to play" page as rich text, in the player's language, with a
// line that says whether sound is on.
QString HelpText(bool SoundOn);

// Where a help window of size Help goes beside the game's frame Game on a
// screen whose free area is Desk: right of the game, else left of it, else
// on the side with more room, kept on the screen.
QPoint HelpPlace(const QRect &Game, const QRect &Desk, const QSize &Help);

// What a screen reader says of the title page.
QString TitleAccessibleName();
QString TitleAccessibleDescription();

// A window beside the game that explains how to play. It is not modal: the
// game goes on and can be played while it is open; the game's keys work from
// it too.
class TFormHelp : public QWidget {
    Q_OBJECT
public:
    // Game is the window it stands beside; it is the help's owner.
    TFormHelp(QWidget *Game, bool SoundOn);

    // Opens the help beside the game, or closes it when it is open.
    void Toggle();
    // Rewrites the line about sound.
    void ShowSoundState(bool SoundOn);

protected:
    // The keyboard goes back to the game.
    void hideEvent(QHideEvent *Event) override;

private:
    QWidget *Game;
    QTextBrowser *Browser;
};
