// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Draws.h"

#include "LumeRandom.h"

#include <gtest/gtest.h>

uint32_t SeedWhere(const std::function<bool()> &DrawsFit)
{
    for (uint32_t seed = 0; seed < (1u << 26); ++seed) {
        RandSeed = seed;
        if (DrawsFit())
            return seed;
    }
    ADD_FAILURE() << "no seed found";
    return 0;
}

uint32_t SeedForDraws(int32_t Range, std::initializer_list<int32_t> Wanted)
{
    return SeedWhere([&] {
        for (int32_t want : Wanted)
            if (Random(Range) != want)
                return false;
        return true;
    });
}

uint32_t SeedAfter(uint32_t Seed, int Count)
{
    RandSeed = Seed;
    for (int i = 0; i < Count; ++i)
        Random(2);
    return RandSeed;
}
