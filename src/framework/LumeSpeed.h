// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The speed devices a benchmark build can switch off one at a time, to
// measure what each saves; the program names those to switch off. Other
// builds keep every device on.
enum TSpeedDevice : unsigned {
    sdWaiting = 1,  // the main loop sleeps between passes
    sdWakeup = 2,   // a kernel timer wakes it at the due millisecond
    sdStencils = 8, // text rasterised once, then set pixel by pixel
    sdStripes = 16, // the paint box repaints in stripes of 32 rows
    sdChanges = 32  // fills, copies and repaints cover only what changed
};
#ifdef LUME_BENCH_SWITCHES
bool Without(TSpeedDevice Device);
// Off is a comma-separated list of the devices' names: "stencils,stripes".
void SetSpeedSwitches(const QString &Off);
// Once a program's first frame is painted, a benchmark build writes the
// moment (the steady clock's count, 8 bytes) to the file descriptor named in
// VANTIK_FIRST_FRAME_FD, once, so that start-up can be timed from outside.
void NoteFramePainted();
#else
constexpr bool Without(TSpeedDevice)
{
    return false;
}
inline void SetSpeedSwitches(const QString &) {}
inline void NoteFramePainted() {}
#endif
