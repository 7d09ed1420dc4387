// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitSound.h"

#include "LumeMidi.h"
#include "LumeWave.h"
#include "UnitSpeakers.h"

#include <QStandardPaths>

TLumeMidi *MidiHolder = nullptr;
TLumeWave *WavePlayer = nullptr;

namespace {

// The rules' sound, played by the wave player.
class TWaveSpeakers final : public TGameSpeakers {
public:
    void PlayWave(const char *FileName, bool Loop) override
    {
        WavePlayer->PlayWave(FileName, Loop);
    }
    void StopWave() override { WavePlayer->StopWave(); }
};

TWaveSpeakers Speakers;

} // namespace

QString SettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vantik/vantik.conf");
}

void CreateSpeakers()
{
    MidiHolder = new TLumeMidi();
    WavePlayer = new TLumeWave(SettingsFile());
    GameSpeakers = &Speakers;
}

// Safe at any point: after a failed start-up either player may be missing.
void FreeSpeakers()
{
    GameSpeakers = nullptr;
    delete MidiHolder;
    MidiHolder = nullptr;
    delete WavePlayer;
    WavePlayer = nullptr;
}
