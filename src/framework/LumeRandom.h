// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

// The program's one pseudo-random generator: a 32-bit linear congruential
// generator, seed := seed * 134775813 + 1, whose result is the upper 32 bits
// of the 64-bit product of the new seed and the range.
extern uint32_t RandSeed;

// A uniform whole number from 0 to Range - 1. A range of 0 or less yields 0
// (the seed still advances), so no caller can ask for an empty range.
int32_t Random(int32_t Range);

// Seeds the generator from the UTC time of day in milliseconds.
void Randomize();

// Makes Randomize use Seed instead of the clock, so that tests can replay a
// whole run from start-up; std::nullopt restores the clock.
void FixRandomizeSeed(std::optional<uint32_t> Seed);
