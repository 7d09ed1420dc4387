// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the rules ask of the sound: one sound at a time, a looped one for the
// title music. The sound players implement it.
class TGameSpeakers {
public:
    // Plays a file of the data folder; a missing file or device is silence.
    virtual void PlayWave(const char *FileName, bool Loop) = 0;
    virtual void StopWave() = 0;

protected:
    ~TGameSpeakers() = default;
};

// The sound players, set while they exist; without them the game is silent.
extern TGameSpeakers *GameSpeakers;
