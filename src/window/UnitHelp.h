// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class QAction;
class QTextBrowser;

// Keys that the controls handle themselves, listed in the help after the
// window's own actions: the keys, and what they do as the help says it (the
// "Help" context).
struct TControlKeys {
    QList<QKeySequence> Keys;
    const char *Does;
};
extern const std::array<TControlKeys, 3> ControlKeys;

// The "how to play" page as rich text, in the player's language, with a
// line that says whether sound is on. Its keys list names each of Actions'
// shortcuts as the desktop does, in the player's language, with its text.
QString HelpText(bool SoundOn, const QList<QAction *> &Actions);

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
