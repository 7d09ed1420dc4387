// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeClaim.h"

#include <QString>

#include <map>
#include <memory>
#include <string>

class QSoundEffect;

// Plays one wave file at a time in the background, looped on request. A
// missing file or no audio device means silence. One instance at a time: a
// second creation sounds the system alert and does nothing else.
class TLumeWave {
public:
    // SettingsFile keeps the sound switch from run to run; empty keeps it
    // for this run only.
    explicit TLumeWave(const QString &SettingsFile = {});
    ~TLumeWave();
    TLumeWave(const TLumeWave &) = delete;
    TLumeWave &operator=(const TLumeWave &) = delete;

    // Stops whatever plays and starts FileName (a path relative to the
    // working folder) from its beginning; returns at once.
    void PlayWave(const std::string &FileName, bool Loop);
    void StopWave();

    std::string FileName; // the wave last started; empty when stopped
    bool Looping = false; // whether it loops; false when stopped

    // The sound switch. Off silences whatever plays at once and keeps every
    // later sound from starting; the calls above keep their fields as ever.
    // On again restarts a looped sound that was started and not stopped (the
    // title music). The player's choice is kept in their settings and read
    // back when the player is made, before its first sound.
    bool SoundOn() const { return On; }
    void SetSoundOn(bool SoundOn);

    // Whether this process has an audio output to play on (asked once).
    static bool HasAudioOutput();

    // Flushes standard streams and ends the process with Status at once,
    // skipping the libraries' exit handlers, when Qt Multimedia has connected
    // to the sound server; otherwise it returns. Called while the application
    // object still exists: its destruction, like a static destructor of Qt
    // 6.4, closes that connection, which can race with the sound server's
    // client thread and abort the process.
    static void EndNowIfSoundStarted(int Status);

private:
    QSoundEffect *EffectFor(const std::string &Name);
    // Starts FileName, looped or not, unless sound is off.
    void StartSound();
    void StopSound();

    TLumeClaim Claim;
    QString SettingsFile;
    // One effect per file, kept so that a file is read and decoded only once.
    std::map<QString, std::unique_ptr<QSoundEffect>> Effects;
    // The effect of the last PlayWave; it may still be loading.
    QSoundEffect *Current = nullptr;
    bool On = true;
};
