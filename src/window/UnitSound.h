// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class TLumeMidi;
class TLumeWave;

// The sound players, owned from CreateSpeakers to FreeSpeakers; while they
// live the rules' GameSpeakers plays through WavePlayer.
extern TLumeMidi *MidiHolder;
extern TLumeWave *WavePlayer;

// The player's settings, $XDG_CONFIG_HOME/vantik/vantik.conf: the sound switch.
QString SettingsFile();
// Creates the MIDI holder, then the wave player; frees them in that order.
void CreateSpeakers();
void FreeSpeakers();
