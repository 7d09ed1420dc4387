// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>

struct TBattler;
struct TChoice;

// What a screen reader says of the game beyond the texts of its controls.
// Orca does not speak a label whose text changes, nor (with Qt 6.4's AT-SPI
// bridge) a focused control's changed description, but it does speak a
// notification that is shown; so each message, and the state on demand, is
// said through an invisible notification.

// What a choice does, for its button's accessible description: the
// captions are playful words that do not say it.
QString ChoiceMeaning(const TChoice &Choice);

// What the burst button's caption, "ib" or its two numbers, means.
QString BurstMeaning();

// The message as it is said: its lines joined by spaces.
QString SpokenMessage(const QString &Shown);

// The player's stars and five stats as one utterance.
QString PlayerSpeech(const TBattler &Player);

// Both sides' stars and five stats as one utterance; Enemy is null while no
// enemy is shown.
QString StateSpeech(const TBattler &Player, const TBattler *Enemy);

// The window's voice: notifications that paint nothing, take no input and
// have no size; each time one is shown a screen reader speaks its name.
class TSpeech : public QObject {
public:
    explicit TSpeech(QWidget *Form);

    // Says Text now. An empty text says nothing.
    void Say(const QString &Text);
    // Says Text once the current step is over, in place of whatever an
    // earlier call during the same step would have said: only the message
    // that stays on the page is heard, after the focus has settled.
    void SayAfterStep(const QString &Text);

private:
    // Orca reads a notification's name when it comes to the event, which
    // may be after the next one was shown; so the texts take turns on
    // several notifications, and each keeps its text a while.
    std::array<QWidget *, 4> Notices{};
    size_t Next = 0;
    QString Pending;
    bool Due = false;
};
