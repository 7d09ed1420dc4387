// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeSpeed.h"

#include <QStringList>

#include <chrono>
#include <cstdint>
#include <utility>

#include <unistd.h>

#ifdef LUME_BENCH_SWITCHES
namespace {
unsigned SwitchedOff = 0;
}

bool Without(TSpeedDevice Device)
{
    return (SwitchedOff & Device) != 0;
}

void SetSpeedSwitches(const QString &Off)
{
    static const std::pair<const char *, TSpeedDevice> names[] = {{"waiting", sdWaiting},
                                                                  {"wakeup", sdWakeup},
                                                                  {"stencils", sdStencils},
                                                                  {"stripes", sdStripes},
                                                                  {"changes", sdChanges}};
    SwitchedOff = 0;
    const QStringList off = Off.split(u',');
    for (const auto &[name, device] : names)
        if (off.contains(QLatin1String(name)))
            SwitchedOff |= device;
}

void NoteFramePainted()
{
    static bool noted = false;
    if (noted)
        return;
    noted = true;
    bool named = false;
    const int fd = qEnvironmentVariableIntValue("VANTIK_FIRST_FRAME_FD", &named);
    if (!named)
        return;
    const int64_t now = std::chrono::steady_clock::now().time_since_epoch().count();
    [[maybe_unused]] const ssize_t written = write(fd, &now, sizeof now);
}
#endif
