// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The MIDI library the game holds in dat/. The game selects an output device
// when it starts and stops and frees the library when it ends, but it never
// plays a song, so the library only keeps track of the selected device and
// makes no sound.

namespace {

// Device numbers: -1 is the system's default MIDI output, 0 and up name a
// port. NoDevice means none has been selected, or the library was freed.
constexpr int NoDevice = -2;

int Device = NoDevice;

} // namespace

extern "C" {

// Selects the output device. Flags is reserved and must be 0. Returns 0 on
// success, -1 for an unknown device number or a nonzero flag.
int GGSSetDevice(int DeviceId, int Flags)
{
    if (DeviceId < -1 || Flags != 0)
        return -1;
    Device = DeviceId;
    return 0;
}

// Stops the song that plays. The library has no way to start one, so there
// is never anything to stop.
void GGSStop() {}

// Releases the selected device.
void GGSFree()
{
    Device = NoDevice;
}

// The selected device, or -2 when none is selected. Lets the holder's owner
// (and its tests) see what the library was told.
int GGSGetDevice()
{
    return Device;
}

} // extern "C"
