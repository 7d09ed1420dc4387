// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeRandom.h"

#include <chrono>

uint32_t RandSeed = 0;

int32_t Random(int32_t Range)
{
    RandSeed = RandSeed * 134775813u + 1u;
    if (Range <= 0)
        return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(RandSeed) * static_cast<uint32_t>(Range)) >>
                                32);
}

namespace {
std::optional<uint32_t> FixedSeed;
}

void FixRandomizeSeed(std::optional<uint32_t> Seed)
{
    FixedSeed = Seed;
}

void Randomize()
{
    if (FixedSeed) {
        RandSeed = *FixedSeed;
        return;
    }
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const int64_t msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    RandSeed = static_cast<uint32_t>(msOfDay);
}
